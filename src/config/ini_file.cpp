#include "config/ini_file.h"

#include <windows.h>

#include <array>
#include <utility>

#include "config/config_values.h"
#include "text/error.h"
#include "text/integer_text.h"

namespace brevant {

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

std::string TIniFile::ReadText(const std::string& section, const std::string& key,
                               const std::string& defaultValue) const
{
    std::array<char, ValueCapacity> buffer{};
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                                  buffer.data(), ValueCapacity, fileName_.c_str());
    return std::string(buffer.data(), length);
}

void TIniFile::WriteText(const std::string& section, const std::string& key, const std::string& value) const
{
    if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), fileName_.c_str()))
        throw Error(FormatError("Unable to write to %s", fileName_));
}

int32_t TIniFile::ReadNumber(const std::string& section, const std::string& key, int32_t defaultValue) const
{
    return ConfigNumberOr(ReadText(section, key, ""), defaultValue);
}

void TIniFile::WriteNumber(const std::string& section, const std::string& key, int32_t value) const
{
    WriteText(section, key, IntegerToText(value));
}

}  // namespace brevant
