#include "AstroContent.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <string>

namespace {

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

} // namespace

TEST(AstroContent, HoldsExactlyThreeParagraphs)
{
    const auto doc = nlohmann::ordered_json::parse(content::astroJson(), nullptr, false);
    ASSERT_TRUE(doc.is_object()) << "content/astro.json is not a JSON object";
    ASSERT_EQ(doc.size(), 1u);
    ASSERT_TRUE(doc.contains("paragraphs"));
    ASSERT_TRUE(doc["paragraphs"].is_array());
    ASSERT_EQ(doc["paragraphs"].size(), 3u);
    for (const auto& p : doc["paragraphs"]) {
        ASSERT_TRUE(p.is_string());
        const std::string text = p.get<std::string>();
        EXPECT_GE(text.size(), 80u) << text;
        EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << text;
    }
    EXPECT_EQ(astro::ExplanatoryParagraphs().size(), 3u);
}

// The paragraphs stand in a fixed order: a planet's power, then Power and
// Harmony and their product, then how the percentage is found.
TEST(AstroContent, ParagraphsKeepTheirOrder)
{
    const std::string first = lower(astro::ExplanatoryParagraph(0));
    const std::string second = lower(astro::ExplanatoryParagraph(1));
    const std::string third = lower(astro::ExplanatoryParagraph(2));
    EXPECT_NE(first.find("house"), std::string::npos) << first;
    EXPECT_NE(second.find("power"), std::string::npos) << second;
    EXPECT_NE(second.find("harmony"), std::string::npos) << second;
    EXPECT_NE(third.find("percentage"), std::string::npos) << third;
    EXPECT_NE(third.find("average"), std::string::npos) << third;
}

TEST(AstroContent, OtherIndexesGiveTheEmptyText)
{
    EXPECT_EQ(astro::ExplanatoryParagraph(-1), "");
    EXPECT_EQ(astro::ExplanatoryParagraph(3), "");
}
