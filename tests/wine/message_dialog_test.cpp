// The message dialog as a user meets it: ShowMessageDialog runs on the test's
// main thread while a second thread finds the dialog and works it with posted
// keys and clicks, as another process would.
#include "dialogs/dialog_owner.h"
#include "dialogs/message_dialog_layout.h"
#include "wine/dialog_driver.h"

#include "automation/find.h"
#include "automation/input.h"
#include "automation/read.h"
#include "automation/wait.h"

#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <functional>
#include <ostream>
#include <string>
#include <vector>
#include <iterator>

namespace brevant {
namespace {

namespace B = DialogButton;
using namespace testing_support;

bool Framed(HWND button)
{
    return (GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

// The buttons of the dialog in Z order, which is their creation and tab order.
std::vector<uia::ControlInfo> ButtonsOf(HWND dialog)
{
    std::vector<uia::ControlInfo> buttons;
    for (const uia::ControlInfo& control : uia::ListControls(dialog)) {
        if (lstrcmpiA(control.className.c_str(), "Button") == 0)
            buttons.push_back(control);
    }
    return buttons;
}

TEST(MessageDialog, ButtonsComeInFixedOrderWithTheirNamesAndCaptions)
{
    struct Case {
        DialogButtonSet set;
        std::vector<std::wstring> names;
    };
    const Case cases[] = {
        {AllShownButtons, {L"Yes", L"No", L"OK", L"Cancel", L"Abort", L"Retry", L"Ignore", L"All", L"Help"}},
        {B::Cancel | B::Yes, {L"Yes", L"Cancel"}},
        {0x7FF, {L"Yes", L"No", L"OK", L"Cancel", L"Abort", L"Retry", L"Ignore", L"All", L"NoToAll",
                 L"YesToAll", L"Help"}},
        {0xFFFFF800u | B::OK, {L"OK"}},
        {0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(L"set " + std::to_wstring(c.set));
        const Shown shown = ShowDriven(L"Text", MessageKind::Warning, c.set, [&](HWND dialog) {
            const std::vector<uia::ControlInfo> buttons = ButtonsOf(dialog);
            ASSERT_EQ(buttons.size(), c.names.size()) << uia::DescribeControls(dialog);
            int lastLeft = -1;
            for (size_t i = 0; i < buttons.size(); ++i) {
                const DialogButtonInfo* info = nullptr;
                for (const DialogButtonInfo& entry : DialogButtonTable()) {
                    if (c.names[i] == entry.name)
                        info = &entry;
                }
                ASSERT_NE(info, nullptr);
                EXPECT_EQ(ControlNamed(dialog, info->name), buttons[i].handle) << info->name;
                EXPECT_EQ(uia::Widened(buttons[i].text), info->caption);
                EXPECT_GT(buttons[i].bounds.left, lastLeft) << "left to right";
                lastLeft = buttons[i].bounds.left;
            }
            const HWND image = ControlNamed(dialog, L"Image");
            const HWND label = ControlNamed(dialog, L"Message");
            ASSERT_TRUE(image && label);
            EXPECT_EQ(uia::Text(label), "Text");
            // The picture and the text come before the buttons and take no focus.
            const std::vector<uia::ControlInfo> all = uia::ListControls(dialog);
            ASSERT_GE(all.size(), 2u);
            EXPECT_EQ(all[0].handle, image);
            EXPECT_EQ(all[1].handle, label);
            EXPECT_FALSE(all[0].style & WS_TABSTOP);
            EXPECT_FALSE(all[1].style & WS_TABSTOP);
            uia::RequestClose(dialog);
        });
        EXPECT_EQ(shown.result, DialogResult::Cancel);
    }
}

TEST(MessageDialog, CaptionAndSystemIconFollowTheKind)
{
    for (MessageKind kind : {MessageKind::Warning, MessageKind::Error, MessageKind::Information,
                             MessageKind::Confirmation}) {
        const MessageKindInfo info = KindInfo(kind);
        SCOPED_TRACE(info.caption);
        ShowDriven(L"Text", kind, B::OK, [&](HWND dialog) {
            wchar_t caption[64] = {};
            GetWindowTextW(dialog, caption, static_cast<int>(std::size(caption)));
            EXPECT_STREQ(caption, info.caption);
            const HWND image = ControlNamed(dialog, L"Image");
            const auto icon = reinterpret_cast<HICON>(SendMessageW(image, STM_GETICON, 0, 0));
            EXPECT_EQ(icon, LoadIconW(nullptr, MAKEINTRESOURCEW(info.iconId)));
            // A fixed dialog frame with a close box and nothing else.
            const LONG_PTR style = GetWindowLongPtrW(dialog, GWL_STYLE);
            EXPECT_TRUE(style & WS_SYSMENU);
            EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
            Press(dialog, VK_RETURN);
        });
    }
}

// Sizes follow the system's message font: w and h measured in it, the layout
// arithmetic applied, the window centred by halves.
TEST(MessageDialog, LayoutIsDerivedFromTheMessageFont)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));

    ShowDriven(L"Some text to show", MessageKind::Warning, B::OK | B::Cancel, [&](HWND dialog) {
        const HWND ok = ControlNamed(dialog, L"OK");
        const auto font = reinterpret_cast<HFONT>(SendMessageW(ok, WM_GETFONT, 0, 0));
        LOGFONTW used{};
        ASSERT_TRUE(GetObjectW(font, sizeof used, &used));
        EXPECT_STREQ(used.lfFaceName, metrics.lfMessageFont.lfFaceName);
        EXPECT_EQ(used.lfHeight, metrics.lfMessageFont.lfHeight);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(ControlNamed(dialog, L"Message"), WM_GETFONT, 0, 0)),
                  font);

        HDC dc = GetDC(nullptr);
        HGDIOBJ previous = SelectObject(dc, font);
        SIZE alphabet{}, text{};
        GetTextExtentPoint32W(dc, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &alphabet);
        GetTextExtentPoint32W(dc, L"Some text to show", 17, &text);
        SelectObject(dc, previous);
        ReleaseDC(nullptr, dc);
        const MessageDialogMetrics m = ComputeMetrics(alphabet.cx / 52, alphabet.cy);

        const auto bounds = [](HWND control) {
            RECT r;
            GetWindowRect(control, &r);
            MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
            return LayoutRect{r.left, r.top, r.right - r.left, r.bottom - r.top};
        };
        EXPECT_EQ(bounds(ControlNamed(dialog, L"Image")),
                  (LayoutRect{m.horizontalMargin, m.verticalMargin, 32, 32}));
        EXPECT_EQ(bounds(ControlNamed(dialog, L"Message")),
                  (LayoutRect{m.horizontalMargin + 32 + m.horizontalSpacing, m.verticalMargin,
                              text.cx, text.cy}));

        RECT client, window;
        GetClientRect(dialog, &client);
        GetWindowRect(dialog, &window);
        const int blockWidth = text.cx + m.horizontalSpacing + 32;
        const int rowWidth = 2 * m.buttonWidth + m.buttonSpacing;
        EXPECT_EQ(client.right, std::max(blockWidth, rowWidth) + 2 * m.horizontalMargin);
        EXPECT_EQ(client.bottom, 32 + m.verticalSpacing + m.buttonHeight + 2 * m.verticalMargin);
        const int top = 32 + m.verticalMargin + m.verticalSpacing;
        const int left = (client.right - rowWidth) / 2;
        EXPECT_EQ(bounds(ok), (LayoutRect{left, top, m.buttonWidth, m.buttonHeight}));
        EXPECT_EQ(bounds(ControlNamed(dialog, L"Cancel")),
                  (LayoutRect{left + m.buttonWidth + m.buttonSpacing, top, m.buttonWidth,
                              m.buttonHeight}));

        EXPECT_EQ(window.left, GetSystemMetrics(SM_CXSCREEN) / 2 - (window.right - window.left) / 2);
        EXPECT_EQ(window.top, GetSystemMetrics(SM_CYSCREEN) / 2 - (window.bottom - window.top) / 2);
        Press(dialog, VK_RETURN);
    });
}

