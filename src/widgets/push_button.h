#pragma once
#include "widgets/control.h"

#include <functional>

namespace brevant::widgets {

// A standard push button. It reports focus changes to its parent
// (BN_SETFOCUS, BN_KILLFOCUS) so a form can move the default-button frame
// to the focused button.
class PushButton : public Control {
public:
    void Create(HWND parent, const Bounds& bounds, std::wstring_view caption, int id, HFONT font);

    // Presses the button: raises onClick.
    virtual void Click();

    // The thick frame that shows which button Enter presses.
    virtual void SetDefaultFrame(bool framed);
    virtual bool HasDefaultFrame() const;

    std::function<void()> onClick;

    std::optional<LRESULT> OnCommand(WORD code) override;
};

}  // namespace brevant::widgets
