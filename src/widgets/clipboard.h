#pragma once
#include <windows.h>

#include <string_view>

namespace brevant::widgets {

// Puts the text on the clipboard in place of what it held; throws Error when
// another program keeps the clipboard open.
void CopyToClipboard(HWND owner, std::wstring_view text);

}  // namespace brevant::widgets
