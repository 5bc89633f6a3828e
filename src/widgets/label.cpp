#include "widgets/label.h"

#include "widgets/font.h"

namespace brevant::widgets {

void Label::Create(HWND parent, const Bounds& bounds, std::string_view text, HFONT font,
                   const Options& options)
{
    font_ = font;
    autoSize_ = options.autoSize;
    DWORD style = autoSize_ ? SS_LEFTNOWORDWRAP : SS_LEFT;
    if (options.notify)
        style |= SS_NOTIFY;
    CreateControl(parent, {.className = "STATIC", .style = style, .text = text, .bounds = bounds},
                  font);
    if (options.notify)
        Subclass();
    if (autoSize_)
        FitToText();
}

void Label::SetText(std::string_view text)
{
    Control::SetText(text);
    if (autoSize_)
        FitToText();
}

void Label::FitToText()
{
    // The height of a line even when the text is empty.
    const SIZE line = MeasureText(font_, "Ag");
    const SIZE size = MeasureText(font_, Text());
    Bounds b = GetBounds();
    b.width = size.cx;
    b.height = line.cy;
    SetBounds(b);
}

void Label::SetTextColour(COLORREF colour)
{
    textColour_ = colour;
    InvalidateRect(Handle(), nullptr, TRUE);
}

std::optional<LRESULT> Label::OnCommand(WORD code)
{
    if (code != STN_CLICKED || !onClick)
        return std::nullopt;
    onClick();
    return 0;
}

std::optional<LRESULT> Label::OnColor(HDC dc)
{
    if (!textColour_)
        return std::nullopt;
    SetTextColor(dc, *textColour_);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

std::optional<LRESULT> Label::OnOwnMessage(UINT message, WPARAM, LPARAM)
{
    if (message == WM_MOUSEMOVE && onMouseMove)
        onMouseMove();
    return std::nullopt;
}

void Image::Create(HWND parent, const Bounds& bounds, HICON icon)
{
    CreateControl(parent, {.className = "STATIC", .style = SS_ICON | SS_REALSIZEIMAGE | SS_NOTIFY,
                           .bounds = bounds},
                  nullptr);
    SendMessageA(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

HICON Image::Icon() const
{
    return reinterpret_cast<HICON>(SendMessageA(Handle(), STM_GETICON, 0, 0));
}

}  // namespace brevant::widgets
