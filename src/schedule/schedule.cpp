#include "schedule/schedule.h"

#include "text/clock_time_text.h"
#include "text/integer_text.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace brevant {

namespace {

constexpr double kMinutesPerDay = 1440;
constexpr double kMinute = 1 / kMinutesPerDay;

// The day a date-time falls on, and its minute of that day.
double DayOf(TimeValue value) { return std::floor(WholeMinute(value)); }

// Users read a week from Monday to Sunday.
constexpr std::array<int, 7> kMondayFirst{1, 2, 3, 4, 5, 6, 0};

std::wstring TimeText(TimeValue value)
{
    return FormatTimeValue(CurrentLocaleTimeSettings().ShortTimePattern, value);
}

// "Monday", "Monday and Friday", "Monday, Wednesday and Friday", or
// "Monday to Friday" for three days or more in a row.
std::wstring DaysWords(const WeekDays& days)
{
    std::vector<int> chosen;  // positions in the Monday-first week
    for (int position = 0; position < 7; ++position)
        if (days[kMondayFirst[position]])
            chosen.push_back(position);
    if (chosen.size() >= 3 && chosen.back() - chosen.front() + 1 == static_cast<int>(chosen.size()))
        return std::wstring(kDayNames[kMondayFirst[chosen.front()]]) + L" to " + kDayNames[kMondayFirst[chosen.back()]];
    std::wstring words;
    for (size_t i = 0; i < chosen.size(); ++i) {
        if (i > 0)
            words += i + 1 == chosen.size() ? L" and " : L", ";
        words += kDayNames[kMondayFirst[chosen[i]]];
    }
    return words;
}

// The days a message appears on when it comes `shift` days after its task's start.
WeekDays Shifted(const WeekDays& days, int shift)
{
    WeekDays shifted{};
    for (int day = 0; day < 7; ++day)
        shifted[(day + shift) % 7] = days[day];
    return shifted;
}

// The moment the message of a task started at `start` appears.
TimeValue AppearanceAfter(TimeValue start, const MessageSettings& message)
{
    if (message.delayMode == DelayMode::Minutes)
        return start + message.minutes * kMinute;
    const TimeValue clockTime = DayOf(start) + (WholeMinute(message.clockTime) - DayOf(message.clockTime));
    return std::max(start, clockTime);
}

std::wstring MinutesWords(int minutes) { return IntegerToText(minutes) + (minutes == 1 ? L" minute" : L" minutes"); }

std::wstring LogOnWords(const MessageSettings& message)
{
    if (message.delayMode == DelayMode::ClockTime)
        return L"at each log-on, or at " + TimeText(message.clockTime) + L" when you log on before then";
    if (message.minutes == 0)
        return L"each time you log on";
    return MinutesWords(message.minutes) + L" after each log-on";
}

}  // namespace

WeekDays Schedule::StartDays() const
{
    switch (kind) {
    case ScheduleKind::Daily:
        return kEveryDay;
    case ScheduleKind::Weekdays:
        return kMondayToFriday;
    case ScheduleKind::Weekly:
        return days;
    case ScheduleKind::Once:
    case ScheduleKind::LogOn:
        break;
    }
    return {};
}

int DayOfWeek(TimeValue value)
{
    // Day 0, 30 December 1899, was a Saturday.
    const auto day = static_cast<int64_t>(DayOf(value));
    return static_cast<int>(((day + 6) % 7 + 7) % 7);
}

TimeValue WholeMinute(TimeValue value)
{
    // Rounded first: a value a hair below a minute is that minute.
    return std::floor(std::round(value * kMinutesPerDay * 1000) / 1000) / kMinutesPerDay;
}

Schedule ProposedSchedule(const MessageSettings& message, TimeValue now)
{
    const TimeValue minute = WholeMinute(now);
    if (message.delayMode == DelayMode::Minutes)
        return {.start = minute < now ? minute + kMinute : minute};
    const TimeValue today = DayOf(now) + (WholeMinute(message.clockTime) - DayOf(message.clockTime));
    return {.start = today > now ? today : today + 1};
}

std::wstring ScheduleProblem(const Schedule& schedule, TimeValue now)
{
    if (schedule.kind == ScheduleKind::Once && WholeMinute(schedule.start) < WholeMinute(now))
        return L"The date and time of a one-time run have passed: choose a later one.";
    if (schedule.kind == ScheduleKind::Weekly && schedule.days == WeekDays{})
        return L"Choose at least one day of the week for a weekly run.";
    return {};
}

std::wstring AppearanceWords(const Schedule& schedule, const MessageSettings& message, const DateText& dateText)
{
    std::wstring when;
    if (schedule.kind == ScheduleKind::LogOn) {
        when = LogOnWords(message);
    } else {
        const TimeValue appears = AppearanceAfter(WholeMinute(schedule.start), message);
        if (schedule.kind == ScheduleKind::Once) {
            when = L"on " + dateText(DayOf(appears)) + L" at " + TimeText(appears);
        } else {
            const WeekDays days = Shifted(schedule.StartDays(), static_cast<int>(DayOf(appears) - DayOf(schedule.start)));
            when = (days == kEveryDay ? std::wstring(L"every day") : L"every " + DaysWords(days)) + L" at " +
                   TimeText(appears);
        }
    }
    return L"The message will appear " + when + L".";
}

}  // namespace brevant
