#include "widgets/keyboard_navigation.h"

#include "widgets/check_box.h"
#include "widgets/mnemonic.h"
#include "widgets/push_button.h"
#include "widgets/radio_button.h"

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

namespace brevant::widgets {

namespace {

// Every descendant in tab order: creation order, depth first.
template <typename Visit>
bool ForEachDescendant(HWND parent, Visit&& visit)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (visit(child) || ForEachDescendant(child, visit))
            return true;
    }
    return false;
}

bool KeyHeld(int key) { return GetKeyState(key) < 0; }
bool ModifierHeld() { return KeyHeld(VK_SHIFT) || KeyHeld(VK_CONTROL) || KeyHeld(VK_MENU); }

bool Usable(HWND hwnd) { return IsWindowEnabled(hwnd) && IsWindowVisible(hwnd); }

bool WantsKey(HWND focus, UINT code)
{
    return focus && (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & code);
}

bool IsClass(HWND hwnd, const wchar_t* name)
{
    wchar_t className[16] = {};
    GetClassNameW(hwnd, className, static_cast<int>(std::size(className)));
    return lstrcmpiW(className, name) == 0;
}

bool TakesCharacters(HWND focus)
{
    const bool readOnly = IsClass(focus, L"EDIT") && (GetWindowLongPtrW(focus, GWL_STYLE) & ES_READONLY);
    return !readOnly && WantsKey(focus, DLGC_WANTCHARS);
}

bool WantsEnter(HWND focus)
{
    const LONG_PTR style = focus ? GetWindowLongPtrW(focus, GWL_STYLE) : 0;
    return IsClass(focus, L"EDIT") && (style & ES_MULTILINE) && (style & ES_WANTRETURN);
}

// The usable controls of the same kind as `control` that share its parent, in
// tab order: the group the arrow keys move in.
template <typename Kind>
std::vector<Kind*> GroupOf(const Kind& control)
{
    std::vector<Kind*> group;
    for (HWND sibling = GetWindow(GetParent(control.Handle()), GW_CHILD); sibling;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        auto* member = dynamic_cast<Kind*>(Control::FromHandle(sibling));
        if (member && Usable(sibling))
            group.push_back(member);
    }
    return group;
}

template <typename Kind>
Kind* Neighbour(const Kind& control, int step)
{
    const std::vector<Kind*> group = GroupOf(control);
    const auto at = std::find(group.begin(), group.end(), &control);
    if (at == group.end())
        return nullptr;
    const int count = static_cast<int>(group.size());
    return group[static_cast<size_t>(((at - group.begin() + step) % count + count) % count)];
}

// Both cues are set on the window itself, which hands them to its controls:
// asked to change them, an owned window would ask its owner instead.
constexpr WPARAM kCues = UISF_HIDEFOCUS | UISF_HIDEACCEL;

}  // namespace

void KeyboardNavigation::SetDefaultButton(PushButton* button)
{
    default_ = button;
    UpdateDefaultFrames();
}

void KeyboardNavigation::SetCancelButton(PushButton* button) { cancel_ = button; }

void KeyboardNavigation::InitializeCues()
{
    // Unless the user has them shown always.
    BOOL alwaysShown = FALSE;
    SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &alwaysShown, 0);
    cuesHidden_ = !alwaysShown;
    if (cuesHidden_)
        SendMessageW(window_, WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, kCues), 0);
}

void KeyboardNavigation::ShowCues()
{
    if (std::exchange(cuesHidden_, false))
        SendMessageW(window_, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, kCues), 0);
}

void KeyboardNavigation::UpdateDefaultFrames()
{
    const HWND focus = GetFocus();
    auto* focused = IsChild(window_, focus) ? dynamic_cast<PushButton*>(Control::FromHandle(focus)) : nullptr;
    PushButton* framed = focused ? focused : default_;
    if (framed == framed_)
        return;
    if (framed_)
        framed_->SetDefaultFrame(false);
    framed_ = framed;
    if (framed_)
        framed_->SetDefaultFrame(true);
}

bool KeyboardNavigation::FocusNextTabStop(bool backwards)
{
    HWND next = GetNextDlgTabItem(window_, GetFocus(), backwards);
    if (!next)
        return false;
    SetFocus(next);
    // As in a dialog, a single-line edit reached by Tab has its text selected.
    if (IsClass(next, L"EDIT") && !(GetWindowLongPtrW(next, GWL_STYLE) & ES_MULTILINE))
        SendMessageW(next, EM_SETSEL, 0, -1);
    return true;
}

bool KeyboardNavigation::MoveFocusInGroup(int step)
{
    Control* focused = Control::FromHandle(GetFocus());
    if (auto* radio = dynamic_cast<RadioButton*>(focused)) {
        if (RadioButton* next = Neighbour(*radio, step)) {
            next->Focus();
            next->Select();
        }
        return true;
    }
    if (auto* button = dynamic_cast<PushButton*>(focused)) {
        if (PushButton* next = Neighbour(*button, step))
            next->Focus();
        return true;
    }
    return false;
}

bool KeyboardNavigation::PressAccelerator(wchar_t typed)
{
    Control* target = nullptr;
    ForEachDescendant(window_, [&](HWND child) {
        Control* control = Control::FromHandle(child);
        // Buttons of every kind; a label's ampersand only underlines.
        if (!control || !IsClass(child, L"BUTTON") || !Usable(child))
            return false;
        const auto mnemonic = MnemonicOf(control->Text());
        if (!mnemonic || !MnemonicMatches(*mnemonic, typed))
            return false;
        target = control;
        return true;
    });
    if (!target)
        return false;
    if (auto* button = dynamic_cast<PushButton*>(target)) {
        button->Click();
    } else if (auto* check = dynamic_cast<CheckBox*>(target)) {
        check->Focus();
        check->SetChecked(!check->Checked());
    } else {
        target->Focus();
    }
    return true;
}

bool KeyboardNavigation::HandleKeyDown(WPARAM key)
{
    const bool control = KeyHeld(VK_CONTROL), alt = KeyHeld(VK_MENU);
    switch (key) {
    case VK_TAB:
        if (control || alt)
            return false;
        ShowCues();
        FocusNextTabStop(KeyHeld(VK_SHIFT));
        return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        if (control || alt || !MoveFocusInGroup(key == VK_LEFT || key == VK_UP ? -1 : 1))
            return false;
        ShowCues();
        return true;
    case VK_RETURN: {
        const HWND focus = GetFocus();
        if (ModifierHeld() || WantsEnter(focus))
            return false;
        if (auto* focused = dynamic_cast<PushButton*>(Control::FromHandle(focus)))
            focused->Click();
        else if (default_ && Usable(default_->Handle()))
            default_->Click();
        return true;
    }
    case VK_ESCAPE:
        if (ModifierHeld())
            return false;
        if (cancel_ && Usable(cancel_->Handle()))
            cancel_->Click();
        return true;
    }
    return false;
}

bool KeyboardNavigation::HandleKey(const MSG& message)
{
    switch (message.message) {
    case WM_KEYDOWN:
        return HandleKeyDown(message.wParam);
    case WM_SYSKEYDOWN:
        // Alt shows the accelerators; the key goes on to the menu.
        if (message.wParam == VK_MENU)
            ShowCues();
        return false;
    case WM_SYSCHAR:
        return PressAccelerator(static_cast<wchar_t>(message.wParam));
    case WM_CHAR:
        return !TakesCharacters(GetFocus()) && PressAccelerator(static_cast<wchar_t>(message.wParam));
    }
    return false;
}

}  // namespace brevant::widgets
