#pragma once
#include "widgets/control.h"

#include <functional>

namespace brevant::widgets {

// A radio button of the group formed by the radio buttons with the same parent.
// Selecting it, by the user or the program, clears the others of the group
// (raising nothing) and then raises its click event; selecting the selected
// one raises nothing. Only the selected button of a group is a tab stop.
class RadioButton : public Control {
public:
    void Create(HWND parent, const Bounds& bounds, std::wstring_view caption, HFONT font,
                bool selected = false);

    bool Selected() const;
    void Select();

    std::function<void()> onClick;

    std::optional<LRESULT> OnCommand(WORD code) override;

private:
    void SetMark(bool selected);
};

}  // namespace brevant::widgets
