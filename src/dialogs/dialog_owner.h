#pragma once
// The application's hidden top-level window, which owns the message dialog and
// the error box so that neither gets a taskbar button of its own.
#include <windows.h>

namespace brevant {

void SetDialogOwner(HWND owner);
HWND DialogOwner();

}  // namespace brevant
