#include "config/config_path.h"

namespace brevant {

namespace {

constexpr std::string_view ConfigSwitch = "/c";

// The length of the path's folder part: up to and including its last
// backslash or colon, 0 when it has none.
std::size_t FolderPartLength(std::string_view path, const LeadBytePredicate& isLeadByte)
{
    std::size_t length = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const auto byte = static_cast<unsigned char>(path[i]);
        if (isLeadByte(byte))
            ++i;
        else if (byte == '\\' || byte == ':')
            length = i + 1;
    }
    return length;
}

}  // namespace

bool HasConfigSwitch(std::string_view argument)
{
    return argument.find(ConfigSwitch) != std::string_view::npos;
}

std::string ConfigPathFromArgument(std::string_view argument, std::string_view programPath,
                                   const LeadBytePredicate& isLeadByte)
{
    const auto at = argument.find(ConfigSwitch);
    const std::string_view rest =
        at == std::string_view::npos ? std::string_view{} : argument.substr(at + ConfigSwitch.size());
    if (FolderPartLength(rest, isLeadByte) > 0)
        return std::string(rest);
    std::string path(programPath.substr(0, FolderPartLength(programPath, isLeadByte)));
    path += rest;
    return path;
}

std::optional<std::string> PathTooLongMessage(std::string_view path)
{
    if (path.size() <= LongestConfigPath)
        return std::nullopt;
    return "The path of file " + std::string(path) + " is too long. A config file's path can have at most " +
           std::to_string(LongestConfigPath) + " characters.";
}

}  // namespace brevant
