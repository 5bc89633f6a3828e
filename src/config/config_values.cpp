#include "config/config_values.h"

#include <algorithm>

#include "text/integer_text.h"

namespace brevant {

std::string LineBreaksToCarets(std::string_view text)
{
    std::string value;
    value.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            value += '^';
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            value += c;
        }
    }
    return value;
}

std::string CaretsToLineBreaks(std::string_view value)
{
    std::string text;
    text.reserve(value.size());
    for (const char c : value) {
        if (c == '^')
            text += "\r\n";
        else
            text += c;
    }
    return text;
}

std::string QuotedForProfile(std::string_view value)
{
    const auto isPrintableAscii = [](char c) { return c >= 0x20 && c <= 0x7E; };
    const auto isCutAtEnds = [](char c) { return c == ' ' || c == '"' || c == '\''; };
    const bool safe = value.empty() || (std::all_of(value.begin(), value.end(), isPrintableAscii) &&
                                        !isCutAtEnds(value.front()) && !isCutAtEnds(value.back()));
    if (safe)
        return std::string(value);
    return '"' + std::string(value) + '"';
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

std::string HexPrefixAsDollar(std::string_view text)
{
    std::string result(text);
    if (result.size() > 2 && result[0] == '0' && (result[1] == 'x' || result[1] == 'X'))
        result.replace(0, 2, "$");
    return result;
}

int32_t ConfigNumberOr(std::string_view text, int32_t fallback)
{
    return TextToIntegerOr(HexPrefixAsDollar(text), fallback);
}

bool IsClockTime(std::string_view value)
{
    return value.find(':') != std::string_view::npos;
}

namespace {

// True when the token found at `at` lies within an occurrence of a longer
// token of the table.
bool InsideLongerToken(std::string_view value, std::size_t at, std::size_t length)
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

bool ContainsToken(std::string_view value, std::string_view token)
{
    if (token.empty())
        return false;
    for (auto at = value.find(token); at != std::string_view::npos; at = value.find(token, at + 1)) {
        if (!InsideLongerToken(value, at, token.size()))
            return true;
    }
    return false;
}

std::string ButtonsValue(const ButtonsSelection& selection)
{
    switch (selection.choice) {
    case ButtonsChoice::ShowAll:
        return std::string(AllButtonsValue);
    case ButtonsChoice::Display: {
        std::string value;
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

ButtonsSelection ReadButtonsValue(std::string_view value)
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
