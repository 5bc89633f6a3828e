#include "text/clock.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

namespace brevant {
namespace {

// The platform's own reckoning of a date-time as a day count from day 0,
// by way of its file times (100-nanosecond ticks since 1 January 1601).
double PlatformDays(const SYSTEMTIME& time)
{
    FILETIME file;
    EXPECT_TRUE(SystemTimeToFileTime(&time, &file));
    const uint64_t ticks = (uint64_t{file.dwHighDateTime} << 32) | file.dwLowDateTime;
    constexpr uint64_t ticksPerMillisecond = 10000;
    constexpr int64_t daysFrom1601ToDayZero = 109205;
    return static_cast<double>(ticks / ticksPerMillisecond) / 86400000.0 - daysFrom1601ToDayZero;
}

SYSTEMTIME PlatformSystemTime(double days)
{
    const auto ticks = static_cast<uint64_t>((days + 109205) * 86400000.0 + 0.5) * 10000;
    const FILETIME file{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME time;
    EXPECT_TRUE(FileTimeToSystemTime(&file, &time));
    return time;
}

TEST(Clock, CurrentDateTimeIsTheLocalClock)
{
    SYSTEMTIME before, after;
    GetLocalTime(&before);
    const TimeValue now = CurrentDateTime();
    GetLocalTime(&after);
    constexpr double halfMillisecond = 0.5 / 86400000.0;
    EXPECT_GE(now, PlatformDays(before) - halfMillisecond);
    EXPECT_LE(now, PlatformDays(after) + halfMillisecond);
}

TEST(Clock, CurrentTimeOfDayIsTheLocalTimeOfDayAlone)
{
    SYSTEMTIME before, after;
    GetLocalTime(&before);
    const TimeValue now = CurrentTimeOfDay();
    GetLocalTime(&after);
    if (before.wDay != after.wDay)
        GTEST_SKIP() << "midnight passed";
    const double day = static_cast<int>(PlatformDays(before));
    EXPECT_GE(now, 0.0);
    EXPECT_LT(now, 1.0);
    EXPECT_GE(now, PlatformDays(before) - day - 1e-9);
    EXPECT_LE(now, PlatformDays(after) - day + 1e-9);
}

// Dates spread over the platform's whole range, 1601 to 30827 aside.
TEST(Clock, SystemTimesConvertLikeThePlatformDoes)
{
    const double first = PlatformDays(SYSTEMTIME{1601, 1, 0, 1, 0, 0, 0, 0});
    const double last = PlatformDays(SYSTEMTIME{9999, 12, 0, 31, 23, 59, 59, 999});
    for (double days = first; days < last; days += 97.123456) {
        const SYSTEMTIME platform = PlatformSystemTime(days);
        SCOPED_TRACE(testing::Message() << platform.wYear << '-' << platform.wMonth << '-' << platform.wDay);
        const DateTimeParts parts = PartsOfSystemTime(platform);
        ASSERT_NEAR(ComposeDateTime(parts), PlatformDays(platform), 5e-9);  // well below a millisecond
        const SYSTEMTIME back = SystemTimeOfParts(SplitDateTime(ComposeDateTime(parts)));
        ASSERT_EQ(back.wYear, platform.wYear);
        ASSERT_EQ(back.wMonth, platform.wMonth);
        ASSERT_EQ(back.wDay, platform.wDay);
        ASSERT_EQ(back.wDayOfWeek, platform.wDayOfWeek);
        ASSERT_EQ(back.wHour, platform.wHour);
        ASSERT_EQ(back.wMinute, platform.wMinute);
        ASSERT_EQ(back.wSecond, platform.wSecond);
        ASSERT_EQ(back.wMilliseconds, platform.wMilliseconds);
    }
}

}  // namespace
}  // namespace brevant
