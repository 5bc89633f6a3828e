#pragma once
// The application object: the program's own hidden top-level window, titled
// "Message", which owns the program's other windows and carries the taskbar
// button; the start-up show command; the message loop; the termination
// request.
#include "widgets/window.h"

#include <functional>

namespace brevant {

namespace widgets {
class Form;
}

class Application : public widgets::Window {
public:
    explicit Application(const wchar_t* title);

    // Runs the message loop until termination has been requested, and leaves
    // the exit status to the caller (always 0). The program first shows itself
    // the way the platform asked the process to start: at once, or, started
    // minimized, once the user restores its taskbar entry. It then runs
    // `onFirstShow` and shows the main form centred (or maximized when so
    // started).
    void Run(widgets::Form& mainForm, std::function<void()> onFirstShow);

    // Runs `run` at once, whatever show command the process was started with,
    // then the message loop until termination has been requested. For a run
    // with no window of its own to show: it has no taskbar entry either, and
    // nothing waits for the user to restore one.
    void RunAtOnce(const std::function<void()>& run);

    // Hides the taskbar entry.
    void HideTaskbarEntry();

protected:
    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Runs a handler as the outermost one: its error is reported at once.
    static void RunOutermost(const std::function<void()>& handler);
    void ShowMainForm();

    widgets::Form* mainForm_ = nullptr;
    std::function<void()> onFirstShow_;
    bool shown_ = false;
};

// The show command the platform handed to the process (GetStartupInfoA):
// the show value when the start-up flags carry one, otherwise SW_SHOWDEFAULT.
int StartupShowCommand();

// Asks the message loop to end; the caller's handler runs on to its end.
void RequestTermination();

}  // namespace brevant
