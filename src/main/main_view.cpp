// The window as a view of the message value: what the controls hold gathered
// into one, and one put into the controls.
#include "main/main.h"

#include "text/clock.h"

namespace brevant {

MessageSettings TfrmMain::GatherSettings() const
{
    MessageSettings settings{.text = Memo1.Text(), .showText = chkMessage.Checked()};

    if (rbtnError.Selected())
        settings.kind = MessageKind::Error;
    else if (rbtnWarning.Selected())
        settings.kind = MessageKind::Warning;
    else if (rbtnInformational.Selected())
        settings.kind = MessageKind::Information;
    else
        settings.kind = MessageKind::Confirmation;

    if (rbtnNoButtons.Selected())
        settings.buttons.choice = ButtonsChoice::Hide;
    else if (rbtnShowAll.Selected())
        settings.buttons.choice = ButtonsChoice::ShowAll;
    else if (rbtnDisplayButtons.Selected())
        settings.buttons.choice = ButtonsChoice::Display;
    else
        settings.buttons.choice = ButtonsChoice::None;
    for (size_t i = 0; i < ButtonTokens.size(); ++i)
        settings.buttons.ticks[i] = buttonChecks[i]->Checked();

    settings.delayMode = rbtnTime.Selected() ? DelayMode::ClockTime : DelayMode::Minutes;
    settings.minutes = TrackBar1.Position();
    settings.clockTime = ComposeDateTime(PartsOfSystemTime(txtTime.Value()));
    return settings;
}

widgets::RadioButton& TfrmMain::KindRadio(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return rbtnWarning;
    case MessageKind::Information:
        return rbtnInformational;
    case MessageKind::Confirmation:
        return rbtnConfirmation;
    case MessageKind::Error:
        break;
    }
    return rbtnError;
}

void TfrmMain::ShowSettings(const MessageSettings& settings)
{
    Memo1.SetText(settings.text);
    chkMessage.SetChecked(settings.showText);
    KindRadio(settings.kind).Select();

    if (settings.delayMode == DelayMode::ClockTime)
        rbtnTime.Select();
    else
        rbtnMinutes.Select();
    TrackBar1.SetPosition(settings.minutes);
    MinutesFollowTheTrackBar();
    txtTime.SetValue(SystemTimeOfParts(SplitDateTime(settings.clockTime)));

    // The boxes before the choice: a box unticked under "Show ALL Buttons"
    // chooses "Display Buttons:", as the user's untick would.
    for (size_t i = 0; i < ButtonTokens.size(); ++i)
        buttonChecks[i]->SetChecked(settings.buttons.ticks[i]);
    switch (settings.buttons.choice) {
    case ButtonsChoice::Hide:
        rbtnNoButtons.Select();
        break;
    case ButtonsChoice::Display:
        rbtnDisplayButtons.Select();
        break;
    case ButtonsChoice::ShowAll:
        rbtnShowAll.Select();
        break;
    case ButtonsChoice::None:
        break;
    }
}

}  // namespace brevant
