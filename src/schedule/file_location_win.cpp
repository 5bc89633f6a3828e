#include "schedule/file_location.h"

#include "schedule/task_definition.h"

#include <windows.h>

#include <string>

namespace brevant {

namespace {

// The long form of a folder's path: the temporary folder is often named in
// its short 8.3 form (C:\Users\ANNMAR~1\...), while chosen files are not.
std::wstring LongPath(const std::wstring& path)
{
    wchar_t buffer[MAX_PATH * 2];
    const DWORD length = GetLongPathNameW(path.c_str(), buffer, ARRAYSIZE(buffer));
    return length > 0 && length < ARRAYSIZE(buffer) ? std::wstring(buffer, length) : path;
}

bool InTemporaryFolder(std::wstring_view path)
{
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(ARRAYSIZE(temp), temp);
    if (length == 0 || length > MAX_PATH)
        return false;
    const std::wstring folder(temp, length);
    return IsInsideFolder(path, folder) || IsInsideFolder(path, LongPath(folder));
}

}  // namespace

Location LocationOf(std::wstring_view fullPath)
{
    if (InTemporaryFolder(fullPath))
        return Location::Temporary;
    if (fullPath.starts_with(L"\\\\"))
        return Location::Network;
    wchar_t root[MAX_PATH + 1];
    const std::wstring path(fullPath);
    if (!GetVolumePathNameW(path.c_str(), root, ARRAYSIZE(root)))
        return Location::Lasting;
    switch (GetDriveTypeW(root)) {
    case DRIVE_REMOTE:
        return Location::Network;
    case DRIVE_REMOVABLE:
    case DRIVE_CDROM:
    case DRIVE_RAMDISK:
        return Location::Removable;
    default:
        return Location::Lasting;
    }
}

}  // namespace brevant
