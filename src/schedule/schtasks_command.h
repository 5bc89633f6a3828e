#pragma once
// The schtasks command line that makes the same task, for scripts and other
// machines: typed into cmd.exe as it stands, it hands schtasks the program
// and its argument quoted, whatever the paths hold.
#include "schedule/task_definition.h"

#include <optional>
#include <string>
#include <string_view>

namespace brevant {

// schtasks takes a task's program and arguments of at most this many characters.
inline constexpr size_t LongestSchtasksTaskRun = 261;

// What the command's box says instead when the paths are too long for schtasks.
inline constexpr std::wstring_view kSchtasksTooLong =
    L"The program's and the file's paths together are longer than the 261 characters schtasks "
    L"takes for a task's program: the task can be made here with OK, but not with schtasks.";

// The program and its argument as the task runs them.
std::wstring TaskRun(std::wstring_view programPath, std::wstring_view configPath);

// The command; nothing when the task's program and argument are too long for schtasks.
std::optional<std::wstring> SchtasksCommand(const TaskRequest& request);

// The command line as cmd.exe hands it to the program it starts: carets and
// the characters they escape where cmd.exe sees them outside quotes.
std::wstring EscapedForCmd(std::wstring_view commandLine);

}  // namespace brevant
