#pragma once
// No C++ exception may unwind through a Win32 callback frame. Every window
// procedure of the program runs its handler through Guard:
//  - a handler that runs because our own code called into Win32 (SendMessage,
//    SetWindowText, ShowWindow, ...) hands its error back: it is kept here and
//    rethrown on the C++ side by RethrowPending, so the calling handler is
//    abandoned at that call;
//  - a handler run for a message that a loop dispatched is the outermost one:
//    its error is reported at once and the loop goes on.
// A nested message loop (a modal box, a wait) starts a new outermost level.
#include <windows.h>

#include <exception>
#include <optional>
#include <utility>

namespace brevant::widgets {

using ErrorReporter = void (*)(std::exception_ptr);

// The application installs the program's unhandled-error display here.
void SetErrorReporter(ErrorReporter reporter);

// Shows an error through the installed display at once, for the rare handler
// that must go on after an error (to end the process cleanly).
void ReportError(std::exception_ptr error);

namespace detail {
int& HandlerDepth();
std::exception_ptr& PendingError();
void Fail(std::exception_ptr error);
}  // namespace detail

// Throws the error a callback left behind during the last call into Win32.
inline void RethrowPending()
{
    if (auto& pending = detail::PendingError())
        std::rethrow_exception(std::exchange(pending, nullptr));
}

// Runs a handler at a callback boundary; on error returns the fallback result.
template <typename Handler>
auto Guard(Handler&& handler, decltype(handler()) fallback) -> decltype(handler())
{
    std::exception_ptr error;
    auto result = fallback;
    ++detail::HandlerDepth();
    try {
        result = handler();
        RethrowPending();
    } catch (...) {
        error = std::current_exception();
    }
    --detail::HandlerDepth();
    if (error) {
        detail::Fail(error);
        return fallback;
    }
    return result;
}

// Runs a handler that has no result at an outermost catch point (a show
// handler, a tick): an error is reported and the caller goes on.
template <typename Handler>
void GuardOutermost(Handler&& handler)
{
    Guard([&] { handler(); return 0; }, 0);
}

// While alive, messages dispatched by a loop report their own errors instead
// of handing them to the handler that started the loop.
class NestedLoopScope {
public:
    NestedLoopScope();
    ~NestedLoopScope();
    NestedLoopScope(const NestedLoopScope&) = delete;
    NestedLoopScope& operator=(const NestedLoopScope&) = delete;

private:
    int savedDepth_;
    std::exception_ptr savedPending_;
};

}  // namespace brevant::widgets
