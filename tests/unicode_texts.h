#pragma once
// Texts in the scripts and signs people write reminders in, for every road a
// text takes: typed, saved, loaded, read from a "/c" file, shown. The tests
// run on a Western code page (1252).
#include <string>

namespace brevant {

struct UnicodeText {
    const char* name;
    std::wstring text;
    // The file's line as the 1252 code page writes it, where the code page
    // holds the text; nullptr where the file is UTF-16.
    const char* ansiLine;
};

inline const UnicodeText kUnicodeTexts[] = {
    {"Ascii", L"Back soon", "Text=Back soon"},
    {"WesternAccents", L"Caf\xE9 cr\xE8me, \x20AC" L"5 \xA7" L"3", "Text=\"Caf\xE9 cr\xE8me, \x80" "5 \xA7" "3\""},
    {"Cyrillic", L"\x041D\x0430\x043F\x043E\x043C\x043D\x0438\x0442\x044C \x0432 9:00", nullptr},
    {"Greek", L"\x03A3\x03C5\x03BD\x03AC\x03BD\x03C4\x03B7\x03C3\x03B7 \x03A9", nullptr},
    {"Cjk", L"\x4F1A\x8B70\x306F\x5348\x5F8C\x3067\x3059 \xD68C\xC758", nullptr},
    {"SurrogatePair", L"Calendar \xD83D\xDCC5, coffee \x2615", nullptr},
    {"RightToLeft", L"\x05E9\x05DC\x05D5\x05DD \x0645\x0631\x062D\x0628\x0627 12", nullptr},
    {"LineBreakAndQuotes", L"\"\x2713 done\"\r\n'next line'", nullptr},
};

}  // namespace brevant
