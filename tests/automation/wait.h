#pragma once
// Waiting for something to happen in a window of this or another process.
//
// Input the automation posts (keys, characters) is handled whenever the thread
// that owns the target window next takes messages. Settle() waits for that:
//  - for a window of another thread it makes round trips of WM_NULL to it,
//    with short pauses between them. A thread answers sent messages only when
//    it takes messages, that is between two posted ones, so each round trip
//    after the first in practice sees one more posted message dispatched.
//    There is no way to watch another thread's queue, so this is not proof:
//    where a test can, it waits for the effect itself (WaitUntil);
//  - for a window of the calling thread (in-process tests) it runs the message
//    pump, which dispatches what is waiting in the calling thread's queue.
#include <windows.h>

#include <chrono>
#include <functional>

namespace uia {

using Duration = std::chrono::milliseconds;
inline constexpr Duration kDefaultTimeout{10'000};

// How the calling thread's pending messages are dispatched while the
// automation waits. The default peeks, translates and dispatches until the
// queue is empty. In-process tests of a program with its own keyboard handling
// install the program's loop step here (e.g. the one that gives forms the
// first look at keys).
void SetMessagePump(std::function<void()> pump);

// Dispatches the calling thread's pending messages with the installed pump.
void PumpMessages();

// Calls condition() until it is true, pumping the calling thread's messages and
// sleeping a few milliseconds between calls; false once the timeout has passed.
bool WaitUntil(const std::function<bool()>& condition, Duration timeout = kDefaultTimeout);

// Returns once the thread owning `window` has dispatched the messages posted
// to it so far, `posted` being how many the caller posted (messages the
// target posts to itself meanwhile are allowed for). Also returns if the
// window is gone or its thread does not answer within kDefaultTimeout.
void Settle(HWND window, int posted = 1);

}  // namespace uia
