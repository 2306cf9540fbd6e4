#include "modMoonsign.h"

#include "SignNames.h"

#include "TextChecks.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstddef>
#include <set>
#include <string>

namespace {

const nlohmann::ordered_json& pairs()
{
    static const nlohmann::ordered_json doc =
        nlohmann::ordered_json::parse(content::moonsignJson(), nullptr, false);
    static const nlohmann::ordered_json none = nlohmann::ordered_json::object();
    if (!doc.is_object() || !doc.contains("pairs") || !doc["pairs"].is_object())
        return none;
    return doc["pairs"];
}

std::string keyOf(std::size_t a, std::size_t b)
{
    return std::string(signs::SignNames[a]) + "-" + std::string(signs::SignNames[b]);
}

} // namespace

TEST(MoonsignContent, HoldsOnlyThePairsInZodiacOrder)
{
    const auto doc = nlohmann::ordered_json::parse(content::moonsignJson(), nullptr, false);
    ASSERT_TRUE(doc.is_object()) << "content/moonsign.json is not a JSON object";
    ASSERT_EQ(doc.size(), 1u);
    ASSERT_TRUE(doc.contains("pairs"));

    std::set<std::string> expected;
    for (std::size_t a = 0; a < 12; ++a)
        for (std::size_t b = a; b < 12; ++b)
            expected.insert(keyOf(a, b));
    ASSERT_EQ(expected.size(), 78u);

    std::set<std::string> found;
    for (const auto& [key, value] : pairs().items()) {
        found.insert(key);
        EXPECT_TRUE(value.is_string()) << key;
    }
    EXPECT_EQ(found, expected);
}

TEST(MoonsignContent, EveryTextIsOneDistinctParagraphOfTheStatedLength)
{
    std::set<std::string> distinct;
    for (const auto& [key, value] : pairs().items()) {
        if (!value.is_string())
            continue;
        const std::string text = value.get<std::string>();
        const long length = codePoints(text);
        EXPECT_GE(length, 542) << key;
        EXPECT_LE(length, 1075) << key;
        EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << key;
        distinct.insert(text);
    }
    EXPECT_EQ(distinct.size(), pairs().size());
}

TEST(MoonsignContent, AriesWithSagittariusIsTheLongest)
{
    ASSERT_TRUE(pairs().contains("Aries-Sagittarius"));
    const long longest = codePoints(pairs()["Aries-Sagittarius"].get<std::string>());
    EXPECT_EQ(longest, 1075);
    for (const auto& [key, value] : pairs().items()) {
        if (key != "Aries-Sagittarius" && value.is_string()) {
            EXPECT_LT(codePoints(value.get<std::string>()), longest) << key;
        }
    }
}

TEST(MoonsignContent, EveryTextNamesItsSigns)
{
    for (std::size_t a = 0; a < 12; ++a)
        for (std::size_t b = a; b < 12; ++b) {
            const std::string key = keyOf(a, b);
            if (!pairs().contains(key) || !pairs()[key].is_string())
                continue;
            const std::string text = pairs()[key].get<std::string>();
            EXPECT_NE(text.find(signs::SignNames[a]), std::string::npos) << key;
            EXPECT_NE(text.find(signs::SignNames[b]), std::string::npos) << key;
        }
}

TEST(MoonsignContent, TheTablesCarryTheTextOfTheEarlierSignFirst)
{
    modMoonsign::LoadMoonSignTables();
    const auto& text = modMoonsign::state().MoonPairText;
    for (std::size_t a = 0; a < 12; ++a)
        for (std::size_t b = a; b < 12; ++b) {
            const std::string key = keyOf(a, b);
            ASSERT_TRUE(pairs().contains(key)) << key;
            EXPECT_EQ(text[a][b], pairs()[key].get<std::string>()) << key;
            EXPECT_EQ(text[b][a], pairs()[key].get<std::string>()) << key;
        }
}
