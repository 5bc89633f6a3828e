// The unhandled-error display at the program's catch points: handlers of a
// test window run from a loop on the main thread and fail; a second thread
// finds the error box, reads it and closes it, as a user would.
#include "dialogs/dialog_owner.h"
#include "dialogs/error_display.h"
#include "text/error.h"
#include "text/integer_text.h"
#include "widgets/callback_boundary.h"
#include "widgets/message_loop.h"
#include "widgets/window.h"
#include "wine/dialog_driver.h"

#include "automation/find.h"
#include "automation/input.h"
#include "automation/read.h"
#include "automation/wait.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <new>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace brevant {
namespace {

using namespace testing_support;

constexpr UINT kFail = WM_APP;      // the handler fails
constexpr UINT kDone = WM_APP + 1;  // ends the test's loop
constexpr UINT kInner = WM_APP + 2;

// A window of the program whose handlers the test writes.
class Probe : public widgets::Window {
public:
    explicit Probe(DWORD style = 0)
    {
        CreateWindowOf({.name = "BrevantTestProbe"},
                       {.style = WS_OVERLAPPEDWINDOW | style, .caption = "probe", .x = 20, .y = 20,
                        .width = 200, .height = 120});
    }
    std::function<std::optional<LRESULT>(UINT, WPARAM, LPARAM)> onMessage;
    bool done = false;  // kDone taken

protected:
    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (onMessage) {
            if (auto handled = onMessage(message, wParam, lParam))
                return handled;
        }
        if (message == kDone) {
            done = true;
            return 0;
        }
        return Window::HandleMessage(message, wParam, lParam);
    }
};

std::vector<HWND> ErrorBoxes()
{
    std::vector<HWND> boxes;
    for (HWND window : uia::TopLevelWindowsOf(GetCurrentProcessId())) {
        char caption[32] = {}, className[32] = {};
        GetWindowTextA(window, caption, sizeof caption);
        GetClassNameA(window, className, sizeof className);
        if (IsWindowVisible(window) && std::string(caption) == "Message" &&
            std::string(className) == "#32770")
            boxes.push_back(window);
    }
    return boxes;
}

std::string BoxText(HWND box)
{
    for (const uia::ControlInfo& control : uia::ListControls(box)) {
        if (lstrcmpiA(control.className.c_str(), "Static") == 0 && !(control.style & SS_ICON))
            return control.text;
    }
    return "(no text)";
}

// The open error box showing that text.
HWND WaitForErrorBox(const std::string& text)
{
    HWND found = nullptr;
    uia::WaitUntil([&] {
        for (HWND box : ErrorBoxes()) {
            if (BoxText(box) == text)
                found = box;
        }
        return found != nullptr;
    });
    if (!found)
        ADD_FAILURE() << "no error box shows \"" << text << "\"";
    return found;
}

void CloseBox(HWND box)
{
    EXPECT_TRUE(uia::Click(uia::FindControl(box, "OK")));
    EXPECT_TRUE(uia::WaitForWindowGone(box));
}

// A box the test did not expect would hold the test's loop for ever.
void CloseLeftoverBoxes()
{
    for (HWND box : ErrorBoxes()) {
        ADD_FAILURE() << "an error box was left open: \"" << BoxText(box) << "\"";
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        uia::WaitForWindowGone(box);
    }
}

class ErrorDisplay : public testing::Test {
protected:
    void SetUp() override
    {
        widgets::SetErrorReporter(&ReportUnhandledError);
        SetDialogOwner(owner_.Handle());
    }
    void TearDown() override { SetDialogOwner(nullptr); }

    // Runs a nested loop here until the probe takes kDone, while `user` works
    // from another thread; then checks no box is left open.
    void RunLoopWhile(Probe& probe, const std::function<void()>& user)
    {
        std::thread driver([&] {
            user();
            CloseLeftoverBoxes();
            PostMessageA(probe.Handle(), kDone, 0, 0);
        });
        widgets::RunMessageLoop([&] { return probe.done; });
        driver.join();
    }

    Probe owner_;  // the application's hidden window
};

TEST_F(ErrorDisplay, AnErrorInALoopsHandlerIsShownAndTheLoopGoesOn)
{
    struct Case {
        std::function<void()> fail;
        std::string shown;
    };
    const Case cases[] = {
        {[] { TextToInteger("12a"); }, "'12a' is not a valid integer value."},
        {[] { throw Error("Invalid argument to time encode"); }, "Invalid argument to time encode."},
        {[] { throw Error("Unable to write to C:\\msg.cfg"); }, "Unable to write to C:\\msg.cfg."},
        {[] { throw Error("Already ends."); }, "Already ends."},
        {[] { throw Error("Exclaims!"); }, "Exclaims!"},
        {[] { throw Error(""); }, ""},
        {[] { throw std::bad_alloc(); }, std::string(std::bad_alloc().what()) + "."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        Probe probe;
        bool before = false, after = false;
        probe.onMessage = [&](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (message != kFail)
                return std::nullopt;
            before = true;
            c.fail();
            after = true;
            return 0;
        };
        PostMessageA(probe.Handle(), kFail, 0, 0);
        RunLoopWhile(probe, [&] {
            const HWND box = WaitForErrorBox(c.shown);
            if (!box)
                return;
            EXPECT_EQ(GetWindow(box, GW_OWNER), owner_.Handle());
            std::vector<std::string> buttons;
            HWND icon = nullptr;
            for (const uia::ControlInfo& control : uia::ListControls(box)) {
                if (lstrcmpiA(control.className.c_str(), "Button") == 0 && control.visible)
                    buttons.push_back(control.text);
                if (lstrcmpiA(control.className.c_str(), "Static") == 0 && (control.style & SS_ICON))
                    icon = control.handle;
            }
            EXPECT_EQ(buttons, std::vector<std::string>{"OK"});
            EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0)),
                      LoadIconA(nullptr, IDI_HAND));
            CloseBox(box);
        });
        EXPECT_TRUE(before);
        EXPECT_FALSE(after) << "the rest of the handler is abandoned";
    }
}

