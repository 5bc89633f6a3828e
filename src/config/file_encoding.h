#pragma once
// How a config file's bytes become text and text becomes bytes. Files are
// ANSI (the user's code page) as earlier versions wrote them, UTF-16 with a
// byte order mark where a text is beyond the code page, or UTF-8 as editors
// save them.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace brevant {

// The user's ANSI code page: bytes to text, and text to bytes when the code
// page holds every character of it exactly (nothing otherwise).
struct AnsiCodePage {
    std::function<std::wstring(std::string_view)> decode;
    std::function<std::optional<std::string>(std::wstring_view)> encode;
};

enum class FileEncoding { Ansi, Utf8, Utf16LittleEndian, Utf16BigEndian };

// The encoding of a file's bytes: a byte order mark names it; without one,
// bytes that are well-formed UTF-8 and hold a character beyond ASCII are
// UTF-8 (what editors save today); anything else is ANSI.
FileEncoding DetectEncoding(std::string_view bytes);

// The file's text, without its byte order mark.
std::wstring DecodeFile(std::string_view bytes, const AnsiCodePage& ansi);

// The bytes to store the text in: ANSI where the code page holds all of it,
// so earlier versions read it as before; UTF-16 with a byte order mark
// otherwise, which the platform's profile functions read too, and where the
// ANSI bytes would read as another encoding.
std::string EncodeFile(std::wstring_view text, const AnsiCodePage& ansi);

}  // namespace brevant
