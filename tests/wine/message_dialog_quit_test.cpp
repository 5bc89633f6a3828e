// A quit request taken while the message dialog is open. In a file of its own:
// once taken, the request ends every later loop of the process.
#include "widgets/message_loop.h"
#include "wine/dialog_driver.h"

#include <gtest/gtest.h>

namespace brevant {
namespace {

using namespace testing_support;

TEST(MessageDialogQuit, AQuitRequestWhileOpenClosesWithCancel)
{
    const DWORD dialogThread = GetCurrentThreadId();
    const Shown shown = ShowDriven(L"Text", MessageKind::Information,
                                   DialogButton::Yes | DialogButton::No, [&](HWND) {
                                       PostThreadMessageA(dialogThread, WM_QUIT, 0, 0);
                                   });
    EXPECT_EQ(shown.result, DialogResult::Cancel);
    EXPECT_TRUE(widgets::QuitTaken());
    EXPECT_FALSE(IsWindow(shown.dialog));
}

}  // namespace
}  // namespace brevant
