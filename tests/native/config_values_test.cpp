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
    std::string input;
    std::string expected;
};

TEST(LineBreaksToCarets, EveryKindOfLineBreakBecomesOneCaret)
{
    const std::vector<TextCase> cases = {
        {"", ""},
        {"Back soon\r\nWait here", "Back soon^Wait here"},
        {"lone\nfeed", "lone^feed"},
        {"lone\rreturn", "lone^return"},
        {"a\r\r\nb", "a^^b"},
        {"a\n\rb", "a^^b"},
        {"a\r\n\r\nb", "a^^b"},
        {"\r\n", "^"},
        {"\n\n\n", "^^^"},
        {"trailing\r", "trailing^"},
        {"typed ^ caret", "typed ^ caret"},
        {"tab\tand \"quotes\" = [x] ;y", "tab\tand \"quotes\" = [x] ;y"},
        {"\xE4\xF6\xFC\x81\x5C", "\xE4\xF6\xFC\x81\x5C"},
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
        {"Hello\nType=3", "Hello^Type=3"},
        {"Hello\rType=3", "Hello^Type=3"},
        {"Hello\r\nType=3", "Hello^Type=3"},
        {"Hi\n[Other]\rType=3\n", "Hi^[Other]^Type=3^"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.input));
        EXPECT_EQ(LineBreaksToCarets(c.input), c.expected);
    }
}

TEST(LineBreaksToCarets, NeverLeavesALineBreakInRandomText)
{
    std::mt19937 random(7);
    const std::string alphabet = "ab^\r\n \t";
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        const auto length = random() % 20;
        for (unsigned i = 0; i < length; ++i)
            text += alphabet[random() % alphabet.size()];
        SCOPED_TRACE(testing::PrintToString(text));
        const std::string value = LineBreaksToCarets(text);
        EXPECT_EQ(value.find_first_of("\r\n"), std::string::npos);
        EXPECT_LE(value.size(), text.size());
    }
}

TEST(CaretsToLineBreaks, EveryCaretBecomesCrLf)
{
    const std::vector<TextCase> cases = {
        {"", ""},
        {"Back soon^Wait here", "Back soon\r\nWait here"},
        {"^^", "\r\n\r\n"},
        {"^start and end^", "\r\nstart and end\r\n"},
        {"no carets here", "no carets here"},
        {"a\nb", "a\nb"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.input));
        EXPECT_EQ(CaretsToLineBreaks(c.input), c.expected);
    }
}

TEST(CaretsToLineBreaks, TextWithCrLfBreaksSurvivesTheRoundTrip)
{
    for (const char* text : {"", "one line", "two\r\nlines", "\r\n\r\nblank lines\r\n"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(text)));
        EXPECT_EQ(CaretsToLineBreaks(LineBreaksToCarets(text)), text);
    }
    // What the memo cannot keep apart from a line break: a typed caret, and
    // lone returns or feeds, which come back as the memo's own line break.
    EXPECT_EQ(CaretsToLineBreaks(LineBreaksToCarets("a^b")), "a\r\nb");
    EXPECT_EQ(CaretsToLineBreaks(LineBreaksToCarets("a\nb\rc")), "a\r\nb\r\nc");
}

TEST(QuotedForProfile, QuotesOnlyValuesThePlatformWouldCut)
{
    const std::vector<TextCase> cases = {
        {"", ""},
        {"Back soon^Wait here", "Back soon^Wait here"},
        {"inner \"quotes\" and 'marks' here", "inner \"quotes\" and 'marks' here"},
        {"15", "15"},
        {" lead", "\" lead\""},
        {"trail ", "\"trail \""},
        {" ", "\" \""},
        {"\"quoted\"", "\"\"quoted\"\""},
        {"\"Hi\" she said", "\"\"Hi\" she said\""},
        {"'tis", "\"'tis\""},
        {"\"", "\"\"\""},
        {"tab\tinside", "\"tab\tinside\""},
        {"caf\xE9", "\"caf\xE9\""},
        {"\x81\x40", "\"\x81\x40\""},
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
        {"0x3", "$3"},
        {"0X1f", "$1f"},
        {"0x-1", "$-1"},
        {"0x", "0x"},
        {"0X", "0X"},
        {"0", "0"},
        {"", ""},
        {"00x3", "00x3"},
        {"x3", "x3"},
        {" 0x3", " 0x3"},
        {"0y3", "0y3"},
        {"$3", "$3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(HexPrefixAsDollar(c.input), c.expected);
    }
}

TEST(ConfigNumberOr, ReadsWholeNumbersAndFallsBackForAnythingElse)
{
    const struct {
        const char* text;
        int32_t expected;
    } cases[] = {
        {"3", 3},
        {"0x3", 3},
        {"0X3", 3},
        {"$3", 3},
        {"0x1F", 31},
        {"0", 0},
        {"-5", -5},
        {" 2", 2},
        {"007", 7},
        {"$FFFFFFFF", -1},
        {"0xFFFFFFFF", -1},
        {"2147483647", 2147483647},
        {"2147483648", 99},
        {"0x100000000", 99},
        {"0x", 99},
        {"0x-1", 99},
        {"abc", 99},
        {"", 99},
        {"2 ", 99},
        {"3.0", 99},
        {"99999999999", 99},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ConfigNumberOr(c.text, UnreadableTypeCode), c.expected);
    }
}

