#pragma once
// A folder of one test's own under the Wine prefix's temp folder, removed with
// everything in it (read-only files included) when the test ends; and whole
// files read and written in one go. Paths are wide, as the program takes them.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace brevant {

class TestFolder {
public:
    // Named after the prefix, the process and the running test.
    explicit TestFolder(const std::wstring& prefix)
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '-');
        path_ = std::wstring(temp) + prefix + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::wstring(name.begin(), name.end());
        std::filesystem::remove_all(path_);
        EXPECT_TRUE(std::filesystem::create_directory(path_));
    }

    ~TestFolder()
    {
        std::error_code error;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, error))
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        std::filesystem::remove_all(path_, error);
        EXPECT_FALSE(error) << error.message();
    }

    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring PathOf(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

inline std::string FileContents(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline void WriteWholeFile(const std::filesystem::path& path, const std::string& contents)
{
    std::ofstream file(path, std::ios::binary);
    file << contents;
    EXPECT_TRUE(file.good()) << path;
}

// Writes the file and marks it read-only; false when the platform lets this
// user write it all the same (a Unix root user under Wine).
inline bool WriteReadOnlyFile(const std::wstring& path, const std::string& contents)
{
    WriteWholeFile(path, contents);
    EXPECT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
    HANDLE probe = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe == INVALID_HANDLE_VALUE)
        return true;
    CloseHandle(probe);
    return false;
}

}  // namespace brevant
