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
    std::string line;
    std::vector<std::string> arguments;  // from argument 0; every later one is empty
};

// Long lines are named by their start and length, keeping test names short.
void PrintTo(const SplitCase& c, std::ostream* os)
{
    if (c.line.size() <= 60)
        *os << '[' << c.line << ']';
    else
        *os << '[' << c.line.substr(0, 40) << "... (" << c.line.size() << " characters)]";
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
    EXPECT_EQ(CommandLineArgumentOf(line, past), "");
    EXPECT_EQ(CommandLineArgumentOf(line, past + 1), "");
    EXPECT_EQ(CommandLineArgumentOf(line, INT_MAX), "");
    EXPECT_EQ(CommandLineArgumentOf(line, -1), "");
}

// Built by appending: GCC 12 warns wrongly about literal + string at -O3.
std::string Concat(std::initializer_list<std::string_view> parts)
{
    std::string text;
    for (std::string_view part : parts)
        text += part;
    return text;
}

const std::string long300(300, 'x');
const std::string long100k(100000, 'y');
// A 1000-character path with blanks.
const std::string spacedPath = Concat({"C:\\", std::string(496, 'a'), " ", std::string(500, 'b')});

INSTANTIATE_TEST_SUITE_P(
    Lines, CommandLineArgumentOfTest,
    testing::Values(
        SplitCase{"", {""}}, SplitCase{"brevant.exe", {"brevant.exe"}},
        SplitCase{"brevant.exe   ", {"brevant.exe"}},
        SplitCase{"  brevant.exe /cmsg.cfg", {"brevant.exe", "/cmsg.cfg"}},
        SplitCase{"brevant.exe /cmsg.cfg more args", {"brevant.exe", "/cmsg.cfg", "more", "args"}},
        SplitCase{"\"C:\\Program Files\\brevant.exe\" /cmsg.cfg", {"C:\\Program Files\\brevant.exe", "/cmsg.cfg"}},
        // A pair of quotes alone gives an empty argument 1, and nothing after it.
        SplitCase{"brevant.exe \"\"", {"brevant.exe", ""}},
        SplitCase{"brevant.exe \"\" \"\"", {"brevant.exe", ""}},
        // A pair standing alone before an argument is skipped.
        SplitCase{"brevant.exe \"\" /cmsg.cfg", {"brevant.exe", "/cmsg.cfg"}},
        SplitCase{"brevant.exe x \"\" y", {"brevant.exe", "x", "y"}},
        SplitCase{"brevant.exe \"\"x", {"brevant.exe", "x"}},
        SplitCase{"brevant.exe \"\"\"ab c\"", {"brevant.exe", "ab c"}},
        // Quoted runs join the text around them.
        SplitCase{"brevant.exe \"/cC:\\My Files\\msg.cfg\"", {"brevant.exe", "/cC:\\My Files\\msg.cfg"}},
        SplitCase{"brevant.exe /c\"C:\\My Files\\msg.cfg\"", {"brevant.exe", "/cC:\\My Files\\msg.cfg"}},
        SplitCase{"brevant.exe /cC:\\My\" \"Files\\msg.cfg", {"brevant.exe", "/cC:\\My Files\\msg.cfg"}},
        SplitCase{"brevant.exe a\"\"b", {"brevant.exe", "ab"}},
        SplitCase{"brevant.exe \"a b\"c d", {"brevant.exe", "a bc", "d"}},
        SplitCase{"brevant.exe \"a\tb\x01\"", {"brevant.exe", "a\tb\x01"}},
        SplitCase{"brevant.exe \"unclosed run", {"brevant.exe", "unclosed run"}},
        SplitCase{"brevant.exe \"", {"brevant.exe", ""}},
        // No escape character.
        SplitCase{"brevant.exe C:\\dir\\ \\\"a b\\\" c", {"brevant.exe", "C:\\dir\\", "\\a b\\", "c"}},
        // Every code from 1 to 32 separates; 128 to 255 are ordinary.
        SplitCase{"brevant.exe\t\x01" "a\x1f\x0d\x0a" "b \x7f", {"brevant.exe", "a", "b", "\x7f"}},
        SplitCase{"brevant.exe \xE4\xFF\x80 \xA0", {"brevant.exe", "\xE4\xFF\x80", "\xA0"}},
        // A zero character ends the line.
        SplitCase{std::string("brevant.exe a\0b c", 17), {"brevant.exe", "a"}},
        // Arguments of any length are kept whole.
        SplitCase{Concat({"brevant.exe ", long300, " next"}), {"brevant.exe", long300, "next"}},
        SplitCase{Concat({"brevant.exe \"/c", spacedPath, "\" next"}), {"brevant.exe", Concat({"/c", spacedPath}), "next"}},
        SplitCase{Concat({"brevant.exe x", long300, "\"q r\"s t"}), {"brevant.exe", Concat({"x", long300, "q rs"}), "t"}},
        SplitCase{Concat({"brevant.exe ", long100k}), {"brevant.exe", long100k}},
        SplitCase{Concat({"\"", long300, "\" /cmsg.cfg"}), {long300, "/cmsg.cfg"}}));

}  // namespace
}  // namespace brevant
