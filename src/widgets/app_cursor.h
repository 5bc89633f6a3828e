#pragma once
// The application-wide cursor. While it is anything but the default it
// overrides the cursor of every form of the program and of the controls on
// them; setting it back to the default gives each window its own cursor back
// at once.
#include <windows.h>

namespace brevant::widgets {

// The cursor in force; nullptr is the default.
HCURSOR ApplicationCursor();
void SetApplicationCursor(HCURSOR cursor);

// Counts every setting of the cursor, also to the value it already has, so a
// caller can tell whether anyone set it in the meantime.
unsigned ApplicationCursorSettings();

// For a window asked for its cursor (WM_SETCURSOR): shows the application-wide
// cursor and returns true, unless it is the default.
bool ShowApplicationCursor();

}  // namespace brevant::widgets
