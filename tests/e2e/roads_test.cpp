// The roads a user walks with brevant.exe from start to exit: a message
// designed, previewed, saved, changed, loaded back and shown at a clock time
// in the window; the scheduled run a batch file starts with "/c"; and every
// start with a bad argument or file, each of which ends the program. The
// pictures of the window and the dialogs the suite passes on its way are
// saved in screenshots\ beside the program.
#include "e2e/harness.h"

#include "automation/find.h"
#include "automation/input.h"
#include "automation/read.h"
#include "automation/screenshot.h"
#include "automation/wait.h"
#include "text/clock.h"
#include "text/clock_time_text.h"
#include "text/locale_time_settings.h"
#include "text/unicode_text.h"

#include <commctrl.h>
#include <tlhelp32.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace e2e {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr double kMillisecondsPerDay = 86400000.0;
constexpr char kFileDialogClass[] = "#32770";
constexpr int kFileNameBox = 0x47C;  // the file name combo box of the Explorer-style dialogs

const std::string kIllegalFormat =
    "Illegal command line format. Format MUST be in the format of <program name> /c<config file name>";
const std::string kBadType = "Type Of message is incorrect. Never modify the config file manually!";

// Captions of the window's choices, in the order the window shows them.
const std::vector<std::string> kKinds = {"Error Message", "Warning Message", "Informational Message",
                                         "Confirmation Message"};
const std::vector<std::string> kButtonChoices = {"Hide Buttons", "Display Buttons:", "Show ALL Buttons"};
const std::vector<std::string> kButtonBoxes = {"&Yes", "&No", "O&K", "Ca&ncel", "&Help", "A&ll", "Abor&t",
                                               "&Retry", "&Ignore"};
const std::vector<std::string> kDelayChoices = {"# of Minutes until display:", "Display Message at:"};

// A moment a few seconds ahead, in whole seconds, as a clock time of today.
struct ClockTarget {
    brevant::TimeValue dateTime;
    brevant::TimeOfDay time;
};

// Empty when the moment would fall on the next day.
std::optional<ClockTarget> SecondsAhead(int seconds)
{
    const brevant::TimeValue now = brevant::CurrentDateTime();
    const double today = std::floor(now);
    const int second = static_cast<int>((now - today) * 86400.0) + seconds;
    if (second >= 86400)
        return std::nullopt;
    const brevant::TimeOfDay time{static_cast<uint16_t>(second / 3600), static_cast<uint16_t>(second / 60 % 60),
                                  static_cast<uint16_t>(second % 60), 0};
    return ClockTarget{today + brevant::ComposeTime(time.hour, time.minute, time.second, 0), time};
}

// The clock time as a config file holds it: in the user's regional format,
// written by the same rules the program reads it with.
std::string ClockTimeText(const brevant::TimeOfDay& time)
{
    brevant::LoadLocaleTimeSettings();
    return brevant::TextToUtf8(brevant::TimeToText(brevant::ComposeTime(time.hour, time.minute, time.second, 0)));
}

brevant::TimeValue TimeOfText(const std::string& text)
{
    brevant::LoadLocaleTimeSettings();
    return brevant::TextToTime(brevant::Utf8ToText(text).value());
}

double SecondOfDay(brevant::TimeValue moment)
{
    return (moment - std::floor(moment)) * 86400.0;
}

double MillisecondsSince(brevant::TimeValue moment)
{
    return (brevant::CurrentDateTime() - moment) * kMillisecondsPerDay;
}

std::vector<std::string> LinesOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The time picker's fields in the order it shows them, as letters of the
// user's time format: h (12-hour clock), H (24-hour clock), m, s, t (marker).
std::string PickerFields()
{
    char format[80] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, format, sizeof format);
    std::string fields;
    bool quoted = false;
    for (const char* c = format; *c; ++c) {
        if (*c == '\'')
            quoted = !quoted;
        else if (!quoted && std::strchr("hHmst", *c) && (c == format || c[-1] != *c))
            fields += *c;
    }
    return fields;
}

