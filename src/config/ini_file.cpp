#include "config/ini_file.h"

#include "config/config_values.h"
#include "config/file_io.h"
#include "text/error.h"
#include "text/integer_text.h"

#include <utility>

namespace brevant {

namespace {

std::wstring ReadFileText(const std::wstring& fileName, TIniFile::Access access)
{
    try {
        const auto bytes = ReadFileBytes(fileName);
        return bytes ? DecodeFile(*bytes, UserAnsiCodePage()) : std::wstring();
    } catch (const Error&) {
        if (access == TIniFile::Access::Read)
            throw;
        // The file's other sections cannot be kept: nothing is written.
        throw Error(FormatError(L"Unable to write to %s", fileName));
    }
}

}  // namespace

TIniFile::TIniFile(std::wstring fileName, Access access)
    : fileName_(std::move(fileName)), text_(ReadFileText(fileName_, access))
{
}

std::wstring TIniFile::ReadText(std::wstring_view section, std::wstring_view key,
                                std::wstring_view defaultValue) const
{
    const auto value = text_.Find(section, key);
    return ProfileValue(value ? *value : defaultValue);
}

void TIniFile::WriteText(std::wstring_view section, std::wstring_view key, std::wstring_view value)
{
    text_.Set(section, key, value);
}

int32_t TIniFile::ReadNumber(std::wstring_view section, std::wstring_view key, int32_t defaultValue) const
{
    return ConfigNumberOr(ReadText(section, key, L""), defaultValue);
}

void TIniFile::WriteNumber(std::wstring_view section, std::wstring_view key, int32_t value)
{
    WriteText(section, key, IntegerToText(value));
}

void TIniFile::UpdateFile() const { ReplaceFileBytes(fileName_, EncodeFile(text_.Text(), UserAnsiCodePage())); }

}  // namespace brevant
