// The config file's value rules: message text and carets, the quoting of
// values for the profile functions, button tokens, and whole numbers with a
// "0x" prefix.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <iterator>
#include <string>
#include <string_view>

#include "config/config_values.h"
#include "fuzz_check.h"
#include "text/integer_text.h"

namespace brevant {
namespace {

size_t CountOf(std::wstring_view text, std::wstring_view what)
{
    size_t count = 0;
    for (size_t at = text.find(what); at != std::wstring_view::npos; at = text.find(what, at + what.size()))
        ++count;
    return count;
}

void CheckCarets(std::wstring_view text)
{
    const std::wstring value = LineBreaksToCarets(text);
    FUZZ_REQUIRE(value.find_first_of(L"\r\n") == std::wstring::npos);
    // A CR LF pair is one line break; a lone CR or LF is one as well.
    const size_t pairs = CountOf(text, L"\r\n");
    FUZZ_REQUIRE(value.size() == text.size() - pairs);
    FUZZ_REQUIRE(CountOf(value, L"^") == CountOf(text, L"^") + CountOf(text, L"\r") + CountOf(text, L"\n") - pairs);

    const std::wstring lines = CaretsToLineBreaks(text);
    FUZZ_REQUIRE(lines.find(L'^') == std::wstring::npos);
    FUZZ_REQUIRE(lines.size() == text.size() + CountOf(text, L"^"));
    FUZZ_REQUIRE(LineBreaksToCarets(CaretsToLineBreaks(value)) == value);
    // Text of CR LF line breaks and no carets comes back unchanged.
    if (text.find(L'^') == std::wstring_view::npos && CountOf(text, L"\r") == pairs && CountOf(text, L"\n") == pairs)
        FUZZ_REQUIRE(CaretsToLineBreaks(value) == text);
}

void CheckQuoting(std::wstring_view value)
{
    const std::wstring written = QuotedForProfile(value);
    if (written == value)
        return;
    FUZZ_REQUIRE(written == L'"' + std::wstring(value) + L'"');
    const auto printable = [](wchar_t c) { return c >= 0x20 && c <= 0x7E; };
    const auto cutAtEnds = [](wchar_t c) { return c == L' ' || c == L'"' || c == L'\''; };
    FUZZ_REQUIRE(!value.empty());
    FUZZ_REQUIRE(!std::ranges::all_of(value, printable) || cutAtEnds(value.front()) || cutAtEnds(value.back()));
}

DialogButtonSet BitsOf(const ButtonTicks& ticks)
{
    DialogButtonSet bits = 0;
    for (size_t i = 0; i < ButtonTokens.size(); ++i)
        if (ticks[i])
            bits |= ButtonTokens[i].bit;
    return bits;
}

void CheckButtonsValue(std::wstring_view value, size_t splitAt)
{
    const ButtonsSelection read = ReadButtonsValue(value);
    if (value.empty()) {
        FUZZ_REQUIRE(read.choice == ButtonsChoice::Hide && read.ticks.none() && ButtonSetOf(read) == 0);
    } else if (value == AllButtonsValue) {
        FUZZ_REQUIRE(read.choice == ButtonsChoice::ShowAll && read.ticks.all() && ButtonSetOf(read) == AllShownButtons);
    } else {
        FUZZ_REQUIRE(read.choice == ButtonsChoice::Display);
        FUZZ_REQUIRE(ButtonSetOf(read) == BitsOf(read.ticks));
    }
    // Tokens never reach across a comma, and a token set off by commas counts.
    const std::wstring_view left = value.substr(0, std::min(splitAt, value.size()));
    const std::wstring_view right = value.substr(left.size());
    const std::wstring joined = std::wstring(left) + L"," + std::wstring(right);
    for (size_t i = 0; i < ButtonTokens.size(); ++i) {
        const std::wstring_view token = ButtonTokens[i].token;
        const bool contained = ContainsToken(value, token);
        FUZZ_REQUIRE(!contained || value.find(token) != std::wstring_view::npos);
        if (read.choice == ButtonsChoice::Display)
            FUZZ_REQUIRE(read.ticks[i] == contained);
        FUZZ_REQUIRE(ContainsToken(joined, token) == (ContainsToken(left, token) || ContainsToken(right, token)));
        FUZZ_REQUIRE(ContainsToken(std::wstring(left) + L"," + std::wstring(token) + L"," + std::wstring(right), token));
    }
    FUZZ_REQUIRE(!ContainsToken(value, L""));
}

// What the writer stores for a selection reads back as exactly that selection.
void CheckButtonsRoundTrip(uint16_t selectionBits)
{
    constexpr ButtonsChoice choices[] = {ButtonsChoice::Hide, ButtonsChoice::Display, ButtonsChoice::ShowAll,
                                         ButtonsChoice::None};
    const ButtonsSelection selection{choices[selectionBits >> 14], ButtonTicks(selectionBits & 0x1FF)};
    const std::wstring value = ButtonsValue(selection);
    const ButtonsSelection read = ReadButtonsValue(value);
    switch (selection.choice) {
    case ButtonsChoice::ShowAll:
        FUZZ_REQUIRE(value == AllButtonsValue && read.choice == ButtonsChoice::ShowAll);
        break;
    case ButtonsChoice::Display:
        if (selection.ticks.any()) {
            FUZZ_REQUIRE(read == selection);
            FUZZ_REQUIRE(ButtonSetOf(read) == BitsOf(selection.ticks));
            break;
        }
        [[fallthrough]];
    case ButtonsChoice::Hide:
    case ButtonsChoice::None:
        FUZZ_REQUIRE(value.empty() && read.choice == ButtonsChoice::Hide);
        break;
    }
}

std::wstring HexDigits(uint32_t pattern)
{
    wchar_t text[16];
    std::swprintf(text, std::size(text), L"%X", static_cast<unsigned>(pattern));
    return text;
}

void CheckNumber(std::wstring_view text, int32_t number)
{
    const bool hexPrefix = text.size() > 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X');
    const std::wstring dollar = HexPrefixAsDollar(text);
    FUZZ_REQUIRE(dollar == (hexPrefix ? L"$" + std::wstring(text.substr(2)) : std::wstring(text)));
    // A text is a number or not, whatever the fallback.
    const int32_t read = ConfigNumberOr(text, 5);
    const int32_t readWithOtherFallback = ConfigNumberOr(text, 6);
    FUZZ_REQUIRE(read == readWithOtherFallback || (read == 5 && readWithOtherFallback == 6));
    FUZZ_REQUIRE(read == TextToIntegerOr(dollar, 5));

    const std::wstring hex = HexDigits(static_cast<uint32_t>(number));
    FUZZ_REQUIRE(ConfigNumberOr(IntegerToText(number), 0) == number);
    FUZZ_REQUIRE(ConfigNumberOr(L"0x" + hex, 0) == number);
    FUZZ_REQUIRE(ConfigNumberOr(L"0X00" + hex, 0) == number);
    FUZZ_REQUIRE(ConfigNumberOr(L"$" + hex, 0) == number);
    FUZZ_REQUIRE(ConfigNumberOr(L"0x", number) == number);
    FUZZ_REQUIRE(ConfigNumberOr(L"-0x" + hex, 1) == 1);
}

}  // namespace
}  // namespace brevant

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace brevant;
    FuzzedDataProvider in(data, size);
    const auto selectionBits = in.ConsumeIntegral<uint16_t>();
    const auto splitAt = in.ConsumeIntegral<uint16_t>();
    const auto number = in.ConsumeIntegral<int32_t>();
    const std::wstring text = fuzz::TextOf(in.ConsumeRemainingBytesAsString());

    CheckCarets(text);
    CheckQuoting(text);
    CheckButtonsValue(text, splitAt);
    CheckButtonsRoundTrip(selectionBits);
    CheckNumber(text, number);
    return 0;
}
