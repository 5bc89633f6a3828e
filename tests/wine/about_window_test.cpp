// The About window as the configuration window opens it: its layout and
// looks, the keys and clicks that close it and those that do not, the hand
// pointer over its links, the shell calls behind them, and a fresh window for
// each opening. Everything runs on the test's thread: a script runs inside the
// window's modal loop, from a timer, while the About button's handler waits.
#include "about/about.h"
#include "about/about_text.h"
#include "about/publisher.h"
#include "app/application.h"
#include "automation/input.h"
#include "automation/wait.h"
#include "main/main.h"
#include "resources/resource_ids.h"
#include "widgets/app_cursor.h"
#include "widgets/font.h"
#include "widgets/message_loop.h"
#include "text/unicode_text.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace brevant {
namespace {

using widgets::ModalResult;

// ---- The shell, replaced by a recorder -------------------------------------

struct ShellCall {
    HWND owner;
    std::wstring verb, target;
    bool hasParameters, hasFolder;
    INT show;
};
std::vector<ShellCall> g_shellCalls;

HINSTANCE WINAPI RecordShellCall(HWND owner, LPCWSTR verb, LPCWSTR target, LPCWSTR parameters,
                                 LPCWSTR folder, INT show)
{
    g_shellCalls.push_back({owner, verb ? verb : L"", target ? target : L"", parameters != nullptr,
                            folder != nullptr, show});
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33));  // "succeeded"
}

// ---- Running a script inside the About window's modal loop -----------------

std::function<void(TfrmAbout&)> g_script;
bool g_leftOpen = false;

void CALLBACK RunScript(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    if (frmAbout && IsWindowVisible(frmAbout->Handle()))
        g_script(*frmAbout);
    else
        ADD_FAILURE() << "the About window is not showing";
    // A window the script did not close is closed here, so no test hangs.
    if (frmAbout && frmAbout->Result() == ModalResult::None) {
        g_leftOpen = true;
        frmAbout->SetModalResult(ModalResult::Cancel);
    }
}

// Opens the About window with `open` and runs `script` once it shows; true
// when the script closed it.
bool OpenAboutBy(const std::function<void()>& open, std::function<void(TfrmAbout&)> script)
{
    g_script = std::move(script);
    g_leftOpen = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, &RunScript);
    open();
    // Should the window not have opened, the script must not run later.
    KillTimer(nullptr, timer);
    return !g_leftOpen;
}

// Opens the About window as the About button does.
bool OpenAbout(TfrmMain& main, std::function<void(TfrmAbout&)> script)
{
    return OpenAboutBy([&] { main.btnAboutClick(); }, std::move(script));
}

// ---- Looking at the window ---------------------------------------------------

RECT ClientBounds(HWND control)
{
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::wstring TextOf(HWND window)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

LOGFONTW FontOf(HWND control)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

struct Colours {
    COLORREF text, background;
};

// The colours the form gives a static control (labels, a read-only edit).
Colours ColoursOf(HWND control)
{
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(GetParent(control), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(control));
    const Colours colours{GetTextColor(dc), GetBkColor(dc)};
    DeleteDC(dc);
    return colours;
}

std::vector<std::wstring> SplitLines(const std::wstring& text)
{
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

// ---- The pointer --------------------------------------------------------------

// Moves the real pointer to a point of the window's client area and lets the
// window system's messages for the move (WM_SETCURSOR, WM_MOUSEMOVE) arrive.
void MovePointerTo(HWND window, POINT client)
{
    ClientToScreen(window, &client);
    SetCursorPos(client.x, client.y);
    uia::PumpMessages();
    uia::PumpMessages();
}

void MovePointerOnto(HWND control)
{
    RECT r;
    GetClientRect(control, &r);
    MovePointerTo(control, {r.right / 2, r.bottom / 2});
}

HCURSOR HandPointer()
{
    return LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_HAND_POINTER));
}
HCURSOR Arrow() { return LoadCursorA(nullptr, IDC_ARROW); }
HCURSOR IBeam() { return LoadCursorA(nullptr, IDC_IBEAM); }

// A point of the About window's own surface, outside every control.
constexpr POINT kBareSurface{300, 240};

// ---- The fixture: the configuration window, shown, with the shell replaced --

class AboutWindowTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_DATE_CLASSES |
                                                                 ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        uia::SetMessagePump([] { widgets::ProcessPendingMessages(); });
        shellExecute = &RecordShellCall;
        application_ = std::make_unique<Application>(L"Message");
        main_ = std::make_unique<TfrmMain>(*application_);
        main_->ShowCentred();
    }
    static void TearDownTestSuite()
    {
        main_.reset();
        application_.reset();
        uia::SetMessagePump(nullptr);
    }
    void SetUp() override
    {
        // Away from every window, so no mouse move of the pointer's own interferes.
        SetCursorPos(0, 0);
        widgets::SetApplicationCursor(nullptr);
        uia::PumpMessages();
        g_shellCalls.clear();
    }

    static TfrmMain& Main() { return *main_; }

private:
    static inline std::unique_ptr<Application> application_;
    static inline std::unique_ptr<TfrmMain> main_;
};

// ---- Layout and looks -----------------------------------------------------------

TEST_F(AboutWindowTest, WindowIsAFixedDialogFrameCentredOverTheDisabledConfigurationWindow)
{
    EXPECT_TRUE(OpenAbout(Main(), [](TfrmAbout& about) {
        const HWND window = about.Handle();
        EXPECT_EQ(TextOf(window), L"About Brevant");
        RECT client;
        GetClientRect(window, &client);
        EXPECT_EQ(client.right, 322);
        EXPECT_EQ(client.bottom, 260);

        const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
        EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
        EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
        EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
        EXPECT_EQ(GetWindow(window, GW_OWNER), Main().Handle());

        RECT frame;
        GetWindowRect(window, &frame);
        EXPECT_NEAR(frame.left + frame.right, GetSystemMetrics(SM_CXSCREEN), 1);
        EXPECT_NEAR(frame.top + frame.bottom, GetSystemMetrics(SM_CYSCREEN), 1);

        EXPECT_FALSE(IsWindowEnabled(Main().Handle()));
        uia::PressKey(about.btnOK.Handle(), VK_RETURN);
    }));
    EXPECT_TRUE(IsWindowEnabled(Main().Handle()));
    EXPECT_EQ(GetActiveWindow(), Main().Handle());
}

TEST_F(AboutWindowTest, ControlsStandWhereTheLayoutPutsThem)
{
    EXPECT_TRUE(OpenAbout(Main(), [](TfrmAbout& about) {
        struct Expected {
            const wchar_t* name;
            const widgets::Control& control;
            RECT bounds;  // left, top, right, bottom
        };
        const Expected table[] = {
            {L"btnOK", about.btnOK, {123, 227, 123 + 75, 227 + 25}},
            {L"Label2", about.Label2, {8, 40, 8 + 195, 40 + 13}},
            {L"Bevel1", about.Bevel1, {8, 64, 8 + 305, 64 + 9}},
            {L"Label3", about.Label3, {8, 80, 8 + 59, 80 + 13}},
            {L"Label4", about.Label4, {256, 80, 256 + 44, 80 + 13}},
            {L"Memo1", about.Memo1, {8, 104, 8 + 305, 104 + 113}},
        };
        for (const Expected& row : table) {
            SCOPED_TRACE(row.name);
            const RECT actual = ClientBounds(row.control.Handle());
            EXPECT_EQ(actual.left, row.bounds.left);
            EXPECT_EQ(actual.top, row.bounds.top);
            EXPECT_EQ(actual.right, row.bounds.right);
            EXPECT_EQ(actual.bottom, row.bounds.bottom);
        }

        // The two big labels take the size of their text; the version reads
        // on from the name with the layout's gap of 2 pixels.
        const HFONT title = reinterpret_cast<HFONT>(SendMessageW(about.Label1.Handle(), WM_GETFONT, 0, 0));
        const RECT name = ClientBounds(about.Label1.Handle());
        const RECT version = ClientBounds(about.lblVersion.Handle());
        const SIZE nameSize = widgets::MeasureText(title, L"Brevant v");
        const SIZE versionSize = widgets::MeasureText(title, L"1.03");
        EXPECT_EQ(name.left, 5);
        EXPECT_EQ(name.top, 8);
        EXPECT_EQ(name.right - name.left, nameSize.cx);
        EXPECT_EQ(name.bottom - name.top, nameSize.cy);
        EXPECT_EQ(version.left, name.right + 2);
        EXPECT_EQ(version.top, 8);
        EXPECT_EQ(version.right - version.left, versionSize.cx);
        EXPECT_EQ(version.bottom - version.top, versionSize.cy);
        uia::PressKey(about.btnOK.Handle(), VK_RETURN);
    }));
}

