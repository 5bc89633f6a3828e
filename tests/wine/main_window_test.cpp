// The configuration window against real controls: its layout, its start-up
// presets, how its controls update one another, the keyboard, and what
// happens to an error raised in one of its handlers.
#include "main_window_fixture.h"

#include "text/clock.h"
#include "text/error.h"

#include <string>
#include <vector>

namespace brevant {
namespace {

// Where each control stands is checked against what every layout must keep,
// at each display scale, by the scale tests.
TEST_F(MainWindowTest, HasItsClientSizeAndMenu)
{
    Show();
    RECT client;
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, 585);
    EXPECT_EQ(client.bottom, 379);
    EXPECT_NE(GetMenu(form->Handle()), nullptr);
}

// The tip of the control under the resting mouse, or null while none shows.
HWND ShownTipOf(HWND form)
{
    HWND shown = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) {
            char className[32] = {};
            GetClassNameA(window, className, sizeof className);
            if (lstrcmpiA(className, TOOLTIPS_CLASSA) == 0 && IsWindowVisible(window))
                *reinterpret_cast<HWND*>(found) = window;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&shown));
    return shown && GetWindow(shown, GW_OWNER) == form ? shown : nullptr;
}

TEST_F(MainWindowTest, HintShowsWhileTheMouseRestsOnAControlAndGoesWithTheWindow)
{
    Show();
    const HWND button = form->btnOK.Handle();
    RECT bounds;
    GetWindowRect(button, &bounds);
    SetCursorPos((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
    PostMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM((bounds.right - bounds.left) / 2, (bounds.bottom - bounds.top) / 2));
    HWND tip = nullptr;
    for (int waited = 0; !tip && waited < 3000; waited += 20) {
        Pump();
        tip = ShownTipOf(form->Handle());
        Sleep(20);
    }
    ASSERT_NE(tip, nullptr) << "no tip after 3 s";
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    ASSERT_TRUE(SendMessageA(tip, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&tool)));
    EXPECT_EQ(reinterpret_cast<HWND>(tool.uId), button);

    ShowWindow(form->Handle(), SW_HIDE);
    Pump();
    EXPECT_EQ(ShownTipOf(form->Handle()), nullptr);
}

TEST_F(MainWindowTest, StartsInItsInitialState)
{
    Show();
    EXPECT_TRUE(form->chkMessage.Checked());
    EXPECT_TRUE(form->Memo1.Enabled());
    EXPECT_EQ(DrawnBackground(form->Memo1), GetSysColor(COLOR_WINDOW));
    EXPECT_TRUE(form->rbtnError.Selected());
    EXPECT_TRUE(form->rbtnDisplayButtons.Selected());
    for (widgets::CheckBox* box : form->buttonChecks) {
        EXPECT_FALSE(box->Checked());
        EXPECT_TRUE(box->Enabled());
    }
    EXPECT_TRUE(form->rbtnMinutes.Selected());
    EXPECT_EQ(form->txtMinutes.Text(), "0");
    EXPECT_EQ(form->lblminutes.Text(), "minutes");
    EXPECT_EQ(form->TrackBar1.Position(), 0);
    EXPECT_FALSE(form->txtTime.Enabled());
    EXPECT_EQ(DrawnBackground(form->txtTime), GetSysColor(COLOR_MENU));
    EXPECT_TRUE(form->chkMessage.Focused());
    EXPECT_TRUE(g_reported.empty());
}

TEST_F(MainWindowTest, WindowModePresetsCaptionTimeAndTaskbarEntry)
{
    const TimeValue before = CurrentDateTime();
    Show();
    const TimeValue after = CurrentDateTime();

    EXPECT_EQ(form->Caption(), "Brevant v1.03");
    const TimeValue picked = ComposeDateTime(PartsOfSystemTime(form->txtTime.Value()));
    // The picker keeps whole milliseconds of the current date and time.
    EXPECT_GE(picked, before - 1.0 / 86400000);
    EXPECT_LE(picked, after + 1.0 / 86400000);
    EXPECT_FALSE(IsWindowVisible(app->Handle()));
    EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), app->Handle());
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST_F(MainWindowTest, ShowAllButtonsTicksAndEnablesAllNine)
{
    Show();
    UserClick(form->rbtnNoButtons);
    for (widgets::CheckBox* box : form->buttonChecks)
        EXPECT_FALSE(box->Enabled());

    UserClick(form->rbtnShowAll);
    EXPECT_FALSE(form->rbtnNoButtons.Selected());
    for (widgets::CheckBox* box : form->buttonChecks) {
        EXPECT_TRUE(box->Checked());
        EXPECT_TRUE(box->Enabled());
    }

    // Hide Buttons again disables them and keeps the ticks.
    UserClick(form->rbtnNoButtons);
    for (widgets::CheckBox* box : form->buttonChecks) {
        EXPECT_TRUE(box->Checked());
        EXPECT_FALSE(box->Enabled());
    }
}

