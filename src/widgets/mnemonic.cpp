#include "widgets/mnemonic.h"

#include <cctype>

namespace brevant::widgets {

std::optional<char> MnemonicOf(std::string_view caption)
{
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return caption[i + 1];
        ++i;
    }
    return std::nullopt;
}

bool MnemonicMatches(char mnemonic, char typed)
{
    const auto fold = [](char c) { return std::toupper(static_cast<unsigned char>(c)); };
    return fold(mnemonic) == fold(typed);
}

}  // namespace brevant::widgets
