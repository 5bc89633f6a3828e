// The tests' own UI automation, driving small windows of this process. Most
// windows run on a thread of their own, so the automation works across
// threads exactly as it does across processes in the end-to-end tests.
#include "automation/find.h"
#include "automation/input.h"
#include "automation/process.h"
#include "automation/read.h"
#include "automation/screenshot.h"
#include "automation/wait.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <future>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr char kCaption[] = "uia test window";
constexpr char kBoxCaption[] = "uia test box";

enum ControlId { kGoButton = 1, kOffButton, kTickBox, kEdit, kMemo, kPanel, kInnerBox, kTrackBar, kPicker };

// A key message as the test window saw it, with the modifier keys' state then.
struct KeySeen {
    UINT message;
    WPARAM key;
    LPARAM data;
    bool shift, control, alt;
};

// What the test window's procedure saw; written by the window's thread.
struct Seen {
    std::mutex lock;
    std::vector<KeySeen> keys;
    std::vector<int> clicks;
    bool boxClosed = false;

    std::vector<KeySeen> Keys()
    {
        std::lock_guard guard(lock);
        return keys;
    }
    std::vector<int> Clicks()
    {
        std::lock_guard guard(lock);
        return clicks;
    }
    bool BoxClosed()
    {
        std::lock_guard guard(lock);
        return boxClosed;
    }
    void Clear()
    {
        std::lock_guard guard(lock);
        keys.clear();
        clicks.clear();
        boxClosed = false;
    }
} seen;

bool Down(int key)
{
    return GetKeyState(key) & 0x8000;
}

LRESULT CALLBACK TestWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN: case WM_KEYUP: case WM_SYSKEYDOWN: case WM_SYSKEYUP: case WM_CHAR: case WM_SYSCHAR: {
        std::lock_guard guard(seen.lock);
        seen.keys.push_back({message, wParam, lParam, Down(VK_SHIFT), Down(VK_CONTROL), Down(VK_MENU)});
        return 0;  // no system handling: Alt+F4 would close the window
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            {
                std::lock_guard guard(seen.lock);
                seen.clicks.push_back(LOWORD(wParam));
            }
            if (LOWORD(wParam) == kGoButton) {
                MessageBoxA(window, "Go?", kBoxCaption, MB_OK);
                std::lock_guard guard(seen.lock);
                seen.boxClosed = true;
            }
        }
        return 0;
    case WM_PAINT: {
        // Top half red, bottom half blue: shows whether a picture is upside down.
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT area;
        GetClientRect(window, &area);
        RECT top = area, bottom = area;
        top.bottom = bottom.top = area.bottom / 2;
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
        FillRect(dc, &top, red);
        FillRect(dc, &bottom, blue);
        DeleteObject(red);
        DeleteObject(blue);
        EndPaint(window, &paint);
        return 0;
    }
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void RegisterTestClass()
{
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_DATE_CLASSES};
        InitCommonControlsEx(&controls);
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = TestWindowProcedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.lpszClassName = "UiaTestWindow";
        return RegisterClassA(&windowClass) != 0;
    }();
    ASSERT_TRUE(registered);
}

