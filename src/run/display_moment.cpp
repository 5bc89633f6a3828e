#include "run/display_moment.h"

namespace brevant {

namespace {

std::variant<std::chrono::milliseconds, TimeValue> MomentOf(const MessageSettings& settings,
                                                             const WaitClock& clock)
{
    if (settings.delayMode == DelayMode::ClockTime)
        return settings.clockTime;
    return clock.elapsed() + std::chrono::minutes(settings.minutes);
}

}  // namespace

DisplayMoment::DisplayMoment(const MessageSettings& settings, const WaitClock& clock)
    : moment_(MomentOf(settings, clock))
{
}

WaitStep DisplayMoment::Next(const WaitClock& clock) const
{
    if (const auto* end = std::get_if<std::chrono::milliseconds>(&moment_)) {
        const std::chrono::milliseconds left = *end - clock.elapsed();
        if (left <= std::chrono::milliseconds::zero())
            return DueNow{};
        return SleepFor{left};
    }
    // Taken afresh each time: the time zone may have changed since.
    const std::chrono::milliseconds universal = clock.universalOf(std::get<TimeValue>(moment_));
    if (universal <= clock.universalNow())
        return DueNow{};
    return SleepUntil{universal};
}

}  // namespace brevant
