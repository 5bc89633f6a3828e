#include "widgets/edit.h"

namespace brevant::widgets {

void Edit::Create(HWND parent, const Bounds& bounds, std::wstring_view text, HFONT font,
                  const Options& options)
{
    DWORD style = WS_TABSTOP;
    if (options.multiLine)
        style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL;
    else
        style |= ES_AUTOHSCROLL;
    if (options.readOnly)
        style |= ES_READONLY;
    CreateControl(parent, {.className = L"EDIT", .style = style, .exStyle = WS_EX_CLIENTEDGE,
                           .text = text, .bounds = bounds},
                  font);
    if (options.maxLength > 0)
        SendMessageW(Handle(), EM_LIMITTEXT, options.maxLength, 0);
    Subclass();
}

void Edit::SetBackgroundColour(int systemColour)
{
    background_ = systemColour;
    InvalidateRect(Handle(), nullptr, TRUE);
}

std::optional<LRESULT> Edit::OnCommand(WORD code)
{
    if (code == EN_CHANGE && onChange)
        onChange();
    else if (code == EN_MAXTEXT && onFull)
        onFull();
    else
        return std::nullopt;
    return 0;
}

std::optional<LRESULT> Edit::OnColor(HDC dc)
{
    SetBkColor(dc, GetSysColor(background_));
    SetTextColor(dc, GetSysColor(Enabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(background_));
}

std::optional<LRESULT> Edit::OnOwnMessage(UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_CHAR && onKeyPress && !onKeyPress(static_cast<wchar_t>(wParam)))
        return 0;
    return std::nullopt;
}

}  // namespace brevant::widgets
