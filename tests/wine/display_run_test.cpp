// The display run and Preview against the real window and message dialog,
// with a clock of the test's own where the wait matters.
#include "main_window_fixture.h"

#include "automation/find.h"
#include "automation/input.h"
#include "automation/wait.h"
#include "run/display_time.h"
#include "text/clock.h"
#include "text/error.h"
#include "text/time_value.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

namespace brevant {
namespace {

using namespace std::chrono_literals;

// A clock that starts at `start` and runs `speed` times faster than real time.
struct FastClock {
    TimeValue start;
    double speed;
    std::chrono::steady_clock::time_point origin = std::chrono::steady_clock::now();

    TimeValue operator()() const
    {
        const double elapsedMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - origin).count();
        return start + elapsedMs * speed / 86400000.0;
    }
};

TimeValue At(int day, int hour, int minute, int second, int ms)
{
    return day + ComposeTime(static_cast<uint16_t>(hour), static_cast<uint16_t>(minute),
                             static_cast<uint16_t>(second), static_cast<uint16_t>(ms));
}

struct SeenDialog {
    HWND handle = nullptr;
    std::string text;
    std::vector<std::string> buttons;
};

class DisplayRunTest : public MainWindowTest {
protected:
    // Clicks `button` here while a second thread waits for the message dialog
    // titled `caption`, notes what it shows, runs `atAppearance` and closes it.
    SeenDialog ClickWhileDialogIsDriven(widgets::PushButton& button, const char* caption,
                                        const std::function<void()>& atAppearance = {})
    {
        SeenDialog seen;
        std::thread driver([&] {
            const HWND dialog = uia::WaitForWindow(
                {.caption = caption, .className = "TMessageForm", .processId = GetCurrentProcessId()});
            if (!dialog) {
                ADD_FAILURE() << "no message dialog titled " << caption;
                return;
            }
            if (atAppearance)
                atAppearance();
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
    form->Memo1.SetText("Back soon\r\nWait here");
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
    form->Memo1.SetText("first");
    ClickWhileDialogIsDriven(form->btnPreview, "Error");

    form->Memo1.SetText("second");
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

struct WaitCase {
    const char* name;
    TimeValue start;
    bool clockTime;
    int minutes;         // for a minutes delay
    TimeValue pickerAt;  // for a clock time
    TimeValue target;
};

class DisplayRunWaitTest : public DisplayRunTest, public ::testing::WithParamInterface<WaitCase> {};

TEST_P(DisplayRunWaitTest, ShowsTheMessageAtTheTargetNeverEarlier)
{
    const WaitCase& c = GetParam();
    Show();
    // Twenty minutes of the test's clock go by in one real second.
    const FastClock clock{c.start, 1200};
    form->dateTimeClock = clock;
    if (c.clockTime) {
        UserClick(form->rbtnTime);
        const DateTimeParts parts = SplitDateTime(c.pickerAt);
        form->txtTime.SetValue(SystemTimeOfParts(parts));
    } else {
        form->TrackBar1.SetPosition(c.minutes);
    }
    TimeValue shownAt = 0;
    ClickWhileDialogIsDriven(form->btnOK, "Error", [&] { shownAt = clock(); });
    EXPECT_GE(shownAt, c.target);
    // Within a few real seconds: the test's clock runs fast.
    EXPECT_LT(shownAt, c.target + 3.0 * 1200 / 86400);
    EXPECT_TRUE(TakeQuitRequest());
}

INSTANTIATE_TEST_SUITE_P(
    Delays, DisplayRunWaitTest,
    ::testing::Values(
        WaitCase{"FortyFiveMinutes", At(46000, 10, 20, 30, 250), false, 45, 0, At(46000, 11, 5, 30, 250)},
        WaitCase{"IntoTheNextHour", At(46000, 10, 59, 0, 0), false, 1, 0, At(46000, 11, 0, 0, 0)},
        // Past midnight the message waits for that time on the next day.
        WaitCase{"PastMidnight", At(46000, 23, 50, 0, 0), false, 15, 0, At(46001, 0, 5, 0, 0)},
        WaitCase{"ClockTimeAhead", At(46000, 9, 0, 0, 0), true, 0, At(46000, 9, 30, 0, 0), At(46000, 9, 30, 0, 0)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DisplayRunTest, ErrorAfterTheWindowIsHiddenIsShownAndTheProcessEnds)
{
    Show();
    form->TrackBar1.SetPosition(5);
    form->dateTimeClock = []() -> TimeValue { throw Error("clock failed"); };
    SendMessageA(form->btnOK.Handle(), BM_CLICK, 0, 0);
    ASSERT_EQ(g_reported.size(), 1u);
    EXPECT_EQ(g_reported[0], "clock failed");
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_TRUE(TakeQuitRequest());
}

TEST_F(DisplayRunTest, WaitKeepsDispatchingMessages)
{
    Show();
    form->TrackBar1.SetPosition(1);
    const FastClock clock{At(46000, 8, 0, 0, 0), 60};  // one minute in one second
    form->dateTimeClock = clock;
    std::atomic<int> answers = 0;
    std::thread counter([&] {
        // The window answers sent messages during the wait.
        for (int i = 0; i < 5; ++i) {
            DWORD_PTR result = 0;
            if (SendMessageTimeoutA(form->Handle(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 500, &result))
                ++answers;
            std::this_thread::sleep_for(50ms);
        }
    });
    ClickWhileDialogIsDriven(form->btnOK, "Error");
    counter.join();
    EXPECT_EQ(answers, 5);
}

TEST_F(DisplayRunTest, GatherSettingsFollowsTheControls)
{
    Show();
    struct Case {
        const char* name;
        std::function<void(TfrmMain&)> set;
        std::string text;
        MessageKind kind;
        DialogButtonSet buttons;
        bool delayed;
    };
    const Case cases[] = {
        {"initial", [](TfrmMain&) {}, "", MessageKind::Error, 0, false},
        {"text and warning",
         [](TfrmMain& f) {
             f.Memo1.SetText("a\r\nb");
             f.rbtnWarning.Select();
         },
         "a\r\nb", MessageKind::Warning, 0, false},
        {"text switched off", [](TfrmMain& f) { f.chkMessage.SetChecked(false); }, "", MessageKind::Warning, 0,
         false},
        {"information, ticked boxes",
         [](TfrmMain& f) {
             f.rbtnInformational.Select();
             f.chkHelp.SetChecked(true);
             f.chkRetry.SetChecked(true);
         },
         "", MessageKind::Information, DialogButton::Help | DialogButton::Retry, false},
        {"hide buttons keeps ticks out", [](TfrmMain& f) { f.rbtnNoButtons.Select(); }, "",
         MessageKind::Information, 0, false},
        {"show all with boxes unticked",
         [](TfrmMain& f) {
             f.rbtnShowAll.Select();
             // Unticked behind the handlers' back: the choice alone counts.
             SendMessageA(f.chkYes.Handle(), BM_SETCHECK, BST_UNCHECKED, 0);
             f.rbtnConfirmation.Select();
         },
         "", MessageKind::Confirmation, AllShownButtons, false},
        {"minutes delay", [](TfrmMain& f) { f.TrackBar1.SetPosition(3); }, "", MessageKind::Confirmation,
         AllShownButtons, true},
        {"clock time at any position",
         [](TfrmMain& f) {
             f.TrackBar1.SetPosition(0);
             f.rbtnTime.Select();
         },
         "", MessageKind::Confirmation, AllShownButtons, true},
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
