#include "dialogs/message_dialog_layout.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace brevant {

namespace {

struct KindEntry {
    MessageKind kind;
    MessageKindInfo info;
};

constexpr std::array kKinds{
    KindEntry{MessageKind::Warning, {L"Warning", 32515}},           // exclamation mark
    KindEntry{MessageKind::Error, {L"Error", 32513}},               // stop sign
    KindEntry{MessageKind::Information, {L"Information", 32516}},   // information sign
    KindEntry{MessageKind::Confirmation, {L"Confirm", 32514}},      // question mark
};

namespace Button = DialogButton;

constexpr std::array kButtons{
    DialogButtonInfo{Button::Yes, L"Yes", L"&Yes", DialogResult::Yes},
    DialogButtonInfo{Button::No, L"No", L"&No", DialogResult::No},
    DialogButtonInfo{Button::OK, L"OK", L"OK", DialogResult::OK},
    DialogButtonInfo{Button::Cancel, L"Cancel", L"Cancel", DialogResult::Cancel},
    DialogButtonInfo{Button::Abort, L"Abort", L"&Abort", DialogResult::Abort},
    DialogButtonInfo{Button::Retry, L"Retry", L"&Retry", DialogResult::Retry},
    DialogButtonInfo{Button::Ignore, L"Ignore", L"&Ignore", DialogResult::Ignore},
    DialogButtonInfo{Button::All, L"All", L"&All", DialogResult::All},
    DialogButtonInfo{Button::NoToAll, L"NoToAll", L"N&o to All", DialogResult::NoToAll},
    DialogButtonInfo{Button::YesToAll, L"YesToAll", L"Y&es to All", DialogResult::YesToAll},
    DialogButtonInfo{Button::Help, L"Help", L"&Help", DialogResult::None},
};

// The first button of the candidates that is in the set, or 0.
DialogButtonSet FirstIn(DialogButtonSet set, std::initializer_list<DialogButtonSet> candidates)
{
    for (DialogButtonSet candidate : candidates) {
        if (set & candidate)
            return candidate;
    }
    return 0;
}

// The room the work area leaves inside the frame and the margins; never negative.
LayoutSize InnerRoom(const MessageDialogInput& in, const MessageDialogMetrics& m)
{
    return {std::max(0, in.workArea.width - in.frameWidth - 2 * m.horizontalMargin),
            std::max(0, in.workArea.height - in.frameHeight - 2 * m.verticalMargin)};
}

int RowWidth(int count, int buttonWidth, int spacing)
{
    return count == 0 ? 0 : count * buttonWidth + (count - 1) * spacing;
}

// The buttons' own width, or one narrower that lets the row fit the room.
int ButtonWidth(int count, const MessageDialogMetrics& m, int room)
{
    if (RowWidth(count, m.buttonWidth, m.buttonSpacing) <= room)
        return m.buttonWidth;
    return std::max(0, (room - (count - 1) * m.buttonSpacing) / count);
}

// The height of the whole lines that fit in the height given. A line counts
// as at least a pixel high: a font measured as nothing would divide by zero.
int WholeLines(int height, int lineHeight)
{
    return height - height % std::max(lineHeight, 1);
}

}  // namespace

MessageKindInfo KindInfo(MessageKind kind)
{
    const auto* entry = std::find_if(kKinds.begin(), kKinds.end(),
                                     [&](const KindEntry& e) { return e.kind == kind; });
    return entry != kKinds.end() ? entry->info : MessageKindInfo{L"", 0};
}

std::span<const DialogButtonInfo> DialogButtonTable() { return kButtons; }

MessageDialogMetrics ComputeMetrics(int w, int h)
{
    const auto across = [w](int units) { return MulDivRounded(units, w, 4); };
    const auto down = [h](int units) { return MulDivRounded(units, h, 8); };
    return {.horizontalMargin = across(8),
            .verticalMargin = down(8),
            .horizontalSpacing = across(10),
            .verticalSpacing = down(10),
            .buttonWidth = across(50),
            .buttonHeight = down(14),
            .buttonSpacing = across(4)};
}

