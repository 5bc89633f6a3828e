#include "dialogs/dialog_owner.h"

namespace brevant {

namespace {
HWND g_owner = nullptr;
}

void SetDialogOwner(HWND owner) { g_owner = owner; }

HWND DialogOwner() { return g_owner; }

}  // namespace brevant
