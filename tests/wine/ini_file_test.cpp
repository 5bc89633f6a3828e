// TIniFile against real files through the platform's profile functions.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "config/config_values.h"
#include "config/ini_file.h"
#include "test_folder.h"
#include "text/error.h"
#include "text/integer_text.h"

namespace brevant {
namespace {

const std::string Section(ConfigSection);

// Each test works in a folder of its own under the Wine prefix's temp folder.
class IniFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder_.emplace("brevant-ini-");
    }

    void TearDown() override { folder_.reset(); }

    std::string PathOf(const std::string& name) const { return folder_->PathOf(name); }

    // Expects the write to be refused with the program's message naming the file.
    static void ExpectRefused(const TIniFile& ini)
    {
        try {
            ini.WriteText(Section, "Text", "x");
            ADD_FAILURE() << "the write to " << ini.FileName() << " was not refused";
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), ("Unable to write to " + ini.FileName()).c_str());
        }
    }

    std::optional<TestFolder> folder_;
};

TEST_F(IniFileTest, FiveWritesToANewFileGiveExactlyTheSixLinesOfTheExample)
{
    const std::string path = PathOf("msg.cfg");
    const TIniFile ini(path);
    ButtonTicks yesNoIgnore;
    yesNoIgnore.set(0).set(1).set(7);

    ini.WriteText(Section, "Text", LineBreaksToCarets("Back soon\r\nWait here"));
    ini.WriteNumber(Section, "Type", FileTypeCode(MessageKind::Warning));
    ini.WriteText(Section, "Delay", "TRUE");
    ini.WriteText(Section, "Time", IntegerToText(15));
    ini.WriteText(Section, "Buttons", ButtonsValue({ButtonsChoice::Display, yesNoIgnore}));

    EXPECT_EQ(FileContents(path),
              "[Message1]\r\n"
              "Text=Back soon^Wait here\r\n"
              "Type=1\r\n"
              "Delay=TRUE\r\n"
              "Time=15\r\n"
              "Buttons=YESNOIGNORE\r\n");
}

TEST_F(IniFileTest, WrittenTextsReadBackUnchanged)
{
    const TIniFile ini(PathOf("texts.cfg"));
    const std::vector<std::string> plain = {
        "Back soon^Wait here", "YESNOIGNORE", "ALL", "3:30:00 PM", "a=b;c [d] #e",
        "x\"y'z", "^", std::string(1023, 'w'),
    };
    const std::vector<std::string> protectedByQuotes = {
        " lead", "trail ", "   ", "\"quoted\"", "'tis'", "\"", "''", "\"Hi\" she said",
        "tab\tinside", "caf\xE9", "\xA0no-break\xA0", "\x81\x40",
    };
    int number = 0;
    for (const auto& value : plain) {
        SCOPED_TRACE(testing::PrintToString(value));
        const std::string key = "plain" + std::to_string(number++);
        ini.WriteText(Section, key, value);
        EXPECT_EQ(ini.ReadText(Section, key, "default"), value);
    }
    for (const auto& value : protectedByQuotes) {
        SCOPED_TRACE(testing::PrintToString(value));
        const std::string key = "quoted" + std::to_string(number++);
        ini.WriteText(Section, key, QuotedForProfile(value));
        EXPECT_EQ(ini.ReadText(Section, key, "default"), value);
    }
}

TEST_F(IniFileTest, EmptyValueIsNotAnAbsentKey)
{
    const TIniFile ini(PathOf("empty.cfg"));
    ini.WriteText(Section, "Buttons", "");
    EXPECT_EQ(ini.ReadText(Section, "Buttons", "YES"), "");
    EXPECT_EQ(ini.ReadText(Section, "Other", "YES"), "YES");
    EXPECT_EQ(FileContents(ini.FileName()), "[Message1]\r\nButtons=\r\n");
}

TEST_F(IniFileTest, WrittenNumbersReadBackUnchanged)
{
    const TIniFile ini(PathOf("numbers.cfg"));
    for (int32_t value : {0, 1, 3, 99, -5, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()}) {
        SCOPED_TRACE(value);
        ini.WriteNumber(Section, "Type", value);
        EXPECT_EQ(ini.ReadText(Section, "Type", ""), IntegerToText(value));
        EXPECT_EQ(ini.ReadNumber(Section, "Type", 42), value);
    }
}