TEST_F(ErrorDisplay, AnErrorInANestedCallAbandonsTheOuterHandlerAtThatCall)
{
    Probe probe;
    std::vector<std::string> steps;
    probe.onMessage = [&](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == kFail) {
            steps.push_back("outer before");
            SendMessageA(probe.Handle(), kInner, 0, 0);
            widgets::RethrowPending();
            steps.push_back("outer after");
            return 0;
        }
        if (message == kInner) {
            steps.push_back("inner");
            throw Error("'x' is not a valid time");
        }
        return std::nullopt;
    };
    PostMessageA(probe.Handle(), kFail, 0, 0);
    RunLoopWhile(probe, [&] {
        if (HWND box = WaitForErrorBox("'x' is not a valid time."))
            CloseBox(box);
    });
    EXPECT_EQ(steps, (std::vector<std::string>{"outer before", "inner"}));
}

TEST_F(ErrorDisplay, OtherWindowsAreDisabledWhileTheBoxIsOpenAndActivatedAfter)
{
    Probe active(WS_VISIBLE), hidden;
    SetActiveWindow(active.Handle());
    ASSERT_EQ(GetActiveWindow(), active.Handle());
    hidden.onMessage = [](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == kFail)
            throw Error("boom");
        return std::nullopt;
    };
    PostMessageA(hidden.Handle(), kFail, 0, 0);
    RunLoopWhile(active, [&] {
        const HWND box = WaitForErrorBox("boom.");
        EXPECT_FALSE(IsWindowEnabled(active.Handle()));
        EXPECT_TRUE(IsWindowEnabled(hidden.Handle())) << "hidden windows are left alone";
        if (box)
            CloseBox(box);
        EXPECT_TRUE(uia::WaitUntil([&] { return IsWindowEnabled(active.Handle()) != FALSE; }));
    });
    EXPECT_EQ(GetActiveWindow(), active.Handle());
}

TEST_F(ErrorDisplay, AMouseCaptureInProgressIsCancelled)
{
    Probe probe(WS_VISIBLE);
    bool cancelled = false;
    probe.onMessage = [&](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_CANCELMODE) {
            cancelled = true;
            ReleaseCapture();
            return 0;
        }
        if (message == kFail) {
            SetCapture(probe.Handle());
            throw Error("dragging");
        }
        return std::nullopt;
    };
    PostMessageA(probe.Handle(), kFail, 0, 0);
    RunLoopWhile(probe, [&] {
        if (HWND box = WaitForErrorBox("dragging."))
            CloseBox(box);
    });
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ErrorDisplay, ASecondErrorWhileTheBoxIsOpenGetsABoxOfItsOwn)
{
    Probe probe;
    probe.onMessage = [](UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (message == kFail)
            throw Error("error " + std::to_string(wParam));
        return std::nullopt;
    };
    PostMessageA(probe.Handle(), kFail, 1, 0);
    RunLoopWhile(probe, [&] {
        const HWND first = WaitForErrorBox("error 1.");
        // The first box's own loop dispatches the next failing message.
        PostMessageA(probe.Handle(), kFail, 2, 0);
        const HWND second = WaitForErrorBox("error 2.");
        EXPECT_TRUE(IsWindowVisible(first));
        if (second)
            CloseBox(second);
        EXPECT_TRUE(IsWindowVisible(first)) << "each box is closed on its own";
        if (first)
            CloseBox(first);
    });
}

TEST_F(ErrorDisplay, AnErrorWhileTheMessageDialogIsOpenLeavesItOpenAndUsable)
{
    Probe probe;
    probe.onMessage = [](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == kFail)
            TextToInteger("ten");
        return std::nullopt;
    };
    const Shown shown = ShowDriven("Text", MessageKind::Confirmation,
                                   DialogButton::Yes | DialogButton::No, [&](HWND dialog) {
        Press(dialog, VK_TAB);  // the focus to No
        PostMessageA(probe.Handle(), kFail, 0, 0);
        const HWND box = WaitForErrorBox("'ten' is not a valid integer value.");
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_FALSE(IsWindowEnabled(dialog)) << "the box is modal over the dialog";
        if (box)
            CloseBox(box);
        CloseLeftoverBoxes();
        ASSERT_TRUE(uia::WaitUntil([&] { return IsWindowEnabled(dialog) != FALSE; }));
        EXPECT_TRUE(uia::WaitUntil([&] { return uia::FocusedWindow(dialog) == ControlNamed(dialog, "No"); }))
            << "the focus is back on the button that had it";
        Press(dialog, VK_RETURN);
    });
    EXPECT_EQ(shown.result, DialogResult::No);
}

}  // namespace
}  // namespace brevant

namespace brevant {
namespace {

int g_boxesCreated = 0;

LRESULT CALLBACK CountBoxes(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        char className[16] = {};
        GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof className);
        if (std::string(className) == "#32770")
            ++g_boxesCreated;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Once termination has been requested, the box would close the moment it
// opened; it is not created at all, and the request stays for the loop.
TEST(ErrorDisplayWhileEnding, NoBoxFlashesUpOnceTerminationIsRequested)
{
    const HHOOK hook = SetWindowsHookExA(WH_CBT, &CountBoxes, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    PostQuitMessage(0);
    ReportUnhandledError(std::make_exception_ptr(Error("'' is not a valid integer value")));
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(g_boxesCreated, 0);
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
}  // namespace brevant
