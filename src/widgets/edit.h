#pragma once
#include "widgets/control.h"

#include <functional>

namespace brevant::widgets {

// Single-line or multi-line edit. Its change event follows every change of the
// text, the program's included; each typed character passes the key filter
// first. Its background is a system colour that the owner chooses.
class Edit : public Control {
public:
    struct Options {
        bool multiLine = false;  // word wrap, vertical scroll bar, Enter makes a new line
        bool readOnly = false;
        int maxLength = 0;       // 0: no limit of our own
    };
    void Create(HWND parent, const Bounds& bounds, std::wstring_view text, HFONT font,
                const Options& options);

    // The system colour (COLOR_WINDOW, COLOR_MENU, ...) the edit is painted in.
    void SetBackgroundColour(int systemColour);

    std::function<void()> onChange;
    // A typed character or a paste found the text at its greatest length.
    std::function<void()> onFull;
    // Returns false to discard the typed character.
    std::function<bool(wchar_t)> onKeyPress;

    std::optional<LRESULT> OnCommand(WORD code) override;
    std::optional<LRESULT> OnColor(HDC dc) override;

protected:
    std::optional<LRESULT> OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int background_ = COLOR_WINDOW;
};

}  // namespace brevant::widgets
