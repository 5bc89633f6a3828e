// Schedule...: a task runs a saved file, so the message is saved first when
// it has no file yet or has changed since it was saved or loaded.
#include "main/main.h"
#include "schedule/schedule_form.h"

namespace brevant {

void TfrmMain::btnScheduleClick()
{
    // With no file, or one the window's message never came from (a failed
    // load), the user chooses where it goes.
    if (ConfigFileName.empty() || !savedSettings_) {
        btnSaveClick();
        if (!savedSettings_)
            return;  // the Save dialog was cancelled
    } else if (GatherSettings() != *savedSettings_) {
        SaveConfigFile();
    }
    ScheduleMessage(Handle(), ConfigFileName, GatherSettings());
}

}  // namespace brevant
