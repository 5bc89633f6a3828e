#include "text/unicode_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace brevant {
namespace {

// Surrogate pairs are spelled as their two units: a wchar_t holds one unit
// on every host.
TEST(UnicodeText, Utf8ReadsWellFormedBytesOnly)
{
    const struct {
        std::string bytes;
        std::optional<std::wstring> text;
    } cases[] = {
        {"", L""},
        {"plain ASCII", L"plain ASCII"},
        {"Caf\xC3\xA9", L"Caf\xE9"},
        {"\xD0\x9D\xD0\xB0", L"\x041D\x0430"},
        {"\xE2\x98\x95\xE2\x9C\x93", L"\x2615\x2713"},
        {"\xE6\x97\xA5\xE6\x9C\xAC", L"\x65E5\x672C"},
        {"\xF0\x9F\x93\x85", L"\xD83D\xDCC5"},
        {"\xEF\xBF\xBF", L"\xFFFF"},
        {"\xF4\x8F\xBF\xBF", L"\xDBFF\xDFFF"},
        {"Caf\xE9", std::nullopt},                // an ANSI letter
        {"\xC3", std::nullopt},                   // cut short
        {"\xC0\xAF", std::nullopt},               // overlong
        {"\xE0\x80\xAF", std::nullopt},           // overlong
        {"\xED\xA0\x80", std::nullopt},           // a surrogate
        {"\xF4\x90\x80\x80", std::nullopt},       // beyond U+10FFFF
        {"\x80", std::nullopt},                   // a continuation alone
        {"\xE6\x97" "A", std::nullopt},           // interrupted
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        EXPECT_EQ(Utf8ToText(c.bytes), c.text);
        if (c.text) {
            EXPECT_EQ(TextToUtf8(*c.text), c.bytes);
        }
    }
    EXPECT_EQ(TextToUtf8(L"a\xD83D" L"b\xDC05"), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
}

TEST(UnicodeText, CutsNeverSplitASurrogatePair)
{
    const std::wstring text = L"ab\xD83D\xDCC5" L"c";
    const struct {
        std::size_t length;
        std::wstring expected;
    } cases[] = {
        {0, L""}, {2, L"ab"}, {3, L"ab"}, {4, L"ab\xD83D\xDCC5"}, {5, text}, {99, text},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        EXPECT_EQ(CutToLength(text, c.length), c.expected);
    }
}

}  // namespace
}  // namespace brevant
