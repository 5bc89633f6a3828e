#include "dialogs/error_text.h"

namespace brevant {

std::string WithClosingFullStop(std::string message)
{
    // Of a double-byte last character this reads the trail byte; in every
    // double-byte code page both bytes of a character lie above '.', so the
    // outcome is the same as reading the lead byte.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        message += '.';
    return message;
}

std::string ErrorMessageOf(const std::exception_ptr& error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unknown error";
    }
}

}  // namespace brevant
