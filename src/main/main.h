#pragma once
// The configuration window: the message being designed lives in its
// controls, which GatherSettings reads into a MessageSettings value.
#include "config/message_settings.h"
#include "config/message_types.h"
#include "run/display_moment.h"
#include "widgets/check_box.h"
#include "widgets/edit.h"
#include "widgets/file_dialog.h"
#include "widgets/form.h"
#include "widgets/glyph_button.h"
#include "widgets/group_box.h"
#include "widgets/label.h"
#include "widgets/radio_button.h"
#include "widgets/time_picker.h"
#include "widgets/track_bar.h"

#include <string>

namespace brevant {

class Application;

class TfrmMain : public widgets::Form {
public:
    explicit TfrmMain(Application& application);

    // Raised once, when the window is first made visible.
    void FormShow();

    widgets::GlyphButton btnOK, btnCancel, btnAbout;
    widgets::GroupBox GroupBox2;
    widgets::Image Image1, Image2, Image3, Image4;
    widgets::RadioButton rbtnError, rbtnWarning, rbtnInformational, rbtnConfirmation;
    widgets::GroupBox GroupBox3;
    widgets::CheckBox chkYes, chkNo, chkOK, chkCancel, chkHelp, chkAbort, chkRetry, chkIgnore, chkAll;
    widgets::RadioButton rbtnDisplayButtons, rbtnNoButtons, rbtnShowAll;
    widgets::GroupBox GroupBox1;
    widgets::Label lblminutes;
    widgets::RadioButton rbtnMinutes;
    widgets::TrackBar TrackBar1;
    widgets::RadioButton rbtnTime;
    widgets::TimePicker txtTime;
    widgets::GlyphButton btnPreview;
    widgets::GroupBox GroupBox4;
    widgets::CheckBox chkMessage;
    widgets::Label Label1;
    widgets::Edit Memo1;
    widgets::GlyphButton btnSave;
    widgets::FileDialog SaveDialog1;
    widgets::GlyphButton btnLoad;
    widgets::FileDialog OpenDialog1;
    widgets::Edit txtMinutes;

    // The nine button check boxes in their declaration order, which is also
    // the order of their tokens in a config file.
    widgets::CheckBox* const buttonChecks[9];
    // The order in which Show ALL Buttons ticks them and a load unticks them:
    // row by row, left to right, as they stand in their group.
    widgets::CheckBox* const buttonChecksInGridOrder[9];

    // The clocks the display run waits on; tests put their own in.
    WaitClock waitClock;

    // The message as the controls hold it: the one reader of the controls.
    MessageSettings GatherSettings() const;
    // Puts the message into the controls, whose handlers chain as the user's
    // changes would make them; the minutes edit keeps its text.
    void ShowSettings(const MessageSettings& settings);

    // Handlers of the controls' events.
    void btnOKClick();
    void btnCancelClick();
    void btnAboutClick();
    void btnPreviewClick();
    void btnSaveClick();
    void btnLoadClick();
    void chkMessageClick();
    void rbtnDisplayButtonsClick();
    void rbtnShowAllClick();
    void chkYesClick();
    void chkNoClick();
    void chkOKClick();
    void chkCancelClick();
    void chkHelpClick();
    void chkAbortClick();
    void chkRetryClick();
    void chkIgnoreClick();
    void chkAllClick();
    void rbtnTimeClick();
    void txtMinutesChange();
    void Memo1Full();
    bool txtMinutesKeyPress(wchar_t key);
    void TrackBar1Change();
    void eXit1Click();

    static bool IsDigitKey(wchar_t key);

    // The config file: the message the window shows written to it, and the
    // message it holds shown in the window.
    void SaveConfigFile();
    void LoadConfigFile();

    const std::wstring& configFileName() const { return ConfigFileName; }
    void setConfigFileName(std::wstring name) { ConfigFileName = std::move(name); }

protected:
    void OnDpiChanged() override;

private:
    void CreateControls();
    void LoadKindIcons();
    void BindEvents();
    void MenuCommand(WORD id);

    // Each group's enabling rule, applied by the handlers and at creation.
    void ButtonChecksFollowTheChoice();
    void EnableButtonChecks();
    void DisableButtonChecks();
    void SetButtonChecksEnabled(bool enabled);
    void ButtonCheckClick(const widgets::CheckBox& box);
    void EnableMessageText();
    void DisableMessageText();
    void EnableClockTime();
    void EnableMinutesDelay();
    void MinutesFollowTheTrackBar();
    widgets::RadioButton& KindRadio(MessageKind kind);

    Application& application_;
    std::wstring ConfigFileName;
};

}  // namespace brevant
