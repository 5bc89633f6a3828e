#include "dialogs/error_display.h"

#include "dialogs/dialog_owner.h"
#include "dialogs/error_text.h"
#include "widgets/disabled_windows.h"
#include "widgets/callback_boundary.h"
#include "widgets/message_loop.h"

#include <windows.h>

#include <string>

namespace brevant {

void ShowErrorBox(std::wstring_view message)
{
    const std::wstring text = WithClosingFullStop(std::wstring(message));
    const HWND previous = GetActiveWindow();
    {
        widgets::DisabledTaskWindows disabled;
        // The box's own loop dispatches our messages: their errors are
        // reported there, each in a box of its own.
        widgets::NestedLoopScope scope;
        MessageBoxW(DialogOwner(), text.c_str(), L"Message", MB_OK | MB_ICONSTOP);
    }
    if (previous && IsWindow(previous))
        SetActiveWindow(previous);
}

void ReportUnhandledError(std::exception_ptr error)
{
    // Once the program is ending, a waiting quit request would close the box
    // the moment it opened: it would only flash on the screen.
    MSG quit;
    if (widgets::QuitTaken() || PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE))
        return;
    // GetCapture names only a window of this thread: one of ours. Cancel mode
    // ends a button press or a drag in progress.
    if (HWND capture = GetCapture())
        SendMessageW(capture, WM_CANCELMODE, 0, 0);
    ShowErrorBox(ErrorMessageOf(error));
}

}  // namespace brevant
