#include "text/time_value.h"

#include <chrono>
#include <cmath>

#include "text/error.h"

namespace brevant {
namespace {

constexpr int64_t millisecondsPerDay = 86400000;
constexpr std::chrono::sys_days dayZero = std::chrono::year{1899} / std::chrono::December / 30;

struct DayAndTime {
    int64_t day;
    int64_t millisecondOfDay;
};

// Rounds half a millisecond to the even neighbour, as the default
// floating-point rounding mode does; days run on below day 0 without a jump.
DayAndTime SplitMilliseconds(TimeValue value)
{
    const int64_t total = std::llrint(value * millisecondsPerDay);
    int64_t day = total / millisecondsPerDay;
    int64_t rest = total % millisecondsPerDay;
    if (rest < 0) {
        rest += millisecondsPerDay;
        --day;
    }
    return {day, rest};
}

TimeOfDay TimeOfDayOf(int64_t millisecondOfDay)
{
    const int64_t minutes = millisecondOfDay / 60000;
    const int64_t rest = millisecondOfDay % 60000;
    return {static_cast<uint16_t>(minutes / 60), static_cast<uint16_t>(minutes % 60),
            static_cast<uint16_t>(rest / 1000), static_cast<uint16_t>(rest % 1000)};
}

}  // namespace

TimeValue ComposeTime(uint16_t hour, uint16_t minute, uint16_t second, uint16_t millisecond)
{
    if (hour > 23 || minute > 59 || second > 59 || millisecond > 999)
        throw Error(L"Invalid argument to time encode");
    const int64_t milliseconds = hour * 3600000LL + minute * 60000LL + second * 1000LL + millisecond;
    return static_cast<double>(milliseconds) * (1.0 / millisecondsPerDay);
}

TimeOfDay SplitTime(TimeValue value)
{
    return TimeOfDayOf(SplitMilliseconds(value).millisecondOfDay);
}

int32_t DayNumberOf(uint16_t year, uint16_t month, uint16_t day)
{
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{month},
                                           std::chrono::day{day}};
    if (year < 1 || year > 9999 || !date.ok())
        throw Error(L"Invalid argument to date encode");
    return static_cast<int32_t>((std::chrono::sys_days{date} - dayZero).count());
}

DateTimeParts DateOfDayNumber(int32_t dayNumber)
{
    const std::chrono::year_month_day date{dayZero + std::chrono::days{dayNumber}};
    DateTimeParts parts;
    parts.year = static_cast<uint16_t>(static_cast<int>(date.year()));
    parts.month = static_cast<uint16_t>(static_cast<unsigned>(date.month()));
    parts.day = static_cast<uint16_t>(static_cast<unsigned>(date.day()));
    return parts;
}

TimeValue ComposeDateTime(const DateTimeParts& parts)
{
    const TimeValue timeOfDay = ComposeTime(parts.hour, parts.minute, parts.second, parts.millisecond);
    return DayNumberOf(parts.year, parts.month, parts.day) + timeOfDay;
}

DateTimeParts WithTimeOfDay(DateTimeParts date, TimeValue timeOfDay)
{
    const TimeOfDay time = SplitTime(timeOfDay);
    date.hour = time.hour;
    date.minute = time.minute;
    date.second = time.second;
    date.millisecond = time.millisecond;
    return date;
}

DateTimeParts SplitDateTime(TimeValue value)
{
    const auto [day, millisecondOfDay] = SplitMilliseconds(value);
    DateTimeParts parts = DateOfDayNumber(static_cast<int32_t>(day));
    const TimeOfDay time = TimeOfDayOf(millisecondOfDay);
    parts.hour = time.hour;
    parts.minute = time.minute;
    parts.second = time.second;
    parts.millisecond = time.millisecond;
    return parts;
}

}  // namespace brevant
