#pragma once
// The scheduled task that runs the program on a saved config file, as the
// Task Scheduler's XML text: written for registration and read back for the
// schedule of a task registered earlier. One task per config file, named
// after the file and its full path.
#include "schedule/schedule.h"

#include <optional>
#include <string>
#include <string_view>

namespace brevant {

struct TaskRequest {
    Schedule schedule;
    std::wstring programPath;  // the program's own full path
    std::wstring configPath;   // the config file's full path
    std::wstring description;
    std::wstring userId;       // DOMAIN\user: whose log-on starts a LogOn task
};

// The folder of the Task Scheduler that holds the program's tasks.
inline constexpr std::wstring_view kTaskFolder = L"Brevant";

// The task's name: the file's name and a number drawn from its full path
// (letter case ignored, as the file system ignores it), so files of the same
// name in two folders never share a task. Only letters, digits, blanks and
// . - _ ( ) are kept; others become "_".
std::wstring TaskNameOf(std::wstring_view configPath);

// "Shows the message "<first line>" of <config path>." or, for a message
// without text, "Shows the message of <config path>."
std::wstring TaskDescription(std::wstring_view messageText, std::wstring_view configPath);

// The program's argument: "/c<full path of the file>" in double quotes.
std::wstring ConfigArgument(std::wstring_view configPath);

// The folder part of a full path, without its closing backslash (but "C:\").
std::wstring FolderOf(std::wstring_view path);

// Whether a full path lies in a folder or below it, letter case ignored
// (A to Z); the folder's closing backslash may be there or not.
bool IsInsideFolder(std::wstring_view path, std::wstring_view folder);

// The task's XML text: its trigger, the program with its argument in the
// file's folder, the interactive user, and settings that start it as soon as
// possible after a missed start, on batteries too, beside an earlier run of
// itself, for as long as its message waits.
std::wstring TaskXml(const TaskRequest& request);

// The schedule of a task's XML text as this program writes it and as the
// Task Scheduler gives it back; nothing when it holds no trigger this
// program makes.
std::optional<Schedule> ScheduleOfTaskXml(std::wstring_view xml);

}  // namespace brevant
