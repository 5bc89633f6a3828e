#pragma once
#include "widgets/handles.h"
#include "widgets/push_button.h"

#include <commctrl.h>

namespace brevant::widgets {

using ImageListHandle = UniqueHandle<HIMAGELIST, ImageList_Destroy>;

// A push button that draws a small picture left of its caption. The picture is
// a bitmap resource whose lower-left pixel colour is transparent: one square
// image, or a strip of two holding the normal and the greyed (disabled) form.
// The program's resources hold one bitmap of each glyph per scale step.
class GlyphButton : public PushButton {
public:
    // The bitmap that draws a glyph at a scale.
    using BitmapAtScale = int (*)(int glyphId, Dpi dpi);

    void Create(HWND parent, const Bounds& bounds, std::wstring_view caption, HFONT font);
    void SetGlyph(int glyphId, BitmapAtScale bitmapAt);

    void SetDefaultFrame(bool framed) override;
    bool HasDefaultFrame() const override { return framed_; }

    std::optional<LRESULT> OnDrawItem(DRAWITEMSTRUCT& item) override;

private:
    void LoadGlyphs(Dpi dpi);
    void DrawGlyphAndCaption(HDC dc, RECT area, bool enabled, bool showAccelerator, Dpi dpi);

    int glyphId_ = 0;
    BitmapAtScale bitmapAt_ = nullptr;
    std::optional<Dpi> loadedAt_;  // the glyphs are loaded when first drawn at a scale
    ImageListHandle glyphs_;
    SIZE glyphSize_{};
    int imageCount_ = 0;
    bool framed_ = false;
};

}  // namespace brevant::widgets
