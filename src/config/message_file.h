#pragma once
// The message config file's rules, apart from the platform's profile
// functions: which keys are written and read, in which order, and what each
// value means. The one reader and the one writer of the message value, for
// the configuration window and the command-line run alike.
#include "config/message_settings.h"

#include <exception>
#include <string>
#include <string_view>

namespace brevant {

// The section "Message1" of one config file, key by key.
class ProfileSection {
public:
    virtual ~ProfileSection() = default;
    // The key's value; the default when the file, the section or the key is absent.
    virtual std::wstring ReadText(std::wstring_view key, std::wstring_view defaultValue) const = 0;
    // Throws Error when the platform refuses.
    virtual void WriteText(std::wstring_view key, std::wstring_view value) = 0;
};

// The keys in their order; a write that fails stops the writing there.
void WriteMessage(ProfileSection& file, const MessageSettings& settings);

// A file's message, read over the message it is loaded into, key by key in
// the file's order. A failed conversion ends the reading: what comes after it
// is left as it was. A reading with an unreadable "Type" or an error is no
// message to show.
struct MessageReading {
    MessageSettings message;
    // "Type" missing or no whole number: the program's message.
    bool typeUnreadable = false;
    // The conversion error "Time" raised, if any.
    std::exception_ptr error = {};
};

MessageReading ReadMessage(const ProfileSection& file, const MessageSettings& loadedInto);

}  // namespace brevant
