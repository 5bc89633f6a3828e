#include "dialogs/dialog_owner.h"

namespace brevant {

namespace {
HWND g_owner = nullptr;
}

void SetDialogOwner(HWND owner) { g_owner = owner; }

HWND DialogOwner() { return g_owner; }

void KeepDialogsAboveOthers()
{
    SetWindowPos(g_owner, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace brevant
