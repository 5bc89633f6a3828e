// The About window, opened from the configuration window: a fresh one for
// each opening, shown modally and released once it is closed.
#include "about/about.h"
#include "app/version.h"
#include "main/main.h"
#include "widgets/release.h"

namespace brevant {

void TfrmMain::btnAboutClick()
{
    // Released rather than destroyed when this handler ends, also by an error:
    // messages already waiting for the window are handled first.
    const widgets::Released<TfrmAbout> form(new TfrmAbout(Handle()));
    frmAbout = form.get();
    frmAbout->lblVersion.SetText(kVersion);
    // Hides the window again when it is closed.
    frmAbout->ShowModal();
}

}  // namespace brevant