TEST_F(AboutWindowTest, TextsFontsAndColoursAreThoseOfTheLayout)
{
    EXPECT_TRUE(OpenAbout(Main(), [](TfrmAbout& about) {
        struct Expected {
            const wchar_t* name;
            const widgets::Control& control;
            std::wstring text;
            LONG height;
            bool bold, underlined;
            COLORREF colour;
        };
        const COLORREF windowText = GetSysColor(COLOR_WINDOWTEXT);
        const COLORREF blue = RGB(0, 0, 255);
        const Expected table[] = {
            {L"Label1", about.Label1, L"Brevant v", -24, true, false, windowText},
            {L"lblVersion", about.lblVersion, L"1.03", -24, true, false, windowText},
            {L"Label2", about.Label2, kMakerLine, -11, false, false, windowText},
            {L"Label3", about.Label3, kContactCaption, -11, false, true, blue},
            {L"Label4", about.Label4, L"Web Site", -11, false, true, blue},
        };
        for (const Expected& row : table) {
            SCOPED_TRACE(row.name);
            const HWND label = row.control.Handle();
            EXPECT_EQ(TextOf(label), row.text);
            const LOGFONTW font = FontOf(label);
            EXPECT_STREQ(font.lfFaceName, L"MS Sans Serif");
            EXPECT_EQ(font.lfHeight, row.height);
            EXPECT_EQ(font.lfWeight >= FW_BOLD, row.bold);
            EXPECT_EQ(font.lfUnderline != 0, row.underlined);
            EXPECT_EQ(ColoursOf(label).text, row.colour);
            // Every label takes the mouse: the pointer over it is not over the
            // window's bare surface.
            EXPECT_TRUE(GetWindowLongPtrW(label, GWL_STYLE) & SS_NOTIFY);
            // The fixed-size labels show their whole text.
            const RECT box = ClientBounds(label);
            const HFONT handle = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
            EXPECT_LE(widgets::MeasureText(handle, row.text).cx, box.right - box.left);
        }
        EXPECT_EQ(TextOf(about.btnOK.Handle()), L"&OK");
        for (HWND plain : {about.btnOK.Handle(), about.Memo1.Handle()}) {
            const LOGFONTW font = FontOf(plain);
            EXPECT_STREQ(font.lfFaceName, L"MS Sans Serif");
            EXPECT_EQ(font.lfHeight, -11);
            EXPECT_LT(font.lfWeight, FW_BOLD);
        }
        uia::PressKey(about.btnOK.Handle(), VK_RETURN);
    }));
}

TEST_F(AboutWindowTest, HintsNameWhereEachLinkLeads)
{
    EXPECT_TRUE(OpenAbout(Main(), [](TfrmAbout& about) {
        EXPECT_EQ(about.Hints().Get(about.Label3.Handle()),
                  std::wstring(L"Email address (") + kContactAddress + L")");
        EXPECT_EQ(about.Hints().Get(about.Label4.Handle()),
                  std::wstring(L"Goto my Web Site (") + kWebPage + L")");
        for (const widgets::Control* other : std::initializer_list<const widgets::Control*>{
                 &about.btnOK, &about.Label1, &about.lblVersion, &about.Bevel1, &about.Label2, &about.Memo1})
            EXPECT_EQ(about.Hints().Get(other->Handle()), L"");
        uia::PressKey(about.btnOK.Handle(), VK_RETURN);
    }));
}

TEST_F(AboutWindowTest, TermsAreAReadOnlyWrappedTextOf34LinesInTheMenuColourAtTheTop)
{
    EXPECT_TRUE(OpenAbout(Main(), [](TfrmAbout& about) {
        const HWND memo = about.Memo1.Handle();
        const LONG_PTR style = GetWindowLongPtrW(memo, GWL_STYLE);
        EXPECT_TRUE(style & ES_MULTILINE);
        EXPECT_TRUE(style & ES_READONLY);
        EXPECT_TRUE(style & WS_VSCROLL);
        EXPECT_FALSE(style & (ES_AUTOHSCROLL | WS_HSCROLL)) << "no word wrap";
        EXPECT_EQ(ColoursOf(memo).background, GetSysColor(COLOR_MENU));

        const std::vector<std::wstring> lines = SplitLines(TextOf(memo));
        ASSERT_EQ(lines.size(), 34u);
        for (size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i], kTermsLines[i]) << "line " << i + 1;
        // No line is too long for the box: each shows as one line.
        EXPECT_EQ(SendMessageW(memo, EM_GETLINECOUNT, 0, 0), 34);
        EXPECT_EQ(SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0), 0);

        // Typing changes nothing.
        uia::SetFocusTo(memo);
        uia::TypeText(memo, "x");
        EXPECT_EQ(SplitLines(TextOf(memo)).front(), kTermsLines.front());
        uia::PressKey(memo, VK_TAB);
        uia::PressKey(about.btnOK.Handle(), VK_RETURN);
    }));
}

