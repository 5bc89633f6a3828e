#include "dialogs/error_text.h"

#include "text/error.h"

#include <cstdint>

namespace brevant {

std::wstring WithClosingFullStop(std::wstring message)
{
    // Of a character beyond U+FFFF this reads the second half of its pair,
    // which, as the first, lies above '.'.
    if (!message.empty() && static_cast<uint32_t>(message.back()) > L'.')
        message += L'.';
    return message;
}

std::wstring ErrorMessageOf(const std::exception_ptr& error)
{
    try {
        std::rethrow_exception(error);
    } catch (const Error& e) {
        return e.Message();
    } catch (const std::exception& e) {
        // The program's other errors carry plain English.
        return Utf8ToText(e.what()).value_or(L"Unknown error");
    } catch (...) {
        return L"Unknown error";
    }
}

}  // namespace brevant
