#include "text/clock.h"

#include <system_error>

namespace brevant {

namespace {

std::chrono::milliseconds MillisecondsOf(const FILETIME& time)
{
    const ULARGE_INTEGER hundredNanoseconds{{time.dwLowDateTime, time.dwHighDateTime}};
    return std::chrono::milliseconds(hundredNanoseconds.QuadPart / 10000);
}

}  // namespace

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

std::chrono::milliseconds ElapsedSinceStart() { return std::chrono::milliseconds(GetTickCount64()); }

std::chrono::milliseconds UniversalTime()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return MillisecondsOf(now);
}

std::chrono::milliseconds UniversalTimeOfLocal(TimeValue local)
{
    const SYSTEMTIME localTime = SystemTimeOfParts(SplitDateTime(local));
    SYSTEMTIME universal;
    FILETIME universalFile;
    if (!TzSpecificLocalTimeToSystemTime(nullptr, &localTime, &universal) ||
        !SystemTimeToFileTime(&universal, &universalFile))
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "The clock time has no universal time");
    return MillisecondsOf(universalFile);
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
