// Save and Load against the real window, real files and the platform's own
// file dialogs: what the window writes, what a file does to the window, and
// how the window copes with files it did not write.
#include "main_window_fixture.h"
#include "test_folder.h"

#include "automation/find.h"
#include "automation/input.h"
#include "automation/read.h"
#include "automation/wait.h"
#include "config/config_file.h"
#include "config/config_values.h"
#include "text/unicode_text.h"
#include "unicode_texts.h"
#include "widgets/handles.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <ostream>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace brevant {
namespace {

using namespace std::chrono_literals;

constexpr char kTypeMessage[] = "Type Of message is incorrect. Never modify the config file manually!";
constexpr char kSaveTitle[] = "Save Brevant Config File";
constexpr char kLoadTitle[] = "Load Brevant Config File";
constexpr int kFileNameBox = 0x47C;  // cmb13 of the Explorer-style dialogs

// A file of the section "Message1" holding these lines.
std::string Message1(std::initializer_list<std::string_view> lines)
{
    std::string contents = "[Message1]\r\n";
    for (std::string_view line : lines)
        contents.append(line).append("\r\n");
    return contents;
}

// The key=value lines of each section, in file order, as the bytes stand in
// the file (no blanks or quotes taken off).
using SectionLines = std::vector<std::pair<std::string, std::string>>;

SectionLines LinesOfSection(const std::string& contents, std::string_view section)
{
    SectionLines lines;
    bool inside = false;
    std::size_t start = 0;
    while (start < contents.size()) {
        std::size_t end = contents.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = contents.size();
        const std::string line = contents.substr(start, end - start);
        start = contents.find_first_not_of("\r\n", end);
        if (start == std::string::npos)
            start = contents.size();
        if (!line.empty() && line.front() == '[') {
            inside = line.size() == section.size() + 2 && line.back() == ']' &&
                     line.compare(1, section.size(), section) == 0;
        } else if (inside) {
            const std::size_t equals = line.find('=');
            if (equals != std::string::npos)
                lines.emplace_back(line.substr(0, equals), line.substr(equals + 1));
        }
    }
    return lines;
}

std::vector<std::string> KeysOf(const SectionLines& lines)
{
    std::vector<std::string> keys;
    for (const auto& line : lines)
        keys.push_back(line.first);
    return keys;
}

std::string ValueOf(const SectionLines& lines, const std::string& key)
{
    for (const auto& line : lines)
        if (line.first == key)
            return line.second;
    return "<absent>";
}

// What the window shows of the message, radio buttons by their captions.
struct WindowState {
    std::wstring text;
    bool messageTicked = false;
    std::wstring type;
    std::wstring buttons;
    std::wstring ticks;  // tokens of the ticked boxes, in token order
    std::wstring delay;
    int position = 0;
    std::string clock;  // the picker's time of day while a clock time is chosen

    bool operator==(const WindowState&) const = default;
};

void PrintTo(const WindowState& s, std::ostream* os)
{
    *os << "{text " << ::testing::PrintToString(s.text) << ", message " << (s.messageTicked ? "ticked" : "unticked")
        << ", type " << TextToUtf8(s.type) << ", buttons " << TextToUtf8(s.buttons) << " [" << TextToUtf8(s.ticks)
        << "], delay " << TextToUtf8(s.delay) << " at " << s.position << ", clock " << s.clock << "}";
}

std::wstring SelectedCaption(std::initializer_list<const widgets::RadioButton*> group)
{
    for (const widgets::RadioButton* radio : group)
        if (radio->Selected())
            return radio->Text();
    return L"none";
}

std::string TimeOfDayText(const SYSTEMTIME& time)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02u:%02u:%02u", time.wHour, time.wMinute, time.wSecond);
    return text;
}

WindowState StateOf(const TfrmMain& f)
{
    WindowState s;
    s.text = f.Memo1.Text();
    s.messageTicked = f.chkMessage.Checked();
    s.type = SelectedCaption({&f.rbtnError, &f.rbtnWarning, &f.rbtnInformational, &f.rbtnConfirmation});
    s.buttons = SelectedCaption({&f.rbtnNoButtons, &f.rbtnDisplayButtons, &f.rbtnShowAll});
    for (std::size_t i = 0; i < ButtonTokens.size(); ++i) {
        if (!f.buttonChecks[i]->Checked())
            continue;
        if (!s.ticks.empty())
            s.ticks += L' ';
        s.ticks += ButtonTokens[i].token;
    }
    s.delay = SelectedCaption({&f.rbtnMinutes, &f.rbtnTime});
    s.position = f.TrackBar1.Position();
    if (f.rbtnTime.Selected())
        s.clock = TimeOfDayText(f.txtTime.Value());
    return s;
}

// The minutes edit, its label and the track bar show the one delay the
// display run will use.
void ExpectOneDelay(const TfrmMain& f)
{
    const int position = f.TrackBar1.Position();
    EXPECT_EQ(f.txtMinutes.Text(), std::to_wstring(position));
    EXPECT_EQ(f.lblminutes.Text(), position == 1 ? L"minute" : L"minutes");
}

// The enabling rules follow the radio buttons whichever way these were set.
void ExpectEnablingFollowsTheChoices(const TfrmMain& f)
{
    EXPECT_EQ(f.Memo1.Enabled(), f.chkMessage.Checked());
    for (const widgets::CheckBox* box : f.buttonChecks)
        EXPECT_EQ(box->Enabled(), !f.rbtnNoButtons.Selected());
    EXPECT_EQ(f.TrackBar1.Enabled(), !f.rbtnTime.Selected());
    EXPECT_EQ(f.txtTime.Enabled(), f.rbtnTime.Selected());
}

SYSTEMTIME DateTime(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second, WORD ms = 0)
{
    SYSTEMTIME time{};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = hour;
    time.wMinute = minute;
    time.wSecond = second;
    time.wMilliseconds = ms;
    return time;
}

struct SeenMessage {
    std::string text;
    std::vector<std::string> buttons;
};

// While alive, a second thread answers every message box titled "Error" that
// this process shows, notes what it said and presses its button; a load that
// shows one unexpectedly then fails instead of hanging.
class MessageWatch {
public:
    MessageWatch() : thread_([this] { Run(); }) {}
    ~MessageWatch() { Stop(); }
    MessageWatch(const MessageWatch&) = delete;
    MessageWatch& operator=(const MessageWatch&) = delete;

    std::vector<SeenMessage> Stop()
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
        return seen_;
    }

private:
    void Run()
    {
        while (!stop_) {
            const HWND dialog = uia::FindTopLevelWindow(
                {.caption = "Error", .className = "TMessageForm", .processId = GetCurrentProcessId()});
            if (!dialog) {
                Sleep(5);
                continue;
            }
            SeenMessage seen;
            HWND button = nullptr;
            for (const uia::ControlInfo& control : uia::ListControls(dialog)) {
                if (control.className == "Static" && !control.text.empty())
                    seen.text = control.text;
                else if (control.className == "Button") {
                    seen.buttons.push_back(control.text);
                    button = control.handle;
                }
            }
            if (!button || !uia::Click(button))
                uia::RequestClose(dialog);
            uia::WaitForWindowGone(dialog, 5s);
            seen_.push_back(seen);
        }
    }

    std::atomic<bool> stop_ = false;
    std::vector<SeenMessage> seen_;
    std::thread thread_;
};

class ConfigFileTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        // The file dialogs make the folder they were left in the current one.
        workingFolder_ = std::filesystem::current_path();
        folder_.emplace(L"brevant-cfg-");
        Show();
    }

    void TearDown() override
    {
        std::filesystem::current_path(workingFolder_);
        folder_.reset();
        MainWindowTest::TearDown();
    }

    std::wstring PathOf(const std::wstring& name) const { return folder_->PathOf(name); }

    // A window of its own, as a new start of the program would show it.
    void NewWindow()
    {
        MainWindowTest::TearDown();
        MainWindowTest::SetUp();
        Show();
    }

    // SaveConfigFile and LoadConfigFile as a handler runs them: an error they
    // raise reaches the catch point and is recorded in g_reported.
    void SaveTo(const std::wstring& path)
    {
        form->setConfigFileName(path);
        widgets::GuardOutermost([&] { form->SaveConfigFile(); });
    }

    std::vector<SeenMessage> LoadFrom(const std::wstring& path)
    {
        MessageWatch watch;
        form->setConfigFileName(path);
        widgets::GuardOutermost([&] { form->LoadConfigFile(); });
        return watch.Stop();
    }

    static void ExpectTheTypeMessage(const std::vector<SeenMessage>& seen)
    {
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].text, kTypeMessage);
        EXPECT_EQ(seen[0].buttons, std::vector<std::string>{"OK"});
    }

    // Runs `open` here, which is to open the file dialog titled `title`, while
    // a second thread works the dialog with `drive`. A dialog that `drive`
    // leaves open is a failure, and is closed.
    static void WithFileDialog(const char* title, const std::function<void()>& open,
                               const std::function<void(HWND dialog)>& drive)
    {
        std::thread driver([&] {
            const HWND dialog =
                uia::WaitForWindow({.caption = title, .className = "#32770", .processId = GetCurrentProcessId()});
            if (!dialog) {
                ADD_FAILURE() << "no dialog titled " << title;
                return;
            }
            drive(dialog);
            if (!uia::WaitForWindowGone(dialog, 5s)) {
                ADD_FAILURE() << "the dialog titled " << title << " is still open";
                uia::RequestClose(dialog);
            }
        });
        open();
        driver.join();
    }

    static HWND FileNameBox(HWND dialog) { return GetDlgItem(dialog, kFileNameBox); }

    // The full path the dialog would give now: the folder it shows and the
    // name in its box.
    static std::wstring OfferedPath(HWND dialog)
    {
        wchar_t path[MAX_PATH * 4] = {};
        SendMessageW(dialog, CDM_GETFILEPATH, std::size(path), reinterpret_cast<LPARAM>(path));
        return path;
    }

    // Types the name into the dialog's file name box and presses Save or Open.
    static void ChooseName(HWND dialog, const std::wstring& name)
    {
        const HWND box = FileNameBox(dialog);
        ASSERT_NE(box, nullptr) << uia::DescribeControls(dialog);
        uia::SetText(box, std::wstring_view(name));
        EXPECT_TRUE(uia::Click(GetDlgItem(dialog, IDOK)));
    }

    static void Cancel(HWND dialog) { EXPECT_TRUE(uia::Click(GetDlgItem(dialog, IDCANCEL))); }

    // A visible box of the dialog's own, such as its complaint about a name.
    static HWND BoxOwnedBy(HWND dialog)
    {
        for (HWND window : uia::TopLevelWindowsOf(GetCurrentProcessId())) {
            char className[32] = {};
            GetClassNameA(window, className, sizeof className);
            if (IsWindowVisible(window) && std::string_view(className) == "#32770" &&
                GetWindow(window, GW_OWNER) == dialog)
                return window;
        }
        return nullptr;
    }

    // The window as the example describes it: a two-line text, a warning,
    // 15 minutes typed into the minutes edit, Yes, No and Ignore ticked.
    void DesignTheExample()
    {
        form->Memo1.SetText(L"Back soon\r\nWait here");
        UserClick(form->rbtnWarning);
        form->txtMinutes.Focus();
        SendMessageA(form->txtMinutes.Handle(), EM_SETSEL, 0, -1);
        TypeChar(form->txtMinutes.Handle(), '1');
        TypeChar(form->txtMinutes.Handle(), '5');
        UserClick(form->chkYes);
        UserClick(form->chkNo);
        UserClick(form->chkIgnore);
    }

    std::optional<TestFolder> folder_;
    std::filesystem::path workingFolder_;
};

const std::string kExampleFile = "[Message1]\r\n"
                                 "Text=Back soon^Wait here\r\n"
                                 "Type=1\r\n"
                                 "Delay=TRUE\r\n"
                                 "Time=15\r\n"
                                 "Buttons=YESNOIGNORE\r\n";

// ---------------------------------------------------------------------------
// Every value the window writes loads back into a new window as it was.

struct RoundTripCase {
    const char* name;
    std::function<void(TfrmMain&)> design;
    // Values expected in the file, as its bytes stand.
    std::vector<std::pair<std::string, std::string>> written;
    // How the loaded window differs from the designed one, where it should.
    std::function<void(WindowState&)> loadedDiffers = {};
    // The new window's state before the load, chosen to differ from the file.
    std::function<void(TfrmMain&)> beforeLoad = {};
};

void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }

class ConfigRoundTripTest : public ConfigFileTest, public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(ConfigRoundTripTest, SavedWindowLoadsBackIntoANewWindow)
{
    const RoundTripCase& c = GetParam();
    c.design(*form);
    WindowState expected = StateOf(*form);
    const std::wstring path = PathOf(L"round-trip.cfg");
    SaveTo(path);
    ASSERT_TRUE(g_reported.empty()) << g_reported[0];

    const SectionLines lines = LinesOfSection(FileContents(path), "Message1");
    EXPECT_EQ(KeysOf(lines), (std::vector<std::string>{"Text", "Type", "Delay", "Time", "Buttons"}));
    for (const auto& [key, value] : c.written)
        EXPECT_EQ(ValueOf(lines, key), value) << key;

    NewWindow();
    if (c.beforeLoad)
        c.beforeLoad(*form);
    EXPECT_TRUE(LoadFrom(path).empty());
    EXPECT_TRUE(g_reported.empty());
    EXPECT_FALSE(TakeQuitRequest());

    // An empty text unticks "&Message Text:"; "Display Buttons:" with no box
    // ticked writes what "Hide Buttons" writes.
    if (expected.text.empty())
        expected.messageTicked = false;
    if (expected.buttons == L"Display Buttons:" && expected.ticks.empty())
        expected.buttons = L"Hide Buttons";
    if (c.loadedDiffers)
        c.loadedDiffers(expected);
    EXPECT_EQ(StateOf(*form), expected);
    ExpectEnablingFollowsTheChoices(*form);
    ExpectOneDelay(*form);
}

