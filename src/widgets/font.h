#pragma once
#include "widgets/dpi.h"
#include "widgets/handles.h"

#include <string_view>

namespace brevant::widgets {

// A font given by face and size in points, at a scale.
FontHandle CreatePointFont(const wchar_t* face, int points, Dpi dpi, bool bold = false, bool underline = false);

// The system's message font at a scale; without one, "MS Sans Serif" 8 points.
FontHandle CreateMessageFont(Dpi dpi);

// The size of the text drawn in the font, as GetTextExtentPoint32A measures it.
SIZE MeasureText(HFONT font, const std::wstring_view text);

}  // namespace brevant::widgets
