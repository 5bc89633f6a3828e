// Clock-time text under regional settings picked by the input: what the reader
// accepts, arbitrary format patterns, and writing a time then reading it back.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cwchar>
#include <iterator>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "text/clock_time_text.h"
#include "text/error.h"
#include "text/time_value.h"

namespace brevant {
namespace {

LocaleTimeSettings Settings(wchar_t separator, std::wstring am, std::wstring pm, TimePatterns patterns)
{
    LocaleTimeSettings settings;
    settings.TimeSeparatorChar = separator;
    settings.AmText = std::move(am);
    settings.PmText = std::move(pm);
    settings.ShortTimePattern = std::move(patterns.ShortTimePattern);
    settings.LongTimePattern = std::move(patterns.LongTimePattern);
    return settings;
}

// Regional settings of the kinds users have: 12 and 24 hours, markers before
// the time, a full stop as separator, double-byte markers, empty markers.
const std::array<LocaleTimeSettings, 6> kRegionalSettings{
    LocaleTimeSettings{},
    Settings(L':', L"AM", L"PM", BuildTimePatterns(false, false, false)),
    Settings(L':', L"AM", L"PM", BuildTimePatterns(true, true, false)),
    Settings(L'.', L"ap.", L"ip.", BuildTimePatterns(false, true, false)),
    Settings(L':', L"\xC624\xC804", L"\xC624\xD6C4", BuildTimePatterns(false, false, true)),
    Settings(L':', L"", L"", BuildTimePatterns(false, false, false)),
};

LocaleTimeSettings PickSettings(FuzzedDataProvider& in)
{
    const size_t choice = in.ConsumeIntegralInRange<size_t>(0, kRegionalSettings.size());
    if (choice < kRegionalSettings.size())
        return kRegionalSettings[choice];
    const auto separator = static_cast<wchar_t>(in.ConsumeIntegral<uint16_t>());
    std::wstring am = fuzz::TextOf(in.ConsumeRandomLengthString(12));
    std::wstring pm = fuzz::TextOf(in.ConsumeRandomLengthString(12));
    TimePatterns patterns = BuildTimePatterns(in.ConsumeBool(), in.ConsumeBool(), in.ConsumeBool());
    if (in.ConsumeBool())
        patterns.LongTimePattern = fuzz::TextOf(in.ConsumeRandomLengthString(24));
    return Settings(separator, std::move(am), std::move(pm), std::move(patterns));
}

// Mostly date-times of the calendar's range to the millisecond; sometimes any
// bit pattern, infinities and NaN included.
TimeValue PickValue(FuzzedDataProvider& in)
{
    if (in.ConsumeBool()) {
        const uint64_t bits = in.ConsumeIntegral<uint64_t>();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    const auto day = in.ConsumeIntegralInRange<int32_t>(-693593, 2958465);
    const auto millisecond = in.ConsumeIntegralInRange<int32_t>(0, 86399999);
    return day + millisecond / 86400000.0;
}

std::optional<TimeValue> ReadTime(std::wstring_view text, const LocaleTimeSettings& settings)
{
    try {
        return TextToTime(text, settings);
    } catch (const Error& error) {
        FUZZ_REQUIRE(fuzz::MessageIs(error, L"'" + std::wstring(text) + L"' is not a valid time"));
        return std::nullopt;
    }
}

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Whether the reader can take hours, minutes and seconds written with the
// separator: the separator is neither a digit nor a blank, and no marker
// begins with a digit (the reader looks for a marker before the hour).
bool ReadsClockDigits(const LocaleTimeSettings& settings)
{
    const auto beginsWithDigit = [](std::wstring_view marker) { return !marker.empty() && IsDigit(marker[0]); };
    return !IsDigit(settings.TimeSeparatorChar) && settings.TimeSeparatorChar != L' ' &&
           !beginsWithDigit(settings.AmText) && !beginsWithDigit(settings.PmText);
}

bool IsMarkerCharacter(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'.' || c >= 0x80;
}

bool IsMarkerText(std::wstring_view text)
{
    return !text.empty() && std::ranges::all_of(text, IsMarkerCharacter);
}

bool IsBuiltPattern(std::wstring_view pattern)
{
    for (bool zero : {false, true})
        for (bool twentyFour : {false, true})
            for (bool before : {false, true})
                if (BuildTimePatterns(zero, twentyFour, before).LongTimePattern == pattern)
                    return true;
    return false;
}

// When a written clock time must read back as the same time of day: a pattern
// the locale flags build, readable clock digits, and under a 12-hour clock
// two distinct markers of letters, full stops or non-ASCII bytes. The reader looks for the AM forms before the
// PM forms, so a PM text that reads as "AM" cannot work either.
bool ReadsBack(const LocaleTimeSettings& settings)
{
    if (!IsBuiltPattern(settings.LongTimePattern) || !ReadsClockDigits(settings))
        return false;
    if (settings.LongTimePattern.find(L"AMPM") == std::wstring::npos)
        return true;
    const auto same = [](std::wstring_view a, std::wstring_view b) {
        return a.size() == b.size() && MatchIgnoringAsciiCase(a, b);
    };
    return IsMarkerText(settings.AmText) && IsMarkerText(settings.PmText) &&
           !same(settings.AmText, settings.PmText) && !same(settings.PmText, L"AM");
}

std::wstring TwoDigits(unsigned value)
{
    wchar_t text[8];
    std::swprintf(text, std::size(text), L"%02u", value);
    return text;
}

void CheckReader(std::wstring_view text, const LocaleTimeSettings& settings)
{
    const std::optional<TimeValue> read = ReadTime(text, settings);
    FUZZ_REQUIRE(ReadTime(L"  " + std::wstring(text), settings) == read);
    if (!read)
        return;
    FUZZ_REQUIRE(std::ranges::any_of(text, IsDigit));
    FUZZ_REQUIRE(*read >= 0 && *read < 1);
    const TimeOfDay time = SplitTime(*read);
    FUZZ_REQUIRE(time.millisecond == 0);
    FUZZ_REQUIRE(*read == ComposeTime(time.hour, time.minute, time.second, 0));
    if (ReadsClockDigits(settings))
        FUZZ_REQUIRE(ReadTime(FormatTimeValue(L"hh:nn:ss", *read, settings), settings) == read);
}

void CheckFormat(std::wstring_view pattern, TimeValue value, const LocaleTimeSettings& settings)
{
    const std::wstring formatted = FormatTimeValue(pattern, value, settings);
    FUZZ_REQUIRE(formatted.size() <= 256);
    FUZZ_REQUIRE(FormatTimeValue(pattern, value, settings) == formatted);

    // Without letters only the separator item is replaced.
    if (std::ranges::none_of(pattern, [](wchar_t c) { return (c | 0x20) >= L'a' && (c | 0x20) <= L'z'; })) {
        std::wstring expected(pattern);
        std::ranges::replace(expected, L':', settings.TimeSeparatorChar);
        expected.resize(std::min<size_t>(expected.size(), 256));
        FUZZ_REQUIRE(formatted == expected);
    }

    const TimeOfDay time = SplitTime(value);
    FUZZ_REQUIRE(time.hour < 24 && time.minute < 60 && time.second < 60 && time.millisecond < 1000);
    const std::wstring separator(1, settings.TimeSeparatorChar);
    FUZZ_REQUIRE(FormatTimeValue(L"hh:nn:ss", value, settings) ==
                 TwoDigits(time.hour) + separator + TwoDigits(time.minute) + separator + TwoDigits(time.second));
    const unsigned clockHour = time.hour % 12 == 0 ? 12 : time.hour % 12;
    FUZZ_REQUIRE(FormatTimeValue(L"h A/P", value, settings) ==
                 std::to_wstring(clockHour) + (time.hour < 12 ? L" A" : L" P"));
    FUZZ_REQUIRE(FormatTimeValue(L"am/pm hh", value, settings) ==
                 (time.hour < 12 ? L"am " : L"pm ") + TwoDigits(clockHour));
}

void CheckRoundTrip(TimeValue value, const LocaleTimeSettings& settings)
{
    if (!ReadsBack(settings))
        return;
    const TimeOfDay time = SplitTime(value);
    const std::optional<TimeValue> read = ReadTime(TimeToText(value, settings), settings);
    FUZZ_REQUIRE(read == ComposeTime(time.hour, time.minute, time.second, 0));
}

}  // namespace
}  // namespace brevant

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace brevant;
    FuzzedDataProvider in(data, size);
    const LocaleTimeSettings settings = PickSettings(in);
    const TimeValue value = PickValue(in);
    const std::wstring pattern = fuzz::TextOf(in.ConsumeRandomLengthString(300));
    const std::wstring text = fuzz::TextOf(in.ConsumeRemainingBytesAsString());

    CheckReader(text, settings);
    CheckFormat(pattern, value, settings);
    CheckRoundTrip(value, settings);
    return 0;
}
