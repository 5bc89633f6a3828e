#pragma once
// The text of an INI file, read and changed as the platform's profile
// functions read and change it, and nothing else of the file touched: a
// section is a line "[name]"; a key is "name=value"; blanks around names and
// values do not count; names are compared without regard to letter case; only
// the first section of a name, and the first key of a name in it, count.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace brevant {

class IniText {
public:
    explicit IniText(std::wstring text = {}) : text_(std::move(text)) {}

    const std::wstring& Text() const { return text_; }

    // The key's value as the file holds it; nothing when the section, the key
    // or its "=" is absent.
    std::optional<std::wstring> Find(std::wstring_view section, std::wstring_view key) const;

    // Gives the key the value: its line in place, or a new line at the end of
    // the section, or the section with the line at the end of the text.
    void Set(std::wstring_view section, std::wstring_view key, std::wstring_view value);

private:
    std::wstring text_;
};

// The longest value a read gives, in characters, as the platform's buffer of
// 1024 characters holds it with its terminating zero.
inline constexpr std::size_t LongestProfileValue = 1023;

// A value as a read gives it: up to a zero character, one pair of matching
// quote marks (" or ') around it taken off, at most LongestProfileValue
// characters.
std::wstring ProfileValue(std::wstring_view value);

}  // namespace brevant
