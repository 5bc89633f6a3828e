#pragma once
// The About window's own texts: the maker line, the two links and the terms
// of use shown below them.
#include <array>
#include <string>
#include <string_view>

namespace brevant {

inline constexpr char kMakerLine[] = "(c) 2025-2026 the Brevant project";
inline constexpr char kContactCaption[] = "Contact us";
inline constexpr char kWebSiteCaption[] = "Web Site";

// The tool tips of the two links, naming where each leads.
std::string ContactHint();
std::string WebSiteHint();

// What the shell is asked to open for each link.
std::string ContactTarget();
std::string WebSiteTarget();

// The terms: what may be done with the program, a request for mail, a
// disclaimer, the terms of distribution and of commercial use.
extern const std::array<std::string_view, 34> kTermsLines;

// The lines joined by line breaks, as a multi-line edit shows them.
std::string TermsText();

}  // namespace brevant
