#include "schedule/schedule.h"
#include "schedule/scheduler_error.h"
#include "schedule/schtasks_command.h"
#include "schedule/task_definition.h"

#include "text/clock_time_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace brevant {
namespace {

// Tuesday 8 December 2026.
TimeValue At(uint16_t hour, uint16_t minute, uint16_t second = 0, uint16_t day = 8)
{
    return ComposeDateTime({2026, 12, day, hour, minute, second});
}

MessageSettings Minutes(int minutes) { return {.delayMode = DelayMode::Minutes, .minutes = minutes}; }
MessageSettings ClockTime(uint16_t hour, uint16_t minute)
{
    // A file's clock time carries the day it was read on; only its time of day counts.
    return {.delayMode = DelayMode::ClockTime, .clockTime = ComposeDateTime({2020, 1, 1, hour, minute})};
}

class ScheduleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        LocaleTimeSettings settings;
        settings.ShortTimePattern = L"hh:mm";
        SetLocaleTimeSettings(settings);
    }
    void TearDown() override { SetLocaleTimeSettings({}); }
};

TEST_F(ScheduleTest, FirstProposalFollowsTheWindow)
{
    struct Case {
        MessageSettings message;
        TimeValue now, start;
    } cases[] = {
        {Minutes(15), At(22, 50, 11), At(22, 51)},           // a delay: now, at the picker's next minute
        {Minutes(0), At(22, 50), At(22, 50)},
        {ClockTime(23, 0), At(22, 50, 11), At(23, 0)},       // later today
        {ClockTime(9, 0), At(22, 50), At(9, 0, 0, 9)},       // passed: tomorrow
        {ClockTime(22, 50), At(22, 50, 11), At(22, 50, 0, 9)},
    };
    for (const Case& c : cases) {
        const Schedule proposed = ProposedSchedule(c.message, c.now);
        EXPECT_EQ(proposed.kind, ScheduleKind::Once);
        EXPECT_DOUBLE_EQ(proposed.start, c.start) << c.now;
    }
}

TEST_F(ScheduleTest, ProblemsKeepATaskFromBeingRegistered)
{
    const TimeValue now = At(22, 50, 30);
    EXPECT_EQ(ScheduleProblem({.kind = ScheduleKind::Once, .start = At(22, 50)}, now), L"");
    EXPECT_NE(ScheduleProblem({.kind = ScheduleKind::Once, .start = At(22, 49)}, now), L"");
    EXPECT_EQ(ScheduleProblem({.kind = ScheduleKind::Daily, .start = At(9, 0, 0, 1)}, now), L"");
    EXPECT_NE(ScheduleProblem({.kind = ScheduleKind::Weekly, .start = At(9, 0)}, now), L"");
    EXPECT_EQ(ScheduleProblem({.kind = ScheduleKind::Weekly, .start = At(9, 0), .days = {true}}, now), L"");
}

TEST_F(ScheduleTest, DayOfWeekCountsFromSunday)
{
    EXPECT_EQ(DayOfWeek(At(0, 0)), 2);  // Tuesday
    EXPECT_EQ(DayOfWeek(At(23, 59, 59, 13)), 0);
    EXPECT_EQ(DayOfWeek(0), 6);  // 30 December 1899, a Saturday
}

struct WordsCase {
    const char* name;
    Schedule schedule;
    MessageSettings message;
    const wchar_t* words;
};

void PrintTo(const WordsCase& c, std::ostream* os) { *os << c.name; }

class AppearanceWordsTest : public ScheduleTest, public ::testing::WithParamInterface<WordsCase> {};

TEST_P(AppearanceWordsTest, SayTheStartPlusTheFilesDelay)
{
    const WordsCase& c = GetParam();
    const DateText date = [](TimeValue value) {
        const DateTimeParts parts = SplitDateTime(value);
        return std::to_wstring(parts.day) + L"." + std::to_wstring(parts.month) + L"." + std::to_wstring(parts.year);
    };
    EXPECT_EQ(AppearanceWords(c.schedule, c.message, date), c.words);
}

const WeekDays kMonWedFri{false, true, false, true, false, true, false};
const WeekDays kSaturday{false, false, false, false, false, false, true};

