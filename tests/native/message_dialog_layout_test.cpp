#include "dialogs/message_dialog_layout.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace brevant {
namespace {

namespace B = DialogButton;

// The worked example: w 6, h 13, a text of 200 by 26, a 1280 by 1024 screen,
// a frame adding 6 by 25 to the client area and scroll bars 17 wide. Its work
// area reaches far past the screen, so that no example holds the dialog in.
MessageDialogInput Example(DialogButtonSet buttons)
{
    return {.charWidth = 6, .charHeight = 13, .screenWidth = 1280, .screenHeight = 1024,
            .workArea = {-10'000, -10'000, 20'000, 20'000}, .textWidth = 200, .textHeight = 26,
            .frameWidth = 6, .frameHeight = 25, .buttons = buttons, .scrollBarWidth = 17};
}

std::vector<std::wstring> NamesOf(const MessageDialogLayout& layout)
{
    std::vector<std::wstring> names;
    for (const PlacedButton& b : layout.buttons)
        names.emplace_back(b.info->name);
    return names;
}

struct MulDivCase {
    int a, b, c, expected;
};

TEST(MulDivRounded, RoundsHalvesAwayFromZeroAndRejectsWhatDoesNotFit)
{
    const MulDivCase cases[] = {
        {10, 7, 4, 18},           // 17.5
        {50, 7, 4, 88},           // 87.5
        {10, 13, 8, 16},          // 16.25
        {14, 15, 8, 26},          // 26.25
        {10, 15, 8, 19},          // 18.75
        {1, 1, 3, 0},             // 0.33
        {2, 1, 3, 1},             // 0.67
        {-1, 1, 2, -1},           // -0.5
        {-3, 1, 2, -2},           // -1.5
        {1, -1, 3, 0},
        {7, -3, -2, 11},          // 10.5
        {-7, 3, 2, -11},
        {0, -5, 7, 0},
        {5, 1, 0, -1},            // no divisor
        {INT_MAX, 1, 1, INT_MAX},
        {INT_MAX, 2, 1, -1},      // too large
        {INT_MIN, 1, 1, -1},      // below -INT_MAX
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX},  // the product needs 64 bits
    };
    for (const MulDivCase& c : cases) {
        SCOPED_TRACE(std::to_wstring(c.a) + L" * " + std::to_wstring(c.b) + L" / " + std::to_wstring(c.c));
        EXPECT_EQ(MulDivRounded(c.a, c.b, c.c), c.expected);
    }
}

