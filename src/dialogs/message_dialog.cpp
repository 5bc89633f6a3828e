#include "dialogs/message_dialog.h"

#include "dialogs/dialog_owner.h"
#include "dialogs/message_text.h"
#include "widgets/callback_boundary.h"
#include "widgets/modal.h"
#include "widgets/push_button.h"
#include "widgets/screen_dpi.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <utility>

namespace brevant {

class MessageButton : public widgets::PushButton {
public:
    explicit MessageButton(const PlacedButton& placed) : info_(*placed.info) {}
    const DialogButtonInfo& Info() const { return info_; }

private:
    const DialogButtonInfo& info_;
};

namespace {

constexpr int kFirstButtonId = 100;

// A device context of the window with the dialog font selected, for measuring.
class MeasuringContext {
public:
    MeasuringContext(HWND hwnd, HFONT font)
        : hwnd_(hwnd), dc_(GetDC(hwnd)), previous_(SelectObject(dc_, font))
    {
    }
    ~MeasuringContext()
    {
        SelectObject(dc_, previous_);
        ReleaseDC(hwnd_, dc_);
    }
    MeasuringContext(const MeasuringContext&) = delete;
    MeasuringContext& operator=(const MeasuringContext&) = delete;

    // The extent of the 52 letters A-Z a-z.
    SIZE Alphabet() const
    {
        static constexpr wchar_t kAlphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        SIZE size{};
        GetTextExtentPointW(dc_, kAlphabet, static_cast<int>(std::size(kAlphabet)) - 1, &size);
        return size;
    }

    // The text word-wrapped within the width; a word longer than a line widens
    // the text unless breakFlags break it. An empty text keeps the starting
    // rectangle exactly (some platforms would shrink it to nothing).
    SIZE Wrapped(std::wstring_view text, int width, UINT breakFlags = 0) const
    {
        RECT r{0, 0, width, 0};
        if (!text.empty()) {
            const int length = static_cast<int>(std::min<size_t>(text.size(), INT_MAX));
            DrawTextW(dc_, text.data(), length, &r, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | breakFlags);
        }
        return {r.right - r.left, r.bottom - r.top};
    }

private:
    HWND hwnd_;
    HDC dc_;
    HGDIOBJ previous_;
};

SIZE FrameSize(HWND hwnd)
{
    RECT window, client;
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    return {(window.right - window.left) - client.right,
            (window.bottom - window.top) - client.bottom};
}

// The work area of the monitor: the taskbar and the like excluded.
LayoutRect WorkAreaOf(HMONITOR monitor)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    const RECT& r = info.rcWork;
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

widgets::Bounds ToBounds(const LayoutRect& r) { return {r.left, r.top, r.width, r.height}; }

}  // namespace

TMessageForm::TMessageForm(std::wstring_view text, MessageKind kind, DialogButtonSet buttons)
    : text_(text), iconId_(KindInfo(kind).iconId), buttonSet_(buttons)
{
    // Created with room for a client area, so the frame can be measured.
    CreateForm({.className = L"TMessageForm", .caption = KindInfo(kind).caption, .clientWidth = 400,
                .clientHeight = 300, .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                .exStyle = WS_EX_DLGMODALFRAME, .owner = DialogOwner(), .face = Face::SystemMessage});
    // Centred on the primary screen, so held inside the primary monitor: the
    // one at the origin.
    layout_ = LayOut(WorkAreaOf(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY)));
    SetWindowPos(Handle(), nullptr, layout_.window.left, layout_.window.top, layout_.window.width,
                 layout_.window.height, SWP_NOZORDER | SWP_NOACTIVATE);
    widgets::RethrowPending();

