#include "widgets/disabled_windows.h"

namespace brevant::widgets {

DisabledTaskWindows::DisabledTaskWindows()
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

DisabledTaskWindows::~DisabledTaskWindows()
{
    for (HWND hwnd : disabled_) {
        if (IsWindow(hwnd))
            EnableWindow(hwnd, TRUE);
    }
}

}  // namespace brevant::widgets
