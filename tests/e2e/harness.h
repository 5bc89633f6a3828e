#pragma once
// The real brevant.exe, started as a user would start it and driven from this
// process through the tests' UI automation.
#include "automation/process.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

inline constexpr char kMainCaption[] = "Brevant v1.03";
// The platform's own dialog class: the box that reports an error.
inline constexpr char kPlatformBoxClass[] = "#32770";
inline constexpr char kErrorBoxCaption[] = "Message";

// What a message box shows: its caption, its text, and its buttons' captions
// from left to right.
struct DialogContent {
    std::string caption;
    std::string text;
    std::vector<std::string> buttons;

    bool operator==(const DialogContent&) const = default;
};
void PrintTo(const DialogContent& content, std::ostream* out);

// The content of a box of any process: the text of its labels that are not
// icons, and its visible push buttons ordered by their left edge.
DialogContent ReadDialog(HWND dialog);

// A test that starts brevant.exe. The program is killed if it is still running
// when the test ends; after a failure the screen is first saved next to the
// program as <Suite>.<Test>.bmp (tools/bmp-to-png makes a PNG of it).
class BrevantTest : public testing::Test {
protected:
    void TearDown() override;

    // The folder of brevant.exe, ending with a backslash: the current folder,
    // since ctest runs the tests in the program's folder.
    static std::string ProgramFolder();

    // Starts brevant.exe of the program folder with the raw command-line
    // arguments, in workingFolder (empty: the program folder), with the show
    // command a launcher hands over, if any.
    uia::Process& Start(std::string_view arguments = {}, const std::filesystem::path& workingFolder = {},
                        std::optional<WORD> showCommand = std::nullopt);
    uia::Process& Start(std::wstring_view arguments);

    // Asks every top-level window of the program to close, as a request to
    // end it from outside does (taskkill without /f).
    void RequestEndFromOutside();

    // The program's visible top-level window with the caption (and of the
    // class, if given), once it shows; nullptr (and a failure naming the
    // windows it has) on timeout.
    HWND WaitForWindow(std::string_view caption = kMainCaption, std::string_view className = {});

    // The program's message dialog with the caption ("Error", "Warning",
    // "Information", "Confirm").
    HWND WaitForMessageDialog(std::string_view caption) { return WaitForWindow(caption, "TMessageForm"); }

    // The platform's box in which the program reports an error it raised.
    HWND WaitForErrorBox() { return WaitForWindow(kErrorBoxCaption, kPlatformBoxClass); }

    // Expects the program to end by itself with status 0 within 10 seconds;
    // it is killed otherwise.
    void ExpectEndsWithStatusZero();

    // The boxes of a run with no window of its own (the message, its errors)
    // stay above other windows.
    static bool AboveOthers(HWND window) { return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

    uia::Process& Brevant() { return *brevant_; }

    // The program's visible top-level windows.
    std::vector<HWND> VisibleWindows();

private:
    std::optional<uia::Process> brevant_;
};

// Closes a message box as its user would: with the button of that caption, or
// with the close box when no caption is given.
void CloseDialog(HWND dialog, std::string_view buttonCaption = {});

}  // namespace e2e
