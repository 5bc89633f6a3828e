#pragma once
// The application's hidden top-level window, which owns the message dialog and
// the error box so that neither gets a taskbar button of its own.
#include <windows.h>

namespace brevant {

void SetDialogOwner(HWND owner);
HWND DialogOwner();

// Puts every box the owner holds from now on (the message, an error box)
// above other windows, for a run with no window of the program on the screen
// whose boxes might otherwise open unseen behind the active window. A window
// stands above its owner, so the owner of such boxes stands there first.
void KeepDialogsAboveOthers();

}  // namespace brevant
