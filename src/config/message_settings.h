#pragma once
// The message being designed or loaded, apart from any window: its text, its
// kind, its buttons, and whether and how long to wait before it is shown. The
// configuration window shows one and gathers one; a config file holds one.
#include "config/config_values.h"
#include "config/message_types.h"
#include "text/time_value.h"

#include <string>

namespace brevant {

// A delay of minutes runs from 0 (none) to this many.
inline constexpr int LongestDelayMinutes = 60;

enum class DelayMode { Minutes, ClockTime };

struct MessageSettings {
    std::wstring text = {};  // line breaks as CR LF; kept while it is switched off
    bool showText = true;
    MessageKind kind = MessageKind::Error;
    ButtonsSelection buttons{ButtonsChoice::Display, {}};
    DelayMode delayMode = DelayMode::Minutes;
    int minutes = 0;
    TimeValue clockTime = 0;  // a full local date-time

    // The text the message shows: empty while the text is switched off.
    std::wstring ShownText() const { return showText ? text : std::wstring(); }
    // The buttons the message shows.
    DialogButtonSet ButtonSet() const { return ButtonSetOf(buttons); }
    // False exactly for a delay of 0 minutes.
    bool Delayed() const { return !(delayMode == DelayMode::Minutes && minutes == 0); }

    friend bool operator==(const MessageSettings&, const MessageSettings&) = default;
};

}  // namespace brevant
