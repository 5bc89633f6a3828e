// The controls the program draws itself, the glyph buttons and the group
// boxes, beside the platform's own push button and group box: in every state
// and at every display scale they are drawn as the platform draws its own, in
// the prefix's visual style (Wine's theme, or none in the classic prefix),
// and a glyph button keeps its glyph, pixel for pixel, from the glyph set of
// the scale. What the theme draws is compared, not fixed: the frame of each
// control, where its glyph or caption never goes.
#include "resources/glyph_scale.h"
#include "resources/resource_ids.h"
#include "widgets/form.h"
#include "widgets/glyph_button.h"
#include "widgets/group_box.h"
#include "widgets/message_loop.h"
#include "widgets/screen_dpi.h"

#include <gtest/gtest.h>
#include <uxtheme.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace brevant {
namespace {

using widgets::Bounds;
using widgets::Dpi;

// Two buttons and two group boxes of one size side by side, the platform's
// on the right, laid out at the form's scale; their edges at multiples of 4
// pixels, so each pair keeps one size at every scale.
class SideBySide : public widgets::Form {
public:
    static constexpr Bounds kGlyphButton{8, 8, 75, 25}, kPushButton{96, 8, 75, 25};
    static constexpr Bounds kGroupBox{8, 44, 120, 60}, kStandardGroupBox{136, 44, 120, 60};

    SideBySide()
    {
        CreateForm({.className = L"SideBySide", .caption = L"Side by side", .clientWidth = 270,
                    .clientHeight = 115});
        glyphButton.Create(Handle(), Scaled(kGlyphButton), L"&OK", Font());
        glyphButton.SetGlyph(IDB_GLYPH_OK, GlyphBitmapAt);
        pushButton.Create(Handle(), Scaled(kPushButton), L"&OK", 1, Font());
        groupBox.Create(Handle(), Scaled(kGroupBox), L"Delay", Font());
        standardGroupBox = CreateWindowExW(0, L"BUTTON", L"Delay", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 0, 0,
                                           0, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
        Place(standardGroupBox, kStandardGroupBox, Font());
    }

    widgets::GlyphButton glyphButton;
    widgets::PushButton pushButton;
    widgets::GroupBox groupBox;
    HWND standardGroupBox;

protected:
    void OnDpiChanged() override
    {
        Place(glyphButton.Handle(), kGlyphButton, Font());
        Place(pushButton.Handle(), kPushButton, Font());
        Place(groupBox.Handle(), kGroupBox, Font());
        Place(standardGroupBox, kStandardGroupBox, Font());
    }
};

// What a window draws of its client area when asked to print it over the
// dialog face colour, as it stands on a form, top row first.
class Picture {
public:
    explicit Picture(HWND window)
    {
        RECT client;
        GetClientRect(window, &client);
        width = client.right;
        height = client.bottom;
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        widgets::BitmapHandle bitmap(CreateCompatibleBitmap(screen, width, height));
        HGDIOBJ old = SelectObject(dc, bitmap.get());
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        SelectObject(dc, old);
        DeleteDC(dc);
        pixels = ReadPixels(bitmap.get(), width, height);
        ReleaseDC(nullptr, screen);
    }

    // Every pixel of a bitmap as 0xRRGGBB, top row first.
    static std::vector<uint32_t> ReadPixels(HBITMAP bitmap, int width, int height)
    {
        BITMAPINFO format{};
        format.bmiHeader = {sizeof format.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        std::vector<uint32_t> read(static_cast<size_t>(width) * height);
        HDC screen = GetDC(nullptr);
        GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), read.data(), &format, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        for (uint32_t& pixel : read)
            pixel &= 0xFFFFFF;
        return read;
    }

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }

