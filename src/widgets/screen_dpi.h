#pragma once
// What the platform says of the display scale. The program declares itself
// aware of each monitor's scale, so the platform never stretches its windows:
// each window lays itself out at the scale of the monitor it stands on.
#include "widgets/dpi.h"

#include <windows.h>

namespace brevant::widgets {

// The scale of the monitor the window stands on; with no window, or on a
// platform that knows one scale only, the system's.
Dpi DpiOfWindow(HWND window);

// A system metric (SM_CXVSCROLL, ...) at a scale; on a platform that knows
// one scale only, the system's.
int SystemMetricAt(int index, Dpi dpi);

// The outer size of a window whose client area has the size given, with that
// frame, at that scale.
SIZE OuterSize(SIZE client, DWORD style, bool hasMenu, DWORD exStyle, Dpi dpi);

}  // namespace brevant::widgets
