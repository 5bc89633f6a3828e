#pragma once
// The loops that take messages from the thread's queue. Each gives a form the
// first look at keyboard and mouse messages (Window::PreTranslateMessage) and then
// translates and dispatches. A quit request taken by any loop marks the
// program as ending; the main loop stops on it, nested loops only note it.
#include <windows.h>

#include <functional>

namespace brevant::widgets {

// True once any loop has taken the quit request.
bool QuitTaken();

// A mouse message a form sees before it is dispatched: the mouse range, and
// the mouse leaving a window that asked to be told (TrackMouseEvent).
inline bool IsMouseMessage(UINT message)
{
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || message == WM_MOUSELEAVE;
}

// Dispatches one message taken from the queue.
void DispatchTaken(MSG& message);

// Dispatches every message waiting in the queue, without waiting.
void ProcessPendingMessages();

// Takes and dispatches messages, sleeping while the queue is empty, until done()
// is true or a quit request has been taken. A nested loop (the done predicate
// given) reports errors of the handlers it runs itself.
void RunMessageLoop(const std::function<bool()>& done);

}  // namespace brevant::widgets
