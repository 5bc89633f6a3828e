// The run that waits for the message's moment, shows the message and ends
// the process.
#include "run/display_run.h"

#include "app/application.h"
#include "dialogs/message_dialog.h"
#include "run/display_time.h"
#include "text/clock.h"
#include "widgets/callback_boundary.h"
#include "widgets/message_loop.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {

// The longest sleep of one pass of the wait: a changed system clock is
// followed within this time.
constexpr double kLongestPassMs = 250;

// Ends early when the program has been asked to end meanwhile.
void WaitUntil(const std::function<TimeValue()>& clock, TimeValue target)
{
    while (!widgets::QuitTaken()) {
        const TimeValue now = clock();
        if (now >= target)
            return;
        widgets::ProcessPendingMessages();
        const double remainingMs = std::ceil((target - now) * 86400000.0);
        const auto sleepMs = static_cast<DWORD>(std::clamp(remainingMs, 1.0, kLongestPassMs));
        MsgWaitForMultipleObjectsEx(0, nullptr, sleepMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

}  // namespace

void RunDisplay(const MessageSettings& settings, const std::function<TimeValue()>& clock)
{
    try {
        if (settings.Delayed()) {
            WaitUntil(clock, settings.delayMode == DelayMode::ClockTime ? settings.clockTime
                                                                          : DisplayTimeAfter(clock(), settings.minutes));
        }
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
