// Whole-number text: the reader against a straightforward model of its
// grammar, the error message, the fallback variant, and the writer's round trip.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "text/error.h"
#include "text/integer_text.h"

namespace brevant {
namespace {

std::optional<int> DigitValue(wchar_t c, int base)
{
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (base == 16 && c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    if (base == 16 && c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    return std::nullopt;
}

// Leading spaces; then a sign and decimal digits, or "$" and hexadecimal
// digits; digits accumulated from the left, rejected once a further digit
// would leave 32 bits.
std::optional<int32_t> ModelInteger(std::wstring_view text)
{
    size_t at = 0;
    while (at < text.size() && text[at] == L' ')
        ++at;
    const bool hex = at < text.size() && text[at] == L'$';
    bool negative = false;
    if (hex) {
        ++at;
    } else if (at < text.size() && (text[at] == L'-' || text[at] == L'+')) {
        negative = text[at] == L'-';
        ++at;
    }
    if (at == text.size())
        return std::nullopt;
    const int base = hex ? 16 : 10;
    const int64_t highestBeforeDigit = hex ? 0x0FFFFFFF : 214748364;
    int64_t value = 0;
    for (; at < text.size(); ++at) {
        const auto digit = DigitValue(text[at], base);
        if (!digit || value > highestBeforeDigit)
            return std::nullopt;
        value = value * base + *digit;
    }
    if (hex)
        return static_cast<int32_t>(static_cast<uint32_t>(value));
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

std::optional<int32_t> Read(std::wstring_view text)
{
    try {
        return TextToInteger(text);
    } catch (const Error& error) {
        FUZZ_REQUIRE(fuzz::MessageIs(error, L"'" + std::wstring(text) + L"' is not a valid integer value"));
        return std::nullopt;
    }
}

std::wstring HexDigits(uint32_t pattern)
{
    static constexpr wchar_t digits[] = L"0123456789ABCDEF";
    std::wstring text;
    do {
        text.insert(text.begin(), digits[pattern % 16]);
        pattern /= 16;
    } while (pattern != 0);
    return text;
}

void CheckWriter(int32_t value)
{
    const std::wstring text = IntegerToText(value);
    FUZZ_REQUIRE(!text.empty() && text.size() <= 11);
    const size_t digitsFrom = value < 0 ? 1 : 0;
    FUZZ_REQUIRE((value < 0) == text.starts_with(L'-'));
    FUZZ_REQUIRE(text.find_first_not_of(L"0123456789", digitsFrom) == std::wstring::npos);
    FUZZ_REQUIRE(text.size() == digitsFrom + 1 || text[digitsFrom] != L'0');
    FUZZ_REQUIRE(Read(text) == value);
    FUZZ_REQUIRE(Read(L"   " + text) == value);
    FUZZ_REQUIRE(Read(text + L" ") == std::nullopt);
    FUZZ_REQUIRE(Read(L"$" + HexDigits(static_cast<uint32_t>(value))) == value);
    FUZZ_REQUIRE(Read(L"$0000" + HexDigits(static_cast<uint32_t>(value))) == value);
    if (value >= 0)
        FUZZ_REQUIRE(Read(L"+00" + text) == value);
}

}  // namespace
}  // namespace brevant

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace brevant;
    const std::wstring text = fuzz::TextOf(std::string_view(reinterpret_cast<const char*>(data), size));

    const std::optional<int32_t> read = Read(text);
    FUZZ_REQUIRE(read == ModelInteger(text));
    FUZZ_REQUIRE(TextToIntegerOr(text, 7) == read.value_or(7));
    FUZZ_REQUIRE(TextToIntegerOr(text, -8) == read.value_or(-8));
    if (read)
        CheckWriter(*read);

    int32_t value = 0;
    std::memcpy(&value, data, std::min(size, sizeof value));
    CheckWriter(value);
    return 0;
}