    // The pixels within `band` of the left, right and bottom edges, and of the
    // top edge unless the band starts lower, at `top`.
    std::vector<uint32_t> Frame(int band, int top = 0) const
    {
        std::vector<uint32_t> frame;
        for (int y = top; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (x < band || x >= width - band || y >= height - band || (top == 0 && y < band))
                    frame.push_back(At(x, y));
        return frame;
    }

    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
};

// One image of a glyph strip, and the colour of its transparent pixels.
struct Glyph {
    int side = 0;
    std::vector<uint32_t> pixels;
    uint32_t transparent = 0;
};

Glyph LoadGlyph(int bitmapId, int image)
{
    widgets::BitmapHandle strip(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0,
                   LR_CREATEDIBSECTION)));
    BITMAP info{};
    GetObjectA(strip.get(), sizeof info, &info);
    const std::vector<uint32_t> all = Picture::ReadPixels(strip.get(), info.bmWidth, info.bmHeight);
    Glyph glyph{info.bmHeight, {}, all[static_cast<size_t>(info.bmHeight - 1) * info.bmWidth]};
    for (int y = 0; y < glyph.side; ++y)
        for (int x = 0; x < glyph.side; ++x)
            glyph.pixels.push_back(all[static_cast<size_t>(y) * info.bmWidth + image * glyph.side + x]);
    return glyph;
}

// Whether the picture shows the glyph somewhere, every opaque pixel unchanged.
bool Shows(const Picture& picture, const Glyph& glyph)
{
    for (int top = 0; top + glyph.side <= picture.height; ++top) {
        for (int left = 0; left + glyph.side <= picture.width; ++left) {
            bool all = true;
            for (int i = 0; all && i < glyph.side * glyph.side; ++i) {
                const uint32_t pixel = glyph.pixels[static_cast<size_t>(i)];
                all = pixel == glyph.transparent || picture.At(left + i % glyph.side, top + i / glyph.side) == pixel;
            }
            if (all)
                return true;
        }
    }
    return false;
}

// What the platform does when the window reaches a monitor of that scale.
void MoveToScale(HWND window, int dpi)
{
    RECT r;
    GetWindowRect(window, &r);
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
}

// A state of a push button, put on and taken off again as the user and the
// keyboard module do.
struct State {
    const char* name;
    std::function<void(widgets::PushButton&)> put, takeOff;
};

const State kStates[] = {
    {"normal", [](widgets::PushButton&) {}, [](widgets::PushButton&) {}},
    // The mouse moving onto the button, as the queue brings it, and resting
    // there (the platform's button under Wine turns hot only once the mouse
    // rests); then leaving it.
    {"hot",
     [](widgets::PushButton& b) {
         RECT r;
         GetWindowRect(b.Handle(), &r);
         SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
         PostMessageA(b.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
         widgets::ProcessPendingMessages();
         SendMessageA(b.Handle(), WM_MOUSEHOVER, 0, MAKELPARAM(5, 5));
     },
     [](widgets::PushButton& b) {
         SetCursorPos(0, 0);
         PostMessageA(b.Handle(), WM_MOUSELEAVE, 0, 0);
         widgets::ProcessPendingMessages();
     }},
    {"pressed", [](widgets::PushButton& b) { SendMessageA(b.Handle(), BM_SETSTATE, TRUE, 0); },
     [](widgets::PushButton& b) { SendMessageA(b.Handle(), BM_SETSTATE, FALSE, 0); }},
    {"default", [](widgets::PushButton& b) { b.SetDefaultFrame(true); },
     [](widgets::PushButton& b) { b.SetDefaultFrame(false); }},
    {"default and pressed",
     [](widgets::PushButton& b) {
         b.SetDefaultFrame(true);
         SendMessageA(b.Handle(), BM_SETSTATE, TRUE, 0);
     },
     [](widgets::PushButton& b) {
         SendMessageA(b.Handle(), BM_SETSTATE, FALSE, 0);
         b.SetDefaultFrame(false);
     }},
    {"focused", [](widgets::PushButton& b) { b.Focus(); }, [](widgets::PushButton&) { SetFocus(nullptr); }},
    {"disabled", [](widgets::PushButton& b) { b.SetEnabled(false); },
     [](widgets::PushButton& b) { b.SetEnabled(true); }},
};

// The button drawn in a state.
Picture InState(widgets::PushButton& button, const State& state)
{
    state.put(button);
    Picture picture(button.Handle());
    state.takeOff(button);
    return picture;
}

class VisualStyleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ShowWindow(form.Handle(), SW_SHOW);
        widgets::ProcessPendingMessages();
    }

    // The frame of a button: the outer two pixels, which the glyph, the
    // caption and the focus rectangle (the platform's stands three pixels in
    // at every scale) never reach.
    static std::vector<uint32_t> ButtonFrame(const Picture& picture) { return picture.Frame(2); }

    // The frame of a group box below its caption (the platform's classic one
    // draws its top line a pixel higher than the middle of the caption).
    std::vector<uint32_t> GroupFrame(HWND groupBox) const { return Picture(groupBox).Frame(2, form.Scaled(16)); }

    SideBySide form;
};

