// The configuration window against real controls: its layout, its start-up
// presets, how its controls update one another, the keyboard, and what
// happens to an error raised in one of its handlers.
#include "main_window_fixture.h"

#include "automation/find.h"
#include "automation/read.h"
#include "unicode_texts.h"

#include "text/clock.h"
#include "text/error.h"
#include "text/unicode_text.h"

#include <string>
#include <vector>
#include <iterator>

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
            wchar_t className[32] = {};
            GetClassNameW(window, className, static_cast<int>(std::size(className)));
            if (lstrcmpiW(className, TOOLTIPS_CLASSW) == 0 && IsWindowVisible(window))
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
    PostMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM((bounds.right - bounds.left) / 2, (bounds.bottom - bounds.top) / 2));
    HWND tip = nullptr;
    for (int waited = 0; !tip && waited < 3000; waited += 20) {
        Pump();
        tip = ShownTipOf(form->Handle());
        Sleep(20);
    }
    ASSERT_NE(tip, nullptr) << "no tip after 3 s";
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    ASSERT_TRUE(SendMessageW(tip, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&tool)));
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
    EXPECT_EQ(form->txtMinutes.Text(), L"0");
    EXPECT_EQ(form->lblminutes.Text(), L"minutes");
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

    EXPECT_EQ(form->Caption(), L"Brevant v1.03");
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
        return (GetWindowLongPtrW(c.Handle(), GWL_STYLE) & WS_TABSTOP) != 0;
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
    PostMessageW(form->chkOK.Handle(), WM_KEYDOWN, VK_SPACE, 1);
    PostMessageW(form->chkOK.Handle(), WM_KEYUP, VK_SPACE, 0xC0000001);
    Pump();
    EXPECT_TRUE(form->chkOK.Checked());
    EXPECT_EQ(clicks, 3);
}

