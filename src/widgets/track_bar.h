#pragma once
#include "widgets/control.h"

#include <functional>

namespace brevant::widgets {

// Horizontal track bar with tick marks below the thumb. The change event
// follows every scroll notification the user causes, with the new position
// already readable; setting the position from the program clamps it to the
// range and raises nothing.
class TrackBar : public Control {
public:
    struct Options {
        int minimum = 0, maximum = 100;
        int tickFrequency = 1, lineSize = 1, pageSize = 1;
    };
    void Create(HWND parent, const Bounds& bounds, HFONT font, const Options& options);

    int Position() const;
    void SetPosition(int position);

    std::function<void()> onChange;

    void OnScaleChanged() override;
    std::optional<LRESULT> OnScroll(WORD code) override;

private:
    void FitThumb();

    int minimum_ = 0, maximum_ = 0;
};

}  // namespace brevant::widgets
