#pragma once
// The error object of the program: a failed conversion, a file that cannot
// be read or written, a window the platform would not make. It carries its
// message already formatted; nobody but the unhandled-error display catches it.
#include "text/unicode_text.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace brevant {

class Error : public std::runtime_error {
public:
    explicit Error(std::wstring message) : std::runtime_error(TextToUtf8(message)), message_(std::move(message)) {}

    const std::wstring& Message() const { return message_; }

private:
    std::wstring message_;
};

// Puts the argument in place of the first "%s" of the pattern.
inline std::wstring FormatError(std::wstring_view pattern, std::wstring_view argument)
{
    std::wstring message(pattern);
    if (auto at = message.find(L"%s"); at != std::wstring::npos)
        message.replace(at, 2, argument);
    return message;
}

}  // namespace brevant
