#include "config/config_file.h"

#include "config/ini_file.h"

namespace brevant {

void WriteConfigFile(const std::string& path, const MessageSettings& settings)
{
    const TIniFile ini(path);
    IniSection section(ini, ConfigSection);
    WriteMessage(section, settings);
}

MessageReading ReadConfigFile(const std::string& path, const MessageSettings& loadedInto)
{
    const TIniFile ini(path);
    return ReadMessage(IniSection(ini, ConfigSection), loadedInto);
}

}  // namespace brevant
