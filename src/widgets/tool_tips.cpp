#include "widgets/tool_tips.h"

#include <commctrl.h>

namespace brevant::widgets {

namespace {
TTTOOLINFOA ToolOf(HWND parent, HWND control, std::string& text)
{
    TTTOOLINFOA tool{};
    // The smallest record every comctl32 version takes.
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = parent;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text.data();
    return tool;
}
}  // namespace

void ToolTips::Create(HWND form)
{
    tips_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
}

void ToolTips::Set(HWND control, std::string_view text)
{
    const bool known = texts_.contains(control);
    std::string& stored = texts_[control];
    stored = text;
    TTTOOLINFOA tool = ToolOf(GetParent(control), control, stored);
    SendMessageA(tips_, known ? TTM_UPDATETIPTEXTA : TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

std::string ToolTips::Get(HWND control) const
{
    const auto found = texts_.find(control);
    return found == texts_.end() ? std::string() : found->second;
}

}  // namespace brevant::widgets
