#pragma once
// The keyboard accelerator of a caption: the character after its first single
// ampersand ("&&" shows one ampersand and marks nothing).
#include <optional>
#include <string_view>

namespace brevant::widgets {

std::optional<wchar_t> MnemonicOf(std::wstring_view caption);

// Compares an accelerator with a typed character without regard to case.
bool MnemonicMatches(wchar_t mnemonic, wchar_t typed);

}  // namespace brevant::widgets
