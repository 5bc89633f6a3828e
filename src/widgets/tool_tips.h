#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <string_view>

namespace brevant::widgets {

// The hints of one form: a tool tip window showing each control's hint while
// the mouse rests on it. Controls without a hint show none. The tip window is
// made when the mouse first moves over the form, not while the form is built.
class ToolTips {
public:
    void Attach(HWND form);
    void Set(HWND control, std::wstring_view text);
    std::wstring Get(HWND control) const;
    // Shows, moves or hides the tip for a mouse message taken from the queue.
    void Relay(MSG& message);
    // Hides the tip shown now, if any.
    void Pop();

private:
    void Open();
    void Register(HWND control, std::wstring& text, UINT message);

    HWND form_ = nullptr;
    HWND tips_ = nullptr;  // owned by the form, destroyed with it
    std::map<HWND, std::wstring> texts_;
};

}  // namespace brevant::widgets
