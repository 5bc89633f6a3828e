#pragma once
// What to tell the user when the Task Scheduler fails: a service that is not
// running and a refusal in words of their own, anything else with the
// system's text and its number.
#include <cstdint>
#include <string>
#include <string_view>

namespace brevant {

inline constexpr uint32_t kSchedulerNotRunning = 0x80041315;  // SCHED_E_SERVICE_NOT_RUNNING
inline constexpr uint32_t kAccessDenied = 0x80070005;         // E_ACCESSDENIED

// `action` completes "The Task Scheduler could not ...", e.g. "register the task".
std::wstring SchedulerErrorMessage(uint32_t result, std::wstring_view action, std::wstring_view systemText);

}  // namespace brevant
