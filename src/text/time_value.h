#pragma once
// Points in time: whole part a day number (day 0 is 30 December 1899, days
// counted on the Gregorian calendar, earlier dates negative), fraction the time
// of day as milliseconds since midnight divided by 86400000.
#include <cstdint>

namespace brevant {

using TimeValue = double;

struct TimeOfDay {
    uint16_t hour = 0;
    uint16_t minute = 0;
    uint16_t second = 0;
    uint16_t millisecond = 0;
};

// A local date and time broken into fields, as the clock and the time picker
// hand them over.
struct DateTimeParts {
    uint16_t year = 1899;
    uint16_t month = 12;
    uint16_t day = 30;
    uint16_t hour = 0;
    uint16_t minute = 0;
    uint16_t second = 0;
    uint16_t millisecond = 0;
};

// A time of day (day 0). Throws Error "Invalid argument to time encode" when
// a field is out of range.
TimeValue ComposeTime(uint16_t hour, uint16_t minute, uint16_t second, uint16_t millisecond);

// The time of day of a value, rounded to the nearest millisecond; a value
// within half a millisecond of midnight splits as 0:00:00.000.
TimeOfDay SplitTime(TimeValue value);

// Day numbers of dates from year 1 to 9999. Throws Error
// "Invalid argument to date encode" for a date the calendar does not have.
int32_t DayNumberOf(uint16_t year, uint16_t month, uint16_t day);

// The date a day number stands for; only year, month and day are filled.
DateTimeParts DateOfDayNumber(int32_t dayNumber);

// Throws as ComposeTime and DayNumberOf do.
TimeValue ComposeDateTime(const DateTimeParts& parts);

DateTimeParts SplitDateTime(TimeValue value);

// The date of `date` with the time of day of `timeOfDay`.
DateTimeParts WithTimeOfDay(DateTimeParts date, TimeValue timeOfDay);

}  // namespace brevant
