// What the release zip ships besides the program's behaviour: the version
// resource and the manifest of the built brevant.exe, and the sample config
// files, read the way the program reads them.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "config/config_values.h"
#include "config/ini_file.h"
#include "text/clock_time_text.h"
#include "text/integer_text.h"
#include "text/time_value.h"

namespace brevant {
namespace {

std::filesystem::path TestExeFolder()
{
    char buffer[MAX_PATH];
    GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    return std::filesystem::path(buffer).parent_path();
}

// The test exe is built in a folder below the one that holds brevant.exe.
std::filesystem::path FindBrevantExe()
{
    for (auto folder = TestExeFolder();; folder = folder.parent_path()) {
        if (std::filesystem::exists(folder / "brevant.exe"))
            return folder / "brevant.exe";
        if (folder == folder.parent_path())
            return {};
    }
}

class VersionResource : public testing::Test {
protected:
    void SetUp() override
    {
        const std::string exe = FindBrevantExe().string();
        ASSERT_FALSE(exe.empty()) << "brevant.exe not found above the test exe";
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &ignored);
        ASSERT_NE(size, 0u) << exe << " has no version resource";
        data_.resize(size);
        ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, size, data_.data()));
    }

    // A value of the first string table the translation list names.
    std::string StringValue(const std::string& name)
    {
        struct Translation {
            WORD language, codePage;
        };
        Translation* translations = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(data_.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                            &length) ||
            length < sizeof(Translation))
            return "(no translation)";
        char path[64];
        wsprintfA(path, "\\StringFileInfo\\%04x%04x\\", translations->language, translations->codePage);
        char* value = nullptr;
        if (!VerQueryValueA(data_.data(), (path + name).c_str(), reinterpret_cast<void**>(&value), &length))
            return "(missing)";
        return value;
    }

    const VS_FIXEDFILEINFO* FixedInfo()
    {
        VS_FIXEDFILEINFO* info = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(data_.data(), "\\", reinterpret_cast<void**>(&info), &length) || length < sizeof *info)
            return nullptr;
        return info;
    }

private:
    std::vector<char> data_;
};

TEST_F(VersionResource, NamesTheProductItsMakerAndVersion103)
{
    const struct {
        const char* name;
        const char* value;
    } expected[] = {
        {"FileVersion", "1.03"},
        {"ProductVersion", "1.03"},
        {"ProductName", "Brevant"},
        {"CompanyName", "the Brevant project"},
        {"OriginalFilename", "brevant.exe"},
        {"FileDescription", "Brevant: shows one message at a chosen moment"},
    };
    for (const auto& [name, value] : expected) {
        SCOPED_TRACE(name);
        EXPECT_EQ(StringValue(name), value);
    }
}

