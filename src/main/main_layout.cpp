// The stored layout of the configuration window: every control with its
// parent, position, caption and hint, in tab order within each parent.
#include "app/application.h"
#include "app/command_line.h"
#include "config/ini_text.h"
#include "main/main.h"
#include "resources/glyph_scale.h"
#include "resources/resource_ids.h"
#include "run/display_run.h"
#include "widgets/layout_table.h"

#include <string_view>
#include <type_traits>

namespace brevant {

namespace {

using widgets::Bounds;

using ControlLayout = widgets::LayoutRow<TfrmMain, widgets::GroupBox, widgets::GlyphButton, widgets::CheckBox,
                                        widgets::RadioButton, widgets::Edit, widgets::Label, widgets::Image,
                                        widgets::TrackBar, widgets::TimePicker>;

constexpr widgets::GroupBox TfrmMain::*kTop = nullptr;

const ControlLayout kLayout[] = {
    {&TfrmMain::GroupBox4, kTop, {8, 8, 249, 177}, L"Message Text", nullptr},
    {&TfrmMain::GroupBox2, kTop, {8, 192, 249, 177}, L"Type of Message", nullptr},
    {&TfrmMain::GroupBox3, kTop, {264, 8, 225, 177}, L"Display Buttons", nullptr},
    {&TfrmMain::GroupBox1, kTop, {264, 192, 225, 177}, L"Delay until Display", nullptr},
    {&TfrmMain::btnOK, kTop, {504, 12, 85, 25}, L"&OK", L"Accept options selected"},
    {&TfrmMain::btnCancel, kTop, {504, 44, 85, 25}, L"&Cancel", L"Cancel options made and close Brevant"},
    {&TfrmMain::btnAbout, kTop, {504, 76, 85, 25}, L"&About", L"About Brevant"},
    {&TfrmMain::btnPreview, kTop, {504, 148, 85, 25}, L"&Preview", L"Preview Message Dialog"},
    {&TfrmMain::btnLoad, kTop, {504, 201, 85, 25}, L"Loa&d...", L"Load config file"},
    {&TfrmMain::btnSave, kTop, {504, 231, 85, 25}, L"&Save...", L"Save config file for command line use"},
    {&TfrmMain::btnSchedule, kTop, {504, 261, 85, 25}, L"Sch&edule...", L"Show the saved message at a time to come, also after a restart"},

    {&TfrmMain::chkMessage, &TfrmMain::GroupBox4, {16, 21, 89, 17}, L"&Message Text:", L"Display a text message"},
    {&TfrmMain::Label1, &TfrmMain::GroupBox4, {107, 23, 88, 13}, L"( Enter = new line )", nullptr},
    {&TfrmMain::Memo1, &TfrmMain::GroupBox4, {16, 48, 225, 121}, L"", nullptr},

    {&TfrmMain::rbtnError, &TfrmMain::GroupBox2, {16, 24, 89, 17}, L"Error Message", L"Display Message as an Error"},
    {&TfrmMain::rbtnWarning, &TfrmMain::GroupBox2, {16, 64, 105, 17}, L"Warning Message", L"Display Message as a Warning"},
    {&TfrmMain::rbtnInformational, &TfrmMain::GroupBox2, {16, 104, 129, 17}, L"Informational Message", L"Display Message as Information"},
    {&TfrmMain::rbtnConfirmation, &TfrmMain::GroupBox2, {16, 144, 129, 17}, L"Confirmation Message", L"Display Message as Question"},
    {&TfrmMain::Image1, &TfrmMain::GroupBox2, {186, 15, 32, 32}, nullptr, L"Error Message image"},
    {&TfrmMain::Image4, &TfrmMain::GroupBox2, {186, 55, 32, 32}, nullptr, L"Warning Message image"},
    {&TfrmMain::Image2, &TfrmMain::GroupBox2, {186, 95, 32, 32}, nullptr, L"Informational Message image"},
    {&TfrmMain::Image3, &TfrmMain::GroupBox2, {186, 135, 32, 32}, nullptr, L"Confirmation Message image"},

    {&TfrmMain::rbtnNoButtons, &TfrmMain::GroupBox3, {16, 24, 81, 17}, L"Hide Buttons", L"Don't show any buttons on message"},
    {&TfrmMain::rbtnDisplayButtons, &TfrmMain::GroupBox3, {16, 48, 97, 17}, L"Display Buttons:", L"Buttons to display on message"},
    {&TfrmMain::chkYes, &TfrmMain::GroupBox3, {40, 72, 41, 17}, L"&Yes", L"Display button with caption of Yes"},
    {&TfrmMain::chkNo, &TfrmMain::GroupBox3, {96, 72, 41, 17}, L"&No", L"Display button with caption of No"},
    {&TfrmMain::chkOK, &TfrmMain::GroupBox3, {144, 72, 41, 17}, L"O&K", L"Display button with caption of OK"},
    {&TfrmMain::chkCancel, &TfrmMain::GroupBox3, {40, 96, 57, 17}, L"Ca&ncel", L"Display button with caption of Cancel"},
    {&TfrmMain::chkHelp, &TfrmMain::GroupBox3, {96, 96, 41, 17}, L"&Help", L"Display button with caption of Help"},
    {&TfrmMain::chkAll, &TfrmMain::GroupBox3, {144, 96, 41, 17}, L"A&ll", L"Display button with caption of All"},
    {&TfrmMain::chkAbort, &TfrmMain::GroupBox3, {96, 120, 49, 17}, L"Abor&t", L"Display button with caption of Abort"},
    {&TfrmMain::chkRetry, &TfrmMain::GroupBox3, {40, 120, 49, 17}, L"&Retry", L"Display button with caption of Retry"},
    {&TfrmMain::chkIgnore, &TfrmMain::GroupBox3, {144, 120, 49, 17}, L"&Ignore", L"Display button with caption of Ignore"},
    {&TfrmMain::rbtnShowAll, &TfrmMain::GroupBox3, {16, 152, 113, 17}, L"Show ALL Buttons", L"Show ALL Possible buttons"},

    {&TfrmMain::rbtnMinutes, &TfrmMain::GroupBox1, {16, 24, 145, 17}, L"# of Minutes until display:", L"Specify when (in minutes) to display message"},
    {&TfrmMain::txtMinutes, &TfrmMain::GroupBox1, {104, 40, 21, 21}, L"0", nullptr},
    {&TfrmMain::lblminutes, &TfrmMain::GroupBox1, {128, 44, 36, 13}, L"minutes", nullptr},
    {&TfrmMain::TrackBar1, &TfrmMain::GroupBox1, {27, 64, 190, 33}, nullptr, L"0 minutes"},
    {&TfrmMain::txtTime, &TfrmMain::GroupBox1, {48, 140, 89, 21}, nullptr, L"Show message at specified time"},
    {&TfrmMain::rbtnTime, &TfrmMain::GroupBox1, {16, 120, 121, 17}, L"Display Message at:", L"Show message at specified time"},
};

struct GlyphLayout {
    widgets::GlyphButton TfrmMain::*button;
    int bitmapId;
};

const GlyphLayout kGlyphs[] = {
    {&TfrmMain::btnOK, IDB_GLYPH_OK},
    {&TfrmMain::btnCancel, IDB_GLYPH_CANCEL},
    {&TfrmMain::btnAbout, IDB_GLYPH_HELP},
    {&TfrmMain::btnPreview, IDB_GLYPH_PREVIEW},
    {&TfrmMain::btnLoad, IDB_GLYPH_LOAD},
    {&TfrmMain::btnSave, IDB_GLYPH_SAVE},
    {&TfrmMain::btnSchedule, IDB_GLYPH_SCHEDULE},
};

struct IconLayout {
    widgets::Image TfrmMain::*image;
    int iconId;
};

const IconLayout kIcons[] = {
    {&TfrmMain::Image1, IDI_MESSAGE_ERROR},
    {&TfrmMain::Image4, IDI_MESSAGE_WARNING},
    {&TfrmMain::Image2, IDI_MESSAGE_INFORMATION},
    {&TfrmMain::Image3, IDI_MESSAGE_QUESTION},
};

// The message text holds no more than a config file gives back.
constexpr int kLongestText = static_cast<int>(LongestProfileValue);

// The kind icons are 32 pixels square at 96 dots per inch.
constexpr int kIconSize = 32;

enum MenuId : WORD { kLoadConfigFile1 = 100, kSaveConfigFile1, kScheduleMessage1, kExit1, kAboutBrevant1 };

const widgets::MenuEntry kMenu[] = {
    {widgets::MenuEntry::Popup, L"&File"},
    {widgets::MenuEntry::Item, L"&Load Config File...", kLoadConfigFile1, L"F3", VK_F3},
    {widgets::MenuEntry::Item, L"&Save Config File...", kSaveConfigFile1, L"F2", VK_F2},
    {widgets::MenuEntry::Item, L"Sc&hedule Message...", kScheduleMessage1, L"F4", VK_F4},
    {widgets::MenuEntry::Separator},
    // Alt+F4 closes the window through the system menu; it needs no table entry.
    {widgets::MenuEntry::Item, L"E&xit", kExit1, L"Alt+F4"},
    {widgets::MenuEntry::Popup, L"&About"},
    {widgets::MenuEntry::Item, L"&About Brevant...", kAboutBrevant1, L"F1", VK_F1},
};

}  // namespace

TfrmMain::TfrmMain(Application& application)
    // Neither dialog changes the current folder: the program would otherwise
    // hold on to the user's folder for as long as it runs.
    : SaveDialog1({.save = true, .title = L"Save Brevant Config File",
                   .filter = L"Message Config File (*.cfg)|*.cfg", .defaultExtension = L"cfg",
                   .initialFileName = L"msg.cfg", .options = OFN_HIDEREADONLY | OFN_NOCHANGEDIR}),
      // Only existing files can be loaded: a mistyped name gets the dialog's own
      // warning instead of ending the program and losing the message being designed.
      OpenDialog1({.title = L"Load Brevant Config File", .filter = L"Config Files (*.cfg)|*.cfg",
                   .defaultExtension = L"cfg", .initialFileName = L"msg.cfg",
                   .options = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR}),
      buttonChecks{&chkYes, &chkNo, &chkOK, &chkCancel, &chkHelp, &chkAbort, &chkRetry, &chkIgnore, &chkAll},
      buttonChecksInGridOrder{&chkYes, &chkNo, &chkOK, &chkCancel, &chkHelp, &chkAll, &chkRetry, &chkAbort, &chkIgnore},
      waitClock(SystemWaitClock()),
      application_(application)
{
    CreateForm({.className = L"TfrmMain", .caption = L"Brevant", .clientWidth = 595,
                .clientHeight = 379, .owner = application.Handle(), .iconId = IDI_BREVANT,
                .menu = kMenu});
    CreateControls();
    BindEvents();
}

void TfrmMain::MenuCommand(WORD id)
{
    switch (id) {
    case kLoadConfigFile1:
        btnLoadClick();
        break;
    case kSaveConfigFile1:
        btnSaveClick();
        break;
    case kScheduleMessage1:
        btnScheduleClick();
        break;
    case kExit1:
        eXit1Click();
        break;
    case kAboutBrevant1:
        btnAboutClick();
        break;
    }
}

void TfrmMain::CreateControls()
{
    const HFONT font = Font();
    widgets::CreateLayoutRows(
        *this, kLayout, [&](auto& control, auto member, HWND parent, const Bounds& bounds, std::wstring_view caption) {
            using Type = std::remove_reference_t<decltype(control)>;
            if constexpr (requires { control.Create(parent, bounds, caption, font); })
                control.Create(parent, bounds, caption, font);
            else if constexpr (std::is_same_v<Type, widgets::Edit>)
                control.Create(parent, bounds, caption, font,
                               member == &TfrmMain::Memo1
                                   ? widgets::Edit::Options{.multiLine = true, .maxLength = kLongestText}
                                   : widgets::Edit::Options{.maxLength = 2});
            else if constexpr (std::is_same_v<Type, widgets::Label>)
                control.Create(parent, bounds, caption, font, {.autoSize = true});
            else if constexpr (std::is_same_v<Type, widgets::Image>)
                control.Create(parent, bounds, nullptr);
            else if constexpr (std::is_same_v<Type, widgets::TrackBar>)
                control.Create(parent, bounds, font,
                               {.minimum = 0, .maximum = LongestDelayMinutes, .tickFrequency = 5, .lineSize = 1,
                                .pageSize = 2});
            else
                control.Create(parent, bounds, font);
        });
    LoadKindIcons();
    for (const GlyphLayout& glyph : kGlyphs)
        (this->*glyph.button).SetGlyph(glyph.bitmapId, GlyphBitmapAt);

    // The initial state, set up before any handler is bound, each group then
    // enabled by the rule its handler applies.
    chkMessage.SetChecked(true);
    chkMessageClick();
    rbtnError.Select();
    rbtnDisplayButtons.Select();
    ButtonChecksFollowTheChoice();
    rbtnMinutes.Select();
    rbtnTimeClick();
    SetDefaultButton(&btnOK);
    SetCancelButton(&btnCancel);
}

void TfrmMain::LoadKindIcons()
{
    for (const IconLayout& icon : kIcons)
        (this->*icon.image).SetIcon(widgets::LoadIconResource(icon.iconId, Scaled(kIconSize)));
}

void TfrmMain::OnDpiChanged()
{
    for (const ControlLayout& row : kLayout)
        Place(widgets::ControlHandle(*this, row), row.bounds, Font());
    LoadKindIcons();
}

}  // namespace brevant
