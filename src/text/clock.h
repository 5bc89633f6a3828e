#pragma once
// The local clock, and the platform's date-time record in both directions
// (the time picker speaks it). Windows only.
#include <windows.h>

#include "text/time_value.h"

namespace brevant {

// Today's day number plus the current local time of day.
TimeValue CurrentDateTime();

// The current local time of day alone (day 0).
TimeValue CurrentTimeOfDay();

DateTimeParts PartsOfSystemTime(const SYSTEMTIME& time);

// Fills the day of the week as well.
SYSTEMTIME SystemTimeOfParts(const DateTimeParts& parts);

}  // namespace brevant
