// Reminders in any language: "/c" with a file in any encoding and of any
// name shows the text exactly as written.
#include "e2e/harness.h"

#include "automation/find.h"
#include "automation/read.h"
#include "unicode_texts.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace e2e {
namespace {

using brevant::kUnicodeTexts;

std::string Utf16File(std::wstring_view text)
{
    std::string bytes = "\xFF\xFE";
    for (const wchar_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

// The file a Save writes for the text: ANSI where it fits, UTF-16 otherwise.
std::string SavedFile(const brevant::UnicodeText& text)
{
    if (text.ansiLine)
        return "[Message1]\r\n" + std::string(text.ansiLine) + "\r\nType=2\r\nDelay=FALSE\r\nButtons=OK\r\n";
    std::wstring value;
    for (const wchar_t c : text.text)
        value += c == L'\r' ? L"" : c == L'\n' ? L"^" : std::wstring(1, c);
    if (value.front() == L'"' || value.front() == L'\'')
        value = L'"' + value + L'"';
    return Utf16File(L"[Message1]\r\nText=" + value + L"\r\nType=2\r\nDelay=FALSE\r\nButtons=OK\r\n");
}

class UnicodeTest : public BrevantTest {
protected:
    ~UnicodeTest() override
    {
        for (const auto& path : written_)
            std::filesystem::remove(path);
    }

    // The file beside brevant.exe; removed when the test ends.
    std::wstring WriteBesideProgram(const std::wstring& name, const std::string& bytes)
    {
        const auto path = std::filesystem::current_path() / name;
        std::ofstream(path, std::ios::binary) << bytes;
        written_.push_back(path);
        return name;
    }

    // Runs "/c" with the name and expects the information message with the text.
    void ExpectShows(const std::wstring& name, const std::wstring& text)
    {
        Start(L"/c" + name);
        const HWND dialog = WaitForMessageDialog("Information");
        if (!dialog)
            return;
        std::wstring shown;
        for (const auto& control : uia::ListControls(dialog))
            if (control.className == "Static" && !(control.style & SS_ICON))
                shown += uia::WideText(control.handle);
        EXPECT_EQ(shown, text);
        CloseDialog(dialog, "OK");
        ExpectEndsWithStatusZero();
    }

    std::vector<std::filesystem::path> written_;
};

TEST_F(UnicodeTest, EveryTextShowsAsItIsWritten)
{
    const std::wstring unique = std::to_wstring(GetCurrentProcessId());
    for (const auto& text : kUnicodeTexts) {
        SCOPED_TRACE(text.name);
        const std::wstring name = L"brevant-e2e-" + unique + L"-" + std::wstring(text.name, text.name + strlen(text.name)) + L".cfg";
        ExpectShows(WriteBesideProgram(name, SavedFile(text)), text.text);
    }
}

// Names the ANSI code page cannot hold, and one that it would best-fit to
// another file's name (omega to "O").
TEST_F(UnicodeTest, FilesOfAnyNameAreFound)
{
    const std::wstring unique = std::to_wstring(GetCurrentProcessId());
    const std::wstring names[] = {
        L"\x041D\x0430\x043F\x043E\x043C\x0438\x043D\x0430\x043D\x0438\x0435-" + unique + L".cfg",
        L"\x65E5\x672C-" + unique + L".cfg",
        L"\x03A9mega-" + unique + L".cfg",
    };
    WriteBesideProgram(L"Omega-" + unique + L".cfg", SavedFile({"decoy", L"the wrong file", "Text=the wrong file"}));
    for (const std::wstring& name : names) {
        SCOPED_TRACE(uia::Narrowed(name));
        ExpectShows(WriteBesideProgram(name, SavedFile({"name", L"Found " + name, nullptr})), L"Found " + name);
    }
}

}  // namespace
}  // namespace e2e
