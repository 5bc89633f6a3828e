#pragma once
// The system's visual style, for the controls the program draws itself (the
// glyph buttons, the group boxes) so they look as the platform's own beside
// them: drawn by the theme while one is active, in the classic look with the
// system colours otherwise (no theme, the classic or a high-contrast scheme).
#include "widgets/dpi.h"
#include "widgets/handles.h"

#include <uxtheme.h>

#include <optional>

namespace brevant::widgets {

using ThemeHandle = UniqueHandle<HTHEME, CloseThemeData>;

// The theme data of one theme class (L"BUTTON", ...) for one window of the
// program, opened when first drawn (a window never drawn opens none) at the
// window's scale, and again when the scale changes.
class VisualStyle {
public:
    explicit VisualStyle(const wchar_t* themeClass) : class_(themeClass) {}

    // The theme to draw the window with; nullptr for the classic look.
    HTHEME For(HWND window);
    // The theme has changed (WM_THEMECHANGED): opened afresh when next drawn.
    void Reset();

private:
    const wchar_t* class_;
    std::optional<Dpi> openedAt_;
    ThemeHandle theme_;
};

// The theme's text colour of a part in a state; the system colour given where
// the theme names none.
COLORREF ThemeTextColour(HTHEME theme, int part, int state, int systemColour);

// Whether the user's colour scheme is one of high contrast, whose colours
// everything must follow.
bool HighContrastOn();

}  // namespace brevant::widgets
