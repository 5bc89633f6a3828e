#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <string_view>

namespace brevant::widgets {

// The hints of one form: a tool tip window showing each control's hint while
// the mouse rests on it. Controls without a hint show none.
class ToolTips {
public:
    void Create(HWND form);
    void Set(HWND control, std::string_view text);
    std::string Get(HWND control) const;
    // Shows, moves or hides the tip for a mouse message taken from the queue.
    void Relay(MSG& message);
    // Hides the tip shown now, if any.
    void Pop();

private:
    HWND tips_ = nullptr;  // owned by the form, destroyed with it
    std::map<HWND, std::string> texts_;
};

}  // namespace brevant::widgets
