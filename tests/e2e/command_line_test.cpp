// Started with "/c" and a config file's name, as a batch file or a scheduled
// task starts it, brevant.exe shows the file's message with no window of its
// own, or says what is wrong with the argument or the file. Every way ends
// with status 0 and leaves no process behind.
#include "e2e/harness.h"

#include "automation/find.h"
#include "text/clock.h"
#include "text/clock_time_text.h"
#include "text/locale_time_settings.h"
#include "text/unicode_text.h"

#include <aclapi.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace e2e {
namespace {

using namespace std::chrono_literals;

// The keys of the "Message1" section; an absent value leaves the key out. The
// defaults make an information message, shown at once, with an OK button.
struct Message {
    std::optional<std::string> text = "Scheduled message";
    std::optional<std::string> type = "2";
    std::optional<std::string> delay = "FALSE";
    std::optional<std::string> time = "0";
    std::optional<std::string> buttons = "OK";
};

std::string ConfigText(const Message& message)
{
    std::string lines = "[Message1]\r\n";
    const std::pair<const char*, const std::optional<std::string>&> keys[] = {
        {"Text", message.text}, {"Type", message.type}, {"Delay", message.delay},
        {"Time", message.time}, {"Buttons", message.buttons}};
    for (const auto& [key, value] : keys)
        if (value)
            lines += std::string(key) + "=" + *value + "\r\n";
    return lines;
}

DialogContent Shown(std::string caption, std::string text, std::vector<std::string> buttons = {"OK"})
{
    return {std::move(caption), std::move(text), std::move(buttons)};
}

DialogContent ShownError(std::string text)
{
    return Shown("Error", std::move(text));
}

const std::string kIllegalFormat =
    "Illegal command line format. Format MUST be in the format of <program name> /c<config file name>";
const std::string kBadType = "Type Of message is incorrect. Never modify the config file manually!";

std::string DoesNotExist(const std::string& path)
{
    return "File " + path + " does not exist.";
}

std::string TooLong(const std::string& path)
{
    return "The path of file " + path + " is too long. A config file's path can have at most 259 characters.";
}

std::string TempPath()
{
    char path[MAX_PATH] = {};
    GetTempPathA(sizeof path, path);
    return path;
}

// The clock time as the config file holds it: in the regional time format
// the program reads, which the same rules write.
std::string ClockTimeText(brevant::TimeValue timeOfDay)
{
    brevant::LoadLocaleTimeSettings();
    return brevant::TextToUtf8(brevant::TimeToText(timeOfDay));
}

constexpr double kMillisecondsPerDay = 86400000.0;

class CommandLineTest : public BrevantTest {
protected:
    ~CommandLineTest() override
    {
        for (auto it = created_.rbegin(); it != created_.rend(); ++it)
            it->isFolder ? RemoveDirectoryA(it->path.c_str()) : DeleteFileA(it->path.c_str());
    }

    // Creates the file (the path is ANSI text, any bytes) with that content;
    // it is removed when the test ends.
    void WriteFile(const std::string& path, std::string_view content)
    {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                  nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
        created_.push_back({path, false});
        DWORD written = 0;
        const BOOL wrote = ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(file);
        ASSERT_TRUE(wrote && written == content.size()) << path;
    }

    // Creates the folder; it is removed (once emptied) when the test ends.
    void MakeFolder(const std::string& path)
    {
        ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
        created_.push_back({path, true});
    }

    // A file name no other test run uses, with `what` in it.
    static std::string UniqueName(std::string_view what)
    {
        static int count = 0;
        return "brevant-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count) + "-" +
               std::string(what) + ".cfg";
    }

    // Writes a config file of a unique name beside brevant.exe; gives the name.
    std::string BesideProgram(const Message& message, std::string_view what = "msg")
    {
        const std::string name = UniqueName(what);
        WriteFile(ProgramFolder() + name, ConfigText(message));
        return name;
    }

    // A folder of this test's own in the temp folder, ending with a backslash.
    const std::string& TempFolder()
    {
        if (tempFolder_.empty()) {
            const std::string path = TempPath() + UniqueName("folder");
            MakeFolder(path);
            tempFolder_ = path + "\\";
        }
        return tempFolder_;
    }

