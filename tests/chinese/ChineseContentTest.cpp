#include "VorlaineChineseCompatibility.h"

#include "TextChecks.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace VorlaineChineseCompatibility;
using Json = nlohmann::ordered_json;

namespace {

const Json& doc()
{
    static const Json parsed = Json::parse(content::chineseJson(), nullptr, false);
    return parsed;
}

const Json& section(const char* key)
{
    static const Json none = Json::object();
    if (!doc().is_object() || !doc().contains(key) || !doc()[key].is_object())
        return none;
    return doc()[key];
}

std::string text(const Json& value) { return value.is_string() ? value.get<std::string>() : std::string{}; }

bool addressesTheReader(const std::string& s)
{
    return s.find("you") != std::string::npos || s.find("You") != std::string::npos;
}

bool isOneParagraph(const std::string& s) { return s.find_first_of("\r\n") == std::string::npos; }

struct SignLengths {
    long positive;
    long negative;
    std::size_t famousCount;
    long famousLength;
};

const std::map<std::string, SignLengths> Lengths = {
    {"Rat", {680, 570, 1, 19}},      {"Ox", {922, 531, 7, 105}},    {"Tiger", {759, 508, 6, 83}},
    {"Rabbit", {731, 561, 6, 81}},   {"Dragon", {840, 738, 3, 49}}, {"Snake", {761, 635, 6, 101}},
    {"Horse", {762, 470, 5, 74}},    {"Goat", {797, 500, 6, 89}},   {"Monkey", {997, 432, 6, 90}},
    {"Rooster", {685, 438, 4, 54}},  {"Dog", {739, 502, 8, 113}},   {"Pig", {614, 417, 5, 74}},
};

const std::map<std::string, std::string> Plurals = {
    {"Rat", "Rats"},       {"Ox", "Oxen"},       {"Tiger", "Tigers"},    {"Rabbit", "Rabbits"},
    {"Dragon", "Dragons"}, {"Snake", "Snakes"},  {"Horse", "Horses"},    {"Goat", "Goats"},
    {"Monkey", "Monkeys"}, {"Rooster", "Roosters"}, {"Dog", "Dogs"},     {"Pig", "Pigs"},
};

const char* const NumberWords[] = {"", "one", "two", "three", "four", "five",
                                   "six", "seven", "eight", "nine", "ten"};

std::optional<Date> isoDate(const std::string& s)
{
    if (s.size() != 10 || s[4] != '-' || s[7] != '-')
        return std::nullopt;
    for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u})
        if (s[i] < '0' || s[i] > '9')
            return std::nullopt;
    const Date d{std::chrono::year{std::stoi(s.substr(0, 4))},
                 std::chrono::month{static_cast<unsigned>(std::stoi(s.substr(5, 2)))},
                 std::chrono::day{static_cast<unsigned>(std::stoi(s.substr(8, 2)))}};
    return d.ok() ? std::optional<Date>(d) : std::nullopt;
}

} // namespace

TEST(ChineseContent, HoldsSignsElementsAndPairs)
{
    ASSERT_TRUE(doc().is_object()) << "content/chinese.json is not a JSON object";
    std::set<std::string> keys;
    for (const auto& [key, value] : doc().items())
        keys.insert(key);
    EXPECT_EQ(keys, (std::set<std::string>{"signs", "elements", "pairs"}));
}

TEST(ChineseContent, SignsInAnimalOrderWithTheStatedFields)
{
    std::vector<std::string> order;
    for (const auto& [animal, entry] : section("signs").items()) {
        order.push_back(animal);
        ASSERT_TRUE(entry.is_object()) << animal;
        std::set<std::string> fields;
        for (const auto& [field, value] : entry.items())
            fields.insert(field);
        EXPECT_EQ(fields, (std::set<std::string>{"PositiveTraits", "NegativeTraits", "famous"})) << animal;
    }
    EXPECT_EQ(order, std::vector<std::string>(Animals.begin(), Animals.end()));
}

TEST(ChineseContent, TraitParagraphsHaveTheirLengths)
{
    for (const auto& [animal, lengths] : Lengths) {
        const auto record = GetChineseSignInfo(animal);
        ASSERT_EQ(record.size(), static_cast<std::size_t>(ChineseSignFieldCount)) << animal;
        const std::string& positive = record[PositiveTraits];
        const std::string& negative = record[NegativeTraits];
        EXPECT_EQ(codePoints(positive), lengths.positive) << animal;
        EXPECT_EQ(codePoints(negative), lengths.negative) << animal;
        EXPECT_TRUE(isOneParagraph(positive)) << animal;
        EXPECT_TRUE(isOneParagraph(negative)) << animal;
        // Written to the reader.
        EXPECT_TRUE(addressesTheReader(positive)) << animal;
        EXPECT_TRUE(addressesTheReader(negative)) << animal;
    }
}

