// The stored layout of the dialog "Schedule Message": every control with its
// parent, position, caption and hint, in tab order within each parent.
#include "resources/glyph_scale.h"
#include "resources/resource_ids.h"
#include "schedule/schedule_form.h"
#include "widgets/layout_table.h"

#include <string_view>
#include <type_traits>

namespace brevant {

namespace {

using widgets::Bounds;
using ControlLayout =
    widgets::LayoutRow<TfrmSchedule, widgets::GroupBox, widgets::RadioButton, widgets::TimePicker, widgets::CheckBox,
                       widgets::Label, widgets::Edit, widgets::GlyphButton>;

constexpr widgets::GroupBox TfrmSchedule::*kTop = nullptr;
constexpr widgets::GroupBox TfrmSchedule::*kGroup = &TfrmSchedule::GroupBox1;

const ControlLayout kLayout[] = {
    {&TfrmSchedule::GroupBox1, kTop, {8, 8, 305, 197}, L"Start the Task", nullptr},
    {&TfrmSchedule::lblWhen, kTop, {8, 212, 305, 28}, L"", nullptr},
    {&TfrmSchedule::lblCommand, kTop, {8, 246, 200, 13}, L"Command for scripts:", nullptr},
    {&TfrmSchedule::memCommand, kTop, {8, 262, 305, 73}, L"", nullptr},
    {&TfrmSchedule::btnOK, kTop, {324, 12, 75, 25}, L"OK", L"Register the task (replacing the file's task)"},
    {&TfrmSchedule::btnCancel, kTop, {324, 44, 75, 25}, L"Cancel", L"Close with nothing changed"},
    {&TfrmSchedule::btnRemove, kTop, {324, 76, 75, 25}, L"&Remove", L"Remove the file's task"},
    {&TfrmSchedule::btnCopy, kTop, {324, 262, 75, 25}, L"Co&py", L"Copy the command for scripts"},

    {&TfrmSchedule::rbtnOnce, kGroup, {16, 24, 73, 17}, L"&Once, on", L"Start the task once, on a date at a time"},
    {&TfrmSchedule::dtpDate, kGroup, {96, 22, 121, 21}, nullptr, L"The date of the one run"},
    {&TfrmSchedule::rbtnDaily, kGroup, {16, 48, 97, 17}, L"Every &day", L"Start the task every day at a time"},
    {&TfrmSchedule::rbtnWeekdays, kGroup, {16, 72, 201, 17}, L"&Weekdays (Monday to Friday)", L"Start the task Monday to Friday at a time"},
    {&TfrmSchedule::rbtnWeekly, kGroup, {16, 96, 113, 17}, L"Every wee&k on:", L"Start the task on the days chosen below at a time"},
    {&TfrmSchedule::chkMon, kGroup, {32, 116, 39, 17}, L"Mon", nullptr},
    {&TfrmSchedule::chkTue, kGroup, {72, 116, 39, 17}, L"Tue", nullptr},
    {&TfrmSchedule::chkWed, kGroup, {112, 116, 41, 17}, L"Wed", nullptr},
    {&TfrmSchedule::chkThu, kGroup, {154, 116, 39, 17}, L"Thu", nullptr},
    {&TfrmSchedule::chkFri, kGroup, {194, 116, 35, 17}, L"Fri", nullptr},
    {&TfrmSchedule::chkSat, kGroup, {230, 116, 35, 17}, L"Sat", nullptr},
    {&TfrmSchedule::chkSun, kGroup, {266, 116, 37, 17}, L"Sun", nullptr},
    {&TfrmSchedule::rbtnLogOn, kGroup, {16, 142, 97, 17}, L"At &log-on", L"Start the task each time you log on"},
    {&TfrmSchedule::lblTime, kGroup, {16, 172, 40, 13}, L"At time:", nullptr},
    {&TfrmSchedule::dtpTime, kGroup, {64, 168, 89, 21}, nullptr, L"The time the task starts"},
};

struct GlyphLayout {
    widgets::GlyphButton TfrmSchedule::*button;
    int bitmapId;
};

const GlyphLayout kGlyphs[] = {
    {&TfrmSchedule::btnOK, IDB_GLYPH_OK},
    {&TfrmSchedule::btnCancel, IDB_GLYPH_CANCEL},
};

}  // namespace

TfrmSchedule::TfrmSchedule(HWND owner, TaskScheduler& scheduler, TaskRequest request, MessageSettings message,
                           bool registered)
    : dayChecks{&chkSun, &chkMon, &chkTue, &chkWed, &chkThu, &chkFri, &chkSat},
      scheduler_(scheduler),
      request_(std::move(request)),
      message_(std::move(message)),
      taskName_(TaskNameOf(request_.configPath))
{
    CreateForm({.className = L"TfrmSchedule", .caption = L"Schedule Message", .clientWidth = 407,
                .clientHeight = 343, .exStyle = WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME, .owner = owner});
    CreateControls();
    btnRemove.SetEnabled(registered);
    BindEvents();
}

TfrmSchedule::~TfrmSchedule()
{
    // The controls go with the window, before the handlers they use.
    if (Handle())
        DestroyWindow(Handle());
}

void TfrmSchedule::CreateControls()
{
    const HFONT font = Font();
    widgets::CreateLayoutRows(
        *this, kLayout, [&](auto& control, auto member, HWND parent, const Bounds& bounds, std::wstring_view caption) {
            using Type = std::remove_reference_t<decltype(control)>;
            if constexpr (std::is_same_v<Type, widgets::Edit>)
                control.Create(parent, bounds, caption, font, {.multiLine = true, .readOnly = true});
            else if constexpr (std::is_same_v<Type, widgets::Label>)
                control.Create(parent, bounds, caption, font, {});
            else if constexpr (std::is_same_v<Type, widgets::TimePicker>)
                control.Create(parent, bounds, font,
                               member == &TfrmSchedule::dtpDate ? widgets::TimePicker::Shows::Date
                                                                : widgets::TimePicker::Shows::Time);
            else
                control.Create(parent, bounds, caption, font);
        });
    memCommand.SetBackgroundColour(COLOR_MENU);
    for (const GlyphLayout& glyph : kGlyphs)
        (this->*glyph.button).SetGlyph(glyph.bitmapId, GlyphBitmapAt);
    SetDefaultButton(&btnOK);
    SetCancelButton(&btnCancel);
}

void TfrmSchedule::OnDpiChanged()
{
    for (const ControlLayout& row : kLayout)
        Place(widgets::ControlHandle(*this, row), row.bounds, Font());
}

}  // namespace brevant