TEST(MessageDialog, TextIsMeasuredWithinHalfTheScreenWidth)
{
    const int half = GetSystemMetrics(SM_CXSCREEN) / 2;
    std::wstring sentence;
    for (int i = 0; i < 80; ++i)
        sentence += L"word ";
    const std::wstring longWord(400, L'W');
    struct Case {
        std::wstring text;
        std::function<void(const RECT&, int lineHeight)> check;
    };
    const Case cases[] = {
        {L"", [&](const RECT& r, int) { EXPECT_EQ(r.right - r.left, half); EXPECT_EQ(r.bottom - r.top, 0); }},
        {sentence, [&](const RECT& r, int line) {
             EXPECT_LE(r.right - r.left, half);
             EXPECT_GT(r.bottom - r.top, line) << "wrapped onto several lines";
         }},
        {longWord, [&](const RECT& r, int) { EXPECT_GT(r.right - r.left, half); }},
        {L"one\r\ntwo\r\nthree", [&](const RECT& r, int line) { EXPECT_EQ(r.bottom - r.top, 3 * line); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 20));
        ShowDriven(c.text, MessageKind::Information, B::OK, [&](HWND dialog) {
            const HWND label = ControlNamed(dialog, L"Message");
            RECT r;
            GetWindowRect(label, &r);
            TEXTMETRICW tm{};
            HDC dc = GetDC(label);
            HGDIOBJ previous =
                SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
            GetTextMetricsW(dc, &tm);
            SelectObject(dc, previous);
            ReleaseDC(label, dc);
            c.check(r, tm.tmHeight);
            EXPECT_EQ(uia::Widened(uia::Text(label)), c.text);
            Press(dialog, VK_RETURN);
        });
    }
}

