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
        const char* text;
    } cases[] = {
        {0, "0"}, {60, "60"}, {-5, "-5"}, {2147483647, "2147483647"}, {INT32_MIN, "-2147483648"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IntegerToText(c.value), c.text);
}

struct IntegerTextCase {
    std::string text;
    std::optional<int32_t> value;  // nullopt: invalid
};

void PrintTo(const IntegerTextCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

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
        ADD_FAILURE() << "accepted";
    } catch (const Error& error) {
        EXPECT_EQ(error.what(), "'" + text + "' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Valid, TextToIntegerTest,
    testing::Values(IntegerTextCase{" 42", 42}, IntegerTextCase{"+7", 7}, IntegerTextCase{"007", 7},
                    IntegerTextCase{"$1F", 31}, IntegerTextCase{"$1f", 31}, IntegerTextCase{"0", 0},
                    IntegerTextCase{"-0", 0}, IntegerTextCase{"   -15", -15},
                    IntegerTextCase{"-2147483648", INT32_MIN}, IntegerTextCase{"2147483647", INT32_MAX},
                    IntegerTextCase{"+2147483647", INT32_MAX}, IntegerTextCase{"$FFFFFFFF", -1},
                    IntegerTextCase{"$80000000", INT32_MIN}, IntegerTextCase{"$7fffffff", INT32_MAX},
                    IntegerTextCase{"$00000000000FF", 255}, IntegerTextCase{"$0", 0},
                    IntegerTextCase{std::string(5000, '0') + "12", 12},
                    IntegerTextCase{std::string("$").append(5000, '0').append("a"), 10}));

INSTANTIATE_TEST_SUITE_P(
    Invalid, TextToIntegerTest,
    testing::Values(IntegerTextCase{"2147483648", {}}, IntegerTextCase{"-2147483649", {}},
                    IntegerTextCase{"4294967296", {}}, IntegerTextCase{"$100000000", {}},
                    IntegerTextCase{"-$1", {}}, IntegerTextCase{"+$1", {}}, IntegerTextCase{"0x1F", {}},
                    IntegerTextCase{"42 ", {}}, IntegerTextCase{"", {}}, IntegerTextCase{"   ", {}},
                    IntegerTextCase{"+", {}}, IntegerTextCase{"-", {}}, IntegerTextCase{"$", {}},
                    IntegerTextCase{"\t42", {}}, IntegerTextCase{"4 2", {}}, IntegerTextCase{"1.5", {}},
                    IntegerTextCase{"$G", {}}, IntegerTextCase{"$ 1", {}}, IntegerTextCase{"--1", {}},
                    IntegerTextCase{"+-1", {}}, IntegerTextCase{"- 1", {}}, IntegerTextCase{"1e3", {}},
                    IntegerTextCase{"12\xB2", {}}, IntegerTextCase{"\xFF", {}},
                    IntegerTextCase{std::string(5000, '9'), {}},
                    IntegerTextCase{std::string("$").append(5000, 'F'), {}}));

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
    const std::string alphabet = "0123456789 +-$aAfFgx.\t\x80\xC4\xFF";
    std::mt19937 random(20240607);
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<size_t> length(0, 14);
    int accepted = 0;
    for (int i = 0; i < 20000; ++i) {
        std::string text;
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