TEST_F(MainWindowTest, MessageTextSwitchGreysTheTextButKeepsIt)
{
    Show();
    form->Memo1.SetText(L"Back soon\r\nWait here");
    UserClick(form->chkMessage);
    EXPECT_FALSE(form->Memo1.Enabled());
    EXPECT_EQ(DrawnBackground(form->Memo1), GetSysColor(COLOR_MENU));
    EXPECT_EQ(form->Memo1.Text(), L"Back soon\r\nWait here");
    UserClick(form->chkMessage);
    EXPECT_TRUE(form->Memo1.Enabled());
    EXPECT_EQ(DrawnBackground(form->Memo1), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(form->Memo1.Text(), L"Back soon\r\nWait here");
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
    SendMessageW(form->txtMinutes.Handle(), EM_SETSEL, 0, -1);
    TypeChar(form->txtMinutes.Handle(), L'9');
    EXPECT_EQ(form->txtMinutes.Text(), L"9");
    EXPECT_EQ(form->TrackBar1.Position(), 9);
    EXPECT_EQ(Hint(form->TrackBar1), L"0 minutes");
    EXPECT_EQ(form->lblminutes.Text(), L"minutes");

    // Typing "05" leaves the text as typed while the thumb stands at 5.
    SendMessageW(form->txtMinutes.Handle(), EM_SETSEL, 0, -1);
    TypeChar(form->txtMinutes.Handle(), L'0');
    TypeChar(form->txtMinutes.Handle(), L'5');
    EXPECT_EQ(form->txtMinutes.Text(), L"05");
    EXPECT_EQ(form->TrackBar1.Position(), 5);

    // An emptied edit leaves the thumb where it was.
    form->txtMinutes.SetText(L"");
    EXPECT_EQ(form->TrackBar1.Position(), 5);
}

TEST_F(MainWindowTest, MinutesEditCapsAtSixty)
{
    Show();
    form->txtMinutes.Focus();
    SendMessageW(form->txtMinutes.Handle(), EM_SETSEL, 0, -1);
    TypeChar(form->txtMinutes.Handle(), L'7');
    TypeChar(form->txtMinutes.Handle(), L'5');
    EXPECT_EQ(form->txtMinutes.Text(), L"60");
    EXPECT_EQ(form->TrackBar1.Position(), 60);
}

TEST_F(MainWindowTest, MinutesEditTakesOnlyDigitsAndBackspace)
{
    Show();
    form->txtMinutes.Focus();
    SendMessageW(form->txtMinutes.Handle(), EM_SETSEL, 1, 1);
    for (wchar_t c : std::wstring(L"a-+ .x"))
        TypeChar(form->txtMinutes.Handle(), c);
    EXPECT_EQ(form->txtMinutes.Text(), L"0");
    TypeChar(form->txtMinutes.Handle(), L'3');
    EXPECT_EQ(form->txtMinutes.Text(), L"03");
    TypeChar(form->txtMinutes.Handle(), L'\b');
    EXPECT_EQ(form->txtMinutes.Text(), L"0");
    EXPECT_TRUE(g_reported.empty());

    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(TfrmMain::IsDigitKey(static_cast<wchar_t>(c)), c >= L'0' && c <= L'9') << c;
}

struct ScrollCase {
    const wchar_t* name;
    int startPosition;
    UINT key;
    int position;
    const wchar_t* edit;
    const wchar_t* hint;
    const wchar_t* label;
};

class TrackBarScrollTest : public MainWindowTest, public ::testing::WithParamInterface<ScrollCase> {};

TEST_P(TrackBarScrollTest, UserScrollWritesEditHintAndLabel)
{
    const ScrollCase& c = GetParam();
    Show();
    form->TrackBar1.SetPosition(c.startPosition);
    form->txtMinutes.SetText(L"9");
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
    ::testing::Values(ScrollCase{L"ToOne", 0, VK_RIGHT, 1, L"1", L"1 minute", L"minute"},
                      ScrollCase{L"ToZero", 1, VK_LEFT, 0, L"0", L"Display message right away", L"minutes"},
                      // A scroll that leaves the position where it was is a change all the same.
                      ScrollCase{L"StaysAtZero", 0, VK_LEFT, 0, L"0", L"Display message right away", L"minutes"},
                      ScrollCase{L"PageRight", 23, VK_NEXT, 25, L"25", L"25 minutes", L"minutes"},
                      ScrollCase{L"ToSixty", 60, VK_RIGHT, 60, L"60", L"60 minutes", L"minutes"}),
    [](const auto& info) { return TextToUtf8(info.param.name); });

TEST_F(MainWindowTest, TrackBarPositionFromTheProgramIsClampedAndRaisesNothing)
{
    Show();
    form->TrackBar1.SetPosition(90);
    EXPECT_EQ(form->TrackBar1.Position(), 60);
    form->TrackBar1.SetPosition(-5);
    EXPECT_EQ(form->TrackBar1.Position(), 0);
    EXPECT_EQ(form->txtMinutes.Text(), L"0");
    EXPECT_EQ(Hint(form->TrackBar1), L"0 minutes");
}

TEST_F(MainWindowTest, PastedNonNumberIsReportedAndTheWindowGoesOn)
{
    Show();
    form->TrackBar1.SetPosition(7);
    // A paste arrives as a text change that no key filter sees.
    SendMessageW(form->txtMinutes.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"ab"));
    Pump();
    ASSERT_EQ(g_reported.size(), 1u);
    EXPECT_EQ(g_reported[0], L"'ab' is not a valid integer value");
    EXPECT_EQ(form->TrackBar1.Position(), 7);
    EXPECT_EQ(form->txtMinutes.Text(), L"ab");

    UserClick(form->chkYes);
    EXPECT_TRUE(form->chkYes.Checked());
}

TEST_F(MainWindowTest, ErrorInANestedHandlerAbandonsTheOuterHandler)
{
    Show();
    UserClick(form->rbtnNoButtons);
    // Hide Buttons is selected; the first of the nine ticks fails.
    form->chkYes.onClick = [] { throw Error(L"first tick failed"); };
    UserClick(form->rbtnShowAll);
    ASSERT_EQ(g_reported.size(), 1u);
    EXPECT_EQ(g_reported[0], L"first tick failed");
    EXPECT_TRUE(form->chkYes.Checked());
    EXPECT_FALSE(form->chkNo.Checked());
    // The rest of the handler, enabling the boxes, did not run.
    EXPECT_FALSE(form->chkNo.Enabled());
}

