// The program block: application object, regional settings, the one
// configuration window, the message loop; exit status 0 on every path.
#include "app/application.h"
#include "dialogs/dialog_owner.h"
#include "dialogs/error_display.h"
#include "main/main.h"
#include "text/locale_time_settings.h"
#include "widgets/callback_boundary.h"

#include <commctrl.h>

#include <exception>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    using namespace brevant;
    try {
        const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_DATE_CLASSES |
                                                                 ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        LoadLocaleTimeSettings();

        Application application("Message");
        widgets::SetErrorReporter(&ReportUnhandledError);
        SetDialogOwner(application.Handle());

        TfrmMain frmMain(application);
        application.Run(frmMain, [&] { frmMain.FormShow(); });
    } catch (const std::exception& error) {
        // Nothing the program does raises an error outside its handlers; this
        // is the last resort for one that does.
        MessageBoxA(nullptr, error.what(), "Application Error", MB_OK | MB_ICONSTOP);
        return 1;
    }
    return 0;
}
