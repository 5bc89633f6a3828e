#pragma once
#include <windows.h>

#include <functional>

namespace brevant::widgets {

// A window-system timer of one window; ticks arrive as WM_TIMER on the GUI
// thread and are handed to Tick by the owning window.
class Timer {
public:
    Timer(UINT_PTR id, UINT intervalMs) : id_(id), interval_(intervalMs) {}
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    ~Timer();

    void Attach(HWND owner) { owner_ = owner; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    UINT_PTR Id() const { return id_; }

    // Called by the owner for WM_TIMER with this timer's id.
    void Tick();

    std::function<void()> onTimer;

private:
    HWND owner_ = nullptr;
    UINT_PTR id_;
    UINT interval_;
    bool enabled_ = false;
};

}  // namespace brevant::widgets
