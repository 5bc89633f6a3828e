#include "widgets/balloon_note.h"

#include <commctrl.h>

namespace brevant::widgets {

namespace {

TTTOOLINFOW ToolFor(HWND control, std::wstring& text)
{
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    // Placed where Show says, not where the mouse is.
    tool.uFlags = TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text.data();
    return tool;
}

}  // namespace

BalloonNote::~BalloonNote()
{
    if (balloon_ && IsWindow(balloon_))
        DestroyWindow(balloon_);
}

void BalloonNote::Show(HWND control, std::wstring_view text)
{
    Hide();
    if (!balloon_ || !IsWindow(balloon_)) {
        balloon_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_BALLOON | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   GetAncestor(control, GA_ROOT), nullptr, GetModuleHandleW(nullptr), nullptr);
        control_ = nullptr;
    }
    if (control_ != control) {
        if (control_) {
            TTTOOLINFOW old = ToolFor(control_, text_);
            SendMessageW(balloon_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&old));
        }
        control_ = control;
        text_ = text;
        TTTOOLINFOW tool = ToolFor(control_, text_);
        SendMessageW(balloon_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        text_ = text;
        TTTOOLINFOW tool = ToolFor(control_, text_);
        SendMessageW(balloon_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    RECT r;
    GetWindowRect(control, &r);
    SendMessageW(balloon_, TTM_TRACKPOSITION, 0, MAKELPARAM((r.left + r.right) / 2, r.bottom));
    TTTOOLINFOW tool = ToolFor(control_, text_);
    SendMessageW(balloon_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    shown_ = true;
}

void BalloonNote::Hide()
{
    if (!shown_)
        return;
    shown_ = false;
    TTTOOLINFOW tool = ToolFor(control_, text_);
    SendMessageW(balloon_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace brevant::widgets