TEST(MessageDialogMetrics, DialogUnitsFollowTheCharacterSize)
{
    struct Case {
        int w, h;
        MessageDialogMetrics expected;
    };
    const Case cases[] = {
        {6, 13, {12, 13, 15, 16, 75, 23, 6}},
        {7, 16, {14, 16, 18, 20, 88, 28, 7}},   // halves rounded up
        {5, 15, {10, 15, 13, 19, 63, 26, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(L"w " + std::to_wstring(c.w) + L" h " + std::to_wstring(c.h));
        EXPECT_EQ(ComputeMetrics(c.w, c.h), c.expected);
    }
}

TEST(MessageDialogLayout, WorkedExample)
{
    const MessageDialogLayout layout = LayOutMessageDialog(Example(B::OK | B::Cancel));
    EXPECT_EQ(layout.clientWidth, 271);
    EXPECT_EQ(layout.clientHeight, 97);
    EXPECT_EQ(layout.icon, (LayoutRect{12, 13, 32, 32}));
    EXPECT_EQ(layout.label, (LayoutRect{59, 13, 200, 26}));
    ASSERT_EQ(NamesOf(layout), (std::vector<std::wstring>{L"OK", L"Cancel"}));
    EXPECT_EQ(layout.buttons[0].bounds, (LayoutRect{57, 61, 75, 23}));
    EXPECT_EQ(layout.buttons[1].bounds, (LayoutRect{138, 61, 75, 23}));
    // Outer 277 by 122; the screen's and the window's halves are truncated
    // separately: 640 - 138 (not (1280 - 277) / 2 = 501).
    EXPECT_EQ(layout.window, (LayoutRect{502, 451, 277, 122}));
}

TEST(MessageDialogLayout, EmptyTextKeepsHalfTheScreenWidthAndTheIconHeight)
{
    MessageDialogInput input = Example(B::OK);
    input.textWidth = 640;  // the text rectangle as it started
    input.textHeight = 0;
    const MessageDialogLayout layout = LayOutMessageDialog(input);
    EXPECT_EQ(layout.clientWidth, 640 + 15 + 32 + 24);
    EXPECT_EQ(layout.clientHeight, 97);
    EXPECT_EQ(layout.label, (LayoutRect{59, 13, 640, 0}));
    EXPECT_EQ(layout.buttons.at(0).bounds.top, 61);
}

TEST(MessageDialogLayout, EmptySetKeepsTheButtonBand)
{
    const MessageDialogLayout layout = LayOutMessageDialog(Example(0));
    EXPECT_TRUE(layout.buttons.empty());
    EXPECT_EQ(layout.clientWidth, 247 + 24);
    EXPECT_EQ(layout.clientHeight, 32 + 16 + 23 + 26);
}

TEST(MessageDialogLayout, ShowAllButtonsGivesNineButtonsInFixedOrder)
{
    const MessageDialogLayout layout = LayOutMessageDialog(Example(AllShownButtons));
    ASSERT_EQ(NamesOf(layout), (std::vector<std::wstring>{L"Yes", L"No", L"OK", L"Cancel", L"Abort",
                                                         L"Retry", L"Ignore", L"All", L"Help"}));
    // The row (9 * 75 + 8 * 6 = 723) is wider than the text block.
    EXPECT_EQ(layout.clientWidth, 723 + 24);
    for (size_t i = 0; i < layout.buttons.size(); ++i) {
        SCOPED_TRACE(layout.buttons[i].info->name);
        EXPECT_EQ(layout.buttons[i].bounds, (LayoutRect{12 + 81 * static_cast<int>(i), 61, 75, 23}));
    }
    // The text block stays at the left margin while the row is centred.
    EXPECT_EQ(layout.icon.left, 12);
    EXPECT_EQ(layout.label.left, 59);
}

TEST(MessageDialogLayout, BitsAbove0x400AreIgnored)
{
    const MessageDialogLayout plain = LayOutMessageDialog(Example(B::Yes | B::Help));
    const MessageDialogLayout noisy = LayOutMessageDialog(Example(0xFFFFF800u | B::Yes | B::Help));
    EXPECT_EQ(NamesOf(noisy), NamesOf(plain));
    EXPECT_EQ(noisy.clientWidth, plain.clientWidth);
    EXPECT_EQ(noisy.buttons[0].bounds, plain.buttons[0].bounds);
    EXPECT_TRUE(LayOutMessageDialog(Example(0xF800)).buttons.empty());
}

TEST(MessageDialogLayout, RowWiderThanTheScreenGivesANegativeLeft)
{
    MessageDialogInput input = Example(0x7FF);  // all eleven buttons: 11 * 75 + 10 * 6 = 885
    input.screenWidth = 640;
    input.frameWidth = 0;
    const MessageDialogLayout layout = LayOutMessageDialog(input);
    EXPECT_EQ(layout.clientWidth, 909);
    EXPECT_EQ(layout.window.left, 320 - 454);
    EXPECT_EQ(layout.buttons.front().bounds.left, 12);
}

TEST(MessageDialogLayout, TextTallerThanTheScreenGivesANegativeTop)
{
    MessageDialogInput input = Example(B::OK);
    input.textHeight = 2000;
    const MessageDialogLayout layout = LayOutMessageDialog(input);
    EXPECT_EQ(layout.clientHeight, 2000 + 16 + 23 + 26);
    EXPECT_EQ(layout.window.top, 512 - (2065 + 25) / 2);
    EXPECT_EQ(layout.buttons[0].bounds.top, 2000 + 13 + 16);
}

TEST(MessageDialogLayout, NarrowRowIsCentredUnderAWideText)
{
    MessageDialogInput input = Example(B::Yes | B::No | B::Cancel);
    input.textWidth = 600;
    const MessageDialogLayout layout = LayOutMessageDialog(input);
    const int rowWidth = 3 * 75 + 2 * 6;
    EXPECT_EQ(layout.clientWidth, 600 + 15 + 32 + 24);
    EXPECT_EQ(layout.buttons[0].bounds.left, (layout.clientWidth - rowWidth) / 2);
    EXPECT_EQ(layout.buttons[2].bounds.left, (layout.clientWidth - rowWidth) / 2 + 162);
}

TEST(MessageDialogLayout, DialogIsHeldInsideTheWorkArea)
{
    struct Case {
        const wchar_t* what;
        int charWidth, textWidth, textHeight;
        DialogButtonSet buttons;
        LayoutRect workArea, window, label;  // the label's width takes in a scroll bar
        int buttonWidth;
        bool scrolls = false;
    };
    // The screen less a 40-pixel taskbar: 1203 by 894 left for the text at w 6.
    const LayoutRect taskbarBelow{0, 0, 1280, 984};
    const Case cases[] = {
        {L"fits: as without a limit", 6, 200, 26, B::OK | B::Cancel, taskbarBelow, {502, 451, 277, 122},
         {59, 13, 200, 26}, 75},
        {L"a word wider than the room", 6, 6215, 13, B::OK, taskbarBelow, {0, 451, 1280, 122}, {59, 13, 1203, 13}, 75},
        {L"2000 lines scroll in the whole lines that fit", 6, 200, 26'000, B::OK, taskbarBelow,
         {493, 10, 294, 974}, {59, 13, 217, 884}, 75, true},
        {L"2000 wide lines: the scroll bar within the room", 6, 6215, 26'000, B::OK, taskbarBelow,
         {0, 10, 1280, 974}, {59, 13, 1203, 884}, 75, true},
        {L"eleven buttons at a large font", 12, 200, 26, 0x7FF, taskbarBelow, {3, 451, 1274, 122},
         {86, 13, 200, 26}, 100},
        {L"a small dialog across the edge moves", 6, 200, 26, B::OK, {0, 0, 1280, 500}, {502, 378, 277, 122},
         {59, 13, 200, 26}, 75},
        {L"too small for the icon: from the top left", 6, 200, 26, B::OK, {100, 50, 200, 100},
         {100, 50, 200, 122}, {59, 13, 123, 0}, 75, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MessageDialogInput input = Example(c.buttons);
        input.charWidth = c.charWidth;
        input.textWidth = c.textWidth;
        input.textHeight = c.textHeight;
        input.workArea = c.workArea;
        const MessageDialogLayout layout = LayOutMessageDialog(input);
        EXPECT_EQ(layout.window, c.window);
        EXPECT_EQ(layout.label, c.label);
        EXPECT_EQ(layout.textScrolls, c.scrolls);
        // A text cut in width is cut to the width it is measured again at,
        // its scroll bar included.
        if (c.textWidth > c.label.width - (c.scrolls ? input.scrollBarWidth : 0)) {
            EXPECT_EQ(TextRoom(input).width, c.label.width);
        }
        for (const PlacedButton& b : layout.buttons)
            EXPECT_EQ(b.bounds.width, c.buttonWidth);
    }
}

TEST(MessageDialogLayout, DefaultAndCancelMarks)
{
    struct Case {
        DialogButtonSet set;
        const wchar_t* defaultButton;  // "" for none
        const wchar_t* cancelButton;
    };
    const Case cases[] = {
        {B::OK | B::Cancel, L"OK", L"Cancel"},
        {B::Yes | B::No, L"Yes", L"No"},
        {B::Yes | B::No | B::Cancel, L"Yes", L"Cancel"},
        {B::OK, L"OK", L"OK"},
        {B::Yes | B::OK, L"OK", L"OK"},
        {B::Yes | B::No | B::OK, L"OK", L"No"},
        {B::Abort | B::Retry | B::Ignore, L"Retry", L""},
        {B::Retry | B::Cancel, L"Retry", L"Cancel"},
        {B::Abort | B::Ignore, L"", L""},
        {B::No, L"", L"No"},
        {B::Yes, L"Yes", L""},
        {B::Help, L"", L""},
        {B::All | B::NoToAll | B::YesToAll, L"", L""},
        {AllShownButtons, L"OK", L"Cancel"},
        {0, L"", L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(L"set " + std::to_wstring(c.set));
        std::wstring defaults, cancels;
        for (const PlacedButton& b : LayOutMessageDialog(Example(c.set)).buttons) {
            if (b.defaultMark)
                defaults += b.info->name;
            if (b.cancelMark)
                cancels += b.info->name;
        }
        EXPECT_EQ(defaults, c.defaultButton);
        EXPECT_EQ(cancels, c.cancelButton);
    }
}

TEST(MessageKindInfo, CaptionAndSystemIconByKind)
{
    struct Case {
        MessageKind kind;
        const wchar_t* caption;
        int iconId;
    };
    const Case cases[] = {
        {MessageKind::Warning, L"Warning", 32515},
        {MessageKind::Error, L"Error", 32513},
        {MessageKind::Information, L"Information", 32516},
        {MessageKind::Confirmation, L"Confirm", 32514},
        {static_cast<MessageKind>(4), L"", 0},
        {static_cast<MessageKind>(-1), L"", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        EXPECT_STREQ(KindInfo(c.kind).caption, c.caption);
        EXPECT_EQ(KindInfo(c.kind).iconId, c.iconId);
    }
}

}  // namespace
}  // namespace brevant
