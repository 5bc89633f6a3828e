#pragma once
// Driving controls of this process or another one with messages, the way a
// user's mouse and keyboard would. No real input events are made: under X the
// keyboard focus follows the pointer, so synthetic X input is unreliable.
//
// Each call returns once the target's thread has handled what was sent or
// posted (see Settle in wait.h). Effects that take longer (a window closing, a
// process ending) are for the caller to wait for with WaitUntil and friends.
#include <windows.h>

#include <string_view>

namespace uia {

enum Modifier : unsigned { kNoModifiers = 0, kShift = 1, kControl = 2, kAlt = 4 };

// Clicks an enabled, visible push button, check box or radio button as the
// mouse does (BM_CLICK), without waiting for what the click opens: returns as
// soon as the click's handler has finished or has opened a modal box. From the
// button's own thread the click runs synchronously, so a modal box it opens
// must be closed from another thread. A disabled or hidden control is not
// clicked: false.
bool Click(HWND button);

// Sets the control's text as the program itself would (WM_SETTEXT): an edit
// raises its change notification, but no key filter sees the text.
void SetText(HWND control, std::string_view text);
void SetText(HWND control, std::wstring_view text);

// Selects all of an edit's text, so that typing replaces it.
void SelectAllText(HWND edit);

// Types characters into the control as the keyboard does after translation:
// one posted WM_CHAR each, so a key filter sees them and each arrives once.
// For printable characters and '\b' (backspace). Enter, Tab and Escape go
// through PressKey, since a form acts on their key-down before translation.
void TypeText(HWND control, std::string_view text);
void TypeText(HWND control, std::wstring_view text);

// Presses and releases a virtual key with modifiers, posting the key-down and
// key-up to `window` (WM_SYSKEYDOWN/UP with Alt, as the system does); the
// target's translation adds the key's character, if any, once. The modifier
// keys themselves are not posted (an Alt release would open the menu): they
// are held down in the target thread's key state (GetKeyState) until the key
// has been handled.
void PressKey(HWND window, UINT virtualKey, unsigned modifiers = kNoModifiers);

// Gives the control the keyboard focus within its thread.
void SetFocusTo(HWND control);

// Asks the window to close as its close box does (WM_SYSCOMMAND SC_CLOSE);
// does not wait.
void RequestClose(HWND window);

}  // namespace uia
