#pragma once
// When a minutes delay ends.
#include "text/time_value.h"

namespace brevant {

// The date-time `minutes` (1 to 60) after `now`, to the millisecond: the minute
// carried into the next hour and, from 23 o'clock, into the next day.
TimeValue DisplayTimeAfter(TimeValue now, int minutes);

}  // namespace brevant
