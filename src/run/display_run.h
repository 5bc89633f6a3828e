#pragma once
// The display run, which both roads end in: wait for the message's moment,
// show it, and end the program.
#include "config/message_settings.h"
#include "text/time_value.h"

#include <functional>

namespace brevant {

// Waits for the message's moment on `clock` (the local date-time), taking the
// program's messages meanwhile; shows the message above other windows; asks
// the program to end. Nothing of the program is on the screen during the
// wait: an error is shown and the program ends all the same. Asked to end
// during the wait, it ends at once without the message.
void RunDisplay(const MessageSettings& settings, const std::function<TimeValue()>& clock);

}  // namespace brevant
