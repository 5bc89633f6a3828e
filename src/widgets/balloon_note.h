#pragma once
// A note pointing at a control, in a balloon, that says what just happened
// without a box to close: it shows until the next key or click.
#include <windows.h>

#include <string>
#include <string_view>

namespace brevant::widgets {

class BalloonNote {
public:
    BalloonNote() = default;
    BalloonNote(const BalloonNote&) = delete;
    BalloonNote& operator=(const BalloonNote&) = delete;
    ~BalloonNote();

    // Shows the text below the control, whose form owns the balloon.
    void Show(HWND control, std::wstring_view text);
    void Hide();
    bool Shown() const { return shown_; }

private:
    HWND balloon_ = nullptr;
    HWND control_ = nullptr;
    std::wstring text_;
    bool shown_ = false;
};

}  // namespace brevant::widgets
