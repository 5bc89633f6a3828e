#pragma once
// The modal message box the program exists to show: a caption and system icon
// by kind, the text, and a row of buttons in a fixed order, every size derived
// from the system's message font.
#include "config/message_types.h"
#include "dialogs/message_dialog_layout.h"
#include "widgets/form.h"
#include "widgets/label.h"
#include "widgets/scrolling_text.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace brevant {

namespace widgets {
class PushButton;
}

class MessageButton;

// Where the dialog stands among the desktop's windows. A message the program
// shows on its own, with no window of its own on the screen, stays above the
// others until it is closed: it may come while the user works in another
// program, which the platform would otherwise leave in front of it.
enum class DialogLayer { Normal, AboveOthers };

class TMessageForm : public widgets::Form {
public:
    ~TMessageForm() override;

    // The topic the Help button asks for, and the help file to ask; with no
    // file Help does nothing.
    void SetHelp(int32_t helpContext, std::wstring helpFile);

    // Shows the dialog, takes messages until a button or the close box sets the
    // result (or the program is asked to end: Cancel), and hides it again. The
    // program's other windows take no input meanwhile.
    DialogResult ShowModal(DialogLayer layer = DialogLayer::Normal);
    DialogResult Result() const { return result_; }

    // "Image", "Message", or a button's name ("Yes", "NoToAll", ...).
    widgets::Control* FindControl(std::wstring_view name);
    widgets::PushButton* FindButton(std::wstring_view name);

protected:
    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    RECT PlaceAtScale(const RECT& suggested) override;
    std::optional<SIZE> SizeAtScale(widgets::Dpi) const override { return std::nullopt; }
    void OnDpiChanged() override;

private:
    TMessageForm(std::wstring_view text, MessageKind kind, DialogButtonSet buttons);
    friend std::unique_ptr<TMessageForm> BuildMessageDialog(std::wstring_view, MessageKind,
                                                            DialogButtonSet);

    // Measures the text in the form's font and lays it out inside the work
    // area given; sets breakLongWords_.
    MessageDialogLayout LayOut(const LayoutRect& workArea);
    // Puts the icon, the text and the buttons where layout_ has them.
    void PlaceControls();
    // The text in the label, or, too tall for the work area, in the box that
    // scrolls: made when first needed, hidden again when the text fits.
    void PlaceText();
    widgets::Control& TextControl();
    void Press(MessageButton& button);

    std::wstring text_;
    int iconId_;
    DialogButtonSet buttonSet_;
    widgets::Image image_;
    widgets::Label label_;
    widgets::ScrollingText scrollingText_;
    bool breakLongWords_ = false;  // the text was measured breaking long words
    MessageDialogLayout layout_;   // at the form's scale
    std::vector<std::unique_ptr<MessageButton>> buttons_;  // left to right
    HWND focusOnActivation_ = nullptr;
    bool forwardingWheel_ = false;  // the text hands back the turns it does not take
    DialogResult result_ = DialogResult::None;
    int32_t helpContext_ = 0;
    std::wstring helpFile_;
};

// A new, hidden, fully laid-out dialog; destroying it destroys the window.
std::unique_ptr<TMessageForm> BuildMessageDialog(std::wstring_view text, MessageKind kind,
                                                 DialogButtonSet buttons);

// Shows the message modally and returns the result of the button that closed it.
DialogResult ShowMessageDialog(std::wstring_view text, MessageKind kind, DialogButtonSet buttons,
                               int32_t helpContext, DialogLayer layer = DialogLayer::Normal);

}  // namespace brevant
