#include "NumerologyNumbers.h"

#include "TextChecks.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstddef>
#include <set>
#include <string>
#include <vector>

using Json = nlohmann::ordered_json;

namespace {

std::size_t editDistance(const std::string& a, const std::string& b)
{
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t up = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = up;
        }
    }
    return row[b.size()];
}

const Json& doc()
{
    static const Json parsed = Json::parse(content::numerologyJson(), nullptr, false);
    return parsed;
}

std::vector<std::string> texts()
{
    std::vector<std::string> out;
    if (doc().is_object() && doc().contains("texts") && doc()["texts"].is_array())
        for (const auto& t : doc()["texts"])
            out.push_back(t.is_string() ? t.get<std::string>() : std::string{});
    return out;
}

// Lengths of pair texts 1..48.
constexpr long Lengths[48] = {
    276, 114, 212, 234, 240, 191, 138, 172, 213, 159, 229, 198, 178, 198, 193, 155,
    139, 247, 213, 100, 237, 93,  152, 173, 186, 158, 221, 285, 128, 174, 131, 167,
    184, 167, 131, 134, 128, 155, 154, 90,  153, 157, 170, 129, 185, 112, 152, 94};

} // namespace

TEST(NumerologyContent, HoldsTextsAndKeys)
{
    ASSERT_TRUE(doc().is_object()) << "content/numerology.json is not a JSON object";
    std::set<std::string> keys;
    for (const auto& [key, value] : doc().items())
        keys.insert(key);
    EXPECT_EQ(keys, (std::set<std::string>{"texts", "keys"}));
    ASSERT_TRUE(doc()["texts"].is_array());
    EXPECT_EQ(doc()["texts"].size(), 48u);
    for (const auto& t : doc()["texts"])
        EXPECT_TRUE(t.is_string());
}

TEST(NumerologyContent, TextsHaveTheirLengths)
{
    const auto all = texts();
    ASSERT_EQ(all.size(), 48u);
    long total = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const long length = codePoints(all[i]);
        EXPECT_EQ(length, Lengths[i]) << "text " << i + 1 << ": " << all[i];
        EXPECT_EQ(all[i].find_first_of("\r\n"), std::string::npos) << "text " << i + 1;
        total += length;
    }
    EXPECT_EQ(total, 8199);
    EXPECT_EQ(std::set<std::string>(all.begin(), all.end()).size(), 48u);
}

TEST(NumerologyContent, TheMirrorPairsWithTextsOfTheirOwn)
{
    const auto all = texts();
    ASSERT_EQ(all.size(), 48u);
    const std::string& t12 = all[2 - 1];
    const std::string& t21 = all[10 - 1];
    const std::string& t13 = all[3 - 1];
    const std::string& t31 = all[19 - 1];
    const std::string& t38 = all[25 - 1];
    const std::string& t83 = all[45 - 1];

    // 12 and 21 are worded differently, not just by a letter or two.
    EXPECT_GT(editDistance(t12, t21), 10u);
    // 13 and 31 differ in a single letter.
    EXPECT_EQ(editDistance(t13, t31), 1u);
    // 83 lacks only the final full stop of 38.
    EXPECT_EQ(t38, t83 + ".");
}

TEST(NumerologyContent, KeysLeadToTheTextsOfTheTable)
{
    ASSERT_TRUE(doc()["keys"].is_object());
    std::set<int> seen;
    for (const auto& [key, value] : doc()["keys"].items()) {
        ASSERT_TRUE(value.is_number_integer()) << key;
        const int number = std::stoi(key);
        EXPECT_EQ(std::to_string(number), key);
        EXPECT_EQ(value.get<int>(), NumerologyNumbers::PairTextNumber(number)) << key;
        seen.insert(number);
    }
    std::set<int> all;
    for (int a = 1; a <= 9; ++a)
        for (int b = 1; b <= 9; ++b)
            all.insert(a * 10 + b);
    EXPECT_EQ(seen, all);
}

TEST(NumerologyContent, LookupsGiveTheTextOfTheirNumber)
{
    const auto all = texts();
    ASSERT_EQ(all.size(), 48u);
    for (int a = 1; a <= 9; ++a)
        for (int b = 1; b <= 9; ++b) {
            const int key = a * 10 + b;
            EXPECT_EQ(NumerologyNumbers::GetNumberPairDescription(std::to_string(key)),
                      all[static_cast<std::size_t>(NumerologyNumbers::PairTextNumber(key) - 1)])
                << key;
        }
}
