#pragma once
#include "widgets/control.h"

#include <functional>

namespace brevant::widgets {

// A check box whose click event follows every change of its state: a click,
// its accelerator, the space bar, or the program setting it. Setting the state
// it already has raises nothing.
class CheckBox : public Control {
public:
    void Create(HWND parent, const Bounds& bounds, std::wstring_view caption, HFONT font);

    bool Checked() const;
    void SetChecked(bool checked);

    std::function<void()> onClick;

    std::optional<LRESULT> OnCommand(WORD code) override;
};

}  // namespace brevant::widgets
