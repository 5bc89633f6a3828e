#include "config/config_values.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace brevant {
namespace {

struct TextCase {
    std::wstring input;
    std::wstring expected;
};

TEST(LineBreaksToCarets, EveryKindOfLineBreakBecomesOneCaret)
{
    const std::vector<TextCase> cases = {
        {L"", L""},
        {L"Back soon\r\nWait here", L"Back soon^Wait here"},
        {L"lone\nfeed", L"lone^feed"},
        {L"lone\rreturn", L"lone^return"},
        {L"a\r\r\nb", L"a^^b"},
        {L"a\n\rb", L"a^^b"},
        {L"a\r\n\r\nb", L"a^^b"},
        {L"\r\n", L"^"},
        {L"\n\n\n", L"^^^"},
        {L"trailing\r", L"trailing^"},
        {L"typed ^ caret", L"typed ^ caret"},
        {L"tab\tand \"quotes\" = [x] ;y", L"tab\tand \"quotes\" = [x] ;y"},
        {L"\xE4\xF6\xFC\x81\x5C", L"\xE4\xF6\xFC\x81\x5C"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.input));
        EXPECT_EQ(LineBreaksToCarets(c.input), c.expected);
    }
}

// A lone line feed must not start a new line of the file, where the rest of
// the text would read back as a key of its own.
TEST(LineBreaksToCarets, TextCannotSmuggleAKeyOntoALineOfItsOwn)
{
    const std::vector<TextCase> cases = {
        {L"Hello\nType=3", L"Hello^Type=3"},
        {L"Hello\rType=3", L"Hello^Type=3"},
        {L"Hello\r\nType=3", L"Hello^Type=3"},
        {L"Hi\n[Other]\rType=3\n", L"Hi^[Other]^Type=3^"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.input));
        EXPECT_EQ(LineBreaksToCarets(c.input), c.expected);
    }
}

TEST(LineBreaksToCarets, NeverLeavesALineBreakInRandomText)
{
    std::mt19937 random(7);
    const std::wstring alphabet = L"ab^\r\n \t";
    for (int round = 0; round < 2000; ++round) {
        std::wstring text;
        const auto length = random() % 20;
        for (unsigned i = 0; i < length; ++i)
            text += alphabet[random() % alphabet.size()];
        SCOPED_TRACE(testing::PrintToString(text));
        const std::wstring value = LineBreaksToCarets(text);
        EXPECT_EQ(value.find_first_of(L"\r\n"), std::wstring::npos);
        EXPECT_LE(value.size(), text.size());
    }
}

TEST(CaretsToLineBreaks, EveryCaretBecomesCrLf)
{
    const std::vector<TextCase> cases = {
        {L"", L""},
        {L"Back soon^Wait here", L"Back soon\r\nWait here"},
        {L"^^", L"\r\n\r\n"},
        {L"^start and end^", L"\r\nstart and end\r\n"},
        {L"no carets here", L"no carets here"},
        {L"a\nb", L"a\nb"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.input));
        EXPECT_EQ(CaretsToLineBreaks(c.input), c.expected);
    }
}

TEST(CaretsToLineBreaks, TextWithCrLfBreaksSurvivesTheRoundTrip)
{
    for (const wchar_t* text : {L"", L"one line", L"two\r\nlines", L"\r\n\r\nblank lines\r\n"}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(text)));
        EXPECT_EQ(CaretsToLineBreaks(LineBreaksToCarets(text)), text);
    }
    // What the memo cannot keep apart from a line break: a typed caret, and
    // lone returns or feeds, which come back as the memo's own line break.
    EXPECT_EQ(CaretsToLineBreaks(LineBreaksToCarets(L"a^b")), L"a\r\nb");
    EXPECT_EQ(CaretsToLineBreaks(LineBreaksToCarets(L"a\nb\rc")), L"a\r\nb\r\nc");
}

