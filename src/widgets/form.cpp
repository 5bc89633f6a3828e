#include "widgets/form.h"

#include "widgets/app_cursor.h"
#include "widgets/callback_boundary.h"
#include "widgets/check_box.h"
#include "widgets/label.h"
#include "widgets/mnemonic.h"
#include "widgets/push_button.h"
#include "widgets/radio_button.h"
#include "widgets/screen_dpi.h"

namespace brevant::widgets {

namespace {

// Every descendant in tab order: creation order, depth first.
template <typename Visit>
bool ForEachDescendant(HWND parent, Visit&& visit)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (visit(child) || ForEachDescendant(child, visit))
            return true;
    }
    return false;
}

// WM_GETDPISCALEDSIZE, which platforms from Windows 10 version 1703 on send.
constexpr UINT kGetDpiScaledSize = 0x02E4;

bool KeyHeld(int key) { return GetKeyState(key) < 0; }
bool ModifierHeld() { return KeyHeld(VK_SHIFT) || KeyHeld(VK_CONTROL) || KeyHeld(VK_MENU); }

bool Usable(HWND hwnd) { return IsWindowEnabled(hwnd) && IsWindowVisible(hwnd); }

bool WantsKey(HWND focus, UINT code)
{
    return focus && (SendMessageA(focus, WM_GETDLGCODE, 0, 0) & code);
}

bool WantsEnter(HWND focus)
{
    const LONG_PTR style = focus ? GetWindowLongPtrA(focus, GWL_STYLE) : 0;
    char className[16] = {};
    GetClassNameA(focus, className, sizeof className);
    return lstrcmpiA(className, "EDIT") == 0 && (style & ES_MULTILINE) && (style & ES_WANTRETURN);
}

}  // namespace

void Form::CreateForm(const Params& params)
{
    designClient_ = {params.clientWidth, params.clientHeight};
    style_ = params.style;
    exStyle_ = params.exStyle;
    iconId_ = params.iconId;
    SetLayoutDpi(DpiOfWindow(params.owner));
    LoadScale(LayoutDpi());
    if (!params.menu.empty())
        menuBar_ = BuildMenuBar(params.menu);
    // Created at its final size with its menu: every later move or resize of a
    // top-level window costs the start a round of monitor queries.
    const SIZE outer = OuterSizeAt(LayoutDpi());
    CreateWindowOf({.name = params.className, .cursor = params.cursor},
                   {.exStyle = params.exStyle, .style = params.style, .caption = params.caption,
                    .x = 0, .y = 0, .width = outer.cx, .height = outer.cy,
                    .parent = params.owner, .menuOrId = menuBar_.menu.get()});
    // The window owns the menu from here on and destroys it with itself.
    menuBar_.menu.release();
    if (icon_)
        SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    hints_.Attach(Handle());
}

void Form::LoadScale(Dpi dpi)
{
    font_ = CreatePointFont("MS Sans Serif", 8, dpi);
    if (iconId_)
        icon_ = LoadIconResource(iconId_, dpi.Scale(32));
}

SIZE Form::OuterSizeAt(Dpi dpi) const
{
    const bool hasMenu = menuBar_.menu != nullptr || (Handle() && GetMenu(Handle()));
    return OuterSize({dpi.Scale(designClient_.cx), dpi.Scale(designClient_.cy)}, style_, hasMenu, exStyle_,
                     dpi);
}

