#include "run/display_time.h"

#include <cmath>

namespace brevant {

TimeValue DisplayTimeAfter(TimeValue now, int minutes)
{
    const int64_t millisecondsPerDay = 86400000;
    const int64_t stamp = std::llround(now * millisecondsPerDay);
    int64_t day = stamp / millisecondsPerDay;
    const TimeOfDay time = SplitTime(now);

    int hour = time.hour;
    int minute = time.minute;
    if (59 - minute < minutes) {
        minute = minute + minutes - 60;
        ++hour;
    } else {
        minute += minutes;
    }
    if (hour == 24) {
        hour = 0;
        ++day;
    }
    return static_cast<TimeValue>(day) +
           ComposeTime(static_cast<uint16_t>(hour), static_cast<uint16_t>(minute), time.second,
                       time.millisecond);
}

}  // namespace brevant
