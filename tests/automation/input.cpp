#include "automation/input.h"

#include "automation/send.h"
#include "automation/wide.h"
#include "automation/wait.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace uia {
namespace {

// While alive, the calling thread shares the input state (focus, key state) of
// the thread that owns the window.
class SharedInput {
public:
    explicit SharedInput(HWND window)
        : self_(GetCurrentThreadId()), target_(GetWindowThreadProcessId(window, nullptr))
    {
        if (target_ == self_)
            return;
        MSG message;  // attaching needs a message queue on both sides
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
        attached_ = AttachThreadInput(self_, target_, TRUE);
    }
    ~SharedInput()
    {
        if (attached_)
            AttachThreadInput(self_, target_, FALSE);
    }
    SharedInput(const SharedInput&) = delete;
    SharedInput& operator=(const SharedInput&) = delete;

private:
    DWORD self_;
    DWORD target_;
    bool attached_ = false;
};

// The one place that knows how modifier keys reach the target: held down in
// its thread's key state while alive, restored afterwards.
class HeldModifiers {
public:
    HeldModifiers(HWND window, unsigned modifiers) : input_(window)
    {
        GetKeyboardState(saved_.data());
        auto held = saved_;
        const auto press = [&](unsigned modifier, std::initializer_list<int> keys) {
            if (modifiers & modifier)
                for (int key : keys)
                    held[key] |= 0x80;
        };
        press(kShift, {VK_SHIFT, VK_LSHIFT});
        press(kControl, {VK_CONTROL, VK_LCONTROL});
        press(kAlt, {VK_MENU, VK_LMENU});
        SetKeyboardState(held.data());
    }
    ~HeldModifiers() { SetKeyboardState(saved_.data()); }
    HeldModifiers(const HeldModifiers&) = delete;
    HeldModifiers& operator=(const HeldModifiers&) = delete;

private:
    SharedInput input_;
    std::array<BYTE, 256> saved_{};
};

bool IsExtendedKey(UINT virtualKey)
{
    static constexpr UINT kExtended[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT,
        VK_HOME, VK_END, VK_INSERT, VK_DELETE, VK_DIVIDE, VK_NUMLOCK, VK_RCONTROL, VK_RMENU};
    return std::ranges::find(kExtended, virtualKey) != std::end(kExtended);
}

// The key message's lParam: repeat count 1, scan code, extended-key flag, the
// context bit for Alt, and for a release the previous-state and transition bits.
LPARAM KeyData(UINT virtualKey, bool alt, bool release)
{
    LPARAM data = 1 | (static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16);
    if (IsExtendedKey(virtualKey))
        data |= 1 << 24;
    if (alt)
        data |= 1 << 29;
    if (release)
        data |= (1u << 30) | (1u << 31);
    return data;
}

}  // namespace

bool Click(HWND button)
{
    if (!IsWindowEnabled(button) || !IsWindowVisible(button))
        return false;
    // Unlike SendMessage, does not wait for the handler, which may run a modal loop.
    SendNotifyMessageW(button, BM_CLICK, 0, 0);
    Settle(button);
    return true;
}

void SetText(HWND control, std::wstring_view text)
{
    const std::wstring copy(text);
    detail::Send(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()));
    Settle(control);
}

void SetText(HWND control, std::string_view text) { SetText(control, Widened(text)); }

void SelectAllText(HWND edit)
{
    detail::Send(edit, EM_SETSEL, 0, -1);
}

void TypeText(HWND control, std::wstring_view text)
{
    for (const wchar_t unit : text)
        PostMessageW(control, WM_CHAR, unit, 1);
    Settle(control, static_cast<int>(text.size()));
}

void TypeText(HWND control, std::string_view text) { TypeText(control, Widened(text)); }

void PressKey(HWND window, UINT virtualKey, unsigned modifiers)
{
    const bool alt = modifiers & kAlt;
    // The system makes "system" keys of Alt combinations (without Ctrl) and of F10.
    const bool system = (alt && !(modifiers & kControl)) || virtualKey == VK_F10;
    std::optional<HeldModifiers> held;
    if (modifiers != kNoModifiers)
        held.emplace(window, modifiers);
    // The release follows once the press and its character have been handled,
    // as when a person types.
    PostMessageW(window, system ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, KeyData(virtualKey, alt, false));
    Settle(window);
    PostMessageW(window, system ? WM_SYSKEYUP : WM_KEYUP, virtualKey, KeyData(virtualKey, alt, true));
    Settle(window);
}

void SetFocusTo(HWND control)
{
    SharedInput input(control);
    SetFocus(control);
    Settle(control);
}

void RequestClose(HWND window)
{
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

}  // namespace uia