    // The message dialog shows exactly `expected` and nothing else of the
    // program is on the screen; a press of its first button that closes it
    // (or of its close box) ends the program with status 0.
    void ExpectShowsAndEnds(const DialogContent& expected)
    {
        HWND dialog = WaitForMessageDialog(expected.caption);
        if (!dialog)
            return;
        EXPECT_EQ(ReadDialog(dialog), expected);
        EXPECT_EQ(VisibleWindows(), std::vector<HWND>{dialog});
        EXPECT_TRUE(AboveOthers(dialog));
        EXPECT_FALSE(IsIconic(dialog));
        const auto closing = std::ranges::find_if(expected.buttons, [](const std::string& b) { return b != "&Help"; });
        CloseDialog(dialog, closing == expected.buttons.end() ? "" : *closing);
        ExpectEndsWithStatusZero();
    }

    // Runs a file whose clock time is a few seconds ahead, started with the
    // show command given: nothing of the program is on the screen while it
    // waits, and the message comes at that time, never before.
    void ExpectClockTimeWaitedFor(std::optional<WORD> showCommand = std::nullopt)
    {
        const brevant::TimeValue now = brevant::CurrentDateTime();
        const double today = std::floor(now);
        // A whole second, as the file holds it, at least 3 seconds ahead.
        const int targetSecond = static_cast<int>((now - today) * 86400.0) + 4;
        if (targetSecond >= 86400)
            GTEST_SKIP() << "the target would fall on the next day";
        const auto timeOfDay = brevant::ComposeTime(static_cast<uint16_t>(targetSecond / 3600),
                                                    static_cast<uint16_t>(targetSecond / 60 % 60),
                                                    static_cast<uint16_t>(targetSecond % 60), 0);
        const brevant::TimeValue target = today + timeOfDay;
        const std::string timeText = ClockTimeText(timeOfDay);
        SCOPED_TRACE("Time=" + timeText);
        Start("/c" + BesideProgram({.delay = "TRUE", .time = timeText}), {}, showCommand);

        uia::WaitUntil([&] { return (target - brevant::CurrentDateTime()) * kMillisecondsPerDay < 1000; },
                       std::chrono::seconds(5));
        ASSERT_TRUE(Brevant().Running());
        EXPECT_EQ(VisibleWindows(), std::vector<HWND>{});

        HWND dialog = WaitForMessageDialog("Information");
        const double lateMs = (brevant::CurrentDateTime() - target) * kMillisecondsPerDay;
        ASSERT_NE(dialog, nullptr);
        EXPECT_GE(lateMs, 0) << "shown before its time";
        EXPECT_LT(lateMs, 1000) << "shown too late";
        EXPECT_EQ(ReadDialog(dialog), Shown("Information", "Scheduled message"));
        EXPECT_FALSE(IsIconic(dialog));
        CloseDialog(dialog, "OK");
        ExpectEndsWithStatusZero();
    }

