// Clock-time text under regional settings picked by the input: what the reader
// accepts, arbitrary format patterns, and writing a time then reading it back.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
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

LocaleTimeSettings Settings(char separator, std::string am, std::string pm, TimePatterns patterns)
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
    Settings(':', "AM", "PM", BuildTimePatterns(false, false, false)),
    Settings(':', "AM", "PM", BuildTimePatterns(true, true, false)),
    Settings('.', "ap.", "ip.", BuildTimePatterns(false, true, false)),
    Settings(':', "\xBF\xC0\xC0\xFC", "\xBF\xC0\xC8\xC4", BuildTimePatterns(false, false, true)),
    Settings(':', "", "", BuildTimePatterns(false, false, false)),
};

LocaleTimeSettings PickSettings(FuzzedDataProvider& in)
{
    const size_t choice = in.ConsumeIntegralInRange<size_t>(0, kRegionalSettings.size());
    if (choice < kRegionalSettings.size())
        return kRegionalSettings[choice];
    const char separator = in.ConsumeIntegral<char>();
    std::string am = in.ConsumeRandomLengthString(12);
    std::string pm = in.ConsumeRandomLengthString(12);
    TimePatterns patterns = BuildTimePatterns(in.ConsumeBool(), in.ConsumeBool(), in.ConsumeBool());
    if (in.ConsumeBool())
        patterns.LongTimePattern = in.ConsumeRandomLengthString(24);
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

std::optional<TimeValue> ReadTime(std::string_view text, const LocaleTimeSettings& settings)
{
    try {
        return TextToTime(text, settings);
    } catch (const Error& error) {
        FUZZ_REQUIRE(fuzz::MessageIs(error, "'" + std::string(text) + "' is not a valid time"));
        return std::nullopt;
    }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether the reader can take hours, minutes and seconds written with the
// separator: the separator is neither a digit nor a blank, and no marker
// begins with a digit (the reader looks for a marker before the hour).
bool ReadsClockDigits(const LocaleTimeSettings& settings)
{
    const auto beginsWithDigit = [](std::string_view marker) { return !marker.empty() && IsDigit(marker[0]); };
    return !IsDigit(settings.TimeSeparatorChar) && settings.TimeSeparatorChar != ' ' &&
           !beginsWithDigit(settings.AmText) && !beginsWithDigit(settings.PmText);
}

bool IsMarkerCharacter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || byte == '.' || byte >= 0x80;
}

bool IsMarkerText(std::string_view text)
{
    return !text.empty() && std::ranges::all_of(text, IsMarkerCharacter);
}

bool IsBuiltPattern(std::string_view pattern)
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
    if (settings.LongTimePattern.find("AMPM") == std::string::npos)
        return true;
    const auto same = [](std::string_view a, std::string_view b) {
        return a.size() == b.size() && MatchIgnoringAsciiCase(a, b);
    };
    return IsMarkerText(settings.AmText) && IsMarkerText(settings.PmText) &&
           !same(settings.AmText, settings.PmText) && !same(settings.PmText, "AM");
}

std::string TwoDigits(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02u", value);
    return text;
}

void CheckReader(std::string_view text, const LocaleTimeSettings& settings)
{
    const std::optional<TimeValue> read = ReadTime(text, settings);
    FUZZ_REQUIRE(ReadTime("  " + std::string(text), settings) == read);
    if (!read)
        return;
    FUZZ_REQUIRE(std::ranges::any_of(text, IsDigit));
    FUZZ_REQUIRE(*read >= 0 && *read < 1);
    const TimeOfDay time = SplitTime(*read);
    FUZZ_REQUIRE(time.millisecond == 0);
    FUZZ_REQUIRE(*read == ComposeTime(time.hour, time.minute, time.second, 0));
    if (ReadsClockDigits(settings))
        FUZZ_REQUIRE(ReadTime(FormatTimeValue("hh:nn:ss", *read, settings), settings) == read);
}

void CheckFormat(std::string_view pattern, TimeValue value, const LocaleTimeSettings& settings)
{
    const std::string formatted = FormatTimeValue(pattern, value, settings);
    FUZZ_REQUIRE(formatted.size() <= 256);
    FUZZ_REQUIRE(FormatTimeValue(pattern, value, settings) == formatted);

    // Without letters only the separator item is replaced.
    if (std::ranges::none_of(pattern, [](char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; })) {
        std::string expected(pattern);
        std::ranges::replace(expected, ':', settings.TimeSeparatorChar);
        expected.resize(std::min<size_t>(expected.size(), 256));
        FUZZ_REQUIRE(formatted == expected);
    }

    const TimeOfDay time = SplitTime(value);
    FUZZ_REQUIRE(time.hour < 24 && time.minute < 60 && time.second < 60 && time.millisecond < 1000);
    const std::string separator(1, settings.TimeSeparatorChar);
    FUZZ_REQUIRE(FormatTimeValue("hh:nn:ss", value, settings) ==
                 TwoDigits(time.hour) + separator + TwoDigits(time.minute) + separator + TwoDigits(time.second));
    const unsigned clockHour = time.hour % 12 == 0 ? 12 : time.hour % 12;
    FUZZ_REQUIRE(FormatTimeValue("h A/P", value, settings) ==
                 std::to_string(clockHour) + (time.hour < 12 ? " A" : " P"));
    FUZZ_REQUIRE(FormatTimeValue("am/pm hh", value, settings) ==
                 (time.hour < 12 ? "am " : "pm ") + TwoDigits(clockHour));
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
    const std::string pattern = in.ConsumeRandomLengthString(300);
    const std::string text = in.ConsumeRemainingBytesAsString();

    CheckReader(text, settings);
    CheckFormat(pattern, value, settings);
    CheckRoundTrip(value, settings);
    return 0;
}
