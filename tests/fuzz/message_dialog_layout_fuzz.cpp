// The message dialog's layout arithmetic over every font size, screen, text
// extent, frame and button set the platform can hand it: the rounding of
// dialog units, where the icon, the text and the buttons end up, and the
// window held inside the monitor's work area.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <initializer_list>
#include <limits>

#include "dialogs/message_dialog_layout.h"
#include "fuzz_check.h"

namespace brevant {
namespace {

using Wide = __int128;

Wide Magnitude(Wide value) { return value < 0 ? -value : value; }

// The nearest integer to a * b / c, halves away from zero, or -1 when c is 0
// or that integer does not fit.
void CheckMulDiv(int a, int b, int c)
{
    const int result = MulDivRounded(a, b, c);
    if (c == 0) {
        FUZZ_REQUIRE(result == -1);
        return;
    }
    const Wide product = Wide{a} * b;
    const Wide divisor = Magnitude(c);
    const Wide error = Magnitude(product - Wide{result} * c);
    const bool nearest = 2 * error < divisor || (2 * error == divisor && Magnitude(Wide{result} * c) > Magnitude(product));
    const bool overflows = 2 * Magnitude(product) >= (2 * Wide{std::numeric_limits<int>::max()} + 1) * divisor;
    FUZZ_REQUIRE(overflows ? result == -1 : nearest);
}

int Across(int units, int w) { return (units * w + 2) / 4; }
int Down(int units, int h) { return (units * h + 4) / 8; }

void CheckLayout(const MessageDialogInput& in)
{
    const MessageDialogLayout out = LayOutMessageDialog(in);
    const MessageDialogMetrics& m = out.metrics;
    const int w = in.charWidth, h = in.charHeight;
    FUZZ_REQUIRE(m.horizontalMargin == Across(8, w) && m.horizontalSpacing == Across(10, w) &&
                 m.buttonWidth == Across(50, w) && m.buttonSpacing == Across(4, w));
    FUZZ_REQUIRE(m.verticalMargin == Down(8, h) && m.verticalSpacing == Down(10, h) && m.buttonHeight == Down(14, h));

    // The body: icon and text side by side at the top left margin; the text
    // whole, cut to the room's width; one taller than the room scrolls in the
    // whole lines that fit, its scroll bar beside it within the room's width.
    const LayoutSize room = TextRoom(in);
    const int line = std::max(h, 1);
    FUZZ_REQUIRE(out.textScrolls == (in.textHeight > room.height));
    FUZZ_REQUIRE(!out.textScrolls ? out.label.height == in.textHeight
                                  : out.label.height % line == 0 && out.label.height <= room.height &&
                                        out.label.height + line > room.height);
    const int scrollBar = out.textScrolls ? in.scrollBarWidth : 0;
    FUZZ_REQUIRE(scrollBar <= room.width ? out.label.width - scrollBar == std::min(in.textWidth, room.width - scrollBar)
                                         : out.label.width == room.width);
    const int bodyHeight = std::max(out.label.height, kMessageIconSize);
    FUZZ_REQUIRE(out.icon == (LayoutRect{m.horizontalMargin, m.verticalMargin, kMessageIconSize, kMessageIconSize}));
    FUZZ_REQUIRE(out.label.left == m.horizontalMargin + kMessageIconSize + m.horizontalSpacing &&
                 out.label.top == m.verticalMargin);
    FUZZ_REQUIRE(out.label.left + out.label.width <= out.clientWidth - m.horizontalMargin);
    FUZZ_REQUIRE(out.clientHeight == bodyHeight + m.verticalSpacing + m.buttonHeight + 2 * m.verticalMargin);

    // The buttons: those of the set, in the fixed order, one row centred below
    // the body; narrower only when the row passes the room, then the widest that fit.
    const DialogButtonSet shown = in.buttons & 0x7FF;
    FUZZ_REQUIRE(static_cast<int>(out.buttons.size()) == std::popcount(shown));
    const int count = static_cast<int>(out.buttons.size());
    const auto rowOf = [&](int width) { return count == 0 ? 0 : count * width + (count - 1) * m.buttonSpacing; };
    const int buttonWidth = count == 0 ? m.buttonWidth : out.buttons.front().bounds.width;
    const int rowRoom = std::max(0, in.workArea.width - in.frameWidth - 2 * m.horizontalMargin);
    FUZZ_REQUIRE(rowOf(m.buttonWidth) <= rowRoom ? buttonWidth == m.buttonWidth
                                                 : buttonWidth >= 0 && rowOf(buttonWidth + 1) > rowRoom &&
                                                       (rowOf(buttonWidth) <= rowRoom || buttonWidth == 0));
    const int rowWidth = rowOf(buttonWidth);
    FUZZ_REQUIRE(out.clientWidth ==
                 std::max(out.label.width + m.horizontalSpacing + kMessageIconSize, rowWidth) + 2 * m.horizontalMargin);
    const int rowTop = m.verticalMargin + bodyHeight + m.verticalSpacing;
    int left = (out.clientWidth - rowWidth) / 2;
    DialogButtonSet previous = 0;
    for (const PlacedButton& button : out.buttons) {
        FUZZ_REQUIRE((shown & button.info->bit) != 0 && button.info->bit > previous);
        previous = button.info->bit;
        FUZZ_REQUIRE(button.bounds == (LayoutRect{left, rowTop, buttonWidth, m.buttonHeight}));
        FUZZ_REQUIRE(button.bounds.left >= m.horizontalMargin);
        FUZZ_REQUIRE(button.bounds.left + button.bounds.width <= out.clientWidth - m.horizontalMargin);
        FUZZ_REQUIRE(button.bounds.top + button.bounds.height == out.clientHeight - m.verticalMargin);
        left += buttonWidth + m.buttonSpacing;
    }

    // Enter's button: OK, else Yes, else Retry; Esc's: Cancel, else No, else OK.
    const auto firstOf = [shown](std::initializer_list<DialogButtonSet> candidates) {
        for (DialogButtonSet candidate : candidates)
            if (shown & candidate)
                return candidate;
        return DialogButtonSet{0};
    };
    const DialogButtonSet enter = firstOf({DialogButton::OK, DialogButton::Yes, DialogButton::Retry});
    const DialogButtonSet escape = firstOf({DialogButton::Cancel, DialogButton::No, DialogButton::OK});
    for (const PlacedButton& button : out.buttons) {
        FUZZ_REQUIRE(button.defaultMark == (button.info->bit == enter));
        FUZZ_REQUIRE(button.cancelMark == (button.info->bit == escape));
    }

    // The window: the client area plus the frame, centred with each half taken
    // on its own where that lies inside the work area, else kept inside it:
    // wholly when the least dialog fits there, from its top left corner if not.
    FUZZ_REQUIRE(out.window.width == out.clientWidth + in.frameWidth);
    FUZZ_REQUIRE(out.window.height == out.clientHeight + in.frameHeight);
    const LayoutRect &win = out.window, &area = in.workArea;
    const auto keptAt = [&](int left, int top) {
        // Along one axis: inside the area when no longer than it, else at its start.
        const auto kept = [](int start, int length, int areaStart, int areaLength) {
            return length <= areaLength ? start >= areaStart && start + length <= areaStart + areaLength
                                        : start == areaStart;
        };
        return kept(left, win.width, area.left, area.width) && kept(top, win.height, area.top, area.height);
    };
    const int centredLeft = in.screenWidth / 2 - win.width / 2, centredTop = in.screenHeight / 2 - win.height / 2;
    FUZZ_REQUIRE(keptAt(centredLeft, centredTop) ? win.left == centredLeft && win.top == centredTop
                                                 : keptAt(win.left, win.top));
    const int leastWidth =
        in.frameWidth + 2 * m.horizontalMargin + std::max(kMessageIconSize + m.horizontalSpacing, rowOf(0));
    const int leastHeight =
        in.frameHeight + 2 * m.verticalMargin + kMessageIconSize + m.verticalSpacing + m.buttonHeight;
    if (leastWidth <= area.width && leastHeight <= area.height)
        FUZZ_REQUIRE(win.width <= area.width && win.height <= area.height);
}

}  // namespace
}  // namespace brevant

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace brevant;
    FuzzedDataProvider in(data, size);
    // Sizes as fonts, screens, the text layout and window frames give them:
    // never negative, and far below the range of int.
    MessageDialogInput input{};
    input.charWidth = in.ConsumeIntegralInRange(0, 4096);
    input.charHeight = in.ConsumeIntegralInRange(0, 4096);
    input.screenWidth = in.ConsumeIntegralInRange(0, 1 << 16);
    input.screenHeight = in.ConsumeIntegralInRange(0, 1 << 16);
    // Monitors stand on every side of the primary one.
    const auto coordinate = [&in] { return in.ConsumeIntegralInRange(-(1 << 16), 1 << 16); };
    const auto extent = [&in] { return in.ConsumeIntegralInRange(0, 1 << 16); };
    input.workArea = {coordinate(), coordinate(), extent(), extent()};
    input.textWidth = in.ConsumeIntegralInRange(0, 1 << 24);
    input.textHeight = in.ConsumeIntegralInRange(0, 1 << 24);
    input.frameWidth = in.ConsumeIntegralInRange(0, 4096);
    input.frameHeight = in.ConsumeIntegralInRange(0, 4096);
    input.scrollBarWidth = in.ConsumeIntegralInRange(0, 4096);
    input.buttons = in.ConsumeIntegral<DialogButtonSet>();
    CheckLayout(input);

    CheckMulDiv(in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>());
    return 0;
}
