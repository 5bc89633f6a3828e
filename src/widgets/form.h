#pragma once
// A top-level window of the program built from a stored layout: fixed size,
// one font for all its controls, hints, an optional menu with shortcut keys,
// timers, and the keyboard behaviour of a dialog: Tab and Shift+Tab move the
// focus, Enter presses the focused push button or else the default button,
// Escape presses the cancel button, and a control's accelerator letter (with
// Alt, or alone while the focused control takes no characters) acts on it.
#include "widgets/font.h"
#include "widgets/menu.h"
#include "widgets/timer.h"
#include "widgets/tool_tips.h"
#include "widgets/window.h"

#include <functional>
#include <span>
#include <vector>

namespace brevant::widgets {

class PushButton;

class Form : public Window {
public:
    struct Params {
        const char* className;
        const char* caption;
        int clientWidth, clientHeight;
        DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
        DWORD exStyle = WS_EX_CONTROLPARENT;
        HWND owner = nullptr;
        HICON icon = nullptr;
        HCURSOR cursor = nullptr;
        std::span<const MenuEntry> menu = {};  // none when empty
    };

    HFONT Font() const { return font_.get(); }
    ToolTips& Hints() { return hints_; }

    void SetDefaultButton(PushButton* button);
    void SetCancelButton(PushButton* button);
    PushButton* DefaultButton() const { return default_; }
    PushButton* CancelButton() const { return cancel_; }

    // Centres the window on the screen at its current size (at the top-left
    // corner when it is larger than the screen), shows it and focuses the
    // first control in the tab order.
    void ShowCentred();

    bool PreTranslateMessage(MSG& message) override;

    std::function<void(WORD)> onMenuCommand;
    std::function<void()> onClose;           // the close box, Alt+F4
    std::function<void()> onSettingChange;   // WM_WININICHANGE
    std::function<void()> onMouseMove;       // over the form's own surface

protected:
    void CreateForm(const Params& params);
    void AddTimer(Timer& timer);

    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void UpdateDefaultFrames();
    bool PressAccelerator(char typed);
    bool FocusNextTabStop(bool backwards);

    FontHandle font_;
    ToolTips hints_;
    MenuBar menuBar_;
    std::vector<Timer*> timers_;
    PushButton* default_ = nullptr;
    PushButton* cancel_ = nullptr;
    PushButton* framed_ = nullptr;  // the one button drawn with the default frame
};

}  // namespace brevant::widgets
