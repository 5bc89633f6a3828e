#pragma once
// For tests of the message dialog: ShowMessageDialog runs on the test's main
// thread while a second thread finds the dialog and works it with posted keys
// and clicks, as another process would.
#include "dialogs/message_dialog.h"
#include "dialogs/message_dialog_layout.h"
#include "text/unicode_text.h"
#include "widgets/push_button.h"

#include "automation/find.h"
#include "automation/input.h"
#include "automation/read.h"
#include "automation/wait.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <thread>

namespace brevant::testing_support {

inline TMessageForm& FormOf(HWND dialog)
{
    return *dynamic_cast<TMessageForm*>(widgets::Window::FromHandle(dialog));
}

// The dialog's control with that name ("Image", "Message", "Yes", ...).
inline HWND ControlNamed(HWND dialog, std::wstring_view name)
{
    widgets::Control* control = FormOf(dialog).FindControl(name);
    return control ? control->Handle() : nullptr;
}

inline HWND WaitForMessageDialog(MessageKind kind)
{
    return uia::WaitForWindow({.caption = TextToUtf8(KindInfo(kind).caption), .className = "TMessageForm",
                               .processId = GetCurrentProcessId()});
}

struct Shown {
    DialogResult result;
    HWND dialog;  // as it was while open
};

// Runs ShowMessageDialog here while `drive` works the open dialog from another
// thread. A dialog that `drive` leaves open is a failure; it is closed then.
inline Shown ShowDriven(std::wstring_view text, MessageKind kind, DialogButtonSet buttons,
                        const std::function<void(HWND dialog)>& drive)
{
    HWND found = nullptr;
    std::thread driver([&] {
        const HWND dialog = WaitForMessageDialog(kind);
        if (!dialog) {
            ADD_FAILURE() << "the dialog did not appear";
            return;
        }
        found = dialog;
        drive(dialog);
        if (!uia::WaitForWindowGone(dialog, std::chrono::seconds(3))) {
            ADD_FAILURE() << "the dialog is still open";
            uia::RequestClose(dialog);
        }
    });
    DialogResult result{};
    try {
        result = ShowMessageDialog(text, kind, buttons, 0);
    } catch (...) {
        driver.join();
        throw;
    }
    driver.join();
    return {result, found};
}

// Keys go where a keyboard sends them: to the window with the focus.
inline void Press(HWND dialog, UINT key, unsigned modifiers = uia::kNoModifiers)
{
    const HWND focus = uia::FocusedWindow(dialog);
    uia::PressKey(focus ? focus : dialog, key, modifiers);
}

inline void Type(HWND dialog, wchar_t c)
{
    const HWND focus = uia::FocusedWindow(dialog);
    uia::TypeText(focus ? focus : dialog, TextToUtf8(std::wstring(1, c)));
}

}  // namespace brevant::testing_support
