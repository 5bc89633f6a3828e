#include "about/about_text.h"

#include "about/publisher.h"

#include <ranges>

namespace brevant {

std::string ContactHint() { return std::string("Email address (") + kContactAddress + ")"; }

std::string WebSiteHint() { return std::string("Goto my Web Site (") + kWebPage + ")"; }

std::string ContactTarget() { return std::string("mailto:") + kContactAddress; }

std::string WebSiteTarget() { return kWebPage; }

// Each line short enough to stand on one line of the About window's text box.
const std::array<std::string_view, 34> kTermsLines = {
    "Brevant is free. You may use it without charge",
    "and pass it on freely to anyone, also through",
    "download sites and on the discs that come with",
    "computer magazines.",
    "",
    "*******************************************",
    "",
    "Please mail problems, suggestions and questions",
    "to the address above.",
    "",
    "*******************************************",
    "",
    "DISCLAIMER",
    "This program is provided \"as is\", without",
    "warranty of any kind, express or implied,",
    "including the warranties of merchantability and",
    "fitness for a particular purpose. The Brevant",
    "project shall not be liable for any damage or",
    "loss arising from the use of this program or",
    "from being unable to use it.",
    "",
    "DISTRIBUTION",
    "You may copy this program and give it away,",
    "provided that it stays unchanged and complete",
    "with this text, and that nothing is charged for",
    "it beyond the cost of the medium it comes on.",
    "",
    "COMMERCIAL USE",
    "Businesses, schools and public offices may use",
    "this program free of charge on any number of",
    "computers. Selling it, or including it in a",
    "product or service that is sold, requires the",
    "written permission of the Brevant project,",
    "asked for at the address above.",
};

std::string TermsText()
{
    std::string text(kTermsLines.front());
    for (std::string_view line : kTermsLines | std::views::drop(1)) {
        text += "\r\n";
        text += line;
    }
    return text;
}

}  // namespace brevant
