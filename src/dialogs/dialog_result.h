#pragma once

#include <cstdint>

namespace brevant {

// Which button closed the message dialog; None is never returned.
enum class DialogResult : int32_t {
    None = 0,
    OK = 1,
    Cancel = 2,
    Abort = 3,
    Retry = 4,
    Ignore = 5,
    Yes = 6,
    No = 7,
    All = 8,
    NoToAll = 9,
    YesToAll = 10,
};

}  // namespace brevant
