#pragma once
// Finding top-level windows and the controls inside them, in this process or
// another one.
#include "automation/wide.h"
#include "automation/wait.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace uia {

struct WindowQuery {
    std::string caption = {};    // exact caption
    std::string className = {};  // empty: any class
    DWORD processId = 0;         // 0: any process
    bool visibleOnly = true;     // false: hidden windows count too
};

// The first top-level window matching the query, or nullptr; does not wait.
HWND FindTopLevelWindow(const WindowQuery& query);

// Polls for a matching top-level window; nullptr once the timeout has passed.
HWND WaitForWindow(const WindowQuery& query, Duration timeout = kDefaultTimeout);

// Waits until the window is destroyed or hidden; false on timeout.
bool WaitForWindowGone(HWND window, Duration timeout = kDefaultTimeout);

// Every top-level window of the process, visible or not, in Z order.
std::vector<HWND> TopLevelWindowsOf(DWORD processId);

struct ControlInfo {
    HWND handle = nullptr;
    HWND parent = nullptr;
    std::string className;
    std::string text;             // as Text() reads it
    int id = 0;                   // the control id
    DWORD style = 0;
    bool enabled = false;
    bool visible = false;         // the control and all its parents
    std::optional<int> check;     // BST_* of check boxes and radio buttons
    RECT bounds{};                // in the parent's client coordinates
};

// Every control inside the window, at any depth: each control is followed by
// its own children; siblings come in Z order (the tab order of a dialog).
std::vector<ControlInfo> ListControls(HWND window);

// One line per control, indented by depth; for failure messages.
std::string DescribeControls(HWND window);

// The first control (in ListControls order) whose text is exactly `text`,
// ampersands included, or nullptr.
HWND FindControl(HWND window, std::string_view text);

// The index-th control (from 0, in ListControls order) of the window class
// (compared without regard to case), or nullptr.
HWND FindControlOfClass(HWND window, std::string_view className, int index = 0);

}  // namespace uia
