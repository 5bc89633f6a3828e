#include "run/display_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace brevant {
namespace {

struct DisplayTimeCase {
    int startDay, startHour, startMinute, startSecond, startMs;
    int minutes;
    int day, hour, minute, second, ms;
};

void PrintTo(const DisplayTimeCase& c, std::ostream* os)
{
    *os << c.startHour << ':' << c.startMinute << ':' << c.startSecond << '.' << c.startMs << " + "
        << c.minutes << " min";
}

class DisplayTimeAfterTest : public ::testing::TestWithParam<DisplayTimeCase> {};

TEST_P(DisplayTimeAfterTest, AddsTheMinutesToTheMillisecond)
{
    const DisplayTimeCase& c = GetParam();
    const TimeValue start =
        c.startDay + ComposeTime(static_cast<uint16_t>(c.startHour), static_cast<uint16_t>(c.startMinute),
                                 static_cast<uint16_t>(c.startSecond), static_cast<uint16_t>(c.startMs));
    const TimeValue target = DisplayTimeAfter(start, c.minutes);

    EXPECT_EQ(static_cast<int>(std::floor(target)), c.day);
    const TimeOfDay time = SplitTime(target);
    EXPECT_EQ(time.hour, c.hour);
    EXPECT_EQ(time.minute, c.minute);
    EXPECT_EQ(time.second, c.second);
    EXPECT_EQ(time.millisecond, c.ms);
    EXPECT_GT(target, start);
}

INSTANTIATE_TEST_SUITE_P(
    Carries, DisplayTimeAfterTest,
    ::testing::Values(
        DisplayTimeCase{46000, 10, 20, 30, 250, 45, 46000, 11, 5, 30, 250},
        DisplayTimeCase{46000, 10, 59, 0, 0, 1, 46000, 11, 0, 0, 0},
        DisplayTimeCase{46000, 10, 0, 0, 0, 60, 46000, 11, 0, 0, 0},
        DisplayTimeCase{46000, 9, 15, 0, 0, 30, 46000, 9, 45, 0, 0},
        DisplayTimeCase{46000, 0, 0, 0, 0, 1, 46000, 0, 1, 0, 0},
        // Past midnight the target is that time of day on the next day.
        DisplayTimeCase{46000, 23, 50, 0, 0, 15, 46001, 0, 5, 0, 0},
        DisplayTimeCase{46000, 23, 59, 59, 999, 1, 46001, 0, 0, 59, 999},
        DisplayTimeCase{46000, 23, 0, 0, 0, 60, 46001, 0, 0, 0, 0},
        DisplayTimeCase{46000, 23, 0, 0, 0, 59, 46000, 23, 59, 0, 0}));

}  // namespace
}  // namespace brevant
