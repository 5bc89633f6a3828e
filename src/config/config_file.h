#pragma once
// A message config file on disk, through the INI access object: the message
// value written to it, and read from it over the message it is loaded into.
#include "config/message_file.h"

#include <string>

namespace brevant {

// Throws Error "Unable to write to <path>" when the platform refuses a write.
void WriteConfigFile(const std::string& path, const MessageSettings& settings);

MessageReading ReadConfigFile(const std::string& path, const MessageSettings& loadedInto);

}  // namespace brevant
