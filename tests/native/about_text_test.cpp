// The About window's terms text: 34 lines in blocks separated by single blank
// lines, in the order the window presents them; and the link addresses set at
// build time.
#include "about/about_text.h"
#include "about/publisher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

namespace brevant {
namespace {

using Block = std::vector<std::string_view>;

std::vector<Block> Blocks()
{
    std::vector<Block> blocks(1);
    for (std::string_view line : kTermsLines) {
        if (line.empty())
            blocks.emplace_back();
        else
            blocks.back().push_back(line);
    }
    return blocks;
}

bool IsUpperCaseHeading(std::string_view line)
{
    return std::ranges::any_of(line, [](unsigned char c) { return std::isalpha(c); }) &&
           std::ranges::none_of(line, [](unsigned char c) { return std::islower(c); });
}

TEST(AboutTextTest, TermsComeInTheirBlocksSeparatedBySingleBlankLines)
{
    const std::vector<Block> blocks = Blocks();
    ASSERT_EQ(blocks.size(), 7u);
    for (const Block& block : blocks)
        EXPECT_FALSE(block.empty()) << "a leading, trailing or doubled blank line";

    EXPECT_NE(blocks[0].front().find("free"), std::string_view::npos);
    for (size_t stars : {1u, 3u}) {
        SCOPED_TRACE(stars);
        ASSERT_EQ(blocks[stars].size(), 1u);
        EXPECT_TRUE(std::ranges::all_of(blocks[stars].front(), [](char c) { return c == '*'; }));
    }
    EXPECT_EQ(blocks[2].front().rfind("Please mail", 0), 0u);

    const char* const headings[] = {"DISCLAIMER", "DISTRIBUTION", "COMMERCIAL USE"};
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
    const std::string text = TermsText();
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    ASSERT_EQ(lines.size(), kTermsLines.size());
    EXPECT_TRUE(std::ranges::equal(lines, kTermsLines));
}

TEST(AboutTextTest, BuildTimeAddressesAreAMailAddressAndAWebAddress)
{
    const std::string_view contact = kContactAddress, page = kWebPage;
    EXPECT_EQ(std::ranges::count(contact, '@'), 1);
    EXPECT_EQ(contact.find(':'), std::string_view::npos) << "given without mailto:";
    EXPECT_TRUE(page.starts_with("http://") || page.starts_with("https://"));
    EXPECT_EQ(ContactTarget(), "mailto:" + std::string(contact));
}

}  // namespace
}  // namespace brevant
