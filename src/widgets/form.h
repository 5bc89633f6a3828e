#pragma once
// A top-level window of the program: the configuration window, the About
// window and the message dialog. One font for all its controls at the scale
// of its monitor, laid out again when that scale changes; hints; an optional
// menu with shortcut keys; and the keyboard of a dialog (KeyboardNavigation)
// with its default and cancel buttons.
#include "widgets/balloon_note.h"
#include "widgets/font.h"
#include "widgets/keyboard_navigation.h"
#include "widgets/menu.h"
#include "widgets/tool_tips.h"
#include "widgets/window.h"

#include <functional>
#include <span>

namespace brevant::widgets {

class PushButton;

class Form : public Window {
public:
    // The face every control of the form is drawn in.
    enum class Face {
        Layout,          // the stored layouts': "MS Sans Serif", 8 points
        SystemMessage,   // the system's message font
    };

    struct Params {
        const wchar_t* className;
        const wchar_t* caption;
        int clientWidth, clientHeight;
        DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
        DWORD exStyle = WS_EX_CONTROLPARENT;
        HWND owner = nullptr;
        int iconId = 0;  // the window's icon among the program's resources; none when 0
        HCURSOR cursor = nullptr;
        std::span<const MenuEntry> menu = {};  // none when empty
        Face face = Face::Layout;
    };

    ~Form() override;

    // The form's font, at the form's scale.
    HFONT Font() const { return font_.get(); }
    // A place or size of the stored layout (96 dots per inch), at the form's scale.
    Bounds Scaled(const Bounds& design) const { return LayoutDpi().Scale(design); }
    int Scaled(int design) const { return LayoutDpi().Scale(design); }
    ToolTips& Hints() { return hints_; }
    // Says what just happened in a balloon pointing at the control, until the
    // next key or click.
    BalloonNote& Note() { return note_; }

    void SetDefaultButton(PushButton* button) { keyboard_.SetDefaultButton(button); }
    void SetCancelButton(PushButton* button) { keyboard_.SetCancelButton(button); }
    PushButton* DefaultButton() const { return keyboard_.DefaultButton(); }
    PushButton* CancelButton() const { return keyboard_.CancelButton(); }

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
    // Creates the window at the scale of the monitor its owner stands on (the
    // system's without an owner); the client size is given at 96 dots per inch.
    void CreateForm(const Params& params);

    // Hides the keyboard cues as the form is shown, unless the user has them
    // shown always.
    void InitializeKeyboardCues() { keyboard_.InitializeCues(); }

    // The form has moved to a monitor of another scale and has its font at
    // that scale. The rectangle it takes there: the platform's suggestion,
    // unless the form sizes itself from its content.
    virtual RECT PlaceAtScale(const RECT& suggested) { return suggested; }
    // The outer size the form will have at a scale; nothing for a form that
    // sizes itself from its content.
    virtual std::optional<SIZE> SizeAtScale(Dpi dpi) const;
    // Then, placed there: the derived form places its controls anew.
    virtual void OnDpiChanged() {}
    // Puts a control of the stored layout at its place at the form's scale,
    // with the font given.
    void Place(HWND control, const Bounds& design, HFONT font);

    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void LoadScale(Dpi dpi);
    void ChangeDpi(Dpi dpi, const RECT& suggested);

    SIZE designClient_{};
    DWORD style_ = 0, exStyle_ = 0;
    int iconId_ = 0;
    Face face_ = Face::Layout;
    FontHandle font_;
    IconHandle icon_;
    ToolTips hints_;
    BalloonNote note_;
    MenuBar menuBar_;
    KeyboardNavigation keyboard_;
};

}  // namespace brevant::widgets
