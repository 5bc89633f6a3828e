#include "text/time_value.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "text/error.h"

namespace brevant {
namespace {

constexpr double millisecondsPerDay = 86400000.0;

void ExpectTimeOfDay(const TimeOfDay& time, uint16_t hour, uint16_t minute, uint16_t second, uint16_t millisecond)
{
    EXPECT_EQ(time.hour, hour);
    EXPECT_EQ(time.minute, minute);
    EXPECT_EQ(time.second, second);
    EXPECT_EQ(time.millisecond, millisecond);
}

template <typename Call>
void ExpectError(Call call, const std::string& message)
{
    try {
        call();
        ADD_FAILURE() << "no error, expected " << message;
    } catch (const Error& error) {
        EXPECT_EQ(error.what(), message);
    }
}

TEST(ComposeTime, GivesMillisecondsTimesTheDayFraction)
{
    const struct {
        uint16_t hour, minute, second, millisecond;
        double expected;
    } cases[] = {
        {0, 0, 0, 0, 0.0},
        {12, 0, 0, 0, 0.5},
        {18, 0, 0, 0, 0.75},
        {23, 59, 59, 999, 86399999 * (1.0 / millisecondsPerDay)},
        {7, 5, 30, 1, 25530001 * (1.0 / millisecondsPerDay)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hour << ':' << c.minute << ':' << c.second << '.' << c.millisecond);
        EXPECT_EQ(ComposeTime(c.hour, c.minute, c.second, c.millisecond), c.expected);
    }
}

TEST(ComposeTime, RefusesFieldsOutOfRange)
{
    const struct {
        uint16_t hour, minute, second, millisecond;
    } cases[] = {{24, 0, 0, 0}, {10, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}, {65535, 65535, 65535, 65535}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hour << ':' << c.minute << ':' << c.second << '.' << c.millisecond);
        ExpectError([&] { ComposeTime(c.hour, c.minute, c.second, c.millisecond); },
                    "Invalid argument to time encode");
    }
}

TEST(SplitTime, GivesTheTimeOfDayRoundedToTheMillisecond)
{
    const struct {
        double value;
        uint16_t hour, minute, second, millisecond;
    } cases[] = {
        {0.5, 12, 0, 0, 0},
        {0.75, 18, 0, 0, 0},
        {36000.25, 6, 0, 0, 0},
        {0.0, 0, 0, 0, 0},
        {(86400000 - 0.4) / millisecondsPerDay, 0, 0, 0, 0},  // rounds into the next day
        {(86400000 - 0.6) / millisecondsPerDay, 23, 59, 59, 999},
        {45000.0 + 1234.4 / millisecondsPerDay, 0, 0, 1, 234},
        {2.5 / millisecondsPerDay, 0, 0, 0, 2},  // a half goes to the even neighbour
        {3.5 / millisecondsPerDay, 0, 0, 0, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        ExpectTimeOfDay(SplitTime(c.value), c.hour, c.minute, c.second, c.millisecond);
    }
}

TEST(SplitTime, ReadsBackEveryComposedSecond)
{
    for (uint16_t millisecond : {0, 1, 499, 500, 999}) {
        for (int second = 0; second < 86400; ++second) {
            const auto h = static_cast<uint16_t>(second / 3600);
            const auto m = static_cast<uint16_t>(second / 60 % 60);
            const auto s = static_cast<uint16_t>(second % 60);
            const TimeOfDay time = SplitTime(ComposeTime(h, m, s, millisecond));
            ASSERT_TRUE(time.hour == h && time.minute == m && time.second == s && time.millisecond == millisecond)
                << h << ':' << m << ':' << s << '.' << millisecond;
        }
    }
}

TEST(DayNumberOf, CountsGregorianDaysFromDayZero)
{
    const struct {
        uint16_t year, month, day;
        int32_t number;
    } cases[] = {
        {1899, 12, 30, 0},     {1899, 12, 31, 1},     {1900, 1, 1, 2},          {1900, 3, 1, 61},
        {1899, 12, 29, -1},    {1998, 7, 24, 36000},  {2000, 2, 29, 36585},     {1, 1, 1, -693593},
        {9999, 12, 31, 2958465},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << '-' << c.month << '-' << c.day);
        EXPECT_EQ(DayNumberOf(c.year, c.month, c.day), c.number);
        const DateTimeParts date = DateOfDayNumber(c.number);
        EXPECT_EQ(date.year, c.year);
        EXPECT_EQ(date.month, c.month);
        EXPECT_EQ(date.day, c.day);
    }
}

TEST(DayNumberOf, RefusesDatesTheCalendarDoesNotHave)
{
    const struct {
        uint16_t year, month, day;
    } cases[] = {{2023, 2, 29}, {1900, 2, 29}, {2024, 13, 1}, {2024, 0, 1}, {2024, 1, 0}, {2024, 4, 31},
                 {0, 1, 1},     {10000, 1, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << '-' << c.month << '-' << c.day);
        ExpectError([&] { DayNumberOf(c.year, c.month, c.day); }, "Invalid argument to date encode");
    }
}

TEST(DateOfDayNumber, ReadsBackEveryDayOfEightCenturies)
{
    for (int32_t number = DayNumberOf(1600, 1, 1); number <= DayNumberOf(2400, 12, 31); ++number) {
        const DateTimeParts date = DateOfDayNumber(number);
        ASSERT_EQ(DayNumberOf(date.year, date.month, date.day), number);
    }
}

TEST(DateTime, ComposesAndSplitsDateAndTimeOfDay)
{
    const struct {
        DateTimeParts parts;
        double value;
    } cases[] = {
        {{1899, 12, 30, 0, 0, 0, 0}, 0.0},
        {{1998, 7, 24, 6, 0, 0, 0}, 36000.25},
        {{2024, 2, 29, 18, 0, 0, 0}, 45351.75},
        {{1899, 12, 29, 18, 0, 0, 0}, -0.25},  // before day 0 the time of day still counts forward
        {{1850, 6, 1, 12, 0, 0, 0}, DayNumberOf(1850, 6, 1) + 0.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(ComposeDateTime(c.parts), c.value);
        const DateTimeParts split = SplitDateTime(c.value);
        EXPECT_EQ(split.year, c.parts.year);
        EXPECT_EQ(split.month, c.parts.month);
        EXPECT_EQ(split.day, c.parts.day);
        ExpectTimeOfDay(TimeOfDay{split.hour, split.minute, split.second, split.millisecond}, c.parts.hour,
                        c.parts.minute, c.parts.second, c.parts.millisecond);
    }
}

TEST(DateTime, ReadsBackMillisecondsAcrossTheRange)
{
    for (DateTimeParts parts : {DateTimeParts{1, 1, 1, 0, 0, 0, 1}, DateTimeParts{1752, 9, 14, 23, 59, 59, 999},
                                DateTimeParts{2038, 1, 19, 3, 14, 7, 500}, DateTimeParts{9999, 12, 31, 23, 59, 59, 999}}) {
        SCOPED_TRACE(testing::Message() << parts.year << '-' << parts.month << '-' << parts.day);
        const DateTimeParts split = SplitDateTime(ComposeDateTime(parts));
        EXPECT_EQ(split.year, parts.year);
        EXPECT_EQ(split.month, parts.month);
        EXPECT_EQ(split.day, parts.day);
        ExpectTimeOfDay(TimeOfDay{split.hour, split.minute, split.second, split.millisecond}, parts.hour,
                        parts.minute, parts.second, parts.millisecond);
    }
}

TEST(DateTime, HalfAMillisecondBeforeMidnightSplitsAsTheNextDay)
{
    const DateTimeParts split = SplitDateTime(45000.0 + (86400000 - 0.4) / millisecondsPerDay);
    const DateTimeParts next = DateOfDayNumber(45001);
    EXPECT_EQ(split.day, next.day);
    EXPECT_EQ(split.month, next.month);
    ExpectTimeOfDay(TimeOfDay{split.hour, split.minute, split.second, split.millisecond}, 0, 0, 0, 0);
}

TEST(WithTimeOfDay, KeepsTheDateAndTakesTheTimeOfDay)
{
    const DateTimeParts parts = WithTimeOfDay({2024, 2, 29, 18, 1, 2, 3}, ComposeTime(7, 30, 15, 250));
    EXPECT_EQ(ComposeDateTime(parts), ComposeDateTime({2024, 2, 29, 7, 30, 15, 250}));
}

TEST(DateTime, RefusesInvalidParts)
{
    ExpectError([] { ComposeDateTime({2024, 1, 1, 24, 0, 0, 0}); }, "Invalid argument to time encode");
    ExpectError([] { ComposeDateTime({2023, 2, 29, 0, 0, 0, 0}); }, "Invalid argument to date encode");
}

}  // namespace
}  // namespace brevant
