#pragma once
// Access to one INI file through the platform's profile functions. It keeps
// nothing open: every call hands the section, key and file name to the
// platform, which reads or rewrites the file there and then.
#include "config/message_file.h"

#include <cstdint>
#include <string>

namespace brevant {

class TIniFile {
public:
    // The name is passed to the platform unchanged; give it a folder, since
    // the platform looks for a bare name in the Windows folder.
    explicit TIniFile(std::string fileName);

    const std::string& FileName() const { return fileName_; }

    // The key's value, at most ValueCapacity - 1 characters; the default when
    // the file, the section or the key is absent.
    std::string ReadText(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
    // Creates the file and section as needed and keeps everything else in it;
    // throws Error "Unable to write to <file name>" when the platform refuses.
    void WriteText(const std::string& section, const std::string& key, const std::string& value) const;

    // The key's whole number ("$" or "0x" for hexadecimal), or the default
    // when the key is absent or holds no whole number.
    int32_t ReadNumber(const std::string& section, const std::string& key, int32_t defaultValue) const;
    void WriteNumber(const std::string& section, const std::string& key, int32_t value) const;

    // The read buffer's size, terminating zero included.
    static constexpr unsigned ValueCapacity = 1024;

private:
    std::string fileName_;
};

// One section of an INI file, as the message file's rules read and write it.
class IniSection : public ProfileSection {
public:
    IniSection(const TIniFile& file, std::string_view section) : file_(file), section_(section) {}

    std::string ReadText(std::string_view key, std::string_view defaultValue) const override
    {
        return file_.ReadText(section_, std::string(key), std::string(defaultValue));
    }
    void WriteText(std::string_view key, std::string_view value) override
    {
        file_.WriteText(section_, std::string(key), std::string(value));
    }

private:
    const TIniFile& file_;
    std::string section_;
};

}  // namespace brevant
