// What the dialog "Schedule Message" does: the schedule its controls hold,
// the words and the command that follow it, and its four buttons.
#include "schedule/schedule_form.h"

#include "app/command_line.h"
#include "dialogs/message_dialog.h"
#include "schedule/file_location.h"
#include "schedule/schtasks_command.h"
#include "text/clock.h"
#include "text/error.h"
#include "widgets/clipboard.h"
#include "widgets/release.h"

namespace brevant {

namespace {

std::wstring LongDateText(TimeValue date)
{
    const SYSTEMTIME time = SystemTimeOfParts(SplitDateTime(date));
    wchar_t text[128];
    if (!GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_LONGDATE, &time, nullptr, text, ARRAYSIZE(text), nullptr))
        return {};
    return text;
}

const wchar_t* WhereWords(Location location)
{
    switch (location) {
    case Location::Removable:
        return L"on a removable drive";
    case Location::Network:
        return L"on a network drive";
    case Location::Temporary:
        return L"in a temporary folder";
    case Location::Lasting:
        break;
    }
    return nullptr;
}

}  // namespace

void TfrmSchedule::BindEvents()
{
    for (widgets::RadioButton* radio : {&rbtnOnce, &rbtnDaily, &rbtnWeekdays, &rbtnWeekly, &rbtnLogOn})
        radio->onClick = [this] { ScheduleChange(); };
    for (widgets::CheckBox* box : dayChecks)
        box->onClick = [this] { ScheduleChange(); };
    dtpDate.onChange = [this] { ScheduleChange(); };
    dtpTime.onChange = [this] { ScheduleChange(); };
    btnOK.onClick = [this] { btnOKClick(); };
    btnCancel.onClick = [this] { SetModalResult(widgets::ModalResult::Cancel); };
    btnRemove.onClick = [this] { btnRemoveClick(); };
    btnCopy.onClick = [this] { btnCopyClick(); };
}

Schedule TfrmSchedule::GatherSchedule() const
{
    Schedule schedule;
    if (rbtnDaily.Selected())
        schedule.kind = ScheduleKind::Daily;
    else if (rbtnWeekdays.Selected())
        schedule.kind = ScheduleKind::Weekdays;
    else if (rbtnWeekly.Selected())
        schedule.kind = ScheduleKind::Weekly;
    else if (rbtnLogOn.Selected())
        schedule.kind = ScheduleKind::LogOn;
    DateTimeParts start = PartsOfSystemTime(dtpDate.Value());
    const DateTimeParts time = PartsOfSystemTime(dtpTime.Value());
    start.hour = time.hour;
    start.minute = time.minute;
    start.second = start.millisecond = 0;
    schedule.start = ComposeDateTime(start);
    for (int day = 0; day < 7; ++day)
        schedule.days[day] = dayChecks[day]->Checked();
    return schedule;
}

void TfrmSchedule::ShowSchedule(const Schedule& schedule)
{
    const SYSTEMTIME start = SystemTimeOfParts(SplitDateTime(schedule.start));
    dtpDate.SetValue(start);
    dtpTime.SetValue(start);
    // A week not chosen yet proposes the start's own day.
    WeekDays days = schedule.days;
    if (schedule.kind != ScheduleKind::Weekly)
        days[DayOfWeek(schedule.start)] = true;
    for (int day = 0; day < 7; ++day)
        dayChecks[day]->SetChecked(days[day]);
    widgets::RadioButton* const radios[] = {&rbtnOnce, &rbtnDaily, &rbtnWeekdays, &rbtnWeekly, &rbtnLogOn};
    radios[static_cast<int>(schedule.kind)]->Select();
    ScheduleChange();
}

TaskRequest TfrmSchedule::RequestOf(const Schedule& schedule) const
{
    TaskRequest request = request_;
    request.schedule = schedule;
    return request;
}

void TfrmSchedule::ScheduleChange()
{
    const Schedule schedule = GatherSchedule();
    dtpDate.SetEnabled(schedule.kind == ScheduleKind::Once);
    for (widgets::CheckBox* box : dayChecks)
        box->SetEnabled(schedule.kind == ScheduleKind::Weekly);
    lblTime.SetEnabled(schedule.kind != ScheduleKind::LogOn);
    dtpTime.SetEnabled(schedule.kind != ScheduleKind::LogOn);

    const std::wstring problem = ScheduleProblem(schedule, CurrentDateTime());
    lblWhen.SetText(problem.empty() ? AppearanceWords(schedule, message_, LongDateText) : problem);
    const std::optional<std::wstring> command = SchtasksCommand(RequestOf(schedule));
    memCommand.SetText(command.value_or(std::wstring(kSchtasksTooLong)));
    btnCopy.SetEnabled(command.has_value());
}

void TfrmSchedule::btnOKClick()
{
    const Schedule schedule = GatherSchedule();
    if (const std::wstring problem = ScheduleProblem(schedule, CurrentDateTime()); !problem.empty())
        throw Error(problem);
    if (const wchar_t* where = WhereWords(LocationOf(request_.configPath))) {
        const std::wstring warning = L"The config file is " + std::wstring(where) + L": the task would fail once "
                                     L"it is gone. Schedule it anyway?\r\n\r\n" + request_.configPath;
        if (ShowMessageDialog(warning, MessageKind::Warning, DialogButton::Yes | DialogButton::No, 0) !=
            DialogResult::Yes)
            return;
    }
    scheduler_.Register(taskName_, TaskXml(RequestOf(schedule)));
    SetModalResult(widgets::ModalResult::OK);
}

void TfrmSchedule::btnRemoveClick()
{
    scheduler_.Remove(taskName_);
    SetModalResult(widgets::ModalResult::OK);
}

void TfrmSchedule::btnCopyClick() { widgets::CopyToClipboard(Handle(), memCommand.Text()); }

void ScheduleMessage(HWND owner, const std::wstring& configPath, const MessageSettings& message)
{
    const std::wstring program = CommandLineArgument(0);
    if (LocationOf(program) == Location::Temporary)
        throw Error(L"Brevant runs from a temporary folder, which a zip viewer or a download empties when it "
                    L"closes: a task would no longer find it. Copy brevant.exe to a folder of its own, start it "
                    L"from there and schedule the message again.\r\n\r\n" + program);
    TaskScheduler scheduler;
    const std::optional<std::wstring> registered = scheduler.TaskXmlOf(TaskNameOf(configPath));
    const Schedule proposal = ProposedSchedule(message, CurrentDateTime());
    Schedule shown = registered ? ScheduleOfTaskXml(*registered).value_or(proposal) : proposal;
    if (shown.kind == ScheduleKind::LogOn)
        shown.start = proposal.start;
    const widgets::Released<TfrmSchedule> form(
        new TfrmSchedule(owner, scheduler,
                         {shown, program, configPath, TaskDescription(message.ShownText(), configPath), CurrentUserId()},
                         message, registered.has_value()));
    form->ShowSchedule(shown);
    form->ShowModal();
}

}  // namespace brevant