INSTANTIATE_TEST_SUITE_P(
    Kinds, AppearanceWordsTest,
    ::testing::Values(
        WordsCase{"OnceAtOnce", {ScheduleKind::Once, At(9, 0)}, Minutes(0), L"The message will appear on 8.12.2026 at 09:00."},
        WordsCase{"OncePlusMinutes", {ScheduleKind::Once, At(9, 0)}, Minutes(15), L"The message will appear on 8.12.2026 at 09:15."},
        WordsCase{"OnceOverMidnight", {ScheduleKind::Once, At(23, 50)}, Minutes(20), L"The message will appear on 9.12.2026 at 00:10."},
        WordsCase{"OnceClockTimeLater", {ScheduleKind::Once, At(9, 0)}, ClockTime(10, 30), L"The message will appear on 8.12.2026 at 10:30."},
        WordsCase{"OnceClockTimeReached", {ScheduleKind::Once, At(11, 0)}, ClockTime(10, 30), L"The message will appear on 8.12.2026 at 11:00."},
        WordsCase{"Daily", {ScheduleKind::Daily, At(9, 0)}, Minutes(0), L"The message will appear every day at 09:00."},
        WordsCase{"DailyOverMidnight", {ScheduleKind::Daily, At(23, 30)}, Minutes(60), L"The message will appear every day at 00:30."},
        WordsCase{"Weekdays", {ScheduleKind::Weekdays, At(9, 0)}, Minutes(5), L"The message will appear every Monday to Friday at 09:05."},
        WordsCase{"WeekdaysOverMidnight", {ScheduleKind::Weekdays, At(23, 59)}, Minutes(1), L"The message will appear every Tuesday to Saturday at 00:00."},
        WordsCase{"Weekly", {ScheduleKind::Weekly, At(9, 0), kMonWedFri}, Minutes(0), L"The message will appear every Monday, Wednesday and Friday at 09:00."},
        WordsCase{"WeeklyOneDayOverMidnight", {ScheduleKind::Weekly, At(23, 30), kSaturday}, Minutes(45), L"The message will appear every Sunday at 00:15."},
        WordsCase{"WeeklyWeekend", {ScheduleKind::Weekly, At(8, 0), {true, false, false, false, false, false, true}}, ClockTime(7, 0), L"The message will appear every Saturday and Sunday at 08:00."},
        WordsCase{"LogOn", {ScheduleKind::LogOn}, Minutes(0), L"The message will appear each time you log on."},
        WordsCase{"LogOnPlusMinute", {ScheduleKind::LogOn}, Minutes(1), L"The message will appear 1 minute after each log-on."},
        WordsCase{"LogOnClockTime", {ScheduleKind::LogOn}, ClockTime(10, 0), L"The message will appear at each log-on, or at 10:00 when you log on before then."}),
    [](const auto& info) { return std::string(info.param.name); });

struct DefinitionCase {
    const char* name;
    Schedule schedule;
    const wchar_t* trigger;  // the trigger's XML, as written
    const wchar_t* options;  // the schtasks schedule options
};

void PrintTo(const DefinitionCase& c, std::ostream* os) { *os << c.name; }

class TaskDefinitionTest : public ::testing::TestWithParam<DefinitionCase> {
protected:
    TaskRequest Request(std::wstring program = L"C:\\Program Files\\Brevant\\brevant.exe",
                        std::wstring config = L"C:\\My Reminders\\lunch.cfg") const
    {
        return {GetParam().schedule, std::move(program), std::move(config), L"Shows it", L"PC\\Ann"};
    }
};

TEST_P(TaskDefinitionTest, XmlHoldsTheTriggerAndReadsBackAsTheSchedule)
{
    const std::wstring xml = TaskXml(Request());
    EXPECT_NE(xml.find(GetParam().trigger), std::wstring::npos) << xml;
    EXPECT_EQ(ScheduleOfTaskXml(xml), GetParam().schedule);
}

TEST_P(TaskDefinitionTest, ReadsBackTheSchedulersOwnLayout)
{
    // The scheduler gives the XML back indented, with empty elements spaced.
    std::wstring xml;
    for (const wchar_t c : TaskXml(Request())) {
        if (c == L'<')
            xml += L"\r\n    ";
        xml += c == L'/' && !xml.empty() && xml.back() != L'<' && xml.back() != L'\\' ? std::wstring(L" /") : std::wstring(1, c);
    }
    EXPECT_EQ(ScheduleOfTaskXml(xml), GetParam().schedule) << xml;
}

