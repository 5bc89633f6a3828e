#include "config/ini_text.h"

#include "text/unicode_text.h"

#include <algorithm>

namespace brevant {

namespace {

// Blanks, the other spaces, and ^Z (an end-of-file mark some old files carry).
bool IsSpace(wchar_t c)
{
    switch (c) {
    case L' ': case L'\t': case L'\n': case L'\v': case L'\f': case L'\r':
    case 0x1A: case 0x85: case 0xA0: case 0x1680: case 0x2028: case 0x2029:
    case 0x202F: case 0x205F: case 0x3000:
        return true;
    default:
        return c >= 0x2000 && c <= 0x200A;
    }
}

std::wstring_view Trimmed(std::wstring_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

wchar_t Folded(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

bool SameName(std::wstring_view a, std::wstring_view b)
{
    return std::ranges::equal(a, b, [](wchar_t x, wchar_t y) { return Folded(x) == Folded(y); });
}

// One line of the text: where it stands, what it is.
struct Line {
    std::size_t begin = 0, end = 0;  // the line without its line break
    std::size_t next = 0;            // where the next line begins
    enum Kind { Blank, Section, Key } kind = Blank;
    std::wstring_view name;
    std::optional<std::wstring_view> value;  // a key's, after its "="
};

Line ParseLine(std::wstring_view text, std::size_t begin)
{
    Line line;
    line.begin = begin;
    const std::size_t lineFeed = text.find(L'\n', begin);
    line.next = lineFeed == std::wstring_view::npos ? text.size() : lineFeed + 1;
    line.end = line.next;
    while (line.end > begin && (text[line.end - 1] == L'\n' || text[line.end - 1] == L'\r'))
        --line.end;
    const std::wstring_view content = Trimmed(text.substr(begin, line.end - begin));
    if (content.empty())
        return line;
    if (content.front() == L'[') {
        if (const std::size_t close = content.rfind(L']'); close != std::wstring_view::npos) {
            line.kind = Line::Section;
            line.name = content.substr(1, close - 1);
            return line;
        }
    }
    line.kind = Line::Key;
    const std::size_t equals = content.find(L'=');
    line.name = Trimmed(content.substr(0, equals));
    if (equals != std::wstring_view::npos)
        line.value = Trimmed(content.substr(equals + 1));
    return line;
}

// The first section of the name: its header line and the line after its
// last key; nothing when there is none.
struct SectionPlace {
    Line header;
    std::size_t keysEnd;
};

template <typename VisitKey>
std::optional<SectionPlace> VisitSection(std::wstring_view text, std::wstring_view section, VisitKey&& visit)
{
    std::optional<SectionPlace> found;
    for (std::size_t at = 0; at < text.size();) {
        const Line line = ParseLine(text, at);
        at = line.next;
        if (line.kind == Line::Section) {
            if (found)
                break;
            if (SameName(line.name, section))
                found = SectionPlace{line, line.next};
        } else if (found && line.kind == Line::Key) {
            found->keysEnd = line.next;
            if (visit(line))
                break;
        }
    }
    return found;
}

}  // namespace

std::optional<std::wstring> IniText::Find(std::wstring_view section, std::wstring_view key) const
{
    std::optional<std::wstring> value;
    bool seen = false;
    VisitSection(text_, Trimmed(section), [&](const Line& line) {
        if (!SameName(line.name, Trimmed(key)))
            return false;
        seen = true;
        if (line.value)
            value = std::wstring(*line.value);
        return true;
    });
    return seen ? value : std::nullopt;
}

void IniText::Set(std::wstring_view section, std::wstring_view key, std::wstring_view value)
{
    const std::wstring entry = std::wstring(key) + L"=" + std::wstring(value);
    std::optional<Line> keyLine;
    const auto place = VisitSection(text_, section, [&](const Line& line) {
        if (SameName(line.name, key))
            keyLine = line;
        return keyLine.has_value();
    });
    if (keyLine) {
        text_.replace(keyLine->begin, keyLine->end - keyLine->begin, entry);
        return;
    }
    const auto insertAt = [&](std::size_t at, const std::wstring& lines) {
        // A last line without its line break gets one first.
        const bool breakFirst = at == text_.size() && !text_.empty() && text_.back() != L'\n';
        text_.insert(at, (breakFirst ? L"\r\n" : L"") + lines);
    };
    if (place)
        insertAt(place->keysEnd, entry + L"\r\n");
    else
        insertAt(text_.size(), L"[" + std::wstring(section) + L"]\r\n" + entry + L"\r\n");
}

std::wstring ProfileValue(std::wstring_view value)
{
    value = value.substr(0, value.find(L'\0'));
    if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::wstring(CutToLength(value, LongestProfileValue));
}

}  // namespace brevant
