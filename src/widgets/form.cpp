#include "widgets/form.h"

#include "widgets/app_cursor.h"
#include "widgets/callback_boundary.h"
#include "widgets/label.h"
#include "widgets/message_loop.h"
#include "widgets/screen_dpi.h"

namespace brevant::widgets {

namespace {

// WM_GETDPISCALEDSIZE, which platforms from Windows 10 version 1703 on send.
constexpr UINT kGetDpiScaledSize = 0x02E4;

}  // namespace

Form::~Form()
{
    // The window and its controls go before the font they draw with.
    if (Handle())
        DestroyWindow(Handle());
}

void Form::CreateForm(const Params& params)
{
    designClient_ = {params.clientWidth, params.clientHeight};
    style_ = params.style;
    exStyle_ = params.exStyle;
    iconId_ = params.iconId;
    face_ = params.face;
    SetLayoutDpi(DpiOfWindow(params.owner));
    LoadScale(LayoutDpi());
    if (!params.menu.empty())
        menuBar_ = BuildMenuBar(params.menu);
    // Created at its final size with its menu: every later move or resize of a
    // top-level window costs the start a round of monitor queries.
    const SIZE outer = *Form::SizeAtScale(LayoutDpi());
    CreateWindowOf({.name = params.className, .cursor = params.cursor},
                   {.exStyle = params.exStyle, .style = params.style, .caption = params.caption,
                    .x = 0, .y = 0, .width = outer.cx, .height = outer.cy,
                    .parent = params.owner, .menuOrId = menuBar_.menu.get()});
    // The window owns the menu from here on and destroys it with itself.
    menuBar_.menu.release();
    if (icon_)
        SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    hints_.Attach(Handle());
    keyboard_.Attach(Handle());
}

void Form::LoadScale(Dpi dpi)
{
    font_ = face_ == Face::SystemMessage ? CreateMessageFont(dpi) : CreatePointFont(L"MS Sans Serif", 8, dpi);
    if (iconId_)
        icon_ = LoadIconResource(iconId_, dpi.Scale(32));
}

std::optional<SIZE> Form::SizeAtScale(Dpi dpi) const
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
        SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    const RECT place = PlaceAtScale(suggested);
    SetWindowPos(Handle(), nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    OnDpiChanged();
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void Form::Place(HWND control, const Bounds& design, HFONT font)
{
    const Bounds b = Scaled(design);
    SetWindowPos(control, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (Control* wrapper = Control::FromHandle(control))
        wrapper->OnScaleChanged();
}

void Form::ShowCentred()
{
    RECT r;
    GetWindowRect(Handle(), &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const int left = width > screenWidth ? 0 : (screenWidth - width) / 2;
    const int top = height > screenHeight ? 0 : (screenHeight - height) / 2;
    InitializeKeyboardCues();
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    SetForegroundWindow(Handle());
    RethrowPending();
    if (HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE)) {
        SetFocus(first);
        RethrowPending();
    }
}

bool Form::PreTranslateMessage(MSG& message)
{
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        note_.Hide();
        break;
    }
    if (IsMouseMessage(message.message)) {
        if (Control* control = Control::FromHandle(message.hwnd))
            control->OnMouseMessage(message.message);
        hints_.Relay(message);
        return false;
    }
    if (menuBar_.accelerators &&
        TranslateAcceleratorW(Handle(), menuBar_.accelerators.get(), &message))
        return true;
    return keyboard_.HandleKey(message);
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
            keyboard_.FocusChanged();
        break;
    case WM_CLOSE:
        if (onClose) {
            onClose();
            return 0;
        }
        break;
    case WM_SHOWWINDOW:
        // A tip must not stay on the screen after its form has gone from it.
        if (!wParam) {
            hints_.Pop();
            note_.Hide();
        }
        break;
    case WM_DPICHANGED:
        ChangeDpi(Dpi(LOWORD(wParam)), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case kGetDpiScaledSize:
        // The size the form will have at the new scale, so the platform's
        // suggestion for WM_DPICHANGED fits it exactly.
        if (const auto size = SizeAtScale(Dpi(static_cast<int>(wParam)))) {
            *reinterpret_cast<SIZE*>(lParam) = *size;
            return TRUE;
        }
        break;
    case WM_WININICHANGE:
        if (onSettingChange)
            onSettingChange();
        break;
    case WM_THEMECHANGED:
        // Every window is told; the controls the program draws itself hear it
        // from their form (see Control::OnMouseMessage for why not from a
        // subclass).
        EnumChildWindows(
            Handle(),
            [](HWND child, LPARAM) {
                return Guard(
                    [&] {
                        if (Control* control = Control::FromHandle(child))
                            control->OnThemeChanged();
                        return TRUE;
                    },
                    FALSE);
            },
            0);
        RethrowPending();
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
