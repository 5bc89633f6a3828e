#include "text/integer_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <random>
#include <string>

#include "text/error.h"

namespace brevant {
namespace {

TEST(IntegerToText, WritesPlainDecimalDigits)
{
    const struct {
        int32_t value;
        const wchar_t* text;
    } cases[] = {
        {0, L"0"}, {60, L"60"}, {-5, L"-5"}, {2147483647, L"2147483647"}, {INT32_MIN, L"-2147483648"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IntegerToText(c.value), c.text);
}

struct IntegerTextCase {
    std::wstring text;
    std::optional<int32_t> value;  // nullopt: invalid
};

void PrintTo(const IntegerTextCase& c, std::ostream* os) { *os << testing::PrintToString(std::wstring(c.text)); }

class TextToIntegerTest : public testing::TestWithParam<IntegerTextCase> {};

TEST_P(TextToIntegerTest, AcceptsExactlyTheGrammar)
{
    const auto& [text, value] = GetParam();
    constexpr int32_t fallback = -777;
    EXPECT_EQ(TextToIntegerOr(text, fallback), value.value_or(fallback));
    if (value) {
        EXPECT_EQ(TextToInteger(text), *value);
        return;
    }
    try {
        TextToInteger(text);
        ADD_FAILURE() << L"accepted";
    } catch (const Error& error) {
        EXPECT_EQ(error.Message(), L"'" + text + L"' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Valid, TextToIntegerTest,
    testing::Values(IntegerTextCase{L" 42", 42}, IntegerTextCase{L"+7", 7}, IntegerTextCase{L"007", 7},
                    IntegerTextCase{L"$1F", 31}, IntegerTextCase{L"$1f", 31}, IntegerTextCase{L"0", 0},
                    IntegerTextCase{L"-0", 0}, IntegerTextCase{L"   -15", -15},
                    IntegerTextCase{L"-2147483648", INT32_MIN}, IntegerTextCase{L"2147483647", INT32_MAX},
                    IntegerTextCase{L"+2147483647", INT32_MAX}, IntegerTextCase{L"$FFFFFFFF", -1},
                    IntegerTextCase{L"$80000000", INT32_MIN}, IntegerTextCase{L"$7fffffff", INT32_MAX},
                    IntegerTextCase{L"$00000000000FF", 255}, IntegerTextCase{L"$0", 0},
                    IntegerTextCase{std::wstring(5000, L'0') + L"12", 12},
                    IntegerTextCase{std::wstring(L"$").append(5000, L'0').append(L"a"), 10}));

INSTANTIATE_TEST_SUITE_P(
    Invalid, TextToIntegerTest,
    testing::Values(IntegerTextCase{L"2147483648", {}}, IntegerTextCase{L"-2147483649", {}},
                    IntegerTextCase{L"4294967296", {}}, IntegerTextCase{L"$100000000", {}},
                    IntegerTextCase{L"-$1", {}}, IntegerTextCase{L"+$1", {}}, IntegerTextCase{L"0x1F", {}},
                    IntegerTextCase{L"42 ", {}}, IntegerTextCase{L"", {}}, IntegerTextCase{L"   ", {}},
                    IntegerTextCase{L"+", {}}, IntegerTextCase{L"-", {}}, IntegerTextCase{L"$", {}},
                    IntegerTextCase{L"\t42", {}}, IntegerTextCase{L"4 2", {}}, IntegerTextCase{L"1.5", {}},
                    IntegerTextCase{L"$G", {}}, IntegerTextCase{L"$ 1", {}}, IntegerTextCase{L"--1", {}},
                    IntegerTextCase{L"+-1", {}}, IntegerTextCase{L"- 1", {}}, IntegerTextCase{L"1e3", {}},
                    IntegerTextCase{L"12\xB2", {}}, IntegerTextCase{L"\xFF", {}},
                    IntegerTextCase{std::wstring(5000, L'9'), {}},
                    IntegerTextCase{std::wstring(L"$").append(5000, L'F'), {}}));

TEST(HexText, WritesEightUpperCaseDigits)
{
    EXPECT_EQ(HexText(0), L"00000000");
    EXPECT_EQ(HexText(0x80041315), L"80041315");
    EXPECT_EQ(HexText(0x00ABCDEF), L"00ABCDEF");
    EXPECT_EQ(HexText(0xFFFFFFFF), L"FFFFFFFF");
}

TEST(TextToInteger, ReadsBackWhatIntegerToTextWrites)
{
    for (int32_t value : {0, 1, -1, 9, 10, 99, -100, 1279, 214748364, -214748364, INT32_MAX, INT32_MIN}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(TextToInteger(IntegerToText(value)), value);
    }
}

// Whatever bytes arrive, the reader either gives a number that reads back
// the same or raises its conversion error.
TEST(TextToInteger, AnyTextConvertsOrRaisesTheConversionError)
{
    const std::wstring alphabet = L"0123456789 +-$aAfFgx.\t\x80\xC4\xFF";
    std::mt19937 random(20240607);
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<size_t> length(0, 14);
    int accepted = 0;
    for (int i = 0; i < 20000; ++i) {
        std::wstring text;
        for (size_t n = length(random); n > 0; --n)
            text += alphabet[pick(random)];
        SCOPED_TRACE(text);
        try {
            const int32_t value = TextToInteger(text);
            ++accepted;
            EXPECT_EQ(TextToIntegerOr(text, value == 0 ? 1 : 0), value);
        } catch (const Error&) {
            EXPECT_EQ(TextToIntegerOr(text, 12345), 12345);
        }
    }
    EXPECT_GT(accepted, 0);
}

}  // namespace
}  // namespace brevant
