#include "widgets/push_button.h"

#include "widgets/callback_boundary.h"

namespace brevant::widgets {

void PushButton::Create(HWND parent, const Bounds& bounds, std::wstring_view caption, int id,
                        HFONT font)
{
    CreateControl(parent, {.className = L"BUTTON", .style = BS_PUSHBUTTON | BS_NOTIFY | WS_TABSTOP,
                           .text = caption, .bounds = bounds, .id = id},
                  font);
}

void PushButton::Click()
{
    if (onClick)
        onClick();
}

void PushButton::SetDefaultFrame(bool framed)
{
    if (HasDefaultFrame() == framed)
        return;
    SendMessageW(Handle(), BM_SETSTYLE, framed ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    RethrowPending();
}

bool PushButton::HasDefaultFrame() const
{
    return (GetWindowLongPtrW(Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

std::optional<LRESULT> PushButton::OnCommand(WORD code)
{
    // With BS_NOTIFY the second press of a quick double click arrives as a
    // double click; it is a press all the same.
    if (code != BN_CLICKED && code != BN_DOUBLECLICKED)
        return std::nullopt;
    Click();
    return 0;
}

}  // namespace brevant::widgets
