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
#include <iterator>

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
        CreateWindowOf({.name = L"BrevantTestProbe"},
                       {.style = WS_OVERLAPPEDWINDOW | style, .caption = L"probe", .x = 20, .y = 20,
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
        wchar_t caption[32] = {}, className[32] = {};
        GetWindowTextW(window, caption, static_cast<int>(std::size(caption)));
        GetClassNameW(window, className, static_cast<int>(std::size(className)));
        if (IsWindowVisible(window) && std::wstring(caption) == L"Message" &&
            std::wstring(className) == L"#32770")
            boxes.push_back(window);
    }
    return boxes;
}

std::wstring BoxText(HWND box)
{
    for (const uia::ControlInfo& control : uia::ListControls(box)) {
        if (lstrcmpiA(control.className.c_str(), "Static") == 0 && !(control.style & SS_ICON))
            return uia::Widened(control.text);
    }
    return L"(no text)";
}

// The open error box showing that text.
HWND WaitForErrorBox(const std::wstring& text)
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
        PostMessageW(box, WM_COMMAND, IDOK, 0);
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
            PostMessageW(probe.Handle(), kDone, 0, 0);
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
        std::wstring shown;
    };
    const Case cases[] = {
        {[] { TextToInteger(L"12a"); }, L"'12a' is not a valid integer value."},
        {[] { throw Error(L"Invalid argument to time encode"); }, L"Invalid argument to time encode."},
        {[] { throw Error(L"Unable to write to C:\\msg.cfg"); }, L"Unable to write to C:\\msg.cfg."},
        {[] { throw Error(L"Already ends."); }, L"Already ends."},
        {[] { throw Error(L"Exclaims!"); }, L"Exclaims!"},
        {[] { throw Error(L""); }, L""},
        {[] { throw std::bad_alloc(); }, L"std::bad_alloc."},
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
        PostMessageW(probe.Handle(), kFail, 0, 0);
        RunLoopWhile(probe, [&] {
            const HWND box = WaitForErrorBox(c.shown);
            if (!box)
                return;
            EXPECT_EQ(GetWindow(box, GW_OWNER), owner_.Handle());
            std::vector<std::wstring> buttons;
            HWND icon = nullptr;
            for (const uia::ControlInfo& control : uia::ListControls(box)) {
                if (lstrcmpiA(control.className.c_str(), "Button") == 0 && control.visible)
                    buttons.push_back(uia::Widened(control.text));
                if (lstrcmpiA(control.className.c_str(), "Static") == 0 && (control.style & SS_ICON))
                    icon = control.handle;
            }
            EXPECT_EQ(buttons, std::vector<std::wstring>{L"OK"});
            EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(icon, STM_GETICON, 0, 0)),
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
    std::vector<std::wstring> steps;
    probe.onMessage = [&](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == kFail) {
            steps.push_back(L"outer before");
            SendMessageW(probe.Handle(), kInner, 0, 0);
            widgets::RethrowPending();
            steps.push_back(L"outer after");
            return 0;
        }
        if (message == kInner) {
            steps.push_back(L"inner");
            throw Error(L"'x' is not a valid time");
        }
        return std::nullopt;
    };
    PostMessageW(probe.Handle(), kFail, 0, 0);
    RunLoopWhile(probe, [&] {
        if (HWND box = WaitForErrorBox(L"'x' is not a valid time."))
            CloseBox(box);
    });
    EXPECT_EQ(steps, (std::vector<std::wstring>{L"outer before", L"inner"}));
}

TEST_F(ErrorDisplay, OtherWindowsAreDisabledWhileTheBoxIsOpenAndActivatedAfter)
{
    Probe active(WS_VISIBLE), hidden;
    SetActiveWindow(active.Handle());
    ASSERT_EQ(GetActiveWindow(), active.Handle());
    hidden.onMessage = [](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == kFail)
            throw Error(L"boom");
        return std::nullopt;
    };
    PostMessageW(hidden.Handle(), kFail, 0, 0);
    RunLoopWhile(active, [&] {
        const HWND box = WaitForErrorBox(L"boom.");
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
            throw Error(L"dragging");
        }
        return std::nullopt;
    };
    PostMessageW(probe.Handle(), kFail, 0, 0);
    RunLoopWhile(probe, [&] {
        if (HWND box = WaitForErrorBox(L"dragging."))
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
            throw Error(L"error " + std::to_wstring(wParam));
        return std::nullopt;
    };
    PostMessageW(probe.Handle(), kFail, 1, 0);
    RunLoopWhile(probe, [&] {
        const HWND first = WaitForErrorBox(L"error 1.");
        // The first box's own loop dispatches the next failing message.
        PostMessageW(probe.Handle(), kFail, 2, 0);
        const HWND second = WaitForErrorBox(L"error 2.");
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
            TextToInteger(L"ten");
        return std::nullopt;
    };
    const Shown shown = ShowDriven(L"Text", MessageKind::Confirmation,
                                   DialogButton::Yes | DialogButton::No, [&](HWND dialog) {
        Press(dialog, VK_TAB);  // the focus to No
        PostMessageW(probe.Handle(), kFail, 0, 0);
        const HWND box = WaitForErrorBox(L"'ten' is not a valid integer value.");
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_FALSE(IsWindowEnabled(dialog)) << "the box is modal over the dialog";
        if (box)
            CloseBox(box);
        CloseLeftoverBoxes();
        ASSERT_TRUE(uia::WaitUntil([&] { return IsWindowEnabled(dialog) != FALSE; }));
        EXPECT_TRUE(uia::WaitUntil([&] { return uia::FocusedWindow(dialog) == ControlNamed(dialog, L"No"); }))
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
        wchar_t className[16] = {};
        GetClassNameW(reinterpret_cast<HWND>(wParam), className, static_cast<int>(std::size(className)));
        if (std::wstring(className) == L"#32770")
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
    ReportUnhandledError(std::make_exception_ptr(Error(L"'' is not a valid integer value")));
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(g_boxesCreated, 0);
    MSG quit;
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
}  // namespace brevant
