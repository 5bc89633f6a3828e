// The window's actions that end or try out the design: OK hands the message
// to the display run, Preview shows it at once, Cancel and Exit end the program.
#include "app/application.h"
#include "dialogs/message_dialog.h"
#include "main/main.h"
#include "run/display_run.h"

namespace brevant {

void TfrmMain::btnOKClick()
{
    const MessageSettings settings = GatherSettings();
    ShowWindow(Handle(), SW_HIDE);
    RunDisplay(settings, waitClock);
}

void TfrmMain::btnPreviewClick()
{
    const MessageSettings settings = GatherSettings();
    ShowMessageDialog(settings.ShownText(), settings.kind, settings.ButtonSet(), 0);
}

void TfrmMain::btnCancelClick() { RequestTermination(); }

void TfrmMain::eXit1Click() { btnCancelClick(); }

}  // namespace brevant