TEST_F(VersionResource, FixedPartGivesVersion1_3AndAnApplication)
{
    const VS_FIXEDFILEINFO* info = FixedInfo();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(info->dwFileVersionMS, MAKELONG(3, 1));
    EXPECT_EQ(info->dwFileVersionLS, 0u);
    EXPECT_EQ(info->dwProductVersionMS, MAKELONG(3, 1));
    EXPECT_EQ(info->dwProductVersionLS, 0u);
    EXPECT_EQ(info->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(info->dwFileFlags & info->dwFileFlagsMask, 0u);
}

struct ModuleReleaser {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};

TEST(Manifest, IsEmbeddedAsInvokerForWindows7To11)
{
    const std::string exe = FindBrevantExe().string();
    ASSERT_FALSE(exe.empty());
    std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleReleaser> module(
        LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_NE(module, nullptr);
    HRSRC found = FindResourceA(module.get(), CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
    ASSERT_NE(found, nullptr);
    const std::string_view manifest(static_cast<const char*>(LockResource(LoadResource(module.get(), found))),
                                    SizeofResource(module.get(), found));
    EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"),
              std::string_view::npos);
    const struct {
        const char* windows;
        const char* id;
    } supported[] = {
        {"7", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"},
        {"8", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"},
        {"8.1", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}"},
        {"10 and 11", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"},
    };
    for (const auto& [windows, id] : supported) {
        SCOPED_TRACE(windows);
        EXPECT_NE(manifest.find(std::string("<supportedOS Id=\"") + id + "\"/>"), std::string_view::npos);
    }
}

// The manifest asks for the common controls of version 6, which draw the
// controls in the system's visual style: activated, it brings them from the
// platform's store of side-by-side assemblies. (Wine's copy of version 6
// reports 5.81 from DllGetVersion, as its version 5 does: the assembly it
// comes from tells them apart.)
TEST(Manifest, BringsTheCommonControlsOfVersion6)
{
    const std::string exe = FindBrevantExe().string();
    ASSERT_FALSE(exe.empty());
    ACTCTXA manifest{};
    manifest.cbSize = sizeof manifest;
    manifest.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    manifest.lpSource = exe.c_str();
    manifest.lpResourceName = CREATEPROCESS_MANIFEST_RESOURCE_ID;
    const HANDLE context = CreateActCtxA(&manifest);
    ASSERT_NE(context, INVALID_HANDLE_VALUE);
    ULONG_PTR cookie = 0;
    ASSERT_TRUE(ActivateActCtx(context, &cookie));
    const std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleReleaser> controls(LoadLibraryA("comctl32.dll"));
    DeactivateActCtx(0, cookie);
    ReleaseActCtx(context);
    ASSERT_NE(controls, nullptr);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(controls.get(), path, MAX_PATH);
    std::string assembly = std::filesystem::path(path).parent_path().filename().string();
    std::transform(assembly.begin(), assembly.end(), assembly.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_NE(assembly.find("_microsoft.windows.common-controls_6595b64144ccf1df_6."), std::string::npos) << path;
}

// The samples are copied beside the test exe by the build.
TEST(SampleConfigs, LoadAsAMinutesReminderAndAClockTimeUnderA24HourFormat)
{
    LocaleTimeSettings twentyFourHours;
    const TimePatterns patterns = BuildTimePatterns(false, true, false);
    twentyFourHours.ShortTimePattern = patterns.ShortTimePattern;
    twentyFourHours.LongTimePattern = patterns.LongTimePattern;

    const struct {
        const char* file;
        MessageKind kind;
        const wchar_t* time;
        DialogButtonSet buttons;
    } samples[] = {
        {"reminder-in-15-minutes.cfg", MessageKind::Information, L"15", DialogButton::OK},
        {"reminder-at-15-30.cfg", MessageKind::Confirmation, L"15:30:00", DialogButton::Yes | DialogButton::No},
    };
    for (const auto& sample : samples) {
        SCOPED_TRACE(sample.file);
        const std::filesystem::path path = TestExeFolder() / "samples" / sample.file;
        ASSERT_TRUE(std::filesystem::is_regular_file(path));
        const TIniFile file(path.wstring(), TIniFile::Access::Read);

        const std::wstring text = CaretsToLineBreaks(file.ReadText(ConfigSection, TextKey, L""));
        EXPECT_NE(text.find(L"\r\n"), std::wstring::npos) << "a two-line message";
        EXPECT_EQ(KindFromFileTypeCode(file.ReadNumber(ConfigSection, TypeKey, UnreadableTypeCode)), sample.kind);
        EXPECT_EQ(file.ReadText(ConfigSection, DelayKey, L""), DelayedValue);

        const std::wstring time = file.ReadText(ConfigSection, TimeKey, L"");
        EXPECT_EQ(time, sample.time);
        if (IsClockTime(time, L':')) {
            EXPECT_EQ(TextToTime(time, twentyFourHours), ComposeTime(15, 30, 0, 0));
        } else {
            EXPECT_EQ(TextToInteger(time), 15);
        }

        const ButtonsSelection buttons = ReadButtonsValue(file.ReadText(ConfigSection, ButtonsKey, L""));
        EXPECT_EQ(buttons.choice, ButtonsChoice::Display);
        EXPECT_EQ(ButtonSetOf(buttons), sample.buttons);
    }
}

}  // namespace
}  // namespace brevant
