#include "widgets/check_box.h"

#include "widgets/callback_boundary.h"

namespace brevant::widgets {

void CheckBox::Create(HWND parent, const Bounds& bounds, std::wstring_view caption, HFONT font)
{
    // Not an automatic check box: the state changes only through SetChecked,
    // so every change raises onClick exactly once.
    CreateControl(parent, {.className = L"BUTTON", .style = BS_CHECKBOX | BS_NOTIFY | WS_TABSTOP,
                           .text = caption, .bounds = bounds},
                  font);
}

bool CheckBox::Checked() const
{
    return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::SetChecked(bool checked)
{
    if (Checked() == checked)
        return;
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    RethrowPending();
    if (onClick)
        onClick();
}

std::optional<LRESULT> CheckBox::OnCommand(WORD code)
{
    // A quick second click arrives as a double click; it is a click all the same.
    if (code != BN_CLICKED && code != BN_DOUBLECLICKED)
        return std::nullopt;
    SetChecked(!Checked());
    return 0;
}

}  // namespace brevant::widgets
