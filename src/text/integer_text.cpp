#include "text/integer_text.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

#include "text/error.h"

namespace brevant {
namespace {

// The unsigned value of a text made of digits only, or nothing when a
// character is not a digit or the value does not fit in 32 bits.
std::optional<uint32_t> ParseDigits(std::wstring_view digits, int base)
{
    std::string ascii;
    for (const wchar_t c : digits) {
        if (c > 0x7F)
            return std::nullopt;
        ascii += static_cast<char>(c);
    }
    uint32_t value = 0;
    const char* end = ascii.data() + ascii.size();
    auto [stop, error] = std::from_chars(ascii.data(), end, value, base);
    if (ascii.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

std::optional<int32_t> ParseInteger(std::wstring_view text)
{
    text.remove_prefix(std::min(text.find_first_not_of(L' '), text.size()));
    if (text.starts_with(L'$')) {
        auto pattern = ParseDigits(text.substr(1), 16);
        if (!pattern)
            return std::nullopt;
        return static_cast<int32_t>(*pattern);
    }
    const bool negative = text.starts_with(L'-');
    if (negative || text.starts_with(L'+'))
        text.remove_prefix(1);
    auto magnitude = ParseDigits(text, 10);
    constexpr uint32_t largest = INT32_MAX;
    if (!magnitude || *magnitude > largest + (negative ? 1 : 0))
        return std::nullopt;
    return static_cast<int32_t>(negative ? 0u - *magnitude : *magnitude);
}

}  // namespace

std::wstring IntegerToText(int32_t value)
{
    return std::to_wstring(value);
}

std::wstring HexText(uint32_t value)
{
    std::wstring text(8, L'0');
    for (auto digit = text.rbegin(); digit != text.rend(); ++digit, value >>= 4)
        *digit = L"0123456789ABCDEF"[value & 0xF];
    return text;
}

int32_t TextToInteger(std::wstring_view text)
{
    if (auto value = ParseInteger(text))
        return *value;
    throw Error(FormatError(L"'%s' is not a valid integer value", text));
}

int32_t TextToIntegerOr(std::wstring_view text, int32_t fallback)
{
    return ParseInteger(text).value_or(fallback);
}

}  // namespace brevant
