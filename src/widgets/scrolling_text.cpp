#include "widgets/scrolling_text.h"

#include <commctrl.h>

namespace brevant::widgets {

void ScrollingText::Create(HWND parent, const Bounds& bounds, HFONT font)
{
    CreateControl(parent, {.className = L"EDIT", .style = WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY,
                           .bounds = bounds},
                  font);
    Subclass();
    ClearMargins();
    SetBackgroundColour(COLOR_BTNFACE);
}

void ScrollingText::ClearMargins()
{
    SendMessageW(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
}

std::optional<LRESULT> ScrollingText::OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A new font brings the edit's own margins back: the text would no longer
    // start where a label's does, nor wrap at the width it was measured at.
    if (message == WM_SETFONT) {
        const LRESULT result = DefSubclassProc(Handle(), message, wParam, lParam);
        ClearMargins();
        return result;
    }
    // Ctrl+A selects the whole text, also where the platform's edit leaves it out.
    if (message == WM_CHAR && wParam == 1) {
        SendMessageW(Handle(), EM_SETSEL, 0, -1);
        return 0;
    }
    return Edit::OnOwnMessage(message, wParam, lParam);
}

}  // namespace brevant::widgets