TEST_F(IniFileTest, ReplacingAValueKeepsOneLineForTheKey)
{
    const TIniFile ini(PathOf("replace.cfg"));
    ini.WriteText(Section, "Type", "0");
    ini.WriteText(Section, "Delay", "TRUE");
    ini.WriteText(Section, "Type", "3");
    EXPECT_EQ(FileContents(ini.FileName()), "[Message1]\r\nType=3\r\nDelay=TRUE\r\n");
}

TEST_F(IniFileTest, SavingOverAFileKeepsItsOtherSectionsAndKeys)
{
    const std::string path = PathOf("shared.cfg");
    WriteWholeFile(path,
           "[Before]\r\nKeep=1\r\n\r\n"
           "[Message1]\r\nExtra=stays\r\nType=0\r\nText=old\r\n\r\n"
           "[After]\r\nKeep=2\r\n");
    const TIniFile ini(path);
    ini.WriteText(Section, "Text", "new");
    ini.WriteNumber(Section, "Type", 2);
    ini.WriteText(Section, "Delay", "FALSE");
    ini.WriteText(Section, "Time", "0");
    ini.WriteText(Section, "Buttons", "ALL");

    EXPECT_EQ(ini.ReadText("Before", "Keep", ""), "1");
    EXPECT_EQ(ini.ReadText("After", "Keep", ""), "2");
    EXPECT_EQ(ini.ReadText(Section, "Extra", ""), "stays");
    EXPECT_EQ(ini.ReadText(Section, "Text", ""), "new");
    EXPECT_EQ(ini.ReadNumber(Section, "Type", 99), 2);
    EXPECT_EQ(ini.ReadText(Section, "Buttons", ""), "ALL");
    const std::string contents = FileContents(path);
    EXPECT_EQ(contents.find("Type="), contents.rfind("Type="));
    EXPECT_EQ(contents.find("old"), std::string::npos);
}

TEST_F(IniFileTest, LoneLineFeedInTheTextCannotChangeTheType)
{
    const TIniFile ini(PathOf("smuggle.cfg"));
    ini.WriteText(Section, "Text", LineBreaksToCarets("Hello\nType=3\rButtons=ALL"));
    ini.WriteNumber(Section, "Type", 1);
    EXPECT_EQ(ini.ReadNumber(Section, "Type", 99), 1);
    EXPECT_EQ(ini.ReadText(Section, "Buttons", "absent"), "absent");
    EXPECT_EQ(ini.ReadText(Section, "Text", ""), "Hello^Type=3^Buttons=ALL");
}

TEST_F(IniFileTest, ValuesAreCutToTheirFirst1023Characters)
{
    const TIniFile ini(PathOf("long.cfg"));
    std::string value;
    for (int i = 0; value.size() < 1500; ++i)
        value += std::to_string(i) + "^";
    const struct {
        std::size_t length;
        std::size_t expected;
    } cases[] = {{1022, 1022}, {1023, 1023}, {1024, 1023}, {1500, 1023}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        ini.WriteText(Section, "Text", value.substr(0, c.length));
        EXPECT_EQ(ini.ReadText(Section, "Text", ""), value.substr(0, c.expected));
    }
    EXPECT_EQ(ini.ReadText(Section, "Absent", value), value.substr(0, 1023));
}

TEST_F(IniFileTest, AbsentFileSectionOrKeyGivesTheDefault)
{
    WriteWholeFile(PathOf("other-section.cfg"), "[Other]\r\nText=elsewhere\r\nType=1\r\n");
    WriteWholeFile(PathOf("no-keys.cfg"), "[Message1]\r\nTime=15\r\n");
    WriteWholeFile(PathOf("empty.cfg"), "");
    WriteWholeFile(PathOf("no-header.cfg"), "Text=orphan\r\nType=1\r\n");
    std::filesystem::create_directory(PathOf("folder.cfg"));
    for (const char* name : {"missing.cfg", "other-section.cfg", "no-keys.cfg", "empty.cfg", "no-header.cfg",
                             "folder.cfg", "no-such-folder\\msg.cfg"}) {
        SCOPED_TRACE(name);
        const TIniFile ini(PathOf(name));
        EXPECT_EQ(ini.ReadText(Section, "Text", ""), "");
        EXPECT_EQ(ini.ReadText(Section, "Delay", "TRUE"), "TRUE");
        EXPECT_EQ(ini.ReadNumber(Section, "Type", 99), 99);
    }
    EXPECT_FALSE(std::filesystem::exists(PathOf("missing.cfg")));
}

