#pragma once
// Deferred destruction of a window: the window goes once the messages already
// waiting in the thread's queue have been handled, so none of them finds it
// gone half-way (a handler that is still running on it, a posted message).
#include "widgets/window.h"

#include <memory>

namespace brevant::widgets {

void Release(std::unique_ptr<Window> window);

// Owns a window and releases it, instead of destroying it at once, when the
// owner goes, also when the owner's scope is left by an error.
struct ReleaseDeleter {
    void operator()(Window* window) const { Release(std::unique_ptr<Window>(window)); }
};
template <typename W>
using Released = std::unique_ptr<W, ReleaseDeleter>;

}  // namespace brevant::widgets
