#include "widgets/glyph_button.h"

#include "widgets/callback_boundary.h"
#include "widgets/window.h"

#include <vssym32.h>

namespace brevant::widgets {

namespace {
// Between the glyph and the caption, and from the frame to the focus
// rectangle, at 96 dots per inch.
constexpr int kGlyphSpacing = 4;
constexpr int kFocusInset = 3;
}

void GlyphButton::Create(HWND parent, const Bounds& bounds, std::wstring_view caption, HFONT font)
{
    CreateControl(parent, {.className = L"BUTTON", .style = BS_OWNERDRAW | BS_NOTIFY | WS_TABSTOP,
                           .text = caption, .bounds = bounds},
                  font);
}

void GlyphButton::SetGlyph(int glyphId, BitmapAtScale bitmapAt)
{
    // Loaded when the button is first drawn: a window that is never drawn,
    // as in a command-line run, never loads it.
    glyphId_ = glyphId;
    bitmapAt_ = bitmapAt;
    loadedAt_.reset();
    glyphs_.reset();
    InvalidateRect(Handle(), nullptr, TRUE);
}

void GlyphButton::LoadGlyphs(Dpi dpi)
{
    loadedAt_ = dpi;
    glyphs_.reset();
    const int bitmapId = bitmapAt_(glyphId_, dpi);
    BitmapHandle strip(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                       MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0,
                                                       0, LR_CREATEDIBSECTION)));
    BITMAP info{};
    if (!strip || !GetObjectW(strip.get(), sizeof info, &info))
        return;
    imageCount_ = info.bmWidth / info.bmHeight;
    glyphSize_ = {info.bmHeight, info.bmHeight};

    // The colour of the lower-left pixel marks what is transparent.
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, strip.get());
    const COLORREF transparent = GetPixel(dc, 0, info.bmHeight - 1);
    SelectObject(dc, old);
    DeleteDC(dc);

    glyphs_.reset(ImageList_Create(glyphSize_.cx, glyphSize_.cy, ILC_COLOR24 | ILC_MASK, imageCount_, 0));
    ImageList_AddMasked(glyphs_.get(), strip.get(), transparent);
}

void GlyphButton::SetDefaultFrame(bool framed)
{
    if (framed_ == framed)
        return;
    framed_ = framed;
    InvalidateRect(Handle(), nullptr, TRUE);
}

void GlyphButton::SetHot(bool hot)
{
    if (hot_ == hot)
        return;
    hot_ = hot;
    // Hot looks different only in a visual style.
    if (style_.For(Handle()))
        InvalidateRect(Handle(), nullptr, FALSE);
}

// The platform draws the hot look of the buttons it draws itself only.
void GlyphButton::OnMouseMessage(UINT message)
{
    if (message == WM_MOUSELEAVE) {
        SetHot(false);
    } else if (message == WM_MOUSEMOVE && !hot_) {
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&leave);
        SetHot(true);
    }
}

void GlyphButton::OnThemeChanged()
{
    style_.Reset();
    InvalidateRect(Handle(), nullptr, TRUE);
}

GlyphButton::Face GlyphButton::DrawThemedFace(HTHEME theme, const DRAWITEMSTRUCT& item) const
{
    // The states in the order the platform's push button chooses them.
    const int state = (item.itemState & ODS_DISABLED) ? PBS_DISABLED
                      : (item.itemState & ODS_SELECTED) ? PBS_PRESSED
                      : hot_                            ? PBS_HOT
                      : framed_                         ? PBS_DEFAULTED
                                                        : PBS_NORMAL;
    RECT area = item.rcItem;
    if (IsThemeBackgroundPartiallyTransparent(theme, BP_PUSHBUTTON, state))
        DrawThemeParentBackground(Handle(), item.hDC, &area);
    DrawThemeBackground(theme, item.hDC, BP_PUSHBUTTON, state, &area, nullptr);
    const int systemText = state == PBS_DISABLED ? COLOR_GRAYTEXT : COLOR_BTNTEXT;
    return {area, area, ThemeTextColour(theme, BP_PUSHBUTTON, state, systemText), false};
}