TEST_F(MainWindowTest, EnterPressesTheFocusedButtonOrTheDefault)
{
    Show();
    std::vector<std::wstring> pressed;
    form->btnOK.onClick = [&] { pressed.push_back(L"OK"); };
    form->btnPreview.onClick = [&] { pressed.push_back(L"Preview"); };

    form->chkYes.Focus();
    PressKey(VK_RETURN);
    form->txtMinutes.Focus();
    PressKey(VK_RETURN);
    form->btnPreview.Focus();
    PressKey(VK_RETURN);
    EXPECT_EQ(pressed, (std::vector<std::wstring>{L"OK", L"OK", L"Preview"}));
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
    TypeChar(form->Memo1.Handle(), L'a');
    PressKey(VK_RETURN);
    TypeChar(form->Memo1.Handle(), L'b');
    EXPECT_FALSE(okPressed);
    EXPECT_EQ(form->Memo1.Text(), L"a\r\nb");
}

// Typed characters arrive as UTF-16 units (a pair for one beyond U+FFFF), in
// any script, whatever the code page.
TEST_F(MainWindowTest, TheMessageTextTakesEveryScriptAsItIsTyped)
{
    Show();
    form->Memo1.Focus();
    for (const UnicodeText& text : kUnicodeTexts) {
        SCOPED_TRACE(text.name);
        form->Memo1.SetText(L"");
        for (const wchar_t unit : text.text)
            if (unit != L'\n')  // Enter types the whole line break
                TypeChar(form->Memo1.Handle(), unit);
        EXPECT_EQ(form->Memo1.Text(), text.text);
        EXPECT_EQ(form->GatherSettings().text, text.text);
    }
}

// The message text takes no more than a config file gives back, and says so
// in a note on the box while it is full.
TEST_F(MainWindowTest, TheMessageTextTakesNoMoreThanAFileGivesBackAndSaysSo)
{
    Show();
    const auto shownNote = [this] {
        for (HWND window : uia::TopLevelWindowsOf(GetCurrentProcessId()))
            if (IsWindowVisible(window) && GetWindow(window, GW_OWNER) == form->Handle() &&
                uia::WideText(window).find(L"1023") != std::wstring::npos)
                return window;
        return HWND{};
    };
    form->Memo1.SetText(std::wstring(1021, L'x'));
    form->Memo1.Focus();
    SendMessageW(form->Memo1.Handle(), EM_SETSEL, 1021, 1021);
    TypeChar(form->Memo1.Handle(), L'a');
    TypeChar(form->Memo1.Handle(), L'b');
    EXPECT_EQ(shownNote(), nullptr);
    TypeChar(form->Memo1.Handle(), L'c');
    EXPECT_EQ(form->Memo1.Text(), std::wstring(1021, L'x') + L"ab");
    EXPECT_NE(shownNote(), nullptr) << "the box did not say it is full";
    PressKey(VK_LEFT);
    EXPECT_EQ(shownNote(), nullptr) << "the note outlived the next key";
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
    const wchar_t* name;
    void (*act)(TfrmMain&);
};