void Form::ChangeDpi(Dpi dpi, const RECT& suggested)
{
    SetLayoutDpi(dpi);
    // The old font and icon stay alive until every control has let go of them.
    FontHandle oldFont = std::move(font_);
    IconHandle oldIcon = std::move(icon_);
    LoadScale(dpi);
    if (icon_)
        SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    OnDpiChanged();
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void Form::Place(HWND control, const Bounds& design, HFONT font)
{
    const Bounds b = Scaled(design);
    SetWindowPos(control, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (Control* wrapper = Control::FromHandle(control))
        wrapper->OnScaleChanged();
}

void Form::AddTimer(Timer& timer)
{
    timer.Attach(Handle());
    timers_.push_back(&timer);
}

void Form::SetDefaultButton(PushButton* button)
{
    default_ = button;
    UpdateDefaultFrames();
}

void Form::SetCancelButton(PushButton* button) { cancel_ = button; }

void Form::ShowCentred()
{
    RECT r;
    GetWindowRect(Handle(), &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const int left = width > screenWidth ? 0 : (screenWidth - width) / 2;
    const int top = height > screenHeight ? 0 : (screenHeight - height) / 2;
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    SetForegroundWindow(Handle());
    RethrowPending();
    if (HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE)) {
        SetFocus(first);
        RethrowPending();
    }
}

void Form::UpdateDefaultFrames()
{
    // The focused button of this form carries the frame; the default button
    // while no button of the form has the focus.
    const HWND focus = GetFocus();
    auto* focused = IsChild(Handle(), focus) ? dynamic_cast<PushButton*>(Control::FromHandle(focus)) : nullptr;
    PushButton* framed = focused ? focused : default_;
    if (framed == framed_)
        return;
    if (framed_)
        framed_->SetDefaultFrame(false);
    framed_ = framed;
    if (framed_)
        framed_->SetDefaultFrame(true);
}

bool Form::FocusNextTabStop(bool backwards)
{
    HWND next = GetNextDlgTabItem(Handle(), GetFocus(), backwards);
    if (!next)
        return false;
    SetFocus(next);
    char className[16] = {};
    GetClassNameA(next, className, sizeof className);
    // As in a dialog, a single-line edit reached by Tab has its text selected.
    if (lstrcmpiA(className, "EDIT") == 0 && !(GetWindowLongPtrA(next, GWL_STYLE) & ES_MULTILINE))
        SendMessageA(next, EM_SETSEL, 0, -1);
    return true;
}

bool Form::PressAccelerator(char typed)
{
    Control* target = nullptr;
    ForEachDescendant(Handle(), [&](HWND child) {
        Control* control = Control::FromHandle(child);
        if (!control || !Usable(child))
            return false;
        const auto mnemonic = MnemonicOf(control->Text());
        if (!mnemonic || !MnemonicMatches(*mnemonic, typed))
            return false;
        target = control;
        return true;
    });
    if (!target)
        return false;
    if (auto* button = dynamic_cast<PushButton*>(target)) {
        button->Click();
    } else if (auto* check = dynamic_cast<CheckBox*>(target)) {
        check->Focus();
        check->SetChecked(!check->Checked());
    } else {
        target->Focus();
    }
    return true;
}

bool Form::PreTranslateMessage(MSG& message)
{
    if (message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST) {
        hints_.Relay(message);
        return false;
    }
    if (menuBar_.accelerators &&
        TranslateAcceleratorA(Handle(), menuBar_.accelerators.get(), &message))
        return true;
    const HWND focus = GetFocus();
    switch (message.message) {
    case WM_KEYDOWN:
        switch (message.wParam) {
        case VK_TAB:
            if (KeyHeld(VK_CONTROL) || KeyHeld(VK_MENU))
                return false;
            FocusNextTabStop(KeyHeld(VK_SHIFT));
            return true;
        case VK_RETURN:
            if (ModifierHeld() || WantsEnter(focus))
                return false;
            if (auto* focused = dynamic_cast<PushButton*>(Control::FromHandle(focus)))
                focused->Click();
            else if (default_ && Usable(default_->Handle()))
                default_->Click();
            return true;
        case VK_ESCAPE:
            if (ModifierHeld())
                return false;
            if (cancel_ && Usable(cancel_->Handle()))
                cancel_->Click();
            return true;
        }
        return false;
    case WM_SYSCHAR:
        return PressAccelerator(static_cast<char>(message.wParam));
    case WM_CHAR:
        return !WantsKey(focus, DLGC_WANTCHARS) && PressAccelerator(static_cast<char>(message.wParam));
    }
    return false;
}

std::optional<LRESULT> Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (lParam == 0) {
            if (onMenuCommand)
                onMenuCommand(LOWORD(wParam));
            return 0;
        }
        if (HIWORD(wParam) == BN_SETFOCUS || HIWORD(wParam) == BN_KILLFOCUS)
            UpdateDefaultFrames();
        break;
    case WM_TIMER:
        for (Timer* timer : timers_) {
            if (timer->Id() == wParam) {
                timer->Tick();
                return 0;
            }
        }
        break;
    case WM_CLOSE:
        if (onClose) {
            onClose();
            return 0;
        }
        break;
    case WM_SHOWWINDOW:
        // A tip must not stay on the screen after its form has gone from it.
        if (!wParam)
            hints_.Pop();
        break;
    case WM_DPICHANGED:
        ChangeDpi(Dpi(LOWORD(wParam)), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case kGetDpiScaledSize:
        // The size the form will have at the new scale, so the platform's
        // suggestion for WM_DPICHANGED fits it exactly.
        *reinterpret_cast<SIZE*>(lParam) = OuterSizeAt(Dpi(static_cast<int>(wParam)));
        return TRUE;
    case WM_WININICHANGE:
        if (onSettingChange)
            onSettingChange();
        break;
    case WM_MOUSEMOVE:
        if (onMouseMove)
            onMouseMove();
        break;
    case WM_SETCURSOR:
        // Asked first on behalf of every control on the form, too.
        if (LOWORD(lParam) == HTCLIENT && ShowApplicationCursor())
            return TRUE;
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace brevant::widgets
