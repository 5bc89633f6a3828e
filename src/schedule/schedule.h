#pragma once
// When a scheduled task starts the program on a saved message, apart from any
// window or service: the five kinds of schedule, the first proposal made from
// the message, and the words that say when the message will appear.
#include "config/message_settings.h"
#include "text/time_value.h"

#include <array>
#include <functional>
#include <string>

namespace brevant {

enum class ScheduleKind { Once, Daily, Weekdays, Weekly, LogOn };

// Days of the week, Sunday first, as the platform counts them.
using WeekDays = std::array<bool, 7>;
inline constexpr WeekDays kEveryDay{true, true, true, true, true, true, true};
inline constexpr WeekDays kMondayToFriday{false, true, true, true, true, true, false};

inline constexpr std::array<const wchar_t*, 7> kDayNames{L"Sunday",   L"Monday", L"Tuesday", L"Wednesday",
                                                         L"Thursday", L"Friday", L"Saturday"};

struct Schedule {
    ScheduleKind kind = ScheduleKind::Once;
    // The local date and time of the first start, in whole minutes: its date
    // counts for Once, its time of day for every kind but LogOn.
    TimeValue start = 0;
    WeekDays days{};  // Weekly: the days it starts on

    // The days of the week a repeating task starts on; none for Once and LogOn.
    WeekDays StartDays() const;

    friend bool operator==(const Schedule&, const Schedule&) = default;
};

// The day of the week of a date-time, 0 for Sunday.
int DayOfWeek(TimeValue value);

// The date-time cut to its whole minute.
TimeValue WholeMinute(TimeValue value);

// The first proposal for a message at local time `now`: once, at the message's
// clock time today (tomorrow once it has passed), or now for a minutes delay
// (the next whole minute, the picker's step).
Schedule ProposedSchedule(const MessageSettings& message, TimeValue now);

// What keeps a schedule from being registered at local time `now`: a one-time
// start before the current minute, a week with no day chosen. Empty when none.
std::wstring ScheduleProblem(const Schedule& schedule, TimeValue now);

// A date as the user reads it (the platform's long date format in the program).
using DateText = std::function<std::wstring(TimeValue date)>;

// When the message of a file will appear if a task runs it on this schedule:
// the task's start plus the file's own delay; a clock time in the file that
// has been reached by the start shows at once. Times in the short time format.
std::wstring AppearanceWords(const Schedule& schedule, const MessageSettings& message, const DateText& dateText);

}  // namespace brevant
