#include "config/file_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace brevant {
namespace {

// Code page 1252 as far as the tests need it: Latin-1 with the euro sign at
// 0x80, and nothing beyond.
const AnsiCodePage kWestern{
    .decode =
        [](std::string_view bytes) {
            std::wstring text;
            for (const char byte : bytes)
                text += byte == '\x80' ? L'\x20AC' : static_cast<wchar_t>(static_cast<unsigned char>(byte));
            return text;
        },
    .encode = [](std::wstring_view text) -> std::optional<std::string> {
        std::string bytes;
        for (const wchar_t c : text) {
            if (c == L'\x20AC')
                bytes += '\x80';
            else if (c < 0x100 && c != 0x80)
                bytes += static_cast<char>(c);
            else
                return std::nullopt;
        }
        return bytes;
    },
};

std::string Utf16LittleEndian(std::wstring_view text)
{
    std::string bytes = "\xFF\xFE";
    for (const wchar_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

TEST(FileEncoding, ReadsEachEncodingAsTheEditorShowedIt)
{
    const struct {
        const char* name;
        std::string bytes;
        FileEncoding encoding;
        std::wstring text;
    } cases[] = {
        {"empty", "", FileEncoding::Ansi, L""},
        {"ASCII", "[Message1]\r\nText=Hi", FileEncoding::Ansi, L"[Message1]\r\nText=Hi"},
        {"ANSI letters", "Text=Caf\xE9 \x80" "5", FileEncoding::Ansi, L"Text=Caf\xE9 \x20AC" L"5"},
        {"ANSI that is no UTF-8", "\xC3\xA9\xE9", FileEncoding::Ansi, L"\xC3\xA9\xE9"},
        {"UTF-8 with a mark", "\xEF\xBB\xBFText=\xD0\x9D", FileEncoding::Utf8, L"Text=\x041D"},
        {"UTF-8 mark, ASCII only", "\xEF\xBB\xBFText=x", FileEncoding::Utf8, L"Text=x"},
        {"UTF-8 without a mark", "Text=\xE2\x98\x95 caf\xC3\xA9", FileEncoding::Utf8, L"Text=\x2615 caf\xE9"},
        {"UTF-8 beyond the BMP", "Text=\xF0\x9F\x93\x85", FileEncoding::Utf8, L"Text=\xD83D\xDCC5"},
        {"UTF-16 little-endian", Utf16LittleEndian(L"Text=\x65E5\xD83D\xDCC5"), FileEncoding::Utf16LittleEndian,
         L"Text=\x65E5\xD83D\xDCC5"},
        {"UTF-16 big-endian", std::string("\xFE\xFF\x00T\x04\x1D", 6), FileEncoding::Utf16BigEndian, L"T\x041D"},
        {"UTF-16 with an odd last byte", Utf16LittleEndian(L"ab") + "c", FileEncoding::Utf16LittleEndian, L"ab"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DetectEncoding(c.bytes), c.encoding);
        EXPECT_EQ(DecodeFile(c.bytes, kWestern), c.text);
    }
}

TEST(FileEncoding, WritesAnsiWhereTheCodePageHoldsTheTextAndUtf16Otherwise)
{
    const struct {
        std::wstring text;
        std::string bytes;
    } cases[] = {
        {L"", ""},
        {L"[Message1]\r\nText=Back soon^Wait here\r\n", "[Message1]\r\nText=Back soon^Wait here\r\n"},
        {L"Text=\"Caf\xE9 \x20AC" L"5\"", "Text=\"Caf\xE9 \x80" "5\""},
        {L"Text=\x041D", Utf16LittleEndian(L"Text=\x041D")},
        {L"Text=\x2615", Utf16LittleEndian(L"Text=\x2615")},
        {L"Text=\xD83D\xDCC5", Utf16LittleEndian(L"Text=\xD83D\xDCC5")},
        // Held by the code page, but its bytes would read as UTF-8 or as a mark.
        {L"Text=\xC3\xA9", Utf16LittleEndian(L"Text=\xC3\xA9")},
        {L"\xFF\xFE" L"Text=x", Utf16LittleEndian(L"\xFF\xFE" L"Text=x")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        const std::string bytes = EncodeFile(c.text, kWestern);
        EXPECT_EQ(bytes, c.bytes);
        EXPECT_EQ(DecodeFile(bytes, kWestern), c.text);
    }
}

}  // namespace
}  // namespace brevant
