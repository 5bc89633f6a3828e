#include "dialogs/error_text.h"

#include "text/error.h"

#include <gtest/gtest.h>

#include <new>

namespace brevant {
namespace {

TEST(WithClosingFullStop, AppendsAFullStopAfterCodesAbove0x2E)
{
    struct Case {
        const char* message;
        const char* shown;
    };
    const Case cases[] = {
        {"", ""},
        {"'abc' is not a valid integer value", "'abc' is not a valid integer value."},
        {"Invalid argument to time encode", "Invalid argument to time encode."},
        {"Unable to write to C:\\temp\\msg.cfg", "Unable to write to C:\\temp\\msg.cfg."},
        {"Ends in a full stop.", "Ends in a full stop."},
        {"Ends in an exclamation mark!", "Ends in an exclamation mark!"},
        {"(closing parenthesis)", "(closing parenthesis)"},
        {"minus-", "minus-"},
        {"trailing space ", "trailing space "},
        {"tab\t", "tab\t"},
        {"line\r\n", "line\r\n"},
        {"slash/", "slash/."},
        {"digit 0", "digit 0."},
        {"colon:", "colon:."},
        {"tilde~", "tilde~."},
        {"Z", "Z."},
        {"\x7F", "\x7F."},
        {"\x80", "\x80."},                 // codes of 0x80 and more count unsigned
        {"caf\xE9", "caf\xE9."},
        {"\xFF", "\xFF."},
        {"\x82\xA0", "\x82\xA0."},         // a double-byte character
        {"\x82\x40", "\x82\x40."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(WithClosingFullStop(c.message), c.shown);
    }
}

TEST(ErrorMessageOf, TakesTheTextOfAnyStandardException)
{
    EXPECT_EQ(ErrorMessageOf(std::make_exception_ptr(Error("'x' is not a valid time"))),
              "'x' is not a valid time");
    EXPECT_EQ(ErrorMessageOf(std::make_exception_ptr(std::bad_alloc())), std::bad_alloc().what());
    EXPECT_EQ(ErrorMessageOf(std::make_exception_ptr(42)), "Unknown error");
}

}  // namespace
}  // namespace brevant
