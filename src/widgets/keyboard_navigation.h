#pragma once
// The keyboard of every window of the program that works like a dialog: the
// configuration window, the About window and the message dialog.
//  - Tab and Shift+Tab move the focus to the next or previous tab stop, round
//    the window.
//  - The arrow keys move the focus within the group of the focused control,
//    round the group: the radio buttons of one parent, selecting the one they
//    reach as a click does, or the push buttons of one parent. Up and Left go
//    back, Down and Right on. Over any other control they keep their meaning.
//  - Enter presses the focused push button, or else the default button; a
//    control that takes Enter for itself (a multi-line edit) keeps it.
//  - Escape presses the cancel button.
//  - A button's accelerator letter, with Alt or alone where the focused control
//    takes no characters (a read-only edit takes none), presses a push button,
//    focuses and toggles a check box, and focuses a radio button; the first
//    such control in tab order wins.
//  - The focused push button, or else the default button, carries the
//    default frame.
//  - Focus rectangles and underlined accelerators show once the keyboard is
//    used, as in the platform's dialogs.
#include <windows.h>

namespace brevant::widgets {

class PushButton;

class KeyboardNavigation {
public:
    // The window whose keys this handles; set once it exists.
    void Attach(HWND window) { window_ = window; }

    void SetDefaultButton(PushButton* button);
    void SetCancelButton(PushButton* button);
    PushButton* DefaultButton() const { return default_; }
    PushButton* CancelButton() const { return cancel_; }

    // Hides the keyboard cues as the window is shown, unless the user has
    // them shown always.
    void InitializeCues();

    // A key message taken from the queue for the window or a control on it:
    // true when it has been dealt with.
    bool HandleKey(const MSG& message);

    // A push button on the window got or lost the focus.
    void FocusChanged() { UpdateDefaultFrames(); }

private:
    bool HandleKeyDown(WPARAM key);
    bool MoveFocusInGroup(int step);
    bool FocusNextTabStop(bool backwards);
    bool PressAccelerator(wchar_t typed);
    void ShowCues();
    void UpdateDefaultFrames();

    HWND window_ = nullptr;
    PushButton* default_ = nullptr;
    PushButton* cancel_ = nullptr;
    PushButton* framed_ = nullptr;  // the one button drawn with the default frame
    bool cuesHidden_ = false;
};

}  // namespace brevant::widgets
