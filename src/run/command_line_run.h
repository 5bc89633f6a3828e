#pragma once
// The command-line run, for batch files and scheduled tasks.
#include <string>

namespace brevant {

// Argument 1 holds "/c" and a config file's name: the file's message is
// loaded and shown at its moment, with no window of the program on the
// screen; a malformed argument or a file that cannot be used is reported.
// Either way the program is asked to end.
void RunFromCommandLine(const std::wstring& argument);

}  // namespace brevant
