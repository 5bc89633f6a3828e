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
    KindEntry{MessageKind::Warning, {"Warning", 32515}},           // exclamation mark
    KindEntry{MessageKind::Error, {"Error", 32513}},               // stop sign
    KindEntry{MessageKind::Information, {"Information", 32516}},   // information sign
    KindEntry{MessageKind::Confirmation, {"Confirm", 32514}},      // question mark
};

namespace Button = DialogButton;

constexpr std::array kButtons{
    DialogButtonInfo{Button::Yes, "Yes", "&Yes", DialogResult::Yes},
    DialogButtonInfo{Button::No, "No", "&No", DialogResult::No},
    DialogButtonInfo{Button::OK, "OK", "OK", DialogResult::OK},
    DialogButtonInfo{Button::Cancel, "Cancel", "Cancel", DialogResult::Cancel},
    DialogButtonInfo{Button::Abort, "Abort", "&Abort", DialogResult::Abort},
    DialogButtonInfo{Button::Retry, "Retry", "&Retry", DialogResult::Retry},
    DialogButtonInfo{Button::Ignore, "Ignore", "&Ignore", DialogResult::Ignore},
    DialogButtonInfo{Button::All, "All", "&All", DialogResult::All},
    DialogButtonInfo{Button::NoToAll, "NoToAll", "N&o to All", DialogResult::NoToAll},
    DialogButtonInfo{Button::YesToAll, "YesToAll", "Y&es to All", DialogResult::YesToAll},
    DialogButtonInfo{Button::Help, "Help", "&Help", DialogResult::None},
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

}  // namespace

MessageKindInfo KindInfo(MessageKind kind)
{
    const auto* entry = std::find_if(kKinds.begin(), kKinds.end(),
                                     [&](const KindEntry& e) { return e.kind == kind; });
    return entry != kKinds.end() ? entry->info : MessageKindInfo{"", 0};
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

MessageDialogLayout LayOutMessageDialog(const MessageDialogInput& in)
{
    MessageDialogLayout out{};
    const MessageDialogMetrics m = ComputeMetrics(in.charWidth, in.charHeight);
    out.metrics = m;

    const int blockWidth = in.textWidth + m.horizontalSpacing + in.iconSize;
    const int blockHeight = std::max(in.textHeight, in.iconSize);

    const DialogButtonSet defaultButton =
        FirstIn(in.buttons, {Button::OK, Button::Yes, Button::Retry});
    const DialogButtonSet cancelButton =
        FirstIn(in.buttons, {Button::Cancel, Button::No, Button::OK});
    for (const DialogButtonInfo& info : kButtons) {
        if (in.buttons & info.bit)
            out.buttons.push_back({&info, info.bit == defaultButton, info.bit == cancelButton, {}});
    }
    const int count = static_cast<int>(out.buttons.size());
    const int rowWidth = count == 0 ? 0 : count * m.buttonWidth + (count - 1) * m.buttonSpacing;

    out.clientWidth = std::max(blockWidth, rowWidth) + 2 * m.horizontalMargin;
    // The row's band is kept also when there are no buttons.
    out.clientHeight = blockHeight + m.verticalSpacing + m.buttonHeight + 2 * m.verticalMargin;

    const int outerWidth = out.clientWidth + in.frameWidth;
    const int outerHeight = out.clientHeight + in.frameHeight;
    // Each half is truncated on its own.
    out.window = {in.screenWidth / 2 - outerWidth / 2, in.screenHeight / 2 - outerHeight / 2,
                  outerWidth, outerHeight};

    out.icon = {m.horizontalMargin, m.verticalMargin, in.iconSize, in.iconSize};
    out.label = {m.horizontalMargin + in.iconSize + m.horizontalSpacing, m.verticalMargin,
                 in.textWidth, in.textHeight};

    int x = (out.clientWidth - rowWidth) / 2;
    const int top = blockHeight + m.verticalMargin + m.verticalSpacing;
    for (PlacedButton& button : out.buttons) {
        button.bounds = {x, top, m.buttonWidth, m.buttonHeight};
        x += m.buttonWidth + m.buttonSpacing;
    }
    return out;
}

}  // namespace brevant
