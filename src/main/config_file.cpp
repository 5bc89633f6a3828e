// Save and Load: the message config file written from the window's controls
// and read back into them.
#include "app/application.h"
#include "config/config_values.h"
#include "config/ini_file.h"
#include "dialogs/message_dialog.h"
#include "main/config_path.h"
#include "main/main.h"
#include "text/clock.h"
#include "text/clock_time_text.h"
#include "text/error.h"
#include "text/integer_text.h"

namespace brevant {

namespace {

const std::string kSection(ConfigSection);

// The name chosen in a file dialog, refused before anything is written or read
// when the platform could not take its path.
std::string Usable(std::string chosen)
{
    if (const auto tooLong = PathTooLongMessage(chosen))
        throw Error(*tooLong);
    return chosen;
}

}  // namespace

void TfrmMain::btnSaveClick()
{
    if (!SaveDialog1.Execute(Handle()))
        return;
    ConfigFileName = Usable(SaveDialog1.FileName());
    SaveConfigFile();
}

void TfrmMain::btnLoadClick()
{
    if (!OpenDialog1.Execute(Handle()))
        return;
    ConfigFileName = Usable(OpenDialog1.FileName());
    LoadConfigFile(false);
}

void TfrmMain::SaveConfigFile()
{
    const TIniFile ini(ConfigFileName);
    // Quoted where the platform would otherwise drop blanks or quotes at its ends.
    ini.WriteText(kSection, std::string(TextKey), QuotedForProfile(LineBreaksToCarets(Memo1.Text())));
    ini.WriteNumber(kSection, std::string(TypeKey), FileTypeCode());
    ini.WriteText(kSection, std::string(DelayKey), std::string(IsDelayed() ? DelayedValue : NotDelayedValue));
    ini.WriteText(kSection, std::string(TimeKey), DelayValueText());
    ini.WriteText(kSection, std::string(ButtonsKey), ButtonsValueText());
}

int32_t TfrmMain::FileTypeCode() const
{
    if (rbtnError.Selected())
        return brevant::FileTypeCode(MessageKind::Error);
    if (rbtnWarning.Selected())
        return brevant::FileTypeCode(MessageKind::Warning);
    if (rbtnInformational.Selected())
        return brevant::FileTypeCode(MessageKind::Information);
    return brevant::FileTypeCode(MessageKind::Confirmation);
}

bool TfrmMain::IsDelayed() const { return !(rbtnMinutes.Selected() && TrackBar1.Position() == 0); }

std::string TfrmMain::DelayValueText() const
{
    if (rbtnTime.Selected())
        return TimeToText(ComposeDateTime(PartsOfSystemTime(txtTime.Value())));
    return IntegerToText(TrackBar1.Position());
}

std::string TfrmMain::ButtonsValueText() const
{
    ButtonsSelection selection{ButtonsChoice::None, {}};
    if (rbtnNoButtons.Selected())
        selection.choice = ButtonsChoice::Hide;
    else if (rbtnShowAll.Selected())
        selection.choice = ButtonsChoice::ShowAll;
    else if (rbtnDisplayButtons.Selected())
        selection.choice = ButtonsChoice::Display;
    for (size_t i = 0; i < ButtonTokens.size(); ++i)
        selection.ticks[i] = buttonChecks[i]->Checked();
    return ButtonsValue(selection);
}

void TfrmMain::LoadConfigFile(bool StartTimer)
{
    const TIniFile ini(ConfigFileName);

    Memo1.SetText(CaretsToLineBreaks(ini.ReadText(kSection, std::string(TextKey), "")));
    if (Memo1.Text().empty())
        chkMessage.SetChecked(false);

    SelectTypeFromCode(ini.ReadNumber(kSection, std::string(TypeKey), UnreadableTypeCode));

    if (ini.ReadText(kSection, std::string(DelayKey), std::string(DelayedValue)) == DelayedValue) {
        const std::string time = ini.ReadText(kSection, std::string(TimeKey), "");
        if (IsClockTime(time)) {
            rbtnTime.Select();
            SetPickerTimeOfDay(TextToTime(time));
        } else {
            rbtnMinutes.Select();
            lblminutes.SetText(time + " minutes");
            TrackBar1.SetPosition(TextToInteger(time));
        }
    } else {
        rbtnMinutes.Select();
        lblminutes.SetText("0 minutes");
        TrackBar1.SetPosition(0);
    }

    ApplyButtonsValue(ini.ReadText(kSection, std::string(ButtonsKey), ButtonsValueText()));

    if (StartTimer)
        Timer2.SetEnabled(true);
}

void TfrmMain::SetPickerTimeOfDay(TimeValue time)
{
    SYSTEMTIME value = txtTime.Value();
    const TimeOfDay parts = SplitTime(time);
    value.wHour = parts.hour;
    value.wMinute = parts.minute;
    value.wSecond = parts.second;
    value.wMilliseconds = parts.millisecond;
    txtTime.SetValue(value);
}

void TfrmMain::SelectTypeFromCode(int32_t code)
{
    if (code == UnreadableTypeCode) {
        ShowMessageDialog("Type Of message is incorrect. Never modify the config file manually!",
                          MessageKind::Error, DialogButton::OK, 0,
                          RunFromCommandLine ? DialogLayer::AboveOthers : DialogLayer::Normal);
        RequestTermination();
        return;
    }
    const auto kind = KindFromFileTypeCode(code);
    if (!kind)
        return;
    switch (*kind) {
    case MessageKind::Error:
        rbtnError.Select();
        break;
    case MessageKind::Warning:
        rbtnWarning.Select();
        break;
    case MessageKind::Information:
        rbtnInformational.Select();
        break;
    case MessageKind::Confirmation:
        rbtnConfirmation.Select();
        break;
    }
}

void TfrmMain::ClearButtonChecks()
{
    for (widgets::CheckBox* box : buttonChecksInGridOrder)
        box->SetChecked(false);
}

void TfrmMain::ApplyButtonsValue(const std::string& value)
{
    ClearButtonChecks();
    const ButtonsReading reading = ReadButtonsValue(value);
    switch (reading.kind) {
    case ButtonsValueKind::Empty:
        rbtnNoButtons.Select();
        break;
    case ButtonsValueKind::All:
        MessageButtons = AllShownButtons;
        // What the window shows is what OK and Preview will use.
        rbtnShowAll.Select();
        break;
    case ButtonsValueKind::Tokens:
        for (size_t i = 0; i < ButtonTokens.size(); ++i)
            if (reading.ticks[i])
                buttonChecks[i]->SetChecked(true);
        MessageButtons |= reading.bits;
        rbtnDisplayButtons.Select();
        break;
    }
}

}  // namespace brevant