    image_.Create(Handle(), ToBounds(layout_.icon), nullptr);
    // The text goes in after creation: creating a window carries at most
    // 32767 characters of text on some platforms.
    label_.Create(Handle(), ToBounds(layout_.label), L"", Font(), {});
    label_.SetText(text_);
    int id = kFirstButtonId;
    for (const PlacedButton& placed : layout_.buttons) {
        auto& button = *buttons_.emplace_back(std::make_unique<MessageButton>(placed));
        button.Create(Handle(), ToBounds(placed.bounds), placed.info->caption, id++, Font());
        button.onClick = [this, &button] { Press(button); };
        if (placed.defaultMark)
            SetDefaultButton(&button);
        if (placed.cancelMark)
            SetCancelButton(&button);
    }
    if (!buttons_.empty())
        focusOnActivation_ = buttons_.front()->Handle();
    PlaceControls();
}

TMessageForm::~TMessageForm() = default;

MessageDialogLayout TMessageForm::LayOut(const LayoutRect& workArea)
{
    const MeasuringContext measuring(Handle(), Font());
    const SIZE alphabet = measuring.Alphabet();
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    // Wrapped within half the screen width.
    const SIZE wrapped = measuring.Wrapped(text_, screenWidth / 2);
    const SIZE frame = FrameSize(Handle());
    MessageDialogInput input{
        .charWidth = alphabet.cx / 52,
        .charHeight = alphabet.cy,
        .screenWidth = screenWidth,
        .screenHeight = GetSystemMetrics(SM_CYSCREEN),
        .workArea = workArea,
        .textWidth = wrapped.cx,
        .textHeight = wrapped.cy,
        .frameWidth = frame.cx,
        .frameHeight = frame.cy,
        .buttons = buttonSet_,
        .iconSize = Scaled(kMessageIconSize),
        .scrollBarWidth = widgets::SystemMetricAt(SM_CXVSCROLL, LayoutDpi()),
    };
    // Too wide for the monitor: wrapped again to the width it leaves, a word
    // longer than a line broken inside, as the label then draws it. A text
    // that fits is drawn as it was measured, without that style.
    const int roomWidth = TextRoom(input).width;
    breakLongWords_ = input.textWidth > roomWidth;
    if (breakLongWords_) {
        const SIZE narrowed = measuring.Wrapped(text_, roomWidth, DT_EDITCONTROL);
        input.textWidth = narrowed.cx;
        input.textHeight = narrowed.cy;
    }
    return LayOutMessageDialog(input);
}