TEST_P(TaskDefinitionTest, SchtasksCommandCarriesTheSameSchedule)
{
    const auto command = SchtasksCommand(Request());
    ASSERT_TRUE(command);
    EXPECT_EQ(*command, std::wstring(L"schtasks /Create /TN \"Brevant\\") + TaskNameOf(L"C:\\My Reminders\\lunch.cfg") +
                            L"\" /TR \"\\\"C:\\Program Files\\Brevant\\brevant.exe\\\" \\\"/cC:\\My Reminders\\lunch.cfg\\\"\"" +
                            GetParam().options + L" /IT /F");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, TaskDefinitionTest,
    ::testing::Values(
        DefinitionCase{"Once", {ScheduleKind::Once, At(9, 5)},
                       L"<TimeTrigger><StartBoundary>2026-12-08T09:05:00</StartBoundary></TimeTrigger>",
                       L" /SC ONCE /SD 12/08/2026 /ST 09:05"},
        DefinitionCase{"Daily", {ScheduleKind::Daily, At(17, 0)},
                       L"<ScheduleByDay><DaysInterval>1</DaysInterval></ScheduleByDay>",
                       L" /SC DAILY /SD 12/08/2026 /ST 17:00"},
        DefinitionCase{"Weekdays", {ScheduleKind::Weekdays, At(9, 0)},
                       L"<DaysOfWeek><Monday/><Tuesday/><Wednesday/><Thursday/><Friday/></DaysOfWeek>",
                       L" /SC WEEKLY /D MON,TUE,WED,THU,FRI /SD 12/08/2026 /ST 09:00"},
        DefinitionCase{"Weekly", {ScheduleKind::Weekly, At(9, 0), kMonWedFri},
                       L"<DaysOfWeek><Monday/><Wednesday/><Friday/></DaysOfWeek><WeeksInterval>1</WeeksInterval>",
                       L" /SC WEEKLY /D MON,WED,FRI /SD 12/08/2026 /ST 09:00"},
        DefinitionCase{"LogOn", {ScheduleKind::LogOn}, L"<LogonTrigger><UserId>PC\\Ann</UserId></LogonTrigger>",
                       L" /SC ONLOGON"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TaskXml, RunsTheProgramOnTheFileInItsFolderWithTheSettingsOfAReminder)
{
    struct Case {
        const wchar_t *config, *arguments, *folder;
    } cases[] = {
        {L"C:\\My Reminders\\lunch.cfg", L"\"/cC:\\My Reminders\\lunch.cfg\"", L"C:\\My Reminders"},
        {L"D:\\R&D <team>\\it's.cfg", L"\"/cD:\\R&amp;D &lt;team&gt;\\it's.cfg\"", L"D:\\R&amp;D &lt;team&gt;"},
        {L"C:\\Übung\\日本語 メモ.cfg", L"\"/cC:\\Übung\\日本語 メモ.cfg\"", L"C:\\Übung"},
        {L"E:\\top.cfg", L"\"/cE:\\top.cfg\"", L"E:\\"},
    };
    for (const Case& c : cases) {
        const std::wstring xml = TaskXml({{ScheduleKind::Daily, At(9, 0)}, L"C:\\B\\brevant.exe", c.config,
                                          L"Shows \"a\" & <b>", L"PC\\Ann"});
        EXPECT_NE(xml.find(std::wstring(L"<Arguments>") + c.arguments + L"</Arguments>"), std::wstring::npos) << xml;
        EXPECT_NE(xml.find(std::wstring(L"<WorkingDirectory>") + c.folder + L"</WorkingDirectory>"), std::wstring::npos);
        for (const wchar_t* part : {L"<Command>C:\\B\\brevant.exe</Command>", L"<Description>Shows \"a\" &amp; &lt;b&gt;</Description>",
                                    L"<LogonType>InteractiveToken</LogonType>", L"<StartWhenAvailable>true</StartWhenAvailable>",
                                    L"<DisallowStartIfOnBatteries>false</DisallowStartIfOnBatteries>",
                                    L"<StopIfGoingOnBatteries>false</StopIfGoingOnBatteries>",
                                    L"<MultipleInstancesPolicy>Parallel</MultipleInstancesPolicy>"})
            EXPECT_NE(xml.find(part), std::wstring::npos) << part;
    }
}

TEST(TaskXml, ForeignOrBrokenTriggersReadBackAsNothing)
{
    for (const wchar_t* xml : {L"", L"<Task><Triggers/></Task>", L"<Triggers><BootTrigger/></Triggers>",
                               L"<Triggers><TimeTrigger><StartBoundary>2026-02-30T09:00:00</StartBoundary></TimeTrigger></Triggers>",
                               L"<Triggers><TimeTrigger><StartBoundary>soon</StartBoundary></TimeTrigger></Triggers>"})
        EXPECT_EQ(ScheduleOfTaskXml(xml), std::nullopt) << xml;
}

TEST(TaskName, OnePerFileWhateverItsFolderOrLetterCase)
{
    const std::wstring name = TaskNameOf(L"C:\\Reminders\\lunch.cfg");
    EXPECT_EQ(name.substr(0, 10), L"lunch.cfg ");
    EXPECT_EQ(name.size(), 18u);
    EXPECT_EQ(TaskNameOf(L"c:\\REMINDERS\\lunch.cfg"), name);
    EXPECT_EQ(TaskNameOf(L"C:/Reminders/lunch.cfg"), name);
    EXPECT_NE(TaskNameOf(L"D:\\Reminders\\lunch.cfg"), name);
    EXPECT_EQ(TaskNameOf(L"C:\\R\\50% off & more!.cfg").substr(0, 20), L"50_ off _ more_.cfg ");
    EXPECT_EQ(TaskNameOf(L"C:\\R\\Übung (2).cfg").substr(0, 14), L"Übung (2).cfg ");
}

TEST(TaskDescription, NamesTheMessagesFirstLine)
{
    EXPECT_EQ(TaskDescription(L"Lunch\r\nCanteen", L"C:\\a.cfg"), L"Shows the message \"Lunch\" of C:\\a.cfg.");
    EXPECT_EQ(TaskDescription(L"", L"C:\\a.cfg"), L"Shows the message of C:\\a.cfg.");
    EXPECT_EQ(TaskDescription(std::wstring(300, L'x'), L"C:\\a.cfg").size(), 133u);
}

TEST(SchtasksCommand, EscapesWhatCmdWouldActOnOutsideItsQuotes)
{
    struct Case {
        const wchar_t *line, *escaped;
    } cases[] = {
        {L"a \"b & c\" d&e", L"a \"b & c\" d^&e"},
        {L"x \"\\\"C:\\R&D|1\\a^b<c>.exe\\\"\"", L"x \"\\\"C:\\R^&D^|1\\a^^b^<c^>.exe\\\"\""},
        {L"x \"\\\"C:\\50%off\\%TEMP%\\a%\\\"\"", L"x \"\\\"C:\\50%^off\\%^TEMP%^\\a%^\\\"\""},
        {L"%&", L"%^&"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EscapedForCmd(c.line), c.escaped) << c.line;
}

TEST(SchtasksCommand, IsLeftOutWhenThePathsAreTooLongForSchtasks)
{
    const std::wstring program = L"C:\\B\\brevant.exe";  // 16 characters
    const std::wstring fits(LongestSchtasksTaskRun - 7 - program.size(), L'a');
    EXPECT_TRUE(SchtasksCommand({{ScheduleKind::LogOn}, program, fits, L"", L""}));
    EXPECT_FALSE(SchtasksCommand({{ScheduleKind::LogOn}, program, fits + L"a", L"", L""}));
}

TEST(SchedulerErrorMessage, SaysWhatWentWrongInWords)
{
    struct Case {
        uint32_t result;
        const wchar_t *systemText, *message;
    } cases[] = {
        {kSchedulerNotRunning, L"", L"The Task Scheduler service is not running, so the task cannot be made, read or removed. "
                                   L"Start the service \"Task Scheduler\" (or ask your administrator to) and try again."},
        {kAccessDenied, L"Access is denied.\r\n", L"The Task Scheduler refused access: your account may not register the task "
                                                   L"on this computer. Ask your administrator."},
        {0x80070057, L"The parameter is incorrect.\r\n", L"The Task Scheduler could not register the task: The parameter is incorrect (0x80070057)."},
        {0x8004131F, L"", L"The Task Scheduler could not register the task: error (0x8004131F)."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SchedulerErrorMessage(c.result, L"register the task", c.systemText), c.message);
}

TEST(IsInsideFolder, IgnoresLetterCaseAndTheClosingBackslash)
{
    struct Case {
        const wchar_t *path, *folder;
        bool inside;
    } cases[] = {
        {L"C:\\Users\\Ann\\AppData\\Local\\Temp\\x.zip\\brevant.exe", L"C:\\Users\\Ann\\AppData\\Local\\Temp\\", true},
        {L"c:\\users\\ann\\appdata\\local\\temp\\a.cfg", L"C:\\Users\\Ann\\AppData\\Local\\Temp", true},
        {L"C:\\Users\\Ann\\AppData\\Local\\Temporary\\a.cfg", L"C:\\Users\\Ann\\AppData\\Local\\Temp\\", false},
        {L"C:\\Temp", L"C:\\Temp\\", false},
        {L"D:\\a.cfg", L"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsInsideFolder(c.path, c.folder), c.inside) << c.path;
}

}  // namespace
}  // namespace brevant