    // The platform's box alone reports an error the program raised, above
    // other windows like the message, and OK ends the program with status 0.
    void ExpectErrorBoxAndEnds(const std::string& text)
    {
        HWND box = WaitForErrorBox();
        if (!box)
            return;
        EXPECT_EQ(ReadDialog(box), Shown(kErrorBoxCaption, text));
        EXPECT_EQ(VisibleWindows(), std::vector<HWND>{box});
        EXPECT_TRUE(AboveOthers(box));
        CloseDialog(box, "OK");
        ExpectEndsWithStatusZero();
    }

private:
    struct Created {
        std::string path;
        bool isFolder;
    };
    std::vector<Created> created_;
    std::string tempFolder_;
};

TEST_F(CommandLineTest, ArgumentsNamingNoConfigFileAreReportedAndEndTheRun)
{
    const std::string name = BesideProgram({});
    const std::string wildcardName = name.substr(0, name.size() - 5) + "?.c*";
    const std::string longRest(4998, 'a');
    std::string highBytes;
    for (int byte = 128; byte <= 255; ++byte)
        highBytes += static_cast<char>(byte);
    const std::string folder = TempFolder().substr(0, TempFolder().size() - 1);
    const std::string longPath = TempFolder() + std::string(300 - TempFolder().size(), 'p');

    const struct {
        const char* what;
        std::string argument;
        std::string text;
    } cases[] = {
        {"no switch", name, kIllegalFormat},
        {"capital C", "/C" + name, kIllegalFormat},
        {"switch split by a blank", "/ c" + name, kIllegalFormat},
        {"switch in argument 2 only", name + " /c" + name, kIllegalFormat},
        {"switch alone", "/c", DoesNotExist(ProgramFolder())},
        {"no such file", "/cno-such-" + name, DoesNotExist(ProgramFolder() + "no-such-" + name)},
        {"quoted blank after the switch", "\"/c " + name + "\"", DoesNotExist(ProgramFolder() + " " + name)},
        {"relative folder missing here", "/csub\\" + name, DoesNotExist("sub\\" + name)},
        {"a folder", "/c" + folder, DoesNotExist(folder)},
        {"a folder ending with a backslash", "/c" + folder + "\\", DoesNotExist(folder + "\\")},
        {"the program's folder as .", "/c.", DoesNotExist(ProgramFolder() + ".")},
        {"the parent folder as ..", "/c..", DoesNotExist(ProgramFolder() + "..")},
        {"wildcards matching a file", "/c" + wildcardName, DoesNotExist(ProgramFolder() + wildcardName)},
        {"device NUL", "/cNUL", DoesNotExist(ProgramFolder() + "NUL")},
        {"device CON", "/cCON", DoesNotExist(ProgramFolder() + "CON")},
        {"device PRN", "/cPRN", DoesNotExist(ProgramFolder() + "PRN")},
        {"device name with an extension", "/cNUL.cfg", DoesNotExist(ProgramFolder() + "NUL.cfg")},
        {"device path \\\\.\\NUL", "/c\\\\.\\NUL", DoesNotExist("\\\\.\\NUL")},
        {"argument of 5000 characters", "/c" + longRest, TooLong(ProgramFolder() + longRest)},
        {"path of 300 characters", "/c" + longPath, TooLong(longPath)},
        {"bytes 128 to 255", "/c" + highBytes, DoesNotExist(ProgramFolder() + highBytes)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Start(c.argument);
        ExpectShowsAndEnds(ShownError(c.text));
    }
}

TEST_F(CommandLineTest, ConfigFileIsFoundWhereTheArgumentPoints)
{
    const std::string besideProgram = BesideProgram({.text = "Beside the program"});
    std::string highBytesName = UniqueName("\xC4\xE9\xFF\x80");
    WriteFile(ProgramFolder() + highBytesName, ConfigText({.text = "Named with bytes 128 to 255"}));
    const std::string temp = TempFolder();
    const std::string inTemp = UniqueName("temp");
    WriteFile(temp + inTemp, ConfigText({.text = "In the temp folder"}));
    MakeFolder(temp + "sub");
    WriteFile(temp + "sub\\" + inTemp, ConfigText({.text = "In a subfolder"}));
    const std::string blanksFolder = temp + "with blanks\\";
    MakeFolder(blanksFolder);
    WriteFile(blanksFolder + "my msg.cfg", ConfigText({.text = "In a folder with blanks"}));
    const std::string drive = temp.substr(0, 2);
    ASSERT_EQ(drive[1], ':') << temp;

    const struct {
        const char* what;
        std::string argument;
        std::string workingFolder;
        std::string text;
    } cases[] = {
        {"bare name, working in the program's folder", "/c" + besideProgram, {}, "Beside the program"},
        {"bare name, working elsewhere", "/c" + besideProgram, temp, "Beside the program"},
        {"text before the switch", "x/c" + besideProgram, temp, "Beside the program"},
        {"a second argument", "/c" + besideProgram + " /cother.cfg", temp, "Beside the program"},
        {"quotes standing alone before", "\"\" /c" + besideProgram, temp, "Beside the program"},
        {"bare name with bytes 128 to 255", "/c" + highBytesName, temp, "Named with bytes 128 to 255"},
        {"relative folder", "/csub\\" + inTemp, temp, "In a subfolder"},
        {"drive letter and colon", "/c" + drive + inTemp, temp, "In the temp folder"},
        {"full path", "/c" + temp + inTemp, {}, "In the temp folder"},
        {"full path to the program's folder", "/c" + ProgramFolder() + besideProgram, temp, "Beside the program"},
        {"quotes around the argument", "\"/c" + blanksFolder + "my msg.cfg\"", {}, "In a folder with blanks"},
        {"quotes around the path", "/c\"" + blanksFolder + "my msg.cfg\"", {}, "In a folder with blanks"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Start(c.argument, c.workingFolder);
        ExpectShowsAndEnds(Shown("Information", c.text));
    }
}

TEST_F(CommandLineTest, ShowsTheMessageTheFileHolds)
{
    const std::vector<std::string> allButtons = {"&Yes", "&No", "OK", "Cancel", "&Abort", "&Retry", "&Ignore",
                                                 "&All", "&Help"};
    const struct {
        const char* what;
        Message message;
        DialogContent shown;
    } cases[] = {
        {"type 0", {.text = "Kind 0", .type = "0"}, Shown("Error", "Kind 0")},
        {"type 1", {.text = "Kind 1", .type = "1"}, Shown("Warning", "Kind 1")},
        {"type 2", {.text = "Kind 2", .type = "2"}, Shown("Information", "Kind 2")},
        {"type 3", {.text = "Kind 3", .type = "3"}, Shown("Confirm", "Kind 3")},
        {"type 0x3", {.type = "0x3"}, Shown("Confirm", "Scheduled message")},
        {"type 7 keeps the first kind", {.type = "7"}, Shown("Error", "Scheduled message")},
        {"carets", {.text = "First line^Second line"}, Shown("Information", "First line\r\nSecond line")},
        {"empty text", {.text = ""}, Shown("Information", "")},
        {"no text key", {.text = std::nullopt}, Shown("Information", "")},
        {"ALL", {.buttons = "ALL"}, Shown("Information", "Scheduled message", allButtons)},
        {"tokens in any order", {.buttons = "RETRYYESHELP"}, Shown("Information", "Scheduled message",
                                                                    {"&Yes", "&Retry", "&Help"})},
        {"NO inside IGNORE", {.buttons = "NOIGNORE"}, Shown("Information", "Scheduled message", {"&No", "&Ignore"})},
        {"tokens with a separator", {.buttons = "CANCEL,OK"}, Shown("Information", "Scheduled message",
                                                                     {"OK", "Cancel"})},
        {"ALLBTN", {.buttons = "ALLBTN"}, Shown("Information", "Scheduled message", {"&All"})},
        {"empty buttons", {.buttons = ""}, Shown("Information", "Scheduled message", {})},
        {"lower-case tokens", {.buttons = "yes"}, Shown("Information", "Scheduled message", {})},
        {"no buttons key", {.buttons = std::nullopt}, Shown("Information", "Scheduled message", {})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Start("/c" + BesideProgram(c.message));
        ExpectShowsAndEnds(c.shown);
    }
}

// A wait of an hour would outlast the test: the message shows at once.
TEST_F(CommandLineTest, ShowsAtOnceWhenThereIsNothingToWaitFor)
{
    const struct {
        const char* what;
        Message message;
    } cases[] = {
        {"Delay FALSE with a time", {.delay = "FALSE", .time = "60"}},
        {"lower-case true", {.delay = "true", .time = "60"}},
        {"Delay TRUE with 0 minutes", {.delay = "TRUE", .time = "0"}},
        {"clock time already past", {.delay = "TRUE", .time = ClockTimeText(brevant::ComposeTime(0, 0, 0, 0))}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Start("/c" + BesideProgram(c.message));
        ExpectShowsAndEnds(Shown("Information", "Scheduled message"));
    }
}

TEST_F(CommandLineTest, ClockTimeAheadIsWaitedFor)
{
    ExpectClockTimeWaitedFor();
}

// Started minimized (a shortcut or a launcher set to run minimized), the run
// starts at once all the same, with no taskbar entry that would wait to be
// restored, and the message comes at its moment.
TEST_F(CommandLineTest, MinimizedStartShowsTheMessageOnTime)
{
    {
        SCOPED_TRACE("no delay");
        Start("/c" + BesideProgram({}), {}, SW_SHOWMINNOACTIVE);
        ExpectShowsAndEnds(Shown("Information", "Scheduled message"));
    }
    SCOPED_TRACE("a clock time ahead");
    ExpectClockTimeWaitedFor(SW_SHOWMINNOACTIVE);
}

TEST_F(CommandLineTest, FileWithoutAReadableTypeEndsWithoutItsMessage)
{
    const struct {
        const char* what;
        std::string content;
    } cases[] = {
        {"empty file", ""},
        {"type abc", ConfigText({.type = "abc"})},
        {"no type key", ConfigText({.type = std::nullopt})},
        {"no Message1 section", "[Other]\r\nType=2\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string name = UniqueName("type");
        WriteFile(ProgramFolder() + name, c.content);
        Start("/c" + name);
        ExpectShowsAndEnds(ShownError(kBadType));
    }
}

// Another program holds the file open and lets no one read it.
// A file another program holds is reported as such, with the platform's
// reason, not as a file with a bad "Type".
TEST_F(CommandLineTest, FileThatCannotBeReadNowIsReportedAndEndsTheRun)
{
    const std::string name = BesideProgram({});
    HANDLE held = CreateFileA((ProgramFolder() + name).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Start("/c" + name);
    const HWND dialog = WaitForMessageDialog("Error");
    ASSERT_NE(dialog, nullptr);
    const DialogContent shown = ReadDialog(dialog);
    const std::string unable = "Unable to read " + ProgramFolder() + name + ": ";
    EXPECT_EQ(shown.text.substr(0, unable.size()), unable);
    EXPECT_GT(shown.text.size(), unable.size() + 1) << "no reason given";
    EXPECT_EQ(shown.buttons, std::vector<std::string>{"OK"});
    EXPECT_TRUE(AboveOthers(dialog));
    CloseHandle(held);
    CloseDialog(dialog, "OK");
    ExpectEndsWithStatusZero();
}

TEST_F(CommandLineTest, FileWithoutReadPermissionEndsWithTheTypeMessage)
{
    const std::string path = ProgramFolder() + BesideProgram({});
    ACL emptyList{};
    ASSERT_TRUE(InitializeAcl(&emptyList, sizeof emptyList, ACL_REVISION));
    const auto setList = [&](ACL* list) {
        return SetNamedSecurityInfoA(const_cast<char*>(path.c_str()), SE_FILE_OBJECT,
                                     DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, nullptr,
                                     nullptr, list, nullptr);
    };
    ASSERT_EQ(setList(&emptyList), static_cast<DWORD>(ERROR_SUCCESS));
    HANDLE probe = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        setList(nullptr);
        GTEST_SKIP() << "this user reads files whatever their permissions (a Unix root user under Wine)";
    }
    Start("/c" + path);
    ExpectShowsAndEnds(ShownError(kBadType));
    setList(nullptr);  // so that it can be removed
}

// The fault the loader's errors would leave: a window of 1 by 1 pixel and no
// timer. The error is reported and the process ends instead.
TEST_F(CommandLineTest, ConversionErrorWhileLoadingIsReportedAndEndsTheRun)
{
    const struct {
        Message message;
        std::string text;
    } cases[] = {
        {{.delay = "TRUE", .time = "abc"}, "'abc' is not a valid integer value."},
        {{.delay = "TRUE", .time = std::nullopt}, "'' is not a valid integer value."},
        {{.delay = std::nullopt, .time = "12x"}, "'12x' is not a valid integer value."},
        {{.delay = "TRUE", .time = "25:00:00"}, "'25:00:00' is not a valid time."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Start("/c" + BesideProgram(c.message));
        ExpectErrorBoxAndEnds(c.text);
    }
}

TEST_F(CommandLineTest, TenMebibyteFileShowsItsTextCutTo1023Characters)
{
    std::string text;
    for (int i = 0; text.size() < 10 * 1024 * 1024; ++i)
        text += "word" + std::to_string(i % 1000) + " ";
    Start("/c" + BesideProgram({.text = text}, "large"));
    ExpectShowsAndEnds(Shown("Information", text.substr(0, 1023)));
}

}  // namespace
}  // namespace e2e
