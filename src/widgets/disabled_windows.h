#pragma once
// While a modal box is open the program's other windows take no input.
#include <windows.h>

#include <vector>

namespace brevant::widgets {

// Disables every visible, enabled top-level window of this thread for its
// lifetime, and enables again those that still exist when it ends.
class DisabledTaskWindows {
public:
    DisabledTaskWindows();
    ~DisabledTaskWindows();
    DisabledTaskWindows(const DisabledTaskWindows&) = delete;
    DisabledTaskWindows& operator=(const DisabledTaskWindows&) = delete;

private:
    std::vector<HWND> disabled_;
};

}  // namespace brevant::widgets
