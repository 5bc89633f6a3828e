#include "automation/send.h"

#include "automation/wait.h"

#include <stdexcept>
#include <string>

namespace uia::detail {

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL,
            static_cast<UINT>(kDefaultTimeout.count()), &result))
        throw std::runtime_error("window " + std::to_string(reinterpret_cast<UINT_PTR>(window)) +
                                 " did not answer message " + std::to_string(message));
    return static_cast<LRESULT>(result);
}

}  // namespace uia::detail