HWND CreateTestWindow(const char* caption = kCaption, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                      RECT place = {50, 50, 450, 350})
{
    RegisterTestClass();
    return CreateWindowExA(0, "UiaTestWindow", caption, style, place.left, place.top, place.right - place.left,
        place.bottom - place.top, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

HWND AddControl(HWND parent, const char* className, const char* text, DWORD style, RECT place, int id)
{
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top,
        place.right - place.left, place.bottom - place.top, parent, reinterpret_cast<HMENU>(INT_PTR{id}),
        GetModuleHandleA(nullptr), nullptr);
}

void AddControls(HWND window)
{
    AddControl(window, "Button", "&Go", BS_PUSHBUTTON, {10, 10, 90, 35}, kGoButton);
    HWND off = AddControl(window, "Button", "Off", BS_PUSHBUTTON, {100, 10, 180, 35}, kOffButton);
    EnableWindow(off, FALSE);
    AddControl(window, "Button", "&Tick", BS_AUTOCHECKBOX, {10, 40, 90, 60}, kTickBox);
    AddControl(window, "Edit", "", ES_AUTOHSCROLL, {10, 70, 190, 92}, kEdit);
    AddControl(window, "Edit", "", ES_MULTILINE | ES_WANTRETURN, {10, 100, 190, 160}, kMemo);
    HWND panel = AddControl(window, "Static", "panel", 0, {200, 10, 380, 120}, kPanel);
    AddControl(panel, "Button", "Inner", BS_AUTOCHECKBOX, {5, 6, 85, 26}, kInnerBox);
    AddControl(window, TRACKBAR_CLASSA, "", TBS_HORZ, {200, 130, 380, 160}, kTrackBar);
    AddControl(window, DATETIMEPICK_CLASSA, "", DTS_TIMEFORMAT, {200, 170, 380, 195}, kPicker);
    CheckDlgButton(panel, kInnerBox, BST_CHECKED);
}

// Windows made by `setup` on a thread of their own that runs a plain message
// loop; the thread and with it its windows end with the object.
class WindowThread {
public:
    explicit WindowThread(std::function<void()> setup)
    {
        std::promise<DWORD> started;
        auto id = started.get_future();
        thread_ = std::thread([&started, setup] {
            setup();
            MSG message;
            PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
            started.set_value(GetCurrentThreadId());
            while (GetMessageA(&message, nullptr, 0, 0) > 0) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        });
        id_ = id.get();
    }
    ~WindowThread()
    {
        PostThreadMessageA(id_, WM_QUIT, 0, 0);
        thread_.join();
    }

private:
    std::thread thread_;
    DWORD id_ = 0;
};

class AutomationTest : public testing::Test {
protected:
    void SetUp() override { seen.Clear(); }

    // The test window with its controls, on a thread of its own.
    HWND StartWindow()
    {
        thread_.emplace([] { AddControls(CreateTestWindow()); });
        HWND window = uia::FindTopLevelWindow({.caption = kCaption});
        EXPECT_NE(window, nullptr);
        return window;
    }

    HWND Control(HWND window, int id)
    {
        for (const auto& control : uia::ListControls(window))
            if (control.id == id)
                return control.handle;
        ADD_FAILURE() << "no control " << id;
        return nullptr;
    }

    std::optional<WindowThread> thread_;
};

TEST_F(AutomationTest, FindsATopLevelWindowOnlyByExactCaptionClassAndProcess)
{
    HWND window = StartWindow();
    WindowThread hidden([] { CreateTestWindow("uia hidden window", WS_OVERLAPPEDWINDOW); });
    const DWORD self = GetCurrentProcessId();
    const struct {
        uia::WindowQuery query;
        HWND expected;
    } cases[] = {
        {{.caption = kCaption}, window},
        {{.caption = kCaption, .className = "uiatestwindow", .processId = self}, window},
        {{.caption = "uia test"}, nullptr},
        {{.caption = kCaption, .className = "Edit"}, nullptr},
        {{.caption = kCaption, .processId = self + 1}, nullptr},
        {{.caption = "uia hidden window"}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.query.caption + " / " + c.query.className);
        EXPECT_EQ(uia::FindTopLevelWindow(c.query), c.expected);
    }
    HWND hiddenWindow = uia::FindTopLevelWindow({.caption = "uia hidden window", .visibleOnly = false});
    ASSERT_NE(hiddenWindow, nullptr);
    EXPECT_FALSE(IsWindowVisible(hiddenWindow));
    const auto ours = uia::TopLevelWindowsOf(self);
    EXPECT_NE(std::ranges::find(ours, hiddenWindow), ours.end());
}

TEST_F(AutomationTest, WaitsForAWindowToAppearAndToGo)
{
    static HWND late = nullptr;
    // The thread's timers make the window only after the wait has begun, and end it later.
    WindowThread thread([] {
        SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
            KillTimer(nullptr, id);
            late = CreateTestWindow("uia late window");
            SetTimer(nullptr, 0, 1000, [](HWND, UINT, UINT_PTR id, DWORD) {
                KillTimer(nullptr, id);
                DestroyWindow(late);
            });
        });
    });
    EXPECT_EQ(uia::FindTopLevelWindow({.caption = "uia late window"}), nullptr);
    HWND window = uia::WaitForWindow({.caption = "uia late window"}, 5s);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(uia::WaitForWindowGone(window, 100ms));
    EXPECT_TRUE(uia::WaitForWindowGone(window, 5s));
    EXPECT_EQ(uia::WaitForWindow({.caption = "uia never window"}, 100ms), nullptr);
}

