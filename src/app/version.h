#pragma once
// The program's version: the caption and the About window show it, and the
// exe's version resource (src/resources/version.rc) carries it.
#define BREVANT_VERSION_TEXT "1.03"
#define BREVANT_VERSION_NUMBERS 1, 3, 0, 0

#ifndef RC_INVOKED
namespace brevant {

inline constexpr wchar_t kVersion[] = L"" BREVANT_VERSION_TEXT;

}  // namespace brevant
#endif
