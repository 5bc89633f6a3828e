#pragma once
#include "widgets/handles.h"
#include "widgets/push_button.h"
#include "widgets/visual_style.h"

#include <commctrl.h>

namespace brevant::widgets {

using ImageListHandle = UniqueHandle<HIMAGELIST, ImageList_Destroy>;

// A push button that draws a small picture left of its caption. The picture is
// a bitmap resource whose lower-left pixel colour is transparent: one square
// image, or a strip of two holding the normal and the greyed (disabled) form.
// The program's resources hold one bitmap of each glyph per scale step, drawn
// pixel for pixel. The button itself is the platform's push button in the
// system's visual style, in each of its states (hot under the mouse, pressed,
// default, focused, disabled), and follows a change of the style.
class GlyphButton : public PushButton {
public:
    // The bitmap that draws a glyph at a scale.
    using BitmapAtScale = int (*)(int glyphId, Dpi dpi);

    void Create(HWND parent, const Bounds& bounds, std::wstring_view caption, HFONT font);
    void SetGlyph(int glyphId, BitmapAtScale bitmapAt);

    void SetDefaultFrame(bool framed) override;
    bool HasDefaultFrame() const override { return framed_; }

    std::optional<LRESULT> OnDrawItem(DRAWITEMSTRUCT& item) override;
    void OnThemeChanged() override;
    void OnMouseMessage(UINT message) override;

private:
    // The button drawn without its glyph and caption: where they go, and how.
    struct Face {
        RECT frame;    // inside the default frame
        RECT content;  // the glyph and caption, centred
        COLORREF text;
        bool engraved;  // the classic look of disabled text
    };
    Face DrawThemedFace(HTHEME theme, const DRAWITEMSTRUCT& item) const;
    Face DrawClassicFace(const DRAWITEMSTRUCT& item) const;
    void LoadGlyphs(Dpi dpi);
    void DrawGlyphAndCaption(HDC dc, const Face& face, bool enabled, bool showAccelerator, Dpi dpi);
    void SetHot(bool hot);

    int glyphId_ = 0;
    BitmapAtScale bitmapAt_ = nullptr;
    std::optional<Dpi> loadedAt_;  // the glyphs are loaded when first drawn at a scale
    ImageListHandle glyphs_;
    SIZE glyphSize_{};
    int imageCount_ = 0;
    bool framed_ = false;
    bool hot_ = false;  // the mouse is over the button
    VisualStyle style_{L"BUTTON"};
};

}  // namespace brevant::widgets
