#include "schedule/task_definition.h"

#include "text/error.h"

#include "text/integer_text.h"

#include <algorithm>
#include <cstdint>

namespace brevant {

namespace {

constexpr size_t kLongestDescriptionLine = 100;

wchar_t FoldedAscii(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool KeptInName(wchar_t c)
{
    return c >= 0x80 || (c >= L'0' && c <= L'9') || (FoldedAscii(c) >= L'a' && FoldedAscii(c) <= L'z') ||
           std::wstring_view(L" .-_()").find(c) != std::wstring_view::npos;
}

std::wstring FileNameOf(std::wstring_view path)
{
    const size_t slash = path.find_last_of(L"\\/:");
    return std::wstring(slash == std::wstring_view::npos ? path : path.substr(slash + 1));
}

// Text as XML character data: markup characters as entities, control
// characters XML cannot hold as blanks.
std::wstring Escaped(std::wstring_view text)
{
    std::wstring escaped;
    for (const wchar_t c : text) {
        switch (c) {
        case L'&': escaped += L"&amp;"; break;
        case L'<': escaped += L"&lt;"; break;
        case L'>': escaped += L"&gt;"; break;
        default: escaped += (c < L' ' && c != L'\t') ? L' ' : c;
        }
    }
    return escaped;
}

std::wstring Element(std::wstring_view name, std::wstring_view text)
{
    return L"<" + std::wstring(name) + L">" + Escaped(text) + L"</" + std::wstring(name) + L">";
}

std::wstring TwoDigits(int value) { return {static_cast<wchar_t>(L'0' + value / 10), static_cast<wchar_t>(L'0' + value % 10)}; }

// The local date-time the task's trigger starts at, in the XML's form.
std::wstring BoundaryText(TimeValue value)
{
    const DateTimeParts parts = SplitDateTime(WholeMinute(value));
    return std::to_wstring(parts.year) + L"-" + TwoDigits(parts.month) + L"-" + TwoDigits(parts.day) + L"T" +
           TwoDigits(parts.hour) + L":" + TwoDigits(parts.minute) + L":00";
}

std::wstring TriggerXml(const TaskRequest& request)
{
    const Schedule& schedule = request.schedule;
    const std::wstring start = Element(L"StartBoundary", BoundaryText(schedule.start));
    switch (schedule.kind) {
    case ScheduleKind::Once:
        return L"<TimeTrigger>" + start + L"</TimeTrigger>";
    case ScheduleKind::Daily:
        return L"<CalendarTrigger>" + start + L"<ScheduleByDay><DaysInterval>1</DaysInterval></ScheduleByDay></CalendarTrigger>";
    case ScheduleKind::Weekdays:
    case ScheduleKind::Weekly:
        break;
    case ScheduleKind::LogOn:
        return L"<LogonTrigger>" + Element(L"UserId", request.userId) + L"</LogonTrigger>";
    }
    std::wstring days;
    const WeekDays chosen = schedule.StartDays();
    for (int day = 0; day < 7; ++day)
        if (chosen[day])
            days += L"<" + std::wstring(kDayNames[day]) + L"/>";
    return L"<CalendarTrigger>" + start + L"<ScheduleByWeek><DaysOfWeek>" + days +
           L"</DaysOfWeek><WeeksInterval>1</WeeksInterval></ScheduleByWeek></CalendarTrigger>";
}

// The text between <name> and </name> from `from` on; nothing when absent.
std::optional<std::wstring_view> ElementText(std::wstring_view xml, std::wstring_view name)
{
    const std::wstring open = L"<" + std::wstring(name) + L">", close = L"</" + std::wstring(name) + L">";
    const size_t begin = xml.find(open);
    if (begin == std::wstring_view::npos)
        return std::nullopt;
    const size_t end = xml.find(close, begin + open.size());
    if (end == std::wstring_view::npos)
        return std::nullopt;
    return xml.substr(begin + open.size(), end - begin - open.size());
}

// "YYYY-MM-DDTHH:MM" after blanks, seconds and a zone after it ignored.
std::optional<TimeValue> BoundaryValue(std::wstring_view text)
{
    text.remove_prefix(std::min(text.find_first_not_of(L" \t\r\n"), text.size()));
    constexpr std::wstring_view kShape = L"dddd-dd-ddTdd:dd";
    if (text.size() < kShape.size())
        return std::nullopt;
    for (size_t i = 0; i < kShape.size(); ++i)
        if (kShape[i] == L'd' ? !(text[i] >= L'0' && text[i] <= L'9') : text[i] != kShape[i])
            return std::nullopt;
    const auto number = [&](size_t at, size_t digits) {
        uint16_t value = 0;
        for (size_t i = at; i < at + digits; ++i)
            value = static_cast<uint16_t>(value * 10 + (text[i] - L'0'));
        return value;
    };
    try {
        return ComposeDateTime({number(0, 4), number(5, 2), number(8, 2), number(11, 2), number(14, 2)});
    } catch (const Error&) {
        return std::nullopt;  // a day the month does not have, an hour past 23
    }
}

}  // namespace

std::wstring TaskNameOf(std::wstring_view configPath)
{
    // FNV-1a over the folded path's UTF-16 units.
    uint32_t hash = 2166136261u;
    for (const wchar_t c : configPath) {
        hash = (hash ^ static_cast<uint16_t>(FoldedAscii(c == L'/' ? L'\\' : c))) * 16777619u;
    }
    std::wstring name = FileNameOf(configPath);
    for (wchar_t& c : name)
        if (!KeptInName(c))
            c = L'_';
    return name + L" " + HexText(hash);
}

std::wstring TaskDescription(std::wstring_view messageText, std::wstring_view configPath)
{
    std::wstring_view line = messageText.substr(0, messageText.find_first_of(L"\r\n"));
    if (line.size() > kLongestDescriptionLine)
        line = line.substr(0, kLongestDescriptionLine);
    if (line.empty())
        return L"Shows the message of " + std::wstring(configPath) + L".";
    return L"Shows the message \"" + std::wstring(line) + L"\" of " + std::wstring(configPath) + L".";
}

std::wstring ConfigArgument(std::wstring_view configPath) { return L"\"/c" + std::wstring(configPath) + L"\""; }

std::wstring FolderOf(std::wstring_view path)
{
    const size_t slash = path.find_last_of(L'\\');
    if (slash == std::wstring_view::npos)
        return {};
    return std::wstring(path.substr(0, slash == 2 && path[1] == L':' ? 3 : slash));
}

bool IsInsideFolder(std::wstring_view path, std::wstring_view folder)
{
    while (folder.ends_with(L'\\'))
        folder.remove_suffix(1);
    if (folder.empty() || path.size() <= folder.size() + 1 || path[folder.size()] != L'\\')
        return false;
    for (size_t i = 0; i < folder.size(); ++i)
        if (FoldedAscii(path[i]) != FoldedAscii(folder[i]))
            return false;
    return true;
}

std::wstring TaskXml(const TaskRequest& request)
{
    return L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>"
           L"<Task version=\"1.2\" xmlns=\"http://schemas.microsoft.com/windows/2004/02/mit/task\">"
           L"<RegistrationInfo>" + Element(L"Description", request.description) + L"</RegistrationInfo>"
           L"<Triggers>" + TriggerXml(request) + L"</Triggers>"
           L"<Principals><Principal id=\"Author\">" + Element(L"UserId", request.userId) +
           L"<LogonType>InteractiveToken</LogonType><RunLevel>LeastPrivilege</RunLevel></Principal></Principals>"
           L"<Settings>"
           L"<MultipleInstancesPolicy>Parallel</MultipleInstancesPolicy>"
           L"<DisallowStartIfOnBatteries>false</DisallowStartIfOnBatteries>"
           L"<StopIfGoingOnBatteries>false</StopIfGoingOnBatteries>"
           L"<StartWhenAvailable>true</StartWhenAvailable>"
           // A message waits for its reader: no limit to the run.
           L"<ExecutionTimeLimit>PT0S</ExecutionTimeLimit>"
           L"<Enabled>true</Enabled>"
           L"</Settings>"
           L"<Actions Context=\"Author\"><Exec>" + Element(L"Command", request.programPath) +
           Element(L"Arguments", ConfigArgument(request.configPath)) +
           Element(L"WorkingDirectory", FolderOf(request.configPath)) + L"</Exec></Actions></Task>";
}

std::optional<Schedule> ScheduleOfTaskXml(std::wstring_view xml)
{
    const auto triggers = ElementText(xml, L"Triggers");
    if (!triggers)
        return std::nullopt;
    if (triggers->find(L"<LogonTrigger") != std::wstring_view::npos)
        return Schedule{.kind = ScheduleKind::LogOn};
    const auto boundary = ElementText(*triggers, L"StartBoundary");
    const auto start = boundary ? BoundaryValue(*boundary) : std::nullopt;
    if (!start)
        return std::nullopt;
    if (triggers->find(L"<TimeTrigger") != std::wstring_view::npos)
        return Schedule{.kind = ScheduleKind::Once, .start = *start};
    if (triggers->find(L"<ScheduleByDay>") != std::wstring_view::npos)
        return Schedule{.kind = ScheduleKind::Daily, .start = *start};
    const auto days = ElementText(*triggers, L"DaysOfWeek");
    if (!days)
        return std::nullopt;
    Schedule schedule{.kind = ScheduleKind::Weekly, .start = *start};
    for (int day = 0; day < 7; ++day)
        schedule.days[day] = days->find(L"<" + std::wstring(kDayNames[day])) != std::wstring_view::npos;
    if (schedule.days == kMondayToFriday)
        return Schedule{.kind = ScheduleKind::Weekdays, .start = *start};
    return schedule;
}

}  // namespace brevant
