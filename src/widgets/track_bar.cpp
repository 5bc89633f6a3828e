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
    CreateControl(parent, {.className = TRACKBAR_CLASSA,
                           .style = TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS | WS_TABSTOP,
                           .bounds = bounds},
                  font);
    SendMessageA(Handle(), TBM_SETRANGE, FALSE, MAKELPARAM(minimum_, maximum_));
    SendMessageA(Handle(), TBM_SETTICFREQ, options.tickFrequency, 0);
    SendMessageA(Handle(), TBM_SETLINESIZE, 0, options.lineSize);
    SendMessageA(Handle(), TBM_SETPAGESIZE, 0, options.pageSize);
    FitThumb();
}

void TrackBar::OnScaleChanged() { FitThumb(); }

void TrackBar::FitThumb()
{
    // The platform's thumb has one length at every scale; at 96 dots per inch
    // it is left as it is, at any other scale it is given that length scaled.
    constexpr int kThumbLength = 21;
    const Dpi dpi = Window::LayoutDpiOf(Handle());
    const LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
    if (dpi == Dpi() && !(style & TBS_FIXEDLENGTH))
        return;
    SetWindowLongPtrA(Handle(), GWL_STYLE, style | TBS_FIXEDLENGTH);
    SendMessageA(Handle(), TBM_SETTHUMBLENGTH, static_cast<WPARAM>(dpi.Scale(kThumbLength)), 0);
}

int TrackBar::Position() const
{
    return static_cast<int>(SendMessageA(Handle(), TBM_GETPOS, 0, 0));
}

void TrackBar::SetPosition(int position)
{
    SendMessageA(Handle(), TBM_SETPOS, TRUE, std::clamp(position, minimum_, maximum_));
    RethrowPending();
}

std::optional<LRESULT> TrackBar::OnScroll(WORD)
{
    if (onChange)
        onChange();
    return 0;
}

}  // namespace brevant::widgets
