// The user's road to a scheduled task: F4 saves a new message first, then the
// dialog "Schedule Message" makes the file's task and removes it. And its
// schtasks command, typed into cmd.exe: the program and argument it hands
// schtasks run the file's message, whatever the paths hold. A stand-in takes
// schtasks' place and starts them as the Task Scheduler would.
#include "e2e/harness.h"

#include "automation/find.h"
#include "automation/input.h"
#include "automation/read.h"
#include "automation/screenshot.h"
#include "schedule/task_definition.h"
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

// Where Wine's scheduler keeps a task of the program's folder.
std::filesystem::path TaskFile(const std::filesystem::path& config)
{
    return std::filesystem::path(L"C:\\windows\\system32\\tasks\\Brevant") / brevant::TaskNameOf(config.wstring());
}

HWND WaitForScheduleDialog() { return uia::WaitForWindow({.caption = "Schedule Message", .className = "TfrmSchedule"}); }

TEST_F(ScheduleCommandTest, NewMessageIsSavedFirstThenScheduledAndRemoved)
{
    // Beside the program: a file in a temporary folder would first be warned of.
    const std::filesystem::path config = std::filesystem::current_path() / L"brevant road.cfg";
    std::filesystem::remove(config);
    Start();
    const HWND window = WaitForWindow();
    ASSERT_NE(window, nullptr);

    uia::PressKey(window, VK_F4);
    const HWND save = WaitForWindow("Save Brevant Config File", kPlatformBoxClass);
    ASSERT_NE(save, nullptr);
    uia::SetText(GetDlgItem(save, 0x47C), config.string());
    ASSERT_TRUE(uia::Click(GetDlgItem(save, IDOK)));

    HWND dialog = WaitForScheduleDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(std::filesystem::exists(config));
    EXPECT_TRUE(uia::IsChecked(uia::FindControl(dialog, "&Once, on")));
    EXPECT_FALSE(IsWindowEnabled(uia::FindControl(dialog, "&Remove")));
    // The picture of the README, the pointer away from every control.
    SetCursorPos(0, 0);
    Sleep(300);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(200);
    std::filesystem::create_directories("screenshots");
    uia::SaveScreenshot(std::filesystem::current_path() / "screenshots" / "schedule-dialog.bmp", dialog);
    ASSERT_TRUE(uia::Click(uia::FindControl(dialog, "OK")));
    EXPECT_TRUE(uia::WaitForWindowGone(dialog));
    EXPECT_TRUE(std::filesystem::exists(TaskFile(config)));

    // Unchanged since it was saved: no Save dialog this time.
    uia::PressKey(window, VK_F4);
    dialog = WaitForScheduleDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(uia::Click(uia::FindControl(dialog, "&Remove")));
    EXPECT_TRUE(uia::WaitForWindowGone(dialog));
    EXPECT_FALSE(std::filesystem::exists(TaskFile(config)));

    RequestEndFromOutside();
    ExpectEndsWithStatusZero();
    std::filesystem::remove(config);
}

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
