#include "config/config_path.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brevant {
namespace {

TEST(HasConfigSwitch, LooksForSlashAndLowerCaseCAnywhere)
{
    const struct {
        const wchar_t* argument;
        bool expected;
    } cases[] = {
        {L"/cmsg.cfg", true}, {L"/c", true},   {L"x/cmsg.cfg", true}, {L"//c", true},
        {L"msg.cfg/c", true}, {L"/Cmsg.cfg", false}, {L"", false}, {L"c/", false},
        {L"\\cmsg.cfg", false}, {L"/ cmsg.cfg", false}, {L"-cmsg.cfg", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argument);
        EXPECT_EQ(HasConfigSwitch(c.argument), c.expected);
    }
}

struct PathCase {
    std::wstring argument;
    std::wstring programPath;
    std::wstring expected;
};

void ExpectPaths(const std::vector<PathCase>& cases)
{
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.argument) + " run as " + testing::PrintToString(c.programPath));
        EXPECT_EQ(ConfigPathFromArgument(c.argument, c.programPath), c.expected);
    }
}

const std::wstring Program = L"C:\\Tools\\brevant.exe";

TEST(ConfigPathFromArgument, BareNameIsTakenFromTheProgramsFolder)
{
    ExpectPaths({
                    {L"/cmsg.cfg", Program, L"C:\\Tools\\msg.cfg"},
                    {L"x/cmsg.cfg", Program, L"C:\\Tools\\msg.cfg"},
                    {L"/c  msg.cfg", Program, L"C:\\Tools\\  msg.cfg"},
                    {L"/c", Program, L"C:\\Tools\\"},
                    {L"/c/cmsg.cfg", Program, L"C:\\Tools\\/cmsg.cfg"},
                    {L"/cconf/msg.cfg", Program, L"C:\\Tools\\conf/msg.cfg"},
                    {L"/cmsg.cfg", L"\\\\server\\share\\app\\brevant.exe", L"\\\\server\\share\\app\\msg.cfg"},
                    {L"/cmsg.cfg", L"D:brevant.exe", L"D:msg.cfg"},
                    {L"/cmsg.cfg", L"brevant.exe", L"msg.cfg"},
                    {L"/cmsg.cfg", L"", L"msg.cfg"},
                });
}

TEST(ConfigPathFromArgument, NameWithAFolderPartIsPassedUnchanged)
{
    ExpectPaths({
                    {L"/cconf\\msg.cfg", Program, L"conf\\msg.cfg"},
                    {L"/c..\\msg.cfg", Program, L"..\\msg.cfg"},
                    {L"/c.\\msg.cfg", Program, L".\\msg.cfg"},
                    {L"/cD:msg.cfg", Program, L"D:msg.cfg"},
                    {L"/cD:\\cfg\\msg.cfg", Program, L"D:\\cfg\\msg.cfg"},
                    {L"/c\\cfg\\msg.cfg", Program, L"\\cfg\\msg.cfg"},
                    {L"/c\\\\server\\share\\msg.cfg", Program, L"\\\\server\\share\\msg.cfg"},
                    {L"x/cC:\\a b\\msg.cfg", Program, L"C:\\a b\\msg.cfg"},
                    {L"/cfolder\\", Program, L"folder\\"},
                    {L"/c:", Program, L":"},
                });
}

// Names in any script, read from the wide command line: only a backslash or
// a colon separates, never a letter that best-fits to one, nor either half
// of a surrogate pair.
TEST(ConfigPathFromArgument, AnyLetterIsPartOfTheName)
{
    ExpectPaths({
        {L"/c\x03A9mega.cfg", Program, L"C:\\Tools\\\x03A9mega.cfg"},
        {L"/c\x65E5\x672C.cfg", Program, L"C:\\Tools\\\x65E5\x672C.cfg"},
        {L"/c\xD83D\xDCC5.cfg", Program, L"C:\\Tools\\\xD83D\xDCC5.cfg"},
        {L"/c\xFF3C.cfg", Program, L"C:\\Tools\\\xFF3C.cfg"},
        {L"/cmsg.cfg", L"C:\\\x0141ukasz\\brevant.exe", L"C:\\\x0141ukasz\\msg.cfg"},
        {L"/c\x041D\\msg.cfg", Program, L"\x041D\\msg.cfg"},
    });
}

TEST(PathTooLongMessage, NamesThePathOnlyWhenThePlatformCouldNotTakeIt)
{
    for (const std::size_t length : {std::size_t{4}, LongestConfigPath - 1, LongestConfigPath})
        EXPECT_EQ(PathTooLongMessage(L"C:\\" + std::wstring(length - 3, L'x')), std::nullopt) << length;
    for (const std::size_t length : {LongestConfigPath + 1, std::size_t{300}, std::size_t{32767}}) {
        const std::wstring path = L"C:\\" + std::wstring(length - 3, L'x');
        const auto message = PathTooLongMessage(path);
        ASSERT_TRUE(message.has_value()) << length;
        EXPECT_NE(message->find(L" " + path + L" "), std::wstring::npos);
        EXPECT_NE(message->find(L"too long"), std::wstring::npos);
    }
}

}  // namespace
}  // namespace brevant
