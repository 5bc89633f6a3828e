#pragma once
// Reading the state of a control, in this process or another. Each call sends
// the control a message and throws std::runtime_error if it does not answer.
#include "automation/wide.h"

#include <windows.h>

#include <string>

namespace uia {

// The control's text as WM_GETTEXT gives it (for an edit its contents, for a
// button its caption with the ampersands, for a time picker what it shows).
std::string Text(HWND window);
std::wstring WideText(HWND window);

// BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE of a check box or radio button.
int CheckState(HWND button);
bool IsChecked(HWND button);

// TBM_GETPOS of a track bar.
int TrackBarPosition(HWND trackBar);

// The date and time a date-time picker holds. In-process only: the message
// carries a pointer that no one copies to another process, so this throws
// std::logic_error for a picker of another process (read Text() there).
SYSTEMTIME DateTimePickerTime(HWND picker);

// The window that has the keyboard focus in the thread owning `window`
// (nullptr if none).
HWND FocusedWindow(HWND window);

}  // namespace uia
