#pragma once
// Thin wrapper over one standard Win32 control. The control's window belongs
// to its parent and dies with it; the wrapper only refers to it. Notifications
// the parent receives are routed back to the wrapper (see Window).
#include "widgets/dpi.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace brevant::widgets {

class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    HWND Handle() const { return hwnd_; }
    static Control* FromHandle(HWND hwnd);

    std::wstring Text() const;
    // Setting the text a control already has changes nothing and raises nothing.
    void SetText(std::wstring_view text);

    // The font the control draws with.
    HFONT Font() const;

    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const;
    void SetVisible(bool visible);
    void Focus();
    bool Focused() const;
    Bounds GetBounds() const;  // relative to the parent's client area
    void SetBounds(const Bounds& bounds);

    // The form has placed the control anew, with a font of the form's new
    // scale: a control with sizes or pictures of its own follows.
    virtual void OnScaleChanged() {}
    // The system's visual style has changed: a control that draws itself follows.
    virtual void OnThemeChanged() {}
    // A mouse message for the control (IsMouseMessage), taken from the queue
    // before it is dispatched. The form relays them: a subclass on the control
    // would cost each of its messages a window-property lookup.
    virtual void OnMouseMessage(UINT /*message*/) {}

    // Notifications routed from the parent; nullopt leaves them to the default.
    virtual std::optional<LRESULT> OnCommand(WORD /*code*/) { return std::nullopt; }
    virtual std::optional<LRESULT> OnNotify(NMHDR& /*header*/) { return std::nullopt; }
    virtual std::optional<LRESULT> OnScroll(WORD /*code*/) { return std::nullopt; }
    virtual std::optional<LRESULT> OnColor(HDC /*dc*/) { return std::nullopt; }
    virtual std::optional<LRESULT> OnDrawItem(DRAWITEMSTRUCT& /*item*/) { return std::nullopt; }

protected:
    struct CreateParams {
        const wchar_t* className;
        DWORD style = 0;
        DWORD exStyle = 0;
        std::wstring_view text = {};
        Bounds bounds{};
        int id = 0;
    };
    // Creates the control as a visible child of the parent, with the font given.
    void CreateControl(HWND parent, const CreateParams& params, HFONT font);

    // Lets OnOwnMessage see the control's own messages (keys, mouse) first.
    void Subclass();
    virtual std::optional<LRESULT> OnOwnMessage(UINT /*message*/, WPARAM, LPARAM)
    {
        return std::nullopt;
    }

private:
    static LRESULT CALLBACK SubclassProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    HWND hwnd_ = nullptr;
    bool subclassed_ = false;
};

}  // namespace brevant::widgets
