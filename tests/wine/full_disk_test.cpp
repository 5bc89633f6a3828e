// A save to a full disk: nothing of the old file is lost, nothing half-made
// is left, and the user is told. Runs only on the disk with_full_disk.sh
// makes (BREVANT_FULL_DISK names its drive); skipped otherwise.
#include "main_window_fixture.h"
#include "test_folder.h"
#include "text/unicode_text.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace brevant {
namespace {

class FullDiskTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        const char* drive = std::getenv("BREVANT_FULL_DISK");
        if (!drive)
            GTEST_SKIP() << "run by with_full_disk.sh on a full disk";
        drive_ = std::filesystem::path(drive);
        MainWindowTest::SetUp();
    }

    // Fills the disk: bytes in a file of their own until no more fit.
    void Fill()
    {
        std::ofstream filler(drive_ / L"filler", std::ios::binary);
        const std::string block(512, 'f');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) && filler.flush()) {
        }
    }

    std::vector<std::wstring> Entries() const
    {
        std::vector<std::wstring> names;
        for (const auto& entry : std::filesystem::directory_iterator(drive_))
            names.push_back(entry.path().filename().wstring());
        return names;
    }

    std::filesystem::path drive_;
};

TEST_F(FullDiskTest, ASaveReplacesTheFileWholeOrLeavesItAsItWas)
{
    const std::wstring old = (drive_ / L"old.cfg").wstring();
    const std::string oldBytes = "[Message1]\r\nText=as it was\r\nType=1\r\nDelay=FALSE\r\nTime=0\r\nButtons=\r\n" +
                                 std::string(100 - 65, ' ') + "\r\n";
    WriteWholeFile(old, oldBytes);
    Fill();
    const std::vector<std::wstring> before = Entries();

    form->Memo1.SetText(std::wstring(6000, L'n'));
    for (const std::wstring& path : {old, (drive_ / L"new.cfg").wstring()}) {
        SCOPED_TRACE(TextToUtf8(path));
        g_reported.clear();
        form->setConfigFileName(path);
        widgets::GuardOutermost([&] { form->SaveConfigFile(); });
        EXPECT_EQ(g_reported, std::vector<std::wstring>{L"Unable to write to " + path});
        EXPECT_EQ(Entries(), before) << "something half-made was left";
    }
    EXPECT_EQ(FileContents(old), oldBytes);
    EXPECT_FALSE(TakeQuitRequest());
}

}  // namespace
}  // namespace brevant