TEST_F(AutomationTest, ListsNestedControlsWithTheirStateAndParentRelativeBounds)
{
    HWND window = StartWindow();
    const auto controls = uia::ListControls(window);
    const auto at = [&](int id) {
        return std::ranges::find_if(controls, [&](const auto& c) { return c.id == id; });
    };
    const auto panel = at(kPanel), inner = at(kInnerBox), off = at(kOffButton), tick = at(kTickBox);
    ASSERT_NE(inner, controls.end()) << uia::DescribeControls(window);
    ASSERT_NE(panel, controls.end());
    EXPECT_LT(panel - controls.begin(), inner - controls.begin());  // the parent first
    EXPECT_EQ(inner->parent, panel->handle);
    EXPECT_EQ(inner->className, "Button");
    EXPECT_EQ(inner->text, "Inner");
    EXPECT_EQ(inner->bounds.left, 5);
    EXPECT_EQ(inner->bounds.top, 6);
    EXPECT_EQ(inner->bounds.right, 85);
    EXPECT_EQ(inner->bounds.bottom, 26);
    EXPECT_EQ(inner->check, BST_CHECKED);
    EXPECT_EQ(tick->check, BST_UNCHECKED);
    EXPECT_EQ(at(kGoButton)->check, std::nullopt);
    EXPECT_FALSE(off->enabled);
    EXPECT_TRUE(off->visible);

    EXPECT_EQ(uia::FindControl(window, "&Go"), at(kGoButton)->handle);
    EXPECT_EQ(uia::FindControl(window, "Go"), nullptr);
    EXPECT_EQ(uia::FindControlOfClass(window, "button", 3), inner->handle);
    EXPECT_EQ(uia::FindControlOfClass(window, "Edit", 1), at(kMemo)->handle);
    EXPECT_EQ(uia::FindControlOfClass(window, "Edit", 2), nullptr);
}

TEST_F(AutomationTest, ClickReturnsWhileTheModalBoxItOpensIsUp)
{
    HWND window = StartWindow();
    ASSERT_TRUE(uia::Click(uia::FindControl(window, "&Go")));
    HWND box = uia::WaitForWindow({.caption = kBoxCaption, .processId = GetCurrentProcessId()}, 5s);
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(seen.BoxClosed());
    ASSERT_TRUE(uia::Click(uia::FindControl(box, "OK"))) << uia::DescribeControls(box);
    EXPECT_TRUE(uia::WaitUntil([] { return seen.BoxClosed(); }, 5s));
    EXPECT_EQ(seen.Clicks(), std::vector<int>{kGoButton});
}

TEST_F(AutomationTest, ClickTogglesCheckBoxesAndLeavesDisabledControlsAlone)
{
    HWND window = StartWindow();
    HWND tick = Control(window, kTickBox);
    EXPECT_FALSE(uia::Click(Control(window, kOffButton)));
    ASSERT_TRUE(uia::Click(tick));
    EXPECT_TRUE(uia::IsChecked(tick));
    ASSERT_TRUE(uia::Click(tick));
    EXPECT_FALSE(uia::IsChecked(tick));
    EXPECT_EQ(seen.Clicks(), (std::vector<int>{kTickBox, kTickBox}));
}

TEST_F(AutomationTest, TypedCharactersArriveOnceEach)
{
    HWND window = StartWindow();
    HWND edit = Control(window, kEdit);
    uia::TypeText(edit, "a1 b\b!");
    EXPECT_EQ(uia::Text(edit), "a1 !");
    uia::SelectAllText(edit);
    uia::TypeText(edit, "7");
    EXPECT_EQ(uia::Text(edit), "7");
    uia::SetText(edit, "set");
    EXPECT_EQ(uia::Text(edit), "set");
}

TEST_F(AutomationTest, PressedEnterMakesOneLineBreak)
{
    HWND window = StartWindow();
    HWND memo = Control(window, kMemo);
    uia::TypeText(memo, "x");
    uia::PressKey(memo, VK_RETURN);
    uia::TypeText(memo, "y");
    EXPECT_EQ(uia::Text(memo), "x\r\ny");
}

