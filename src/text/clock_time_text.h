#pragma once
// Times of day as text in the user's regional time format: how the config
// file writes clock times and reads them back.
#include <optional>
#include <string>
#include <string_view>

#include "text/time_value.h"

namespace brevant {

// Whether two texts of the same length are equal when letter case is ignored.
using TextsMatchIgnoringCase = bool (*)(std::wstring_view, std::wstring_view);

// Folds the letters A to Z only: the comparison where the platform offers none.
bool MatchIgnoringAsciiCase(std::wstring_view a, std::wstring_view b);

struct LocaleTimeSettings {
    wchar_t TimeSeparatorChar = L':';
    std::wstring AmText = L"am";
    std::wstring PmText = L"pm";
    std::wstring ShortTimePattern = L"h:mm AMPM";
    std::wstring LongTimePattern = L"h:mm:ss AMPM";
    // How TextToTime recognises the AM and PM markers; the Windows build
    // installs the user locale's comparison.
    TextsMatchIgnoringCase MarkersMatch = MatchIgnoringAsciiCase;
};

// The settings the whole program formats and reads clock times with.
const LocaleTimeSettings& CurrentLocaleTimeSettings();
void SetLocaleTimeSettings(LocaleTimeSettings settings);

struct TimePatterns {
    std::wstring ShortTimePattern;
    std::wstring LongTimePattern;
};

// The patterns that follow from the locale's three clock flags; the locale's
// own format string is deliberately not used.
TimePatterns BuildTimePatterns(bool leadingZeroOnHours, bool twentyFourHourClock, bool markerBeforeTime);

// The locale's time items as the platform returned them, nullopt where it
// returned nothing.
struct LocaleTimeItems {
    std::optional<std::wstring> TimeSeparator;       // LOCALE_STIME
    std::optional<std::wstring> AmText;              // LOCALE_S1159
    std::optional<std::wstring> PmText;              // LOCALE_S2359
    std::optional<std::wstring> LeadingZeroOnHours;  // LOCALE_ITLZERO, "1" for yes
    std::optional<std::wstring> ClockKind;           // LOCALE_ITIME, "0" for 12 hours
    std::optional<std::wstring> MarkerPosition;      // LOCALE_ITIMEMARKPOSN, "1" for before
};

// Settings from the locale's items, the defaults standing in for missing
// ones. A separator that is not exactly one character counts as missing;
// a numeric item that is missing or not a number counts as 0.
LocaleTimeSettings TimeSettingsFromLocaleItems(const LocaleTimeItems& items);

// The pattern items (letters in either case): h, hh (hour), n, nn, and m, mm
// right after an hour item (minute), s, ss (second), AMPM, AM/PM, A/P
// (markers), ":" (the separator); every other character stands for itself.
// The hour counts 1 to 12 when a marker goes with it. At most 256 characters.
std::wstring FormatTimeValue(std::wstring_view pattern, TimeValue value,
                            const LocaleTimeSettings& settings = CurrentLocaleTimeSettings());

// FormatTimeValue with the long time pattern; milliseconds are not shown.
std::wstring TimeToText(TimeValue value, const LocaleTimeSettings& settings = CurrentLocaleTimeSettings());

// Reads hour[:minute[:second]] with an AM/PM marker before or after it and
// spaces anywhere between the parts; gives a time of day in whole seconds.
// Throws Error "'<text>' is not a valid time".
TimeValue TextToTime(std::wstring_view text, const LocaleTimeSettings& settings = CurrentLocaleTimeSettings());

}  // namespace brevant
