// Reading the message from the controls, and the run that waits for the
// chosen moment, shows the message and ends the process.
#include "app/application.h"
#include "config/config_values.h"
#include "dialogs/message_dialog.h"
#include "main/display_time.h"
#include "main/main.h"
#include "widgets/callback_boundary.h"
#include "text/clock.h"
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

void TfrmMain::GatherSettings()
{
    MessageText = chkMessage.Checked() ? Memo1.Text() : std::string();

    if (rbtnError.Selected())
        MessageType = MessageKind::Error;
    else if (rbtnWarning.Selected())
        MessageType = MessageKind::Warning;
    else if (rbtnInformational.Selected())
        MessageType = MessageKind::Information;
    else
        MessageType = MessageKind::Confirmation;

    DelayDisplay = !(rbtnMinutes.Selected() && TrackBar1.Position() == 0);

    if (RunFromCommandLine)
        return;  // the set the config file named
    MessageButtons = 0;
    if (rbtnNoButtons.Selected())
        return;
    if (rbtnShowAll.Selected()) {
        MessageButtons = AllShownButtons;
    } else if (rbtnDisplayButtons.Selected()) {
        for (size_t i = 0; i < ButtonTokens.size(); ++i)
            if (buttonChecks[i]->Checked())
                MessageButtons |= ButtonTokens[i].bit;
    }
}

TimeValue TfrmMain::ComputeDisplayTime() const
{
    return DisplayTimeAfter(dateTimeClock(), TrackBar1.Position());
}

void TfrmMain::btnOKClick()
{
    GatherSettings();
    ShowWindow(Handle(), SW_HIDE);
    // Nothing of the program is on the screen from here on: whatever happens,
    // the process ends, after any error has been shown.
    try {
        if (DelayDisplay) {
            if (rbtnTime.Selected())
                WaitUntil(dateTimeClock, ComposeDateTime(PartsOfSystemTime(txtTime.Value())));
            else if (rbtnMinutes.Selected())
                WaitUntil(dateTimeClock, ComputeDisplayTime());
        }
        // Asked to end during the wait (closed from outside, the session
        // ending): the process ends at once rather than show the message
        // only for the ending to close it.
        if (!widgets::QuitTaken())
            ShowMessageDialog(MessageText, MessageType, MessageButtons, 0, DialogLayer::AboveOthers);
    } catch (...) {
        widgets::ReportError(std::current_exception());
    }
    RequestTermination();
}

void TfrmMain::btnPreviewClick()
{
    GatherSettings();
    ShowMessageDialog(MessageText, MessageType, MessageButtons, 0);
}

void TfrmMain::Timer2Timer()
{
    Timer2.SetEnabled(false);
    btnOKClick();
}

}  // namespace brevant
