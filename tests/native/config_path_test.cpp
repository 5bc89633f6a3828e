#include "config/config_path.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brevant {
namespace {

// Lead bytes of a double-byte code page shaped like Japanese Shift-JIS, whose
// second bytes include "\" (0x5C), as in the character 0x95 0x5C.
bool IsShiftJisLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsSingleByteOnly(unsigned char)
{
    return false;
}

TEST(HasConfigSwitch, LooksForSlashAndLowerCaseCAnywhere)
{
    const struct {
        const char* argument;
        bool expected;
    } cases[] = {
        {"/cmsg.cfg", true}, {"/c", true},   {"x/cmsg.cfg", true}, {"//c", true},
        {"msg.cfg/c", true}, {"/Cmsg.cfg", false}, {"", false}, {"c/", false},
        {"\\cmsg.cfg", false}, {"/ cmsg.cfg", false}, {"-cmsg.cfg", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argument);
        EXPECT_EQ(HasConfigSwitch(c.argument), c.expected);
    }
}

struct PathCase {
    std::string argument;
    std::string programPath;
    std::string expected;
};

void ExpectPaths(const std::vector<PathCase>& cases, const LeadBytePredicate& isLeadByte)
{
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.argument) + " run as " + testing::PrintToString(c.programPath));
        EXPECT_EQ(ConfigPathFromArgument(c.argument, c.programPath, isLeadByte), c.expected);
    }
}

const std::string Program = "C:\\Tools\\brevant.exe";

TEST(ConfigPathFromArgument, BareNameIsTakenFromTheProgramsFolder)
{
    ExpectPaths({
                    {"/cmsg.cfg", Program, "C:\\Tools\\msg.cfg"},
                    {"x/cmsg.cfg", Program, "C:\\Tools\\msg.cfg"},
                    {"/c  msg.cfg", Program, "C:\\Tools\\  msg.cfg"},
                    {"/c", Program, "C:\\Tools\\"},
                    {"/c/cmsg.cfg", Program, "C:\\Tools\\/cmsg.cfg"},
                    {"/cconf/msg.cfg", Program, "C:\\Tools\\conf/msg.cfg"},
                    {"/cmsg.cfg", "\\\\server\\share\\app\\brevant.exe", "\\\\server\\share\\app\\msg.cfg"},
                    {"/cmsg.cfg", "D:brevant.exe", "D:msg.cfg"},
                    {"/cmsg.cfg", "brevant.exe", "msg.cfg"},
                    {"/cmsg.cfg", "", "msg.cfg"},
                },
                IsShiftJisLeadByte);
}

TEST(ConfigPathFromArgument, NameWithAFolderPartIsPassedUnchanged)
{
    ExpectPaths({
                    {"/cconf\\msg.cfg", Program, "conf\\msg.cfg"},
                    {"/c..\\msg.cfg", Program, "..\\msg.cfg"},
                    {"/c.\\msg.cfg", Program, ".\\msg.cfg"},
                    {"/cD:msg.cfg", Program, "D:msg.cfg"},
                    {"/cD:\\cfg\\msg.cfg", Program, "D:\\cfg\\msg.cfg"},
                    {"/c\\cfg\\msg.cfg", Program, "\\cfg\\msg.cfg"},
                    {"/c\\\\server\\share\\msg.cfg", Program, "\\\\server\\share\\msg.cfg"},
                    {"x/cC:\\a b\\msg.cfg", Program, "C:\\a b\\msg.cfg"},
                    {"/cfolder\\", Program, "folder\\"},
                    {"/c:", Program, ":"},
                },
                IsShiftJisLeadByte);
}

TEST(ConfigPathFromArgument, SecondHalfOfADoubleByteCharacterIsNoSeparator)
{
    // 0x95 0x5C is one character whose second byte is "\".
    ExpectPaths({
                    {"/c\x95\x5C.cfg", Program, "C:\\Tools\\\x95\x5C.cfg"},
                    {"/cname\x81:", Program, "C:\\Tools\\name\x81:"},
                    {"/cdir\\\x95\x5C.cfg", Program, "dir\\\x95\x5C.cfg"},
                    {"/c\x95\x5C\\x.cfg", Program, "\x95\x5C\\x.cfg"},
                    // A second byte that could also open a character does not.
                    {"/c\x95\x95\\x.cfg", Program, "\x95\x95\\x.cfg"},
                    // A lead byte at the very end has no second half to skip.
                    {"/cname\x95", Program, "C:\\Tools\\name\x95"},
                    {"/cmsg.cfg", "C:\\\x95\x5C" "brevant.exe", "C:\\msg.cfg"},
                    {"/cmsg.cfg", "C:\\\x95\x5C\\brevant.exe", "C:\\\x95\x5C\\msg.cfg"},
                },
                IsShiftJisLeadByte);
}

TEST(ConfigPathFromArgument, WithoutDoubleByteCharactersEveryBackslashSeparates)
{
    ExpectPaths({
                    {"/c\x95\x5C.cfg", Program, "\x95\x5C.cfg"},
                    {"/cmsg.cfg", "C:\\\x95\x5C" "brevant.exe", "C:\\\x95\x5Cmsg.cfg"},
                },
                IsSingleByteOnly);
}

TEST(PathTooLongMessage, NamesThePathOnlyWhenThePlatformCouldNotTakeIt)
{
    for (const std::size_t length : {std::size_t{4}, LongestConfigPath - 1, LongestConfigPath})
        EXPECT_EQ(PathTooLongMessage("C:\\" + std::string(length - 3, 'x')), std::nullopt) << length;
    for (const std::size_t length : {LongestConfigPath + 1, std::size_t{300}, std::size_t{32767}}) {
        const std::string path = "C:\\" + std::string(length - 3, 'x');
        const auto message = PathTooLongMessage(path);
        ASSERT_TRUE(message.has_value()) << length;
        EXPECT_NE(message->find(" " + path + " "), std::string::npos);
        EXPECT_NE(message->find("too long"), std::string::npos);
    }
}

}  // namespace
}  // namespace brevant
