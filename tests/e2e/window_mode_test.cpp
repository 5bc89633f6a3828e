// Started without arguments, brevant.exe shows its configuration window, has no
// taskbar button, and ends with status 0 however the window is closed.
#include "e2e/harness.h"

#include "automation/find.h"
#include "automation/input.h"
#include "automation/read.h"

#include <functional>
#include <string>

namespace e2e {
namespace {

using namespace std::chrono_literals;

using WindowModeTest = BrevantTest;

TEST_F(WindowModeTest, ShowsTheConfigurationWindowInItsInitialState)
{
    Start();
    HWND window = WaitForWindow();
    ASSERT_NE(window, nullptr);

    for (const char* group : {"Message Text", "Type of Message", "Display Buttons", "Delay until Display"}) {
        HWND box = uia::FindControl(window, group);
        EXPECT_TRUE(box && IsWindowVisible(box)) << group << "\n" << uia::DescribeControls(window);
    }
    for (const char* selected : {"&Message Text:", "Error Message", "Display Buttons:",
                                 "# of Minutes until display:"}) {
        HWND control = uia::FindControl(window, selected);
        ASSERT_NE(control, nullptr) << selected << "\n" << uia::DescribeControls(window);
        EXPECT_TRUE(uia::IsChecked(control)) << selected;
    }
    HWND minutes = uia::FindControlOfClass(uia::FindControl(window, "Delay until Display"), "Edit");
    ASSERT_NE(minutes, nullptr) << uia::DescribeControls(window);
    EXPECT_EQ(uia::Text(minutes), "0");
}

TEST_F(WindowModeTest, HasNoTaskbarButtonItsHiddenOwnerWouldCarry)
{
    Start();
    HWND window = WaitForWindow();
    ASSERT_NE(window, nullptr);

    HWND owner = GetWindow(window, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    char caption[64] = {};
    GetWindowTextA(owner, caption, sizeof caption);
    EXPECT_STREQ(caption, "Message");
    EXPECT_FALSE(IsWindowVisible(owner));
    // The shell gives a button to each visible top-level window that has no
    // owner and is no tool window, and to each one marked as an app window.
    for (HWND topLevel : uia::TopLevelWindowsOf(Brevant().Id())) {
        if (!IsWindowVisible(topLevel))
            continue;
        const auto exStyle = GetWindowLongPtrA(topLevel, GWL_EXSTYLE);
        GetWindowTextA(topLevel, caption, sizeof caption);
        SCOPED_TRACE(caption);
        EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
        EXPECT_TRUE(GetWindow(topLevel, GW_OWNER) || (exStyle & WS_EX_TOOLWINDOW));
    }
}

// The key goes where the keyboard would send it: the control with the focus.
HWND KeyTarget(HWND window)
{
    HWND focus = uia::FocusedWindow(window);
    return focus ? focus : window;
}

TEST_F(WindowModeTest, EndsWithStatusZeroHoweverTheWindowIsClosed)
{
    const struct {
        const char* how;
        std::function<bool(HWND window)> close;
    } ways[] = {
        {"close box", [](HWND window) { uia::RequestClose(window); return true; }},
        {"Cancel button", [](HWND window) { return uia::Click(uia::FindControl(window, "&Cancel")); }},
        {"Alt+F4", [](HWND window) { uia::PressKey(KeyTarget(window), VK_F4, uia::kAlt); return true; }},
        {"Escape", [](HWND window) { uia::PressKey(KeyTarget(window), VK_ESCAPE); return true; }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        auto& brevant = Start();
        HWND window = WaitForWindow();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(way.close(window)) << uia::DescribeControls(window);
        EXPECT_EQ(brevant.WaitForExit(10s), 0u);
    }
}

}  // namespace
}  // namespace e2e
