#pragma once
#include "widgets/control.h"
#include "widgets/handles.h"

#include <functional>

namespace brevant::widgets {

// Static text. An auto-sized label takes the size of its text whenever the
// text changes; a link-style label has a text colour of its own (under a
// high-contrast scheme, the scheme's colour of links) and reports clicks and
// mouse moves.
class Label : public Control {
public:
    struct Options {
        bool autoSize = false;
        bool notify = false;  // clicks, mouse moves and tool tips
    };
    void Create(HWND parent, const Bounds& bounds, std::wstring_view text, HFONT font,
                const Options& options);

    void SetText(std::wstring_view text);
    // Whether a word longer than a line breaks inside it, as in an edit control.
    void SetBreakLongWords(bool breakLongWords);
    void SetTextColour(COLORREF colour);

    std::function<void()> onClick;
    std::function<void()> onMouseMove;

    void OnScaleChanged() override;
    std::optional<LRESULT> OnCommand(WORD code) override;
    std::optional<LRESULT> OnColor(HDC dc) override;

protected:
    std::optional<LRESULT> OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FitToText();
    bool autoSize_ = false;
    std::optional<COLORREF> textColour_;
};

// A picture control showing an icon at its natural size: one the platform
// shares, or one of its own.
class Image : public Control {
public:
    void Create(HWND parent, const Bounds& bounds, HICON icon);
    void SetIcon(HICON shared);
    void SetIcon(IconHandle own);
    // One of the system's icons (IDI_...), drawn for the size: the platform's
    // shared one at its own size.
    void SetSystemIcon(int iconId, int size);
    HICON Icon() const;

private:
    IconHandle own_;
};

// An icon of the program's resources, in the size given.
IconHandle LoadIconResource(int id, int size);

}  // namespace brevant::widgets