std::string TwoDigits(int value)
{
    return std::string{static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

// What a user types into one field of the picker for the time.
std::string FieldEntry(char field, const brevant::TimeOfDay& time)
{
    switch (field) {
    case 'h': return TwoDigits(time.hour % 12 == 0 ? 12 : time.hour % 12);
    case 'H': return TwoDigits(time.hour);
    case 'm': return TwoDigits(time.minute);
    case 's': return TwoDigits(time.second);
    default: return time.hour < 12 ? "A" : "P";
    }
}

// Sets the time of day of a picker that has just got the focus with the
// keyboard: the first Right arrow selects its first field, the next ones the
// fields after it; two digits (or the marker's letter) fill a field.
void TypeTimeFields(HWND picker, const brevant::TimeOfDay& time)
{
    for (char field : PickerFields()) {
        uia::PressKey(picker, VK_RIGHT);
        uia::TypeText(picker, FieldEntry(field, time));
    }
}

void TypeIntoTimePicker(HWND picker, const brevant::TimeOfDay& time)
{
    uia::SetFocusTo(picker);
    TypeTimeFields(picker, time);
}

// The key goes where the keyboard would send it: the control with the focus.
HWND KeyTarget(HWND window)
{
    HWND focus = uia::FocusedWindow(window);
    return focus ? focus : window;
}

// What the configuration window shows of the message.
struct WindowState {
    std::string text;
    bool messageTicked = false;
    std::string kind;     // the selected choices, by caption
    std::string buttons;
    std::string ticked;   // the ticked button boxes, by caption
    std::string delay;
    std::string clock;    // what the time picker shows
    bool clockEnabled = false;

    bool operator==(const WindowState&) const = default;
};

void PrintTo(const WindowState& s, std::ostream* out)
{
    *out << "{text " << testing::PrintToString(s.text) << (s.messageTicked ? " (ticked)" : " (unticked)")
         << ", kind \"" << s.kind << "\", buttons \"" << s.buttons << "\" [" << s.ticked << "], delay \"" << s.delay
         << "\", clock \"" << s.clock << (s.clockEnabled ? "\"}" : "\" (disabled)}");
}

// The configuration window's controls, found as a user finds them: by their
// captions and their places in the group boxes.
class ConfigWindow {
public:
    explicit ConfigWindow(HWND window)
        : window_(window),
          memo_(uia::FindControlOfClass(uia::FindControl(window, "Message Text"), "Edit")),
          delayGroup_(uia::FindControl(window, "Delay until Display")),
          minutes_(uia::FindControlOfClass(delayGroup_, "Edit")),
          trackBar_(uia::FindControlOfClass(delayGroup_, "msctls_trackbar32")),
          picker_(uia::FindControlOfClass(delayGroup_, "SysDateTimePick32"))
    {
    }

    bool Complete() const { return memo_ && minutes_ && trackBar_ && picker_; }
    HWND Handle() const { return window_; }
    HWND Memo() const { return memo_; }
    HWND Minutes() const { return minutes_; }
    HWND TrackBar() const { return trackBar_; }
    HWND Picker() const { return picker_; }
    HWND Control(std::string_view caption) const { return uia::FindControl(window_, caption); }

    // Clicks the control with that caption; false when there is none to click.
    bool Click(std::string_view caption) const { return uia::Click(Control(caption)); }

    // Types text as the keyboard does; each "\n" is the Enter key.
    void Type(HWND edit, std::string_view text) const
    {
        uia::SetFocusTo(edit);
        uia::SelectAllText(edit);
        std::istringstream lines{std::string(text)};
        bool first = true;
        for (std::string line; std::getline(lines, line); first = false) {
            if (!first)
                uia::PressKey(edit, VK_RETURN);
            uia::TypeText(edit, line);
        }
    }

    // A key pressed while the window has the focus.
    void Press(UINT key) const { uia::PressKey(KeyTarget(window_), key); }

    WindowState State() const
    {
        return {uia::Text(memo_), uia::IsChecked(Control("&Message Text:")), Checked(kKinds), Checked(kButtonChoices),
                Checked(kButtonBoxes), Checked(kDelayChoices), uia::Text(picker_), IsWindowEnabled(picker_) != FALSE};
    }

private:
    std::string Checked(const std::vector<std::string>& captions) const
    {
        std::string checked;
        for (const auto& caption : captions) {
            HWND control = Control(caption);
            if (control && uia::IsChecked(control))
                checked += (checked.empty() ? "" : " ") + caption;
        }
        return checked;
    }

    HWND window_;
    HWND memo_;
    HWND delayGroup_;
    HWND minutes_;
    HWND trackBar_;
    HWND picker_;
};

class RoadsTest : public BrevantTest {
protected:
    ~RoadsTest() override
    {
        std::error_code ignored;
        for (const auto& path : created_)
            fs::remove_all(path, ignored);
    }

    // A file or folder name no other test run uses; removed when the test ends.
    fs::path Unique(const fs::path& folder, std::string_view what)
    {
        static int count = 0;
        fs::path path = folder / ("brevant-roads-" + std::to_string(GetCurrentProcessId()) + "-" +
                                  std::to_string(++count) + "-" + std::string(what));
        created_.push_back(path);
        return path;
    }

    // A config file of these lines beside the program, for a batch file to
    // name bare; gives its name.
    std::string ConfigBesideProgram(std::string_view what, const std::vector<std::string>& lines)
    {
        const fs::path path = Unique(ProgramFolder(), std::string(what) + ".cfg");
        std::ofstream out(path, std::ios::binary);
        for (const auto& line : lines)
            out << line << "\r\n";
        return path.filename().string();
    }

    // The program's own window while it is hidden.
    HWND HiddenWindow(std::string_view caption)
    {
        HWND window = uia::FindTopLevelWindow(
            {.caption = std::string(caption), .processId = Brevant().Id(), .visibleOnly = false});
        return window && !IsWindowVisible(window) ? window : nullptr;
    }

    // The window or dialog as the screen shows it now, fully painted, saved
    // as screenshots\<name>.bmp beside the program: without the tool tip the
    // resting pointer may have opened, and without the hot look of the control
    // under it, the pointer moved to the screen's corner, away from every
    // window, for the controls to see it leave.
    void SaveScreenshot(HWND window, const std::string& name)
    {
        SetCursorPos(0, 0);
        Sleep(300);
        for (HWND topLevel : uia::TopLevelWindowsOf(Brevant().Id())) {
            char className[64] = {};
            GetClassNameA(topLevel, className, sizeof className);
            if (IsWindowVisible(topLevel) && _stricmp(className, TOOLTIPS_CLASSA) == 0)
                SendMessageA(topLevel, TTM_POP, 0, 0);
        }
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        // The program's drawing reaches the X server when its thread next
        // waits for messages, after this call has returned.
        Sleep(200);
        const fs::path folder = fs::current_path() / "screenshots";
        fs::create_directories(folder);
        EXPECT_NO_THROW(uia::SaveScreenshot(folder / (name + ".bmp"), window)) << name;
    }

    // Works the platform's file dialog of that title: the name it offers,
    // then the chosen path and its Save or Open button.
    void ChooseInFileDialog(const char* title, const fs::path& path, const char* screenshot = nullptr)
    {
        HWND dialog = WaitForWindow(title, kFileDialogClass);
        ASSERT_NE(dialog, nullptr);
        HWND name = GetDlgItem(dialog, kFileNameBox);
        ASSERT_NE(name, nullptr) << uia::DescribeControls(dialog);
        EXPECT_EQ(uia::Text(name), "msg.cfg") << "the name offered first";
        if (screenshot)
            SaveScreenshot(dialog, screenshot);
        uia::SetText(name, path.string());
        ASSERT_TRUE(uia::Click(GetDlgItem(dialog, IDOK)));
        EXPECT_TRUE(uia::WaitForWindowGone(dialog)) << title;
    }

    // Waits for the message dialog of a scheduled message: it comes at the
    // target, not before it and within a second after it.
    HWND WaitForDialogAt(std::string_view caption, brevant::TimeValue target)
    {
        HWND dialog = WaitForMessageDialog(caption);
        const double lateMs = MillisecondsSince(target);
        EXPECT_GE(lateMs, 0) << "shown before its time";
        EXPECT_LT(lateMs, 1000) << "shown too late";
        return dialog;
    }

    // The program has ended with status 0 and left nothing behind: no
    // window of its own and no brevant.exe process.
    void ExpectEndsAndLeavesNothing()
    {
        ExpectEndsWithStatusZero();
        EXPECT_TRUE(uia::WaitUntil([&] { return uia::TopLevelWindowsOf(Brevant().Id()).empty(); }, 2s))
            << "windows of the ended program remain";
        EXPECT_EQ(RunningPrograms(), 0);
    }

private:
    static int RunningPrograms()
    {
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        if (snapshot == INVALID_HANDLE_VALUE)
            return -1;
        int count = 0;
        PROCESSENTRY32 entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
            count += _stricmp(entry.szExeFile, BREVANT_EXE_NAME) == 0;
        CloseHandle(snapshot);
        return count;
    }

    std::vector<fs::path> created_;
};

// Started with no argument: the user writes a two-line warning with Yes and
// Ignore to show at a clock time, previews it, looks at the About window,
// saves it, changes every choice, loads the file back, sets the clock a few
// seconds ahead and presses OK.
TEST_F(RoadsTest, WindowRoadDesignsPreviewsSavesLoadsAndShowsTheMessageOnTime)
{
    const brevant::TimeValue beforeStart = brevant::CurrentDateTime();
    Start();
    HWND handle = WaitForWindow();
    ASSERT_NE(handle, nullptr);
    const brevant::TimeValue shownAt = brevant::CurrentDateTime();
    const ConfigWindow window(handle);
    ASSERT_TRUE(window.Complete()) << uia::DescribeControls(handle);

    // The design.
    window.Type(window.Memo(), "Back soon\nWait here");
    for (const char* caption : {"Warning Message", "&Yes", "&Ignore", "Display Message at:"})
        ASSERT_TRUE(window.Click(caption)) << caption;
    // The picker shows the time of start-up; the saved file tells which.
    const WindowState designed = window.State();
    EXPECT_EQ(designed, (WindowState{"Back soon\r\nWait here", true, "Warning Message", "Display Buttons:",
                                     "&Yes &Ignore", "Display Message at:", designed.clock, true}));
    SaveScreenshot(handle, "window");

    // The preview: the message as it will be shown, over the disabled window.
    ASSERT_TRUE(window.Click("&Preview"));
    HWND preview = WaitForMessageDialog("Warning");
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(ReadDialog(preview), (DialogContent{"Warning", "Back soon\r\nWait here", {"&Yes", "&Ignore"}}));
    EXPECT_FALSE(IsWindowEnabled(handle));
    SaveScreenshot(preview, "message-dialog");
    CloseDialog(preview, "&Ignore");
    EXPECT_TRUE(uia::WaitForWindowGone(preview));
    EXPECT_TRUE(uia::WaitUntil([&] { return IsWindowEnabled(handle) && IsWindowVisible(handle); }));

    // The About window, from its key.
    window.Press(VK_F1);
    HWND about = WaitForWindow("About Brevant");
    ASSERT_NE(about, nullptr);
    SaveScreenshot(about, "about");
    CloseDialog(about, "&OK");
    EXPECT_TRUE(uia::WaitForWindowGone(about));

    // Saved to a new file through the platform's save dialog.
    const fs::path folder = Unique(fs::temp_directory_path(), "folder");
    ASSERT_TRUE(fs::create_directory(folder));
    const fs::path file = folder / "reminder.cfg";
    ASSERT_TRUE(window.Click("&Save..."));
    ASSERT_NO_FATAL_FAILURE(ChooseInFileDialog("Save Brevant Config File", file, "save-dialog"));
    ASSERT_TRUE(uia::WaitUntil([&] { return LinesOf(file).size() == 6; })) << file;
    const auto lines = LinesOf(file);
    EXPECT_EQ(lines, (std::vector<std::string>{"[Message1]", "Text=Back soon^Wait here", "Type=1", "Delay=TRUE",
                                               lines[4], "Buttons=YESIGNORE"}));
    // The clock time the picker was given at start-up, to the second.
    ASSERT_EQ(lines[4].rfind("Time=", 0), 0u) << lines[4];
    const double savedSecond = std::round(TimeOfText(lines[4].substr(5)) * 86400.0);
    EXPECT_GE(savedSecond, std::floor(SecondOfDay(beforeStart))) << lines[4];
    EXPECT_LE(savedSecond, SecondOfDay(shownAt)) << lines[4];

    // Every choice changed.
    window.Type(window.Memo(), "Something else entirely");
    for (const char* caption : {"Confirmation Message", "Show ALL Buttons", "# of Minutes until display:"})
        ASSERT_TRUE(window.Click(caption)) << caption;
    window.Type(window.Minutes(), "42");
    EXPECT_EQ(uia::TrackBarPosition(window.TrackBar()), 42);
    const WindowState changed = window.State();
    EXPECT_EQ(changed, (WindowState{"Something else entirely", true, "Confirmation Message", "Show ALL Buttons",
                                    "&Yes &No O&K Ca&ncel &Help A&ll Abor&t &Retry &Ignore",
                                    "# of Minutes until display:", designed.clock, false}));

    // Loaded back through the platform's open dialog: the window is as
    // designed. (A clock time leaves the minutes where they stand.)
    window.Press(VK_F3);
    ASSERT_NO_FATAL_FAILURE(ChooseInFileDialog("Load Brevant Config File", file));
    EXPECT_TRUE(uia::WaitUntil([&] { return window.State() == designed; })) << testing::PrintToString(window.State());
    EXPECT_EQ(uia::TrackBarPosition(window.TrackBar()), 42);

    // A clock time a few seconds ahead, typed into the picker, and OK.
    const auto target = SecondsAhead(5);
    if (!target)
        GTEST_SKIP() << "the moment would fall on the next day";
    TypeIntoTimePicker(window.Picker(), target->time);
    const std::string typed = uia::Text(window.Picker());
    SCOPED_TRACE("the picker shows " + typed + ", the file's format writes " + ClockTimeText(target->time));
    ASSERT_TRUE(window.Click("&OK"));
    EXPECT_TRUE(uia::WaitForWindowGone(handle));
    EXPECT_LT(MillisecondsSince(target->dateTime), -500) << "too slow to see the wait";
    EXPECT_EQ(VisibleWindows(), std::vector<HWND>{}) << "on the screen while waiting";

    HWND message = WaitForDialogAt("Warning", target->dateTime);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(ReadDialog(message), (DialogContent{"Warning", "Back soon\r\nWait here", {"&Yes", "&Ignore"}}));
    EXPECT_EQ(VisibleWindows(), std::vector<HWND>{message});
    CloseDialog(message, "&Yes");
    ExpectEndsAndLeavesNothing();
}

// A batch file or scheduled task starts the program with "/c" and the bare
// name of a config file beside it: the window, reduced to 1 by 1 pixel, is
// hidden; the message comes at once or at its clock time; a button ends the
// program.
TEST_F(RoadsTest, ScheduledRoadShowsTheFilesMessageAtItsMomentAndEnds)
{
    const struct {
        const char* what;
        int secondsAhead;  // 0: no delay
    } cases[] = {
        {"no delay", 0},
        {"a clock time ahead", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::optional<brevant::TimeValue> at;
        std::string delay = "Delay=FALSE", time = "Time=0";
        if (c.secondsAhead) {
            const auto target = SecondsAhead(c.secondsAhead);
            if (!target)
                GTEST_SKIP() << "the moment would fall on the next day";
            at = target->dateTime;
            delay = "Delay=TRUE";
            time = "Time=" + ClockTimeText(target->time);
        }
        const std::string name = ConfigBesideProgram(
            "scheduled", {"[Message1]", "Text=Time for the meeting^Room 4", "Type=3", delay, time, "Buttons=OKCANCEL"});
        Start("/c" + name);
        // The window keeps its design caption; it was made 1 by 1 and is hidden.
        EXPECT_TRUE(uia::WaitUntil([&] {
            HWND hidden = HiddenWindow("Brevant");
            RECT bounds{};
            return hidden && GetWindowRect(hidden, &bounds) && bounds.right - bounds.left == 1 &&
                   bounds.bottom - bounds.top == 1;
        })) << "no hidden window \"Brevant\" of 1 by 1 pixel";
        if (at) {
            EXPECT_LT(MillisecondsSince(*at), -500) << "too slow to see the wait";
            EXPECT_EQ(VisibleWindows(), std::vector<HWND>{}) << "on the screen while waiting";
        }

        HWND dialog = at ? WaitForDialogAt("Confirm", *at) : WaitForMessageDialog("Confirm");
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(ReadDialog(dialog), (DialogContent{"Confirm", "Time for the meeting\r\nRoom 4", {"OK", "Cancel"}}));
        EXPECT_EQ(VisibleWindows(), std::vector<HWND>{dialog});
        EXPECT_TRUE(uia::WaitUntil([&] { return GetForegroundWindow() == dialog; }))
            << "the keyboard does not reach it";
        if (at)
            SaveScreenshot(dialog, "scheduled-message");
        CloseDialog(dialog, "Cancel");
        ExpectEndsAndLeavesNothing();
    }
}

// Each start that cannot show the message it was asked for says why in a box
// and ends when the user closes the box.
TEST_F(RoadsTest, ErrorRoadsSayWhatIsWrongAndEnd)
{
    const std::string missing = Unique(ProgramFolder(), "missing.cfg").filename().string();
    const struct {
        const char* what;
        std::string argument;
        DialogContent box;
        const char* boxClass;
    } cases[] = {
        {"bad-argument", "reminder.cfg", {"Error", kIllegalFormat, {"OK"}}, "TMessageForm"},
        {"missing-file", "/c" + missing, {"Error", "File " + ProgramFolder() + missing + " does not exist.", {"OK"}},
         "TMessageForm"},
        {"bad-type",
         "/c" + ConfigBesideProgram("bad-type", {"[Message1]", "Text=Lunch", "Type=warning", "Delay=FALSE",
                                                 "Time=0", "Buttons=OK"}),
         {"Error", kBadType, {"OK"}}, "TMessageForm"},
        {"unreadable-time",
         "/c" + ConfigBesideProgram("bad-time", {"[Message1]", "Text=Lunch", "Type=2", "Delay=TRUE",
                                                 "Time=25:30:00", "Buttons=OK"}),
         {kErrorBoxCaption, "'25:30:00' is not a valid time.", {"OK"}}, kPlatformBoxClass},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Start(c.argument);
        HWND box = WaitForWindow(c.box.caption, c.boxClass);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(ReadDialog(box), c.box);
        EXPECT_TRUE(uia::WaitUntil([&] { return GetForegroundWindow() == box; })) << "the keyboard does not reach it";
        SaveScreenshot(box, std::string("error-") + c.what);
        CloseDialog(box, "OK");
        ExpectEndsAndLeavesNothing();
    }
}

// Started minimized (a shortcut set to run minimized), the configuration
// window is only a minimized taskbar entry until it is restored. Restoring it
// shows the window and returns at once; closing it instead, from its window
// menu or from outside, ends the program.
TEST_F(RoadsTest, MinimizedStartShowsOnlyItsTaskbarEntryUntilItIsRestored)
{
    const struct {
        const char* what;
        UINT message;
        WPARAM wParam;
    } cases[] = {
        {"restored", WM_SYSCOMMAND, SC_RESTORE},
        {"the window menu's Close", WM_SYSCOMMAND, SC_CLOSE},
        {"a close request", WM_CLOSE, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Start({}, {}, SW_SHOWMINNOACTIVE);
        HWND entry = WaitForWindow("Message");
        ASSERT_NE(entry, nullptr);
        EXPECT_TRUE(IsIconic(entry));
        EXPECT_EQ(VisibleWindows(), std::vector<HWND>{entry});
        if (c.wParam != SC_RESTORE) {
            PostMessageA(entry, c.message, c.wParam, 0);
            ExpectEndsAndLeavesNothing();
            continue;
        }
        // As a program that restores it would: it waits for the answer.
        DWORD_PTR answer = 0;
        EXPECT_NE(SendMessageTimeoutA(entry, c.message, c.wParam, 0, SMTO_ABORTIFHUNG, 10000, &answer), 0)
            << "the restore does not return";
        HWND window = WaitForWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(VisibleWindows(), std::vector<HWND>{window});
        ASSERT_TRUE(uia::Click(uia::FindControl(window, "&Cancel")));
        ExpectEndsAndLeavesNothing();
    }
}

// Asked to end from outside while it waits unseen (taskkill without /f, the
// session ending), the program ends at once, without the message.
TEST_F(RoadsTest, RequestToEndDuringTheWaitEndsTheProgramAtOnce)
{
    const auto waiting = [](std::string time) {
        return std::vector<std::string>{"[Message1]", "Text=Later", "Type=2", "Delay=TRUE", "Time=" + time,
                                        "Buttons=OK"};
    };
    const auto clock = SecondsAhead(600);
    const struct {
        const char* what;
        std::string argument;  // empty: the window's OK with a minute's delay
    } cases[] = {
        {"window mode, minutes", ""},
        {"command line, minutes", "/c" + ConfigBesideProgram("minutes", waiting("5"))},
        {"command line, clock time",
         clock ? "/c" + ConfigBesideProgram("clock", waiting(ClockTimeText(clock->time))) : ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Start(c.argument);
        if (c.argument.empty()) {
            HWND window = WaitForWindow();
            ASSERT_NE(window, nullptr);
            uia::SetText(uia::FindControlOfClass(uia::FindControl(window, "Delay until Display"), "Edit"), "1");
            ASSERT_TRUE(uia::Click(uia::FindControl(window, "&OK")));
        }
        ASSERT_TRUE(uia::WaitUntil([&] { return HiddenWindow("Brevant") || HiddenWindow(kMainCaption); }));
        EXPECT_EQ(VisibleWindows(), std::vector<HWND>{}) << "on the screen while waiting";
        RequestEndFromOutside();
        ExpectEndsAndLeavesNothing();
    }
}

// The window road by keyboard alone: every key goes to the control with the
// focus, as the keyboard sends it.
TEST_F(RoadsTest, WindowRoadByKeyboardAlone)
{
    Start();
    HWND handle = WaitForWindow();
    ASSERT_NE(handle, nullptr);
    const ConfigWindow window(handle);
    ASSERT_TRUE(window.Complete()) << uia::DescribeControls(handle);
    const auto focus = [&] { return uia::FocusedWindow(handle); };
    const auto press = [&](UINT key, unsigned modifiers = uia::kNoModifiers) {
        uia::PressKey(focus(), key, modifiers);
    };
    const auto tabTo = [&](HWND control) {
        for (int tabs = 0; tabs < 30 && focus() != control; ++tabs)
            press(VK_TAB);
        return focus() == control;
    };

    // A two-line text.
    ASSERT_TRUE(tabTo(window.Memo()));
    uia::TypeText(focus(), "Back soon");
    press(VK_RETURN);
    uia::TypeText(focus(), "Wait here");
    // Warning, one down from Error.
    ASSERT_TRUE(tabTo(window.Control("Error Message")));
    press(VK_DOWN);
    // Display Buttons with Yes and No.
    ASSERT_TRUE(tabTo(window.Control("&Yes")));
    press(VK_SPACE);
    press(VK_TAB);
    press(VK_SPACE);
    // A clock time some seconds ahead: the picker stands before its radio button.
    const auto target = SecondsAhead(20);
    if (!target)
        GTEST_SKIP() << "the moment would fall on the next day";
    ASSERT_TRUE(tabTo(window.Control("# of Minutes until display:")));
    press(VK_DOWN);
    press(VK_TAB, uia::kShift);
    ASSERT_EQ(focus(), window.Picker());
    TypeTimeFields(window.Picker(), target->time);
    EXPECT_EQ(window.State(), (WindowState{"Back soon\r\nWait here", true, "Warning Message", "Display Buttons:",
                                           "&Yes &No", "Display Message at:", uia::Text(window.Picker()), true}));

    // Preview, closed with Escape: the cancel mark is on No.
    press('P', uia::kAlt);
    HWND preview = WaitForMessageDialog("Warning");
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(ReadDialog(preview), (DialogContent{"Warning", "Back soon\r\nWait here", {"&Yes", "&No"}}));
    uia::PressKey(uia::FocusedWindow(preview), VK_ESCAPE);
    EXPECT_TRUE(uia::WaitForWindowGone(preview));
    EXPECT_TRUE(uia::WaitUntil([&] { return IsWindowEnabled(handle) != FALSE; }));

    // Saved through F2: the name typed into the platform's dialog, then Enter.
    const fs::path file = Unique(fs::temp_directory_path(), "keyboard.cfg");
    press(VK_F2);
    HWND dialog = WaitForWindow("Save Brevant Config File", kFileDialogClass);
    ASSERT_NE(dialog, nullptr);
    HWND name = uia::FocusedWindow(dialog);
    uia::SelectAllText(name);
    uia::TypeText(name, file.string());
    uia::PressKey(name, VK_RETURN);
    EXPECT_TRUE(uia::WaitForWindowGone(dialog));
    ASSERT_TRUE(uia::WaitUntil([&] { return LinesOf(file).size() == 6; })) << file;
    EXPECT_EQ(LinesOf(file), (std::vector<std::string>{"[Message1]", "Text=Back soon^Wait here", "Type=1",
                                                       "Delay=TRUE", "Time=" + ClockTimeText(target->time),
                                                       "Buttons=YESNO"}));

    // OK, with its accelerator, a little before the time: the message comes
    // at its time, Enter closes it.
    EXPECT_TRUE(uia::WaitUntil([&] { return IsWindowEnabled(handle) != FALSE; }));
    uia::WaitUntil([&] { return MillisecondsSince(target->dateTime) > -2000; }, 30s);
    press('O', uia::kAlt);
    EXPECT_TRUE(uia::WaitForWindowGone(handle));
    HWND message = WaitForDialogAt("Warning", target->dateTime);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(ReadDialog(message), (DialogContent{"Warning", "Back soon\r\nWait here", {"&Yes", "&No"}}));
    uia::PressKey(uia::FocusedWindow(message), VK_RETURN);
    ExpectEndsAndLeavesNothing();
}

}  // namespace
}  // namespace e2e
