#include "widgets/message_loop.h"

#include "widgets/callback_boundary.h"
#include "widgets/window.h"

namespace brevant::widgets {

namespace {
bool g_quitTaken = false;

bool PreTranslate(MSG& message)
{
    const bool key = message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
    if (!key && !IsMouseMessage(message.message))
        return false;
    Window* form = Window::FromHandle(GetAncestor(message.hwnd, GA_ROOT));
    return form && Guard([&] { return form->PreTranslateMessage(message); }, true);
}
}  // namespace

bool QuitTaken() { return g_quitTaken; }

void DispatchTaken(MSG& message)
{
    if (message.message == WM_QUIT) {
        g_quitTaken = true;
        return;
    }
    if (PreTranslate(message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void ProcessPendingMessages()
{
    NestedLoopScope scope;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchTaken(message);
}

void RunMessageLoop(const std::function<bool()>& done)
{
    NestedLoopScope scope;
    MSG message;
    while (!g_quitTaken && !done()) {
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchTaken(message);
            continue;
        }
        // A message sent from another thread (a button click from an
        // accessibility tool) is handled inside PeekMessage, never returned,
        // and may have ended the loop: look again before sleeping.
        if (!done())
            MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

}  // namespace brevant::widgets
