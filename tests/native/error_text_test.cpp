#include "dialogs/error_text.h"

#include "text/error.h"

#include <gtest/gtest.h>

#include <new>

namespace brevant {
namespace {

TEST(WithClosingFullStop, AppendsAFullStopAfterCodesAbove0x2E)
{
    struct Case {
        const wchar_t* message;
        const wchar_t* shown;
    };
    const Case cases[] = {
        {L"", L""},
        {L"'abc' is not a valid integer value", L"'abc' is not a valid integer value."},
        {L"Invalid argument to time encode", L"Invalid argument to time encode."},
        {L"Unable to write to C:\\temp\\msg.cfg", L"Unable to write to C:\\temp\\msg.cfg."},
        {L"Ends in a full stop.", L"Ends in a full stop."},
        {L"Ends in an exclamation mark!", L"Ends in an exclamation mark!"},
        {L"(closing parenthesis)", L"(closing parenthesis)"},
        {L"minus-", L"minus-"},
        {L"trailing space ", L"trailing space "},
        {L"tab\t", L"tab\t"},
        {L"line\r\n", L"line\r\n"},
        {L"slash/", L"slash/."},
        {L"digit 0", L"digit 0."},
        {L"colon:", L"colon:."},
        {L"tilde~", L"tilde~."},
        {L"Z", L"Z."},
        {L"\x7F", L"\x7F."},
        {L"\x80", L"\x80."},                 // codes of 0x80 and more count unsigned
        {L"caf\xE9", L"caf\xE9."},
        {L"\xFF", L"\xFF."},
        {L"\x82\xA0", L"\x82\xA0."},         // a double-byte character
        {L"\x82\x40", L"\x82\x40."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(WithClosingFullStop(c.message), c.shown);
    }
}

TEST(ErrorMessageOf, TakesTheTextOfAnyStandardException)
{
    EXPECT_EQ(ErrorMessageOf(std::make_exception_ptr(Error(L"'x' is not a valid time"))),
              L"'x' is not a valid time");
    EXPECT_EQ(ErrorMessageOf(std::make_exception_ptr(std::bad_alloc())), L"std::bad_alloc");
    EXPECT_EQ(ErrorMessageOf(std::make_exception_ptr(42)), L"Unknown error");
}

}  // namespace
}  // namespace brevant
