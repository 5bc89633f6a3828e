#include "widgets/message_loop.h"

#include "widgets/callback_boundary.h"
#include "widgets/window.h"

namespace brevant::widgets {

namespace {
bool g_quitTaken = false;

bool PreTranslate(MSG& message)
{
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST)
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
    DispatchMessageA(&message);
}

void ProcessPendingMessages()
{
    NestedLoopScope scope;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchTaken(message);
}

void RunMessageLoop(const std::function<bool()>& done)
{
    NestedLoopScope scope;
    MSG message;
    while (!g_quitTaken && !done()) {
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
            g_quitTaken = true;
            break;
        }
        DispatchTaken(message);
    }
}

}  // namespace brevant::widgets