class EndingTest : public MainWindowTest, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(EndingTest, RequestsTermination)
{
    Show();
    TakeQuitRequest();
    GetParam().act(*form);
    MSG message;
    EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, EndingTest,
    ::testing::Values(
        EndingCase{L"CancelButton", [](TfrmMain& f) { SendMessageW(f.btnCancel.Handle(), BM_CLICK, 0, 0); }},
        EndingCase{L"CloseBox", [](TfrmMain& f) { SendMessageW(f.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
        EndingCase{L"ExitMenu",
                   [](TfrmMain& f) {
                       HMENU file = GetSubMenu(GetMenu(f.Handle()), 0);
                       SendMessageW(f.Handle(), WM_COMMAND, GetMenuItemID(file, 3), 0);
                   }}),
    [](const auto& info) { return TextToUtf8(info.param.name); });

TEST_F(MainWindowTest, MenuHoldsItsItemsAndShortcuts)
{
    Show();
    HMENU bar = GetMenu(form->Handle());
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    auto text = [](HMENU menu, int position) {
        wchar_t buffer[128] = {};
        GetMenuStringW(menu, position, buffer, static_cast<int>(std::size(buffer)), MF_BYPOSITION);
        return std::wstring(buffer);
    };
    EXPECT_EQ(text(bar, 0), L"&File");
    EXPECT_EQ(text(bar, 1), L"&About");
    HMENU file = GetSubMenu(bar, 0);
    EXPECT_EQ(text(file, 0), L"&Load Config File...\tF3");
    EXPECT_EQ(text(file, 1), L"&Save Config File...\tF2");
    EXPECT_EQ(GetMenuState(file, 2, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(text(file, 3), L"E&xit\tAlt+F4");
    EXPECT_EQ(text(GetSubMenu(bar, 1), 0), L"&About Brevant...\tF1");
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
    TypeChar(form->Memo1.Handle(), L'p', WM_SYSCHAR);
    EXPECT_EQ(previews, 1);

    // A check box takes the focus and toggles.
    TypeChar(form->Memo1.Handle(), L'l', WM_SYSCHAR);
    EXPECT_TRUE(form->chkAll.Checked());
    EXPECT_TRUE(form->chkAll.Focused());

    // Without Alt while the focus is on a control that takes no characters.
    TypeChar(form->chkAll.Handle(), L'y');
    EXPECT_TRUE(form->chkYes.Checked());

    // In an edit the letter is text.
    form->Memo1.Focus();
    TypeChar(form->Memo1.Handle(), L'y');
    EXPECT_EQ(form->Memo1.Text(), L"y");
    EXPECT_EQ(previews, 1);
}

struct ArrowCase {
    const wchar_t* name;
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
        ArrowCase{L"DownToWarning", &TfrmMain::rbtnError, VK_DOWN, &TfrmMain::rbtnWarning, true, false},
        ArrowCase{L"RightToWarning", &TfrmMain::rbtnError, VK_RIGHT, &TfrmMain::rbtnWarning, true, false},
        ArrowCase{L"UpRoundToConfirmation", &TfrmMain::rbtnError, VK_UP, &TfrmMain::rbtnConfirmation, true, false},
        ArrowCase{L"DownRoundToError", &TfrmMain::rbtnConfirmation, VK_DOWN, &TfrmMain::rbtnError, true, false},
        ArrowCase{L"LeftToInformational", &TfrmMain::rbtnConfirmation, VK_LEFT, &TfrmMain::rbtnInformational, true,
                  false},
        ArrowCase{L"UpToHideButtons", &TfrmMain::rbtnDisplayButtons, VK_UP, &TfrmMain::rbtnNoButtons, false, false},
        ArrowCase{L"DownToShowAll", &TfrmMain::rbtnDisplayButtons, VK_DOWN, &TfrmMain::rbtnShowAll, true, false},
        ArrowCase{L"UpRoundToShowAll", &TfrmMain::rbtnNoButtons, VK_UP, &TfrmMain::rbtnShowAll, true, false},
        ArrowCase{L"DownToClockTime", &TfrmMain::rbtnMinutes, VK_DOWN, &TfrmMain::rbtnTime, true, true},
        ArrowCase{L"DownRoundToMinutes", &TfrmMain::rbtnTime, VK_DOWN, &TfrmMain::rbtnMinutes, true, false}),
    [](const auto& info) { return TextToUtf8(info.param.name); });

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
    SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &cues, 0);
    SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, nullptr, 0);
    g_uiStateUpdates.clear();
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, &RecordUiStateUpdates, nullptr, GetCurrentThreadId());
    Show();
    PressKey(VK_TAB);
    UnhookWindowsHookEx(hook);
    SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(cues)), 0);
    constexpr WORD kBoth = UISF_HIDEFOCUS | UISF_HIDEACCEL;
    ASSERT_FALSE(g_uiStateUpdates.empty());
    EXPECT_EQ(g_uiStateUpdates.front(), MAKEWPARAM(UIS_SET, kBoth));
    EXPECT_EQ(g_uiStateUpdates.back(), MAKEWPARAM(UIS_CLEAR, kBoth));
}

}  // namespace
}  // namespace brevant