TEST_F(AboutWindowTest, BevelIsAnEtchedLineAlongTheTopOfItsBox)
{
    EXPECT_TRUE(OpenAbout(Main(), [](TfrmAbout& about) {
        UpdateWindow(about.Handle());
        HDC dc = GetDC(about.Handle());
        for (int x : {8, 100, 312}) {
            SCOPED_TRACE(x);
            EXPECT_EQ(GetPixel(dc, x, 64), GetSysColor(COLOR_BTNSHADOW));
            EXPECT_EQ(GetPixel(dc, x, 65), GetSysColor(COLOR_BTNHIGHLIGHT));
            EXPECT_EQ(GetPixel(dc, x, 70), GetSysColor(COLOR_BTNFACE));
        }
        ReleaseDC(about.Handle(), dc);
        uia::PressKey(about.btnOK.Handle(), VK_RETURN);
    }));
}

TEST_F(AboutWindowTest, FocusStartsOnOkTheDefaultButtonAndTabVisitsOnlyTheTerms)
{
    EXPECT_TRUE(OpenAbout(Main(), [](TfrmAbout& about) {
        EXPECT_EQ(GetFocus(), about.btnOK.Handle());
        EXPECT_EQ(about.DefaultButton(), &about.btnOK);
        EXPECT_EQ(about.CancelButton(), nullptr);
        EXPECT_TRUE(about.btnOK.HasDefaultFrame());
        uia::PressKey(GetFocus(), VK_TAB);
        EXPECT_EQ(GetFocus(), about.Memo1.Handle());
        uia::PressKey(GetFocus(), VK_TAB);
        EXPECT_EQ(GetFocus(), about.btnOK.Handle());
        uia::PressKey(about.btnOK.Handle(), VK_RETURN);
    }));
}

// ---- What closes the window and what does not ----------------------------------

struct CloseCase {
    const wchar_t* name;
    std::function<void(TfrmAbout&)> act;
    ModalResult result;  // None: the window stays open
};

void PrintTo(const CloseCase& c, std::ostream* out) { *out << TextToUtf8(c.name); }

class AboutWindowCloseTest : public AboutWindowTest, public testing::WithParamInterface<CloseCase> {};

TEST_P(AboutWindowCloseTest, ClosesWithItsResultOrStaysOpen)
{
    const CloseCase& c = GetParam();
    EXPECT_TRUE(OpenAbout(Main(), [&](TfrmAbout& about) {
        c.act(about);
        EXPECT_EQ(about.Result(), c.result);
        if (c.result == ModalResult::None) {
            EXPECT_TRUE(IsWindowVisible(about.Handle()));
            // Enter on OK still closes it afterwards.
            uia::SetFocusTo(about.btnOK.Handle());
            uia::PressKey(about.btnOK.Handle(), VK_RETURN);
            EXPECT_EQ(about.Result(), ModalResult::OK);
        }
    }));
    EXPECT_TRUE(IsWindowEnabled(Main().Handle()));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, AboutWindowCloseTest,
    testing::Values(
        CloseCase{L"EnterAtOnce", [](TfrmAbout& a) { uia::PressKey(a.btnOK.Handle(), VK_RETURN); },
                  ModalResult::OK},
        CloseCase{L"ClickOnOk", [](TfrmAbout& a) { uia::Click(a.btnOK.Handle()); }, ModalResult::OK},
        CloseCase{L"SpaceOnOk",
                  [](TfrmAbout& a) {
                      uia::PressKey(a.btnOK.Handle(), VK_SPACE);
                  },
                  ModalResult::OK},
        CloseCase{L"CloseBox", [](TfrmAbout& a) { uia::RequestClose(a.Handle()); uia::Settle(a.Handle()); },
                  ModalResult::Cancel},
        CloseCase{L"AltF4", [](TfrmAbout& a) { uia::PressKey(a.btnOK.Handle(), VK_F4, uia::kAlt); },
                  ModalResult::Cancel},
        CloseCase{L"EscapeOnOk", [](TfrmAbout& a) { uia::PressKey(a.btnOK.Handle(), VK_ESCAPE); },
                  ModalResult::None},
        CloseCase{L"EscapeInTerms",
                  [](TfrmAbout& a) {
                      uia::SetFocusTo(a.Memo1.Handle());
                      uia::PressKey(a.Memo1.Handle(), VK_ESCAPE);
                  },
                  ModalResult::None},
        CloseCase{L"ShiftEnter",
                  [](TfrmAbout& a) { uia::PressKey(a.btnOK.Handle(), VK_RETURN, uia::kShift); },
                  ModalResult::None}),
    [](const testing::TestParamInfo<CloseCase>& info) { return TextToUtf8(info.param.name); });