void SetClock(TfrmMain& f, WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME time = f.txtTime.Value();
    time.wHour = hour;
    time.wMinute = minute;
    time.wSecond = second;
    time.wMilliseconds = 250;
    f.txtTime.SetValue(time);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ConfigRoundTripTest,
    ::testing::Values(
        RoundTripCase{"TwoLineText", [](TfrmMain& f) { f.Memo1.SetText(L"Back soon\r\nWait here"); },
                      {{"Text", "Back soon^Wait here"}}},
        RoundTripCase{"TypedCaretLoadsAsALineBreak", [](TfrmMain& f) { f.Memo1.SetText(L"2^3 = 8"); },
                      {{"Text", "2^3 = 8"}}, [](WindowState& s) { s.text = L"2\r\n3 = 8"; }},
        RoundTripCase{"LoneCarriageReturnsAndLineFeeds",
                      [](TfrmMain& f) { f.Memo1.SetText(L"one\rtwo\nthree\r\n\r\nfour\n"); },
                      {{"Text", "one^two^three^^four^"}},
                      [](WindowState& s) { s.text = L"one\r\ntwo\r\nthree\r\n\r\nfour\r\n"; }},
        // Pasted text with a lone line feed must not smuggle in keys of its own.
        RoundTripCase{"LoneLineFeedCannotSetKeys",
                      [](TfrmMain& f) {
                          f.Memo1.SetText(L"Hello\nType=3\nButtons=ALL\rDelay=FALSE\n[Other]");
                          f.rbtnWarning.Select();
                          f.TrackBar1.SetPosition(5);
                      },
                      {{"Text", "Hello^Type=3^Buttons=ALL^Delay=FALSE^[Other]"}, {"Type", "1"}, {"Time", "5"}},
                      [](WindowState& s) { s.text = L"Hello\r\nType=3\r\nButtons=ALL\r\nDelay=FALSE\r\n[Other]"; }},
        RoundTripCase{"BlanksAtTheEnds", [](TfrmMain& f) { f.Memo1.SetText(L"  two before, one after "); },
                      {{"Text", "\"  two before, one after \""}}},
        RoundTripCase{"QuotesAtTheEnds", [](TfrmMain& f) { f.Memo1.SetText(L"\"Hi\" she said, 'twas'"); },
                      {{"Text", "\"\"Hi\" she said, 'twas'\""}}},
        RoundTripCase{"CharactersThatMeanSomethingInTheFile",
                      [](TfrmMain& f) { f.Memo1.SetText(L"; not a comment [Message1] Type=3 # \\ %s"); },
                      {{"Text", "; not a comment [Message1] Type=3 # \\ %s"}, {"Type", "0"}}},
        RoundTripCase{"AnsiLettersAndSigns", [](TfrmMain& f) { f.Memo1.SetText(L"Caf\xE9 na\xEFve \x20AC" L"5 \xA7" L"3"); },
                      {{"Text", "\"Caf\xE9 na\xEFve \x80" "5 \xA7" "3\""}}},
        RoundTripCase{"OnlyBlanks", [](TfrmMain& f) { f.Memo1.SetText(L"   "); }, {{"Text", "\"   \""}}},
        // The longest text the window takes, quoted for its blank: whole.
        RoundTripCase{"LongestTextWithABlankAtItsEnd",
                      [](TfrmMain& f) { f.Memo1.SetText(std::wstring(1022, L'w') + L" "); },
                      {{"Text", std::string("\"").append(1022, 'w').append(" \"")}}},
        RoundTripCase{"TextWrittenWhileMessageTextIsUnticked",
                      [](TfrmMain& f) {
                          f.Memo1.SetText(L"kept");
                          f.chkMessage.SetChecked(false);
                      },
                      {{"Text", "kept"}},
                      // A non-empty text leaves the new window's box as it was: ticked.
                      [](WindowState& s) { s.messageTicked = true; }},
        RoundTripCase{"EmptyText", [](TfrmMain&) {}, {{"Text", ""}}, {},
                      [](TfrmMain& f) { f.Memo1.SetText(L"typed before the load"); }},
        RoundTripCase{"ErrorType", [](TfrmMain& f) { f.Memo1.SetText(L"e"); }, {{"Type", "0"}}, {},
                      [](TfrmMain& f) { f.rbtnConfirmation.Select(); }},
        RoundTripCase{"WarningType", [](TfrmMain& f) { f.rbtnWarning.Select(); }, {{"Type", "1"}}},
        RoundTripCase{"InformationType", [](TfrmMain& f) { f.rbtnInformational.Select(); }, {{"Type", "2"}}},
        RoundTripCase{"ConfirmationType", [](TfrmMain& f) { f.rbtnConfirmation.Select(); }, {{"Type", "3"}}},
        RoundTripCase{"NoDelay", [](TfrmMain& f) { f.Memo1.SetText(L"now"); },
                      {{"Delay", "FALSE"}, {"Time", "0"}}, {},
                      [](TfrmMain& f) {
                          f.TrackBar1.SetPosition(30);
                          f.rbtnTime.Select();
                      }},
        RoundTripCase{"OneMinute", [](TfrmMain& f) { f.TrackBar1.SetPosition(1); },
                      {{"Delay", "TRUE"}, {"Time", "1"}}},
        RoundTripCase{"FifteenMinutes", [](TfrmMain& f) { f.TrackBar1.SetPosition(15); },
                      {{"Delay", "TRUE"}, {"Time", "15"}}, {}, [](TfrmMain& f) { f.rbtnTime.Select(); }},
        RoundTripCase{"SixtyMinutes", [](TfrmMain& f) { f.TrackBar1.SetPosition(60); },
                      {{"Delay", "TRUE"}, {"Time", "60"}}},
        // A clock time is a delay even with the track bar at 0.
        RoundTripCase{"ClockTime",
                      [](TfrmMain& f) {
                          f.rbtnTime.Select();
                          SetClock(f, 9, 5, 7);
                      },
                      {{"Delay", "TRUE"}}, {}, [](TfrmMain& f) { SetClock(f, 23, 0, 0); }},
        // The track bar's position is not written with a clock time.
        RoundTripCase{"ClockTimeAfternoon",
                      [](TfrmMain& f) {
                          f.TrackBar1.SetPosition(40);
                          f.rbtnTime.Select();
                          SetClock(f, 15, 30, 0);
                      },
                      {{"Delay", "TRUE"}}, [](WindowState& s) { s.position = 0; }},
        RoundTripCase{"HideButtons", [](TfrmMain& f) { f.rbtnNoButtons.Select(); }, {{"Buttons", ""}}, {},
                      [](TfrmMain& f) { f.rbtnShowAll.Select(); }},
        RoundTripCase{"HideButtonsLeavesTheTicksOut",
                      [](TfrmMain& f) {
                          f.rbtnShowAll.Select();
                          f.rbtnNoButtons.Select();
                      },
                      {{"Buttons", ""}}, [](WindowState& s) { s.ticks = L""; }},
        RoundTripCase{"ShowAllButtons", [](TfrmMain& f) { f.rbtnShowAll.Select(); }, {{"Buttons", "ALL"}}, {},
                      [](TfrmMain& f) { f.rbtnNoButtons.Select(); }},
        RoundTripCase{"YesHelpRetry",
                      [](TfrmMain& f) {
                          f.chkRetry.SetChecked(true);
                          f.chkHelp.SetChecked(true);
                          f.chkYes.SetChecked(true);
                      },
                      {{"Buttons", "YESHELPRETRY"}}, {}, [](TfrmMain& f) { f.rbtnShowAll.Select(); }},
        RoundTripCase{"EveryBoxTicked",
                      [](TfrmMain& f) {
                          for (widgets::CheckBox* box : f.buttonChecks)
                              box->SetChecked(true);
                      },
                      {{"Buttons", "YESNOOKCANCELHELPABORTRETRYIGNOREALLBTN"}}, {},
                      [](TfrmMain& f) { f.rbtnNoButtons.Select(); }},
        RoundTripCase{"DisplayButtonsWithNoBox", [](TfrmMain& f) { f.Memo1.SetText(L"x"); }, {{"Buttons", ""}}},
        RoundTripCase{"TheExample",
                      [](TfrmMain& f) {
                          f.Memo1.SetText(L"Back soon\r\nWait here");
                          f.rbtnWarning.Select();
                          f.TrackBar1.SetPosition(15);
                          f.chkYes.SetChecked(true);
                          f.chkNo.SetChecked(true);
                          f.chkIgnore.SetChecked(true);
                      },
                      {{"Text", "Back soon^Wait here"},
                       {"Type", "1"},
                       {"Delay", "TRUE"},
                       {"Time", "15"},
                       {"Buttons", "YESNOIGNORE"}}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Clock times under a 12-hour clock (this test runs again under en_US).

TEST_F(ConfigFileTest, TwelveHourClockTimesAreWrittenWithTheirMarker)
{
    char clockKind[4] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_ITIME, clockKind, sizeof clockKind);
    char pm[16] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_S2359, pm, sizeof pm);
    if (std::string_view(clockKind) != "0" || std::string_view(pm) != "PM")
        GTEST_SKIP() << "needs a 12-hour clock whose markers are AM and PM (en_US)";

    const struct {
        WORD hour, minute, second;
        const char* written;
    } cases[] = {
        {15, 30, 0, "3:30:00 PM"},
        {0, 5, 9, "12:05:09 AM"},
        {12, 0, 0, "12:00:00 PM"},
        {23, 59, 59, "11:59:59 PM"},
        {11, 59, 59, "11:59:59 AM"},
    };
    const std::wstring path = PathOf(L"clock.cfg");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written);
        UserClick(form->rbtnTime);
        form->txtTime.SetValue(DateTime(2024, 6, 1, c.hour, c.minute, c.second, 750));
        SaveTo(path);
        EXPECT_EQ(ValueOf(LinesOfSection(FileContents(path), "Message1"), "Time"), c.written);

        // Loaded into a window on another date at another time of day: the
        // date stays, the time of day is the file's in whole seconds.
        UserClick(form->rbtnMinutes);
        form->txtTime.SetValue(DateTime(2001, 2, 3, 8, 0, 0, 123));
        EXPECT_TRUE(LoadFrom(path).empty());
        EXPECT_TRUE(form->rbtnTime.Selected());
        const SYSTEMTIME loaded = form->txtTime.Value();
        EXPECT_EQ(loaded.wYear, 2001);
        EXPECT_EQ(loaded.wMonth, 2);
        EXPECT_EQ(loaded.wDay, 3);
        EXPECT_EQ(TimeOfDayText(loaded), TimeOfDayText(DateTime(0, 0, 0, c.hour, c.minute, c.second)));
        EXPECT_EQ(loaded.wMilliseconds, 0);
        ExpectEnablingFollowsTheChoices(*form);
    }
    EXPECT_TRUE(g_reported.empty());
}

