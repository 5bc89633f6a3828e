#include "automation/read.h"

#include "automation/send.h"
#include "automation/wide.h"

#include <commctrl.h>

#include <stdexcept>

namespace uia {

std::wstring WideText(HWND window)
{
    const auto length = detail::Send(window, WM_GETTEXTLENGTH);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const auto copied = detail::Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::string Text(HWND window) { return Narrowed(WideText(window)); }

int CheckState(HWND button)
{
    return static_cast<int>(detail::Send(button, BM_GETCHECK));
}

bool IsChecked(HWND button)
{
    return CheckState(button) == BST_CHECKED;
}

int TrackBarPosition(HWND trackBar)
{
    return static_cast<int>(detail::Send(trackBar, TBM_GETPOS));
}

SYSTEMTIME DateTimePickerTime(HWND picker)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(picker, &processId);
    if (processId != GetCurrentProcessId())
        throw std::logic_error("DateTimePickerTime works in-process only; read Text() instead");
    SYSTEMTIME time{};
    if (detail::Send(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) != GDT_VALID)
        throw std::runtime_error("the date-time picker holds no time");
    return time;
}

HWND FocusedWindow(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

}  // namespace uia