// ---- The pointer ----------------------------------------------------------------

enum class Shape { Hand, Arrow, IBeam };

HCURSOR CursorOf(Shape shape)
{
    switch (shape) {
    case Shape::Hand:
        return HandPointer();
    case Shape::IBeam:
        return IBeam();
    case Shape::Arrow:
        break;
    }
    return Arrow();
}

TEST_F(AboutWindowTest, HandPointerOverEitherLinkStaysOverControlsUntilTheBareSurface)
{
    ASSERT_NE(HandPointer(), nullptr) << "the hand pointer is linked into this test";
    EXPECT_TRUE(OpenAbout(Main(), [](TfrmAbout& about) {
        struct Move {
            const wchar_t* onto;
            HWND control;  // nullptr: the bare surface
            Shape shape;
        };
        const Move moves[] = {
            {L"Memo1 before any link", about.Memo1.Handle(), Shape::IBeam},
            {L"btnOK before any link", about.btnOK.Handle(), Shape::Arrow},
            {L"Label3", about.Label3.Handle(), Shape::Hand},
            {L"Memo1", about.Memo1.Handle(), Shape::Hand},
            {L"btnOK", about.btnOK.Handle(), Shape::Hand},
            {L"Label2", about.Label2.Handle(), Shape::Hand},
            {L"Label1", about.Label1.Handle(), Shape::Hand},
            {L"lblVersion", about.lblVersion.Handle(), Shape::Hand},
            {L"Bevel1", about.Bevel1.Handle(), Shape::Hand},
            {L"bare surface", nullptr, Shape::Arrow},
            {L"Memo1 after the surface", about.Memo1.Handle(), Shape::IBeam},
            {L"Label4", about.Label4.Handle(), Shape::Hand},
            {L"Label3 from Label4", about.Label3.Handle(), Shape::Hand},
            {L"bare surface again", nullptr, Shape::Arrow},
        };
        for (const Move& move : moves) {
            SCOPED_TRACE(move.onto);
            if (move.control)
                MovePointerOnto(move.control);
            else
                MovePointerTo(about.Handle(), kBareSurface);
            EXPECT_EQ(GetCursor(), CursorOf(move.shape));
            EXPECT_EQ(widgets::ApplicationCursor(),
                      move.shape == Shape::Hand ? HandPointer() : nullptr);
        }
        uia::PressKey(about.btnOK.Handle(), VK_RETURN);
    }));
}

TEST_F(AboutWindowTest, ClosingWithThePointerOnALinkGivesTheConfigurationWindowItsOwnCursor)
{
    POINT pointer{};
    EXPECT_TRUE(OpenAbout(Main(), [&](TfrmAbout& about) {
        MovePointerOnto(about.Label3.Handle());
        ASSERT_EQ(GetCursor(), HandPointer());
        GetCursorPos(&pointer);
        uia::PressKey(about.btnOK.Handle(), VK_RETURN);
    }));
    EXPECT_EQ(widgets::ApplicationCursor(), nullptr);
    const HWND below = WindowFromPoint(pointer);
    ASSERT_TRUE(below == Main().Handle() || IsChild(Main().Handle(), below));
    EXPECT_EQ(GetCursor(), reinterpret_cast<HCURSOR>(GetClassLongPtrA(below, GCLP_HCURSOR)));
    EXPECT_NE(GetCursor(), HandPointer());
}

