#include "automation/wait.h"

#include <utility>

namespace uia {
namespace {

constexpr DWORD kPollMilliseconds = 10;

void DispatchAllPending()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Not ours to take: leave it for the caller's own loop.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

std::function<void()>& Pump()
{
    static std::function<void()> pump = DispatchAllPending;
    return pump;
}

}  // namespace

void SetMessagePump(std::function<void()> pump)
{
    Pump() = pump ? std::move(pump) : DispatchAllPending;
}

void PumpMessages()
{
    Pump()();
}

bool WaitUntil(const std::function<bool()>& condition, Duration timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        PumpMessages();
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        // Wakes early for messages to this thread, which the next round dispatches.
        MsgWaitForMultipleObjectsEx(0, nullptr, kPollMilliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

void Settle(HWND window, int posted)
{
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
        PumpMessages();
        return;
    }
    // A thread answers every sent message that has arrived before it takes a
    // posted one, so a round trip sent at once after the last could be
    // answered ahead of the posted message still waiting. The pause lets the
    // target take that message; the next round trip is then answered only
    // after it has been dispatched. Translation adds a character per key, so
    // allow twice the count.
    const int roundTrips = 2 * posted + 2;
    const auto timeout = static_cast<UINT>(kDefaultTimeout.count());
    for (int i = 0; i < roundTrips; ++i) {
        if (i > 0)
            Sleep(1);
        DWORD_PTR ignored;
        if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, timeout, &ignored))
            return;
    }
}

}  // namespace uia
