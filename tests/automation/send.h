#pragma once
// Internal: a sent message that gives up on a thread that does not answer.
#include <windows.h>

namespace uia::detail {

// SendMessage with the default timeout; throws std::runtime_error when the
// window is gone or its thread does not answer.
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

}  // namespace uia::detail
