#include "config/file_io.h"

#include "text/error.h"
#include "widgets/handles.h"

#include <windows.h>

#include <climits>
#include <vector>

namespace brevant {

namespace {

// A file opened by CreateFileW, closed once; INVALID_HANDLE_VALUE is none.
inline void CloseFile(HANDLE file)
{
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
}
using FileHandle = widgets::UniqueHandle<HANDLE, CloseFile>;

// Larger files are no config files: reading them whole would only cost memory.
constexpr ULONGLONG kLargestFile = 64ull << 20;

std::wstring SystemReason(DWORD code)
{
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
        0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason = length ? std::wstring(text, length) : L"error " + std::to_wstring(code);
    LocalFree(text);
    while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L' ' ||
                               reason.back() == L'.'))
        reason.pop_back();
    return reason;
}

[[noreturn]] void ThrowUnreadable(const std::wstring& path, DWORD code)
{
    throw Error(FormatError(L"Unable to read %s", path) + L": " + SystemReason(code));
}

[[noreturn]] void ThrowUnwritable(const std::wstring& path)
{
    throw Error(FormatError(L"Unable to write to %s", path));
}

// The folder part of the path with its separator ("C:\x\", "C:\", "C:").
std::wstring FolderOf(const std::wstring& path)
{
    const std::size_t separator = path.find_last_of(L"\\/:");
    return separator == std::wstring::npos ? L"." : path.substr(0, separator + 1);
}

bool WriteWhole(HANDLE file, const std::string& bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 20));
        DWORD done = 0;
        if (!WriteFile(file, bytes.data() + written, chunk, &done, nullptr) || done == 0)
            return false;
        written += done;
    }
    return FlushFileBuffers(file) != FALSE;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    const FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        switch (const DWORD error = GetLastError()) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_PATHNAME:
            return std::nullopt;
        default:
            ThrowUnreadable(path, error);
        }
    }
    if (GetFileType(file.get()) != FILE_TYPE_DISK)
        return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        ThrowUnreadable(path, GetLastError());
    if (static_cast<ULONGLONG>(size.QuadPart) > kLargestFile)
        ThrowUnreadable(path, ERROR_FILE_TOO_LARGE);
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t read = 0;
    while (read < bytes.size()) {
        DWORD done = 0;
        if (!ReadFile(file.get(), bytes.data() + read, static_cast<DWORD>(bytes.size() - read), &done, nullptr))
            ThrowUnreadable(path, GetLastError());
        if (done == 0)
            break;
        read += done;
    }
    bytes.resize(read);
    return bytes;
}

void ReplaceFileBytes(const std::wstring& path, const std::string& bytes)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        ThrowUnwritable(path);
    std::vector<wchar_t> temporary(MAX_PATH + 1);
    if (!GetTempFileNameW(FolderOf(path).c_str(), L"brv", 0, temporary.data()))
        ThrowUnwritable(path);
    bool written = false;
    {
        const FileHandle file(CreateFileW(temporary.data(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
        written = file.get() != INVALID_HANDLE_VALUE && WriteWhole(file.get(), bytes);
    }
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    // An existing file is replaced so that it keeps its attributes, its
    // owner and its permissions; a new one takes the new bytes' place.
    const bool placed = written && (exists ? ReplaceFileW(path.c_str(), temporary.data(), nullptr,
                                                          REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                                           : MoveFileExW(temporary.data(), path.c_str(), MOVEFILE_WRITE_THROUGH));
    if (!placed) {
        DeleteFileW(temporary.data());
        ThrowUnwritable(path);
    }
    // Some platforms' ReplaceFileW (Wine's) leave the attributes behind.
    constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                      FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if (exists && (GetFileAttributesW(path.c_str()) & kKeptAttributes) != (attributes & kKeptAttributes))
        SetFileAttributesW(path.c_str(), attributes & kKeptAttributes ? attributes & kKeptAttributes
                                                                      : FILE_ATTRIBUTE_NORMAL);
}

const AnsiCodePage& UserAnsiCodePage()
{
    static const AnsiCodePage ansi{
        .decode =
            [](std::string_view bytes) {
                std::wstring text;
                if (bytes.empty() || bytes.size() > INT_MAX)
                    return text;
                const int length = static_cast<int>(bytes.size());
                text.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0)));
                MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, text.data(), static_cast<int>(text.size()));
                return text;
            },
        .encode = [](std::wstring_view text) -> std::optional<std::string> {
            if (text.size() > INT_MAX / 4)
                return std::nullopt;
            const int length = static_cast<int>(text.size());
            std::string bytes(static_cast<std::size_t>(
                                  WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr)),
                              '\0');
            BOOL lossy = FALSE;
            WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, bytes.data(),
                                static_cast<int>(bytes.size()), nullptr, &lossy);
            // Exactly: nothing replaced, and the bytes read back as the text.
            if (lossy || UserAnsiCodePage().decode(bytes) != text)
                return std::nullopt;
            return bytes;
        },
    };
    return ansi;
}

}  // namespace brevant
