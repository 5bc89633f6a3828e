#pragma once
// The local clock, and the platform's date-time record in both directions
// (the time picker speaks it). Windows only.
#include <windows.h>

#include "text/time_value.h"

#include <chrono>

namespace brevant {

// Today's day number plus the current local time of day.
TimeValue CurrentDateTime();

// The current local time of day alone (day 0).
TimeValue CurrentTimeOfDay();

// Time since the system started, counting on while it sleeps; no change of
// the clock moves it. Exact to the system's timer tick.
std::chrono::milliseconds ElapsedSinceStart();

// The system clock in universal time, since 1 January 1601.
std::chrono::milliseconds UniversalTime();

// The universal time (as UniversalTime counts it) at which the local clock
// shows this date-time, under the time zone and its daylight saving rules in
// force now.
std::chrono::milliseconds UniversalTimeOfLocal(TimeValue local);

DateTimeParts PartsOfSystemTime(const SYSTEMTIME& time);

// Fills the day of the week as well.
SYSTEMTIME SystemTimeOfParts(const DateTimeParts& parts);

}  // namespace brevant
