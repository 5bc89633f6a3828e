#pragma once
// The automation's narrow texts are in the ANSI code page, as the platform's
// ...A functions take and give them; the wide forms pass any text whole.
#include <windows.h>

#include <climits>
#include <string>
#include <string_view>

namespace uia {

inline std::wstring Widened(std::string_view ansi)
{
    if (ansi.empty() || ansi.size() > INT_MAX)
        return {};
    const int size = static_cast<int>(ansi.size());
    std::wstring wide(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

inline std::string Narrowed(std::wstring_view wide)
{
    if (wide.empty() || wide.size() > INT_MAX / 4)
        return {};
    const int size = static_cast<int>(wide.size());
    std::string ansi(
        static_cast<size_t>(WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), size, ansi.data(), static_cast<int>(ansi.size()), nullptr, nullptr);
    return ansi;
}

}  // namespace uia