TEST_F(AutomationTest, PressedKeysCarryTheirModifiersAndTranslateOnce)
{
    HWND window = StartWindow();
    constexpr LPARAM kAltContext = 1 << 29, kExtended = 1 << 24;
    const struct {
        UINT key;
        unsigned modifiers;
        std::vector<UINT> messages;  // what the window sees, in order
        LPARAM flags;                // set in the key-down's data
        WPARAM character;            // of the translated character message, if any
    } cases[] = {
        {VK_F4, uia::kAlt, {WM_SYSKEYDOWN, WM_SYSKEYUP}, kAltContext, 0},
        {'M', uia::kAlt, {WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP}, kAltContext, 'm'},
        {VK_TAB, uia::kShift, {WM_KEYDOWN, WM_CHAR, WM_KEYUP}, 0, '\t'},
        {VK_RETURN, uia::kNoModifiers, {WM_KEYDOWN, WM_CHAR, WM_KEYUP}, 0, '\r'},
        {VK_ESCAPE, uia::kNoModifiers, {WM_KEYDOWN, WM_CHAR, WM_KEYUP}, 0, VK_ESCAPE},
        {VK_LEFT, uia::kControl, {WM_KEYDOWN, WM_KEYUP}, kExtended, 0},
        {VK_F2, uia::kShift | uia::kControl, {WM_KEYDOWN, WM_KEYUP}, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key << " modifiers " << c.modifiers);
        seen.Clear();
        uia::PressKey(window, c.key, c.modifiers);
        const auto keys = seen.Keys();
        std::vector<UINT> messages;
        for (const auto& k : keys)
            messages.push_back(k.message);
        ASSERT_EQ(messages, c.messages);
        EXPECT_EQ(keys[0].key, c.key);
        EXPECT_EQ(keys[0].data & c.flags, c.flags);
        EXPECT_EQ(keys[0].data & (1u << 31), 0);
        EXPECT_EQ(keys.back().data & (1u << 31), 1u << 31);
        if (c.character) {
            EXPECT_EQ(keys[1].key, c.character);
        }
        for (const auto& k : keys) {
            EXPECT_EQ(k.shift, (c.modifiers & uia::kShift) != 0);
            EXPECT_EQ(k.control, (c.modifiers & uia::kControl) != 0);
            EXPECT_EQ(k.alt, (c.modifiers & uia::kAlt) != 0);
        }
    }
    // The modifiers are let go afterwards.
    seen.Clear();
    uia::PressKey(window, VK_F5);
    const auto keys = seen.Keys();
    ASSERT_FALSE(keys.empty());
    EXPECT_FALSE(keys[0].shift || keys[0].control || keys[0].alt);
}

TEST_F(AutomationTest, KeysToAWindowOfTheCallingThreadGoThroughTheInstalledPump)
{
    HWND window = CreateTestWindow();
    ASSERT_NE(window, nullptr);
    int pumped = 0;
    uia::SetMessagePump([&] {
        ++pumped;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    });
    uia::PressKey(window, 'S', uia::kControl);
    uia::SetMessagePump(nullptr);
    DestroyWindow(window);

    EXPECT_GT(pumped, 0);
    const auto keys = seen.Keys();
    ASSERT_FALSE(keys.empty());
    EXPECT_EQ(keys[0].message, WM_KEYDOWN);
    EXPECT_TRUE(keys[0].control);
    EXPECT_FALSE(Down(VK_CONTROL));
}

TEST_F(AutomationTest, ReadsTrackBarsAndTimePickers)
{
    HWND window = StartWindow();
    HWND trackBar = Control(window, kTrackBar);
    HWND picker = Control(window, kPicker);
    SendMessageA(trackBar, TBM_SETPOS, TRUE, 7);
    EXPECT_EQ(uia::TrackBarPosition(trackBar), 7);

    SYSTEMTIME time{2024, 3, 2, 5, 14, 37, 9, 0};
    ASSERT_TRUE(SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time)));
    const SYSTEMTIME read = uia::DateTimePickerTime(picker);
    EXPECT_EQ(read.wYear, 2024);
    EXPECT_EQ(read.wHour, 14);
    EXPECT_EQ(read.wMinute, 37);
    EXPECT_NE(uia::Text(picker).find("37"), std::string::npos) << uia::Text(picker);
}

