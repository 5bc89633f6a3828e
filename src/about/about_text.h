#pragma once
// The About window's own texts: the maker line, the two links and the terms
// of use shown below them.
#include <array>
#include <string>
#include <string_view>

namespace brevant {

inline constexpr wchar_t kMakerLine[] = L"(c) 2025-2026 the Brevant project";
inline constexpr wchar_t kContactCaption[] = L"Contact us";
inline constexpr wchar_t kWebSiteCaption[] = L"Web Site";

// The tool tips of the two links, naming where each leads.
std::wstring ContactHint();
std::wstring WebSiteHint();

// What the shell is asked to open for each link.
std::wstring ContactTarget();
std::wstring WebSiteTarget();

// The terms: what may be done with the program, a request for mail, a
// disclaimer, the terms of distribution and of commercial use.
extern const std::array<std::wstring_view, 34> kTermsLines;

// The lines joined by line breaks, as a multi-line edit shows them.
std::wstring TermsText();

}  // namespace brevant
