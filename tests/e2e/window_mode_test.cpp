// Started without arguments, brevant.exe shows its configuration window, has no
// taskbar button, and ends with status 0 however the window is closed.
#include "e2e/harness.h"

#include "automation/find.h"
#include "automation/input.h"
#include "automation/read.h"

#include <functional>
#include <string>
#include <vector>

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

// OK with no delay: the window goes, the message shows at once, and any way
// of closing it ends the program.
TEST_F(WindowModeTest, OkShowsTheMessageAtOnceAndEnds)
{
    const struct {
        const char* what;
        const char* choice;  // a control clicked before OK, if any
        std::vector<std::string> buttons;
        const char* pressed;  // empty: the close box
    } cases[] = {
        {"as the window starts: no button ticked", nullptr, {}, ""},
        {"O&K ticked", "O&K", {"OK"}, "OK"},
        {"Show ALL Buttons", "Show ALL Buttons",
         {"&Yes", "&No", "OK", "Cancel", "&Abort", "&Retry", "&Ignore", "&All", "&Help"}, "&Ignore"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Start();
        HWND window = WaitForWindow();
        ASSERT_NE(window, nullptr);
        if (c.choice) {
            ASSERT_TRUE(uia::Click(uia::FindControl(window, c.choice))) << uia::DescribeControls(window);
        }
        ASSERT_TRUE(uia::Click(uia::FindControl(window, "&OK")));

        HWND dialog = WaitForMessageDialog("Error");
        ASSERT_NE(dialog, nullptr);
        // The memo is empty as the window starts.
        EXPECT_EQ(ReadDialog(dialog), (DialogContent{"Error", "", c.buttons}));
        EXPECT_FALSE(IsWindowVisible(window));
        EXPECT_TRUE(AboveOthers(dialog));
        CloseDialog(dialog, c.pressed);
        ExpectEndsWithStatusZero();
    }
}

TEST_F(WindowModeTest, PreviewShowsTheMessageAndTheWindowStaysUsable)
{
    Start();
    HWND window = WaitForWindow();
    ASSERT_NE(window, nullptr);
    HWND memo = uia::FindControlOfClass(uia::FindControl(window, "Message Text"), "Edit");
    ASSERT_NE(memo, nullptr) << uia::DescribeControls(window);
    uia::SetText(memo, "Back soon");
    for (const char* choice : {"Warning Message", "&Yes", "&No"})
        ASSERT_TRUE(uia::Click(uia::FindControl(window, choice))) << choice;

    const auto preview = [&](const DialogContent& expected, const char* pressed) {
        ASSERT_TRUE(uia::Click(uia::FindControl(window, "&Preview")));
        HWND dialog = WaitForMessageDialog(expected.caption);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(ReadDialog(dialog), expected);
        EXPECT_FALSE(AboveOthers(dialog)) << "a preview keeps its normal place";
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_FALSE(IsWindowEnabled(window)) << "the message is modal";
        CloseDialog(dialog, pressed);
        EXPECT_TRUE(uia::WaitForWindowGone(dialog));
        EXPECT_TRUE(uia::WaitUntil([&] { return IsWindowEnabled(window) != FALSE; }));
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_TRUE(Brevant().Running());
    };
    preview({"Warning", "Back soon", {"&Yes", "&No"}}, "&No");
    // The window takes changes after a preview, and the next preview shows them.
    for (const char* choice : {"Informational Message", "&No"})
        ASSERT_TRUE(uia::Click(uia::FindControl(window, choice))) << choice;
    preview({"Information", "Back soon", {"&Yes"}}, "");

    ASSERT_TRUE(uia::Click(uia::FindControl(window, "&Cancel")));
    ExpectEndsWithStatusZero();
}

}  // namespace
}  // namespace e2e
