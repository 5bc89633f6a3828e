#pragma once
// The program's command-line arguments.
#include <string>
#include <string_view>

namespace brevant {

// Argument number index of a command line: argument 0 is the program's name
// as written, argument 1 the first one after it. Characters 1 to 32 separate
// arguments; double quotes enclose runs that may hold them and are dropped;
// a pair of quotes that begins an argument is skipped, so it never makes an
// empty argument of its own. There is no escape character. An index past the
// last argument gives the empty text.
std::wstring CommandLineArgumentOf(std::wstring_view commandLine, int index);

// Argument 0 is the full path of the program's file; the others come from
// the process's command line, split afresh on every call. Windows only.
std::wstring CommandLineArgument(int index);

}  // namespace brevant
