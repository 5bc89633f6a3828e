#include "widgets/modal_form.h"

#include "widgets/modal.h"

namespace brevant::widgets {

ModalResult ModalForm::ShowModal()
{
    result_ = ModalResult::None;
    RunModal(Handle(), [this] { ShowCentred(); }, [this] { return result_ != ModalResult::None; });
    if (result_ == ModalResult::None)
        result_ = ModalResult::Cancel;
    return result_;
}

std::optional<LRESULT> ModalForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE && !onClose) {
        // Closed, not destroyed: the caller of ShowModal decides what becomes of it.
        result_ = ModalResult::Cancel;
        return 0;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

}  // namespace brevant::widgets
