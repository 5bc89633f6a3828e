#include <windows.h>

#include "app/command_line.h"

namespace brevant {
namespace {

std::string ProgramFilePath()
{
    // The path may be longer than MAX_PATH; grow until it fits.
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

std::string CommandLineArgument(int index)
{
    if (index == 0)
        return ProgramFilePath();
    return CommandLineArgumentOf(GetCommandLineA(), index);
}

}  // namespace brevant
