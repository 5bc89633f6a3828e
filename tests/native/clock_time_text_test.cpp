#include "text/clock_time_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <random>
#include <string>

#include "text/error.h"

namespace brevant {
namespace {

LocaleTimeSettings Settings(std::wstring longPattern, wchar_t separator = L':', std::wstring am = L"AM",
                            std::wstring pm = L"PM")
{
    LocaleTimeSettings settings;
    settings.TimeSeparatorChar = separator;
    settings.AmText = std::move(am);
    settings.PmText = std::move(pm);
    settings.LongTimePattern = std::move(longPattern);
    return settings;
}

TimeValue Time(uint16_t hour, uint16_t minute, uint16_t second, uint16_t millisecond = 0)
{
    return ComposeTime(hour, minute, second, millisecond);
}

const wchar_t* const longPatterns[] = {L"h:mm:ss",      L"hh:mm:ss",     L"h:mm:ss AMPM",
                                    L"hh:mm:ss AMPM", L"AMPM h:mm:ss", L"AMPM hh:mm:ss"};

TEST(LocaleTimeSettings, DefaultsAreTheTwelveHourClockWithLowerCaseMarkers)
{
    const LocaleTimeSettings settings;
    EXPECT_EQ(settings.TimeSeparatorChar, L':');
    EXPECT_EQ(settings.AmText, L"am");
    EXPECT_EQ(settings.PmText, L"pm");
    EXPECT_EQ(settings.ShortTimePattern, L"h:mm AMPM");
    EXPECT_EQ(settings.LongTimePattern, L"h:mm:ss AMPM");
    EXPECT_TRUE(settings.MarkersMatch(L"aM", L"Am"));
}

TEST(LocaleTimeSettings, TheProcessWideSettingsCanBeReplaced)
{
    const LocaleTimeSettings saved = CurrentLocaleTimeSettings();
    SetLocaleTimeSettings(Settings(L"hh:mm:ss", L'.'));
    EXPECT_EQ(TimeToText(Time(9, 5, 7)), L"09.05.07");
    EXPECT_EQ(TextToTime(L"21.05"), Time(21, 5, 0));
    SetLocaleTimeSettings(saved);
    EXPECT_EQ(TimeToText(Time(9, 5, 7)), L"9:05:07 am");
}

TEST(BuildTimePatterns, FollowsTheThreeClockFlags)
{
    const struct {
        bool leadingZero, twentyFourHours, markerBefore;
        const wchar_t* shortPattern;
        const wchar_t* longPattern;
    } cases[] = {
        {false, true, false, L"h:mm", L"h:mm:ss"},
        {false, true, true, L"h:mm", L"h:mm:ss"},
        {true, true, false, L"hh:mm", L"hh:mm:ss"},
        {true, true, true, L"hh:mm", L"hh:mm:ss"},
        {false, false, false, L"h:mm AMPM", L"h:mm:ss AMPM"},
        {true, false, false, L"hh:mm AMPM", L"hh:mm:ss AMPM"},
        {false, false, true, L"AMPM h:mm", L"AMPM h:mm:ss"},
        {true, false, true, L"AMPM hh:mm", L"AMPM hh:mm:ss"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.longPattern);
        const TimePatterns patterns = BuildTimePatterns(c.leadingZero, c.twentyFourHours, c.markerBefore);
        EXPECT_EQ(patterns.ShortTimePattern, c.shortPattern);
        EXPECT_EQ(patterns.LongTimePattern, c.longPattern);
    }
}

TEST(TimeSettingsFromLocaleItems, TakesTheItemsAndFallsBackWhereTheyAreMissing)
{
    const struct {
        const wchar_t* name;
        LocaleTimeItems items;
        wchar_t separator;
        const wchar_t* am;
        const wchar_t* pm;
        const wchar_t* longPattern;
    } cases[] = {
        {L"nothing", {}, L':', L"am", L"pm", L"h:mm:ss AMPM"},
        {L"US", {L":", L"AM", L"PM", L"0", L"0", L"0"}, L':', L"AM", L"PM", L"h:mm:ss AMPM"},
        {L"German", {L":", L"", L"", L"1", L"1", L"0"}, L':', L"", L"", L"hh:mm:ss"},
        {L"Finnish", {L".", L"ap.", L"ip.", L"0", L"1", L"0"}, L'.', L"ap.", L"ip.", L"h:mm:ss"},
        {L"Korean", {L":", L"\xBF\xC0\xC0\xFC", L"\xBF\xC0\xC8\xC4", L"0", L"0", L"1"}, L':', L"\xBF\xC0\xC0\xFC",
         L"\xBF\xC0\xC8\xC4", L"AMPM h:mm:ss"},
        {L"two-character separator", {L"::", {}, {}, {}, {}, {}}, L':', L"am", L"pm", L"h:mm:ss AMPM"},
        {L"empty separator", {L"", {}, {}, {}, {}, {}}, L':', L"am", L"pm", L"h:mm:ss AMPM"},
        {L"flags not numbers", {L"-", {}, {}, L"yes", L"x", L"$"}, L'-', L"am", L"pm", L"h:mm:ss AMPM"},
        {L"flags other than 1", {{}, {}, {}, L"2", L"-1", L" 7"}, L':', L"am", L"pm", L"hh:mm:ss"},
        {L"hexadecimal flags", {{}, {}, {}, L"$1", L"$0", L"$10"}, L':', L"am", L"pm", L"AMPM hh:mm:ss"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const LocaleTimeSettings settings = TimeSettingsFromLocaleItems(c.items);
        EXPECT_EQ(settings.TimeSeparatorChar, c.separator);
        EXPECT_EQ(settings.AmText, c.am);
        EXPECT_EQ(settings.PmText, c.pm);
        EXPECT_EQ(settings.LongTimePattern, c.longPattern);
        std::wstring shortPattern = c.longPattern;
        shortPattern.erase(shortPattern.find(L":ss"), 3);
        EXPECT_EQ(settings.ShortTimePattern, shortPattern);
    }
}

TEST(TimeToText, WritesTheLongPatternOfTheSettings)
{
    const TimeValue times[] = {Time(9, 5, 7), Time(21, 5, 7), Time(0, 15, 0), Time(12, 0, 0), Time(23, 59, 59, 999)};
    const struct {
        const wchar_t* pattern;
        const wchar_t* texts[5];
    } cases[] = {
        {L"h:mm:ss", {L"9:05:07", L"21:05:07", L"0:15:00", L"12:00:00", L"23:59:59"}},
        {L"hh:mm:ss", {L"09:05:07", L"21:05:07", L"00:15:00", L"12:00:00", L"23:59:59"}},
        {L"h:mm:ss AMPM", {L"9:05:07 AM", L"9:05:07 PM", L"12:15:00 AM", L"12:00:00 PM", L"11:59:59 PM"}},
        {L"hh:mm:ss AMPM", {L"09:05:07 AM", L"09:05:07 PM", L"12:15:00 AM", L"12:00:00 PM", L"11:59:59 PM"}},
        {L"AMPM h:mm:ss", {L"AM 9:05:07", L"PM 9:05:07", L"AM 12:15:00", L"PM 12:00:00", L"PM 11:59:59"}},
        {L"AMPM hh:mm:ss", {L"AM 09:05:07", L"PM 09:05:07", L"AM 12:15:00", L"PM 12:00:00", L"PM 11:59:59"}},
    };
    for (const auto& c : cases) {
        const LocaleTimeSettings settings = Settings(c.pattern);
        for (int i = 0; i < 5; ++i) {
            SCOPED_TRACE(testing::Message() << c.pattern << " " << c.texts[i]);
            EXPECT_EQ(TimeToText(times[i], settings), c.texts[i]);
        }
    }
    EXPECT_EQ(TimeToText(Time(14, 3, 9), Settings(L"h:mm:ss", L'.')), L"14.03.09");
}

struct FormatCase {
    const wchar_t* pattern;
    const wchar_t* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << testing::PrintToString(std::wstring(c.pattern)); }

class FormatTimeValueTest : public testing::TestWithParam<FormatCase> {};

// At 13:04:05 with separator "." and markers "vorm."/"nachm.".
TEST_P(FormatTimeValueTest, WritesEachPatternItem)
{
    const LocaleTimeSettings settings = Settings(L"", L'.', L"vorm.", L"nachm.");
    EXPECT_EQ(FormatTimeValue(GetParam().pattern, Time(13, 4, 5), settings), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Items, FormatTimeValueTest,
    testing::Values(
        FormatCase{L"h", L"13"}, FormatCase{L"hh", L"13"}, FormatCase{L"hhh", L"13"}, FormatCase{L"H", L"13"},
        FormatCase{L"hH", L"1313"}, FormatCase{L"n", L"4"}, FormatCase{L"nn", L"04"}, FormatCase{L"NNN", L"04"},
        FormatCase{L"s", L"5"}, FormatCase{L"ss", L"05"}, FormatCase{L"SSS", L"05"}, FormatCase{L"h:m", L"13.4"},
        FormatCase{L"H:MM", L"13.04"}, FormatCase{L"h m", L"13 4"}, FormatCase{L"m", L"m"}, FormatCase{L"mm", L"mm"},
        FormatCase{L"hxm", L"13xm"}, FormatCase{L"h:mm:mm", L"13.04.mm"}, FormatCase{L"s:mm", L"5.mm"},
        FormatCase{L"h:mm AMPM", L"1.04 nachm."}, FormatCase{L"h:mm ampm", L"1.04 nachm."},
        FormatCase{L"AMPM h:mm", L"nachm. 1.04"}, FormatCase{L"h AM/PM", L"1 PM"}, FormatCase{L"h am/pm", L"1 pm"},
        FormatCase{L"h Am/pM", L"1 pM"}, FormatCase{L"h A/P", L"1 P"}, FormatCase{L"h a/p", L"1 p"},
        FormatCase{L"h a h AMPM", L"13 a 1 nachm."}, FormatCase{L"h h AMPM", L"13 1 nachm."},
        FormatCase{L"h AMPM h", L"1 nachm. 1"}, FormatCase{L"h AMPM mm", L"1 nachm. mm"},
        FormatCase{L"h:mm A", L"13.04 A"}, FormatCase{L"h:mm AM", L"13.04 AM"}, FormatCase{L"AM/P h", L"AM/P 13"},
        FormatCase{L"'h' \"x\" \xE4\xFF", L"'13' \"x\" \xE4\xFF"}, FormatCase{L"d/y t z", L"d/y t z"},
        FormatCase{L"", L""}));

TEST(FormatTimeValue, ShowsTheHourOnATwelveHourClockBesideAMarker)
{
    const LocaleTimeSettings settings = Settings(L"");
    const struct {
        uint16_t hour;
        const wchar_t* expected;
    } cases[] = {{0, L"12 AM"}, {1, L"1 AM"}, {11, L"11 AM"}, {12, L"12 PM"}, {13, L"1 PM"}, {23, L"11 PM"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hour);
        EXPECT_EQ(FormatTimeValue(L"h AMPM", Time(c.hour, 0, 0), settings), c.expected);
    }
}

TEST(FormatTimeValue, KeepsAtMost256Characters)
{
    const std::wstring longMarker(255, L'x');
    const std::wstring text = TimeToText(Time(9, 5, 7), Settings(L"h:mm:ss AMPM", L':', longMarker, L"PM"));
    EXPECT_EQ(text, (L"9:05:07 " + longMarker).substr(0, 256));
    EXPECT_EQ(FormatTimeValue(std::wstring(300, L'q'), 0.0, Settings(L"")), std::wstring(256, L'q'));
    EXPECT_EQ(FormatTimeValue(std::wstring(200, L':') + L"hh:nn", 0.0, Settings(L"")), std::wstring(200, L':') + L"00:00");
}

struct ReadCase {
    std::wstring text;
    std::optional<TimeValue> value;  // nullopt: invalid
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << testing::PrintToString(c.text); }

void ExpectRead(const std::wstring& text, const std::optional<TimeValue>& value, const LocaleTimeSettings& settings)
{
    if (value) {
        EXPECT_EQ(TextToTime(text, settings), *value);
        return;
    }
    try {
        const TimeValue read = TextToTime(text, settings);
        ADD_FAILURE() << L"accepted as " << read * 86400;
    } catch (const Error& error) {
        EXPECT_EQ(error.Message(), L"'" + text + L"' is not a valid time");
    }
}

class TextToTimeTest : public testing::TestWithParam<ReadCase> {};

// Separator ":" and the markers AM and PM.
TEST_P(TextToTimeTest, ReadsTheClockTimeGrammar)
{
    ExpectRead(GetParam().text, GetParam().value, Settings(L"h:mm:ss AMPM"));
}

INSTANTIATE_TEST_SUITE_P(
    Valid, TextToTimeTest,
    testing::Values(ReadCase{L"15:30", Time(15, 30, 0)}, ReadCase{L"7", Time(7, 0, 0)},
                    ReadCase{L"  7  :  05  ", Time(7, 5, 0)}, ReadCase{L" 7 : 05 : 09 ", Time(7, 5, 9)},
                    ReadCase{L"3:30 PM", Time(15, 30, 0)}, ReadCase{L"3:30 pm", Time(15, 30, 0)},
                    ReadCase{L"PM 3:30", Time(15, 30, 0)}, ReadCase{L"pm3:30", Time(15, 30, 0)},
                    ReadCase{L"3:30pM", Time(15, 30, 0)}, ReadCase{L"12 AM", Time(0, 0, 0)},
                    ReadCase{L"12:00 PM", Time(12, 0, 0)}, ReadCase{L"12:30:15 am", Time(0, 30, 15)},
                    ReadCase{L"1 am", Time(1, 0, 0)}, ReadCase{L"11:59:59 PM", Time(23, 59, 59)},
                    ReadCase{L"23:59:59", Time(23, 59, 59)}, ReadCase{L"0:00:00", 0.0},
                    ReadCase{L"09:05:07", Time(9, 5, 7)}, ReadCase{L"0007:0005", Time(7, 5, 0)},
                    ReadCase{std::wstring(3000, L'0') + L"7", Time(7, 0, 0)},
                    ReadCase{L"AM  09:05:07  ", Time(9, 5, 7)}, ReadCase{L"  PM 9", Time(21, 0, 0)}));

INSTANTIATE_TEST_SUITE_P(
    Invalid, TextToTimeTest,
    testing::Values(ReadCase{L"0 PM", {}}, ReadCase{L"13 PM", {}}, ReadCase{L"24:00", {}}, ReadCase{L"7:60", {}},
                    ReadCase{L"7:", {}}, ReadCase{L"7:05:30:00", {}}, ReadCase{L"7:05:30.5", {}}, ReadCase{L"", {}},
                    ReadCase{L"   ", {}}, ReadCase{L"AM", {}}, ReadCase{L"PM:", {}}, ReadCase{L":", {}},
                    ReadCase{L":::", {}}, ReadCase{L":30", {}}, ReadCase{L"7::30", {}}, ReadCase{L"7:05:60", {}},
                    ReadCase{L"1 2", {}}, ReadCase{L"7 AM PM", {}}, ReadCase{L"AM 7 PM", {}},
                    ReadCase{L"7 PMX", {}}, ReadCase{L"\t7", {}}, ReadCase{L"7\t", {}}, ReadCase{L"7.05", {}},
                    ReadCase{L"-7", {}}, ReadCase{L"+7", {}}, ReadCase{L"10000", {}}, ReadCase{L"7:1000", {}},
                    ReadCase{std::wstring(3000, L'9'), {}}, ReadCase{L"7 \xC4M", {}}, ReadCase{L"\xFF", {}}));

TEST(TextToTime, FollowsTheSeparatorOfTheSettings)
{
    const LocaleTimeSettings settings = Settings(L"h:mm:ss", L'.');
    ExpectRead(L"7.05", Time(7, 5, 0), settings);
    ExpectRead(L"7.05.09 pm", Time(19, 5, 9), settings);
    ExpectRead(L"7:05", std::nullopt, settings);
}

TEST(TextToTime, TakesTheLocaleMarkersAndTheLiteralOnes)
{
    const LocaleTimeSettings settings = Settings(L"h:mm:ss AMPM", L':', L"vorm.", L"nachm.");
    const struct {
        const wchar_t* text;
        std::optional<TimeValue> value;
    } cases[] = {
        {L"3:30 nachm.", Time(15, 30, 0)}, {L"NACHM. 3:30", Time(15, 30, 0)}, {L"3:30 Vorm.", Time(3, 30, 0)},
        {L"3:30 PM", Time(15, 30, 0)},     {L"3:30 am", Time(3, 30, 0)},      {L"3:30 nachm", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ExpectRead(c.text, c.value, settings);
    }
}

TEST(TextToTime, EmptyMarkerTextsNeverMatch)
{
    const LocaleTimeSettings settings = Settings(L"h:mm:ss", L':', L"", L"");
    ExpectRead(L"7:05 ", Time(7, 5, 0), settings);
    ExpectRead(L"7:05 pm", Time(19, 5, 0), settings);
    ExpectRead(L"7:05 x", std::nullopt, settings);
}

// A marker that begins with the other one is still read whole.
TEST(TextToTime, TakesTheLongestMarkerThatFits)
{
    const LocaleTimeSettings settings = Settings(L"h:mm:ss AMPM", L':', L"a", L"ab");
    const struct {
        const wchar_t* text;
        TimeValue value;
    } cases[] = {{L"1:00 a", Time(1, 0, 0)},  {L"1:00 ab", Time(13, 0, 0)}, {L"1:00 am", Time(1, 0, 0)},
                 {L"ab 1:00", Time(13, 0, 0)}, {L"1:00 pm", Time(13, 0, 0)}, {L"A 1", Time(1, 0, 0)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ExpectRead(c.text, c.value, settings);
    }
}

// A comparison that also folds the Latin-1 letters, as a user locale would.
bool MatchFoldingLatin1(std::wstring_view a, std::wstring_view b)
{
    auto fold = [](wchar_t c) {
        const auto u = static_cast<uint32_t>(c);
        return (u >= L'a' && u <= L'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7) ? u - 0x20 : u;
    };
    return std::ranges::equal(a, b, [&](wchar_t x, wchar_t y) { return fold(x) == fold(y); });
}

TEST(TextToTime, ComparesMarkersWithTheInstalledComparison)
{
    LocaleTimeSettings settings = Settings(L"h:mm:ss AMPM", L':', L"\xE4m", L"\xF6m");
    ExpectRead(L"1:00 \xC4M", std::nullopt, settings);
    settings.MarkersMatch = MatchFoldingLatin1;
    ExpectRead(L"1:00 \xC4M", Time(1, 0, 0), settings);
    ExpectRead(L"1:00 \xD6m", Time(13, 0, 0), settings);
    ExpectRead(L"1:00 pM", Time(13, 0, 0), settings);
}

TEST(TextToTime, ReadsBackEverySecondWrittenUnderEachLongPattern)
{
    const struct {
        wchar_t separator;
        const wchar_t* am;
        const wchar_t* pm;
    } variants[] = {{L':', L"AM", L"PM"}, {L'.', L"\xC624\xC804", L"\xC624\xD6C4"}};
    for (const auto& variant : variants) {
        for (const wchar_t* pattern : longPatterns) {
            SCOPED_TRACE(testing::Message() << pattern << " separator " << std::wstring(1, variant.separator));
            const LocaleTimeSettings settings = Settings(pattern, variant.separator, variant.am, variant.pm);
            for (int second = 0; second < 86400; ++second) {
                const auto h = static_cast<uint16_t>(second / 3600);
                const auto m = static_cast<uint16_t>(second / 60 % 60);
                const auto s = static_cast<uint16_t>(second % 60);
                const std::wstring text = TimeToText(Time(h, m, s, static_cast<uint16_t>(second * 7 % 1000)), settings);
                ASSERT_EQ(TextToTime(text, settings), Time(h, m, s)) << text;
            }
        }
    }
}

// Whatever bytes arrive, the reader either gives a time of day in whole
// seconds or raises its conversion error.
TEST(TextToTime, AnyTextConvertsOrRaisesTheConversionError)
{
    const LocaleTimeSettings settings = Settings(L"h:mm:ss AMPM", L':', L"vorm.", L"nachm.");
    const std::wstring alphabet = L"0123456789 :.aApPmMvn\t\x80\xC4\xFF";
    std::mt19937 random(19991231);
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<size_t> length(0, 12);
    int accepted = 0;
    for (int i = 0; i < 50000; ++i) {
        std::wstring text;
        for (size_t n = length(random); n > 0; --n)
            text += alphabet[pick(random)];
        SCOPED_TRACE(text);
        try {
            const TimeValue value = TextToTime(text, settings);
            ++accepted;
            ASSERT_GE(value, 0.0);
            ASSERT_LT(value, 1.0);
            ASSERT_EQ(SplitTime(value).millisecond, 0);
        } catch (const Error& error) {
            ASSERT_EQ(error.Message(), L"'" + text + L"' is not a valid time");
        }
    }
    EXPECT_GT(accepted, 0);
}

}  // namespace
}  // namespace brevant
