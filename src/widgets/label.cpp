#include "widgets/label.h"

#include "widgets/font.h"
#include "widgets/system_function.h"
#include "widgets/visual_style.h"

namespace brevant::widgets {

void Label::Create(HWND parent, const Bounds& bounds, std::wstring_view text, HFONT font,
                   const Options& options)
{
    autoSize_ = options.autoSize;
    DWORD style = autoSize_ ? SS_LEFTNOWORDWRAP : SS_LEFT;
    if (options.notify)
        style |= SS_NOTIFY;
    CreateControl(parent, {.className = L"STATIC", .style = style, .text = text, .bounds = bounds},
                  font);
    if (options.notify)
        Subclass();
    if (autoSize_)
        FitToText();
}

void Label::SetText(std::wstring_view text)
{
    Control::SetText(text);
    if (autoSize_)
        FitToText();
}

void Label::SetBreakLongWords(bool breakLongWords)
{
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    const LONG_PTR wanted =
        breakLongWords ? (style | SS_EDITCONTROL) : (style & ~static_cast<LONG_PTR>(SS_EDITCONTROL));
    if (wanted == style)
        return;
    SetWindowLongPtrW(Handle(), GWL_STYLE, wanted);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void Label::FitToText()
{
    // The height of a line even when the text is empty.
    const HFONT font = Font();
    const SIZE line = MeasureText(font, L"Ag");
    const SIZE size = MeasureText(font, Text());
    Bounds b = GetBounds();
    b.width = size.cx;
    b.height = line.cy;
    SetBounds(b);
}

void Label::OnScaleChanged()
{
    if (autoSize_)
        FitToText();
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
    // A colour of its own is a link's: under a high-contrast scheme, the
    // scheme's colour of links, which stands out on its background.
    SetTextColor(dc, HighContrastOn() ? GetSysColor(COLOR_HOTLIGHT) : *textColour_);
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
    CreateControl(parent, {.className = L"STATIC", .style = SS_ICON | SS_REALSIZEIMAGE | SS_NOTIFY,
                           .bounds = bounds},
                  nullptr);
    SetIcon(icon);
}

void Image::SetIcon(HICON shared)
{
    SendMessageW(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(shared), 0);
    own_.reset();
}

void Image::SetIcon(IconHandle own)
{
    // The control lets go of the old icon before it is destroyed.
    SendMessageW(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(own.get()), 0);
    own_ = std::move(own);
}

using LoadIconWithScaleDownFunction = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);

void Image::SetSystemIcon(int iconId, int size)
{
    const auto resource = MAKEINTRESOURCEW(iconId);
    if (size == GetSystemMetrics(SM_CXICON)) {
        SetIcon(LoadIconW(nullptr, resource));
        return;
    }
    static const auto loadScaled = NewerSystemFunction<LoadIconWithScaleDownFunction>(
        "comctl32.dll", "LoadIconWithScaleDown");
    HICON scaled = nullptr;
    if (loadScaled && SUCCEEDED(loadScaled(nullptr, MAKEINTRESOURCEW(iconId), size, size, &scaled))) {
        SetIcon(IconHandle(scaled));
        return;
    }
    // A system icon loads only shared, which may keep the size it was first loaded at.
    SetIcon(static_cast<HICON>(LoadImageW(nullptr, resource, IMAGE_ICON, size, size, LR_SHARED)));
}

IconHandle LoadIconResource(int id, int size)
{
    return IconHandle(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

HICON Image::Icon() const
{
    return reinterpret_cast<HICON>(SendMessageW(Handle(), STM_GETICON, 0, 0));
}

}  // namespace brevant::widgets
