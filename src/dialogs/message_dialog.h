#pragma once
// The modal message box the program exists to show: a caption and system icon
// by kind, the text, and a row of buttons in a fixed order, every size derived
// from the system's message font.
#include "dialogs/message_dialog_layout.h"
#include "dialogs/message_types.h"
#include "widgets/handles.h"
#include "widgets/label.h"
#include "widgets/window.h"

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

class TMessageForm : public widgets::Window {
public:
    ~TMessageForm() override;

    // The topic the Help button asks for, and the help file to ask; with no
    // file Help does nothing.
    void SetHelp(int32_t helpContext, std::string helpFile);

    // Shows the dialog, takes messages until a button or the close box sets the
    // result (or the program is asked to end: Cancel), and hides it again. The
    // program's other windows take no input meanwhile.
    DialogResult ShowModal();
    DialogResult Result() const { return result_; }

    // "Image", "Message", or a button's name ("Yes", "NoToAll", ...).
    widgets::Control* FindControl(std::string_view name);
    widgets::PushButton* FindButton(std::string_view name);

    bool PreTranslateMessage(MSG& message) override;

protected:
    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    TMessageForm(std::string_view text, MessageKind kind, DialogButtonSet buttons);
    friend std::unique_ptr<TMessageForm> BuildMessageDialog(std::string_view, MessageKind,
                                                            DialogButtonSet);

    // Measures the text in the font at the dialog's scale and lays it out
    // inside the work area given; sets breakLongWords_.
    MessageDialogLayout LayOut(std::string_view text, const LayoutRect& workArea);
    void ChangeDpi(widgets::Dpi dpi, const RECT& suggested);
    bool HandleKeyDown(WPARAM key);
    bool PressAccelerator(char typed);
    void Press(MessageButton& button);
    void MoveFocus(int step);
    MessageButton* FocusedButton() const;
    void UpdateDefaultFrames();

    int iconId_;
    DialogButtonSet buttonSet_;
    widgets::FontHandle font_;
    widgets::Image image_;
    widgets::Label label_;
    bool breakLongWords_ = false;  // the text was measured breaking long words
    std::vector<std::unique_ptr<MessageButton>> buttons_;  // left to right
    MessageButton* defaultButton_ = nullptr;
    MessageButton* cancelButton_ = nullptr;
    HWND focusOnActivation_ = nullptr;
    DialogResult result_ = DialogResult::None;
    int32_t helpContext_ = 0;
    std::string helpFile_;
};

// A new, hidden, fully laid-out dialog; destroying it destroys the window.
std::unique_ptr<TMessageForm> BuildMessageDialog(std::string_view text, MessageKind kind,
                                                 DialogButtonSet buttons);

// Shows the message modally and returns the result of the button that closed it.
DialogResult ShowMessageDialog(std::string_view text, MessageKind kind, DialogButtonSet buttons,
                               int32_t helpContext);

}  // namespace brevant
