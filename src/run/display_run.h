#pragma once
// The display run, which both roads end in: wait for the message's moment,
// show it, and end the program.
#include "config/message_settings.h"
#include "run/display_moment.h"

namespace brevant {

// The system's clocks: the tick count, the system time and the time zone.
WaitClock SystemWaitClock();

// Sleeps until the message's moment on `clock`, taking the program's messages
// as they come; shows the message above other windows; asks the program to
// end. Nothing of the program is on the screen during the wait: an error is
// shown and the program ends all the same. Asked to end during the wait, it
// ends at once without the message.
void RunDisplay(const MessageSettings& settings, const WaitClock& clock);

}  // namespace brevant
