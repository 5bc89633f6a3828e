#pragma once
// When a delayed message is due, and what its wait does until then. A delay
// in minutes is elapsed time, whatever the clock does; a clock time is a
// moment of the wall clock, so it follows a change of the clock, of the time
// zone or of daylight saving time.
#include "config/message_settings.h"
#include "text/time_value.h"

#include <chrono>
#include <functional>
#include <variant>

namespace brevant {

// The clocks a wait reads: the program the system's, tests their own.
struct WaitClock {
    // Time elapsed since a fixed start. No change of the clock or the time
    // zone moves it, and it counts on while the computer sleeps: for the user
    // minutes are minutes, so a message that fell due during a sleep comes at
    // the resume.
    std::function<std::chrono::milliseconds()> elapsed;
    // The wall clock in universal time, since a fixed epoch.
    std::function<std::chrono::milliseconds()> universalNow;
    // The universal time (as universalNow counts it) at which the wall clock
    // shows a local date-time, under the time zone and its daylight saving
    // rules in force now.
    std::function<std::chrono::milliseconds(TimeValue local)> universalOf;
};

// What the wait does next.
struct DueNow {
    friend bool operator==(const DueNow&, const DueNow&) = default;
};
// Sleep this long, on a timer that no change of the clock moves.
struct SleepFor {
    std::chrono::milliseconds span;
    friend bool operator==(const SleepFor&, const SleepFor&) = default;
};
// Sleep until the wall clock reaches this universal time, on a timer that
// follows a change of the clock.
struct SleepUntil {
    std::chrono::milliseconds universal;
    friend bool operator==(const SleepUntil&, const SleepUntil&) = default;
};
using WaitStep = std::variant<DueNow, SleepFor, SleepUntil>;

// The moment of a delayed message, fixed when its wait starts.
class DisplayMoment {
public:
    DisplayMoment(const MessageSettings& settings, const WaitClock& clock);

    // The next step from the clocks as they read now. Taken at the start,
    // when the step's timer fires, and whenever a change of the clock or the
    // time zone or a sleep of the computer may have moved the moment.
    WaitStep Next(const WaitClock& clock) const;

private:
    // The end of a minutes delay on the elapsed clock, or a clock time as a
    // local date-time.
    std::variant<std::chrono::milliseconds, TimeValue> moment_;
};

}  // namespace brevant
