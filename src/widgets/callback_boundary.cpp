#include "widgets/callback_boundary.h"

namespace brevant::widgets {

namespace {
ErrorReporter g_reporter = nullptr;
}

void SetErrorReporter(ErrorReporter reporter) { g_reporter = reporter; }

void ReportError(std::exception_ptr error)
{
    if (!g_reporter)
        std::terminate();
    g_reporter(error);
}

namespace detail {

int& HandlerDepth()
{
    static int depth = 0;
    return depth;
}

std::exception_ptr& PendingError()
{
    static std::exception_ptr pending;
    return pending;
}

void Fail(std::exception_ptr error)
{
    if (HandlerDepth() > 0) {
        // Inside a call that one of our handlers made: that handler is abandoned.
        if (!PendingError())
            PendingError() = error;
        return;
    }
    ReportError(error);
}

}  // namespace detail

NestedLoopScope::NestedLoopScope()
    : savedDepth_(std::exchange(detail::HandlerDepth(), 0)),
      savedPending_(std::exchange(detail::PendingError(), nullptr))
{
}

NestedLoopScope::~NestedLoopScope()
{
    detail::HandlerDepth() = savedDepth_;
    detail::PendingError() = savedPending_;
}

}  // namespace brevant::widgets
