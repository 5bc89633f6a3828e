#include "app/command_line.h"
#include "text/unicode_text.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "automation/process.h"

namespace brevant {
namespace {

constexpr char kChildTest[] = "CommandLineArgument.SplitsTheProcessCommandLine";
// Set for the child run: the file it writes its arguments to.
constexpr char kOutputVariable[] = "BREVANT_TEST_ARGUMENTS_FILE";
constexpr int kArgumentsWritten = 6;

std::wstring ModulePath()
{
    wchar_t path[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    return path;
}

// The child writes arguments 0 to 5 as it sees them, one per line.
bool RunAsChild()
{
    char file[MAX_PATH * 4] = {};
    if (GetEnvironmentVariableA(kOutputVariable, file, sizeof file) == 0)
        return false;
    std::ofstream out(file, std::ios::binary);
    for (int index = 0; index < kArgumentsWritten; ++index)
        out << TextToUtf8(CommandLineArgument(index)) << '\n';
    return true;
}

TEST(CommandLineArgument, SplitsTheProcessCommandLine)
{
    if (RunAsChild())
        return;
    const std::filesystem::path output = std::filesystem::temp_directory_path() /
                                         ("brevant-arguments-" + std::to_string(GetCurrentProcessId()) + ".txt");
    ASSERT_TRUE(SetEnvironmentVariableA(kOutputVariable, output.string().c_str()));
    const std::string filter = std::string("--gtest_filter=") + kChildTest;
    // Cyrillic, Greek and a character beyond U+FFFF; the child writes them
    // in UTF-8.
    uia::Process child(ModulePath(), L"\t\"\"  /c\"My Files\\\x041D\x0430.cfg\" a\"\"b\x03A9\xD83D\xDCC5\\ " +
                                         std::wstring(filter.begin(), filter.end()));
    const auto exitCode = child.WaitForExit();
    SetEnvironmentVariableA(kOutputVariable, nullptr);
    ASSERT_EQ(exitCode, 0u);

    std::ifstream in(output, std::ios::binary);
    const std::string written{std::istreambuf_iterator<char>(in), {}};
    in.close();
    std::filesystem::remove(output);
    EXPECT_EQ(written, TextToUtf8(ModulePath()) + "\n/cMy Files\\\xD0\x9D\xD0\xB0.cfg\nab\xCE\xA9\xF0\x9F\x93\x85\\\n" +
                           filter + "\n\n\n");
}

TEST(CommandLineArgument, ArgumentZeroIsTheProgramFile)
{
    EXPECT_EQ(CommandLineArgument(0), ModulePath());
    EXPECT_TRUE(std::filesystem::exists(CommandLineArgument(0)));
}

TEST(CommandLineArgument, FollowsTheLineThePlatformGives)
{
    const wchar_t* line = GetCommandLineW();
    for (int index = 1; index < 8; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(CommandLineArgument(index), CommandLineArgumentOf(line, index));
    }
    EXPECT_EQ(CommandLineArgument(__argc), L"");
}

}  // namespace
}  // namespace brevant
