// The stored layout of the About window: every control with its position,
// text, look and hint, in declaration order (the tab order of the two tab
// stops, btnOK and Memo1, follows from it).
#include "about/about.h"
#include "about/about_text.h"
#include "resources/glyph_scale.h"
#include "resources/resource_ids.h"
#include "widgets/font.h"
#include "widgets/layout_table.h"

#include <string>
#include <type_traits>
#include <variant>

namespace brevant {

TfrmAbout* frmAbout = nullptr;

namespace {

using widgets::Bounds;

using Member = std::variant<widgets::GlyphButton TfrmAbout::*, widgets::Label TfrmAbout::*,
                            widgets::Bevel TfrmAbout::*, widgets::Edit TfrmAbout::*>;

using Look = TfrmAbout::Look;

struct ControlLayout {
    Member control;
    Bounds bounds;
    const wchar_t* text;
    Look look;
    bool autoSize;
    std::wstring (*hint)();
};

const ControlLayout kLayout[] = {
    {&TfrmAbout::btnOK, {123, 227, 75, 25}, L"&OK", Look::Default, false, nullptr},
    {&TfrmAbout::Label1, {5, 8, 235, 29}, L"Brevant v", Look::Title, true, nullptr},
    {&TfrmAbout::lblVersion, {242, 8, 50, 29}, L"#.##", Look::Title, true, nullptr},
    {&TfrmAbout::Bevel1, {8, 64, 305, 9}, nullptr, Look::Default, false, nullptr},
    {&TfrmAbout::Label2, {8, 40, 195, 13}, kMakerLine, Look::Default, false, nullptr},
    {&TfrmAbout::Label3, {8, 80, 59, 13}, kContactCaption, Look::Link, false, &ContactHint},
    {&TfrmAbout::Label4, {256, 80, 44, 13}, kWebSiteCaption, Look::Link, false, &WebSiteHint},
    {&TfrmAbout::Memo1, {8, 104, 305, 113}, nullptr, Look::Default, false, nullptr},
};

constexpr COLORREF kLinkColour = RGB(0, 0, 255);

// The stored layout leaves this gap between the name's box and the version
// (5 + 235 + 2 = 242).
constexpr int kVersionGap = 2;

}  // namespace

TfrmAbout::TfrmAbout(HWND owner)
{
    CreateForm({.className = L"TfrmAbout", .caption = L"About Brevant", .clientWidth = 322,
                .clientHeight = 260, .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                .exStyle = WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME, .owner = owner});
    CreateFonts();
    CreateControls();
    BindEvents();
}

TfrmAbout::~TfrmAbout()
{
    if (frmAbout == this)
        frmAbout = nullptr;
    // The controls go with the window, before the fonts and handlers they use.
    if (Handle())
        DestroyWindow(Handle());
}

void TfrmAbout::CreateFonts()
{
    // "MS Sans Serif" bold 18 points, and the window font underlined.
    titleFont_ = widgets::CreatePointFont(L"MS Sans Serif", 18, LayoutDpi(), true);
    linkFont_ = widgets::CreatePointFont(L"MS Sans Serif", 8, LayoutDpi(), false, true);
}

HFONT TfrmAbout::FontOf(Look look) const
{
    switch (look) {
    case Look::Title:
        return titleFont_.get();
    case Look::Link:
        return linkFont_.get();
    case Look::Default:
        break;
    }
    return Font();
}

void TfrmAbout::CreateControls()
{
    for (const ControlLayout& row : kLayout) {
        const HFONT font = FontOf(row.look);
        const widgets::Bounds bounds = Scaled(row.bounds);
        std::visit(
            [&](auto member) {
                auto& control = this->*member;
                using Type = std::remove_reference_t<decltype(control)>;
                if constexpr (std::is_same_v<Type, widgets::GlyphButton>) {
                    control.Create(Handle(), bounds, row.text, font);
                } else if constexpr (std::is_same_v<Type, widgets::Label>) {
                    // Every label takes the mouse, so the pointer over one is
                    // not over the window's bare surface.
                    control.Create(Handle(), bounds, row.text, font,
                                   {.autoSize = row.autoSize, .notify = true});
                    if (row.look == Look::Link)
                        control.SetTextColour(kLinkColour);
                } else if constexpr (std::is_same_v<Type, widgets::Bevel>) {
                    control.Create(Handle(), bounds);
                } else {
                    control.Create(Handle(), bounds, TermsText(), font,
                                   {.multiLine = true, .readOnly = true});
                    control.SetBackgroundColour(COLOR_MENU);
                }
                if (row.hint)
                    Hints().Set(control.Handle(), row.hint());
            },
            row.control);
    }
    PlaceVersionAfterTitle();

    // The push button of kind OK: the default button, closing with the result OK.
    btnOK.SetGlyph(IDB_GLYPH_OK, GlyphBitmapAt);
    btnOK.onClick = [this] { SetModalResult(widgets::ModalResult::OK); };
    SetDefaultButton(&btnOK);
}

void TfrmAbout::PlaceVersionAfterTitle()
{
    // The version reads on from the name however wide the name's font draws it.
    const widgets::Bounds title = Label1.GetBounds();
    widgets::Bounds version = lblVersion.GetBounds();
    version.left = title.left + title.width + Scaled(kVersionGap);
    lblVersion.SetBounds(version);
}

void TfrmAbout::OnDpiChanged()
{
    // The old fonts stay alive until the controls have the new ones.
    const widgets::FontHandle oldTitle = std::move(titleFont_), oldLink = std::move(linkFont_);
    CreateFonts();
    for (const ControlLayout& row : kLayout)
        Place(widgets::ControlHandle(*this, row), row.bounds, FontOf(row.look));
    PlaceVersionAfterTitle();
}

}  // namespace brevant
