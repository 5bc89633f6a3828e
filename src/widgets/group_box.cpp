#include "widgets/group_box.h"

#include "widgets/font.h"

#include <vssym32.h>

namespace brevant::widgets {

void GroupBox::Create(HWND parent, const Bounds& bounds, std::wstring_view caption, HFONT font)
{
    font_ = font;
    const std::wstring text(caption);
    CreateWindowOf({.name = L"BrevantGroupBox"},
                   {.exStyle = WS_EX_CONTROLPARENT,
                    .style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                    .caption = text.c_str(),
                    .x = bounds.left, .y = bounds.top, .width = bounds.width,
                    .height = bounds.height, .parent = parent});
}

std::optional<LRESULT> GroupBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        Paint(BeginPaint(Handle(), &ps));
        EndPaint(Handle(), &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        // Asked also by the themed controls inside, for what lies behind them.
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            InvalidateRect(Handle(), nullptr, TRUE);
        return 0;
    case WM_THEMECHANGED:
        style_.Reset();
        InvalidateRect(Handle(), nullptr, TRUE);
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

void GroupBox::Paint(HDC dc)
{
    HGDIOBJ oldFont = SelectObject(dc, font_);
    const std::wstring caption = Caption();
    SIZE text{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
    RECT client;
    GetClientRect(Handle(), &client);
    RECT frame = client;
    frame.top = text.cy / 2;
    const HTHEME theme = style_.For(Handle());
    if (theme)
        DrawThemeBackground(theme, dc, BP_GROUPBOX, GBS_NORMAL, &frame, nullptr);
    else
        DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (!caption.empty()) {
        // The caption interrupts the top line, with a little space on each side.
        const Dpi dpi = LayoutDpi();
        const int indent = dpi.Scale(8), space = dpi.Scale(2);
        RECT label{indent, 0, indent + text.cx + 2 * space, text.cy};
        FillRect(dc, &label, GetSysColorBrush(COLOR_BTNFACE));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, theme ? ThemeTextColour(theme, BP_GROUPBOX, GBS_NORMAL, COLOR_WINDOWTEXT)
                               : GetSysColor(COLOR_WINDOWTEXT));
        TextOutW(dc, indent + space, 0, caption.c_str(), static_cast<int>(caption.size()));
    }
    SelectObject(dc, oldFont);
}

}  // namespace brevant::widgets
