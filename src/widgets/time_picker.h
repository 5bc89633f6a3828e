#pragma once
#include "widgets/control.h"

#include <functional>

namespace brevant::widgets {

// Date-time picker showing and editing a time of day with up/down arrows, in
// the system's time format, or a date with a drop-down calendar, in the
// system's short date format, while holding a full date and time. Its change
// event follows the user's changes.
class TimePicker : public Control {
public:
    enum class Shows { Time, Date };
    void Create(HWND parent, const Bounds& bounds, HFONT font, Shows shows = Shows::Time);

    SYSTEMTIME Value() const;
    void SetValue(const SYSTEMTIME& value);

    void SetBackgroundColour(int systemColour);

    std::function<void()> onChange;

    std::optional<LRESULT> OnNotify(NMHDR& header) override;

protected:
    std::optional<LRESULT> OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int background_ = COLOR_WINDOW;
};

}  // namespace brevant::widgets
