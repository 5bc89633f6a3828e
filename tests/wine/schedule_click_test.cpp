// Schedule... in the configuration window: a task always runs a saved file.
// A second thread plays the user: it closes the dialog "Schedule Message" or
// the Save dialog that comes first, and notes which came.
#include "main_window_fixture.h"
#include "test_folder.h"

#include "automation/find.h"
#include "automation/input.h"
#include "text/unicode_text.h"

#include <thread>

namespace brevant {
namespace {

class ScheduleClickTest : public MainWindowTest {
protected:
    // Clicks Schedule... and closes the first window of these captions that
    // opens; returns its caption (empty when none came).
    std::string ScheduleAndClose()
    {
        std::string came;
        std::thread user([&] {
            const bool found = uia::WaitUntil([&] {
                for (const char* caption : {"Schedule Message", "Save Brevant Config File"}) {
                    if (const HWND window = uia::FindTopLevelWindow({.caption = caption, .processId = GetCurrentProcessId()})) {
                        came = caption;
                        uia::RequestClose(window);
                        return true;
                    }
                }
                return false;
            });
            EXPECT_TRUE(found);
        });
        form->btnScheduleClick();
        user.join();
        return came;
    }

    TestFolder folder{L"schedule-click-"};
};

TEST_F(ScheduleClickTest, ChangedMessageIsSavedAgainBeforeTheDialogOpens)
{
    Show();
    const std::wstring file = folder.PathOf(L"lunch.cfg");
    form->setConfigFileName(file);
    form->Memo1.SetText(L"First");
    form->SaveConfigFile();
    form->Memo1.SetText(L"Second");
    EXPECT_EQ(ScheduleAndClose(), "Schedule Message");
    EXPECT_NE(FileContents(file).find("Text=Second"), std::string::npos) << FileContents(file);
    EXPECT_EQ(g_reported, std::vector<std::wstring>{});
}

TEST_F(ScheduleClickTest, FileThatFailedToLoadIsNeverSavedOverUnasked)
{
    Show();
    const std::wstring file = folder.PathOf(L"broken.cfg");
    const std::string broken = "[Message1]\r\nText=Kept\r\nType=1\r\nDelay=TRUE\r\nTime=25:99:99\r\n";
    WriteWholeFile(file, broken);
    form->setConfigFileName(file);
    widgets::GuardOutermost([&] { form->LoadConfigFile(); });  // refused: its time is unreadable
    ASSERT_EQ(g_reported.size(), 1u);
    form->Memo1.SetText(L"Designed here");
    EXPECT_EQ(ScheduleAndClose(), "Save Brevant Config File");
    EXPECT_EQ(FileContents(file), broken);
}

}  // namespace
}  // namespace brevant
