// The program's tasks against Wine's Task Scheduler service, and the dialog
// "Schedule Message" that makes them. Wine 8 keeps a task under its name but
// neither its triggers nor its actions, so what is tested here is the task
// by name; its definition is tested natively.
#include "schedule/schedule_form.h"
#include "schedule/schtasks_command.h"
#include "schedule/task_scheduler.h"
#include "text/clock.h"
#include "text/error.h"
#include "text/locale_time_settings.h"
#include "widgets/callback_boundary.h"
#include "widgets/message_loop.h"

#include "automation/process.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brevant {
namespace {

std::vector<std::wstring> g_reported;

void RecordError(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const Error& e) {
        g_reported.push_back(e.Message());
    } catch (...) {
        g_reported.push_back(L"?");
    }
}

// `net start schedule`, as a user would type it. The prefixes made here
// start Wine's service with the server (its start type is automatic), and Wine
// refuses to stop it ("Invalid service control"): the message of a stopped
// service is tested natively.
void StartService()
{
    uia::Process net("C:\\windows\\system32\\net.exe", std::string_view("start schedule"));
    ASSERT_TRUE(net.WaitForExit());
}

class TaskSchedulerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES};
        InitCommonControlsEx(&controls);
        LoadLocaleTimeSettings();
        widgets::SetErrorReporter(&RecordError);
        StartService();
    }
    void SetUp() override { g_reported.clear(); }

    static TaskRequest Request(const std::wstring& configPath, ScheduleKind kind = ScheduleKind::Daily)
    {
        return {{kind, CurrentDateTime() + 1}, L"C:\\Program Files\\Brevant\\brevant.exe", configPath,
                TaskDescription(L"Lunch", configPath), CurrentUserId()};
    }
};

TEST_F(TaskSchedulerTest, RegistersReplacesAndRemovesATaskByName)
{
    TaskScheduler scheduler;
    const std::wstring file = L"C:\\My Reminders\\Übung & mehr.cfg";
    const std::wstring name = TaskNameOf(file);
    scheduler.Remove(name);
    EXPECT_FALSE(scheduler.TaskXmlOf(name));

    scheduler.Register(name, TaskXml(Request(file)));
    EXPECT_TRUE(scheduler.TaskXmlOf(name));
    scheduler.Register(name, TaskXml(Request(file, ScheduleKind::LogOn)));  // replaced, not refused
    EXPECT_TRUE(scheduler.TaskXmlOf(name));

    EXPECT_TRUE(scheduler.Remove(name));
    EXPECT_FALSE(scheduler.TaskXmlOf(name));
    EXPECT_FALSE(scheduler.Remove(name));
}

TEST_F(TaskSchedulerTest, FilesOfOneNameInTwoFoldersHaveTasksOfTheirOwn)
{
    TaskScheduler scheduler;
    const std::wstring first = L"C:\\A\\msg.cfg", second = L"C:\\B\\msg.cfg";
    scheduler.Register(TaskNameOf(first), TaskXml(Request(first)));
    scheduler.Register(TaskNameOf(second), TaskXml(Request(second)));
    EXPECT_TRUE(scheduler.Remove(TaskNameOf(first)));
    EXPECT_TRUE(scheduler.TaskXmlOf(TaskNameOf(second)));
    EXPECT_TRUE(scheduler.Remove(TaskNameOf(second)));
}

class ScheduleDialogTest : public TaskSchedulerTest {
protected:
    void SetUp() override
    {
        TaskSchedulerTest::SetUp();
        scheduler.Remove(TaskNameOf(file));
        form = std::make_unique<TfrmSchedule>(nullptr, scheduler, Request(file), MessageSettings{}, false);
        form->ShowSchedule(Request(file).schedule);
    }
    void TearDown() override { scheduler.Remove(TaskNameOf(file)); }

    static void Click(widgets::Control& control)
    {
        SendMessageW(control.Handle(), BM_CLICK, 0, 0);
        widgets::ProcessPendingMessages();
    }

    TaskScheduler scheduler;
    const std::wstring file = L"C:\\My Reminders\\lunch.cfg";
    std::unique_ptr<TfrmSchedule> form;
};

TEST_F(ScheduleDialogTest, EachKindEnablesItsOwnControlsAndSaysWhenTheMessageAppears)
{
    struct Case {
        widgets::RadioButton TfrmSchedule::*radio;
        bool date, days, time;
        const wchar_t* words;
    } cases[] = {
        {&TfrmSchedule::rbtnOnce, true, false, true, L"The message will appear on "},
        {&TfrmSchedule::rbtnDaily, false, false, true, L"The message will appear every day at "},
        {&TfrmSchedule::rbtnWeekdays, false, false, true, L"The message will appear every Monday to Friday at "},
        {&TfrmSchedule::rbtnWeekly, false, true, true, L"The message will appear every "},
        {&TfrmSchedule::rbtnLogOn, false, false, false, L"The message will appear each time you log on."},
    };
    for (const Case& c : cases) {
        Click(form.get()->*c.radio);
        EXPECT_EQ(form->dtpDate.Enabled(), c.date);
        EXPECT_EQ(form->chkMon.Enabled(), c.days);
        EXPECT_EQ(form->dtpTime.Enabled(), c.time);
        EXPECT_EQ(form->lblWhen.Text().rfind(c.words, 0), 0u) << form->lblWhen.Text();
        TaskRequest shown = Request(file);
        shown.schedule = form->GatherSchedule();
        EXPECT_EQ(form->memCommand.Text(), SchtasksCommand(shown));
    }
}

TEST_F(ScheduleDialogTest, WeeklyWithoutADaySaysSoAndRegistersNothing)
{
    Click(form->rbtnWeekly);
    for (widgets::CheckBox* box : form->dayChecks)
        box->SetChecked(false);
    EXPECT_EQ(form->lblWhen.Text(), L"Choose at least one day of the week for a weekly run.");
    widgets::GuardOutermost([&] { form->btnOKClick(); });
    EXPECT_EQ(g_reported, std::vector<std::wstring>{L"Choose at least one day of the week for a weekly run."});
    EXPECT_FALSE(scheduler.TaskXmlOf(TaskNameOf(file)));
    EXPECT_EQ(form->Result(), widgets::ModalResult::None);
}

TEST_F(ScheduleDialogTest, OkRegistersAndRemoveRemovesTheFilesTask)
{
    form->btnOKClick();
    EXPECT_EQ(form->Result(), widgets::ModalResult::OK);
    EXPECT_TRUE(scheduler.TaskXmlOf(TaskNameOf(file)));
    form->btnRemoveClick();
    EXPECT_FALSE(scheduler.TaskXmlOf(TaskNameOf(file)));
}

TEST_F(ScheduleDialogTest, CopyPutsTheCommandOnTheClipboard)
{
    form->btnCopyClick();
    ASSERT_TRUE(OpenClipboard(nullptr));
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const std::wstring copied = data ? static_cast<const wchar_t*>(GlobalLock(data)) : L"";
    if (data)
        GlobalUnlock(data);
    CloseClipboard();
    EXPECT_EQ(copied, form->memCommand.Text());
    EXPECT_EQ(copied.rfind(L"schtasks /Create /TN \"Brevant\\lunch.cfg ", 0), 0u);
}

}  // namespace
}  // namespace brevant