LayoutSize TextRoom(const MessageDialogInput& in)
{
    const MessageDialogMetrics m = ComputeMetrics(in.charWidth, in.charHeight);
    const LayoutSize inner = InnerRoom(in, m);
    return {std::max(0, inner.width - in.iconSize - m.horizontalSpacing),
            std::max(0, inner.height - m.verticalSpacing - m.buttonHeight)};
}

LayoutRect KeptInside(const LayoutRect& window, const LayoutRect& area)
{
    // The far edge first, so that the near one wins when the window is larger.
    const auto kept = [](int start, int length, int areaStart, int areaLength) {
        return std::max(areaStart, std::min(start, areaStart + areaLength - length));
    };
    return {kept(window.left, window.width, area.left, area.width),
            kept(window.top, window.height, area.top, area.height), window.width, window.height};
}

MessageDialogLayout LayOutMessageDialog(const MessageDialogInput& in)
{
    MessageDialogLayout out{};
    const MessageDialogMetrics m = ComputeMetrics(in.charWidth, in.charHeight);
    out.metrics = m;

    // A text wider than the room is cut to its width; one taller scrolls in the
    // whole lines that fit, its scroll bar beside it inside the room (a room
    // narrower than the scroll bar is all scroll bar).
    const LayoutSize room = TextRoom(in);
    out.textScrolls = in.textHeight > room.height;
    const int scrollBarWidth = out.textScrolls ? in.scrollBarWidth : 0;
    const int labelWidth =
        std::min(std::min(in.textWidth, std::max(0, room.width - scrollBarWidth)) + scrollBarWidth, room.width);
    const int labelHeight = out.textScrolls ? WholeLines(room.height, in.charHeight) : in.textHeight;
    const int blockWidth = labelWidth + m.horizontalSpacing + in.iconSize;
    const int blockHeight = std::max(labelHeight, in.iconSize);

    const DialogButtonSet defaultButton =
        FirstIn(in.buttons, {Button::OK, Button::Yes, Button::Retry});
    const DialogButtonSet cancelButton =
        FirstIn(in.buttons, {Button::Cancel, Button::No, Button::OK});
    for (const DialogButtonInfo& info : kButtons) {
        if (in.buttons & info.bit)
            out.buttons.push_back({&info, info.bit == defaultButton, info.bit == cancelButton, {}});
    }
    const int count = static_cast<int>(out.buttons.size());
    const int buttonWidth = ButtonWidth(count, m, InnerRoom(in, m).width);
    const int rowWidth = RowWidth(count, buttonWidth, m.buttonSpacing);

    out.clientWidth = std::max(blockWidth, rowWidth) + 2 * m.horizontalMargin;
    // The row's band is kept also when there are no buttons.
    out.clientHeight = blockHeight + m.verticalSpacing + m.buttonHeight + 2 * m.verticalMargin;

    const int outerWidth = out.clientWidth + in.frameWidth;
    const int outerHeight = out.clientHeight + in.frameHeight;
    // Each half is truncated on its own.
    out.window = KeptInside({in.screenWidth / 2 - outerWidth / 2, in.screenHeight / 2 - outerHeight / 2,
                             outerWidth, outerHeight},
                            in.workArea);

    out.icon = {m.horizontalMargin, m.verticalMargin, in.iconSize, in.iconSize};
    out.label = {m.horizontalMargin + in.iconSize + m.horizontalSpacing, m.verticalMargin,
                 labelWidth, labelHeight};

    int x = (out.clientWidth - rowWidth) / 2;
    const int top = blockHeight + m.verticalMargin + m.verticalSpacing;
    for (PlacedButton& button : out.buttons) {
        button.bounds = {x, top, buttonWidth, m.buttonHeight};
        x += buttonWidth + m.buttonSpacing;
    }
    return out;
}

}  // namespace brevant