TEST_F(MainWindowTest, UntickingABoxUnderShowAllSelectsDisplayButtons)
{
    Show();
    UserClick(form->rbtnShowAll);
    UserClick(form->chkAll);
    EXPECT_FALSE(form->chkAll.Checked());
    EXPECT_TRUE(form->rbtnDisplayButtons.Selected());
    EXPECT_FALSE(form->rbtnShowAll.Selected());
    int ticked = 0;
    for (widgets::CheckBox* box : form->buttonChecks)
        ticked += box->Checked();
    EXPECT_EQ(ticked, 8);

    // Ticking never changes the radio group.
    UserClick(form->chkAll);
    EXPECT_TRUE(form->rbtnDisplayButtons.Selected());
}

TEST_F(MainWindowTest, SelectingTheSelectedRadioButtonRaisesNothing)
{
    Show();
    UserClick(form->rbtnShowAll);
    form->chkYes.SetChecked(false);  // now "Display Buttons:"
    UserClick(form->rbtnShowAll);
    form->chkNo.SetChecked(false);
    UserClick(form->rbtnNoButtons);
    // A second click on the selected "Hide Buttons" must not enable the boxes again.
    UserClick(form->rbtnNoButtons);
    EXPECT_FALSE(form->chkYes.Enabled());

    int clicks = 0;
    form->rbtnShowAll.onClick = [&] { ++clicks; };
    form->rbtnShowAll.Select();
    form->rbtnShowAll.Select();
    UserClick(form->rbtnShowAll);
    EXPECT_EQ(clicks, 1);
}

TEST_F(MainWindowTest, OnlyTheSelectedRadioButtonOfAGroupIsATabStop)
{
    Show();
    auto tabStop = [](const widgets::Control& c) {
        return (GetWindowLongPtrA(c.Handle(), GWL_STYLE) & WS_TABSTOP) != 0;
    };
    EXPECT_TRUE(tabStop(form->rbtnError));
    EXPECT_FALSE(tabStop(form->rbtnWarning));
    UserClick(form->rbtnWarning);
    EXPECT_FALSE(tabStop(form->rbtnError));
    EXPECT_TRUE(tabStop(form->rbtnWarning));
    EXPECT_FALSE(form->rbtnError.Selected());
}

TEST_F(MainWindowTest, CheckBoxRaisesItsClickOnEveryChangeOnly)
{
    Show();
    int clicks = 0;
    form->chkOK.onClick = [&] { ++clicks; };
    form->chkOK.SetChecked(true);
    form->chkOK.SetChecked(true);
    EXPECT_EQ(clicks, 1);
    UserClick(form->chkOK);
    EXPECT_FALSE(form->chkOK.Checked());
    EXPECT_EQ(clicks, 2);
    form->chkOK.Focus();
    PostMessageA(form->chkOK.Handle(), WM_KEYDOWN, VK_SPACE, 1);
    PostMessageA(form->chkOK.Handle(), WM_KEYUP, VK_SPACE, 0xC0000001);
    Pump();
    EXPECT_TRUE(form->chkOK.Checked());
    EXPECT_EQ(clicks, 3);
}

