#include "dialogs/message_text.h"

namespace brevant {

std::wstring TextAsLabelDraws(std::wstring_view text)
{
    std::wstring drawn;
    drawn.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        // An ampersand underlines the character after it, which is drawn as it stands.
        if (text[i] == L'&' && i + 1 < text.size())
            ++i;
        const wchar_t c = text[i];
        if (c != L'\r' && c != L'\n') {
            drawn += c;
            continue;
        }
        if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n')
            ++i;
        drawn += L"\r\n";
    }
    return drawn;
}

}  // namespace brevant
