#include "config/config_file.h"

#include "config/ini_file.h"

namespace brevant {

void WriteConfigFile(const std::wstring& path, const MessageSettings& settings)
{
    TIniFile ini(path, TIniFile::Access::Update);
    IniSection section(ini, ConfigSection);
    WriteMessage(section, settings);
    ini.UpdateFile();
}

MessageReading ReadConfigFile(const std::wstring& path, const MessageSettings& loadedInto)
{
    TIniFile ini(path, TIniFile::Access::Read);
    return ReadMessage(IniSection(ini, ConfigSection), loadedInto);
}

}  // namespace brevant
