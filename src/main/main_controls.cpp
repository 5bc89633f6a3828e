// How the configuration window's controls enable, disable and update one
// another. Setting a check box, a radio button or an edit from here raises
// that control's own handler at once; setting the track bar raises nothing.
#include "config/ini_text.h"
#include "main/main.h"
#include "text/integer_text.h"
#include "text/locale_time_settings.h"

namespace brevant {

void TfrmMain::BindEvents()
{
    onMenuCommand = [this](WORD id) { MenuCommand(id); };
    onClose = [this] { btnCancelClick(); };
    onSettingChange = [] { ReloadLocaleTimeSettingsForUserLocale(); };
    btnOK.onClick = [this] { btnOKClick(); };
    btnCancel.onClick = [this] { btnCancelClick(); };
    btnPreview.onClick = [this] { btnPreviewClick(); };
    btnSave.onClick = [this] { btnSaveClick(); };
    btnLoad.onClick = [this] { btnLoadClick(); };
    btnAbout.onClick = [this] { btnAboutClick(); };
    chkMessage.onClick = [this] { chkMessageClick(); };
    rbtnNoButtons.onClick = [this] { rbtnDisplayButtonsClick(); };
    rbtnDisplayButtons.onClick = [this] { rbtnDisplayButtonsClick(); };
    rbtnShowAll.onClick = [this] { rbtnShowAllClick(); };
    chkYes.onClick = [this] { chkYesClick(); };
    chkNo.onClick = [this] { chkNoClick(); };
    chkOK.onClick = [this] { chkOKClick(); };
    chkCancel.onClick = [this] { chkCancelClick(); };
    chkHelp.onClick = [this] { chkHelpClick(); };
    chkAbort.onClick = [this] { chkAbortClick(); };
    chkRetry.onClick = [this] { chkRetryClick(); };
    chkIgnore.onClick = [this] { chkIgnoreClick(); };
    chkAll.onClick = [this] { chkAllClick(); };
    rbtnMinutes.onClick = [this] { rbtnTimeClick(); };
    rbtnTime.onClick = [this] { rbtnTimeClick(); };
    txtMinutes.onChange = [this] { txtMinutesChange(); };
    txtMinutes.onKeyPress = [this](wchar_t key) { return txtMinutesKeyPress(key); };
    Memo1.onFull = [this] { Memo1Full(); };
    TrackBar1.onChange = [this] { TrackBar1Change(); };
}

void TfrmMain::SetButtonChecksEnabled(bool enabled)
{
    for (widgets::CheckBox* box : buttonChecks)
        box->SetEnabled(enabled);
}

void TfrmMain::EnableButtonChecks() { SetButtonChecksEnabled(true); }

void TfrmMain::DisableButtonChecks() { SetButtonChecksEnabled(false); }

// The check boxes take ticks unless the buttons are hidden.
void TfrmMain::ButtonChecksFollowTheChoice()
{
    if (rbtnNoButtons.Selected())
        DisableButtonChecks();
    else
        EnableButtonChecks();
}

void TfrmMain::rbtnDisplayButtonsClick() { ButtonChecksFollowTheChoice(); }

void TfrmMain::rbtnShowAllClick()
{
    for (widgets::CheckBox* box : buttonChecksInGridOrder)
        box->SetChecked(true);
    ButtonChecksFollowTheChoice();
}

void TfrmMain::ButtonCheckClick(const widgets::CheckBox& box)
{
    if (!box.Checked() && rbtnShowAll.Selected())
        rbtnDisplayButtons.Select();
}

void TfrmMain::chkYesClick() { ButtonCheckClick(chkYes); }
void TfrmMain::chkNoClick() { ButtonCheckClick(chkNo); }
void TfrmMain::chkOKClick() { ButtonCheckClick(chkOK); }
void TfrmMain::chkCancelClick() { ButtonCheckClick(chkCancel); }
void TfrmMain::chkHelpClick() { ButtonCheckClick(chkHelp); }
void TfrmMain::chkAbortClick() { ButtonCheckClick(chkAbort); }
void TfrmMain::chkRetryClick() { ButtonCheckClick(chkRetry); }
void TfrmMain::chkIgnoreClick() { ButtonCheckClick(chkIgnore); }
void TfrmMain::chkAllClick() { ButtonCheckClick(chkAll); }

void TfrmMain::EnableMessageText()
{
    Memo1.SetEnabled(true);
    Memo1.SetBackgroundColour(COLOR_WINDOW);
}

void TfrmMain::DisableMessageText()
{
    Memo1.SetEnabled(false);
    Memo1.SetBackgroundColour(COLOR_MENU);
}

void TfrmMain::chkMessageClick()
{
    if (chkMessage.Checked())
        EnableMessageText();
    else
        DisableMessageText();
}

void TfrmMain::EnableClockTime()
{
    txtTime.SetEnabled(true);
    txtTime.SetBackgroundColour(COLOR_WINDOW);
    TrackBar1.SetEnabled(false);
}

void TfrmMain::EnableMinutesDelay()
{
    txtTime.SetEnabled(false);
    txtTime.SetBackgroundColour(COLOR_MENU);
    TrackBar1.SetEnabled(true);
}

void TfrmMain::rbtnTimeClick()
{
    if (rbtnTime.Selected())
        EnableClockTime();
    else
        EnableMinutesDelay();
}

void TfrmMain::Memo1Full()
{
    Note().Show(Memo1.Handle(), L"The message text is full: a config file holds " +
                                    std::to_wstring(LongestProfileValue) + L" characters of it.");
}

bool TfrmMain::IsDigitKey(wchar_t key) { return key >= L'0' && key <= L'9'; }

bool TfrmMain::txtMinutesKeyPress(wchar_t key) { return key == L'\b' || IsDigitKey(key); }

void TfrmMain::txtMinutesChange()
{
    const std::wstring text = txtMinutes.Text();
    if (text.empty())
        return;
    const int32_t minutes = TextToInteger(text);
    if (minutes >= 61) {
        TrackBar1.SetPosition(60);
        txtMinutes.SetText(L"60");
    } else {
        TrackBar1.SetPosition(minutes);
    }
}

void TfrmMain::TrackBar1Change() { MinutesFollowTheTrackBar(); }

// The minutes edit, its label and the track bar's tip name the track bar's
// delay: the one the display run will use.
void TfrmMain::MinutesFollowTheTrackBar()
{
    const int position = TrackBar1.Position();
    if (position == 0) {
        Hints().Set(TrackBar1.Handle(), L"Display message right away");
        lblminutes.SetText(L"minutes");
        txtMinutes.SetText(L"0");
        return;
    }
    txtMinutes.SetText(IntegerToText(position));
    const bool one = position == 1;
    Hints().Set(TrackBar1.Handle(), txtMinutes.Text() + (one ? L" minute" : L" minutes"));
    lblminutes.SetText(one ? L"minute" : L"minutes");
}

}  // namespace brevant
