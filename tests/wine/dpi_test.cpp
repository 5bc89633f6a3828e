// The three windows at the display scale of the Wine prefix the test runs in
// (BREVANT_DPI chooses it; the exe carries the program's manifest, so it is
// aware of the scale) and, through WM_DPICHANGED, at others: every control
// stands at its 96-dpi place times the scale, whole inside its parent and
// covering none of its neighbours, each caption fits its control, controls
// apart at 96 dpi stay apart, and the controls keep their state.
#include "about/about.h"
#include "app/application.h"
#include "dialogs/dialog_owner.h"
#include "dialogs/message_dialog.h"
#include "main/main.h"
#include "schedule/schedule_form.h"
#include "text/clock.h"
#include "text/locale_time_settings.h"
#include "widgets/callback_boundary.h"
#include "widgets/screen_dpi.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include <iterator>

namespace brevant {
namespace {

using widgets::Dpi;

constexpr int kScales[] = {96, 120, 144, 192};

struct Placed {
    RECT rect;  // in the parent's client area
    std::wstring className, caption;
    LONG_PTR style;
};
using Layout = std::map<HWND, Placed>;

std::wstring ClassOf(HWND hwnd)
{
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, static_cast<int>(std::size(name)));
    return name;
}

Layout LayoutOf(HWND window)
{
    Layout layout;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM list) {
            // The program's own controls, not the parts a standard control makes of itself.
            if (!widgets::Control::FromHandle(child) && !widgets::Window::FromHandle(child))
                return TRUE;
            RECT r;
            GetWindowRect(child, &r);
            MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
            wchar_t caption[256] = {};
            GetWindowTextW(child, caption, static_cast<int>(std::size(caption)));
            (*reinterpret_cast<Layout*>(list))[child] = {r, ClassOf(child), caption,
                                                         GetWindowLongPtrW(child, GWL_STYLE)};
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&layout));
    return layout;
}

