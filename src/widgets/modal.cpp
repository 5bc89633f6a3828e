#include "widgets/modal.h"

#include "widgets/app_cursor.h"
#include "widgets/callback_boundary.h"
#include "widgets/message_loop.h"

#include <vector>

namespace brevant::widgets {

namespace {

// Disables every visible, enabled top-level window of this thread for its
// lifetime, and enables again those that still exist when it ends.
class DisabledTopLevelWindows {
public:
    DisabledTopLevelWindows()
    {
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND hwnd, LPARAM list) -> BOOL {
                if (IsWindowVisible(hwnd) && IsWindowEnabled(hwnd))
                    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&disabled_));
        // Disabled after the walk, so nothing a window does on WM_ENABLE disturbs it.
        for (HWND hwnd : disabled_)
            EnableWindow(hwnd, FALSE);
    }
    ~DisabledTopLevelWindows()
    {
        for (HWND hwnd : disabled_) {
            if (IsWindow(hwnd))
                EnableWindow(hwnd, TRUE);
        }
    }
    DisabledTopLevelWindows(const DisabledTopLevelWindows&) = delete;
    DisabledTopLevelWindows& operator=(const DisabledTopLevelWindows&) = delete;

private:
    std::vector<HWND> disabled_;
};

}  // namespace

void RunModal(HWND window, const std::function<void()>& show, const std::function<bool()>& closed)
{
    const HWND previous = GetActiveWindow();
    const HCURSOR notedCursor = ApplicationCursor();
    SetApplicationCursor(nullptr);
    const unsigned cursorSettings = ApplicationCursorSettings();
    bool stillActive = false;
    {
        DisabledTopLevelWindows disabled;
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
