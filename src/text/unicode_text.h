#pragma once
// The program's text is UTF-16 in std::wstring, as the platform's ...W
// functions take it; a wchar_t holds one UTF-16 unit (on hosts where it is
// wider, the platform-free code still stores one unit in each). Lengths count
// these units, as the platform's limits do, and a cut never splits the two
// units of a surrogate pair.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace brevant {

inline bool IsHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

// The text cut to at most `length` units: one unit shorter where the cut
// would leave the first half of a pair behind.
std::wstring_view CutToLength(std::wstring_view text, std::size_t length);

// UTF-8 bytes as text; nothing when they are not well-formed UTF-8 (overlong
// forms, surrogates and values beyond U+10FFFF included).
std::optional<std::wstring> Utf8ToText(std::string_view bytes);

// The text as UTF-8; a lone surrogate becomes U+FFFD.
std::string TextToUtf8(std::wstring_view text);

}  // namespace brevant
