// The display run and Preview against the real window and message dialog,
// with a clock of the test's own where the wait matters.
#include "main_window_fixture.h"

#include "automation/find.h"
#include "automation/input.h"
#include "automation/wait.h"
#include "text/clock.h"
#include "text/error.h"
#include "text/time_value.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <functional>
#include <ostream>
#include <thread>

namespace brevant {
namespace {

using namespace std::chrono_literals;
using std::chrono::milliseconds;

// Clocks of the test's own that run at the real pace from where the test has
// put them. The test sets the wall clock forward or back, as a user or a time
// server does, and lets time go by at once, as a sleep of the computer does.
// Local time is the system's universal time plus an offset the test moves, so
// the program's timers, which run on the system's clocks, meet the same moments.
class TestClock {
public:
    WaitClock Clock()
    {
        return {[this] { return Elapsed(); }, UniversalTime, [this](TimeValue local) {
                    return milliseconds(std::llround(local * 86400000.0)) + kDayZero - milliseconds(offset_.load());
                }};
    }
    // The local clock, in milliseconds since day 0 of TimeValue.
    milliseconds Local() const { return UniversalTime() + milliseconds(offset_.load()) - kDayZero; }
    milliseconds Elapsed() const { return ElapsedSinceStart() + milliseconds(slept_.load()); }

    void SetClock(milliseconds by) { offset_ += by.count(); }
    void Sleep(milliseconds span) { slept_ += span.count(); }

private:
    // Day 0 of TimeValue (30 December 1899) after the system's epoch (1 January 1601).
    static constexpr milliseconds kDayZero = std::chrono::days(109205);

