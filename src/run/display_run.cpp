// The run that waits for the message's moment, shows the message and ends
// the process.
#include "run/display_run.h"

#include "app/application.h"
#include "dialogs/message_dialog.h"
#include "text/clock.h"
#include "widgets/callback_boundary.h"
#include "widgets/handles.h"
#include "widgets/message_loop.h"
#include "widgets/window.h"

#include <system_error>
#include <utility>

namespace brevant {

namespace {

using TimerHandle = widgets::UniqueHandle<HANDLE, CloseHandle>;

[[noreturn]] void ThrowLastError(const char* what)
{
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

// A hidden top-level window that hears what may move the moment: the system
// tells every top-level window of a change of the clock or the time zone and
// of a resume from sleep. A request from outside to close it ends the
// program, as it does for the program's other windows.
class ClockWatch : public widgets::Window {
public:
    ClockWatch()
    {
        CreateWindowOf({.name = L"BrevantClockWatch"}, {.style = WS_POPUP, .x = 0, .y = 0, .width = 0, .height = 0});
    }

    // True when the moment may have moved since the last call.
    bool TakeChange() { return std::exchange(changed_, false); }

protected:
    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_TIMECHANGE ||
            (message == WM_POWERBROADCAST && (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND)))
            changed_ = true;
        if (message == WM_CLOSE) {
            RequestTermination();
            return 0;
        }
        return Window::HandleMessage(message, wParam, lParam);
    }

private:
    bool changed_ = false;
};

// A span as a relative due time, on the system's interrupt time, which counts
// on through a sleep and which no change of the clock moves; a moment of the
// wall clock as an absolute due time, which the system moves with the clock.
void Arm(HANDLE timer, const WaitStep& step)
{
    constexpr long long hundredNanosecondsPerMs = 10000;
    LARGE_INTEGER due;
    if (const auto* sleep = std::get_if<SleepFor>(&step))
        due.QuadPart = -sleep->span.count() * hundredNanosecondsPerMs;
    else
        due.QuadPart = std::get<SleepUntil>(step).universal.count() * hundredNanosecondsPerMs;
    if (!SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE))
        ThrowLastError("The wait's timer cannot be set");
}

// Sleeps until the moment, taking the program's messages as they come; ends
// early when the program has been asked to end meanwhile. Nothing but the
// timer, a message, a change of the clock or a resume wakes it. The timer and
// the last two make it take the clocks again: the message comes only once
// they show the moment, never on the timer's word alone.
void WaitFor(const DisplayMoment& moment, const WaitClock& clock)
{
    ClockWatch watch;
    const TimerHandle timer(CreateWaitableTimerW(nullptr, TRUE, nullptr));
    if (!timer)
        ThrowLastError("The wait's timer cannot be made");
    const HANDLE handle = timer.get();
    bool lookAgain = true;
    while (!widgets::QuitTaken()) {
        if (lookAgain) {
            const WaitStep step = moment.Next(clock);
            if (std::holds_alternative<DueNow>(step))
                return;
            Arm(handle, step);
        }
        const DWORD woken = MsgWaitForMultipleObjectsEx(1, &handle, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woken == WAIT_FAILED)
            ThrowLastError("The wait failed");
        if (woken == WAIT_OBJECT_0) {
            lookAgain = true;
            continue;
        }
        widgets::ProcessPendingMessages();
        lookAgain = watch.TakeChange();
    }
}

}  // namespace

WaitClock SystemWaitClock() { return {ElapsedSinceStart, UniversalTime, UniversalTimeOfLocal}; }

void RunDisplay(const MessageSettings& settings, const WaitClock& clock)
{
    try {
        if (settings.Delayed())
            WaitFor(DisplayMoment(settings, clock), clock);
        // Asked to end during the wait (closed from outside, the session
        // ending): the process ends at once rather than show the message
        // only for the ending to close it.
        if (!widgets::QuitTaken())
            ShowMessageDialog(settings.ShownText(), settings.kind, settings.ButtonSet(), 0, DialogLayer::AboveOthers);
    } catch (...) {
        widgets::ReportError(std::current_exception());
    }
    RequestTermination();
}

}  // namespace brevant
