#pragma once
#include "widgets/handles.h"

#include <string_view>

namespace brevant::widgets {

// A font given by face and cell height in pixels (a negative LOGFONT height).
FontHandle CreatePixelFont(const char* face, int pixelHeight, bool bold = false,
                           bool underline = false);

// The size of the text drawn in the font, as GetTextExtentPoint32A measures it.
SIZE MeasureText(HFONT font, const std::string_view text);

}  // namespace brevant::widgets
