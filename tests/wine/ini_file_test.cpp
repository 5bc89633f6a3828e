// TIniFile against real files: what reaches the disk, in which encoding, and
// what a file that cannot be read or written does. The rules of the text
// itself are tested natively (ini_text_test).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "config/config_values.h"
#include "config/ini_file.h"
#include "test_folder.h"
#include "text/error.h"
#include "text/integer_text.h"
#include "widgets/handles.h"

namespace brevant {
namespace {

using FileLock = widgets::UniqueHandle<HANDLE, CloseHandle>;

// Opened without sharing: no other opening of the file succeeds meanwhile.
FileLock LockFile(const std::wstring& path)
{
    return FileLock(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
}

std::string Utf16(std::wstring_view text)
{
    std::string bytes = "\xFF\xFE";
    for (const wchar_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

class IniFileTest : public testing::Test {
protected:
    void SetUp() override { folder_.emplace(L"brevant-ini-"); }
    void TearDown() override { folder_.reset(); }

    std::wstring PathOf(const std::wstring& name) const { return folder_->PathOf(name); }

    // The file's entries besides the temporary files a save works with.
    std::vector<std::wstring> FolderEntries() const
    {
        std::vector<std::wstring> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_->Path()))
            names.push_back(entry.path().filename().wstring());
        return names;
    }

    // Expects the save to be refused with the program's message naming the
    // file, the file left byte for byte and nothing left beside it.
    void ExpectRefused(const std::wstring& path)
    {
        const bool existed = std::filesystem::is_regular_file(path);
        const std::string before = existed ? FileContents(path) : std::string();
        const auto entries = FolderEntries();
        try {
            TIniFile ini(path, TIniFile::Access::Update);
            ini.WriteText(ConfigSection, TextKey, L"x");
            ini.UpdateFile();
            ADD_FAILURE() << "the save was not refused";
        } catch (const Error& error) {
            EXPECT_EQ(error.Message(), L"Unable to write to " + path);
        }
        if (existed) {
            EXPECT_EQ(FileContents(path), before);
        }
        EXPECT_EQ(FolderEntries(), entries);
    }

    std::optional<TestFolder> folder_;
};

TEST_F(IniFileTest, FiveWritesToANewFileGiveExactlyTheSixLinesOfTheExample)
{
    const std::wstring path = PathOf(L"msg.cfg");
    TIniFile ini(path, TIniFile::Access::Update);
    ButtonTicks yesNoIgnore;
    yesNoIgnore.set(0).set(1).set(7);

    ini.WriteText(ConfigSection, TextKey, LineBreaksToCarets(L"Back soon\r\nWait here"));
    ini.WriteNumber(ConfigSection, TypeKey, FileTypeCode(MessageKind::Warning));
    ini.WriteText(ConfigSection, DelayKey, L"TRUE");
    ini.WriteText(ConfigSection, TimeKey, IntegerToText(15));
    ini.WriteText(ConfigSection, ButtonsKey, ButtonsValue({ButtonsChoice::Display, yesNoIgnore}));
    EXPECT_FALSE(std::filesystem::exists(path)) << "written before UpdateFile";
    ini.UpdateFile();

    EXPECT_EQ(FileContents(path),
              "[Message1]\r\n"
              "Text=Back soon^Wait here\r\n"
              "Type=1\r\n"
              "Delay=TRUE\r\n"
              "Time=15\r\n"
              "Buttons=YESNOIGNORE\r\n");
    EXPECT_EQ(FolderEntries(), std::vector<std::wstring>{L"msg.cfg"});
}

TEST_F(IniFileTest, WrittenNumbersReadBackUnchanged)
{
    TIniFile ini(PathOf(L"numbers.cfg"), TIniFile::Access::Update);
    for (int32_t value : {0, 1, 3, 99, -5, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()}) {
        SCOPED_TRACE(value);
        ini.WriteNumber(ConfigSection, TypeKey, value);
        EXPECT_EQ(ini.ReadText(ConfigSection, TypeKey, L""), IntegerToText(value));
        EXPECT_EQ(ini.ReadNumber(ConfigSection, TypeKey, 42), value);
    }
}

// ANSI as earlier versions wrote it wherever the code page holds the whole
// file (1252 here), so they read it as before; UTF-16 otherwise.
TEST_F(IniFileTest, SavesAnsiWhereTheCodePageHoldsTheTextAndUtf16Otherwise)
{
    ASSERT_EQ(GetACP(), 1252u) << "the tests run on a Western code page";
    const struct {
        std::wstring text;
        std::string bytes;
    } cases[] = {
        {L"Caf\xE9 \x20AC" L"5", "[Message1]\r\nText=Caf\xE9 \x80" "5\r\n"},
        {L"\x041D\x0430\x043F\x043E\x043C\x043D\x0438", Utf16(L"[Message1]\r\nText=\x041D\x0430\x043F\x043E\x043C\x043D\x0438\r\n")},
        {L"\x2615 \xD83D\xDCC5", Utf16(L"[Message1]\r\nText=\x2615 \xD83D\xDCC5\r\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        const std::wstring path = PathOf(L"encoded.cfg");
        std::filesystem::remove(path);
        {
            TIniFile ini(path, TIniFile::Access::Update);
            ini.WriteText(ConfigSection, TextKey, c.text);
            ini.UpdateFile();
        }
        EXPECT_EQ(FileContents(path), c.bytes);
        EXPECT_EQ(TIniFile(path, TIniFile::Access::Read).ReadText(ConfigSection, TextKey, L""), c.text);
    }
}

// A file in each encoding an editor may have saved it in reads as the editor
// showed it; the bytes of an ANSI file read as they always did.
TEST_F(IniFileTest, ReadsEachEncodingAsTheEditorShowedIt)
{
    const struct {
        const char* what;
        std::string bytes;
        std::wstring text;
    } cases[] = {
        {"ANSI", "[Message1]\r\nText=Caf\xE9 \x80" "5\r\n", L"Caf\xE9 \x20AC" L"5"},
        {"ANSI control and rare bytes", "[Message1]\r\nText=a\x01\x02\x7F\x81\x90\xFF" "b\r\n",
         L"a\x01\x02\x7F\x81\x90\xFF" L"b"},
        {"UTF-8 with a mark", "\xEF\xBB\xBF[Message1]\r\nText=\xD0\x9D\xD0\xB0 \xE2\x98\x95\r\n", L"\x041D\x0430 \x2615"},
        {"UTF-8 as Notepad saves it", "[Message1]\r\nText=\xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x93\x85\r\n",
         L"\x65E5\x672C \xD83D\xDCC5"},
        {"UTF-16", Utf16(L"[Message1]\r\nText=\x05E9\x05DC\x05D5\x05DD\r\n"), L"\x05E9\x05DC\x05D5\x05DD"},
    };
    int number = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::wstring path = PathOf(L"by-hand" + std::to_wstring(number++) + L".cfg");
        WriteWholeFile(path, c.bytes);
        EXPECT_EQ(TIniFile(path, TIniFile::Access::Read).ReadText(ConfigSection, TextKey, L"absent"), c.text);
        EXPECT_EQ(FileContents(path), c.bytes) << "reading changed the file";
    }
}

TEST_F(IniFileTest, SavingOverAFileKeepsAllElseItHoldsAndItsAttributes)
{
    const std::wstring path = PathOf(L"shared.cfg");
    WriteWholeFile(path, "; my reminders\r\n[Before]\r\nKeep=1\r\n\r\n"
                         "[Message1]\r\nExtra = stays \r\ntext=old\r\n\r\n"
                         "[After]\r\nKeep=2");
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN));
    TIniFile ini(path, TIniFile::Access::Update);
    ini.WriteText(ConfigSection, TextKey, L"new");
    ini.WriteText(ConfigSection, ButtonsKey, L"ALL");
    ini.UpdateFile();
    EXPECT_EQ(FileContents(path), "; my reminders\r\n[Before]\r\nKeep=1\r\n\r\n"
                                  "[Message1]\r\nExtra = stays \r\nText=new\r\nButtons=ALL\r\n\r\n"
                                  "[After]\r\nKeep=2");
    EXPECT_EQ(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_HIDDEN, static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(FolderEntries(), std::vector<std::wstring>{L"shared.cfg"});
}

TEST_F(IniFileTest, AbsentFilesReadAsEmpty)
{
    std::filesystem::create_directory(PathOf(L"folder.cfg"));
    for (const wchar_t* name : {L"missing.cfg", L"folder.cfg", L"no-such-folder\\msg.cfg"}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(name)));
        const TIniFile ini(PathOf(name), TIniFile::Access::Read);
        EXPECT_EQ(ini.ReadText(ConfigSection, TextKey, L""), L"");
        EXPECT_EQ(ini.ReadText(ConfigSection, DelayKey, L"TRUE"), L"TRUE");
        EXPECT_EQ(ini.ReadNumber(ConfigSection, TypeKey, 99), 99);
    }
    EXPECT_FALSE(std::filesystem::exists(PathOf(L"missing.cfg")));
}

// A file another program holds is no empty file: the reader says why it
// could not read it.
TEST_F(IniFileTest, AFileHeldByAnotherProgramIsReportedAsUnreadable)
{
    const std::wstring path = PathOf(L"held.cfg");
    WriteWholeFile(path, "[Message1]\r\nType=1\r\n");
    const FileLock lock = LockFile(path);
    ASSERT_NE(lock.get(), INVALID_HANDLE_VALUE);
    try {
        TIniFile ini(path, TIniFile::Access::Read);
        ADD_FAILURE() << "read a file another program holds";
    } catch (const Error& error) {
        EXPECT_EQ(error.Message().rfind(L"Unable to read " + path + L": ", 0), 0u) << TextToUtf8(error.Message());
        EXPECT_GT(error.Message().size(), path.size() + 17) << "no reason given";
    }
}

TEST_F(IniFileTest, RefusedSavesLeaveEverythingAsItWas)
{
    std::filesystem::create_directory(PathOf(L"a folder"));
    ExpectRefused(PathOf(L"no such folder\\msg.cfg"));
    ExpectRefused(PathOf(L"a folder"));
    EXPECT_FALSE(std::filesystem::exists(PathOf(L"no such folder")));

    const std::wstring locked = PathOf(L"locked.cfg");
    WriteWholeFile(locked, "[Message1]\r\nText=before\r\n");
    const FileLock lock = LockFile(locked);
    ASSERT_NE(lock.get(), INVALID_HANDLE_VALUE);
    ExpectRefused(locked);
}

TEST_F(IniFileTest, ReadOnlyFileRaisesUnableToWrite)
{
    const std::wstring path = PathOf(L"read-only.cfg");
    if (!WriteReadOnlyFile(path, "[Message1]\r\nText=before\r\n"))
        GTEST_SKIP() << "the platform lets this user write read-only files (a Unix root user under Wine)";
    ExpectRefused(path);
}

}  // namespace
}  // namespace brevant
