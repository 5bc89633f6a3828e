// The About window's terms text: 34 lines in blocks separated by single blank
// lines, in the order the window presents them; and the link addresses set at
// build time.
#include "about/about_text.h"
#include "about/publisher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <string>
#include <string_view>
#include <vector>

namespace brevant {
namespace {

using Block = std::vector<std::wstring_view>;

std::vector<Block> Blocks()
{
    std::vector<Block> blocks(1);
    for (std::wstring_view line : kTermsLines) {
        if (line.empty())
            blocks.emplace_back();
        else
            blocks.back().push_back(line);
    }
    return blocks;
}

bool IsUpperCaseHeading(std::wstring_view line)
{
    return std::ranges::any_of(line, [](wchar_t c) { return std::iswalpha(static_cast<wint_t>(c)); }) &&
           std::ranges::none_of(line, [](wchar_t c) { return std::iswlower(static_cast<wint_t>(c)); });
}

TEST(AboutTextTest, TermsComeInTheirBlocksSeparatedBySingleBlankLines)
{
    const std::vector<Block> blocks = Blocks();
    ASSERT_EQ(blocks.size(), 7u);
    for (const Block& block : blocks)
        EXPECT_FALSE(block.empty()) << L"a leading, trailing or doubled blank line";

    EXPECT_NE(blocks[0].front().find(L"free"), std::wstring_view::npos);
    for (size_t stars : {1u, 3u}) {
        SCOPED_TRACE(stars);
        ASSERT_EQ(blocks[stars].size(), 1u);
        EXPECT_TRUE(std::ranges::all_of(blocks[stars].front(), [](wchar_t c) { return c == L'*'; }));
    }
    EXPECT_EQ(blocks[2].front().rfind(L"Please mail", 0), 0u);

    const wchar_t* const headings[] = {L"DISCLAIMER", L"DISTRIBUTION", L"COMMERCIAL USE"};
    for (size_t i = 0; i < 3; ++i) {
        const Block& section = blocks[4 + i];
        SCOPED_TRACE(headings[i]);
        EXPECT_EQ(section.front(), headings[i]);
        ASSERT_GT(section.size(), 1u);
        EXPECT_TRUE(std::ranges::none_of(section.begin() + 1, section.end(), IsUpperCaseHeading));
    }
}

TEST(AboutTextTest, TermsTextIsTheLinesJoinedByLineBreaks)
{
    const std::wstring text = TermsText();
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    ASSERT_EQ(lines.size(), kTermsLines.size());
    EXPECT_TRUE(std::ranges::equal(lines, kTermsLines));
}

TEST(AboutTextTest, BuildTimeAddressesAreAMailAddressAndAWebAddress)
{
    const std::wstring_view contact = kContactAddress, page = kWebPage;
    EXPECT_EQ(std::ranges::count(contact, L'@'), 1);
    EXPECT_EQ(contact.find(L':'), std::wstring_view::npos) << L"given without mailto:";
    EXPECT_TRUE(page.starts_with(L"http://") || page.starts_with(L"https://"));
    EXPECT_EQ(ContactTarget(), L"mailto:" + std::wstring(contact));
}

}  // namespace
}  // namespace brevant
