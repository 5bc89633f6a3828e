#include "widgets/control.h"

#include "text/error.h"
#include "widgets/callback_boundary.h"
#include "widgets/handle_map.h"

#include <commctrl.h>

#include <stdexcept>
#include <string>

namespace brevant::widgets {

namespace {
HandleMap<Control>& Controls()
{
    static HandleMap<Control> controls;
    return controls;
}
}  // namespace

Control::~Control()
{
    // The window outlives the object when it belongs to a form destroyed later:
    // from here on it finds no object and calls none.
    if (!hwnd_)
        return;
    Controls().Remove(hwnd_);
    if (subclassed_)
        RemoveWindowSubclass(hwnd_, &Control::SubclassProcedure, 1);
}

Control* Control::FromHandle(HWND hwnd) { return Controls().Find(hwnd); }

void Control::CreateControl(HWND parent, const CreateParams& params, HFONT font)
{
    const std::wstring text(params.text);
    hwnd_ = CreateWindowExW(params.exStyle, params.className, text.c_str(),
                            params.style | WS_CHILD | WS_VISIBLE, params.bounds.left, params.bounds.top,
                            params.bounds.width, params.bounds.height, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.id)),
                            GetModuleHandleW(nullptr), nullptr);
    RethrowPending();
    if (!hwnd_)
        throw Error(std::wstring(L"Cannot create control of class ") + params.className);
    Controls().Add(hwnd_, this);
    if (font)
        SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void Control::Subclass()
{
    subclassed_ = SetWindowSubclass(hwnd_, &Control::SubclassProcedure, 1,
                                    reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

LRESULT CALLBACK Control::SubclassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR, DWORD_PTR self)
{
    auto* control = reinterpret_cast<Control*>(self);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, &Control::SubclassProcedure, 1);
        control->subclassed_ = false;
        Controls().Remove(hwnd);
    }
    std::optional<LRESULT> handled =
        Guard([&] { return control->OnOwnMessage(message, wParam, lParam); }, std::optional<LRESULT>(0));
    return handled ? *handled : DefSubclassProc(hwnd, message, wParam, lParam);
}

std::wstring Control::Text() const
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Control::SetText(std::wstring_view text)
{
    if (Text() == text)
        return;
    const std::wstring copy(text);
    SetWindowTextW(hwnd_, copy.c_str());
    RethrowPending();
}

HFONT Control::Font() const { return reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)); }

bool Control::Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }

void Control::SetEnabled(bool enabled)
{
    EnableWindow(hwnd_, enabled);
    RethrowPending();
}

bool Control::Visible() const { return IsWindowVisible(hwnd_) != FALSE; }

void Control::SetVisible(bool visible)
{
    ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
    RethrowPending();
}

void Control::Focus()
{
    SetFocus(hwnd_);
    RethrowPending();
}

bool Control::Focused() const { return GetFocus() == hwnd_; }

Bounds Control::GetBounds() const
{
    RECT r{};
    GetWindowRect(hwnd_, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Control::SetBounds(const Bounds& b)
{
    SetWindowPos(hwnd_, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
    RethrowPending();
}

}  // namespace brevant::widgets
