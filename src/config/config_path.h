#pragma once
// The config file named on the command line ("/c" followed by the file's
// name), and the length every config file's path must keep.
#include <optional>
#include <string>
#include <string_view>

namespace brevant {

// True when the argument holds "/c" (a lower-case c) anywhere.
bool HasConfigSwitch(std::wstring_view argument);

// The config path of an argument that has the switch: everything after the
// first "/c". A name without a folder part (no backslash or colon) is taken
// from the folder of programPath, the program's own full path; a name with
// one is returned unchanged.
std::wstring ConfigPathFromArgument(std::wstring_view argument, std::wstring_view programPath);

// The platform's profile functions and its plain file calls take a path of at
// most this many characters; a longer one would fail in ways that name
// another cause.
inline constexpr std::size_t LongestConfigPath = 259;

// What to tell the user of a config file's path that is too long; nothing
// when it is not.
std::optional<std::wstring> PathTooLongMessage(std::wstring_view path);

}  // namespace brevant
