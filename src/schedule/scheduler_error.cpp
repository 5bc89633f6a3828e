#include "schedule/scheduler_error.h"

#include "text/integer_text.h"

namespace brevant {

std::wstring SchedulerErrorMessage(uint32_t result, std::wstring_view action, std::wstring_view systemText)
{
    if (result == kSchedulerNotRunning)
        return L"The Task Scheduler service is not running, so the task cannot be made, read or removed. "
               L"Start the service \"Task Scheduler\" (or ask your administrator to) and try again.";
    if (result == kAccessDenied)
        return L"The Task Scheduler refused access: your account may not " + std::wstring(action) +
               L" on this computer. Ask your administrator.";
    std::wstring text(systemText);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ' || text.back() == L'.'))
        text.pop_back();
    return L"The Task Scheduler could not " + std::wstring(action) + L": " +
           (text.empty() ? std::wstring(L"error") : text) + L" (0x" + HexText(result) + L").";
}

}  // namespace brevant
