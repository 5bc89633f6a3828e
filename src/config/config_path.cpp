#include "config/config_path.h"

namespace brevant {

namespace {

constexpr std::wstring_view ConfigSwitch = L"/c";

// The length of the path's folder part: up to and including its last
// backslash or colon, 0 when it has none. (No half of a surrogate pair is
// ever one of them.)
std::size_t FolderPartLength(std::wstring_view path)
{
    const std::size_t last = path.find_last_of(L"\\:");
    return last == std::wstring_view::npos ? 0 : last + 1;
}

}  // namespace

bool HasConfigSwitch(std::wstring_view argument)
{
    return argument.find(ConfigSwitch) != std::wstring_view::npos;
}

std::wstring ConfigPathFromArgument(std::wstring_view argument, std::wstring_view programPath)
{
    const auto at = argument.find(ConfigSwitch);
    const std::wstring_view rest =
        at == std::wstring_view::npos ? std::wstring_view{} : argument.substr(at + ConfigSwitch.size());
    if (FolderPartLength(rest) > 0)
        return std::wstring(rest);
    std::wstring path(programPath.substr(0, FolderPartLength(programPath)));
    path += rest;
    return path;
}

std::optional<std::wstring> PathTooLongMessage(std::wstring_view path)
{
    if (path.size() <= LongestConfigPath)
        return std::nullopt;
    return L"The path of file " + std::wstring(path) + L" is too long. A config file's path can have at most " +
           std::to_wstring(LongestConfigPath) + L" characters.";
}

}  // namespace brevant