TEST_F(MainWindowTest, MessageTextSwitchGreysTheTextButKeepsIt)
{
    Show();
    form->Memo1.SetText("Back soon\r\nWait here");
    UserClick(form->chkMessage);
    EXPECT_FALSE(form->Memo1.Enabled());
    EXPECT_EQ(DrawnBackground(form->Memo1), GetSysColor(COLOR_MENU));
    EXPECT_EQ(form->Memo1.Text(), "Back soon\r\nWait here");
    UserClick(form->chkMessage);
    EXPECT_TRUE(form->Memo1.Enabled());
    EXPECT_EQ(DrawnBackground(form->Memo1), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(form->Memo1.Text(), "Back soon\r\nWait here");
}

TEST_F(MainWindowTest, DelayRadioButtonsSwitchPickerAndTrackBar)
{
    Show();
    UserClick(form->rbtnTime);
    EXPECT_TRUE(form->txtTime.Enabled());
    EXPECT_EQ(DrawnBackground(form->txtTime), GetSysColor(COLOR_WINDOW));
    EXPECT_FALSE(form->TrackBar1.Enabled());
    EXPECT_TRUE(form->txtMinutes.Enabled());
    UserClick(form->rbtnMinutes);
    EXPECT_FALSE(form->txtTime.Enabled());
    EXPECT_EQ(DrawnBackground(form->txtTime), GetSysColor(COLOR_MENU));
    EXPECT_TRUE(form->TrackBar1.Enabled());
}

TEST_F(MainWindowTest, MinutesEditMovesTheTrackBarOnly)
{
    Show();
    form->txtMinutes.Focus();
    SendMessageA(form->txtMinutes.Handle(), EM_SETSEL, 0, -1);
    TypeChar(form->txtMinutes.Handle(), '9');
    EXPECT_EQ(form->txtMinutes.Text(), "9");
    EXPECT_EQ(form->TrackBar1.Position(), 9);
    EXPECT_EQ(Hint(form->TrackBar1), "0 minutes");
    EXPECT_EQ(form->lblminutes.Text(), "minutes");

    // Typing "05" leaves the text as typed while the thumb stands at 5.
    SendMessageA(form->txtMinutes.Handle(), EM_SETSEL, 0, -1);
    TypeChar(form->txtMinutes.Handle(), '0');
    TypeChar(form->txtMinutes.Handle(), '5');
    EXPECT_EQ(form->txtMinutes.Text(), "05");
    EXPECT_EQ(form->TrackBar1.Position(), 5);

    // An emptied edit leaves the thumb where it was.
    form->txtMinutes.SetText("");
    EXPECT_EQ(form->TrackBar1.Position(), 5);
}

TEST_F(MainWindowTest, MinutesEditCapsAtSixty)
{
    Show();
    form->txtMinutes.Focus();
    SendMessageA(form->txtMinutes.Handle(), EM_SETSEL, 0, -1);
    TypeChar(form->txtMinutes.Handle(), '7');
    TypeChar(form->txtMinutes.Handle(), '5');
    EXPECT_EQ(form->txtMinutes.Text(), "60");
    EXPECT_EQ(form->TrackBar1.Position(), 60);
}

TEST_F(MainWindowTest, MinutesEditTakesOnlyDigitsAndBackspace)
{
    Show();
    form->txtMinutes.Focus();
    SendMessageA(form->txtMinutes.Handle(), EM_SETSEL, 1, 1);
    for (char c : std::string("a-+ .x"))
        TypeChar(form->txtMinutes.Handle(), c);
    EXPECT_EQ(form->txtMinutes.Text(), "0");
    TypeChar(form->txtMinutes.Handle(), '3');
    EXPECT_EQ(form->txtMinutes.Text(), "03");
    TypeChar(form->txtMinutes.Handle(), '\b');
    EXPECT_EQ(form->txtMinutes.Text(), "0");
    EXPECT_TRUE(g_reported.empty());

    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(TfrmMain::IsDigitKey(static_cast<char>(c)), c >= '0' && c <= '9') << c;
}

struct ScrollCase {
    const char* name;
    int startPosition;
    UINT key;
    int position;
    const char* edit;
    const char* hint;
    const char* label;
};

class TrackBarScrollTest : public MainWindowTest, public ::testing::WithParamInterface<ScrollCase> {};

TEST_P(TrackBarScrollTest, UserScrollWritesEditHintAndLabel)
{
    const ScrollCase& c = GetParam();
    Show();
    form->TrackBar1.SetPosition(c.startPosition);
    form->txtMinutes.SetText("9");
    form->TrackBar1.SetPosition(c.startPosition);
    form->TrackBar1.Focus();
    PressKey(c.key);
    EXPECT_EQ(form->TrackBar1.Position(), c.position);
    EXPECT_EQ(form->txtMinutes.Text(), c.edit);
    EXPECT_EQ(Hint(form->TrackBar1), c.hint);
    EXPECT_EQ(form->lblminutes.Text(), c.label);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, TrackBarScrollTest,
    ::testing::Values(ScrollCase{"ToOne", 0, VK_RIGHT, 1, "1", "1 minute", "minute"},
                      ScrollCase{"ToZero", 1, VK_LEFT, 0, "0", "Display message right away", "minutes"},
                      // A scroll that leaves the position where it was is a change all the same.
                      ScrollCase{"StaysAtZero", 0, VK_LEFT, 0, "0", "Display message right away", "minutes"},
                      ScrollCase{"PageRight", 23, VK_NEXT, 25, "25", "25 minutes", "minutes"},
                      ScrollCase{"ToSixty", 60, VK_RIGHT, 60, "60", "60 minutes", "minutes"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, TrackBarPositionFromTheProgramIsClampedAndRaisesNothing)
{
    Show();
    form->TrackBar1.SetPosition(90);
    EXPECT_EQ(form->TrackBar1.Position(), 60);
    form->TrackBar1.SetPosition(-5);
    EXPECT_EQ(form->TrackBar1.Position(), 0);
    EXPECT_EQ(form->txtMinutes.Text(), "0");
    EXPECT_EQ(Hint(form->TrackBar1), "0 minutes");
}

TEST_F(MainWindowTest, PastedNonNumberIsReportedAndTheWindowGoesOn)
{
    Show();
    form->TrackBar1.SetPosition(7);
    // A paste arrives as a text change that no key filter sees.
    SendMessageA(form->txtMinutes.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("ab"));
    Pump();
    ASSERT_EQ(g_reported.size(), 1u);
    EXPECT_EQ(g_reported[0], "'ab' is not a valid integer value");
    EXPECT_EQ(form->TrackBar1.Position(), 7);
    EXPECT_EQ(form->txtMinutes.Text(), "ab");

    UserClick(form->chkYes);
    EXPECT_TRUE(form->chkYes.Checked());
}

TEST_F(MainWindowTest, ErrorInANestedHandlerAbandonsTheOuterHandler)
{
    Show();
    UserClick(form->rbtnNoButtons);
    // Hide Buttons is selected; the first of the nine ticks fails.
    form->chkYes.onClick = [] { throw Error("first tick failed"); };
    UserClick(form->rbtnShowAll);
    ASSERT_EQ(g_reported.size(), 1u);
    EXPECT_EQ(g_reported[0], "first tick failed");
    EXPECT_TRUE(form->chkYes.Checked());
    EXPECT_FALSE(form->chkNo.Checked());
    // The rest of the handler, enabling the boxes, did not run.
    EXPECT_FALSE(form->chkNo.Enabled());
}

TEST_F(MainWindowTest, EnterPressesTheFocusedButtonOrTheDefault)
{
    Show();
    std::vector<std::string> pressed;
    form->btnOK.onClick = [&] { pressed.push_back("OK"); };
    form->btnPreview.onClick = [&] { pressed.push_back("Preview"); };

    form->chkYes.Focus();
    PressKey(VK_RETURN);
    form->txtMinutes.Focus();
    PressKey(VK_RETURN);
    form->btnPreview.Focus();
    PressKey(VK_RETURN);
    EXPECT_EQ(pressed, (std::vector<std::string>{"OK", "OK", "Preview"}));
    EXPECT_TRUE(form->btnPreview.HasDefaultFrame());
    EXPECT_FALSE(form->btnOK.HasDefaultFrame());
    form->chkYes.Focus();
    Pump();
    EXPECT_TRUE(form->btnOK.HasDefaultFrame());
    EXPECT_FALSE(form->btnPreview.HasDefaultFrame());
}

TEST_F(MainWindowTest, EnterInTheMessageTextMakesANewLine)
{
    Show();
    bool okPressed = false;
    form->btnOK.onClick = [&] { okPressed = true; };
    form->Memo1.Focus();
    TypeChar(form->Memo1.Handle(), 'a');
    PressKey(VK_RETURN);
    TypeChar(form->Memo1.Handle(), 'b');
    EXPECT_FALSE(okPressed);
    EXPECT_EQ(form->Memo1.Text(), "a\r\nb");
}

TEST_F(MainWindowTest, EscapePressesCancel)
{
    Show();
    int cancels = 0;
    form->btnCancel.onClick = [&] { ++cancels; };
    form->Memo1.Focus();
    PressKey(VK_ESCAPE);
    form->rbtnError.Focus();
    PressKey(VK_ESCAPE);
    EXPECT_EQ(cancels, 2);
}

struct EndingCase {
    const char* name;
    void (*act)(TfrmMain&);
};

class EndingTest : public MainWindowTest, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(EndingTest, RequestsTermination)
{
    Show();
    TakeQuitRequest();
    GetParam().act(*form);
    MSG message;
    EXPECT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, EndingTest,
    ::testing::Values(
        EndingCase{"CancelButton", [](TfrmMain& f) { SendMessageA(f.btnCancel.Handle(), BM_CLICK, 0, 0); }},
        EndingCase{"CloseBox", [](TfrmMain& f) { SendMessageA(f.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
        EndingCase{"ExitMenu",
                   [](TfrmMain& f) {
                       HMENU file = GetSubMenu(GetMenu(f.Handle()), 0);
                       SendMessageA(f.Handle(), WM_COMMAND, GetMenuItemID(file, 3), 0);
                   }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, MenuHoldsItsItemsAndShortcuts)
{
    Show();
    HMENU bar = GetMenu(form->Handle());
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    auto text = [](HMENU menu, int position) {
        char buffer[128] = {};
        GetMenuStringA(menu, position, buffer, sizeof buffer, MF_BYPOSITION);
        return std::string(buffer);
    };
    EXPECT_EQ(text(bar, 0), "&File");
    EXPECT_EQ(text(bar, 1), "&About");
    HMENU file = GetSubMenu(bar, 0);
    EXPECT_EQ(text(file, 0), "&Load Config File...\tF3");
    EXPECT_EQ(text(file, 1), "&Save Config File...\tF2");
    EXPECT_EQ(GetMenuState(file, 2, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(text(file, 3), "E&xit\tAlt+F4");
    EXPECT_EQ(text(GetSubMenu(bar, 1), 0), "&About Brevant...\tF1");
}

TEST_F(MainWindowTest, TabVisitsTheControlsInTabOrder)
{
    Show();
    const HWND expected[] = {form->chkMessage.Handle(), form->Memo1.Handle(), form->rbtnError.Handle(),
                             form->rbtnDisplayButtons.Handle(), form->chkYes.Handle()};
    for (size_t i = 1; i < std::size(expected); ++i) {
        PressKey(VK_TAB);
        EXPECT_EQ(GetFocus(), expected[i]) << i;
    }
    PressKey(VK_TAB, /*shift=*/true);
    EXPECT_EQ(GetFocus(), form->rbtnDisplayButtons.Handle());

    // In the delay group the picker comes before its radio button; the
    // disabled track bar is passed over.
    UserClick(form->rbtnTime);
    form->txtMinutes.Focus();
    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), form->txtTime.Handle());
    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), form->rbtnTime.Handle());
}

TEST_F(MainWindowTest, AcceleratorsActOnTheirControls)
{
    Show();
    int previews = 0;
    form->btnPreview.onClick = [&] { ++previews; };
    form->Memo1.Focus();
    TypeChar(form->Memo1.Handle(), 'p', WM_SYSCHAR);
    EXPECT_EQ(previews, 1);

    // A check box takes the focus and toggles.
    TypeChar(form->Memo1.Handle(), 'l', WM_SYSCHAR);
    EXPECT_TRUE(form->chkAll.Checked());
    EXPECT_TRUE(form->chkAll.Focused());

    // Without Alt while the focus is on a control that takes no characters.
    TypeChar(form->chkAll.Handle(), 'y');
    EXPECT_TRUE(form->chkYes.Checked());

    // In an edit the letter is text.
    form->Memo1.Focus();
    TypeChar(form->Memo1.Handle(), 'y');
    EXPECT_EQ(form->Memo1.Text(), "y");
    EXPECT_EQ(previews, 1);
}

struct ArrowCase {
    const char* name;
    widgets::RadioButton TfrmMain::*from;  // selected by a click, then focused
    UINT key;
    widgets::RadioButton TfrmMain::*selected;
    // What the chained handlers leave enabled afterwards.
    bool buttonChecksEnabled, pickerEnabled;
};

class ArrowKeyTest : public MainWindowTest, public ::testing::WithParamInterface<ArrowCase> {};

// The arrow keys move the focus round a radio group and select the radio
// button they reach, whose click runs as a mouse click's would.
TEST_P(ArrowKeyTest, MovesAndSelectsWithinTheRadioGroup)
{
    const ArrowCase& c = GetParam();
    Show();
    UserClick(form.get()->*c.from);
    (form.get()->*c.from).Focus();
    PressKey(c.key);
    EXPECT_TRUE((form.get()->*c.selected).Selected());
    EXPECT_TRUE((form.get()->*c.selected).Focused());
    EXPECT_EQ(form->chkYes.Enabled(), c.buttonChecksEnabled);
    EXPECT_EQ(form->chkIgnore.Checked(), c.selected == &TfrmMain::rbtnShowAll);
    EXPECT_EQ(form->txtTime.Enabled(), c.pickerEnabled);
    EXPECT_NE(form->TrackBar1.Enabled(), c.pickerEnabled);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, ArrowKeyTest,
    ::testing::Values(
        ArrowCase{"DownToWarning", &TfrmMain::rbtnError, VK_DOWN, &TfrmMain::rbtnWarning, true, false},
        ArrowCase{"RightToWarning", &TfrmMain::rbtnError, VK_RIGHT, &TfrmMain::rbtnWarning, true, false},
        ArrowCase{"UpRoundToConfirmation", &TfrmMain::rbtnError, VK_UP, &TfrmMain::rbtnConfirmation, true, false},
        ArrowCase{"DownRoundToError", &TfrmMain::rbtnConfirmation, VK_DOWN, &TfrmMain::rbtnError, true, false},
        ArrowCase{"LeftToInformational", &TfrmMain::rbtnConfirmation, VK_LEFT, &TfrmMain::rbtnInformational, true,
                  false},
        ArrowCase{"UpToHideButtons", &TfrmMain::rbtnDisplayButtons, VK_UP, &TfrmMain::rbtnNoButtons, false, false},
        ArrowCase{"DownToShowAll", &TfrmMain::rbtnDisplayButtons, VK_DOWN, &TfrmMain::rbtnShowAll, true, false},
        ArrowCase{"UpRoundToShowAll", &TfrmMain::rbtnNoButtons, VK_UP, &TfrmMain::rbtnShowAll, true, false},
        ArrowCase{"DownToClockTime", &TfrmMain::rbtnMinutes, VK_DOWN, &TfrmMain::rbtnTime, true, true},
        ArrowCase{"DownRoundToMinutes", &TfrmMain::rbtnTime, VK_DOWN, &TfrmMain::rbtnMinutes, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ArrowsOverOtherControlsKeepTheirMeaning)
{
    Show();
    form->TrackBar1.Focus();
    PressKey(VK_RIGHT);
    EXPECT_EQ(form->TrackBar1.Position(), 1);
    EXPECT_TRUE(form->TrackBar1.Focused());
    EXPECT_TRUE(form->rbtnMinutes.Selected());
    form->chkYes.Focus();
    PressKey(VK_DOWN);
    EXPECT_TRUE(form->chkYes.Focused());
}

// With the platform's keyboard cues off, the window hides its focus
// rectangles and accelerators as it shows and shows them once the keyboard
// is used. (Wine keeps no such state: the messages are what can be seen.)
std::vector<WPARAM> g_uiStateUpdates;

LRESULT CALLBACK RecordUiStateUpdates(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (sent->message == WM_UPDATEUISTATE && widgets::Window::FromHandle(sent->hwnd))
        g_uiStateUpdates.push_back(sent->wParam);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(MainWindowTest, KeyboardCuesHideAtShowAndShowOnceTheKeyboardIsUsed)
{
    BOOL cues = TRUE;
    SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &cues, 0);
    SystemParametersInfoA(SPI_SETKEYBOARDCUES, 0, nullptr, 0);
    g_uiStateUpdates.clear();
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, &RecordUiStateUpdates, nullptr, GetCurrentThreadId());
    Show();
    PressKey(VK_TAB);
    UnhookWindowsHookEx(hook);
    SystemParametersInfoA(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(cues)), 0);
    constexpr WORD kBoth = UISF_HIDEFOCUS | UISF_HIDEACCEL;
    ASSERT_FALSE(g_uiStateUpdates.empty());
    EXPECT_EQ(g_uiStateUpdates.front(), MAKEWPARAM(UIS_SET, kBoth));
    EXPECT_EQ(g_uiStateUpdates.back(), MAKEWPARAM(UIS_CLEAR, kBoth));
}

}  // namespace
}  // namespace brevant
