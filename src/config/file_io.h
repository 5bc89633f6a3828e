#pragma once
// A config file's bytes on disk, and the user's ANSI code page they are
// written in.
#include "config/file_encoding.h"

#include <optional>
#include <string>

namespace brevant {

// The file's bytes; nothing when there is no such file (a folder, a missing
// folder or file, or something that is no file on a disk, such as a device or
// a pipe, whose reading could wait for ever). Throws Error naming the file
// and the platform's reason when it is there but cannot be read, such as
// while another program holds it.
std::optional<std::string> ReadFileBytes(const std::wstring& path);

// Replaces the file's bytes whole or not at all: the new bytes are written
// beside it, every write checked, and put in its place in one step, the
// file's attributes kept. On any failure the file stays as it was and Error
// "Unable to write to <path>" is thrown.
void ReplaceFileBytes(const std::wstring& path, const std::string& bytes);

// The code page the user's programs write ANSI text in.
const AnsiCodePage& UserAnsiCodePage();

}  // namespace brevant
