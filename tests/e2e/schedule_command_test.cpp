// The schtasks command of the dialog "Schedule Message", typed into cmd.exe:
// the program and argument it hands schtasks run the file's message, whatever
// the paths hold. A stand-in takes schtasks' place and starts them as the Task
// Scheduler would.
#include "e2e/harness.h"

#include "automation/find.h"
#include "schedule/schtasks_command.h"
#include "text/unicode_text.h"

#include <shellapi.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace e2e {
namespace {

constexpr wchar_t kStandInVariable[] = L"BREVANT_SCHTASKS_STAND_IN";

// Started in schtasks' place, with the variable set, this exe starts the
// task's program and argument (the value of /TR) and ends before any test runs.
const bool kStandsIn = [] {
    if (!GetEnvironmentVariableW(kStandInVariable, nullptr, 0))
        return false;
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; i + 1 < count; ++i) {
        if (std::wstring_view(arguments[i]) != L"/TR")
            continue;
        std::wstring run = arguments[i + 1];
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (CreateProcessW(nullptr, run.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
    }
    ExitProcess(0);
}();

class ScheduleCommandTest : public BrevantTest {};

TEST_F(ScheduleCommandTest, RunsTheMessageWhenTypedIntoCmd)
{
    // Blanks, letters beyond ASCII, and what cmd.exe acts on outside quotes.
    const std::filesystem::path folder = std::filesystem::current_path() / L"Übung R&D (a^b) 日本";
    std::filesystem::create_directories(folder);
    const std::filesystem::path config = folder / L"lunch & more.cfg";
    std::ofstream(config, std::ios::binary) << "[Message1]\r\nText=From the task\r\nType=2\r\nDelay=FALSE\r\nTime=0\r\nButtons=OK\r\n";

    const auto command = brevant::SchtasksCommand(
        {{brevant::ScheduleKind::Daily, 46000}, (std::filesystem::current_path() / BREVANT_EXE_NAME).wstring(),
         config.wstring(), L"", L""});
    ASSERT_TRUE(command);
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring typed = L"\"" + std::wstring(self) + L"\"" + command->substr(std::wstring_view(L"schtasks").size());

    SetEnvironmentVariableW(kStandInVariable, L"1");
    // /s: cmd.exe takes the line between the outer quotes as it stands.
    uia::Process cmd(L"C:\\windows\\system32\\cmd.exe", L"/s /c \"" + typed + L"\"");
    SetEnvironmentVariableW(kStandInVariable, nullptr);
    EXPECT_TRUE(cmd.WaitForExit());

    const HWND dialog = uia::WaitForWindow({.caption = "Information", .className = "TMessageForm"});
    ASSERT_TRUE(dialog) << brevant::TextToUtf8(typed);
    EXPECT_EQ(ReadDialog(dialog).text, "From the task");
    DWORD processId = 0;
    GetWindowThreadProcessId(dialog, &processId);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(uia::WaitForWindowGone(dialog));
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace e2e
