#include "widgets/release.h"

#include <algorithm>
#include <vector>

namespace brevant::widgets {

namespace {

constexpr UINT kDestroyReleased = WM_APP;

// A message-only window that keeps released windows until its message for each
// comes round; posted messages are taken in the order they were posted.
class Releaser : public Window {
public:
    Releaser() { CreateWindowOf({.name = L"BrevantReleaser"}, {.parent = HWND_MESSAGE}); }

    void Keep(std::unique_ptr<Window> window)
    {
        Window* released = released_.emplace_back(std::move(window)).get();
        if (!PostMessageW(Handle(), kDestroyReleased, 0, reinterpret_cast<LPARAM>(released)))
            Destroy(released);  // the queue is full: at once rather than never
    }

protected:
    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != kDestroyReleased)
            return Window::HandleMessage(message, wParam, lParam);
        Destroy(reinterpret_cast<Window*>(lParam));
        return 0;
    }

private:
    void Destroy(Window* window)
    {
        const auto found = std::ranges::find(released_, window, &std::unique_ptr<Window>::get);
        if (found == released_.end())
            return;
        // Out of the list before it goes, in case its destruction releases another.
        const std::unique_ptr<Window> destroyed = std::move(*found);
        released_.erase(found);
    }

    std::vector<std::unique_ptr<Window>> released_;
};

}  // namespace

void Release(std::unique_ptr<Window> window)
{
    if (!window)
        return;
    static Releaser releaser;
    releaser.Keep(std::move(window));
}

}  // namespace brevant::widgets