TEST(ChineseContent, FamousPersonsFormTheirListsAndWereBornInTheirYears)
{
    for (const auto& [animal, lengths] : Lengths) {
        const auto people = FamousPersonList(animal);
        EXPECT_EQ(people.size(), lengths.famousCount) << animal;

        std::string joined;
        for (const auto& person : people) {
            EXPECT_FALSE(person.name.empty()) << animal;
            EXPECT_EQ(person.name.find(','), std::string::npos) << person.name;
            joined += (joined.empty() ? "" : ", ") + person.name;

            const auto born = isoDate(person.born);
            ASSERT_TRUE(born.has_value()) << person.name << ": " << person.born;
            const auto& table = NewYearTable();
            ASSERT_GE(*born, table.front().start) << person.name << " born before the table";
            ASSERT_LE(*born, table.back().end) << person.name << " born after the table";
            EXPECT_EQ(GetChineseSign(*born), animal) << person.name << ", " << person.born;
        }
        const auto record = GetChineseSignInfo(animal);
        ASSERT_EQ(record.size(), static_cast<std::size_t>(ChineseSignFieldCount));
        EXPECT_EQ(record[FamousPersons], joined);
        EXPECT_EQ(codePoints(record[FamousPersons]), lengths.famousLength) << animal << ": " << joined;
    }
}

TEST(ChineseContent, ElementDescriptions)
{
    const std::vector<std::pair<std::string, long>> expected = {
        {"Metal", 302}, {"Water", 334}, {"Wood", 432}, {"Fire", 354}, {"Earth", 318}};
    std::vector<std::string> order;
    for (const auto& [element, value] : section("elements").items())
        order.push_back(element);
    EXPECT_EQ(order, (std::vector<std::string>{"Metal", "Water", "Wood", "Fire", "Earth"}));

    for (const auto& [element, length] : expected) {
        const std::string description = GetElementDescription(element);
        EXPECT_EQ(description, text(section("elements")[element])) << element;
        EXPECT_EQ(codePoints(description), length) << element;
        EXPECT_TRUE(isOneParagraph(description)) << element;
        EXPECT_TRUE(addressesTheReader(description)) << element;
    }
}

TEST(ChineseContent, PairsInStoredOrder)
{
    std::vector<std::string> order;
    for (const auto& [key, value] : section("pairs").items()) {
        order.push_back(key);
        EXPECT_TRUE(value.is_string()) << key;
    }
    const auto& keys = ChinesePairKeys();
    EXPECT_EQ(order, std::vector<std::string>(keys.begin(), keys.end()));

    // Every ordered pair once.
    std::set<std::string> all;
    for (const auto a : Animals)
        for (const auto b : Animals)
            all.insert(std::string(a) + "-" + std::string(b));
    EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()), all);
}

TEST(ChineseContent, PairTextsHaveABodyAndAClosingSentenceWithTheMatrixNumber)
{
    for (const auto& [key, value] : section("pairs").items()) {
        const std::string t = text(value);
        const std::size_t dash = key.find('-');
        ASSERT_NE(dash, std::string::npos);
        const std::string first = key.substr(0, dash);
        const std::string partner = key.substr(dash + 1);

        const std::size_t breakAt = t.find("\r\n\r\n");
        ASSERT_NE(breakAt, std::string::npos) << key;
        const std::string body = t.substr(0, breakAt);
        const std::string closing = t.substr(breakAt + 4);
        EXPECT_TRUE(isOneParagraph(body)) << key;
        EXPECT_TRUE(isOneParagraph(closing)) << key;
        EXPECT_GE(codePoints(body), 573) << key;
        EXPECT_LE(codePoints(body), 1204) << key;
        EXPECT_GE(codePoints(t), 668) << key;
        EXPECT_LE(codePoints(t), 1285) << key;
        EXPECT_NE(body.front(), ' ') << key;

        const std::string opening =
            key == "Pig-Pig" ? "On a scale of one to ten, " : "On the compatibility scale of one to ten, ";
        ASSERT_EQ(closing.rfind(opening, 0), 0u) << key << ": " << closing;

        std::string pair = first == partner ? "two " + Plurals.at(first) : first + " and " + partner;
        if (key == "Rat-Dog")
            pair = "Dog and Rat";
        EXPECT_EQ(closing.compare(opening.size(), pair.size() + 1, pair + " "), 0) << key << ": " << closing;

        const int number = GetChineseCompatibilityNumber(first, partner);
        const std::string ending = std::string(" ") + NumberWords[number] + ".";
        ASSERT_GE(closing.size(), ending.size());
        EXPECT_EQ(closing.substr(closing.size() - ending.size()), ending) << key << ": " << closing;
    }
}

TEST(ChineseContent, OnlyRatWithDogSharesItsText)
{
    const auto& pairs = section("pairs");
    ASSERT_TRUE(pairs.contains("Rat-Dog") && pairs.contains("Dog-Rat"));
    EXPECT_EQ(text(pairs["Rat-Dog"]), text(pairs["Dog-Rat"]));

    std::map<std::string, std::vector<std::string>> byText;
    for (const auto& [key, value] : pairs.items())
        byText[text(value)].push_back(key);
    EXPECT_EQ(byText.size(), 143u);
    for (const auto& [t, keys] : byText) {
        if (keys.size() > 1) {
            EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()),
                      (std::set<std::string>{"Dog-Rat", "Rat-Dog"}));
        }
    }
}
