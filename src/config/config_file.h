#pragma once
// A message config file on disk, through the INI access object: the message
// value written to it whole or not at all, and read from it over the message
// it is loaded into.
#include "config/message_file.h"

#include <string>

namespace brevant {

// Throws Error "Unable to write to <path>", the file left as it was.
void WriteConfigFile(const std::wstring& path, const MessageSettings& settings);

// Throws Error "Unable to read <path>: <reason>" for a file that is there but
// cannot be read; a file that is not there reads as empty.
MessageReading ReadConfigFile(const std::wstring& path, const MessageSettings& loadedInto);

}  // namespace brevant
