#pragma once
// The message as the dialog's label draws it, for the edit control that shows
// a text too tall for the screen: an edit neither hides ampersands nor starts
// a line at a lone CR or LF, as the label does.
#include <string>
#include <string_view>

namespace brevant {

// Each ampersand dropped and the character after it kept ("&&" one ampersand,
// a last one kept); every line break CR LF.
std::wstring TextAsLabelDraws(std::wstring_view text);

}  // namespace brevant
