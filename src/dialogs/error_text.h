#pragma once
// The text of the unhandled-error box.
#include <exception>
#include <string>

namespace brevant {

// The message with a full stop appended when its last character's code,
// taken unsigned, lies above that of the full stop (letters, digits, '/',
// the punctuation from ':' on, every code of 0x80 or more). A message ending
// in '.', a space, a control character or one of "!\"#$%&'()*+,-" is kept as
// it is, and so is an empty one.
std::wstring WithClosingFullStop(std::wstring message);

// The message an error carries; "Unknown error" for an object that is no
// standard exception.
std::wstring ErrorMessageOf(const std::exception_ptr& error);

}  // namespace brevant
