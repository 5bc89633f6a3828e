#pragma once
// The About window: the program's name and version, the maker, a mail link, a
// web link and the terms of use. A fresh one is built for each opening and
// shown modally over the configuration window.
#include "widgets/bevel.h"
#include "widgets/edit.h"
#include "widgets/glyph_button.h"
#include "widgets/handles.h"
#include "widgets/label.h"
#include "widgets/modal_form.h"

namespace brevant {

class TfrmAbout : public widgets::ModalForm {
public:
    // A new, hidden window owned by `owner`.
    explicit TfrmAbout(HWND owner);
    ~TfrmAbout() override;

    widgets::GlyphButton btnOK;
    widgets::Label Label1, lblVersion;
    widgets::Bevel Bevel1;
    widgets::Label Label2, Label3, Label4;
    widgets::Edit Memo1;

    // Handlers of the controls' events.
    void Label3Click();
    void Label4Click();
    void Label3MouseMove();
    void FormMouseMove();

    // The fonts of the layout: the window's, the title's, the links'.
    enum class Look { Default, Title, Link };

protected:
    void OnDpiChanged() override;

private:
    void CreateFonts();
    HFONT FontOf(Look look) const;
    void CreateControls();
    void BindEvents();
    void PlaceVersionAfterTitle();

    widgets::FontHandle titleFont_;
    widgets::FontHandle linkFont_;
};

// The About window from its opening until it is released; nullptr otherwise.
extern TfrmAbout* frmAbout;

// The shell call behind the two links (ShellExecuteA's signature); tests put a
// recorder in its place.
using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
extern ShellExecuteFunction shellExecute;

}  // namespace brevant
