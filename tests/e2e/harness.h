#pragma once
// The real brevant.exe, started as a user would start it and driven from this
// process through the tests' UI automation.
#include "automation/process.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace e2e {

inline constexpr char kMainCaption[] = "Brevant v1.03";

// A test that starts brevant.exe. The program is killed if it is still running
// when the test ends; after a failure the screen is first saved next to the
// program as <Suite>.<Test>.bmp (tools/bmp-to-png makes a PNG of it).
class BrevantTest : public testing::Test {
protected:
    void TearDown() override;

    // Starts brevant.exe of the current folder (ctest runs the tests in the
    // program's folder), there, with the raw command-line arguments.
    uia::Process& Start(std::string_view arguments = {});

    // The program's visible top-level window with the caption, once it shows;
    // nullptr (and a failure naming the windows it has) on timeout.
    HWND WaitForWindow(std::string_view caption = kMainCaption);

    uia::Process& Brevant() { return *brevant_; }

private:
    std::optional<uia::Process> brevant_;
};

}  // namespace e2e
