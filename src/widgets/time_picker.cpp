#include "widgets/time_picker.h"

#include "widgets/callback_boundary.h"

#include <commctrl.h>

namespace brevant::widgets {

void TimePicker::Create(HWND parent, const Bounds& bounds, HFONT font, Shows shows)
{
    const DWORD format = shows == Shows::Time ? DTS_TIMEFORMAT | DTS_UPDOWN : DTS_SHORTDATEFORMAT;
    CreateControl(parent, {.className = DATETIMEPICK_CLASSW,
                           .style = format | WS_TABSTOP,
                           .exStyle = WS_EX_CLIENTEDGE, .bounds = bounds},
                  font);
    Subclass();
}

SYSTEMTIME TimePicker::Value() const
{
    SYSTEMTIME value{};
    SendMessageW(Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&value));
    return value;
}

void TimePicker::SetValue(const SYSTEMTIME& value)
{
    SendMessageW(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
    RethrowPending();
}

std::optional<LRESULT> TimePicker::OnNotify(NMHDR& header)
{
    if (header.code == DTN_DATETIMECHANGE && onChange)
        onChange();
    return std::nullopt;
}

void TimePicker::SetBackgroundColour(int systemColour)
{
    background_ = systemColour;
    InvalidateRect(Handle(), nullptr, TRUE);
}

std::optional<LRESULT> TimePicker::OnOwnMessage(UINT message, WPARAM wParam, LPARAM)
{
    if (message != WM_ERASEBKGND)
        return std::nullopt;
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(background_));
    return 1;
}

}  // namespace brevant::widgets
