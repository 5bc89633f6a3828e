// Save and Load: the message the window shows written to a config file, and
// the message a file holds shown in the window.
#include "app/application.h"
#include "config/config_file.h"
#include "config/config_path.h"
#include "dialogs/message_dialog.h"
#include "main/main.h"
#include "text/error.h"

namespace brevant {

namespace {

// The name chosen in a file dialog, refused before anything is written or read
// when the platform could not take its path.
std::wstring Usable(std::wstring chosen)
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
    LoadConfigFile();
}

void TfrmMain::SaveConfigFile() { WriteConfigFile(ConfigFileName, GatherSettings()); }

// A file that cannot be loaded whole says why, in one message, and leaves the
// window as it was: the message being designed is not lost, and the program
// goes on.
void TfrmMain::LoadConfigFile()
{
    const MessageReading reading = ReadConfigFile(ConfigFileName, GatherSettings());
    if (reading.typeUnreadable)
        ShowMessageDialog(UnreadableTypeMessage, MessageKind::Error, DialogButton::OK, 0);
    else if (reading.error)
        std::rethrow_exception(reading.error);
    else
        ShowSettings(reading.message);
}

}  // namespace brevant
