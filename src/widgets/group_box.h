#pragma once
#include "widgets/control.h"
#include "widgets/visual_style.h"
#include "widgets/window.h"

#include <string>

namespace brevant::widgets {

// A captioned, etched frame that is also the parent of the controls inside it:
// their positions are relative to its top-left corner, their notifications
// pass through it, and the radio buttons inside form one group. Drawn as the
// platform's group box in the system's visual style.
class GroupBox : public Window {
public:
    void Create(HWND parent, const Bounds& bounds, std::wstring_view caption, HFONT font);

protected:
    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc);
    HFONT font_ = nullptr;
    VisualStyle style_{L"BUTTON"};
};

}  // namespace brevant::widgets
