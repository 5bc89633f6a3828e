#pragma once
// The message config file's rules, apart from the platform's profile
// functions: which keys are written and read, in which order, and what each
// value means. The same reader fills the configuration window's controls and
// the message of a command-line run.
#include "config/message_settings.h"

#include <functional>
#include <string>
#include <string_view>

namespace brevant {

// The section "Message1" of one config file, key by key.
class ProfileSection {
public:
    virtual ~ProfileSection() = default;
    // The key's value; the default when the file, the section or the key is absent.
    virtual std::string ReadText(std::string_view key, std::string_view defaultValue) const = 0;
    // Throws Error when the platform refuses.
    virtual void WriteText(std::string_view key, std::string_view value) = 0;
};

// The keys in their order; a write that fails stops the writing there.
void WriteMessage(ProfileSection& file, const MessageSettings& settings);

// What a file's message is read into, one step at a time in the file's order.
// Steps that follow a conversion error are not taken.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // "Text", carets made line breaks.
    virtual void Text(const std::string& text) = 0;
    // "Type" naming a kind; a whole number that names none changes nothing.
    virtual void Kind(MessageKind kind) = 0;
    // "Type" missing or no whole number: the program's message, and its end.
    virtual void UnreadableType() = 0;
    // "Delay" TRUE with a clock time: that delay chosen, then the time read.
    virtual void ChooseClockTime() = 0;
    virtual void ClockTimeOfDay(TimeValue timeOfDay) = 0;
    // A delay of minutes chosen (with "Time" as written), then the number
    // read, within 0 to LongestDelayMinutes. Without "Delay" TRUE, "0".
    virtual void ChooseMinutes(std::string_view asWritten) = 0;
    virtual void Minutes(int minutes) = 0;
    // The "Buttons" value an absent key stands for: the writer's value for
    // the buttons as they are before the read.
    virtual std::string ButtonsValueNow() const = 0;
    virtual void Buttons(const ButtonsReading& reading) = 0;
};

// Throws the conversion errors of "Time" where they happen.
void ReadMessage(const ProfileSection& file, MessageSink& sink);

// The message a file holds, read over the message a window starts with, whose
// clock time is `now`. `onUnreadableType` runs when "Type" is missing or no
// whole number; the reading goes on after it.
MessageSettings ReadMessageSettings(const ProfileSection& file, TimeValue now,
                                    const std::function<void()>& onUnreadableType);

}  // namespace brevant