TEST_F(IniFileTest, HandEditedAndHostileFilesReadToDefinedValues)
{
    const struct {
        const char* what;
        std::string contents;
        const char* key;
        std::string expectedText;
        int32_t expectedNumber;
    } cases[] = {
        {"duplicate keys: the first counts", "[Message1]\r\nType=1\r\nType=2\r\n", "Type", "1", 1},
        {"duplicate keys in other letter case", "[Message1]\r\nType=1\r\ntype=2\r\n", "Type", "1", 1},
        {"blanks around the key and value", "[Message1]\r\n  Type  =   2   \r\n", "Type", "2", 2},
        {"quotes around the value", "[Message1]\r\nText=\"hello world\"\r\n", "Text", "hello world", 99},
        {"quote at one end only", "[Message1]\r\nText=\"hello\r\n", "Text", "\"hello", 99},
        {"line feeds only", "[Message1]\nType=3\nText=x\n", "Type", "3", 3},
        {"no line break at the end", "[Message1]\r\nType=2", "Type", "2", 2},
        {"Type 0x3", "[Message1]\r\nType=0x3\r\n", "Type", "0x3", 3},
        {"Type $3", "[Message1]\r\nType=$3\r\n", "Type", "$3", 3},
        {"Type out of range", "[Message1]\r\nType=2147483648\r\n", "Type", "2147483648", 99},
        {"Type $FFFFFFFF", "[Message1]\r\nType=$FFFFFFFF\r\n", "Type", "$FFFFFFFF", -1},
        {"Type abc", "[Message1]\r\nType=abc\r\n", "Type", "abc", 99},
        {"Type empty", "[Message1]\r\nType=\r\n", "Type", "", 99},
        {"Type 3.0", "[Message1]\r\nType=3.0\r\n", "Type", "3.0", 99},
        {"Time too large for a number", "[Message1]\r\nTime=99999999999\r\n", "Time", "99999999999", 99},
        {"binary bytes in the value", "[Message1]\r\nText=a\x01\x02\x7F\x80\x81\x90\xFF" "b\r\n", "Text",
         "a\x01\x02\x7F\x80\x81\x90\xFF" "b", 99},
        {"a zero byte ends the value", std::string("[Message1]\r\nText=x\0y\r\nType=1\r\n", 30), "Text", "x", 99},
        {"keys after a zero byte are read", std::string("[Message1]\r\nText=x\0y\r\nType=1\r\n", 30), "Type", "1", 1},
        {"1 MiB text is cut", "[Message1]\r\nText=" + std::string(1 << 20, 'z') + "\r\nType=2\r\n", "Text",
         std::string(1023, 'z'), 99},
        {"keys after 1 MiB text are read", "[Message1]\r\nText=" + std::string(1 << 20, 'z') + "\r\nType=2\r\n",
         "Type", "2", 2},
    };
    int number = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = PathOf("hostile" + std::to_string(number++) + ".cfg");
        WriteWholeFile(path, c.contents);
        const TIniFile ini(path);
        EXPECT_EQ(ini.ReadText(Section, c.key, "absent"), c.expectedText);
        EXPECT_EQ(ini.ReadNumber(Section, c.key, 99), c.expectedNumber);
        EXPECT_EQ(FileContents(path), c.contents) << "reading changed the file";
    }
}

TEST_F(IniFileTest, RefusedWritesRaiseUnableToWrite)
{
    std::filesystem::create_directory(PathOf("a folder"));
    ExpectRefused(TIniFile(PathOf("no such folder\\msg.cfg")));
    ExpectRefused(TIniFile(PathOf("a folder")));
    EXPECT_FALSE(std::filesystem::exists(PathOf("no such folder")));

    const std::string locked = PathOf("locked.cfg");
    WriteWholeFile(locked, "[Message1]\r\nText=before\r\n");
    HANDLE handle = CreateFileA(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    ExpectRefused(TIniFile(locked));
    CloseHandle(handle);
    EXPECT_EQ(FileContents(locked), "[Message1]\r\nText=before\r\n");
}

TEST_F(IniFileTest, ReadOnlyFileRaisesUnableToWrite)
{
    const std::string path = PathOf("read-only.cfg");
    if (!WriteReadOnlyFile(path, "[Message1]\r\nText=before\r\n"))
        GTEST_SKIP() << "the platform lets this user write read-only files (a Unix root user under Wine)";
    ExpectRefused(TIniFile(path));
    EXPECT_EQ(FileContents(path), "[Message1]\r\nText=before\r\n");
}

}  // namespace
}  // namespace brevant
