#include "widgets/modal.h"

#include "widgets/app_cursor.h"
#include "widgets/callback_boundary.h"
#include "widgets/disabled_windows.h"
#include "widgets/message_loop.h"

namespace brevant::widgets {

void RunModal(HWND window, const std::function<void()>& show, const std::function<bool()>& closed)
{
    const HWND previous = GetActiveWindow();
    const HCURSOR notedCursor = ApplicationCursor();
    SetApplicationCursor(nullptr);
    const unsigned cursorSettings = ApplicationCursorSettings();
    bool stillActive = false;
    {
        DisabledTaskWindows disabled;
        show();
        RunMessageLoop([&] { return closed() || !IsWindow(window); });
        stillActive = GetActiveWindow() == window;
    }
    // Hidden once the others are enabled again, so activation can return to
    // one of them rather than to another program.
    ShowWindow(window, SW_HIDE);
    if (stillActive && previous && IsWindow(previous))
        SetActiveWindow(previous);
    // Last, so the window now under the pointer shows its own cursor.
    SetApplicationCursor(ApplicationCursorSettings() == cursorSettings ? notedCursor : nullptr);
    RethrowPending();
}

}  // namespace brevant::widgets
