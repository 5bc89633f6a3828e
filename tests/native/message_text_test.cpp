#include "dialogs/message_text.h"

#include <gtest/gtest.h>

namespace brevant {
namespace {

TEST(TextAsLabelDraws, AmpersandsAndLineBreaksAsTheLabelDrawsThem)
{
    struct Case {
        const wchar_t* text;
        const wchar_t* drawn;
    };
    const Case cases[] = {
        {L"", L""},
        {L"&Save the file", L"Save the file"},
        {L"Tom && Jerry", L"Tom & Jerry"},
        {L"&&&x", L"&x"},
        {L"a && b & c", L"a & b  c"},
        {L"last &", L"last &"},
        {L"one\r\ntwo", L"one\r\ntwo"},
        {L"one\ntwo\rthree\r\n", L"one\r\ntwo\r\nthree\r\n"},
        {L"\n\r", L"\r\n\r\n"},
        {L"&\r\nx", L"\r\nx"},
        {L"tab\there", L"tab\there"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TextAsLabelDraws(c.text), c.drawn);
    }
}

}  // namespace
}  // namespace brevant