// ---------------------------------------------------------------------------
// Texts in any script: saved in ANSI where the code page holds them, in
// UTF-16 otherwise, and loaded back whole into a new window.

TEST_F(ConfigFileTest, TextsInAnyScriptAreSavedAsTheyFitAndLoadBackWhole)
{
    ASSERT_EQ(GetACP(), 1252u) << "the tests run on a Western code page";
    const std::wstring path = PathOf(L"any-script.cfg");
    for (const UnicodeText& text : kUnicodeTexts) {
        SCOPED_TRACE(text.name);
        form->Memo1.SetText(text.text);
        SaveTo(path);
        ASSERT_TRUE(g_reported.empty()) << TextToUtf8(g_reported[0]);
        const std::string bytes = FileContents(path);
        if (text.ansiLine)
            EXPECT_EQ(ValueOf(LinesOfSection(bytes, "Message1"), "Text"), std::string(text.ansiLine).substr(5));
        else
            EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");

        NewWindow();
        EXPECT_TRUE(LoadFrom(path).empty());
        EXPECT_EQ(form->Memo1.Text(), text.text);
    }
}

// ---------------------------------------------------------------------------
// The example, saved through the real save dialog to a new file.

TEST_F(ConfigFileTest, TheExampleSavedToANewFileGivesExactlyItsSixLines)
{
    DesignTheExample();
    ASSERT_EQ(form->TrackBar1.Position(), 15);
    const std::wstring path = PathOf(L"msg.cfg");
    WithFileDialog(kSaveTitle, [&] { UserClick(form->btnSave); }, [&](HWND dialog) {
        EXPECT_EQ(uia::Text(FileNameBox(dialog)), "msg.cfg");
        ChooseName(dialog, path);
    });
    EXPECT_EQ(form->configFileName(), path);
    EXPECT_EQ(FileContents(path), kExampleFile);
    EXPECT_TRUE(g_reported.empty());
}

// ---------------------------------------------------------------------------
// Hand-written and hostile files: each loads to a defined state or gives the
// program's message.

struct LoadCase {
    const char* name;
    std::string file;
    std::function<void(TfrmMain&)> check;  // kNoLoad for a file that cannot be loaded
    std::function<void(TfrmMain&)> before = {};
    std::vector<std::wstring> reported = {};  // errors that reach the catch point
    bool typeMessage = false;
};

void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

// A file that cannot be loaded whole leaves the window as it was.
const std::function<void(TfrmMain&)> kNoLoad;

class ConfigLoadTest : public ConfigFileTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(ConfigLoadTest, LoadsToADefinedState)
{
    const LoadCase& c = GetParam();
    const std::wstring path = PathOf(L"loaded.cfg");
    WriteWholeFile(path, c.file);
    if (c.before)
        c.before(*form);
    const WindowState shown = StateOf(*form);
    const std::wstring minutesEdit = form->txtMinutes.Text();
    const std::wstring minutesLabel = form->lblminutes.Text();
    const MessageSettings before = form->GatherSettings();

    const std::vector<SeenMessage> seen = LoadFrom(path);
    if (c.typeMessage)
        ExpectTheTypeMessage(seen);
    else
        EXPECT_TRUE(seen.empty()) << seen[0].text;
    // A load in the window never ends the program.
    EXPECT_FALSE(TakeQuitRequest());
    EXPECT_EQ(g_reported, c.reported);

    if (c.check) {
        c.check(*form);
        // The window holds exactly the message the file reads as, over what it held.
        EXPECT_EQ(form->GatherSettings(), ReadConfigFile(path, before).message);
        ExpectOneDelay(*form);
    } else {
        EXPECT_EQ(StateOf(*form), shown);
        EXPECT_EQ(form->GatherSettings(), before);
        EXPECT_EQ(form->txtMinutes.Text(), minutesEdit);
        EXPECT_EQ(form->lblminutes.Text(), minutesLabel);
    }
    ExpectEnablingFollowsTheChoices(*form);
    EXPECT_EQ(FileContents(path), c.file) << "loading changed the file";

    // The window goes on working.
    EXPECT_TRUE(IsWindowEnabled(form->Handle()));
    UserClick(form->rbtnShowAll);
    EXPECT_TRUE(form->chkAll.Checked());
}

// Checks of the loaded window.
auto ShowsMinutes(int position)
{
    return [=](TfrmMain& f) {
        EXPECT_TRUE(f.rbtnMinutes.Selected());
        EXPECT_EQ(f.TrackBar1.Position(), position);
    };
}

auto ShowsButtons(const wchar_t* radio, const wchar_t* ticks, DialogButtonSet set)
{
    return [=](TfrmMain& f) {
        const WindowState s = StateOf(f);
        EXPECT_EQ(s.buttons, radio);
        EXPECT_EQ(s.ticks, ticks);
        // What Preview and OK show.
        EXPECT_EQ(f.GatherSettings().ButtonSet(), set);
    };
}

auto ShowsAllButtons()
{
    return ShowsButtons(L"Show ALL Buttons", L"YES NO OK CANCEL HELP ABORT RETRY IGNORE ALLBTN", AllShownButtons);
}

auto ShowsType(const wchar_t* caption)
{
    return [=](TfrmMain& f) { EXPECT_EQ(StateOf(f).type, caption); };
}

auto ShowsText(std::wstring text, bool ticked)
{
    return [=](TfrmMain& f) {
        EXPECT_EQ(f.Memo1.Text(), text);
        EXPECT_EQ(f.chkMessage.Checked(), ticked);
    };
}

template <typename... Checks>
std::function<void(TfrmMain&)> AllOf(Checks... checks)
{
    return [=](TfrmMain& f) { (checks(f), ...); };
}

void SelectMinutes(TfrmMain& f, int position)
{
    f.rbtnMinutes.Select();
    f.TrackBar1.SetPosition(position);
}

void SelectClock(TfrmMain& f, WORD hour)
{
    f.rbtnTime.Select();
    f.txtTime.SetValue(DateTime(2020, 5, 6, hour, 0, 0));
}

void TickYes(TfrmMain& f) { f.chkYes.SetChecked(true); }

