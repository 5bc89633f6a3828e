#pragma once
// Access to one INI file. It reads the file's text once, when it is created;
// reads and writes of keys work on that text; UpdateFile puts the written
// text in the file's place in one step. Nothing is kept open.
#include "config/ini_text.h"
#include "config/message_file.h"

#include <cstdint>
#include <string>

namespace brevant {

class TIniFile {
public:
    // What the file is opened for: a file that cannot be read is reported as
    // unreadable when it is to be read, as unwritable when it is to be updated.
    enum class Access { Read, Update };

    // A file that is not there reads as empty. Throws Error "Unable to read
    // <file name>: <reason>" or "Unable to write to <file name>".
    TIniFile(std::wstring fileName, Access access);

    const std::wstring& FileName() const { return fileName_; }

    // The key's value as the platform's profile functions give it (quotes
    // taken off, at most LongestProfileValue characters); the default when
    // the file, the section or the key is absent.
    std::wstring ReadText(std::wstring_view section, std::wstring_view key, std::wstring_view defaultValue) const;
    void WriteText(std::wstring_view section, std::wstring_view key, std::wstring_view value);

    // The key's whole number ("$" or "0x" for hexadecimal), or the default
    // when the key is absent or holds no whole number.
    int32_t ReadNumber(std::wstring_view section, std::wstring_view key, int32_t defaultValue) const;
    void WriteNumber(std::wstring_view section, std::wstring_view key, int32_t value);

    // Replaces the file by the text with every key written, keeping all else
    // it held; in the user's ANSI code page where that holds the whole text.
    // Throws Error "Unable to write to <file name>", the file left as it was.
    void UpdateFile() const;

private:
    std::wstring fileName_;
    IniText text_;
};

// One section of an INI file, as the message file's rules read and write it.
class IniSection : public ProfileSection {
public:
    IniSection(TIniFile& file, std::wstring_view section) : file_(file), section_(section) {}

    std::wstring ReadText(std::wstring_view key, std::wstring_view defaultValue) const override
    {
        return file_.ReadText(section_, key, defaultValue);
    }
    void WriteText(std::wstring_view key, std::wstring_view value) override { file_.WriteText(section_, key, value); }

private:
    TIniFile& file_;
    std::wstring section_;
};

}  // namespace brevant