    std::atomic<long long> offset_ = 0;
    std::atomic<long long> slept_ = 0;
};

struct SeenDialog {
    HWND handle = nullptr;
    std::string text;
    std::vector<std::string> buttons;
};

class DisplayRunTest : public MainWindowTest {
protected:
    // Clicks `button` here while a second thread waits for the message dialog
    // titled `caption`, notes what it shows and closes it.
    SeenDialog ClickWhileDialogIsDriven(widgets::PushButton& button, const char* caption)
    {
        SeenDialog seen;
        std::thread driver([&] {
            const HWND dialog = uia::WaitForWindow(
                {.caption = caption, .className = "TMessageForm", .processId = GetCurrentProcessId()});
            if (!dialog) {
                ADD_FAILURE() << "no message dialog titled " << caption;
                return;
            }
            seen.handle = dialog;
            for (const uia::ControlInfo& control : uia::ListControls(dialog)) {
                if (control.className == "Static" && !control.text.empty())
                    seen.text = control.text;
                else if (control.className == "Button")
                    seen.buttons.push_back(control.text);
            }
            uia::RequestClose(dialog);
        });
        SendMessageA(button.Handle(), BM_CLICK, 0, 0);
        driver.join();
        return seen;
    }
};

TEST_F(DisplayRunTest, PreviewShowsTheDesignedMessageAndTheWindowStays)
{
    Show();
    form->Memo1.SetText(L"Back soon\r\nWait here");
    UserClick(form->rbtnWarning);
    UserClick(form->chkYes);
    UserClick(form->chkNo);

    const SeenDialog seen = ClickWhileDialogIsDriven(form->btnPreview, "Warning");
    EXPECT_EQ(seen.text, "Back soon\r\nWait here");
    EXPECT_EQ(seen.buttons, (std::vector<std::string>{"&Yes", "&No"}));
    EXPECT_FALSE(IsWindow(seen.handle));
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_FALSE(TakeQuitRequest());
}

TEST_F(DisplayRunTest, OkReadsTheControlsAgainAfterAPreview)
{
    Show();
    form->Memo1.SetText(L"first");
    ClickWhileDialogIsDriven(form->btnPreview, "Error");

    form->Memo1.SetText(L"second");
    UserClick(form->rbtnInformational);
    UserClick(form->rbtnShowAll);
    const SeenDialog seen = ClickWhileDialogIsDriven(form->btnOK, "Information");
    EXPECT_EQ(seen.text, "second");
    EXPECT_EQ(seen.buttons.size(), 9u);
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_TRUE(TakeQuitRequest());
}

TEST_F(DisplayRunTest, ClockTimeAlreadyPastShowsAtOnce)
{
    Show();
    UserClick(form->rbtnTime);
    SYSTEMTIME earlier = form->txtTime.Value();
    earlier.wHour = 0;
    earlier.wMinute = 0;
    earlier.wSecond = 0;
    form->txtTime.SetValue(earlier);
    const auto clicked = std::chrono::steady_clock::now();
    ClickWhileDialogIsDriven(form->btnOK, "Error");
    EXPECT_LT(std::chrono::steady_clock::now() - clicked, 3s);
    EXPECT_TRUE(TakeQuitRequest());
}

// Sends the message to every top-level window of this process, as the system
// tells them of a change of the clock or of a resume; true when each has
// handled it, which the windows of a display run do only while its wait
// takes messages.
bool Broadcast(UINT message, WPARAM wParam = 0)
{
    bool handled = true;
    for (HWND window : uia::TopLevelWindowsOf(GetCurrentProcessId())) {
        DWORD_PTR result = 0;
        handled &= SendMessageTimeoutA(window, message, wParam, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
    }
    return handled;
}

bool MessageDialogIsOpen()
{
    return uia::FindTopLevelWindow({.caption = "Error", .className = "TMessageForm",
                                    .processId = GetCurrentProcessId(), .visibleOnly = false}) != nullptr;
}

// The wall clock set forward or back by an hour during the wait.
struct ClockSet {
    const char* name;
    milliseconds by;
};

void PrintTo(const ClockSet& set, std::ostream* os) { *os << set.name; }

class DisplayRunWaitTest : public DisplayRunTest, public ::testing::WithParamInterface<ClockSet> {
protected:
    // Clicks OK here, with the test's clocks, while a second thread lets
    // `during` move them once the wait has begun. The message dialog must then
    // come: `atAppearance` runs when it shows, and it is closed.
    void ClickOkWhileWaiting(const std::function<void()>& during, const std::function<void()>& atAppearance)
    {
        form->waitClock = clock.Clock();
        const DWORD mainThread = GetCurrentThreadId();
        std::thread driver([&] {
            const bool waiting = uia::WaitForWindow({.className = "BrevantClockWatch",
                                                     .processId = GetCurrentProcessId(), .visibleOnly = false}) &&
                                 Broadcast(WM_NULL);
            EXPECT_TRUE(waiting) << "the wait does not take messages";
            EXPECT_FALSE(MessageDialogIsOpen()) << "shown before its time";
            if (waiting)
                during();
            const HWND dialog = uia::WaitForWindow(
                {.caption = "Error", .className = "TMessageForm", .processId = GetCurrentProcessId()});
            if (!dialog) {
                ADD_FAILURE() << "the message did not come";
                PostThreadMessageA(mainThread, WM_QUIT, 0, 0);  // ends the wait
                return;
            }
            atAppearance();
            uia::RequestClose(dialog);
        });
        SendMessageA(form->btnOK.Handle(), BM_CLICK, 0, 0);
        driver.join();
        EXPECT_TRUE(TakeQuitRequest());
    }

    // The wait has been told of a change and has not shown the message.
    static void ExpectStillWaiting()
    {
        // This round trip comes after the wait has taken the change: a
        // message due then would be open by now.
        EXPECT_TRUE(Broadcast(WM_NULL));
        EXPECT_FALSE(MessageDialogIsOpen()) << "shown before its time";
    }

    TestClock clock;
};

// A minutes delay is elapsed time, whatever the wall clock does. A sleep of
// the computer counts: the message comes at the resume once it is due.
TEST_P(DisplayRunWaitTest, MinutesDelayIsElapsedTime)
{
    Show();
    form->TrackBar1.SetPosition(1);
    const milliseconds start = clock.Elapsed();
    milliseconds shownAt{};
    ClickOkWhileWaiting(
        [&] {
            clock.SetClock(GetParam().by);
            EXPECT_TRUE(Broadcast(WM_TIMECHANGE));
            ExpectStillWaiting();
            // Asleep until half a second before the minute is up.
            clock.Sleep(start + 1min - 500ms - clock.Elapsed());
            EXPECT_TRUE(Broadcast(WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC));
        },
        [&] { shownAt = clock.Elapsed(); });
    EXPECT_GE(shownAt, start + 1min);
}

// A clock time follows the wall clock: set forward past it, the message comes
// at once; set back, it waits for the clock to show the time.
TEST_P(DisplayRunWaitTest, ClockTimeFollowsTheWallClock)
{
    Show();
    UserClick(form->rbtnTime);
    // Whole seconds, as the picker holds them.
    const milliseconds target = std::chrono::floor<std::chrono::seconds>(clock.Local() + 30min);
    form->txtTime.SetValue(SystemTimeOfParts(SplitDateTime(static_cast<double>(target.count()) / 86400000.0)));
    milliseconds shownAt{};
    ClickOkWhileWaiting(
        [&] {
            clock.SetClock(GetParam().by);
            EXPECT_TRUE(Broadcast(WM_TIMECHANGE));
            if (clock.Local() < target) {
                ExpectStillWaiting();
                clock.SetClock(target - 500ms - clock.Local());
                EXPECT_TRUE(Broadcast(WM_TIMECHANGE));
            }
        },
        [&] { shownAt = clock.Local(); });
    EXPECT_GE(shownAt, target);
}

INSTANTIATE_TEST_SUITE_P(ClockSetByAnHour, DisplayRunWaitTest,
                         ::testing::Values(ClockSet{"Forward", 1h}, ClockSet{"Back", -1h}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DisplayRunTest, ErrorAfterTheWindowIsHiddenIsShownAndTheProcessEnds)
{
    Show();
    form->TrackBar1.SetPosition(5);
    form->waitClock.elapsed = []() -> milliseconds { throw Error(L"clock failed"); };
    SendMessageA(form->btnOK.Handle(), BM_CLICK, 0, 0);
    ASSERT_EQ(g_reported.size(), 1u);
    EXPECT_EQ(g_reported[0], L"clock failed");
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_TRUE(TakeQuitRequest());
}

TEST_F(DisplayRunTest, GatherSettingsFollowsTheControls)
{
    Show();
    struct Case {
        const char* name;
        std::function<void(TfrmMain&)> set;
        std::wstring text;
        MessageKind kind;
        DialogButtonSet buttons;
        bool delayed;
    };
    const Case cases[] = {
        {"initial", [](TfrmMain&) {}, L"", MessageKind::Error, 0, false},
        {"text and warning",
         [](TfrmMain& f) {
             f.Memo1.SetText(L"a\r\nb");
             f.rbtnWarning.Select();
         },
         L"a\r\nb", MessageKind::Warning, 0, false},
        {"text switched off", [](TfrmMain& f) { f.chkMessage.SetChecked(false); }, L"", MessageKind::Warning, 0,
         false},
        {"information, ticked boxes",
         [](TfrmMain& f) {
             f.rbtnInformational.Select();
             f.chkHelp.SetChecked(true);
             f.chkRetry.SetChecked(true);
         },
         L"", MessageKind::Information, DialogButton::Help | DialogButton::Retry, false},
        {"hide buttons keeps ticks out", [](TfrmMain& f) { f.rbtnNoButtons.Select(); }, L"",
         MessageKind::Information, 0, false},
        {"show all with boxes unticked",
         [](TfrmMain& f) {
             f.rbtnShowAll.Select();
             // Unticked behind the handlers' back: the choice alone counts.
             SendMessageA(f.chkYes.Handle(), BM_SETCHECK, BST_UNCHECKED, 0);
             f.rbtnConfirmation.Select();
         },
         L"", MessageKind::Confirmation, AllShownButtons, false},
        {"minutes delay", [](TfrmMain& f) { f.TrackBar1.SetPosition(3); }, L"", MessageKind::Confirmation,
         AllShownButtons, true},
        {"clock time at any position",
         [](TfrmMain& f) {
             f.TrackBar1.SetPosition(0);
             f.rbtnTime.Select();
         },
         L"", MessageKind::Confirmation, AllShownButtons, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.set(*form);
        const MessageSettings settings = form->GatherSettings();
        EXPECT_EQ(settings.ShownText(), c.text);
        EXPECT_EQ(settings.kind, c.kind);
        EXPECT_EQ(settings.ButtonSet(), c.buttons);
        EXPECT_EQ(settings.Delayed(), c.delayed);
    }
}

}  // namespace
}  // namespace brevant