SIZE ClientSize(HWND window)
{
    RECT r;
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

// What the platform does when the window reaches a monitor of that scale: it
// asks the window for its size there (a window that does not answer is
// scaled), then hands it the rectangle.
void MoveToScale(HWND window, int dpi)
{
    RECT r;
    GetWindowRect(window, &r);
    SIZE size{MulDiv(r.right - r.left, dpi, widgets::Window::LayoutDpiOf(window).Value()),
              MulDiv(r.bottom - r.top, dpi, widgets::Window::LayoutDpiOf(window).Value())};
    SendMessageW(window, 0x02E4 /* WM_GETDPISCALEDSIZE */, dpi, reinterpret_cast<LPARAM>(&size));
    RECT suggested{r.left, r.top, r.left + size.cx, r.top + size.cy};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

// The width the control's caption needs in its font, the accelerator's
// ampersand not counted.
int CaptionWidth(HWND control, const std::wstring& caption)
{
    std::wstring shown;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size.cx;
}

// The part of the control's width its caption may use; nullopt for controls
// whose caption is not a single line of their own.
std::optional<int> TextArea(const Placed& placed, Dpi dpi)
{
    const int width = placed.rect.right - placed.rect.left;
    if (placed.className == L"Button") {
        switch (placed.style & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_RADIOBUTTON:
            return width - dpi.Scale(13 + 3);  // the mark and the gap after it
        case BS_OWNERDRAW:
            return width - dpi.Scale(18 + 4 + 2 * 4);  // glyph, gap, frame and focus
        default:
            return width - dpi.Scale(2 * 4);
        }
    }
    const LONG_PTR type = placed.style & SS_TYPEMASK;
    if (placed.className == L"Static" && (type == SS_LEFT || type == SS_LEFTNOWORDWRAP) &&
        placed.caption.find(L'\n') == std::wstring::npos)
        return width;
    if (placed.className == L"BrevantGroupBox")
        return width - dpi.Scale(2 * 8);
    return std::nullopt;
}

bool Apart(const RECT& a, const RECT& b)
{
    return a.right < b.left || b.right < a.left || a.bottom < b.top || b.bottom < a.top;
}

// What every layout must keep at every scale: each control whole inside its
// group, and no two controls of one parent covering each other beyond the
// sliver of one design pixel that neighbours share. (The window's own client
// area is judged by ExpectInsideClientArea.)
void ExpectInsideAndNotCovering(const Layout& layout, int dpi)
{
    const int sliver = Dpi(dpi).Scale(1);
    for (const auto& [hwnd, placed] : layout) {
        SCOPED_TRACE(placed.className + L" \"" + placed.caption + L"\" at " + std::to_wstring(dpi) + L" dpi");
        const HWND parent = GetParent(hwnd);
        if (GetAncestor(parent, GA_ROOT) != parent) {
            RECT area;
            GetClientRect(parent, &area);
            EXPECT_GE(placed.rect.left, 0);
            EXPECT_GE(placed.rect.top, 0);
            EXPECT_LE(placed.rect.right, area.right);
            EXPECT_LE(placed.rect.bottom, area.bottom);
        }
        for (const auto& [other, otherPlaced] : layout) {
            RECT common;
            if (other == hwnd || GetParent(other) != GetParent(hwnd) ||
                !IntersectRect(&common, &placed.rect, &otherPlaced.rect))
                continue;
            EXPECT_LE(std::min(common.right - common.left, common.bottom - common.top), sliver)
                << "covers \"" << otherPlaced.caption << "\"";
        }
    }
}

// Checks the window laid out at `dpi` against the same window at 96 dpi.
void ExpectScaled(const Layout& at96, const Layout& scaled, int dpi, bool exactPlaces)
{
    const double factor = dpi / 96.0;
    ASSERT_EQ(scaled.size(), at96.size());
    for (const auto& [hwnd, design] : at96) {
        const Placed& placed = scaled.at(hwnd);
        SCOPED_TRACE(placed.className + L" \"" + placed.caption + L"\" at " + std::to_wstring(dpi) + L" dpi");
        // A label that takes the size of its text has only its place scaled.
        const bool fitsText = placed.className == L"Static" && (placed.style & SS_TYPEMASK) == SS_LEFTNOWORDWRAP;
        if (exactPlaces) {
            // One that reads on from another's text moves with the text's width,
            // which follows the scale within a few per cent.
            EXPECT_NEAR(placed.rect.left, design.rect.left * factor, std::max(2.0, fitsText ? 0.03 * placed.rect.left : 0.0));
            EXPECT_NEAR(placed.rect.top, design.rect.top * factor, 2.0);
            if (!fitsText) {
                EXPECT_NEAR(placed.rect.right, design.rect.right * factor, 2.0);
                EXPECT_NEAR(placed.rect.bottom, design.rect.bottom * factor, 2.0);
            }
        }
        if (const auto area = TextArea(placed, Dpi(dpi))) {
            EXPECT_LE(CaptionWidth(hwnd, placed.caption), *area);
        }
        for (const auto& [other, otherDesign] : at96) {
            if (GetParent(other) == GetParent(hwnd) && Apart(design.rect, otherDesign.rect)) {
                EXPECT_TRUE(Apart(placed.rect, scaled.at(other).rect)) << "touches \"" << otherDesign.caption << "\"";
            }
        }
    }
}

class DpiTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_DATE_CLASSES};
        InitCommonControlsEx(&controls);
        LoadLocaleTimeSettings();
        widgets::SetErrorReporter([](std::exception_ptr) { ADD_FAILURE() << "an error was reported"; });
    }

    void SetUp() override
    {
        app = std::make_unique<Application>(L"Message");
        SetDialogOwner(app->Handle());
    }

    // The window as created at the prefix's scale, then at each scale of the
    // table, each compared with it at 96 dpi; and back at the first scale.
    void CheckEveryScale(HWND window, bool exactPlaces)
    {
        const int created = widgets::DpiOfWindow(window).Value();
        EXPECT_EQ(widgets::Window::LayoutDpiOf(window).Value(), created);
        const Layout atCreation = LayoutOf(window);
        ExpectInsideClientArea(window, atCreation);
        MoveToScale(window, 96);
        const Layout at96 = LayoutOf(window);
        for (const int dpi : kScales) {
            MoveToScale(window, dpi);
            const Layout scaled = LayoutOf(window);
            ExpectScaled(at96, scaled, dpi, exactPlaces);
            ExpectInsideAndNotCovering(scaled, dpi);
        }
        MoveToScale(window, created);
        const Layout back = LayoutOf(window);
        for (const auto& [hwnd, placed] : atCreation)
            EXPECT_TRUE(EqualRect(&back.at(hwnd).rect, &placed.rect)) << placed.caption;
    }

    // Wine keeps a window's frame at the scale the program started at, so the
    // client area is judged at that scale only: it holds every control whole.
    static void ExpectInsideClientArea(HWND window, const Layout& layout)
    {
        const SIZE client = ClientSize(window);
        for (const auto& [hwnd, placed] : layout) {
            if (GetParent(hwnd) == window) {
                EXPECT_LE(placed.rect.right, client.cx) << placed.caption;
                EXPECT_LE(placed.rect.bottom, client.cy) << placed.caption;
            }
        }
    }

    std::unique_ptr<Application> app;
};

