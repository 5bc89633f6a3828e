// The one decision of the program: window mode or command-line mode, taken
// when the window is first shown.
#include "app/application.h"
#include "app/version.h"
#include "main/main.h"
#include "text/clock.h"

namespace brevant {

void TfrmMain::FormShow()
{
    txtTime.SetValue(SystemTimeOfParts(SplitDateTime(CurrentDateTime())));
    const std::string argument = commandLineArgument(1);
    if (argument.empty())
        SetCaption(Caption() + " v" + kVersion);
    else
        StartFromCommandLine(argument);
    application_.HideTaskbarEntry();
}

}  // namespace brevant
