#pragma once
// Base of the program's own window classes (forms, group boxes, the message
// dialog): one window procedure that finds the object and dispatches into its
// HandleMessage at a callback boundary. Notifications of standard controls
// (commands, scroll, colours, owner drawing) are routed to their Control object.
#include "widgets/dpi.h"

#include <windows.h>

#include <optional>
#include <string>

namespace brevant::widgets {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return hwnd_; }
    static Window* FromHandle(HWND hwnd);

    std::wstring Caption() const;
    void SetCaption(const std::wstring& caption);

    // The scale the window is laid out at; a child window's is its top-level
    // window's.
    Dpi LayoutDpi() const;
    // The scale of the program's top-level window that holds this window or
    // control; the platform's for a window that is not the program's.
    static Dpi LayoutDpiOf(HWND window);

    // Keyboard handling (and tool tips) of a form, before a keyboard or mouse
    // message is translated and dispatched; true when it has been dealt with.
    virtual bool PreTranslateMessage(MSG& message);

protected:
    struct ClassParams {
        const wchar_t* name;
        UINT style = 0;
        int background = COLOR_BTNFACE + 1;
        HCURSOR cursor = nullptr;  // the arrow when not given
    };
    struct CreateParams {
        DWORD exStyle = 0;
        DWORD style = 0;
        const wchar_t* caption = L"";
        int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = CW_USEDEFAULT, height = CW_USEDEFAULT;
        HWND parent = nullptr;
        HMENU menuOrId = nullptr;
    };

    // Registers the class on first use and creates the window; throws on failure.
    void CreateWindowOf(const ClassParams& windowClass, const CreateParams& params);

    // A top-level window keeps the scale it has laid itself out at.
    void SetLayoutDpi(Dpi dpi) { dpi_ = dpi; }

    // Override to handle messages; unknown ones go to Window::HandleMessage,
    // which routes control notifications and leaves the rest to the default.
    virtual std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
    Dpi dpi_;
};

}  // namespace brevant::widgets
