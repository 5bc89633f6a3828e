#include "widgets/window.h"

#include "text/error.h"
#include "widgets/callback_boundary.h"
#include "widgets/control.h"
#include "widgets/handle_map.h"
#include "widgets/screen_dpi.h"

#include <set>
#include <stdexcept>
#include <string>

namespace brevant::widgets {

namespace {

HandleMap<Window>& Windows()
{
    static HandleMap<Window> windows;
    return windows;
}

void RegisterOnce(const wchar_t* name, UINT style, int background, HCURSOR cursor, WNDPROC procedure)
{
    static std::set<std::wstring> registered;
    if (registered.contains(name))
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = cursor ? cursor : LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background));
    wc.lpszClassName = name;
    if (!RegisterClassExW(&wc))
        throw Error(std::wstring(L"Cannot register window class ") + name);
    registered.insert(name);
}

Control* ControlOf(LPARAM handle) { return Control::FromHandle(reinterpret_cast<HWND>(handle)); }

}  // namespace

Window::~Window()
{
    if (hwnd_) {
        Windows().Remove(hwnd_);
        DestroyWindow(std::exchange(hwnd_, nullptr));
    }
}

Window* Window::FromHandle(HWND hwnd)
{
    return Windows().Find(hwnd);
}

bool Window::PreTranslateMessage(MSG&) { return false; }

Dpi Window::LayoutDpi() const { return LayoutDpiOf(hwnd_); }

Dpi Window::LayoutDpiOf(HWND window)
{
    const HWND root = GetAncestor(window, GA_ROOT);
    const Window* topLevel = FromHandle(root);
    return topLevel ? topLevel->dpi_ : DpiOfWindow(root);
}

std::wstring Window::Caption() const
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Window::SetCaption(const std::wstring& caption)
{
    SetWindowTextW(hwnd_, caption.c_str());
    RethrowPending();
}

void Window::CreateWindowOf(const ClassParams& windowClass, const CreateParams& params)
{
    RegisterOnce(windowClass.name, windowClass.style, windowClass.background, windowClass.cursor,
                 &Window::Procedure);
    HWND created = CreateWindowExW(params.exStyle, windowClass.name, params.caption, params.style, params.x,
                                   params.y, params.width, params.height, params.parent, params.menuOrId,
                                   GetModuleHandleW(nullptr), this);
    RethrowPending();
    if (!created)
        throw Error(std::wstring(L"Cannot create window of class ") + windowClass.name);
}

std::optional<LRESULT> Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (auto* control = ControlOf(lParam))
            return control->OnCommand(HIWORD(wParam));
        break;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (auto* control = Control::FromHandle(header->hwndFrom))
            return control->OnNotify(*header);
        break;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (auto* control = ControlOf(lParam))
            return control->OnScroll(LOWORD(wParam));
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        if (auto* control = ControlOf(lParam))
            return control->OnColor(reinterpret_cast<HDC>(wParam));
        break;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (auto* control = Control::FromHandle(item->hwndItem))
            return control->OnDrawItem(*item);
        break;
    }
    }
    return std::nullopt;
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* self = FromHandle(hwnd);
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        Windows().Add(hwnd, self);
    }
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        Windows().Remove(hwnd);
        self->hwnd_ = nullptr;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    std::optional<LRESULT> handled =
        Guard([&] { return self->HandleMessage(message, wParam, lParam); }, std::optional<LRESULT>(0));
    return handled ? *handled : DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace brevant::widgets
