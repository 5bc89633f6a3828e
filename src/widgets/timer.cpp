#include "widgets/timer.h"

namespace brevant::widgets {

Timer::~Timer()
{
    if (enabled_ && IsWindow(owner_))
        KillTimer(owner_, id_);
}

void Timer::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (enabled)
        SetTimer(owner_, id_, interval_, nullptr);
    else
        KillTimer(owner_, id_);
}

void Timer::Tick()
{
    if (enabled_ && onTimer)
        onTimer();
}

}  // namespace brevant::widgets