INSTANTIATE_TEST_SUITE_P(
    HandWritten, ConfigLoadTest,
    ::testing::Values(
        LoadCase{"NinetyMinutesClampTheTrackBar",
                 Message1({"Text=x", "Type=0", "Delay=TRUE", "Time=90", "Buttons="}), ShowsMinutes(60)},
        LoadCase{"NegativeMinutes", Message1({"Text=x", "Type=0", "Delay=TRUE", "Time=-5", "Buttons="}),
                 ShowsMinutes(0), [](TfrmMain& f) { SelectMinutes(f, 30); }},
        // The minutes edit keeps its text: setting the track bar raises nothing.
        LoadCase{"FifteenMinutesLeaveTheMinutesEdit", Message1({"Text=x", "Type=0", "Delay=TRUE", "Time=15"}),
                 ShowsMinutes(15), [](TfrmMain& f) { f.txtMinutes.SetText(L"7"); }},
        LoadCase{"ZeroMinutesWhileDelayed", Message1({"Text=x", "Type=0", "Delay=TRUE", "Time=0"}),
                 ShowsMinutes(0), [](TfrmMain& f) { SelectClock(f, 8); }},
        LoadCase{"LowerCaseTrueIsNoDelay", Message1({"Text=x", "Type=0", "Delay=true", "Time=15"}),
                 ShowsMinutes(0),
                 [](TfrmMain& f) {
                     f.TrackBar1.SetPosition(20);
                     SelectClock(f, 8);
                 }},
        // "Time" is not read at all without a delay, so it cannot fail.
        LoadCase{"FalseLeavesTheTimeUnread", Message1({"Text=x", "Type=0", "Delay=FALSE", "Time=12:xx"}),
                 ShowsMinutes(0), [](TfrmMain& f) { SelectMinutes(f, 9); }},
        LoadCase{"EmptyDelayIsNoDelay", Message1({"Text=x", "Type=0", "Delay=", "Time=15"}),
                 ShowsMinutes(0)},
        LoadCase{"AbsentDelayMeansDelayed", Message1({"Text=x", "Type=0", "Time=15"}), ShowsMinutes(15)},
        LoadCase{"TwentyFourHourClockText", Message1({"Text=x", "Type=0", "Delay=TRUE", "Time=15:30:00"}),
                 [](TfrmMain& f) {
                     EXPECT_TRUE(f.rbtnTime.Selected());
                     const SYSTEMTIME t = f.txtTime.Value();
                     EXPECT_EQ(TimeOfDayText(t), "15:30:00");
                     EXPECT_EQ(t.wYear, 2020);
                     EXPECT_EQ(t.wDay, 6);
                     EXPECT_EQ(f.lblminutes.Text(), L"minutes");
                 },
                 [](TfrmMain& f) { SelectClock(f, 8); }},
        LoadCase{"EmptyTextUnticksMessageText", Message1({"Text=", "Type=0", "Delay=FALSE"}), ShowsText(L"", false),
                 [](TfrmMain& f) { f.Memo1.SetText(L"typed before the load"); }},
        LoadCase{"AbsentTextUnticksMessageText", Message1({"Type=0", "Delay=FALSE"}), ShowsText(L"", false),
                 [](TfrmMain& f) { f.Memo1.SetText(L"typed before the load"); }},
        LoadCase{"TextLeavesMessageTextUnticked", Message1({"Text=hello", "Type=0", "Delay=FALSE"}),
                 ShowsText(L"hello", false), [](TfrmMain& f) { f.chkMessage.SetChecked(false); }},
        LoadCase{"CaretsBecomeLineBreaks", Message1({"Text=^a^^b^", "Type=0", "Delay=FALSE"}),
                 ShowsText(L"\r\na\r\n\r\nb\r\n", true)},
        LoadCase{"IgnoreAlone", Message1({"Text=x", "Type=0", "Delay=FALSE", "Buttons=IGNORE"}),
                 ShowsButtons(L"Display Buttons:", L"IGNORE", DialogButton::Ignore)},
        LoadCase{"NoAndIgnore", Message1({"Text=x", "Type=0", "Delay=FALSE", "Buttons=NOIGNORE"}),
                 ShowsButtons(L"Display Buttons:", L"NO IGNORE", DialogButton::No | DialogButton::Ignore)},
        LoadCase{"NoInsideCancelIgnore", Message1({"Text=x", "Type=0", "Delay=FALSE", "Buttons=CANCELIGNORE"}),
                 ShowsButtons(L"Display Buttons:", L"CANCEL IGNORE", DialogButton::Cancel | DialogButton::Ignore)},
        LoadCase{"LowerCaseYesLoadsNoButton", Message1({"Text=x", "Type=0", "Delay=FALSE", "Buttons=yes"}),
                 ShowsButtons(L"Display Buttons:", L"", 0), [](TfrmMain& f) { f.rbtnShowAll.Select(); }},
        LoadCase{"CommaSeparatedTokens", Message1({"Text=x", "Type=0", "Delay=FALSE", "Buttons=YES,NO"}),
                 ShowsButtons(L"Display Buttons:", L"YES NO", DialogButton::Yes | DialogButton::No)},
        LoadCase{"TokensAmongOtherText",
                 Message1({"Text=x", "Type=0", "Delay=FALSE", "Buttons=xxRETRY-ALLBTN_helpHELPYESyes"}),
                 ShowsButtons(L"Display Buttons:", L"YES HELP RETRY ALLBTN",
                         DialogButton::Yes | DialogButton::Help | DialogButton::Retry | DialogButton::All)},
        LoadCase{"LowerCaseAllLoadsNoButton", Message1({"Text=x", "Type=0", "Delay=FALSE", "Buttons=all"}),
                 ShowsButtons(L"Display Buttons:", L"", 0), [](TfrmMain& f) { f.rbtnNoButtons.Select(); }},
        LoadCase{"AllSelectsShowAll", Message1({"Text=x", "Type=0", "Delay=FALSE", "Buttons=ALL"}),
                 ShowsAllButtons(),
                 [](TfrmMain& f) { f.rbtnNoButtons.Select(); }},
        LoadCase{"TokensSelectDisplayButtons", Message1({"Text=x", "Type=0", "Delay=FALSE", "Buttons=OKCANCEL"}),
                 ShowsButtons(L"Display Buttons:", L"OK CANCEL", DialogButton::OK | DialogButton::Cancel),
                 [](TfrmMain& f) {
                     f.chkYes.SetChecked(true);
                     f.rbtnNoButtons.Select();
                 }},
        LoadCase{"TokensAfterShowAll", Message1({"Text=x", "Type=0", "Delay=FALSE", "Buttons=RETRY"}),
                 ShowsButtons(L"Display Buttons:", L"RETRY", DialogButton::Retry),
                 [](TfrmMain& f) { f.rbtnShowAll.Select(); }},
        LoadCase{"EmptyButtonsSelectHide", Message1({"Text=x", "Type=0", "Delay=FALSE", "Buttons="}),
                 ShowsButtons(L"Hide Buttons", L"", 0), [](TfrmMain& f) { f.rbtnShowAll.Select(); }},
        // An absent "Buttons" keeps what the window shows.
        LoadCase{"AbsentButtonsKeepShowAll", Message1({"Text=x", "Type=0", "Delay=FALSE"}),
                 ShowsAllButtons(),
                 [](TfrmMain& f) { f.rbtnShowAll.Select(); }},
        LoadCase{"AbsentButtonsKeepTheTicks", Message1({"Text=x", "Type=0", "Delay=FALSE"}),
                 ShowsButtons(L"Display Buttons:", L"YES CANCEL", DialogButton::Yes | DialogButton::Cancel),
                 [](TfrmMain& f) {
                     f.chkCancel.SetChecked(true);
                     f.chkYes.SetChecked(true);
                 }},
        LoadCase{"AbsentButtonsKeepHide", Message1({"Text=x", "Type=0", "Delay=FALSE"}),
                 ShowsButtons(L"Hide Buttons", L"", 0),
                 [](TfrmMain& f) {
                     f.chkOK.SetChecked(true);
                     f.rbtnNoButtons.Select();
                 }},
        LoadCase{"TypeWithZeroX", Message1({"Text=x", "Type=0x3", "Delay=FALSE"}), ShowsType(L"Confirmation Message")},
        LoadCase{"TypeWithUpperZeroX", Message1({"Text=x", "Type=0X2", "Delay=FALSE"}),
                 ShowsType(L"Informational Message")},
        LoadCase{"TypeWithDollar", Message1({"Text=x", "Type=$3", "Delay=FALSE"}), ShowsType(L"Confirmation Message")},
        LoadCase{"TypeSevenChangesNothing", Message1({"Text=x", "Type=7", "Delay=FALSE"}), ShowsType(L"Warning Message"),
                 [](TfrmMain& f) { f.rbtnWarning.Select(); }},
        LoadCase{"TypeMinusOneChangesNothing", Message1({"Text=x", "Type=-1", "Delay=FALSE"}),
                 ShowsType(L"Informational Message"), [](TfrmMain& f) { f.rbtnInformational.Select(); }},
        // The message, and nothing of the file loaded; the program goes on.
        LoadCase{"TypeAbc", Message1({"Text=x", "Type=abc", "Delay=TRUE", "Time=15", "Buttons=ALL"}),
                 kNoLoad,
                 [](TfrmMain& f) { f.rbtnWarning.Select(); }, {}, true},
        LoadCase{"TypeAbsent", Message1({"Text=x", "Delay=FALSE", "Buttons=YES"}),
                 kNoLoad, {}, {},
                 true},
        LoadCase{"TypeEmpty", Message1({"Text=x", "Type=", "Delay=FALSE"}), kNoLoad, {}, {}, true},
        LoadCase{"TypeNinetyNine", Message1({"Text=x", "Type=99", "Delay=FALSE"}), kNoLoad, {}, {},
                 true},
        LoadCase{"TypeZeroXAlone", Message1({"Text=x", "Type=0x", "Delay=FALSE"}), kNoLoad, {}, {},
                 true},
        LoadCase{"TypeWithADecimalPoint", Message1({"Text=x", "Type=3.0", "Delay=FALSE"}), kNoLoad,
                 {}, {}, true},
        LoadCase{"TheExample", kExampleFile,
                 AllOf(ShowsText(L"Back soon\r\nWait here", true), ShowsType(L"Warning Message"),
                       ShowsMinutes(15),
                     ShowsButtons(L"Display Buttons:", L"YES NO IGNORE",
                             DialogButton::Yes | DialogButton::No | DialogButton::Ignore))},
        // A conversion error: its message, and nothing of the file loaded.
        LoadCase{"ClockTimeThatIsNoTime",
                 Message1({"Text=x", "Type=0", "Delay=TRUE", "Time=25:61", "Buttons=ALL"}),
                 kNoLoad,
                 [](TfrmMain& f) {
                     TickYes(f);
                     SelectMinutes(f, 10);
                     f.txtTime.SetValue(DateTime(2020, 5, 6, 8, 0, 0));
                 },
                 {L"'25:61' is not a valid time"}},
        LoadCase{"AbsentTimeWhileDelayed", Message1({"Text=x", "Type=0", "Delay=TRUE", "Buttons=ALL"}),
                 kNoLoad,
                 [](TfrmMain& f) {
                     TickYes(f);
                     SelectClock(f, 8);
                     f.TrackBar1.SetPosition(10);
                 },
                 {L"'' is not a valid integer value"}},
        LoadCase{"TimeThatIsNoNumber", Message1({"Text=x", "Type=0", "Time=abc", "Buttons=ALL"}),
                 kNoLoad,
                 [](TfrmMain& f) { SelectMinutes(f, 4); }, {L"'abc' is not a valid integer value"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Bytes that are no text at all, for a file that is no INI file.
std::string GarbageBytes(std::size_t count)
{
    std::string bytes(count, '\0');
    uint32_t state = 12345;
    for (char& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>(state >> 24);
    }
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, ConfigLoadTest,
    ::testing::Values(
        // No section: no "Type", so the one message says so; the absent
        // "Time" of a delay does not add a second.
        LoadCase{"MissingSection", "[Other]\r\nText=x\r\nType=1\r\nDelay=FALSE\r\n",
                 kNoLoad, {}, {},
                 true},
        LoadCase{"NoIniTextAtAll", GarbageBytes(4096), kNoLoad, {}, {},
                 true},
        LoadCase{"DuplicateKeys",
                 Message1({"Text=first", "Type=1", "Type=2", "Text=second", "Delay=FALSE", "Buttons=YES",
                           "Buttons=NO"}),
                 AllOf(ShowsText(L"first", true), ShowsType(L"Warning Message"),
                       ShowsButtons(L"Display Buttons:", L"YES", DialogButton::Yes))},
        // Only the first of two sections of the same name counts.
        LoadCase{"DuplicateSections",
                 "[Message1]\r\nText=one\r\nType=1\r\nDelay=FALSE\r\n"
                 "[Message1]\r\nText=two\r\nType=3\r\nDelay=TRUE\r\nTime=5\r\n",
                 AllOf(ShowsText(L"one", true), ShowsType(L"Warning Message"), ShowsMinutes(0))},
        LoadCase{"OneMebibyteText",
                 Message1({"Text=" + std::string(1 << 20, 'z'), "Type=2", "Delay=TRUE", "Time=7", "Buttons=HELP"}),
                 AllOf(ShowsText(std::wstring(1023, L'z'), true), ShowsType(L"Informational Message"),
                       ShowsMinutes(7),
                     ShowsButtons(L"Display Buttons:", L"HELP", DialogButton::Help))},
        LoadCase{"OneMebibyteOfCarets", Message1({"Text=" + std::string(1 << 20, '^'), "Type=3", "Delay=FALSE"}),
                 [](TfrmMain& f) {
                     std::wstring lines;
                     for (int i = 0; i < 1023; ++i)
                         lines += L"\r\n";
                     EXPECT_EQ(f.Memo1.Text(), lines);
                     EXPECT_TRUE(f.rbtnConfirmation.Selected());
                 }},
        LoadCase{"BinaryBytesInTheText",
                 Message1({"Text=a\x01\x02\x7F\x80\xA0\xFF" "b", "Type=3", "Delay=FALSE"}),
                 AllOf(ShowsText(L"a\x01\x02\x7F\x20AC\xA0\xFF" L"b", true), ShowsType(L"Confirmation Message"))},
        LoadCase{"ZeroByteEndsTheValue", std::string("[Message1]\r\nText=x\0y\r\nType=3\r\nDelay=FALSE\r\n", 44),
                 AllOf(ShowsText(L"x", true), ShowsType(L"Confirmation Message"))},
        LoadCase{"TypeBeyondThirtyTwoBits", Message1({"Text=x", "Type=2147483648", "Delay=FALSE"}),
                 kNoLoad, {}, {}, true},
        LoadCase{"TypeWithEveryBitSet", Message1({"Text=x", "Type=$FFFFFFFF", "Delay=FALSE"}),
                 ShowsType(L"Warning Message"), [](TfrmMain& f) { f.rbtnWarning.Select(); }},
        LoadCase{"TimeBeyondThirtyTwoBits", Message1({"Text=x", "Type=0", "Delay=TRUE", "Time=99999999999"}),
                 kNoLoad, [](TfrmMain& f) { SelectMinutes(f, 3); },
                 {L"'99999999999' is not a valid integer value"}},
        LoadCase{"BlanksAroundKeysAndValues",
                 Message1({"  Text =  two  words  ", " Type = 2 ", "Delay = TRUE ", "Time =  15 ", "Buttons = YES "}),
                 AllOf(ShowsText(L"two  words", true), ShowsType(L"Informational Message"),
                       ShowsMinutes(15),
                     ShowsButtons(L"Display Buttons:", L"YES", DialogButton::Yes))},
        LoadCase{"QuotedValues",
                 Message1({"Text=\"  quoted  \"", "Type=\"1\"", "Delay='TRUE'", "Time=\"5\"", "Buttons='NO'"}),
                 AllOf(ShowsText(L"  quoted  ", true), ShowsType(L"Warning Message"), ShowsMinutes(5),
                     ShowsButtons(L"Display Buttons:", L"NO", DialogButton::No))},
        LoadCase{"LineFeedsOnly", "[Message1]\nText=a^b\nType=3\nDelay=TRUE\nTime=5\nButtons=ALL\n",
                 AllOf(ShowsText(L"a\r\nb", true), ShowsType(L"Confirmation Message"), ShowsMinutes(5),
                     ShowsAllButtons())},
        LoadCase{"EmptyFile", "", kNoLoad, {},
                 {}, true}),
    [](const auto& info) { return std::string(info.param.name); });

// What cannot be loaded says why and loses nothing: the window keeps the
// message being designed, and the program goes on.
TEST_F(ConfigFileTest, WhatCannotBeLoadedSaysWhyAndLosesNothing)
{
    const std::wstring held = PathOf(L"held.cfg");
    WriteWholeFile(held, kExampleFile);
    const widgets::UniqueHandle<HANDLE, CloseHandle> lock(
        CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_NE(lock.get(), INVALID_HANDLE_VALUE);
    const struct {
        const char* what;
        std::wstring path;
        bool typeMessage;
        std::wstring reportedStart;  // of the error reported, if any
    } cases[] = {
        {"a file that is not there", PathOf(L"missing.cfg"), true, L""},
        {"a device", L"\\\\.\\NUL", true, L""},
        {"a file another program holds", held, false, L"Unable to read " + held + L": "},
    };
    form->Memo1.SetText(L"designed");
    UserClick(form->rbtnInformational);
    form->txtMinutes.SetText(L"7");
    const WindowState designed = StateOf(*form);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        g_reported.clear();
        const std::vector<SeenMessage> seen = LoadFrom(c.path);
        if (c.typeMessage)
            ExpectTheTypeMessage(seen);
        else
            EXPECT_TRUE(seen.empty());
        if (c.reportedStart.empty()) {
            EXPECT_TRUE(g_reported.empty());
        } else {
            ASSERT_EQ(g_reported.size(), 1u);
            EXPECT_EQ(g_reported[0].substr(0, c.reportedStart.size()), c.reportedStart);
            EXPECT_GT(g_reported[0].size(), c.reportedStart.size()) << "no reason given";
        }
        EXPECT_FALSE(TakeQuitRequest());
        EXPECT_EQ(StateOf(*form), designed);
        EXPECT_EQ(form->txtMinutes.Text(), L"7");
    }
    EXPECT_FALSE(std::filesystem::exists(PathOf(L"missing.cfg")));
}

TEST_F(ConfigFileTest, EachLoadShowsTheButtonsOfItsFile)
{
    const struct {
        const char* value;
        const wchar_t* ticks;
        DialogButtonSet set;
    } loads[] = {
        {"YES", L"YES", DialogButton::Yes},
        {"NO", L"NO", DialogButton::No},
        {"nothing", L"", 0},
        {"", L"", 0},
        {"ALL", L"YES NO OK CANCEL HELP ABORT RETRY IGNORE ALLBTN", AllShownButtons},
        {"HELP", L"HELP", DialogButton::Help},
    };
    const std::wstring path = PathOf(L"buttons.cfg");
    for (const auto& load : loads) {
        SCOPED_TRACE(load.value);
        WriteWholeFile(path, Message1({"Text=x", "Type=0", "Delay=FALSE", std::string("Buttons=") + load.value}));
        EXPECT_TRUE(LoadFrom(path).empty());
        EXPECT_EQ(StateOf(*form).ticks, load.ticks);
        EXPECT_EQ(form->GatherSettings().ButtonSet(), load.set);
    }
}

// ---------------------------------------------------------------------------
// Saving over files and saving where the platform refuses.

TEST_F(ConfigFileTest, SavingOverAFileKeepsWhatElseItHolds)
{
    const std::wstring path = PathOf(L"shared.cfg");
    WriteWholeFile(path,
           "[Before]\r\nKeep=1\r\n\r\n"
           "[Message1]\r\nExtra=stays\r\nType=0\r\nText=old\r\nButtons=ALL\r\n\r\n"
           "[After]\r\nKeep=2\r\n");
    form->Memo1.SetText(L"new");
    UserClick(form->rbtnInformational);
    UserClick(form->chkOK);
    form->TrackBar1.SetPosition(5);
    SaveTo(path);
    EXPECT_TRUE(g_reported.empty());

    const std::string contents = FileContents(path);
    EXPECT_EQ(LinesOfSection(contents, "Before"), (SectionLines{{"Keep", "1"}}));
    EXPECT_EQ(LinesOfSection(contents, "After"), (SectionLines{{"Keep", "2"}}));
    const SectionLines message = LinesOfSection(contents, "Message1");
    std::vector<std::string> keys = KeysOf(message);
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, (std::vector<std::string>{"Buttons", "Delay", "Extra", "Text", "Time", "Type"}));
    EXPECT_EQ(ValueOf(message, "Extra"), "stays");
    EXPECT_EQ(ValueOf(message, "Text"), "new");
    EXPECT_EQ(ValueOf(message, "Type"), "2");
    EXPECT_EQ(ValueOf(message, "Delay"), "TRUE");
    EXPECT_EQ(ValueOf(message, "Time"), "5");
    EXPECT_EQ(ValueOf(message, "Buttons"), "OK");

    const WindowState saved = StateOf(*form);
    NewWindow();
    EXPECT_TRUE(LoadFrom(path).empty());
    EXPECT_EQ(StateOf(*form), saved);
}

TEST_F(ConfigFileTest, RefusedSaveIsReportedAndTheWindowGoesOn)
{
    std::filesystem::create_directory(PathOf(L"a folder"));
    const std::wstring locked = PathOf(L"locked.cfg");
    WriteWholeFile(locked, "[Message1]\r\nText=before\r\n");
    // Opened without sharing: even a user who may write anywhere cannot.
    widgets::UniqueHandle<HANDLE, CloseHandle> lock(CreateFileW(
        locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_NE(lock.get(), INVALID_HANDLE_VALUE);

    form->Memo1.SetText(L"designed");
    UserClick(form->rbtnWarning);
    const WindowState designed = StateOf(*form);
    for (const std::wstring& path : {PathOf(L"no such folder\\msg.cfg"), PathOf(L"a folder"), locked}) {
        SCOPED_TRACE(path);
        g_reported.clear();
        SaveTo(path);
        EXPECT_EQ(g_reported, std::vector<std::wstring>{L"Unable to write to " + path});
        EXPECT_EQ(form->configFileName(), path);
        EXPECT_EQ(StateOf(*form), designed);
        EXPECT_FALSE(TakeQuitRequest());
    }
    EXPECT_FALSE(std::filesystem::exists(PathOf(L"no such folder")));
    EXPECT_TRUE(std::filesystem::is_empty(PathOf(L"a folder")));
    lock.reset();
    EXPECT_EQ(FileContents(locked), "[Message1]\r\nText=before\r\n");

    // The window goes on, and a save to a good place works.
    UserClick(form->chkYes);
    EXPECT_TRUE(form->chkYes.Checked());
    g_reported.clear();
    SaveTo(PathOf(L"good.cfg"));
    EXPECT_TRUE(g_reported.empty());
    EXPECT_EQ(ValueOf(LinesOfSection(FileContents(PathOf(L"good.cfg")), "Message1"), "Buttons"), "YES");
}

TEST_F(ConfigFileTest, SavingOverAReadOnlyFileIsReported)
{
    const std::wstring path = PathOf(L"read-only.cfg");
    if (!WriteReadOnlyFile(path, "[Message1]\r\nText=before\r\n"))
        GTEST_SKIP() << "this user may write read-only files (a Unix root user under Wine); "
                     "the refused saves above cover the report";
    form->Memo1.SetText(L"designed");
    SaveTo(path);
    EXPECT_EQ(g_reported, std::vector<std::wstring>{L"Unable to write to " + path});
    EXPECT_EQ(FileContents(path), "[Message1]\r\nText=before\r\n");
    EXPECT_FALSE(TakeQuitRequest());
}

// ---------------------------------------------------------------------------
// The platform's file dialogs.

TEST_F(ConfigFileTest, SaveDialogOffersTheLastPathAndAddsTheExtension)
{
    form->Memo1.SetText(L"first");
    const std::wstring first = PathOf(L"first.cfg");
    WithFileDialog(kSaveTitle, [&] { UserClick(form->btnSave); }, [&](HWND dialog) { ChooseName(dialog, first); });
    EXPECT_EQ(form->configFileName(), first);
    EXPECT_EQ(ValueOf(LinesOfSection(FileContents(first), "Message1"), "Text"), "first");

    // F2 opens it again with the full path chosen last time; a name typed
    // without an extension gets ".cfg".
    form->Memo1.SetText(L"second");
    form->Memo1.Focus();
    WithFileDialog(kSaveTitle, [&] { PressKey(VK_F2); }, [&](HWND dialog) {
        EXPECT_EQ(uia::Text(FileNameBox(dialog)), "first.cfg");
        EXPECT_EQ(OfferedPath(dialog), first);
        ChooseName(dialog, PathOf(L"second"));
    });
    EXPECT_EQ(form->configFileName(), PathOf(L"second.cfg"));
    EXPECT_EQ(ValueOf(LinesOfSection(FileContents(PathOf(L"second.cfg")), "Message1"), "Text"), "second");

    // An existing file is replaced without a question.
    form->Memo1.SetText(L"third");
    WithFileDialog(kSaveTitle, [&] { UserClick(form->btnSave); }, [&](HWND dialog) {
        ChooseName(dialog, first);
        if (!uia::WaitForWindowGone(dialog, 5s)) {
            ADD_FAILURE() << "the dialog asked before replacing the file";
            if (const HWND question = BoxOwnedBy(dialog))
                uia::Click(GetDlgItem(question, IDNO));
        }
    });
    EXPECT_EQ(ValueOf(LinesOfSection(FileContents(first), "Message1"), "Text"), "third");
    EXPECT_TRUE(g_reported.empty());
}

TEST_F(ConfigFileTest, OpenDialogLoadsTheChosenFile)
{
    // A name the ANSI code page cannot hold.
    const std::wstring path = PathOf(L"\x041D\x0430\x043F\x043E\x043C\x0438\x043D\x0430\x043D\x0438\x0435.cfg");
    WriteWholeFile(path, kExampleFile);
    form->Memo1.Focus();
    WithFileDialog(kLoadTitle, [&] { PressKey(VK_F3); }, [&](HWND dialog) {
        EXPECT_EQ(uia::Text(FileNameBox(dialog)), "msg.cfg");
        ChooseName(dialog, path);
    });
    EXPECT_EQ(form->configFileName(), path);
    const WindowState s = StateOf(*form);
    EXPECT_EQ(s.text, L"Back soon\r\nWait here");
    EXPECT_EQ(s.type, L"Warning Message");
    EXPECT_EQ(s.ticks, L"YES NO IGNORE");
    EXPECT_EQ(s.position, 15);
    EXPECT_FALSE(TakeQuitRequest());
    EXPECT_TRUE(g_reported.empty());

    // The Load button opens it with that path, and the file loads again.
    form->Memo1.SetText(L"changed");
    WithFileDialog(kLoadTitle, [&] { UserClick(form->btnLoad); }, [&](HWND dialog) {
        EXPECT_EQ(OfferedPath(dialog), path);
        EXPECT_TRUE(uia::Click(GetDlgItem(dialog, IDOK)));
    });
    EXPECT_EQ(form->Memo1.Text(), L"Back soon\r\nWait here");
}

TEST_F(ConfigFileTest, OpenDialogRefusesANameThatIsNotThereAndNothingIsLost)
{
    form->Memo1.SetText(L"my message");
    UserClick(form->rbtnWarning);
    UserClick(form->chkRetry);
    const WindowState designed = StateOf(*form);
    const std::wstring typo = PathOf(L"mgs.cfg");

    MessageWatch watch;
    WithFileDialog(kLoadTitle, [&] { UserClick(form->btnLoad); }, [&](HWND dialog) {
        ChooseName(dialog, typo);
        HWND complaint = nullptr;
        EXPECT_TRUE(uia::WaitUntil([&] { return (complaint = BoxOwnedBy(dialog)) != nullptr; }, 5s))
            << "the dialog did not complain about the name";
        if (complaint) {
            EXPECT_TRUE(uia::Click(GetDlgItem(complaint, IDOK)));
            EXPECT_TRUE(uia::WaitForWindowGone(complaint, 5s));
        }
        EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog closed on a name that is not there";
        Cancel(dialog);
    });
    EXPECT_TRUE(watch.Stop().empty());
    EXPECT_EQ(StateOf(*form), designed);
    EXPECT_EQ(form->configFileName(), L"");
    EXPECT_FALSE(std::filesystem::exists(typo));
    EXPECT_FALSE(TakeQuitRequest());
    EXPECT_TRUE(g_reported.empty());
}

TEST_F(ConfigFileTest, CancellingEitherDialogChangesNothing)
{
    const std::wstring path = PathOf(L"existing.cfg");
    WriteWholeFile(path, kExampleFile);
    form->Memo1.SetText(L"designed");
    UserClick(form->rbtnConfirmation);
    UserClick(form->rbtnShowAll);
    form->setConfigFileName(path);
    const WindowState designed = StateOf(*form);

    const auto menuItem = [this](int position) {
        const HMENU file = GetSubMenu(GetMenu(form->Handle()), 0);
        SendMessageW(form->Handle(), WM_COMMAND, GetMenuItemID(file, position), 0);
    };
    const struct {
        const char* way;
        const char* title;
        std::function<void()> open;
    } ways[] = {
        {"Save button", kSaveTitle, [&] { UserClick(form->btnSave); }},
        {"F2", kSaveTitle, [&] { form->Memo1.Focus(); PressKey(VK_F2); }},
        {"Save menu item", kSaveTitle, [&] { menuItem(1); }},
        {"Load button", kLoadTitle, [&] { UserClick(form->btnLoad); }},
        {"F3", kLoadTitle, [&] { form->chkYes.Focus(); PressKey(VK_F3); }},
        {"Load menu item", kLoadTitle, [&] { menuItem(0); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        WithFileDialog(way.title, way.open, [&](HWND dialog) {
            EXPECT_EQ(uia::Text(FileNameBox(dialog)), "msg.cfg");
            Cancel(dialog);
        });
        EXPECT_EQ(StateOf(*form), designed);
        EXPECT_EQ(form->configFileName(), path);
        EXPECT_EQ(FileContents(path), kExampleFile);
    }
    EXPECT_FALSE(TakeQuitRequest());
    EXPECT_TRUE(g_reported.empty());
}

}  // namespace
}  // namespace brevant
