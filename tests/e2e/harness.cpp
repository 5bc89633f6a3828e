#include "e2e/harness.h"

#include "automation/find.h"
#include "automation/screenshot.h"

#include <filesystem>
#include <iostream>

namespace e2e {
namespace {

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

}  // namespace

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

uia::Process& BrevantTest::Start(std::string_view arguments)
{
    const auto folder = std::filesystem::current_path();
    brevant_.emplace(folder / BREVANT_EXE_NAME, arguments, folder);
    return *brevant_;
}

HWND BrevantTest::WaitForWindow(std::string_view caption)
{
    HWND window = uia::WaitForWindow({.caption = std::string(caption), .processId = brevant_->Id()});
    if (!window)
        ADD_FAILURE() << "no window \"" << caption << "\"; the program "
                      << (brevant_->Running() ? "has top-level windows:" + CaptionsOf(brevant_->Id())
                                              : std::string("has ended"));
    return window;
}

}  // namespace e2e