TEST(MessageDialog, AmpersandsAreMeasuredAsShown)
{
    ShowDriven(L"W&&W", MessageKind::Warning, B::OK, [&](HWND dialog) {
        const HWND label = ControlNamed(dialog, L"Message");
        HDC dc = GetDC(label);
        HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
        SIZE shown{};
        GetTextExtentPoint32W(dc, L"W&W", 3, &shown);
        SelectObject(dc, previous);
        ReleaseDC(label, dc);
        RECT r;
        GetWindowRect(label, &r);
        EXPECT_EQ(r.right - r.left, shown.cx);
        Press(dialog, VK_RETURN);
    });
}

TEST(MessageDialog, FocusStartsOnTheFirstButtonWhichCarriesTheFrame)
{
    struct Case {
        DialogButtonSet set;
        const wchar_t* first;  // nullptr: no buttons
    };
    const Case cases[] = {
        {AllShownButtons, L"Yes"},          // OK holds the default mark, Yes the focus
        {B::Abort | B::Retry | B::Ignore, L"Abort"},
        {B::OK | B::Cancel, L"OK"},
        {B::Help, L"Help"},
        {0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(L"set " + std::to_wstring(c.set));
        ShowDriven(L"Text", MessageKind::Confirmation, c.set, [&](HWND dialog) {
            const HWND focus = uia::FocusedWindow(dialog);
            if (c.first)
                EXPECT_EQ(focus, ControlNamed(dialog, c.first));
            else
                EXPECT_TRUE(focus == dialog || focus == nullptr);
            for (const uia::ControlInfo& button : ButtonsOf(dialog))
                EXPECT_EQ(Framed(button.handle), button.handle == focus) << button.text;
            uia::RequestClose(dialog);
        });
    }
}

TEST(MessageDialog, TheFrameFollowsTheFocus)
{
    ShowDriven(L"Text", MessageKind::Warning, AllShownButtons, [&](HWND dialog) {
        Press(dialog, VK_TAB);
        const HWND no = ControlNamed(dialog, L"No");
        EXPECT_EQ(uia::FocusedWindow(dialog), no);
        for (const uia::ControlInfo& button : ButtonsOf(dialog))
            EXPECT_EQ(Framed(button.handle), button.handle == no) << button.text;
        uia::RequestClose(dialog);
    });
}

// One step of working the dialog, as a user would.
struct Action {
    enum { Key, Char, Click, Close } kind;
    UINT key = 0;  // virtual key, or the character
    unsigned modifiers = uia::kNoModifiers;
    const wchar_t* button = L"";
};

Action Key(UINT key, unsigned modifiers = uia::kNoModifiers) { return {Action::Key, key, modifiers}; }
Action Char(wchar_t c) { return {Action::Char, static_cast<UINT>(c)}; }
Action ClickOn(const wchar_t* button) { return {Action::Click, 0, 0, button}; }
Action CloseBox() { return {Action::Close}; }

void Perform(HWND dialog, const Action& action)
{
    switch (action.kind) {
    case Action::Key:
        Press(dialog, action.key, action.modifiers);
        break;
    case Action::Char:
        Type(dialog, static_cast<wchar_t>(action.key));
        break;
    case Action::Click:
        EXPECT_TRUE(uia::Click(ControlNamed(dialog, action.button))) << action.button;
        break;
    case Action::Close:
        uia::RequestClose(dialog);
        break;
    }
}

struct KeyboardCase {
    const wchar_t* what;
    DialogButtonSet set;
    std::vector<Action> actions;  // all but the last leave the dialog open
    DialogResult expected;
    bool tall = false;  // a text taller than the screen, which scrolls
};

void PrintTo(const KeyboardCase& c, std::ostream* out) { *out << TextToUtf8(c.what); }

class MessageDialogKeyboard : public testing::TestWithParam<KeyboardCase> {};

TEST_P(MessageDialogKeyboard, ClosesWithTheExpectedResult)
{
    const KeyboardCase& c = GetParam();
    std::wstring text = L"Text";
    if (c.tall) {
        for (int i = 1; i < 2000; ++i)
            text += L"\r\nText";
    }
    const Shown shown = ShowDriven(text, MessageKind::Confirmation, c.set, [&](HWND dialog) {
        for (size_t i = 0; i < c.actions.size(); ++i) {
            Perform(dialog, c.actions[i]);
            if (i + 1 < c.actions.size()) {
                ASSERT_TRUE(IsWindowVisible(dialog)) << "closed by action " << i;
            }
        }
    });
    EXPECT_EQ(shown.result, c.expected);
}

const KeyboardCase kKeyboardCases[] = {
    {L"Enter presses the focused first button", B::Yes | B::No, {Key(VK_RETURN)}, DialogResult::Yes},
    {L"Esc presses the cancel mark No", B::Yes | B::No, {Key(VK_ESCAPE)}, DialogResult::No},
    {L"Enter on OK alone", B::OK, {Key(VK_RETURN)}, DialogResult::OK},
    {L"Esc on OK alone", B::OK, {Key(VK_ESCAPE)}, DialogResult::OK},
    {L"Enter on Abort first", B::Abort | B::Retry | B::Ignore, {Key(VK_RETURN)}, DialogResult::Abort},
    {L"Esc without a cancel mark does nothing", B::Abort | B::Retry | B::Ignore,
     {Key(VK_ESCAPE), ClickOn(L"Ignore")}, DialogResult::Ignore},
    {L"all buttons: Enter on Yes", AllShownButtons, {Key(VK_RETURN)}, DialogResult::Yes},
    {L"all buttons: Esc on Cancel", AllShownButtons, {Key(VK_ESCAPE)}, DialogResult::Cancel},
    {L"A presses Abort, not All", AllShownButtons, {Char(L'a')}, DialogResult::Abort},
    {L"capital A too", AllShownButtons, {Char(L'A')}, DialogResult::Abort},
    {L"Alt+A too", AllShownButtons, {Key(L'A', uia::kAlt)}, DialogResult::Abort},
    {L"Y", AllShownButtons, {Char(L'y')}, DialogResult::Yes},
    {L"N", AllShownButtons, {Char(L'n')}, DialogResult::No},
    {L"R", AllShownButtons, {Char(L'r')}, DialogResult::Retry},
    {L"Alt+I", AllShownButtons, {Key(L'I', uia::kAlt)}, DialogResult::Ignore},
    {L"A presses All when Abort is not shown", B::All | B::OK, {Char(L'a')}, DialogResult::All},
    {L"O for No to All", B::NoToAll | B::YesToAll, {Char(L'o')}, DialogResult::NoToAll},
    {L"Alt+E for Yes to All", B::NoToAll | B::YesToAll, {Key(L'E', uia::kAlt)}, DialogResult::YesToAll},
    {L"letters without a button do nothing", B::OK | B::Cancel,
     {Char(L'x'), Char(L'o'), Key(L'C', uia::kAlt), Key(VK_ESCAPE)}, DialogResult::Cancel},
    {L"Tab then Enter", B::OK | B::Cancel, {Key(VK_TAB), Key(VK_RETURN)}, DialogResult::Cancel},
    {L"Tab wraps after the last", B::OK | B::Cancel, {Key(VK_TAB), Key(VK_TAB), Key(VK_RETURN)},
     DialogResult::OK},
    {L"Shift+Tab wraps before the first", B::Yes | B::No | B::OK,
     {Key(VK_TAB, uia::kShift), Key(VK_RETURN)}, DialogResult::OK},
    {L"Right", B::Yes | B::No | B::OK, {Key(VK_RIGHT), Key(VK_RETURN)}, DialogResult::No},
    {L"Down", B::Yes | B::No | B::OK, {Key(VK_DOWN), Key(VK_DOWN), Key(VK_RETURN)}, DialogResult::OK},
    {L"Right wraps", B::Yes | B::No | B::OK, {Key(VK_RIGHT), Key(VK_RIGHT), Key(VK_RIGHT), Key(VK_RETURN)},
     DialogResult::Yes},
    {L"Left wraps", B::Yes | B::No | B::OK, {Key(VK_LEFT), Key(VK_RETURN)}, DialogResult::OK},
    {L"Up", B::Yes | B::No | B::OK, {Key(VK_RIGHT), Key(VK_UP), Key(VK_RETURN)}, DialogResult::Yes},
    {L"Space presses the focused button", B::Yes | B::No, {Key(VK_TAB), Key(VK_SPACE)}, DialogResult::No},
    {L"Enter with Shift or Ctrl does nothing", B::Yes | B::No,
     {Key(VK_RETURN, uia::kShift), Key(VK_RETURN, uia::kControl), Key(VK_ESCAPE)}, DialogResult::No},
    {L"Esc with Shift does nothing", B::OK | B::Cancel, {Key(VK_ESCAPE, uia::kShift), Key(VK_RETURN)},
     DialogResult::OK},
    {L"a mouse click", AllShownButtons, {ClickOn(L"Retry")}, DialogResult::Retry},
    {L"Help never closes", B::Help | B::OK,
     {ClickOn(L"Help"), Char(L'h'), Key(L'H', uia::kAlt), Key(VK_RETURN), Key(VK_ESCAPE)},
     DialogResult::OK},  // the click left the focus on Help, where Enter presses it
    {L"the close box gives Cancel without a Cancel button", B::Yes | B::No, {CloseBox()},
     DialogResult::Cancel},
    {L"Alt+F4 gives Cancel", B::OK, {Key(VK_F4, uia::kAlt)}, DialogResult::Cancel},
    {L"only Help: keys do nothing, the close box closes", B::Help,
     {Key(VK_RETURN), Key(VK_ESCAPE), Char(L'h'), CloseBox()}, DialogResult::Cancel},
    {L"no buttons: keys do nothing, Alt+F4 closes", 0,
     {Key(VK_RETURN), Key(VK_ESCAPE), Char(L'y'), Key(VK_TAB), Key(VK_F4, uia::kAlt)},
     DialogResult::Cancel},
    {L"tall text: Enter on the focused first button", B::Yes | B::No, {Key(VK_RETURN)}, DialogResult::Yes, true},
    {L"tall text: Tab reaches it after the last button, its keys scroll, Enter presses the default",
     B::OK | B::Cancel, {Key(VK_TAB), Key(VK_TAB), Key(VK_DOWN), Key(VK_NEXT), Key(VK_UP), Key(VK_RETURN)},
     DialogResult::OK, true},
    {L"tall text: Esc in it presses the cancel mark", B::Yes | B::No, {Key(VK_TAB, uia::kShift), Key(VK_ESCAPE)},
     DialogResult::No, true},
    {L"tall text: a letter in it presses its button", B::Yes | B::No, {Key(VK_TAB, uia::kShift), Char(L'n')},
     DialogResult::No, true},
};

INSTANTIATE_TEST_SUITE_P(Keys, MessageDialogKeyboard, testing::ValuesIn(kKeyboardCases),
                         [](const testing::TestParamInfo<KeyboardCase>& info) {
                             return "Case" + std::to_string(info.index);
                         });

// A plain top-level window of the test.
class TestWindow {
public:
    explicit TestWindow(DWORD style)
        : hwnd_(CreateWindowExW(0, L"STATIC", L"test window", style | WS_OVERLAPPEDWINDOW, 10, 10,
                                200, 100, nullptr, nullptr, nullptr, nullptr))
    {
    }
    ~TestWindow() { DestroyWindow(hwnd_); }
    HWND Handle() const { return hwnd_; }

private:
    HWND hwnd_;
};

std::atomic<int> g_ticks{0};

TEST(MessageDialog, IsModalWhileTimersGoOnAndIsDestroyedBeforeReturning)
{
    TestWindow owner(0);
    SetDialogOwner(owner.Handle());
    TestWindow active(WS_VISIBLE), hidden(0), disabled(WS_VISIBLE | WS_DISABLED);
    SetActiveWindow(active.Handle());
    ASSERT_EQ(GetActiveWindow(), active.Handle());
    g_ticks = 0;
    const UINT_PTR timer = SetTimer(active.Handle(), 1, 10,
                                    [](HWND, UINT, UINT_PTR, DWORD) { ++g_ticks; });

    const Shown shown = ShowDriven(L"Text", MessageKind::Warning, B::OK, [&](HWND dialog) {
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner.Handle());
        EXPECT_FALSE(IsWindowEnabled(active.Handle()));
        EXPECT_TRUE(IsWindowEnabled(hidden.Handle())) << "hidden windows are left alone";
        EXPECT_FALSE(IsWindowEnabled(disabled.Handle()));
        EXPECT_EQ(GetForegroundWindow(), dialog);
        const int before = g_ticks;
        EXPECT_TRUE(uia::WaitUntil([&] { return g_ticks >= before + 3; }));
        Press(dialog, VK_RETURN);
    });
    KillTimer(active.Handle(), timer);
    SetDialogOwner(nullptr);

    EXPECT_EQ(shown.result, DialogResult::OK);
    EXPECT_FALSE(IsWindow(shown.dialog));
    EXPECT_TRUE(IsWindowEnabled(active.Handle()));
    EXPECT_FALSE(IsWindowEnabled(disabled.Handle())) << "stays as it was";
    EXPECT_EQ(GetActiveWindow(), active.Handle());
}

