#include "schedule/schtasks_command.h"

namespace brevant {

namespace {

constexpr std::wstring_view kCmdSpecial = L"&|<>^";

std::wstring TwoDigits(int value) { return {static_cast<wchar_t>(L'0' + value / 10), static_cast<wchar_t>(L'0' + value % 10)}; }

// schtasks reads dates as MM/DD/YYYY and times as HH:MM.
std::wstring DateOption(TimeValue start)
{
    const DateTimeParts parts = SplitDateTime(WholeMinute(start));
    return L" /SD " + TwoDigits(parts.month) + L"/" + TwoDigits(parts.day) + L"/" + std::to_wstring(parts.year);
}

std::wstring TimeOption(TimeValue start)
{
    const DateTimeParts parts = SplitDateTime(WholeMinute(start));
    return L" /ST " + TwoDigits(parts.hour) + L":" + TwoDigits(parts.minute);
}

std::wstring ScheduleOptions(const Schedule& schedule)
{
    switch (schedule.kind) {
    case ScheduleKind::Once:
        return L" /SC ONCE" + DateOption(schedule.start) + TimeOption(schedule.start);
    case ScheduleKind::Daily:
        return L" /SC DAILY" + DateOption(schedule.start) + TimeOption(schedule.start);
    case ScheduleKind::Weekdays:
    case ScheduleKind::Weekly:
        break;
    case ScheduleKind::LogOn:
        return L" /SC ONLOGON";
    }
    static constexpr const wchar_t* kDayCodes[] = {L"SUN", L"MON", L"TUE", L"WED", L"THU", L"FRI", L"SAT"};
    std::wstring days;
    const WeekDays chosen = schedule.StartDays();
    for (int day = 0; day < 7; ++day)
        if (chosen[day])
            days += (days.empty() ? L"" : L",") + std::wstring(kDayCodes[day]);
    return L" /SC WEEKLY /D " + days + DateOption(schedule.start) + TimeOption(schedule.start);
}

// The task's program and argument inside one argument of schtasks: its own
// double quotes written \" as schtasks reads them.
std::wstring QuotedTaskRun(std::wstring_view run)
{
    std::wstring quoted = L"\"";
    for (const wchar_t c : run)
        quoted += c == L'"' ? std::wstring(L"\\\"") : std::wstring(1, c);
    return quoted + L"\"";
}

}  // namespace

std::wstring TaskRun(std::wstring_view programPath, std::wstring_view configPath)
{
    return L"\"" + std::wstring(programPath) + L"\" " + ConfigArgument(configPath);
}

std::optional<std::wstring> SchtasksCommand(const TaskRequest& request)
{
    const std::wstring run = TaskRun(request.programPath, request.configPath);
    if (run.size() > LongestSchtasksTaskRun)
        return std::nullopt;
    return EscapedForCmd(L"schtasks /Create /TN \"" + std::wstring(kTaskFolder) + L"\\" +
                         TaskNameOf(request.configPath) + L"\" /TR " + QuotedTaskRun(run) +
                         ScheduleOptions(request.schedule) + L" /IT /F");
}

std::wstring EscapedForCmd(std::wstring_view commandLine)
{
    // Each " turns cmd.exe's quoting on or off, \" included: the paths inside
    // the task's program stand outside its quotes, where & | < > ^ act unless
    // a caret escapes them and %name% expands unless a caret breaks the name.
    std::wstring escaped;
    bool quoted = false;
    for (size_t i = 0; i < commandLine.size(); ++i) {
        const wchar_t c = commandLine[i];
        if (c == L'"')
            quoted = !quoted;
        if (!quoted && kCmdSpecial.find(c) != std::wstring_view::npos)
            escaped += L'^';
        escaped += c;
        // A caret before a quote or a character escaped anyway would change
        // what follows.
        const wchar_t next = i + 1 < commandLine.size() ? commandLine[i + 1] : L'"';
        if (!quoted && c == L'%' && next != L'"' && kCmdSpecial.find(next) == std::wstring_view::npos)
            escaped += L'^';
    }
    return escaped;
}

}  // namespace brevant
