#pragma once
// The message dialog's fixed tables (caption and icon per kind, the buttons in
// their left-to-right order) and its layout arithmetic. Every size derives
// from two bases measured in the dialog font: the average character width w
// and the line height h. Measuring itself is left to the caller.
//
// The dialog never passes the edges of its monitor's work area. A text too
// wide for it is measured again at the width TextRoom gives; a text still too
// tall stays whole and scrolls, in the whole lines that fit with a scroll bar
// beside them; a row of buttons too wide gets narrower buttons. A dialog that
// fits is laid out as if there were no limit.
#include "config/message_types.h"
#include "dialogs/dialog_result.h"
#include "widgets/dpi.h"

#include <span>
#include <vector>

namespace brevant {

using widgets::MulDivRounded;

struct MessageKindInfo {
    const wchar_t* caption;
    int iconId;  // a system icon, loaded by id
};

// The kind's caption and icon; a value outside the four kinds has neither.
MessageKindInfo KindInfo(MessageKind kind);

struct DialogButtonInfo {
    DialogButtonSet bit;
    const wchar_t* name;  // the button control's name
    const wchar_t* caption;
    DialogResult result;  // None: pressing it leaves the dialog open
};

// Every button in the fixed order, which is the order of the set's bits.
std::span<const DialogButtonInfo> DialogButtonTable();

struct LayoutRect {
    int left, top, width, height;
    friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

struct LayoutSize {
    int width, height;
    friend bool operator==(const LayoutSize&, const LayoutSize&) = default;
};

struct MessageDialogMetrics {
    int horizontalMargin, verticalMargin;
    int horizontalSpacing;  // icon to text
    int verticalSpacing;    // text block to button row
    int buttonWidth, buttonHeight, buttonSpacing;
    friend bool operator==(const MessageDialogMetrics&, const MessageDialogMetrics&) = default;
};

// Dialog units converted to pixels: horizontal ones against w / 4, vertical
// ones against h / 8.
MessageDialogMetrics ComputeMetrics(int charWidth, int charHeight);

// The icon's side at 96 dots per inch.
inline constexpr int kMessageIconSize = 32;

struct MessageDialogInput {
    int charWidth, charHeight;         // w and h
    int screenWidth, screenHeight;     // the primary screen, in pixels
    LayoutRect workArea;               // the monitor's, the taskbar excluded
    int textWidth, textHeight;         // the text as the platform lays it out
    int frameWidth, frameHeight;       // outer size minus client size
    DialogButtonSet buttons;
    int iconSize = kMessageIconSize;   // at the dialog's scale
    int scrollBarWidth;                // a vertical scroll bar's, at the dialog's scale
};

struct PlacedButton {
    const DialogButtonInfo* info;
    bool defaultMark;  // Enter presses it while no button has the focus
    bool cancelMark;   // Esc presses it
    LayoutRect bounds;
};

struct MessageDialogLayout {
    MessageDialogMetrics metrics;
    int clientWidth, clientHeight;
    LayoutRect window;  // outer rectangle, centred, moved inside the work area if need be
    LayoutRect icon;
    LayoutRect label;   // the text's control, its scroll bar included
    bool textScrolls;   // too tall for the room: the text scrolls in the label's place
    std::vector<PlacedButton> buttons;  // left to right
};

MessageDialogLayout LayOutMessageDialog(const MessageDialogInput& input);

// The largest text the work area leaves room for beside the icon and above
// the buttons; never negative. The input's text size plays no part.
LayoutSize TextRoom(const MessageDialogInput& input);

// The rectangle moved as little as puts it inside the area. One larger than
// the area keeps its top left corner there, so that its caption stays reachable.
LayoutRect KeptInside(const LayoutRect& window, const LayoutRect& area);

}  // namespace brevant
