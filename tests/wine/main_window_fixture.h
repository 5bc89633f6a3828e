#pragma once
// A configuration window of this process, shown as the program shows it at
// start-up, with errors that reach the catch points recorded instead of shown.
#include "app/application.h"
#include "dialogs/error_text.h"
#include "main/main.h"
#include "text/locale_time_settings.h"
#include "widgets/callback_boundary.h"
#include "widgets/message_loop.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <exception>
#include <memory>
#include <string>
#include <vector>

namespace brevant {

// What the unhandled-error display would have shown, in order.
inline std::vector<std::wstring> g_reported;

inline void RecordError(std::exception_ptr error)
{
    g_reported.push_back(ErrorMessageOf(error));
}

class MainWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_DATE_CLASSES};
        InitCommonControlsEx(&controls);
        LoadLocaleTimeSettings();
        widgets::SetErrorReporter(&RecordError);
    }

    void SetUp() override
    {
        g_reported.clear();
        app = std::make_unique<Application>(L"Message");
        form = std::make_unique<TfrmMain>(*app);
    }

    void TearDown() override
    {
        form.reset();
        app.reset();
        TakeQuitRequest();
    }

    // Shows the window as the application does at start-up.
    void Show()
    {
        ShowWindow(app->Handle(), SW_SHOWNOACTIVATE);
        widgets::GuardOutermost([&] { form->FormShow(); });
        form->ShowCentred();
        Pump();
    }

    static void Pump() { widgets::ProcessPendingMessages(); }

    // True when a termination request waits in the queue; takes it out.
    static bool TakeQuitRequest()
    {
        MSG message;
        return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
    }

    // A key as the keyboard sends it to the focused control, then handled.
    static void PressKey(UINT key, bool shift = false)
    {
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(state);
        PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
        PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
        Pump();
        state[VK_SHIFT] = 0;
        SetKeyboardState(state);
    }

    static void TypeChar(HWND target, wchar_t c, UINT message = WM_CHAR)
    {
        PostMessageW(target, message, static_cast<wchar_t>(c), message == WM_SYSCHAR ? 0x20000001 : 1);
        Pump();
    }

    // A click as the mouse makes it: the control notifies its parent.
    static void UserClick(const widgets::Control& control)
    {
        SendMessageW(control.Handle(), BM_CLICK, 0, 0);
        Pump();
    }

    std::wstring Hint(const widgets::Control& control) { return form->Hints().Get(control.Handle()); }

    // The colour a shown control's background is drawn in: the bottom-left
    // corner of its client area, where no text of one or two lines goes.
    static COLORREF DrawnBackground(const widgets::Control& control)
    {
        UpdateWindow(control.Handle());
        RECT client;
        GetClientRect(control.Handle(), &client);
        HDC dc = GetDC(control.Handle());
        const COLORREF colour = GetPixel(dc, 1, client.bottom - 2);
        ReleaseDC(control.Handle(), dc);
        return colour;
    }

    std::unique_ptr<Application> app;
    std::unique_ptr<TfrmMain> form;
};

}  // namespace brevant
