#pragma once
#include "widgets/handles.h"
#include "widgets/push_button.h"

#include <commctrl.h>

namespace brevant::widgets {

using ImageListHandle = UniqueHandle<HIMAGELIST, ImageList_Destroy>;

// A push button that draws a small picture left of its caption. The picture is
// a bitmap resource whose lower-left pixel colour is transparent: one square
// image, or a strip of two holding the normal and the greyed (disabled) form.
class GlyphButton : public PushButton {
public:
    void Create(HWND parent, const Bounds& bounds, std::string_view caption, HFONT font);
    void SetGlyph(int bitmapId);

    void SetDefaultFrame(bool framed) override;
    bool HasDefaultFrame() const override { return framed_; }

    std::optional<LRESULT> OnDrawItem(DRAWITEMSTRUCT& item) override;

private:
    void LoadGlyphs();
    void DrawGlyphAndCaption(HDC dc, RECT area, bool enabled);

    HFONT font_ = nullptr;
    int bitmapId_ = 0;  // a strip of glyphs not loaded yet
    ImageListHandle glyphs_;
    SIZE glyphSize_{};
    int imageCount_ = 0;
    bool framed_ = false;
};

}  // namespace brevant::widgets
