#include "widgets/radio_button.h"

#include "widgets/callback_boundary.h"

namespace brevant::widgets {

void RadioButton::Create(HWND parent, const Bounds& bounds, std::wstring_view caption, HFONT font,
                         bool selected)
{
    CreateControl(parent, {.className = L"BUTTON", .style = BS_RADIOBUTTON | BS_NOTIFY,
                           .text = caption, .bounds = bounds},
                  font);
    SetMark(selected);
}

bool RadioButton::Selected() const
{
    return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void RadioButton::SetMark(bool selected)
{
    // Only what changes is written: each write is a round trip to the window
    // server under Wine, and a group has few marks to change.
    if (Selected() != selected)
        SendMessageW(Handle(), BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    const LONG_PTR wanted = selected ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    if (wanted != style)
        SetWindowLongPtrW(Handle(), GWL_STYLE, wanted);
}

void RadioButton::Select()
{
    if (Selected())
        return;
    for (HWND sibling = GetWindow(GetParent(Handle()), GW_CHILD); sibling;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        auto* other = dynamic_cast<RadioButton*>(Control::FromHandle(sibling));
        if (other && other != this)
            other->SetMark(false);
    }
    SetMark(true);
    RethrowPending();
    if (onClick)
        onClick();
}

std::optional<LRESULT> RadioButton::OnCommand(WORD code)
{
    // A quick second click arrives as a double click; it is a click all the same.
    if (code != BN_CLICKED && code != BN_DOUBLECLICKED)
        return std::nullopt;
    Select();
    return 0;
}

}  // namespace brevant::widgets
