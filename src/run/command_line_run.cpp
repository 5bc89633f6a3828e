// The command-line run: the argument, the config file's path, the existence
// test, the message loaded from the file, and the display run. No window of
// the configuration's is built.
#include "run/command_line_run.h"

#include "app/application.h"
#include "app/command_line.h"
#include "config/config_file.h"
#include "config/config_path.h"
#include "dialogs/dialog_owner.h"
#include "dialogs/error_text.h"
#include "dialogs/message_dialog.h"
#include "run/display_run.h"
#include "text/clock.h"
#include "widgets/callback_boundary.h"
#include "widgets/handles.h"
#include "widgets/window.h"

namespace brevant {

namespace {

using FileHandle = widgets::UniqueHandle<HANDLE, CloseHandle>;

// A file on a disk, not a folder, a device or a wildcard pattern.
bool IsExistingFile(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    FileHandle file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        file.release();
        // A file held or guarded by another is there, and the loader will say
        // what it finds. Other failures come from names the platform takes
        // for devices (CON, PRN, LPT1 in any folder).
        return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED;
    }
    return GetFileType(file.get()) == FILE_TYPE_DISK;
}

void ShowErrorAndEnd(const std::wstring& text)
{
    // Shown, like the message itself, with nothing else of the program on the screen.
    ShowMessageDialog(text, MessageKind::Error, DialogButton::OK, 0, DialogLayer::AboveOthers);
    RequestTermination();
}

// The program's own window in this run: hidden, 1 by 1 pixel, with the
// window's design caption. It is what those who look for the program's
// windows find, and a request to close it ends the program.
class CommandLineWindow : public widgets::Window {
public:
    CommandLineWindow()
    {
        CreateWindowOf({.name = L"BrevantCommandLine"},
                       {.style = WS_POPUP | WS_CAPTION | WS_SYSMENU, .caption = L"Brevant",
                        .x = GetSystemMetrics(SM_CXSCREEN) / 2, .y = GetSystemMetrics(SM_CYSCREEN) / 2,
                        .width = 1, .height = 1, .parent = DialogOwner()});
    }

    // Shown at its 1 by 1 pixel and hidden again at once. The window system
    // prepares its first window of a process at the first showing; done now,
    // that does not delay a message that comes after a long wait (under Wine
    // by some 30 ms).
    void ShowOnce() const
    {
        ShowWindow(Handle(), SW_SHOWNOACTIVATE);
        ShowWindow(Handle(), SW_HIDE);
    }

protected:
    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CLOSE) {
            RequestTermination();
            return 0;
        }
        return Window::HandleMessage(message, wParam, lParam);
    }
};

}  // namespace

void RunFromCommandLine(const std::wstring& argument)
{
    KeepDialogsAboveOthers();
    const CommandLineWindow window;
    window.ShowOnce();
    if (!HasConfigSwitch(argument)) {
        ShowErrorAndEnd(L"Illegal command line format. Format MUST be in the format of "
                        L"<program name> /c<config file name>");
        return;
    }
    const std::wstring path = ConfigPathFromArgument(argument, CommandLineArgument(0));
    if (const auto tooLong = PathTooLongMessage(path)) {
        ShowErrorAndEnd(*tooLong);
        return;
    }
    if (!IsExistingFile(path)) {
        ShowErrorAndEnd(L"File " + path + L" does not exist.");
        return;
    }
    // Read over the message a new window starts with, on today's date.
    MessageSettings start;
    start.clockTime = CurrentDateTime();
    MessageReading reading;
    try {
        reading = ReadConfigFile(path, start);
    } catch (...) {
        // Held by another program, say: what happened, rather than a word
        // on its contents.
        ShowErrorAndEnd(WithClosingFullStop(ErrorMessageOf(std::current_exception())));
        return;
    }
    if (reading.typeUnreadable)
        ShowErrorAndEnd(UnreadableTypeMessage);
    // A file that cannot be read to its end leaves nothing to wait for: the
    // error is shown and the process ends rather than linger unseen.
    if (reading.error) {
        widgets::ReportError(reading.error);
        RequestTermination();
        return;
    }
    if (!reading.typeUnreadable)
        RunDisplay(reading.message, SystemWaitClock());
}

}  // namespace brevant