TEST_F(AboutWindowTest, OpeningNotesTheCursorAndPutsItBackUnlessAHandlerSetOne)
{
    const HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
    struct Case {
        const wchar_t* name;
        bool handlerSetsCursor;
        HCURSOR afterwards;
    };
    for (const Case& c : {Case{L"untouched", false, wait}, Case{L"set meanwhile", true, nullptr}}) {
        SCOPED_TRACE(c.name);
        widgets::SetApplicationCursor(wait);
        EXPECT_TRUE(OpenAbout(Main(), [&](TfrmAbout& about) {
            EXPECT_EQ(widgets::ApplicationCursor(), nullptr);
            if (c.handlerSetsCursor)
                about.FormMouseMove();
            uia::PressKey(about.btnOK.Handle(), VK_RETURN);
        }));
        EXPECT_EQ(widgets::ApplicationCursor(), c.afterwards);
    }
}

// ---- The links -------------------------------------------------------------------

TEST_F(AboutWindowTest, ClickingALinkAsksTheShellToOpenItsTarget)
{
    struct Case {
        const wchar_t* name;
        widgets::Label TfrmAbout::*link;
        std::wstring target;
    };
    const Case cases[] = {
        {L"Label3", &TfrmAbout::Label3, std::wstring(L"mailto:") + kContactAddress},
        {L"Label4", &TfrmAbout::Label4, kWebPage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_shellCalls.clear();
        EXPECT_TRUE(OpenAbout(Main(), [&](TfrmAbout& about) {
            const HWND link = (about.*c.link).Handle();
            PostMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
            PostMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
            uia::Settle(link, 2);
            EXPECT_TRUE(IsWindowVisible(about.Handle())) << "the window stays open";
            EXPECT_EQ(about.Result(), ModalResult::None);
            uia::PressKey(about.btnOK.Handle(), VK_RETURN);
        }));
        ASSERT_EQ(g_shellCalls.size(), 1u);
        const ShellCall& call = g_shellCalls.front();
        EXPECT_EQ(call.owner, GetDesktopWindow());
        EXPECT_EQ(call.verb, L"open");
        EXPECT_EQ(call.target, c.target);
        EXPECT_FALSE(call.hasParameters);
        EXPECT_FALSE(call.hasFolder);
        EXPECT_EQ(call.show, SW_SHOWNORMAL);
    }
}

// ---- Each opening ---------------------------------------------------------------

TEST_F(AboutWindowTest, AboutButtonAndF1OpenIt)
{
    struct Case {
        const wchar_t* name;
        std::function<void()> open;
    };
    const Case cases[] = {
        {L"About button", [] { uia::Click(Main().btnAbout.Handle()); }},
        {L"F1", [] { uia::PressKey(Main().Handle(), VK_F1); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool opened = false;
        EXPECT_TRUE(OpenAboutBy(c.open, [&](TfrmAbout& about) {
            opened = true;
            EXPECT_EQ(about.lblVersion.Text(), L"1.03");
            uia::PressKey(about.btnOK.Handle(), VK_RETURN);
        }));
        EXPECT_TRUE(opened);
    }
}

// ---- Opening twice ---------------------------------------------------------------

TEST_F(AboutWindowTest, EachOpeningShowsAFreshWindowReleasedAfterItCloses)
{
    std::vector<HWND> windows;
    for (int opening = 1; opening <= 2; ++opening) {
        SCOPED_TRACE(opening);
        EXPECT_TRUE(OpenAbout(Main(), [&](TfrmAbout& about) {
            windows.push_back(about.Handle());
            EXPECT_EQ(about.lblVersion.Text(), L"1.03");
            const HWND memo = about.Memo1.Handle();
            EXPECT_EQ(SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
            // Left scrolled down: the next opening must not show it so.
            SendMessageW(memo, WM_VSCROLL, SB_BOTTOM, 0);
            EXPECT_GT(SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
            uia::PressKey(about.btnOK.Handle(), VK_RETURN);
        }));
        // Hidden at once, destroyed once the messages waiting for it are handled.
        ASSERT_EQ(windows.size(), static_cast<size_t>(opening));
        EXPECT_TRUE(IsWindow(windows.back()));
        EXPECT_FALSE(IsWindowVisible(windows.back()));
        uia::PumpMessages();
        EXPECT_FALSE(IsWindow(windows.back()));
        EXPECT_EQ(frmAbout, nullptr);
    }
    EXPECT_NE(windows.front(), windows.back());
}

TEST_F(AboutWindowTest, ANewWindowIsHiddenWithTheLayoutsPlaceholderVersion)
{
    const TfrmAbout about(Main().Handle());
    EXPECT_FALSE(IsWindowVisible(about.Handle()));
    EXPECT_EQ(about.lblVersion.Text(), L"#.##");
    EXPECT_EQ(about.Result(), ModalResult::None);
}

}  // namespace
}  // namespace brevant