TEST_F(VisualStyleTest, GlyphButtonIsThePlatformsPushButtonInEveryStateAndScaleWithItsGlyph)
{
    const int prefixDpi = widgets::DpiOfWindow(form.Handle()).Value();
    for (const int dpi : {prefixDpi, 96, 120, 144, 192}) {
        MoveToScale(form.Handle(), dpi);
        const Glyph normal = LoadGlyph(GlyphBitmapAt(IDB_GLYPH_OK, Dpi(dpi)), 0);
        const Glyph greyed = LoadGlyph(GlyphBitmapAt(IDB_GLYPH_OK, Dpi(dpi)), 1);
        ASSERT_EQ(normal.side, Dpi(dpi).Scale(18));
        for (const State& state : kStates) {
            SCOPED_TRACE(std::string(state.name) + " at " + std::to_string(dpi) + " dpi");
            const Picture glyphButton = InState(form.glyphButton, state);
            const Picture pushButton = InState(form.pushButton, state);
            ASSERT_EQ(glyphButton.width, pushButton.width);
            EXPECT_EQ(ButtonFrame(glyphButton), ButtonFrame(pushButton));
            const bool disabled = std::string(state.name) == "disabled";
            EXPECT_TRUE(Shows(glyphButton, disabled ? greyed : normal));
            EXPECT_FALSE(Shows(glyphButton, disabled ? normal : greyed));
        }
    }
}

TEST_F(VisualStyleTest, GroupBoxIsThePlatformsGroupBox)
{
    EXPECT_EQ(GroupFrame(form.groupBox.Handle()), GroupFrame(form.standardGroupBox));
}

// The visual style switched off while alive, as a user switches to the
// classic look: the windows are told with WM_THEMECHANGED. Wine switches it
// off for the process and writes that into the prefix, and cannot switch it
// on again short of rewriting the prefix's colours; so only the prefix's
// setting is put back, for the processes after this one. (Windows from 8 on
// lets no program switch it.)
class ClassicLookFromNowOn {
public:
    ClassicLookFromNowOn()
    {
        DWORD size = sizeof saved_;
        RegGetValueW(HKEY_CURRENT_USER, kManager, L"ThemeActive", RRF_RT_REG_SZ, nullptr, saved_, &size);
        EnableTheming(FALSE);
        widgets::ProcessPendingMessages();
    }
    ~ClassicLookFromNowOn()
    {
        RegSetKeyValueW(HKEY_CURRENT_USER, kManager, L"ThemeActive", REG_SZ, saved_,
                        static_cast<DWORD>((wcslen(saved_) + 1) * sizeof(wchar_t)));
    }
    ClassicLookFromNowOn(const ClassicLookFromNowOn&) = delete;
    ClassicLookFromNowOn& operator=(const ClassicLookFromNowOn&) = delete;

private:
    static constexpr const wchar_t* kManager = L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";
    wchar_t saved_[8] = L"1";
};

TEST_F(VisualStyleTest, FollowsTheVisualStyleSwitchedOffWhileShown)
{
    if (!IsThemeActive())
        GTEST_SKIP() << "the prefix has no visual style to switch off";
    const std::vector<uint32_t> themedButton = ButtonFrame(Picture(form.glyphButton.Handle()));
    const std::vector<uint32_t> themedGroup = GroupFrame(form.groupBox.Handle());

    const ClassicLookFromNowOn classic;
    ASSERT_FALSE(IsThemeActive());
    const std::vector<uint32_t> button = ButtonFrame(Picture(form.glyphButton.Handle()));
    EXPECT_EQ(button, ButtonFrame(Picture(form.pushButton.Handle())));
    EXPECT_NE(button, themedButton);
    const std::vector<uint32_t> group = GroupFrame(form.groupBox.Handle());
    EXPECT_EQ(group, GroupFrame(form.standardGroupBox));
    EXPECT_NE(group, themedGroup);
}

}  // namespace
}  // namespace brevant
