#pragma once
// The error object of the program: a failed conversion or a refused write.
// It carries its message already formatted; nobody but the unhandled-error
// display catches it.
#include <stdexcept>
#include <string>
#include <string_view>

namespace brevant {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Puts the argument in place of the first "%s" of the pattern.
inline std::string FormatError(std::string_view pattern, std::string_view argument)
{
    std::string message(pattern);
    if (auto at = message.find("%s"); at != std::string::npos)
        message.replace(at, 2, argument);
    return message;
}

}  // namespace brevant
