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

LocaleTimeSettings Settings(std::string longPattern, char separator = ':', std::string am = "AM",
                            std::string pm = "PM")
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

const char* const longPatterns[] = {"h:mm:ss",      "hh:mm:ss",     "h:mm:ss AMPM",
                                    "hh:mm:ss AMPM", "AMPM h:mm:ss", "AMPM hh:mm:ss"};

TEST(LocaleTimeSettings, DefaultsAreTheTwelveHourClockWithLowerCaseMarkers)
{
    const LocaleTimeSettings settings;
    EXPECT_EQ(settings.TimeSeparatorChar, ':');
    EXPECT_EQ(settings.AmText, "am");
    EXPECT_EQ(settings.PmText, "pm");
    EXPECT_EQ(settings.ShortTimePattern, "h:mm AMPM");
    EXPECT_EQ(settings.LongTimePattern, "h:mm:ss AMPM");
    EXPECT_TRUE(settings.MarkersMatch("aM", "Am"));
}

TEST(LocaleTimeSettings, TheProcessWideSettingsCanBeReplaced)
{
    const LocaleTimeSettings saved = CurrentLocaleTimeSettings();
    SetLocaleTimeSettings(Settings("hh:mm:ss", '.'));
    EXPECT_EQ(TimeToText(Time(9, 5, 7)), "09.05.07");
    EXPECT_EQ(TextToTime("21.05"), Time(21, 5, 0));
    SetLocaleTimeSettings(saved);
    EXPECT_EQ(TimeToText(Time(9, 5, 7)), "9:05:07 am");
}