TEST_F(DpiTest, ConfigurationWindowScalesItsLayoutAndKeepsItsState)
{
    TfrmMain form(*app);
    form.Memo1.SetText(L"Back soon");
    form.chkYes.SetChecked(true);
    form.rbtnTime.Select();
    form.TrackBar1.SetPosition(25);
    ShowWindow(form.Handle(), SW_SHOWNOACTIVATE);

    CheckEveryScale(form.Handle(), true);

    EXPECT_EQ(form.Memo1.Text(), L"Back soon");
    EXPECT_TRUE(form.chkYes.Checked());
    EXPECT_TRUE(form.rbtnTime.Selected());
    EXPECT_TRUE(form.txtTime.Enabled());
    EXPECT_FALSE(form.TrackBar1.Enabled());
    EXPECT_EQ(form.TrackBar1.Position(), 25);
    // The kind icons are drawn for the scale, not stretched.
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(form.Image1.Icon(), &info));
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    EXPECT_EQ(mask.bmWidth, Dpi(widgets::DpiOfWindow(form.Handle()).Value()).Scale(32));
}

TEST_F(DpiTest, AboutWindowScalesItsLayout)
{
    TfrmAbout about(app->Handle());
    about.lblVersion.SetText(L"1.03");
    ShowWindow(about.Handle(), SW_SHOWNOACTIVATE);
    CheckEveryScale(about.Handle(), true);
}

TEST_F(DpiTest, ScheduleDialogScalesItsLayout)
{
    TaskScheduler scheduler;
    const TaskRequest request{{ScheduleKind::Weekly, CurrentDateTime() + 1, kMondayToFriday},
                              L"C:\\Brevant\\brevant.exe", L"C:\\My Reminders\\lunch.cfg", L"", L"PC\\Ann"};
    TfrmSchedule dialog(app->Handle(), scheduler, request, MessageSettings{}, true);
    dialog.ShowSchedule(request.schedule);
    ShowWindow(dialog.Handle(), SW_SHOWNOACTIVATE);
    CheckEveryScale(dialog.Handle(), true);
}

TEST_F(DpiTest, MessageDialogScalesWithItsFontAndKeepsEveryCaptionWhole)
{
    const auto dialog = BuildMessageDialog(L"Back soon\r\nWait here, the &meeting is at ten", MessageKind::Warning,
                                           DialogButton::Yes | DialogButton::No | DialogButton::Ignore |
                                               DialogButton::Help);
    // Its sizes follow its font, not its former sizes: only the captions and
    // the spacing are compared.
    CheckEveryScale(dialog->Handle(), false);
    const int dpi = widgets::DpiOfWindow(dialog->Handle()).Value();
    EXPECT_EQ(dialog->FindControl(L"Image")->GetBounds().width, Dpi(dpi).Scale(32));
}

}  // namespace
}  // namespace brevant
