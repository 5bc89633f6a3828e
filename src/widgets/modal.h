#pragma once
// The modal run shared by the program's modal windows: while one is open the
// program's other windows take no input, but their messages (timer ticks,
// painting) keep being dispatched.
#include <windows.h>

#include <functional>

namespace brevant::widgets {

// Runs `window` modally:
//  1. notes the application-wide cursor and sets the default;
//  2. disables every visible, enabled top-level window of this thread;
//  3. calls show(), which makes the window visible and focuses a control;
//  4. takes messages until closed() is true, the window is gone or a quit
//     request has been taken;
//  5. enables the other windows again, hides the window and, if it was still
//     the active one, gives the activation back to the window that had it;
//  6. puts the noted cursor back unless a handler has set the cursor in the
//     meantime, and the default otherwise.
// When show() fails, only the other windows are enabled again.
void RunModal(HWND window, const std::function<void()>& show, const std::function<bool()>& closed);

}  // namespace brevant::widgets
