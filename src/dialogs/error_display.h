#pragma once
// The box that reports an error no handler of the program caught. The event
// machinery calls ReportUnhandledError at its catch points; the program then
// goes on with its event loop.
#include <exception>
#include <string_view>

namespace brevant {

// Shows the message (with a closing full stop, see WithClosingFullStop) in the
// platform's message box titled "Message", with the stop icon and OK, owned by
// the dialog owner; returns when the box is closed. The program's other windows
// take no input meanwhile; the window active before is active again after.
void ShowErrorBox(std::wstring_view message);

// Ends a mouse capture in progress and shows the error's message.
void ReportUnhandledError(std::exception_ptr error);

}  // namespace brevant
