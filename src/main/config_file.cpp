// Save and Load: the message the controls hold written to a config file, and
// the message a file holds read back into the controls.
#include "app/application.h"
#include "config/config_values.h"
#include "config/ini_file.h"
#include "config/message_file.h"
#include "dialogs/message_dialog.h"
#include "main/config_path.h"
#include "main/main.h"
#include "text/clock.h"
#include "text/error.h"

namespace brevant {

namespace {

// The name chosen in a file dialog, refused before anything is written or read
// when the platform could not take its path.
std::string Usable(std::string chosen)
{
    if (const auto tooLong = PathTooLongMessage(chosen))
        throw Error(*tooLong);
    return chosen;
}

}  // namespace

// Each step of a read file as the controls take it: a check box or radio
// button set from here raises its own handler; the track bar raises nothing.
class TfrmMain::Loader : public MessageSink {
public:
    explicit Loader(TfrmMain& form) : f_(form) {}

    void Text(const std::string& text) override
    {
        f_.Memo1.SetText(text);
        if (f_.Memo1.Text().empty())
            f_.chkMessage.SetChecked(false);
    }

    void Kind(MessageKind kind) override
    {
        switch (kind) {
        case MessageKind::Error:
            f_.rbtnError.Select();
            break;
        case MessageKind::Warning:
            f_.rbtnWarning.Select();
            break;
        case MessageKind::Information:
            f_.rbtnInformational.Select();
            break;
        case MessageKind::Confirmation:
            f_.rbtnConfirmation.Select();
            break;
        }
    }

    void UnreadableType() override
    {
        ShowMessageDialog(UnreadableTypeMessage, MessageKind::Error, DialogButton::OK, 0);
        RequestTermination();
    }

    void ChooseClockTime() override { f_.rbtnTime.Select(); }
    void ClockTimeOfDay(TimeValue timeOfDay) override
    {
        f_.txtTime.SetValue(SystemTimeOfParts(WithTimeOfDay(PartsOfSystemTime(f_.txtTime.Value()), timeOfDay)));
    }

    void ChooseMinutes(std::string_view asWritten) override
    {
        f_.rbtnMinutes.Select();
        f_.lblminutes.SetText(std::string(asWritten) + " minutes");
    }
    void Minutes(int minutes) override { f_.TrackBar1.SetPosition(minutes); }

    std::string ButtonsValueNow() const override { return ButtonsValue(f_.GatherSettings().buttons); }

    void Buttons(const ButtonsReading& reading) override
    {
        f_.ClearButtonChecks();
        switch (reading.kind) {
        case ButtonsValueKind::Empty:
            f_.rbtnNoButtons.Select();
            break;
        case ButtonsValueKind::All:
            f_.MessageButtons = AllShownButtons;
            // What the window shows is what OK and Preview will use.
            f_.rbtnShowAll.Select();
            break;
        case ButtonsValueKind::Tokens:
            for (size_t i = 0; i < ButtonTokens.size(); ++i)
                if (reading.ticks[i])
                    f_.buttonChecks[i]->SetChecked(true);
            f_.MessageButtons |= reading.bits;
            f_.rbtnDisplayButtons.Select();
            break;
        }
    }

private:
    TfrmMain& f_;
};

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
    LoadConfigFile();
}

void TfrmMain::SaveConfigFile()
{
    const TIniFile ini(ConfigFileName);
    IniSection section(ini, ConfigSection);
    WriteMessage(section, GatherSettings());
}

void TfrmMain::LoadConfigFile()
{
    const TIniFile ini(ConfigFileName);
    Loader loader(*this);
    ReadMessage(IniSection(ini, ConfigSection), loader);
}

void TfrmMain::ClearButtonChecks()
{
    for (widgets::CheckBox* box : buttonChecksInGridOrder)
        box->SetChecked(false);
}

}  // namespace brevant
