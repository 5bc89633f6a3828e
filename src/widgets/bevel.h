#pragma once
#include "widgets/control.h"

namespace brevant::widgets {

// An etched line along the top edge of its box. The whole box belongs to the
// bevel: the mouse over it is over a control, not over the form's surface.
class Bevel : public Control {
public:
    void Create(HWND parent, const Bounds& bounds);

    std::optional<LRESULT> OnDrawItem(DRAWITEMSTRUCT& item) override;
};

}  // namespace brevant::widgets
