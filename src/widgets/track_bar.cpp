#include "widgets/track_bar.h"

#include "widgets/callback_boundary.h"
#include "widgets/window.h"

#include <algorithm>
#include <commctrl.h>

namespace brevant::widgets {

void TrackBar::Create(HWND parent, const Bounds& bounds, HFONT font, const Options& options)
{
    minimum_ = options.minimum;
    maximum_ = options.maximum;
    CreateControl(parent, {.className = TRACKBAR_CLASSW,
                           .style = TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS | WS_TABSTOP,
                           .bounds = bounds},
                  font);
    SendMessageW(Handle(), TBM_SETRANGE, FALSE, MAKELPARAM(minimum_, maximum_));
    SendMessageW(Handle(), TBM_SETTICFREQ, options.tickFrequency, 0);
    SendMessageW(Handle(), TBM_SETLINESIZE, 0, options.lineSize);
    SendMessageW(Handle(), TBM_SETPAGESIZE, 0, options.pageSize);
    FitThumb();
}

void TrackBar::OnScaleChanged() { FitThumb(); }

void TrackBar::FitThumb()
{
    // The platform's thumb has one length at every scale; at 96 dots per inch
    // it is left as it is, at any other scale it is given that length scaled.
    constexpr int kThumbLength = 21;
    const Dpi dpi = Window::LayoutDpiOf(Handle());
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    if (dpi == Dpi() && !(style & TBS_FIXEDLENGTH))
        return;
    SetWindowLongPtrW(Handle(), GWL_STYLE, style | TBS_FIXEDLENGTH);
    SendMessageW(Handle(), TBM_SETTHUMBLENGTH, static_cast<WPARAM>(dpi.Scale(kThumbLength)), 0);
}

int TrackBar::Position() const
{
    return static_cast<int>(SendMessageW(Handle(), TBM_GETPOS, 0, 0));
}

void TrackBar::SetPosition(int position)
{
    SendMessageW(Handle(), TBM_SETPOS, TRUE, std::clamp(position, minimum_, maximum_));
    RethrowPending();
}

std::optional<LRESULT> TrackBar::OnScroll(WORD)
{
    if (onChange)
        onChange();
    return 0;
}

}  // namespace brevant::widgets
