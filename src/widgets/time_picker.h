#pragma once
#include "widgets/control.h"

namespace brevant::widgets {

// Date-time picker showing and editing a time of day with up/down arrows, in
// the system's time format, while holding a full date and time.
class TimePicker : public Control {
public:
    void Create(HWND parent, const Bounds& bounds, HFONT font);

    SYSTEMTIME Value() const;
    void SetValue(const SYSTEMTIME& value);

    void SetBackgroundColour(int systemColour);

protected:
    std::optional<LRESULT> OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int background_ = COLOR_WINDOW;
};

}  // namespace brevant::widgets
