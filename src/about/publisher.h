#pragma once
// Where the About window's links lead: set when the program is built
// (CMake cache variables BREVANT_CONTACT_ADDRESS and BREVANT_WEB_PAGE).

namespace brevant {

extern const wchar_t kContactAddress[];  // a mail address, without "mailto:"
extern const wchar_t kWebPage[];         // the web page's full address

}  // namespace brevant
