#include "run/display_moment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>
#include <string>

namespace brevant {
namespace {

using std::chrono::milliseconds;
using namespace std::chrono_literals;

// The test's clocks, moved by hand. The local clock shows universal time plus
// the zone's offset; universal milliseconds count from day 0 of TimeValue.
struct HandClock {
    milliseconds elapsed = 5'000'000ms;
    milliseconds universal = 46000 * milliseconds(std::chrono::days(1)) + 10h;  // 10:00 universal
    milliseconds zoneOffset = 1h;

    WaitClock Clock()
    {
        return {[this] { return elapsed; }, [this] { return universal; },
                [this](TimeValue local) { return milliseconds(std::llround(local * 86400000.0)) - zoneOffset; }};
    }
    TimeValue LocalIn(milliseconds ahead) const
    {
        return static_cast<double>((universal + zoneOffset + ahead).count()) / 86400000.0;
    }
};

// Between the start of the wait and the next look at the clocks.
struct Meanwhile {
    milliseconds elapses = 0ms;      // time that goes by, a sleep of the computer included
    milliseconds clockMoves = 0ms;   // the wall clock set forward (or back) besides
    milliseconds zoneMoves = 0ms;    // the zone's offset changes (time zone, daylight saving time)
};

struct MomentCase {
    const char* name;
    int minutes;              // a minutes delay, when no clock time is given
    milliseconds clockTimeIn; // a clock time this far ahead on the local clock at the start
    Meanwhile meanwhile;
    // The step expected: the message is due, or the wait sleeps this long (on
    // the wall clock for a clock time, on elapsed time for minutes).
    std::optional<milliseconds> sleeps;
};

void PrintTo(const MomentCase& c, std::ostream* os) { *os << c.name; }

class DisplayMomentTest : public ::testing::TestWithParam<MomentCase> {};

TEST_P(DisplayMomentTest, NextStepFollowsTheClockThatMeasuresTheDelay)
{
    const MomentCase& c = GetParam();
    HandClock hand;
    const WaitClock clock = hand.Clock();
    MessageSettings settings;
    if (c.minutes) {
        settings.minutes = c.minutes;
    } else {
        settings.delayMode = DelayMode::ClockTime;
        settings.clockTime = hand.LocalIn(c.clockTimeIn);
    }
    const DisplayMoment moment(settings, clock);

    hand.elapsed += c.meanwhile.elapses;
    hand.universal += c.meanwhile.elapses + c.meanwhile.clockMoves;
    hand.zoneOffset += c.meanwhile.zoneMoves;
    const WaitStep step = moment.Next(clock);

    if (!c.sleeps) {
        EXPECT_EQ(step, WaitStep(DueNow{}));
    } else if (c.minutes) {
        EXPECT_EQ(step, WaitStep(SleepFor{*c.sleeps}));
    } else {
        EXPECT_EQ(step, WaitStep(SleepUntil{hand.universal + *c.sleeps}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    ClockChanges, DisplayMomentTest,
    ::testing::Values(
        MomentCase{"FiveMinutes", 5, {}, {}, 5min},
        MomentCase{"SixtyMinutes", 60, {}, {}, 60min},
        // Set forward an hour, a 5-minute message once came after 4 seconds.
        MomentCase{"MinutesWithTheClockSetForward", 5, {}, {.elapses = 4s, .clockMoves = 1h}, 5min - 4s},
        // Set back an hour, a 1-minute message once waited for the hour.
        MomentCase{"MinutesWithTheClockSetBack", 1, {}, {.elapses = 4s, .clockMoves = -1h}, 1min - 4s},
        MomentCase{"MinutesIntoDaylightSavingTime", 30, {}, {.elapses = 10min, .zoneMoves = 1h}, 20min},
        MomentCase{"MinutesOutOfDaylightSavingTime", 30, {}, {.elapses = 10min, .zoneMoves = -1h}, 20min},
        MomentCase{"MinutesRunOut", 1, {}, {.elapses = 1min}, std::nullopt},
        // A message due during a sleep of the computer comes at the resume.
        MomentCase{"MinutesRunOutDuringASleep", 15, {}, {.elapses = 2h}, std::nullopt},
        MomentCase{"ClockTimeAhead", 0, 30min, {}, 30min},
        MomentCase{"ClockTimeNow", 0, 0min, {}, std::nullopt},
        MomentCase{"ClockTimePast", 0, -1s, {}, std::nullopt},
        MomentCase{"ClockTimeWithTheClockSetForwardPastIt", 0, 30min, {.elapses = 4s, .clockMoves = 1h},
                   std::nullopt},
        MomentCase{"ClockTimeWithTheClockSetBack", 0, 30min, {.elapses = 4s, .clockMoves = -1h},
                   1h + 30min - 4s},
        // A zone an hour further east shows the clock time an hour sooner.
        MomentCase{"ClockTimeInTheZoneEast", 0, 90min, {.elapses = 10min, .zoneMoves = 1h}, 20min},
        MomentCase{"ClockTimeInTheZoneWest", 0, 90min, {.elapses = 10min, .zoneMoves = -1h}, 2h + 20min}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brevant