void TMessageForm::PlaceControls()
{
    image_.SetBounds(ToBounds(layout_.icon));
    image_.SetSystemIcon(iconId_, layout_.icon.width);
    PlaceText();
    for (size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->SetBounds(ToBounds(layout_.buttons[i].bounds));
}

void TMessageForm::PlaceText()
{
    const bool scrolls = layout_.textScrolls;
    label_.SetBounds(ToBounds(layout_.label));
    label_.SetBreakLongWords(breakLongWords_);
    label_.SetVisible(!scrolls);
    if (scrolls && !scrollingText_.Handle()) {
        scrollingText_.Create(Handle(), ToBounds(layout_.label), Font());
        // In the label's place in the tab order: before the buttons.
        SetWindowPos(scrollingText_.Handle(), label_.Handle(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        scrollingText_.SetText(TextAsLabelDraws(text_));
    }
    if (!scrollingText_.Handle())
        return;
    scrollingText_.SetBounds(ToBounds(layout_.label));
    if (!scrolls) {
        // Hidden, the box hands the focus back to the first button.
        const HWND first = buttons_.empty() ? nullptr : buttons_.front()->Handle();
        if (focusOnActivation_ == scrollingText_.Handle())
            focusOnActivation_ = first;
        if (scrollingText_.Focused())
            SetFocus(first);
    }
    scrollingText_.SetVisible(scrolls);
}

widgets::Control& TMessageForm::TextControl()
{
    return layout_.textScrolls ? static_cast<widgets::Control&>(scrollingText_) : label_;
}

RECT TMessageForm::PlaceAtScale(const RECT& suggested)
{
    const LayoutRect workArea = WorkAreaOf(MonitorFromRect(&suggested, MONITOR_DEFAULTTONEAREST));
    layout_ = LayOut(workArea);
    // Where the platform puts it, at the size its content needs now, kept
    // inside the monitor it goes to.
    const LayoutRect place =
        KeptInside({suggested.left, suggested.top, layout_.window.width, layout_.window.height}, workArea);
    return {place.left, place.top, place.left + place.width, place.top + place.height};
}

void TMessageForm::OnDpiChanged()
{
    // Every control of the dialog is drawn in its font.
    for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    PlaceControls();
}

void TMessageForm::SetHelp(int32_t helpContext, std::wstring helpFile)
{
    helpContext_ = helpContext;
    helpFile_ = std::move(helpFile);
}

widgets::Control* TMessageForm::FindControl(std::wstring_view name)
{
    if (name == L"Image")
        return &image_;
    if (name == L"Message")
        return &TextControl();
    return FindButton(name);
}

widgets::PushButton* TMessageForm::FindButton(std::wstring_view name)
{
    for (auto& button : buttons_) {
        if (button->Info().name == name)
            return button.get();
    }
    return nullptr;
}

DialogResult TMessageForm::ShowModal(DialogLayer layer)
{
    result_ = DialogResult::None;
    const auto show = [this, layer] {
        InitializeKeyboardCues();
        if (layer == DialogLayer::AboveOthers)
            SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ShowWindow(Handle(), SW_SHOW);
        SetForegroundWindow(Handle());
        widgets::RethrowPending();
        if (focusOnActivation_ && !IsChild(Handle(), GetFocus())) {
            SetFocus(focusOnActivation_);
            widgets::RethrowPending();
        }
    };
    widgets::RunModal(Handle(), show, [this] { return result_ != DialogResult::None; });
    // Only a quit request ends the run without a result.
    if (result_ == DialogResult::None)
        result_ = DialogResult::Cancel;
    return result_;
}

void TMessageForm::Press(MessageButton& button)
{
    if (button.Info().result != DialogResult::None) {
        result_ = button.Info().result;
        return;
    }
    // Help: the only button that leaves the dialog open.
    if (!helpFile_.empty())
        WinHelpW(Handle(), helpFile_.c_str(), HELP_CONTEXT, static_cast<ULONG_PTR>(helpContext_));
}

std::optional<LRESULT> TMessageForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            // Back to the same control when the dialog is active again.
            if (const HWND focus = GetFocus(); IsChild(Handle(), focus))
                focusOnActivation_ = focus;
            break;
        }
        if (focusOnActivation_) {
            SetFocus(focusOnActivation_);
            return 0;
        }
        break;
    case WM_MOUSEWHEEL:
        // A text that scrolls takes the wheel over the whole dialog (a focused
        // button hands it here); what the text hands back (a zoom) stops here.
        if (layout_.textScrolls && !std::exchange(forwardingWheel_, true)) {
            SendMessageW(scrollingText_.Handle(), message, wParam, lParam);
            forwardingWheel_ = false;
            return 0;
        }
        break;
    case WM_CLOSE:
        // The close box, the system menu's Close and Alt+F4 all mean Cancel;
        // the window itself lives on until ShowModal's caller destroys it.
        result_ = DialogResult::Cancel;
        return 0;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

std::unique_ptr<TMessageForm> BuildMessageDialog(std::wstring_view text, MessageKind kind,
                                                 DialogButtonSet buttons)
{
    return std::unique_ptr<TMessageForm>(new TMessageForm(text, kind, buttons));
}

DialogResult ShowMessageDialog(std::wstring_view text, MessageKind kind, DialogButtonSet buttons,
                               int32_t helpContext, DialogLayer layer)
{
    const auto form = BuildMessageDialog(text, kind, buttons);
    form->SetHelp(helpContext, L"");
    return form->ShowModal(layer);
}

}  // namespace brevant
