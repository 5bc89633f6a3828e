// The program block: the application object, the regional settings, and the
// one choice of the program: the configuration window when the command line
// has no argument, the command-line run when it has one. Exit status 0 on
// every path.
#include "app/application.h"
#include "app/command_line.h"
#include "dialogs/dialog_owner.h"
#include "dialogs/error_display.h"
#include "dialogs/error_text.h"
#include "run/command_line_run.h"
#include "main/main.h"
#include "text/locale_time_settings.h"
#include "widgets/callback_boundary.h"

#include <commctrl.h>

#include <exception>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    using namespace brevant;
    try {
        LoadLocaleTimeSettings();
        Application application(L"Message");
        widgets::SetErrorReporter(&ReportUnhandledError);
        SetDialogOwner(application.Handle());

        // Only argument 1 is examined.
        const std::wstring argument = CommandLineArgument(1);
        if (!argument.empty()) {
            application.RunAtOnce([&] { RunFromCommandLine(argument); });
            return 0;
        }
        const INITCOMMONCONTROLSEX controls{sizeof controls,
                                            ICC_BAR_CLASSES | ICC_DATE_CLASSES | ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        TfrmMain frmMain(application);
        application.Run(frmMain, [&] { frmMain.FormShow(); });
    } catch (...) {
        // Nothing the program does raises an error outside its handlers; this
        // is the last resort for one that does.
        MessageBoxW(nullptr, ErrorMessageOf(std::current_exception()).c_str(), L"Application Error",
                    MB_OK | MB_ICONSTOP);
        return 1;
    }
    return 0;
}