TEST(MessageDialog, EveryCallBuildsAFreshDialog)
{
    const Shown first = ShowDriven(L"One", MessageKind::Error, B::OK, [](HWND d) { Press(d, VK_RETURN); });
    const Shown second =
        ShowDriven(L"Two", MessageKind::Error, B::Yes | B::No, [](HWND d) { Press(d, VK_ESCAPE); });
    EXPECT_EQ(first.result, DialogResult::OK);
    EXPECT_EQ(second.result, DialogResult::No);
    EXPECT_FALSE(IsWindow(second.dialog));
}

TEST(MessageDialog, AHugeTextStillOpensAndCloses)
{
    // In lines: Wine's edit control wraps a paragraph in a time that grows
    // with about the cube of its length (8,000 characters 0.7 s, 100,000 many
    // minutes), where Windows' wraps at once.
    std::wstring text;
    for (int i = 0; i < 10'000; ++i)
        text += L"0123456789\r\n";
    const Shown shown = ShowDriven(text, MessageKind::Warning, 0xFFFFFFFFu, [](HWND dialog) {
        uia::RequestClose(dialog);
    });
    EXPECT_EQ(shown.result, DialogResult::Cancel);
}

bool Within(RECT inner, const RECT& outer)
{
    return UnionRect(&inner, &inner, &outer) && EqualRect(&inner, &outer);
}

// The caption bar and every control of the dialog on the monitor's work area.
void ExpectOnTheWorkArea(HWND dialog)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor));
    RECT window;  // the caption bar included
    GetWindowRect(dialog, &window);
    EXPECT_TRUE(Within(window, monitor.rcWork));
    for (const uia::ControlInfo& control : uia::ListControls(dialog)) {
        RECT r;
        GetWindowRect(control.handle, &r);
        EXPECT_TRUE(Within(r, monitor.rcWork)) << control.text.substr(0, 8);
    }
}

