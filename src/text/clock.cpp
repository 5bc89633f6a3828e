#include "text/clock.h"

namespace brevant {

TimeValue CurrentDateTime()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return ComposeDateTime(PartsOfSystemTime(now));
}

TimeValue CurrentTimeOfDay()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return ComposeTime(now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);
}

DateTimeParts PartsOfSystemTime(const SYSTEMTIME& time)
{
    return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond, time.wMilliseconds};
}

SYSTEMTIME SystemTimeOfParts(const DateTimeParts& parts)
{
    // Day 0 was a Saturday (6).
    const int32_t dayNumber = DayNumberOf(parts.year, parts.month, parts.day);
    const auto dayOfWeek = static_cast<WORD>(((dayNumber + 6) % 7 + 7) % 7);
    return {parts.year, parts.month, dayOfWeek, parts.day, parts.hour, parts.minute, parts.second, parts.millisecond};
}

}  // namespace brevant