TEST(BuildTimePatterns, FollowsTheThreeClockFlags)
{
    const struct {
        bool leadingZero, twentyFourHours, markerBefore;
        const char* shortPattern;
        const char* longPattern;
    } cases[] = {
        {false, true, false, "h:mm", "h:mm:ss"},
        {false, true, true, "h:mm", "h:mm:ss"},
        {true, true, false, "hh:mm", "hh:mm:ss"},
        {true, true, true, "hh:mm", "hh:mm:ss"},
        {false, false, false, "h:mm AMPM", "h:mm:ss AMPM"},
        {true, false, false, "hh:mm AMPM", "hh:mm:ss AMPM"},
        {false, false, true, "AMPM h:mm", "AMPM h:mm:ss"},
        {true, false, true, "AMPM hh:mm", "AMPM hh:mm:ss"},
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
        const char* name;
        LocaleTimeItems items;
        char separator;
        const char* am;
        const char* pm;
        const char* longPattern;
    } cases[] = {
        {"nothing", {}, ':', "am", "pm", "h:mm:ss AMPM"},
        {"US", {":", "AM", "PM", "0", "0", "0"}, ':', "AM", "PM", "h:mm:ss AMPM"},
        {"German", {":", "", "", "1", "1", "0"}, ':', "", "", "hh:mm:ss"},
        {"Finnish", {".", "ap.", "ip.", "0", "1", "0"}, '.', "ap.", "ip.", "h:mm:ss"},
        {"Korean", {":", "\xBF\xC0\xC0\xFC", "\xBF\xC0\xC8\xC4", "0", "0", "1"}, ':', "\xBF\xC0\xC0\xFC",
         "\xBF\xC0\xC8\xC4", "AMPM h:mm:ss"},
        {"two-character separator", {"::", {}, {}, {}, {}, {}}, ':', "am", "pm", "h:mm:ss AMPM"},
        {"empty separator", {"", {}, {}, {}, {}, {}}, ':', "am", "pm", "h:mm:ss AMPM"},
        {"flags not numbers", {"-", {}, {}, "yes", "x", "$"}, '-', "am", "pm", "h:mm:ss AMPM"},
        {"flags other than 1", {{}, {}, {}, "2", "-1", " 7"}, ':', "am", "pm", "hh:mm:ss"},
        {"hexadecimal flags", {{}, {}, {}, "$1", "$0", "$10"}, ':', "am", "pm", "AMPM hh:mm:ss"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const LocaleTimeSettings settings = TimeSettingsFromLocaleItems(c.items);
        EXPECT_EQ(settings.TimeSeparatorChar, c.separator);
        EXPECT_EQ(settings.AmText, c.am);
        EXPECT_EQ(settings.PmText, c.pm);
        EXPECT_EQ(settings.LongTimePattern, c.longPattern);
        std::string shortPattern = c.longPattern;
        shortPattern.erase(shortPattern.find(":ss"), 3);
        EXPECT_EQ(settings.ShortTimePattern, shortPattern);
    }
}

TEST(TimeToText, WritesTheLongPatternOfTheSettings)
{
    const TimeValue times[] = {Time(9, 5, 7), Time(21, 5, 7), Time(0, 15, 0), Time(12, 0, 0), Time(23, 59, 59, 999)};
    const struct {
        const char* pattern;
        const char* texts[5];
    } cases[] = {
        {"h:mm:ss", {"9:05:07", "21:05:07", "0:15:00", "12:00:00", "23:59:59"}},
        {"hh:mm:ss", {"09:05:07", "21:05:07", "00:15:00", "12:00:00", "23:59:59"}},
        {"h:mm:ss AMPM", {"9:05:07 AM", "9:05:07 PM", "12:15:00 AM", "12:00:00 PM", "11:59:59 PM"}},
        {"hh:mm:ss AMPM", {"09:05:07 AM", "09:05:07 PM", "12:15:00 AM", "12:00:00 PM", "11:59:59 PM"}},
        {"AMPM h:mm:ss", {"AM 9:05:07", "PM 9:05:07", "AM 12:15:00", "PM 12:00:00", "PM 11:59:59"}},
        {"AMPM hh:mm:ss", {"AM 09:05:07", "PM 09:05:07", "AM 12:15:00", "PM 12:00:00", "PM 11:59:59"}},
    };
    for (const auto& c : cases) {
        const LocaleTimeSettings settings = Settings(c.pattern);
        for (int i = 0; i < 5; ++i) {
            SCOPED_TRACE(testing::Message() << c.pattern << " " << c.texts[i]);
            EXPECT_EQ(TimeToText(times[i], settings), c.texts[i]);
        }
    }
    EXPECT_EQ(TimeToText(Time(14, 3, 9), Settings("h:mm:ss", '.')), "14.03.09");
}

struct FormatCase {
    const char* pattern;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << '"' << c.pattern << '"'; }

class FormatTimeValueTest : public testing::TestWithParam<FormatCase> {};

// At 13:04:05 with separator "." and markers "vorm."/"nachm.".
TEST_P(FormatTimeValueTest, WritesEachPatternItem)
{
    const LocaleTimeSettings settings = Settings("", '.', "vorm.", "nachm.");
    EXPECT_EQ(FormatTimeValue(GetParam().pattern, Time(13, 4, 5), settings), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Items, FormatTimeValueTest,
    testing::Values(
        FormatCase{"h", "13"}, FormatCase{"hh", "13"}, FormatCase{"hhh", "13"}, FormatCase{"H", "13"},
        FormatCase{"hH", "1313"}, FormatCase{"n", "4"}, FormatCase{"nn", "04"}, FormatCase{"NNN", "04"},
        FormatCase{"s", "5"}, FormatCase{"ss", "05"}, FormatCase{"SSS", "05"}, FormatCase{"h:m", "13.4"},
        FormatCase{"H:MM", "13.04"}, FormatCase{"h m", "13 4"}, FormatCase{"m", "m"}, FormatCase{"mm", "mm"},
        FormatCase{"hxm", "13xm"}, FormatCase{"h:mm:mm", "13.04.mm"}, FormatCase{"s:mm", "5.mm"},
        FormatCase{"h:mm AMPM", "1.04 nachm."}, FormatCase{"h:mm ampm", "1.04 nachm."},
        FormatCase{"AMPM h:mm", "nachm. 1.04"}, FormatCase{"h AM/PM", "1 PM"}, FormatCase{"h am/pm", "1 pm"},
        FormatCase{"h Am/pM", "1 pM"}, FormatCase{"h A/P", "1 P"}, FormatCase{"h a/p", "1 p"},
        FormatCase{"h a h AMPM", "13 a 1 nachm."}, FormatCase{"h h AMPM", "13 1 nachm."},
        FormatCase{"h AMPM h", "1 nachm. 1"}, FormatCase{"h AMPM mm", "1 nachm. mm"},
        FormatCase{"h:mm A", "13.04 A"}, FormatCase{"h:mm AM", "13.04 AM"}, FormatCase{"AM/P h", "AM/P 13"},
        FormatCase{"'h' \"x\" \xE4\xFF", "'13' \"x\" \xE4\xFF"}, FormatCase{"d/y t z", "d/y t z"},
        FormatCase{"", ""}));

TEST(FormatTimeValue, ShowsTheHourOnATwelveHourClockBesideAMarker)
{
    const LocaleTimeSettings settings = Settings("");
    const struct {
        uint16_t hour;
        const char* expected;
    } cases[] = {{0, "12 AM"}, {1, "1 AM"}, {11, "11 AM"}, {12, "12 PM"}, {13, "1 PM"}, {23, "11 PM"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hour);
        EXPECT_EQ(FormatTimeValue("h AMPM", Time(c.hour, 0, 0), settings), c.expected);
    }
}

TEST(FormatTimeValue, KeepsAtMost256Characters)
{
    const std::string longMarker(255, 'x');
    const std::string text = TimeToText(Time(9, 5, 7), Settings("h:mm:ss AMPM", ':', longMarker, "PM"));
    EXPECT_EQ(text, ("9:05:07 " + longMarker).substr(0, 256));
    EXPECT_EQ(FormatTimeValue(std::string(300, 'q'), 0.0, Settings("")), std::string(256, 'q'));
    EXPECT_EQ(FormatTimeValue(std::string(200, ':') + "hh:nn", 0.0, Settings("")), std::string(200, ':') + "00:00");
}

struct ReadCase {
    std::string text;
    std::optional<TimeValue> value;  // nullopt: invalid
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

void ExpectRead(const std::string& text, const std::optional<TimeValue>& value, const LocaleTimeSettings& settings)
{
    if (value) {
        EXPECT_EQ(TextToTime(text, settings), *value);
        return;
    }
    try {
        const TimeValue read = TextToTime(text, settings);
        ADD_FAILURE() << "accepted as " << read * 86400;
    } catch (const Error& error) {
        EXPECT_EQ(error.what(), "'" + text + "' is not a valid time");
    }
}

class TextToTimeTest : public testing::TestWithParam<ReadCase> {};

// Separator ":" and the markers AM and PM.
TEST_P(TextToTimeTest, ReadsTheClockTimeGrammar)
{
    ExpectRead(GetParam().text, GetParam().value, Settings("h:mm:ss AMPM"));
}

INSTANTIATE_TEST_SUITE_P(
    Valid, TextToTimeTest,
    testing::Values(ReadCase{"15:30", Time(15, 30, 0)}, ReadCase{"7", Time(7, 0, 0)},
                    ReadCase{"  7  :  05  ", Time(7, 5, 0)}, ReadCase{" 7 : 05 : 09 ", Time(7, 5, 9)},
                    ReadCase{"3:30 PM", Time(15, 30, 0)}, ReadCase{"3:30 pm", Time(15, 30, 0)},
                    ReadCase{"PM 3:30", Time(15, 30, 0)}, ReadCase{"pm3:30", Time(15, 30, 0)},
                    ReadCase{"3:30pM", Time(15, 30, 0)}, ReadCase{"12 AM", Time(0, 0, 0)},
                    ReadCase{"12:00 PM", Time(12, 0, 0)}, ReadCase{"12:30:15 am", Time(0, 30, 15)},
                    ReadCase{"1 am", Time(1, 0, 0)}, ReadCase{"11:59:59 PM", Time(23, 59, 59)},
                    ReadCase{"23:59:59", Time(23, 59, 59)}, ReadCase{"0:00:00", 0.0},
                    ReadCase{"09:05:07", Time(9, 5, 7)}, ReadCase{"0007:0005", Time(7, 5, 0)},
                    ReadCase{std::string(3000, '0') + "7", Time(7, 0, 0)},
                    ReadCase{"AM  09:05:07  ", Time(9, 5, 7)}, ReadCase{"  PM 9", Time(21, 0, 0)}));

INSTANTIATE_TEST_SUITE_P(
    Invalid, TextToTimeTest,
    testing::Values(ReadCase{"0 PM", {}}, ReadCase{"13 PM", {}}, ReadCase{"24:00", {}}, ReadCase{"7:60", {}},
                    ReadCase{"7:", {}}, ReadCase{"7:05:30:00", {}}, ReadCase{"7:05:30.5", {}}, ReadCase{"", {}},
                    ReadCase{"   ", {}}, ReadCase{"AM", {}}, ReadCase{"PM:", {}}, ReadCase{":", {}},
                    ReadCase{":::", {}}, ReadCase{":30", {}}, ReadCase{"7::30", {}}, ReadCase{"7:05:60", {}},
                    ReadCase{"1 2", {}}, ReadCase{"7 AM PM", {}}, ReadCase{"AM 7 PM", {}},
                    ReadCase{"7 PMX", {}}, ReadCase{"\t7", {}}, ReadCase{"7\t", {}}, ReadCase{"7.05", {}},
                    ReadCase{"-7", {}}, ReadCase{"+7", {}}, ReadCase{"10000", {}}, ReadCase{"7:1000", {}},
                    ReadCase{std::string(3000, '9'), {}}, ReadCase{"7 \xC4M", {}}, ReadCase{"\xFF", {}}));

TEST(TextToTime, FollowsTheSeparatorOfTheSettings)
{
    const LocaleTimeSettings settings = Settings("h:mm:ss", '.');
    ExpectRead("7.05", Time(7, 5, 0), settings);
    ExpectRead("7.05.09 pm", Time(19, 5, 9), settings);
    ExpectRead("7:05", std::nullopt, settings);
}

TEST(TextToTime, TakesTheLocaleMarkersAndTheLiteralOnes)
{
    const LocaleTimeSettings settings = Settings("h:mm:ss AMPM", ':', "vorm.", "nachm.");
    const struct {
        const char* text;
        std::optional<TimeValue> value;
    } cases[] = {
        {"3:30 nachm.", Time(15, 30, 0)}, {"NACHM. 3:30", Time(15, 30, 0)}, {"3:30 Vorm.", Time(3, 30, 0)},
        {"3:30 PM", Time(15, 30, 0)},     {"3:30 am", Time(3, 30, 0)},      {"3:30 nachm", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ExpectRead(c.text, c.value, settings);
    }
}

TEST(TextToTime, EmptyMarkerTextsNeverMatch)
{
    const LocaleTimeSettings settings = Settings("h:mm:ss", ':', "", "");
    ExpectRead("7:05 ", Time(7, 5, 0), settings);
    ExpectRead("7:05 pm", Time(19, 5, 0), settings);
    ExpectRead("7:05 x", std::nullopt, settings);
}

// A marker that begins with the other one is still read whole.
TEST(TextToTime, TakesTheLongestMarkerThatFits)
{
    const LocaleTimeSettings settings = Settings("h:mm:ss AMPM", ':', "a", "ab");
    const struct {
        const char* text;
        TimeValue value;
    } cases[] = {{"1:00 a", Time(1, 0, 0)},  {"1:00 ab", Time(13, 0, 0)}, {"1:00 am", Time(1, 0, 0)},
                 {"ab 1:00", Time(13, 0, 0)}, {"1:00 pm", Time(13, 0, 0)}, {"A 1", Time(1, 0, 0)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ExpectRead(c.text, c.value, settings);
    }
}

// A comparison that also folds the Latin-1 letters, as a user locale would.
bool MatchFoldingLatin1(std::string_view a, std::string_view b)
{
    auto fold = [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return (u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7) ? u - 0x20 : u;
    };
    return std::ranges::equal(a, b, [&](char x, char y) { return fold(x) == fold(y); });
}

TEST(TextToTime, ComparesMarkersWithTheInstalledComparison)
{
    LocaleTimeSettings settings = Settings("h:mm:ss AMPM", ':', "\xE4m", "\xF6m");
    ExpectRead("1:00 \xC4M", std::nullopt, settings);
    settings.MarkersMatch = MatchFoldingLatin1;
    ExpectRead("1:00 \xC4M", Time(1, 0, 0), settings);
    ExpectRead("1:00 \xD6m", Time(13, 0, 0), settings);
    ExpectRead("1:00 pM", Time(13, 0, 0), settings);
}

TEST(TextToTime, ReadsBackEverySecondWrittenUnderEachLongPattern)
{
    const struct {
        char separator;
        const char* am;
        const char* pm;
    } variants[] = {{':', "AM", "PM"}, {'.', "\xBF\xC0\xC0\xFC", "\xBF\xC0\xC8\xC4"}};
    for (const auto& variant : variants) {
        for (const char* pattern : longPatterns) {
            SCOPED_TRACE(testing::Message() << pattern << " separator " << variant.separator);
            const LocaleTimeSettings settings = Settings(pattern, variant.separator, variant.am, variant.pm);
            for (int second = 0; second < 86400; ++second) {
                const auto h = static_cast<uint16_t>(second / 3600);
                const auto m = static_cast<uint16_t>(second / 60 % 60);
                const auto s = static_cast<uint16_t>(second % 60);
                const std::string text = TimeToText(Time(h, m, s, static_cast<uint16_t>(second * 7 % 1000)), settings);
                ASSERT_EQ(TextToTime(text, settings), Time(h, m, s)) << text;
            }
        }
    }
}

// Whatever bytes arrive, the reader either gives a time of day in whole
// seconds or raises its conversion error.
TEST(TextToTime, AnyTextConvertsOrRaisesTheConversionError)
{
    const LocaleTimeSettings settings = Settings("h:mm:ss AMPM", ':', "vorm.", "nachm.");
    const std::string alphabet = "0123456789 :.aApPmMvn\t\x80\xC4\xFF";
    std::mt19937 random(19991231);
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<size_t> length(0, 12);
    int accepted = 0;
    for (int i = 0; i < 50000; ++i) {
        std::string text;
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
            ASSERT_EQ(error.what(), "'" + text + "' is not a valid time");
        }
    }
    EXPECT_GT(accepted, 0);
}

}  // namespace
}  // namespace brevant