// A word too wide for the screen: whole, broken inside as the label breaks it.
TEST(MessageDialog, AWordWiderThanTheScreenBreaksInsideTheWorkArea)
{
    const std::wstring word(1000, L'W');
    ShowDriven(word, MessageKind::Warning, B::OK | B::Cancel, [&](HWND dialog) {
        ExpectOnTheWorkArea(dialog);
        const HWND label = ControlNamed(dialog, L"Message");
        EXPECT_TRUE(GetWindowLongPtrW(label, GWL_STYLE) & SS_EDITCONTROL);
        RECT shown;
        GetClientRect(label, &shown);
        RECT needed = shown;
        HDC dc = GetDC(label);
        HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
        DrawTextW(dc, word.data(), static_cast<int>(word.size()), &needed,
                  DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_EDITCONTROL);
        SelectObject(dc, previous);
        ReleaseDC(label, dc);
        EXPECT_LE(needed.bottom, shown.bottom);
        uia::RequestClose(dialog);
    });
}

std::wstring ClipboardText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

int FirstVisibleLine(HWND edit) { return static_cast<int>(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0)); }

// A text taller than the screen stays whole, between the caption bar and the
// buttons, and scrolls: by the wheel anywhere over the dialog, by the keyboard
// once Tab reaches it. It copies whole; Enter still presses the default button.
TEST(MessageDialog, ATextTallerThanTheScreenScrollsWhole)
{
    std::wstring lines;
    for (int i = 0; i < 2000; ++i)
        lines += L"Line " + std::to_wstring(i) + L" & more\r\n";
    const Shown shown = ShowDriven(lines, MessageKind::Warning, B::OK | B::Cancel, [&](HWND dialog) {
        ExpectOnTheWorkArea(dialog);
        const HWND text = ControlNamed(dialog, L"Message");
        std::wstring drawn;
        for (int i = 0; i < 2000; ++i)
            drawn += L"Line " + std::to_wstring(i) + L"  more\r\n";
        ASSERT_TRUE(uia::WideText(text) == drawn) << "the whole text";
        // Each line on a line of its own: the scroll bar takes none of the text's width.
        EXPECT_EQ(SendMessageW(text, EM_GETLINECOUNT, 0, 0), 2001);
        EXPECT_FALSE(GetWindowLongPtrW(text, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) << "drawn as a label";

        EXPECT_EQ(FirstVisibleLine(text), 0);
        const HWND ok = ControlNamed(dialog, L"OK");
        ASSERT_EQ(uia::FocusedWindow(dialog), ok);
        SendMessageW(ok, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
        const int wheeled = FirstVisibleLine(text);
        EXPECT_GT(wheeled, 0);

        Press(dialog, VK_TAB, uia::kShift);
        ASSERT_EQ(uia::FocusedWindow(dialog), text);
        Press(dialog, VK_END, uia::kControl);
        EXPECT_GT(FirstVisibleLine(text), 1900);
        Press(dialog, VK_HOME, uia::kControl);
        EXPECT_EQ(FirstVisibleLine(text), 0);

        Press(dialog, L'A', uia::kControl);
        Press(dialog, L'C', uia::kControl);
        // The copy is made when the dialog's thread takes the key, and the
        // clipboard is busy while it does: waited for.
        EXPECT_TRUE(uia::WaitUntil([&] { return ClipboardText() == drawn; })) << "the whole text copied";
        Press(dialog, VK_RETURN);
    });
    EXPECT_EQ(shown.result, DialogResult::OK);
}

// The layout's rounding is the platform's MulDiv, including its edges.
TEST(MulDivRounded, AgreesWithThePlatform)
{
    for (int c : {-8, -4, -3, -2, -1, 0, 1, 2, 3, 4, 7, 8, 52}) {
        for (int a = -300; a <= 300; ++a) {
            for (int b = -20; b <= 20; ++b)
                ASSERT_EQ(MulDivRounded(a, b, c), MulDiv(a, b, c)) << a << " * " << b << " / " << c;
        }
    }
    // Not INT_MIN: negating it for a negative divisor overflows inside the
    // platform's own MulDiv.
    const int edges[] = {INT_MIN + 1, -65536, 65536, INT_MAX - 1, INT_MAX};
    for (int a : edges) {
        for (int b : {-3, -2, -1, 1, 2, 3, 65536}) {
            for (int c : {-2, -1, 1, 2, 3, 65536})
                EXPECT_EQ(MulDivRounded(a, b, c), MulDiv(a, b, c)) << a << " * " << b << " / " << c;
        }
    }
}

}  // namespace
}  // namespace brevant
