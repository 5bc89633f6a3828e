#pragma once
// The dialog "Schedule Message": when the task that shows a saved config
// file's message starts, in words when the message will appear, the schtasks
// command for scripts, and OK (register or replace), Cancel, Remove and Copy.
#include "schedule/schedule.h"
#include "schedule/task_definition.h"
#include "schedule/task_scheduler.h"
#include "widgets/check_box.h"
#include "widgets/edit.h"
#include "widgets/glyph_button.h"
#include "widgets/group_box.h"
#include "widgets/label.h"
#include "widgets/modal_form.h"
#include "widgets/radio_button.h"
#include "widgets/time_picker.h"

#include <optional>

namespace brevant {

class TfrmSchedule : public widgets::ModalForm {
public:
    // A new, hidden dialog owned by `owner` for the task of `request`'s file
    // and message, showing `schedule`: the registered task's when it has one.
    TfrmSchedule(HWND owner, TaskScheduler& scheduler, TaskRequest request, MessageSettings message,
                 bool registered);
    ~TfrmSchedule() override;

    widgets::GroupBox GroupBox1;
    widgets::RadioButton rbtnOnce, rbtnDaily, rbtnWeekdays, rbtnWeekly, rbtnLogOn;
    widgets::TimePicker dtpDate;
    widgets::CheckBox chkMon, chkTue, chkWed, chkThu, chkFri, chkSat, chkSun;
    // The day boxes, Sunday first, as Schedule counts the week.
    widgets::CheckBox* const dayChecks[7];
    widgets::Label lblTime;
    widgets::TimePicker dtpTime;
    widgets::Label lblWhen, lblCommand;
    widgets::Edit memCommand;
    widgets::GlyphButton btnOK, btnCancel, btnRemove, btnCopy;

    // The schedule as the controls hold it: the one reader of the controls.
    Schedule GatherSchedule() const;
    void ShowSchedule(const Schedule& schedule);

    // Handlers of the controls' events.
    void ScheduleChange();
    void btnOKClick();
    void btnRemoveClick();
    void btnCopyClick();

protected:
    void OnDpiChanged() override;

private:
    void CreateControls();
    void BindEvents();
    TaskRequest RequestOf(const Schedule& schedule) const;

    TaskScheduler& scheduler_;
    const TaskRequest request_;
    const MessageSettings message_;
    const std::wstring taskName_;
};

// Opens the dialog for a saved config file and its message: refused at once
// when the program runs from a temporary folder or the scheduler cannot be
// reached.
void ScheduleMessage(HWND owner, const std::wstring& configPath, const MessageSettings& message);

}  // namespace brevant