TEST(IsClockTime, AColonAnywhereMakesAClockTime)
{
    EXPECT_TRUE(IsClockTime("15:30:00"));
    EXPECT_TRUE(IsClockTime("3:30:00 PM"));
    EXPECT_TRUE(IsClockTime(":"));
    EXPECT_TRUE(IsClockTime("abc:"));
    EXPECT_FALSE(IsClockTime("15"));
    EXPECT_FALSE(IsClockTime(""));
    EXPECT_FALSE(IsClockTime("15.30.00"));
}

ButtonTicks TicksOf(std::initializer_list<std::string_view> tokens)
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
    const std::vector<std::pair<std::string_view, DialogButtonSet>> expected = {
        {"YES", 0x1}, {"NO", 0x2}, {"OK", 0x4}, {"CANCEL", 0x8}, {"HELP", 0x400},
        {"ABORT", 0x10}, {"RETRY", 0x20}, {"IGNORE", 0x40}, {"ALLBTN", 0x80},
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
        const char* value;
        const char* token;
        bool expected;
    } cases[] = {
        {"YES", "YES", true},
        {"XXYESXX", "YES", true},
        {"NOYES", "YES", true},
        {"yes", "YES", false},
        {"Yes", "YES", false},
        {"IGNORE", "NO", false},
        {"IGNORE", "IGNORE", true},
        {"NOIGNORE", "NO", true},
        {"IGNORENO", "NO", true},
        {"IGNOREIGNORE", "NO", false},
        {"IGNORNO", "NO", true},
        {"IGNORNO", "IGNORE", false},
        {"IGNOREXNO", "NO", true},
        {"YES,NO", "NO", true},
        {"CANCELLED", "CANCEL", true},
        {"ALLBTN", "ALLBTN", true},
        {"ALL", "ALLBTN", false},
        {"", "YES", false},
        {"YES", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.value) + " / " + c.token);
        EXPECT_EQ(ContainsToken(c.value, c.token), c.expected);
    }
}

TEST(ButtonsValue, FollowsTheSelectedRadioButton)
{
    const ButtonTicks yesHelpRetry = TicksOf({"YES", "HELP", "RETRY"});
    const struct {
        ButtonsChoice choice;
        ButtonTicks ticks;
        const char* expected;
    } cases[] = {
        {ButtonsChoice::Hide, yesHelpRetry, ""},
        {ButtonsChoice::None, yesHelpRetry, ""},
        {ButtonsChoice::ShowAll, {}, "ALL"},
        {ButtonsChoice::ShowAll, yesHelpRetry, "ALL"},
        {ButtonsChoice::Display, {}, ""},
        {ButtonsChoice::Display, yesHelpRetry, "YESHELPRETRY"},
        {ButtonsChoice::Display, TicksOf({"YES", "NO", "IGNORE"}), "YESNOIGNORE"},
        {ButtonsChoice::Display, ButtonTicks().set(), "YESNOOKCANCELHELPABORTRETRYIGNOREALLBTN"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(ButtonsValue({c.choice, c.ticks}), c.expected);
    }
}

TEST(ReadButtonsValue, DecidesWhatTheLoaderDoes)
{
    const struct {
        const char* value;
        ButtonsChoice choice;
        ButtonTicks ticks;
        DialogButtonSet bits;
    } cases[] = {
        {"", ButtonsChoice::Hide, {}, 0},
        {"ALL", ButtonsChoice::ShowAll, ButtonTicks().set(), AllShownButtons},
        {"all", ButtonsChoice::Display, {}, 0},
        {"ALL ", ButtonsChoice::Display, {}, 0},
        {" ", ButtonsChoice::Display, {}, 0},
        {"yes", ButtonsChoice::Display, {}, 0},
        {"IGNORE", ButtonsChoice::Display, TicksOf({"IGNORE"}), 0x40},
        {"NOIGNORE", ButtonsChoice::Display, TicksOf({"NO", "IGNORE"}), 0x42},
        {"YES,NO", ButtonsChoice::Display, TicksOf({"YES", "NO"}), 0x3},
        {"HELPYES", ButtonsChoice::Display, TicksOf({"YES", "HELP"}), 0x401},
        {"ALLBTN", ButtonsChoice::Display, TicksOf({"ALLBTN"}), 0x80},
        {"YESHELPRETRY", ButtonsChoice::Display, TicksOf({"YES", "HELP", "RETRY"}), 0x421},
        {"YESNOIGNORE", ButtonsChoice::Display, TicksOf({"YES", "NO", "IGNORE"}), 0x43},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.value)));
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
        const std::string value = ButtonsValue({ButtonsChoice::Display, ticks});
        SCOPED_TRACE(value);
        const ButtonsSelection read = ReadButtonsValue(value);
        EXPECT_EQ(read.choice, ticks.none() ? ButtonsChoice::Hide : ButtonsChoice::Display);
        EXPECT_EQ(read.ticks, ticks);
        EXPECT_EQ(ButtonSetOf(read), BitsOf(ticks));
    }
}

}  // namespace
}  // namespace brevant
