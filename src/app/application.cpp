#include "app/application.h"

#include "widgets/callback_boundary.h"
#include "widgets/form.h"
#include "widgets/message_loop.h"

#include <utility>

namespace brevant {

Application::Application(const wchar_t* title)
{
    // A zero-sized window: on screen it is only its taskbar button.
    CreateWindowOf({.name = L"BrevantApplication"},
                   {.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS,
                    .caption = title,
                    .x = GetSystemMetrics(SM_CXSCREEN) / 2,
                    .y = GetSystemMetrics(SM_CYSCREEN) / 2,
                    .width = 0, .height = 0});
}

int StartupShowCommand()
{
    STARTUPINFOW info{};
    info.cb = sizeof info;
    GetStartupInfoW(&info);
    return (info.dwFlags & STARTF_USESHOWWINDOW) ? info.wShowWindow : SW_SHOWDEFAULT;
}

void RequestTermination() { PostQuitMessage(0); }

void Application::HideTaskbarEntry() { ShowWindow(Handle(), SW_HIDE); }

void Application::Run(widgets::Form& mainForm, std::function<void()> onFirstShow)
{
    mainForm_ = &mainForm;
    onFirstShow_ = std::move(onFirstShow);
    if (StartupShowCommand() == SW_SHOWMINNOACTIVE) {
        // Only a minimized taskbar entry until the user restores it.
        ShowWindow(Handle(), SW_SHOWMINNOACTIVE);
    } else {
        // The taskbar entry is hidden at once, so it is not shown first only
        // to vanish: that saves the start a round trip to the screen.
        ShowMainForm();
    }
    widgets::RunMessageLoop([] { return false; });
}

void Application::RunAtOnce(const std::function<void()>& run)
{
    RunOutermost(run);
    widgets::RunMessageLoop([] { return false; });
}

void Application::RunOutermost(const std::function<void()>& handler)
{
    widgets::NestedLoopScope outermost;
    widgets::GuardOutermost(handler);
}

void Application::ShowMainForm()
{
    if (std::exchange(shown_, true))
        return;
    // An error in the show handler is reported before the window is shown,
    // also when the show comes from the taskbar entry's restore.
    RunOutermost(onFirstShow_);
    mainForm_->ShowCentred();
    if (StartupShowCommand() == SW_SHOWMAXIMIZED)
        ShowWindow(mainForm_->Handle(), SW_SHOWMAXIMIZED);
}

std::optional<LRESULT> Application::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_RESTORE && !shown_) {
            DefWindowProcW(Handle(), message, wParam, lParam);
            ShowMainForm();
            return 0;
        }
        break;
    case WM_CLOSE:
        // The taskbar entry's Close, or a request from outside the program to
        // end it: the program ends as Cancel ends it. Destroying this window
        // would take the configuration window with it and leave the process
        // running with nothing on the screen.
        RequestTermination();
        return 0;
    case WM_ENDSESSION:
        if (wParam)
            RequestTermination();
        return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace brevant
