#include "automation/find.h"

#include "automation/read.h"
#include "automation/wide.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <sstream>

namespace uia {
namespace {

std::string ClassOf(HWND window)
{
    wchar_t name[256] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return Narrowed(name);
}

// The caption the window manager keeps: no message is sent, so a busy or
// hung program cannot stall the search.
std::string CaptionOf(HWND window)
{
    wchar_t caption[512] = {};
    GetWindowTextW(window, caption, static_cast<int>(std::size(caption)));
    return Narrowed(caption);
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

template <typename Visit>
void ForEachTopLevel(Visit visit)
{
    EnumWindows([](HWND window, LPARAM context) {
        (*reinterpret_cast<Visit*>(context))(window);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&visit));
}

std::vector<HWND> Descendants(HWND window)
{
    std::vector<HWND> found;
    // EnumChildWindows visits each child and then, at once, that child's children.
    EnumChildWindows(window, [](HWND child, LPARAM context) {
        reinterpret_cast<std::vector<HWND>*>(context)->push_back(child);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&found));
    return found;
}

bool HasCheckState(const std::string& className, DWORD style)
{
    if (!EqualNoCase(className, "Button"))
        return false;
    switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX: case BS_AUTOCHECKBOX: case BS_3STATE: case BS_AUTO3STATE:
    case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON:
        return true;
    default:
        return false;
    }
}

ControlInfo InfoOf(HWND control)
{
    ControlInfo info;
    info.handle = control;
    info.parent = GetAncestor(control, GA_PARENT);
    info.className = ClassOf(control);
    info.text = Text(control);
    info.id = GetDlgCtrlID(control);
    info.style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
    info.enabled = IsWindowEnabled(control);
    info.visible = IsWindowVisible(control);
    if (HasCheckState(info.className, info.style))
        info.check = CheckState(control);
    GetWindowRect(control, &info.bounds);
    MapWindowPoints(nullptr, info.parent, reinterpret_cast<POINT*>(&info.bounds), 2);
    return info;
}

int DepthBelow(HWND window, HWND control)
{
    int depth = 0;
    for (HWND parent = GetAncestor(control, GA_PARENT); parent && parent != window;
         parent = GetAncestor(parent, GA_PARENT))
        ++depth;
    return depth;
}

}  // namespace

HWND FindTopLevelWindow(const WindowQuery& query)
{
    HWND found = nullptr;
    ForEachTopLevel([&](HWND window) {
        if (found || (query.visibleOnly && !IsWindowVisible(window)))
            return;
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        if (query.processId && processId != query.processId)
            return;
        if (!query.className.empty() && !EqualNoCase(ClassOf(window), query.className))
            return;
        if (CaptionOf(window) == query.caption)
            found = window;
    });
    return found;
}

HWND WaitForWindow(const WindowQuery& query, Duration timeout)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindTopLevelWindow(query)) != nullptr; }, timeout);
    return found;
}

bool WaitForWindowGone(HWND window, Duration timeout)
{
    return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeout);
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId)
{
    std::vector<HWND> windows;
    ForEachTopLevel([&](HWND window) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId)
            windows.push_back(window);
    });
    return windows;
}

std::vector<ControlInfo> ListControls(HWND window)
{
    std::vector<ControlInfo> controls;
    for (HWND control : Descendants(window))
        controls.push_back(InfoOf(control));
    return controls;
}

std::string DescribeControls(HWND window)
{
    std::ostringstream lines;
    for (const auto& c : ListControls(window)) {
        lines << std::string(2 * DepthBelow(window, c.handle), ' ') << c.className << " \"" << c.text
              << "\" id=" << c.id << " at " << c.bounds.left << ',' << c.bounds.top << ' '
              << c.bounds.right - c.bounds.left << 'x' << c.bounds.bottom - c.bounds.top;
        if (!c.enabled)
            lines << " disabled";
        if (!c.visible)
            lines << " hidden";
        if (c.check)
            lines << " check=" << *c.check;
        lines << '\n';
    }
    return lines.str();
}

HWND FindControl(HWND window, std::string_view text)
{
    for (HWND control : Descendants(window))
        if (Text(control) == text)
            return control;
    return nullptr;
}

HWND FindControlOfClass(HWND window, std::string_view className, int index)
{
    for (HWND control : Descendants(window))
        if (EqualNoCase(ClassOf(control), className) && index-- == 0)
            return control;
    return nullptr;
}

}  // namespace uia
