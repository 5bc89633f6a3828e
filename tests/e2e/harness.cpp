#include "e2e/harness.h"

#include "automation/find.h"
#include "automation/input.h"
#include "automation/screenshot.h"

#include <algorithm>
#include <cctype>
#include <iostream>

namespace e2e {
namespace {

using namespace std::chrono_literals;

std::string CaptionsOf(DWORD processId)
{
    std::string captions;
    for (HWND window : uia::TopLevelWindowsOf(processId)) {
        char caption[256] = {};
        GetWindowTextA(window, caption, sizeof caption);
        captions += std::string(" \"") + caption + (IsWindowVisible(window) ? "\"" : "\" (hidden)");
    }
    return captions.empty() ? " none" : captions;
}

bool IsClass(const uia::ControlInfo& control, std::string_view name)
{
    return std::ranges::equal(control.className, name, [](unsigned char a, unsigned char b) {
        return std::tolower(a) == std::tolower(b);
    });
}

bool IsPushButton(const uia::ControlInfo& control)
{
    const DWORD type = control.style & BS_TYPEMASK;
    return IsClass(control, "Button") && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

bool IsTextLabel(const uia::ControlInfo& control)
{
    return IsClass(control, "Static") && (control.style & SS_TYPEMASK) != SS_ICON;
}

}  // namespace

void PrintTo(const DialogContent& content, std::ostream* out)
{
    *out << "caption \"" << content.caption << "\", text \"" << content.text << "\", buttons {";
    for (size_t i = 0; i < content.buttons.size(); ++i)
        *out << (i ? ", \"" : "\"") << content.buttons[i] << '"';
    *out << '}';
}

DialogContent ReadDialog(HWND dialog)
{
    char caption[256] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    DialogContent content{caption, {}, {}};
    std::vector<uia::ControlInfo> buttons;
    for (const auto& control : uia::ListControls(dialog)) {
        if (!control.visible)
            continue;
        if (IsTextLabel(control))
            content.text += control.text;
        else if (IsPushButton(control))
            buttons.push_back(control);
    }
    std::ranges::stable_sort(buttons, {}, [](const uia::ControlInfo& button) { return button.bounds.left; });
    for (const auto& button : buttons)
        content.buttons.push_back(button.text);
    return content;
}

void BrevantTest::TearDown()
{
    if (!HasFailure())
        return;
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    const auto file = std::filesystem::current_path() /
                      (std::string(test->test_suite_name()) + "." + test->name() + ".bmp");
    uia::SaveScreenshot(file);
    std::cout << "Screen at the failure: " << file.string() << std::endl;
}

std::string BrevantTest::ProgramFolder()
{
    return std::filesystem::current_path().string() + "\\";
}

uia::Process& BrevantTest::Start(std::string_view arguments, const std::filesystem::path& workingFolder,
                                 std::optional<WORD> showCommand)
{
    const auto folder = std::filesystem::current_path();
    brevant_.emplace(folder / BREVANT_EXE_NAME, arguments, workingFolder.empty() ? folder : workingFolder,
                     showCommand);
    return *brevant_;
}

uia::Process& BrevantTest::Start(std::wstring_view arguments)
{
    const auto folder = std::filesystem::current_path();
    brevant_.emplace(folder / BREVANT_EXE_NAME, arguments, folder);
    return *brevant_;
}

void BrevantTest::RequestEndFromOutside()
{
    for (HWND window : uia::TopLevelWindowsOf(brevant_->Id()))
        PostMessageA(window, WM_CLOSE, 0, 0);
}

HWND BrevantTest::WaitForWindow(std::string_view caption, std::string_view className)
{
    HWND window = uia::WaitForWindow({.caption = std::string(caption),
                                      .className = std::string(className),
                                      .processId = brevant_->Id()});
    if (!window)
        ADD_FAILURE() << "no window \"" << caption << "\"; the program "
                      << (brevant_->Running() ? "has top-level windows:" + CaptionsOf(brevant_->Id())
                                              : std::string("has ended"));
    return window;
}

std::vector<HWND> BrevantTest::VisibleWindows()
{
    std::vector<HWND> visible;
    for (HWND window : uia::TopLevelWindowsOf(Brevant().Id()))
        if (IsWindowVisible(window))
            visible.push_back(window);
    return visible;
}

void BrevantTest::ExpectEndsWithStatusZero()
{
    if (!uia::WaitUntil([this] { return !brevant_->Running(); }, 10s))
        ADD_FAILURE() << "still running after 10 s; it has top-level windows:" << CaptionsOf(brevant_->Id());
    EXPECT_EQ(brevant_->WaitForExit(0ms), std::optional<DWORD>(0));
}

void CloseDialog(HWND dialog, std::string_view buttonCaption)
{
    if (buttonCaption.empty()) {
        uia::RequestClose(dialog);
        return;
    }
    HWND button = uia::FindControl(dialog, buttonCaption);
    EXPECT_TRUE(button && uia::Click(button)) << "no button \"" << buttonCaption << "\" to press\n"
                                              << uia::DescribeControls(dialog);
}

}  // namespace e2e
