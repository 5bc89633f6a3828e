#include "widgets/tool_tips.h"

#include <commctrl.h>

namespace brevant::widgets {

namespace {
TTTOOLINFOW ToolOf(HWND parent, HWND control, std::wstring& text)
{
    TTTOOLINFOW tool{};
    // The smallest record every comctl32 version takes.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    // The form relays the mouse messages (Relay): a subclass on every control
    // would cost each of their messages a window-property lookup.
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = parent;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text.data();
    return tool;
}
}  // namespace

void ToolTips::Attach(HWND form) { form_ = form; }

void ToolTips::Set(HWND control, std::wstring_view text)
{
    const bool known = texts_.contains(control);
    std::wstring& stored = texts_[control];
    stored = text;
    if (tips_)
        Register(control, stored, known ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW);
}

void ToolTips::Register(HWND control, std::wstring& text, UINT message)
{
    TTTOOLINFOW tool = ToolOf(GetParent(control), control, text);
    SendMessageW(tips_, message, 0, reinterpret_cast<LPARAM>(&tool));
}

void ToolTips::Open()
{
    tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form_,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    for (auto& [control, text] : texts_)
        Register(control, text, TTM_ADDTOOLW);
}

void ToolTips::Relay(MSG& message)
{
    // A form without tips (the message dialog) makes no tip window.
    if (texts_.empty())
        return;
    switch (message.message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        if (!tips_)
            Open();
        // Moves over windows without a tip, too: they hide the one shown.
        SendMessageW(tips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
        break;
    }
}

void ToolTips::Pop()
{
    if (tips_)
        SendMessageW(tips_, TTM_POP, 0, 0);
}

std::wstring ToolTips::Get(HWND control) const
{
    const auto found = texts_.find(control);
    return found == texts_.end() ? std::wstring() : found->second;
}

}  // namespace brevant::widgets
