#pragma once
// Where a file lies, as far as a task that runs it years later cares.
#include <string_view>

namespace brevant {

enum class Location {
    Lasting,    // a fixed drive
    Removable,  // a removable drive, a CD or DVD, a RAM disk
    Network,    // a network drive or share
    Temporary,  // the user's or the system's temporary folder (a zip viewer's too)
};

Location LocationOf(std::wstring_view fullPath);

}  // namespace brevant