TEST(ProcessTest, ReportsTheExitCodeOfAProgramStartedInAFolder)
{
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    const std::filesystem::path cmd = std::filesystem::path(system) / "cmd.exe";
    const auto folder = std::filesystem::temp_directory_path() / "uia process test";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "marker.txt") << "here";

    uia::Process inFolder(cmd, "/c if exist marker.txt (exit 3) else (exit 4)", folder);
    EXPECT_EQ(inFolder.WaitForExit(), 3u);
    uia::Process elsewhere(cmd, "/c if exist marker.txt (exit 3) else (exit 4)", folder.parent_path());
    EXPECT_EQ(elsewhere.WaitForExit(), 4u);
    std::filesystem::remove_all(folder);
}

TEST(ProcessTest, KillsAProgramThatOutlivesTheTimeout)
{
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    uia::Process notepad(std::filesystem::path(system) / "notepad.exe");
    EXPECT_EQ(notepad.WaitForExit(200ms), std::nullopt);
    EXPECT_FALSE(notepad.Running());
}

TEST(ProcessTest, QuotedArgumentsSplitBackIntoTheSameArguments)
{
    const std::vector<std::vector<std::string>> cases = {
        {"plain", "two words", ""},
        {R"(C:\dir with space\)", R"(C:\no\space\)"},
        {R"(say "hi")", R"(a\"b)", R"(a\\"b)", R"(\\)"},
        {"tab\there", "/cmsg.cfg"},
    };
    for (const auto& arguments : cases) {
        const std::string line = "program " + uia::QuoteArguments(arguments);
        SCOPED_TRACE(line);
        const std::wstring wide(line.begin(), line.end());
        int count = 0;
        LPWSTR* split = CommandLineToArgvW(wide.c_str(), &count);
        ASSERT_NE(split, nullptr);
        std::vector<std::string> back;
        for (int i = 1; i < count; ++i)
            back.emplace_back(split[i], split[i] + wcslen(split[i]));
        LocalFree(split);
        EXPECT_EQ(back, arguments);
    }
}

// The picture in a 24-bit BMP file: bottom-up rows padded to 4 bytes.
struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned char> bytes;
    size_t pixelStart = 0;

    explicit Picture(const std::filesystem::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
        BITMAPFILEHEADER fileHeader;
        BITMAPINFOHEADER header;
        if (bytes.size() < sizeof fileHeader + sizeof header)
            return;
        std::memcpy(&fileHeader, bytes.data(), sizeof fileHeader);
        std::memcpy(&header, bytes.data() + sizeof fileHeader, sizeof header);
        if (fileHeader.bfType != 0x4D42 || header.biBitCount != 24 || fileHeader.bfSize != bytes.size())
            return;
        width = header.biWidth;
        height = header.biHeight;
        pixelStart = fileHeader.bfOffBits;
    }
    // The colour at x, y counted from the top-left corner.
    COLORREF At(int x, int y) const
    {
        const size_t row = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
        const unsigned char* p = bytes.data() + pixelStart + row * (height - 1 - y) + 3 * x;
        return RGB(p[2], p[1], p[0]);
    }
};

TEST(ScreenshotTest, SavesTheWindowUpsideRightAndTheWholeScreen)
{
    // 101 pixels wide, so every row needs padding.
    WindowThread thread([] { CreateTestWindow("uia picture", WS_POPUP | WS_VISIBLE, {30, 40, 131, 90}); });
    HWND window = uia::FindTopLevelWindow({.caption = "uia picture"});
    ASSERT_NE(window, nullptr);
    const auto file = std::filesystem::temp_directory_path() / "uia screenshot test.bmp";
    // The window reaches the screen a moment after it has painted.
    const bool painted = uia::WaitUntil([&] {
        uia::SaveScreenshot(file, window);
        const Picture picture(file);
        return picture.width == 101 && picture.height == 50 && picture.At(0, 0) == RGB(255, 0, 0) &&
               picture.At(100, 49) == RGB(0, 0, 255);
    }, 5s);
    EXPECT_TRUE(painted);

    uia::SaveScreenshot(file);
    const Picture screen(file);
    EXPECT_EQ(screen.width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(screen.height, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(screen.At(50, 45), RGB(255, 0, 0));
    EXPECT_EQ(screen.At(50, 85), RGB(0, 0, 255));
    std::filesystem::remove(file);
}

}  // namespace
