#include "text/integer_text.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "text/error.h"

namespace brevant {
namespace {

// The unsigned value of a text made of digits only, or nothing when a
// character is not a digit or the value does not fit in 32 bits.
std::optional<uint32_t> ParseDigits(std::string_view digits, int base)
{
    uint32_t value = 0;
    const char* end = digits.data() + digits.size();
    auto [stop, error] = std::from_chars(digits.data(), end, value, base);
    if (digits.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

std::optional<int32_t> ParseInteger(std::string_view text)
{
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    if (text.starts_with('$')) {
        auto pattern = ParseDigits(text.substr(1), 16);
        if (!pattern)
            return std::nullopt;
        return static_cast<int32_t>(*pattern);
    }
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+'))
        text.remove_prefix(1);
    auto magnitude = ParseDigits(text, 10);
    constexpr uint32_t largest = INT32_MAX;
    if (!magnitude || *magnitude > largest + (negative ? 1 : 0))
        return std::nullopt;
    return static_cast<int32_t>(negative ? 0u - *magnitude : *magnitude);
}

}  // namespace

std::string IntegerToText(int32_t value)
{
    return std::to_string(value);
}

int32_t TextToInteger(std::string_view text)
{
    if (auto value = ParseInteger(text))
        return *value;
    throw Error(FormatError("'%s' is not a valid integer value", text));
}

int32_t TextToIntegerOr(std::string_view text, int32_t fallback)
{
    return ParseInteger(text).value_or(fallback);
}

}  // namespace brevant