TEST(QuotedForProfile, QuotesOnlyValuesThePlatformWouldCut)
{
    const std::vector<TextCase> cases = {
        {L"", L""},
        {L"Back soon^Wait here", L"Back soon^Wait here"},
        {L"inner \"quotes\" and 'marks' here", L"inner \"quotes\" and 'marks' here"},
        {L"15", L"15"},
        {L" lead", L"\" lead\""},
        {L"trail ", L"\"trail \""},
        {L" ", L"\" \""},
        {L"\"quoted\"", L"\"\"quoted\"\""},
        {L"\"Hi\" she said", L"\"\"Hi\" she said\""},
        {L"'tis", L"\"'tis\""},
        {L"\"", L"\"\"\""},
        {L"tab\tinside", L"\"tab\tinside\""},
        {L"caf\xE9", L"\"caf\xE9\""},
        {L"\x81\x40", L"\"\x81\x40\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.input));
        EXPECT_EQ(QuotedForProfile(c.input), c.expected);
    }
}

TEST(FileTypeCode, FileOrderDiffersFromDialogOrder)
{
    const struct {
        MessageKind kind;
        int32_t code;
    } cases[] = {
        {MessageKind::Error, 0},
        {MessageKind::Warning, 1},
        {MessageKind::Information, 2},
        {MessageKind::Confirmation, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(FileTypeCode(c.kind), c.code);
        EXPECT_EQ(KindFromFileTypeCode(c.code), c.kind);
    }
}

TEST(FileTypeCode, OtherCodesNameNoKind)
{
    for (int32_t code : {-1, 4, 7, 99, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(KindFromFileTypeCode(code), std::nullopt);
    }
    EXPECT_EQ(UnreadableTypeCode, 99);
}

TEST(HexPrefixAsDollar, OnlyALeadingZeroXBeforeMoreTextIsReplaced)
{
    const std::vector<TextCase> cases = {
        {L"0x3", L"$3"},
        {L"0X1f", L"$1f"},
        {L"0x-1", L"$-1"},
        {L"0x", L"0x"},
        {L"0X", L"0X"},
        {L"0", L"0"},
        {L"", L""},
        {L"00x3", L"00x3"},
        {L"x3", L"x3"},
        {L" 0x3", L" 0x3"},
        {L"0y3", L"0y3"},
        {L"$3", L"$3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(HexPrefixAsDollar(c.input), c.expected);
    }
}

TEST(ConfigNumberOr, ReadsWholeNumbersAndFallsBackForAnythingElse)
{
    const struct {
        const wchar_t* text;
        int32_t expected;
    } cases[] = {
        {L"3", 3},
        {L"0x3", 3},
        {L"0X3", 3},
        {L"$3", 3},
        {L"0x1F", 31},
        {L"0", 0},
        {L"-5", -5},
        {L" 2", 2},
        {L"007", 7},
        {L"$FFFFFFFF", -1},
        {L"0xFFFFFFFF", -1},
        {L"2147483647", 2147483647},
        {L"2147483648", 99},
        {L"0x100000000", 99},
        {L"0x", 99},
        {L"0x-1", 99},
        {L"abc", 99},
        {L"", 99},
        {L"2 ", 99},
        {L"3.0", 99},
        {L"99999999999", 99},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ConfigNumberOr(c.text, UnreadableTypeCode), c.expected);
    }
}

TEST(IsClockTime, AColonOrTheTimeSeparatorAnywhereMakesAClockTime)
{
    const struct {
        const wchar_t* value;
        wchar_t separator;
        bool clockTime;
    } cases[] = {
        {L"15:30:00", L':', true},   {L"3:30:00 PM", L':', true}, {L":", L':', true},
        {L"abc:", L':', true},       {L"15", L':', false},        {L"", L':', false},
        {L"15.30.00", L':', false},  {L"18.39.36", L'.', true},   {L"15:30:00", L'.', true},
        {L"15", L'.', false},        {L"-5", L'.', false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.value)) + " with " + testing::PrintToString(std::wstring(1, c.separator)));
        EXPECT_EQ(IsClockTime(c.value, c.separator), c.clockTime);
    }
}

ButtonTicks TicksOf(std::initializer_list<std::wstring_view> tokens)
{
    ButtonTicks ticks;
    for (std::size_t i = 0; i < ButtonTokens.size(); ++i) {
        for (auto token : tokens) {
            if (ButtonTokens[i].token == token)
                ticks.set(i);
        }
    }
    return ticks;
}

DialogButtonSet BitsOf(const ButtonTicks& ticks)
{
    DialogButtonSet bits = 0;
    for (std::size_t i = 0; i < ButtonTokens.size(); ++i) {
        if (ticks[i])
            bits |= ButtonTokens[i].bit;
    }
    return bits;
}

TEST(ButtonTokens, TableHoldsTheTokensInWritingOrderWithTheirBits)
{
    const std::vector<std::pair<std::wstring_view, DialogButtonSet>> expected = {
        {L"YES", 0x1}, {L"NO", 0x2}, {L"OK", 0x4}, {L"CANCEL", 0x8}, {L"HELP", 0x400},
        {L"ABORT", 0x10}, {L"RETRY", 0x20}, {L"IGNORE", 0x40}, {L"ALLBTN", 0x80},
    };
    ASSERT_EQ(ButtonTokens.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(ButtonTokens[i].token, expected[i].first);
        EXPECT_EQ(ButtonTokens[i].bit, expected[i].second);
    }
}

TEST(ContainsToken, FindsTokensOfTheirOwnOnly)
{
    const struct {
        const wchar_t* value;
        const wchar_t* token;
        bool expected;
    } cases[] = {
        {L"YES", L"YES", true},
        {L"XXYESXX", L"YES", true},
        {L"NOYES", L"YES", true},
        {L"yes", L"YES", false},
        {L"Yes", L"YES", false},
        {L"IGNORE", L"NO", false},
        {L"IGNORE", L"IGNORE", true},
        {L"NOIGNORE", L"NO", true},
        {L"IGNORENO", L"NO", true},
        {L"IGNOREIGNORE", L"NO", false},
        {L"IGNORNO", L"NO", true},
        {L"IGNORNO", L"IGNORE", false},
        {L"IGNOREXNO", L"NO", true},
        {L"YES,NO", L"NO", true},
        {L"CANCELLED", L"CANCEL", true},
        {L"ALLBTN", L"ALLBTN", true},
        {L"ALL", L"ALLBTN", false},
        {L"", L"YES", false},
        {L"YES", L"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::wstring(c.value) + L" / " + c.token);
        EXPECT_EQ(ContainsToken(c.value, c.token), c.expected);
    }
}

TEST(ButtonsValue, FollowsTheSelectedRadioButton)
{
    const ButtonTicks yesHelpRetry = TicksOf({L"YES", L"HELP", L"RETRY"});
    const struct {
        ButtonsChoice choice;
        ButtonTicks ticks;
        const wchar_t* expected;
    } cases[] = {
        {ButtonsChoice::Hide, yesHelpRetry, L""},
        {ButtonsChoice::None, yesHelpRetry, L""},
        {ButtonsChoice::ShowAll, {}, L"ALL"},
        {ButtonsChoice::ShowAll, yesHelpRetry, L"ALL"},
        {ButtonsChoice::Display, {}, L""},
        {ButtonsChoice::Display, yesHelpRetry, L"YESHELPRETRY"},
        {ButtonsChoice::Display, TicksOf({L"YES", L"NO", L"IGNORE"}), L"YESNOIGNORE"},
        {ButtonsChoice::Display, ButtonTicks().set(), L"YESNOOKCANCELHELPABORTRETRYIGNOREALLBTN"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(ButtonsValue({c.choice, c.ticks}), c.expected);
    }
}

TEST(ReadButtonsValue, DecidesWhatTheLoaderDoes)
{
    const struct {
        const wchar_t* value;
        ButtonsChoice choice;
        ButtonTicks ticks;
        DialogButtonSet bits;
    } cases[] = {
        {L"", ButtonsChoice::Hide, {}, 0},
        {L"ALL", ButtonsChoice::ShowAll, ButtonTicks().set(), AllShownButtons},
        {L"all", ButtonsChoice::Display, {}, 0},
        {L"ALL ", ButtonsChoice::Display, {}, 0},
        {L" ", ButtonsChoice::Display, {}, 0},
        {L"yes", ButtonsChoice::Display, {}, 0},
        {L"IGNORE", ButtonsChoice::Display, TicksOf({L"IGNORE"}), 0x40},
        {L"NOIGNORE", ButtonsChoice::Display, TicksOf({L"NO", L"IGNORE"}), 0x42},
        {L"YES,NO", ButtonsChoice::Display, TicksOf({L"YES", L"NO"}), 0x3},
        {L"HELPYES", ButtonsChoice::Display, TicksOf({L"YES", L"HELP"}), 0x401},
        {L"ALLBTN", ButtonsChoice::Display, TicksOf({L"ALLBTN"}), 0x80},
        {L"YESHELPRETRY", ButtonsChoice::Display, TicksOf({L"YES", L"HELP", L"RETRY"}), 0x421},
        {L"YESNOIGNORE", ButtonsChoice::Display, TicksOf({L"YES", L"NO", L"IGNORE"}), 0x43},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.value)));
        const ButtonsSelection read = ReadButtonsValue(c.value);
        EXPECT_EQ(read.choice, c.choice);
        EXPECT_EQ(read.ticks, c.ticks);
        EXPECT_EQ(ButtonSetOf(read), c.bits);
    }
}

// Whatever boxes are ticked, the written value loads back as exactly those.
TEST(ReadButtonsValue, EveryValueTheWriterProducesLoadsBackAsTheTickedSet)
{
    for (unsigned long subset = 0; subset < (1ul << ButtonTokens.size()); ++subset) {
        const ButtonTicks ticks(subset);
        const std::wstring value = ButtonsValue({ButtonsChoice::Display, ticks});
        SCOPED_TRACE(value);
        const ButtonsSelection read = ReadButtonsValue(value);
        EXPECT_EQ(read.choice, ticks.none() ? ButtonsChoice::Hide : ButtonsChoice::Display);
        EXPECT_EQ(read.ticks, ticks);
        EXPECT_EQ(ButtonSetOf(read), BitsOf(ticks));
    }
}

}  // namespace
}  // namespace brevant
