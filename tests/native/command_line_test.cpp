#include "app/command_line.h"

#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace brevant {
namespace {

struct SplitCase {
    std::wstring line;
    std::vector<std::wstring> arguments;  // from argument 0; every later one is empty
};

// Long lines are named by their start and length, keeping test names short.
void PrintTo(const SplitCase& c, std::ostream* os)
{
    if (c.line.size() <= 60)
        *os << testing::PrintToString(c.line);
    else
        *os << testing::PrintToString(c.line.substr(0, 40)) << "... (" << c.line.size() << " characters)";
}

class CommandLineArgumentOfTest : public testing::TestWithParam<SplitCase> {};

TEST_P(CommandLineArgumentOfTest, SplitsTheLine)
{
    const auto& [line, arguments] = GetParam();
    for (int index = 0; index < static_cast<int>(arguments.size()); ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(CommandLineArgumentOf(line, index), arguments[static_cast<size_t>(index)]);
    }
    const int past = static_cast<int>(arguments.size());
    EXPECT_EQ(CommandLineArgumentOf(line, past), L"");
    EXPECT_EQ(CommandLineArgumentOf(line, past + 1), L"");
    EXPECT_EQ(CommandLineArgumentOf(line, INT_MAX), L"");
    EXPECT_EQ(CommandLineArgumentOf(line, -1), L"");
}

// Built by appending: GCC 12 warns wrongly about literal + string at -O3.
std::wstring Concat(std::initializer_list<std::wstring_view> parts)
{
    std::wstring text;
    for (std::wstring_view part : parts)
        text += part;
    return text;
}

const std::wstring long300(300, L'x');
const std::wstring long100k(100000, L'y');
// A 1000-character path with blanks.
const std::wstring spacedPath = Concat({L"C:\\", std::wstring(496, L'a'), L" ", std::wstring(500, L'b')});

INSTANTIATE_TEST_SUITE_P(
    Lines, CommandLineArgumentOfTest,
    testing::Values(
        SplitCase{L"", {L""}}, SplitCase{L"brevant.exe", {L"brevant.exe"}},
        SplitCase{L"brevant.exe   ", {L"brevant.exe"}},
        SplitCase{L"  brevant.exe /cmsg.cfg", {L"brevant.exe", L"/cmsg.cfg"}},
        SplitCase{L"brevant.exe /cmsg.cfg more args", {L"brevant.exe", L"/cmsg.cfg", L"more", L"args"}},
        SplitCase{L"\"C:\\Program Files\\brevant.exe\" /cmsg.cfg", {L"C:\\Program Files\\brevant.exe", L"/cmsg.cfg"}},
        // A pair of quotes alone gives an empty argument 1, and nothing after it.
        SplitCase{L"brevant.exe \"\"", {L"brevant.exe", L""}},
        SplitCase{L"brevant.exe \"\" \"\"", {L"brevant.exe", L""}},
        // A pair standing alone before an argument is skipped.
        SplitCase{L"brevant.exe \"\" /cmsg.cfg", {L"brevant.exe", L"/cmsg.cfg"}},
        SplitCase{L"brevant.exe x \"\" y", {L"brevant.exe", L"x", L"y"}},
        SplitCase{L"brevant.exe \"\"x", {L"brevant.exe", L"x"}},
        SplitCase{L"brevant.exe \"\"\"ab c\"", {L"brevant.exe", L"ab c"}},
        // Quoted runs join the text around them.
        SplitCase{L"brevant.exe \"/cC:\\My Files\\msg.cfg\"", {L"brevant.exe", L"/cC:\\My Files\\msg.cfg"}},
        SplitCase{L"brevant.exe /c\"C:\\My Files\\msg.cfg\"", {L"brevant.exe", L"/cC:\\My Files\\msg.cfg"}},
        SplitCase{L"brevant.exe /cC:\\My\" \"Files\\msg.cfg", {L"brevant.exe", L"/cC:\\My Files\\msg.cfg"}},
        SplitCase{L"brevant.exe a\"\"b", {L"brevant.exe", L"ab"}},
        SplitCase{L"brevant.exe \"a b\"c d", {L"brevant.exe", L"a bc", L"d"}},
        SplitCase{L"brevant.exe \"a\tb\x01\"", {L"brevant.exe", L"a\tb\x01"}},
        SplitCase{L"brevant.exe \"unclosed run", {L"brevant.exe", L"unclosed run"}},
        SplitCase{L"brevant.exe \"", {L"brevant.exe", L""}},
        // No escape character.
        SplitCase{L"brevant.exe C:\\dir\\ \\\"a b\\\" c", {L"brevant.exe", L"C:\\dir\\", L"\\a b\\", L"c"}},
        // Every code from 1 to 32 separates; 128 to 255 are ordinary.
        SplitCase{L"brevant.exe\t\x01" L"a\x1f\x0d\x0a" L"b \x7f", {L"brevant.exe", L"a", L"b", L"\x7f"}},
        SplitCase{L"brevant.exe \xE4\xFF\x80 \xA0", {L"brevant.exe", L"\xE4\xFF\x80", L"\xA0"}},
        // A zero character ends the line.
        SplitCase{std::wstring(L"brevant.exe a\0b c", 17), {L"brevant.exe", L"a"}},
        // Arguments of any length are kept whole.
        SplitCase{Concat({L"brevant.exe ", long300, L" next"}), {L"brevant.exe", long300, L"next"}},
        SplitCase{Concat({L"brevant.exe \"/c", spacedPath, L"\" next"}), {L"brevant.exe", Concat({L"/c", spacedPath}), L"next"}},
        SplitCase{Concat({L"brevant.exe x", long300, L"\"q r\"s t"}), {L"brevant.exe", Concat({L"x", long300, L"q rs"}), L"t"}},
        SplitCase{Concat({L"brevant.exe ", long100k}), {L"brevant.exe", long100k}},
        SplitCase{Concat({L"\"", long300, L"\" /cmsg.cfg"}), {long300, L"/cmsg.cfg"}}));

}  // namespace
}  // namespace brevant
