#include "widgets/app_cursor.h"

namespace brevant::widgets {

namespace {

HCURSOR g_cursor = nullptr;
unsigned g_settings = 0;

// Asks the window under the pointer for its cursor, as a mouse move would.
void RefreshCursorUnderPointer()
{
    POINT point;
    if (!GetCursorPos(&point))
        return;
    const HWND window = WindowFromPoint(point);
    // Other programs' windows keep whatever cursor they show.
    if (!window || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId())
        return;
    const LRESULT hitTest = SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
    SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                 MAKELPARAM(static_cast<WORD>(hitTest), WM_MOUSEMOVE));
}

}  // namespace

HCURSOR ApplicationCursor() { return g_cursor; }

unsigned ApplicationCursorSettings() { return g_settings; }

void SetApplicationCursor(HCURSOR cursor)
{
    ++g_settings;
    if (cursor == g_cursor)
        return;
    g_cursor = cursor;
    if (cursor)
        SetCursor(cursor);
    else
        RefreshCursorUnderPointer();
}

bool ShowApplicationCursor()
{
    if (!g_cursor)
        return false;
    SetCursor(g_cursor);
    return true;
}

}  // namespace brevant::widgets
