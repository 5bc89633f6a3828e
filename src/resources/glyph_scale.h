#pragma once
// Which of a glyph's bitmaps draws it at a display scale.
#include "resources/resource_ids.h"
#include "widgets/dpi.h"

#include <iterator>

namespace brevant {

// The glyph's bitmap for the largest scale step not above the scale, so the
// glyph never outgrows the button it was drawn for.
inline int GlyphBitmapAt(int glyphId, widgets::Dpi dpi)
{
    static constexpr int kStepDpis[] = {BREVANT_GLYPH_DPIS};
    int step = 0;
    while (step + 1 < static_cast<int>(std::size(kStepDpis)) && kStepDpis[step + 1] <= dpi.Value())
        ++step;
    return glyphId + IDB_GLYPH_SCALE_STEP * step;
}

}  // namespace brevant
