#include "widgets/mnemonic.h"

#include <cwctype>

namespace brevant::widgets {

std::optional<wchar_t> MnemonicOf(std::wstring_view caption)
{
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&')
            continue;
        if (caption[i + 1] != L'&')
            return caption[i + 1];
        ++i;
    }
    return std::nullopt;
}

bool MnemonicMatches(wchar_t mnemonic, wchar_t typed)
{
    const auto fold = [](wchar_t c) { return std::towupper(static_cast<wint_t>(c)); };
    return fold(mnemonic) == fold(typed);
}

}  // namespace brevant::widgets
