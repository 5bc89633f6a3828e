#pragma once
// A form's stored layout as data: a table of rows, each naming a control
// member of the form, the group box it stands in (nullptr: the client area),
// its place at 96 dots per inch, its caption and its hint, in tab order within
// each parent. One loop makes the controls; the kinds of control differ only
// in how each is created, which the form says in one function.
#include "widgets/dpi.h"
#include "widgets/group_box.h"

#include <string_view>
#include <variant>

namespace brevant::widgets {

template <class FormType, class... Controls>
struct LayoutRow {
    std::variant<Controls FormType::*...> control;
    GroupBox FormType::*parent;  // nullptr: the window's client area
    Bounds bounds;
    const wchar_t* caption;  // nullptr: none
    const wchar_t* hint;     // nullptr: none
};

// The window of a row's control.
template <class FormType, class Row>
HWND ControlHandle(FormType& form, const Row& row)
{
    return std::visit([&](auto member) { return (form.*member).Handle(); }, row.control);
}

// Makes each row's control at the form's scale, in its parent, through
// create(control, member, parent, bounds, caption), then gives it its hint.
template <class FormType, class Rows, class Create>
void CreateLayoutRows(FormType& form, const Rows& rows, Create create)
{
    for (const auto& row : rows) {
        const HWND parent = row.parent ? (form.*row.parent).Handle() : form.Handle();
        const Bounds bounds = form.Scaled(row.bounds);
        const std::wstring_view caption = row.caption ? row.caption : L"";
        std::visit(
            [&](auto member) {
                auto& control = form.*member;
                create(control, member, parent, bounds, caption);
                if (row.hint)
                    form.Hints().Set(control.Handle(), row.hint);
            },
            row.control);
    }
}

}  // namespace brevant::widgets
