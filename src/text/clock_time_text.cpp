#include "text/clock_time_text.h"

#include <algorithm>
#include <array>
#include <utility>

#include "text/error.h"
#include "text/integer_text.h"
#include "text/unicode_text.h"

namespace brevant {
namespace {

constexpr size_t maxFormattedLength = 256;

wchar_t ToUpperAscii(wchar_t c)
{
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

bool IsAsciiLetter(wchar_t c)
{
    const wchar_t upper = ToUpperAscii(c);
    return upper >= L'A' && upper <= L'Z';
}

bool StartsWithIgnoringAsciiCase(std::wstring_view text, std::wstring_view prefix)
{
    return text.size() >= prefix.size() && MatchIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

enum class MarkerItem { None, AmPmText, AmPmLetters, APLetter };

struct MarkerForm {
    std::wstring_view spelling;
    MarkerItem item;
};

constexpr std::array markerForms{
    MarkerForm{L"AM/PM", MarkerItem::AmPmLetters},
    MarkerForm{L"A/P", MarkerItem::APLetter},
    MarkerForm{L"AMPM", MarkerItem::AmPmText},
};

// The marker item the pattern begins with, if any.
MarkerForm MarkerAt(std::wstring_view pattern)
{
    for (const MarkerForm& form : markerForms)
        if (StartsWithIgnoringAsciiCase(pattern, form.spelling))
            return form;
    return {L"", MarkerItem::None};
}

// Whether the first "a" after an hour item, before any further hour item,
// begins a marker: then that hour counts on a 12-hour clock.
bool MarkerFollows(std::wstring_view patternAfterHour)
{
    const size_t next = patternAfterHour.find_first_of(L"aAhH");
    return next != std::wstring_view::npos && ToUpperAscii(patternAfterHour[next]) == L'A' &&
           MarkerAt(patternAfterHour.substr(next)).item != MarkerItem::None;
}

// Appends the marker the pattern begins with and gives its length, or 0 when
// the pattern does not begin with one.
size_t AppendMarker(std::wstring& result, std::wstring_view pattern, bool beforeNoon,
                    const LocaleTimeSettings& settings)
{
    const MarkerForm form = MarkerAt(pattern);
    switch (form.item) {
    case MarkerItem::AmPmLetters:
        result += pattern.substr(beforeNoon ? 0 : 3, 2);
        break;
    case MarkerItem::APLetter:
        result += pattern[beforeNoon ? 0 : 2];
        break;
    case MarkerItem::AmPmText:
        result += beforeNoon ? settings.AmText : settings.PmText;
        break;
    case MarkerItem::None:
        break;
    }
    return form.spelling.size();
}

void AppendNumber(std::wstring& result, unsigned value, bool twoDigits)
{
    if (twoDigits && value < 10)
        result += L'0';
    result += IntegerToText(static_cast<int32_t>(value));
}

// Reads the clock-time grammar; nullopt for a text that does not follow it.
class TimeTextReader {
public:
    TimeTextReader(std::wstring_view text, const LocaleTimeSettings& settings)
        : text_(text), settings_(settings)
    {
    }

    std::optional<TimeValue> Read()
    {
        std::optional<unsigned> base = ReadMarker();
        auto hour = ReadNumber();
        if (!hour)
            return std::nullopt;
        auto minute = ReadOptionalPart();
        if (!minute)
            return std::nullopt;
        auto second = ReadOptionalPart();
        if (!second)
            return std::nullopt;
        if (!base)
            base = ReadMarker();
        if (base) {
            if (*hour < 1 || *hour > 12)
                return std::nullopt;
            *hour = *hour % 12 + *base;
        }
        SkipSpaces();
        if (*hour > 23 || *minute > 59 || *second > 59 || at_ != text_.size())
            return std::nullopt;
        return ComposeTime(static_cast<uint16_t>(*hour), static_cast<uint16_t>(*minute),
                           static_cast<uint16_t>(*second), 0);
    }

private:
    void SkipSpaces()
    {
        while (at_ < text_.size() && text_[at_] == L' ')
            ++at_;
    }

    // The hour to add for an AM or PM marker at the position, which then
    // moves past it and past the spaces after it. Where several markers fit,
    // the longest one is taken, so neither marker text hides the other.
    std::optional<unsigned> ReadMarker()
    {
        SkipSpaces();
        const std::array<std::pair<std::wstring_view, unsigned>, 4> markers{{
            {settings_.AmText, 0}, {L"AM", 0}, {settings_.PmText, 12}, {L"PM", 12}}};
        const std::wstring_view rest = text_.substr(at_);
        std::optional<unsigned> base;
        size_t matchedLength = 0;
        for (const auto& [marker, markerBase] : markers) {
            if (marker.size() > matchedLength && marker.size() <= rest.size() &&
                settings_.MarkersMatch(rest.substr(0, marker.size()), marker)) {
                base = markerBase;
                matchedLength = marker.size();
            }
        }
        at_ += matchedLength;
        SkipSpaces();
        return base;
    }

    // Digits are taken while the value is below 1000, so a long run of
    // digits leaves text over instead of overflowing.
    std::optional<unsigned> ReadNumber()
    {
        SkipSpaces();
        const size_t start = at_;
        unsigned value = 0;
        while (at_ < text_.size() && text_[at_] >= L'0' && text_[at_] <= L'9' && value < 1000)
            value = value * 10 + static_cast<unsigned>(text_[at_++] - L'0');
        if (at_ == start)
            return std::nullopt;
        return value;
    }

    // A separator and a number, or 0 when no separator follows.
    std::optional<unsigned> ReadOptionalPart()
    {
        SkipSpaces();
        if (at_ < text_.size() && text_[at_] == settings_.TimeSeparatorChar) {
            ++at_;
            return ReadNumber();
        }
        return 0u;
    }

    std::wstring_view text_;
    const LocaleTimeSettings& settings_;
    size_t at_ = 0;
};

LocaleTimeSettings& ProcessLocaleTimeSettings()
{
    static LocaleTimeSettings settings;
    return settings;
}

}  // namespace

bool MatchIgnoringAsciiCase(std::wstring_view a, std::wstring_view b)
{
    return std::ranges::equal(a, b, [](wchar_t x, wchar_t y) { return ToUpperAscii(x) == ToUpperAscii(y); });
}

const LocaleTimeSettings& CurrentLocaleTimeSettings()
{
    return ProcessLocaleTimeSettings();
}

void SetLocaleTimeSettings(LocaleTimeSettings settings)
{
    ProcessLocaleTimeSettings() = std::move(settings);
}

TimePatterns BuildTimePatterns(bool leadingZeroOnHours, bool twentyFourHourClock, bool markerBeforeTime)
{
    const std::wstring hour = leadingZeroOnHours ? L"hh" : L"h";
    std::wstring front, behind;
    if (!twentyFourHourClock) {
        if (markerBeforeTime)
            front = L"AMPM ";
        else
            behind = L" AMPM";
    }
    return {front + hour + L":mm" + behind, front + hour + L":mm:ss" + behind};
}

LocaleTimeSettings TimeSettingsFromLocaleItems(const LocaleTimeItems& items)
{
    auto flag = [](const std::optional<std::wstring>& item) {
        return TextToIntegerOr(item.value_or(L"0"), 0) != 0;
    };
    LocaleTimeSettings settings;
    if (items.TimeSeparator && items.TimeSeparator->size() == 1)
        settings.TimeSeparatorChar = items.TimeSeparator->front();
    settings.AmText = items.AmText.value_or(settings.AmText);
    settings.PmText = items.PmText.value_or(settings.PmText);
    TimePatterns patterns = BuildTimePatterns(flag(items.LeadingZeroOnHours), flag(items.ClockKind),
                                              flag(items.MarkerPosition));
    settings.ShortTimePattern = std::move(patterns.ShortTimePattern);
    settings.LongTimePattern = std::move(patterns.LongTimePattern);
    return settings;
}

std::wstring FormatTimeValue(std::wstring_view pattern, TimeValue value, const LocaleTimeSettings& settings)
{
    const TimeOfDay time = SplitTime(value);
    const bool beforeNoon = time.hour < 12;
    std::wstring result;
    bool twelveHourClock = false;
    wchar_t lastLetterItem = 0;  // upper case; 'N' for an "m" that was taken as the minute
    size_t at = 0;
    while (at < pattern.size() && result.size() < maxFormattedLength) {
        const wchar_t c = pattern[at];
        const auto run = [&] { return std::min(pattern.find_first_not_of(c, at), pattern.size()) - at; };
        wchar_t item = ToUpperAscii(c);
        if (item == L'M' && lastLetterItem == L'H')
            item = L'N';
        if (IsAsciiLetter(c))
            lastLetterItem = item;
        switch (item) {
        case L'H': {
            const size_t length = run();
            twelveHourClock = twelveHourClock || MarkerFollows(pattern.substr(at + length));
            unsigned hour = time.hour;
            if (twelveHourClock)
                hour = hour == 0 ? 12 : hour > 12 ? hour - 12 : hour;
            AppendNumber(result, hour, length > 1);
            at += length;
            break;
        }
        case L'N':
        case L'S': {
            const size_t length = run();
            AppendNumber(result, item == L'N' ? time.minute : time.second, length > 1);
            at += length;
            break;
        }
        case L'A':
            if (const size_t length = AppendMarker(result, pattern.substr(at), beforeNoon, settings)) {
                twelveHourClock = true;
                at += length;
            } else {
                result += c;
                ++at;
            }
            break;
        case L':':
            result += settings.TimeSeparatorChar;
            ++at;
            break;
        default:
            result += c;
            ++at;
        }
    }
    return std::wstring(CutToLength(result, maxFormattedLength));
}

std::wstring TimeToText(TimeValue value, const LocaleTimeSettings& settings)
{
    return FormatTimeValue(settings.LongTimePattern, value, settings);
}

TimeValue TextToTime(std::wstring_view text, const LocaleTimeSettings& settings)
{
    if (auto time = TimeTextReader(text, settings).Read())
        return *time;
    throw Error(FormatError(L"'%s' is not a valid time", text));
}

}  // namespace brevant
