#include "about/about_text.h"

#include "about/publisher.h"

#include <ranges>

namespace brevant {

std::wstring ContactHint() { return std::wstring(L"Email address (") + kContactAddress + L")"; }

std::wstring WebSiteHint() { return std::wstring(L"Goto my Web Site (") + kWebPage + L")"; }

std::wstring ContactTarget() { return std::wstring(L"mailto:") + kContactAddress; }

std::wstring WebSiteTarget() { return kWebPage; }

// Each line short enough to stand on one line of the About window's text box.
const std::array<std::wstring_view, 34> kTermsLines = {
    L"Brevant is free. You may use it without charge",
    L"and pass it on freely to anyone, also through",
    L"download sites and on the discs that come with",
    L"computer magazines.",
    L"",
    L"*******************************************",
    L"",
    L"Please mail problems, suggestions and questions",
    L"to the address above.",
    L"",
    L"*******************************************",
    L"",
    L"DISCLAIMER",
    L"This program is provided \"as is\", without",
    L"warranty of any kind, express or implied,",
    L"including the warranties of merchantability and",
    L"fitness for a particular purpose. The Brevant",
    L"project shall not be liable for any damage or",
    L"loss arising from the use of this program or",
    L"from being unable to use it.",
    L"",
    L"DISTRIBUTION",
    L"You may copy this program and give it away,",
    L"provided that it stays unchanged and complete",
    L"with this text, and that nothing is charged for",
    L"it beyond the cost of the medium it comes on.",
    L"",
    L"COMMERCIAL USE",
    L"Businesses, schools and public offices may use",
    L"this program free of charge on any number of",
    L"computers. Selling it, or including it in a",
    L"product or service that is sold, requires the",
    L"written permission of the Brevant project,",
    L"asked for at the address above.",
};

std::wstring TermsText()
{
    std::wstring text(kTermsLines.front());
    for (std::wstring_view line : kTermsLines | std::views::drop(1)) {
        text += L"\r\n";
        text += line;
    }
    return text;
}

}  // namespace brevant
