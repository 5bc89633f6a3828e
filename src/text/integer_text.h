#pragma once
// Whole numbers as the config file and the window's edits write them.
#include <cstdint>
#include <string>
#include <string_view>

namespace brevant {

// Decimal digits, "-" in front of a negative value; no "+", blanks or grouping.
std::wstring IntegerToText(int32_t value);

// Eight hexadecimal digits, upper-case letters, leading zeros kept.
std::wstring HexText(uint32_t value);

// Accepts leading spaces, then either an optional sign and decimal digits or
// "$" and at most eight significant hexadecimal digits (a 32-bit pattern, so
// "$FFFFFFFF" is -1), and nothing after them.
// Throws Error "'<text>' is not a valid integer value" for anything else.
int32_t TextToInteger(std::wstring_view text);

// As TextToInteger, but gives the fallback where that would throw.
int32_t TextToIntegerOr(std::wstring_view text, int32_t fallback);

}  // namespace brevant
