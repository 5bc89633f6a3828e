// The window's show handler, raised once when the window is first made
// visible: the presets of window mode.
#include "app/application.h"
#include "app/version.h"
#include "main/main.h"
#include "text/clock.h"

namespace brevant {

void TfrmMain::FormShow()
{
    txtTime.SetValue(SystemTimeOfParts(SplitDateTime(CurrentDateTime())));
    SetCaption(Caption() + L" v" + kVersion);
    application_.HideTaskbarEntry();
}

}  // namespace brevant
