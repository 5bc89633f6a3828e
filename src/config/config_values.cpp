#include "config/config_values.h"

#include <algorithm>
#include <iterator>

#include "text/integer_text.h"

namespace brevant {

std::wstring LineBreaksToCarets(std::wstring_view text)
{
    std::wstring value;
    value.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'\r' || c == L'\n') {
            value += L'^';
            if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n')
                ++i;
        } else {
            value += c;
        }
    }
    return value;
}

std::wstring CaretsToLineBreaks(std::wstring_view value)
{
    std::wstring text;
    text.reserve(value.size());
    for (const wchar_t c : value) {
        if (c == L'^')
            text += L"\r\n";
        else
            text += c;
    }
    return text;
}

std::wstring QuotedForProfile(std::wstring_view value)
{
    const auto isPrintableAscii = [](wchar_t c) { return c >= 0x20 && c <= 0x7E; };
    const auto isCutAtEnds = [](wchar_t c) { return c == L' ' || c == L'"' || c == L'\''; };
    const bool safe = value.empty() || (std::all_of(value.begin(), value.end(), isPrintableAscii) &&
                                        !isCutAtEnds(value.front()) && !isCutAtEnds(value.back()));
    if (safe)
        return std::wstring(value);
    return L'"' + std::wstring(value) + L'"';
}

int32_t FileTypeCode(MessageKind kind)
{
    const auto at = std::find(KindsInFileOrder.begin(), KindsInFileOrder.end(), kind);
    return static_cast<int32_t>(at - KindsInFileOrder.begin());
}

std::optional<MessageKind> KindFromFileTypeCode(int32_t code)
{
    if (code < 0 || code >= static_cast<int32_t>(KindsInFileOrder.size()))
        return std::nullopt;
    return KindsInFileOrder[static_cast<std::size_t>(code)];
}

std::wstring HexPrefixAsDollar(std::wstring_view text)
{
    std::wstring result(text);
    if (result.size() > 2 && result[0] == L'0' && (result[1] == L'x' || result[1] == L'X'))
        result.replace(0, 2, L"$");
    return result;
}

int32_t ConfigNumberOr(std::wstring_view text, int32_t fallback)
{
    return TextToIntegerOr(HexPrefixAsDollar(text), fallback);
}

bool IsClockTime(std::wstring_view value, wchar_t timeSeparator)
{
    const wchar_t marks[] = {L':', timeSeparator};
    return value.find_first_of(std::wstring_view(marks, std::size(marks))) != std::wstring_view::npos;
}

namespace {

// True when the token found at `at` lies within an occurrence of a longer
// token of the table.
bool InsideLongerToken(std::wstring_view value, std::size_t at, std::size_t length)
{
    for (const ButtonToken& longer : ButtonTokens) {
        const std::size_t size = longer.token.size();
        if (size <= length)
            continue;
        // Every start from which the longer token would cover [at, at + length).
        const std::size_t first = at + length >= size ? at + length - size : 0;
        for (std::size_t start = first; start <= at; ++start) {
            if (value.substr(start, size) == longer.token)
                return true;
        }
    }
    return false;
}

}  // namespace

bool ContainsToken(std::wstring_view value, std::wstring_view token)
{
    if (token.empty())
        return false;
    for (auto at = value.find(token); at != std::wstring_view::npos; at = value.find(token, at + 1)) {
        if (!InsideLongerToken(value, at, token.size()))
            return true;
    }
    return false;
}

std::wstring ButtonsValue(const ButtonsSelection& selection)
{
    switch (selection.choice) {
    case ButtonsChoice::ShowAll:
        return std::wstring(AllButtonsValue);
    case ButtonsChoice::Display: {
        std::wstring value;
        for (std::size_t i = 0; i < ButtonTokens.size(); ++i) {
            if (selection.ticks[i])
                value += ButtonTokens[i].token;
        }
        return value;
    }
    case ButtonsChoice::Hide:
    case ButtonsChoice::None:
        break;
    }
    return {};
}

DialogButtonSet ButtonSetOf(const ButtonsSelection& selection)
{
    switch (selection.choice) {
    case ButtonsChoice::ShowAll:
        return AllShownButtons;
    case ButtonsChoice::Display: {
        DialogButtonSet set = 0;
        for (std::size_t i = 0; i < ButtonTokens.size(); ++i) {
            if (selection.ticks[i])
                set |= ButtonTokens[i].bit;
        }
        return set;
    }
    case ButtonsChoice::Hide:
    case ButtonsChoice::None:
        break;
    }
    return 0;
}

ButtonsSelection ReadButtonsValue(std::wstring_view value)
{
    if (value.empty())
        return {ButtonsChoice::Hide, {}};
    if (value == AllButtonsValue)
        return {ButtonsChoice::ShowAll, ButtonTicks().set()};
    ButtonsSelection selection{ButtonsChoice::Display, {}};
    for (std::size_t i = 0; i < ButtonTokens.size(); ++i)
        selection.ticks[i] = ContainsToken(value, ButtonTokens[i].token);
    return selection;
}

}  // namespace brevant
