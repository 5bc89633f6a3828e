// The one decision of the program: window mode or command-line mode, taken
// when the window is first shown.
#include "app/application.h"
#include "app/command_line.h"
#include "app/version.h"
#include "main/main.h"
#include "text/clock.h"

namespace brevant {

void TfrmMain::FormShow()
{
    txtTime.SetValue(SystemTimeOfParts(SplitDateTime(CurrentDateTime())));
    if (CommandLineArgument(1).empty())
        SetCaption(Caption() + " v" + kVersion);
    application_.HideTaskbarEntry();
}

}  // namespace brevant
