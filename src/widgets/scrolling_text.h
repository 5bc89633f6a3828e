#pragma once
#include "widgets/edit.h"

namespace brevant::widgets {

// Read-only text that may be taller than its place: a multi-line edit drawn as
// a label is (no border, no margins, the window's face), with a vertical
// scroll bar. Tab reaches it; then the keyboard scrolls and selects in it, and
// Ctrl+C or its context menu copies. Enter is left to the window's buttons.
class ScrollingText : public Edit {
public:
    void Create(HWND parent, const Bounds& bounds, HFONT font);

protected:
    std::optional<LRESULT> OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ClearMargins();
};

}  // namespace brevant::widgets
