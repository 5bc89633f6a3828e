#pragma once
#include "widgets/form.h"

namespace brevant::widgets {

enum class ModalResult { None, OK, Cancel };

// A form shown modally (see RunModal): centred, the focus on the first control
// in the tab order, until a modal result is set. The close box and Alt+F4 set
// Cancel; a button closes the form by setting its own result.
class ModalForm : public Form {
public:
    // Returns the result that closed the form; Cancel also when the program
    // is asked to end meanwhile. The form is hidden again, not destroyed.
    ModalResult ShowModal();

    ModalResult Result() const { return result_; }
    void SetModalResult(ModalResult result) { result_ = result; }

protected:
    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    ModalResult result_ = ModalResult::None;
};

}  // namespace brevant::widgets
