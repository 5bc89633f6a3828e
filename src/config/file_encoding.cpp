#include "config/file_encoding.h"

#include "text/unicode_text.h"

#include <algorithm>

namespace brevant {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

bool HasNonAscii(std::string_view bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char byte) { return static_cast<unsigned char>(byte) >= 0x80; });
}

std::wstring Utf16Units(std::string_view bytes, bool bigEndian)
{
    std::wstring text;
    text.reserve(bytes.size() / 2);
    // An odd last byte is no character.
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        text += static_cast<wchar_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
    return text;
}

}  // namespace

FileEncoding DetectEncoding(std::string_view bytes)
{
    if (bytes.starts_with(kUtf8Mark))
        return FileEncoding::Utf8;
    if (bytes.starts_with(kUtf16LittleEndianMark))
        return FileEncoding::Utf16LittleEndian;
    if (bytes.starts_with(kUtf16BigEndianMark))
        return FileEncoding::Utf16BigEndian;
    if (HasNonAscii(bytes) && Utf8ToText(bytes))
        return FileEncoding::Utf8;
    return FileEncoding::Ansi;
}

std::wstring DecodeFile(std::string_view bytes, const AnsiCodePage& ansi)
{
    switch (DetectEncoding(bytes)) {
    case FileEncoding::Utf8: {
        if (bytes.starts_with(kUtf8Mark))
            bytes.remove_prefix(kUtf8Mark.size());
        // Bytes after a mark that are not well-formed are read as ANSI.
        if (auto text = Utf8ToText(bytes))
            return std::move(*text);
        break;
    }
    case FileEncoding::Utf16LittleEndian:
        return Utf16Units(bytes.substr(kUtf16LittleEndianMark.size()), false);
    case FileEncoding::Utf16BigEndian:
        return Utf16Units(bytes.substr(kUtf16BigEndianMark.size()), true);
    case FileEncoding::Ansi:
        break;
    }
    return ansi.decode(bytes);
}

std::string EncodeFile(std::wstring_view text, const AnsiCodePage& ansi)
{
    // ANSI bytes that would read as another encoding (a mark at the start,
    // or what is also UTF-8: "\xC3\xA9" in 1252) are not ANSI to a reader.
    if (auto bytes = ansi.encode(text); bytes && DetectEncoding(*bytes) == FileEncoding::Ansi)
        return std::move(*bytes);
    std::string bytes(kUtf16LittleEndianMark);
    bytes.reserve(bytes.size() + 2 * text.size());
    for (const wchar_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>((unit >> 8) & 0xFF);
    }
    return bytes;
}

}  // namespace brevant
