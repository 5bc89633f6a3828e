#include "widgets/group_box.h"

#include "widgets/font.h"

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
    case WM_PAINT:
        Paint();
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            InvalidateRect(Handle(), nullptr, TRUE);
        return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

void GroupBox::Paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    HGDIOBJ oldFont = SelectObject(dc, font_);
    const std::wstring caption = Caption();
    SIZE text{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
    RECT client;
    GetClientRect(Handle(), &client);
    RECT frame = client;
    frame.top = text.cy / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (!caption.empty()) {
        // The caption interrupts the top line, with a little space on each side.
        const Dpi dpi = LayoutDpi();
        const int indent = dpi.Scale(8), space = dpi.Scale(2);
        RECT label{indent, 0, indent + text.cx + 2 * space, text.cy};
        FillRect(dc, &label, GetSysColorBrush(COLOR_BTNFACE));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        TextOutW(dc, indent + space, 0, caption.c_str(), static_cast<int>(caption.size()));
    }
    SelectObject(dc, oldFont);
    EndPaint(Handle(), &ps);
}

}  // namespace brevant::widgets