GlyphButton::Face GlyphButton::DrawClassicFace(const DRAWITEMSTRUCT& item) const
{
    HDC dc = item.hDC;
    RECT frame = item.rcItem;
    const bool pushed = item.itemState & ODS_SELECTED;
    if (framed_) {
        FrameRect(dc, &frame, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&frame, -1, -1);
    }
    // A default button pressed sinks flat, as the platform's does.
    UINT look = DFCS_BUTTONPUSH;
    if (pushed)
        look |= framed_ ? DFCS_FLAT : DFCS_PUSHED;
    DrawFrameControl(dc, &frame, DFC_BUTTON, look);
    RECT content = frame;
    if (pushed)
        OffsetRect(&content, 1, 1);
    const bool enabled = !(item.itemState & ODS_DISABLED);
    return {frame, content, GetSysColor(COLOR_BTNTEXT), !enabled};
}

void GlyphButton::DrawGlyphAndCaption(HDC dc, const Face& face, bool enabled, bool showAccelerator, Dpi dpi)
{
    const std::wstring caption = Text();
    const UINT format = DT_SINGLELINE | (showAccelerator ? 0 : DT_HIDEPREFIX);
    RECT textSize{0, 0, 0, 0};
    HGDIOBJ oldFont = SelectObject(dc, Font());
    DrawTextW(dc, caption.c_str(), -1, &textSize, format | DT_CALCRECT);
    const int glyphWidth = glyphs_ ? glyphSize_.cx + dpi.Scale(kGlyphSpacing) : 0;
    const int blockWidth = glyphWidth + textSize.right;
    const RECT& area = face.content;
    int left = area.left + (area.right - area.left - blockWidth) / 2;
    const int middle = (area.top + area.bottom) / 2;

    if (glyphs_) {
        const int top = middle - glyphSize_.cy / 2;
        if (enabled || imageCount_ > 1)
            ImageList_Draw(glyphs_.get(), enabled ? 0 : 1, dc, left, top, ILD_TRANSPARENT);
        else
            ImageList_DrawEx(glyphs_.get(), 0, dc, left, top, 0, 0, CLR_NONE, GetSysColor(COLOR_BTNFACE),
                             ILD_TRANSPARENT | ILD_BLEND50);
        left += glyphWidth;
    }
    RECT text{left, area.top, left + textSize.right, area.bottom};
    SetBkMode(dc, TRANSPARENT);
    if (face.engraved) {
        // The engraved look of disabled text: a light copy under a grey one.
        OffsetRect(&text, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextW(dc, caption.c_str(), -1, &text, format | DT_VCENTER);
        OffsetRect(&text, -1, -1);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    } else {
        SetTextColor(dc, face.text);
    }
    DrawTextW(dc, caption.c_str(), -1, &text, format | DT_VCENTER);
    SelectObject(dc, oldFont);
}

std::optional<LRESULT> GlyphButton::OnDrawItem(DRAWITEMSTRUCT& item)
{
    const Dpi dpi = Window::LayoutDpiOf(Handle());
    if (glyphId_ && loadedAt_ != dpi)
        LoadGlyphs(dpi);
    const HTHEME theme = style_.For(Handle());
    const Face face = theme ? DrawThemedFace(theme, item) : DrawClassicFace(item);
    // The keyboard cues of the window: shown once the keyboard is used.
    const LRESULT hidden = SendMessageW(Handle(), WM_QUERYUISTATE, 0, 0);
    DrawGlyphAndCaption(item.hDC, face, !(item.itemState & ODS_DISABLED), !(hidden & UISF_HIDEACCEL), dpi);
    if ((item.itemState & ODS_FOCUS) && !(hidden & UISF_HIDEFOCUS)) {
        RECT focus = face.frame;
        InflateRect(&focus, -dpi.Scale(kFocusInset), -dpi.Scale(kFocusInset));
        DrawFocusRect(item.hDC, &focus);
    }
    return TRUE;
}

}  // namespace brevant::widgets
