#include <windows.h>

#include "app/command_line.h"

namespace brevant {
namespace {

std::wstring ProgramFilePath()
{
    // The path may be longer than MAX_PATH; grow until it fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

std::wstring CommandLineArgument(int index)
{
    if (index == 0)
        return ProgramFilePath();
    return CommandLineArgumentOf(GetCommandLineW(), index);
}

}  // namespace brevant
