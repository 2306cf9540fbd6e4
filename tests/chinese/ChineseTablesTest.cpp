#include "VorlaineChineseCompatibility.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using namespace VorlaineChineseCompatibility;

namespace {

std::string name(size_t i) { return std::string(Animals[i]); }

std::set<std::set<std::string>> pairsScoring(int value)
{
    std::set<std::set<std::string>> out;
    for (size_t i = 0; i < 12; ++i)
        for (size_t j = 0; j < 12; ++j)
            if (GetChineseCompatibilityNumber(name(i), name(j)) == value)
                out.insert({name(i), name(j)});
    return out;
}

} // namespace

TEST(ChineseMatrix, IsSymmetricWithValuesFromTwoToTen)
{
    for (size_t i = 0; i < 12; ++i)
        for (size_t j = 0; j < 12; ++j) {
            const int n = GetChineseCompatibilityNumber(name(i), name(j));
            EXPECT_GE(n, 2) << name(i) << "-" << name(j);
            EXPECT_LE(n, 10) << name(i) << "-" << name(j);
            EXPECT_EQ(n, GetChineseCompatibilityNumber(name(j), name(i))) << name(i) << "-" << name(j);
        }
}

TEST(ChineseMatrix, SameAnimalPairs)
{
    const std::map<std::string, int> diagonal = {
        {"Rat", 9},   {"Ox", 8},   {"Tiger", 5},  {"Rabbit", 8},  {"Dragon", 9}, {"Snake", 8},
        {"Horse", 8}, {"Goat", 9}, {"Monkey", 9}, {"Rooster", 4}, {"Dog", 7},    {"Pig", 8}};
    for (const auto& [animal, value] : diagonal)
        EXPECT_EQ(GetChineseCompatibilityNumber(animal, animal), value) << animal;
}

TEST(ChineseMatrix, TheHighestAndLowestScoresBelongToTheNamedPairs)
{
    using Pairs = std::set<std::set<std::string>>;
    EXPECT_EQ(pairsScoring(10), (Pairs{{"Rat", "Dragon"}, {"Rat", "Monkey"}, {"Dragon", "Monkey"}}));
    EXPECT_EQ(pairsScoring(2),
              (Pairs{{"Ox", "Goat"}, {"Tiger", "Monkey"}, {"Rabbit", "Rooster"}, {"Dragon", "Dog"}}));
    EXPECT_EQ(pairsScoring(3), (Pairs{{"Rat", "Horse"}, {"Tiger", "Snake"}}));
}

TEST(ChineseMatrix, NamedCells)
{
    const std::tuple<const char*, const char*, int> cases[] = {
        {"Rat", "Dragon", 10}, {"Dragon", "Rat", 10}, {"Ox", "Goat", 2},     {"Rooster", "Rooster", 4},
        {"Tiger", "Tiger", 5}, {"Dragon", "Rabbit", 7}, {"Dog", "Rat", 8},   {"Dog", "Tiger", 9},
    };
    for (const auto& [first, partner, value] : cases)
        EXPECT_EQ(GetChineseCompatibilityNumber(first, partner), value) << first << "-" << partner;
}

TEST(ChineseMatrix, TextsThatAreNotAnimalNamesGiveZero)
{
    for (const char* bad : {"rat", "Rat ", " Rat", "", "RAT", "Cat"}) {
        EXPECT_EQ(GetChineseCompatibilityNumber(bad, "Ox"), 0) << '"' << bad << '"';
        EXPECT_EQ(GetChineseCompatibilityNumber("Ox", bad), 0) << '"' << bad << '"';
    }
}

TEST(ChineseRating, NumbersTwoToTen)
{
    const std::tuple<int, const char*, const char*> cases[] = {
        {2, "20%", " A Poor Match"},       {3, "30%", "A Poor Match"},
        {4, "40%", "A Difficult Match"},   {5, "50%", "A Difficult Match"},
        {6, "60%", "An Easy Match"},       {7, "70%", "An Easy Match"},
        {8, "80%", "A Great Match"},       {9, "90%", "A Great Match"},
        {10, "100%", "A Perfect Match"},
    };
    for (const auto& [number, percentage, rating] : cases) {
        std::string p = "old", r = "old";
        EXPECT_TRUE(ChineseNumberToRating(number, p, r));
        EXPECT_EQ(p, percentage) << number;
        EXPECT_EQ(r, rating) << number;
    }
}

TEST(ChineseRating, OtherNumbersLeaveBothUnchanged)
{
    for (int number : {0, 1, 11, -2, 100}) {
        std::string p = "90%", r = "A Great Match";
        EXPECT_FALSE(ChineseNumberToRating(number, p, r));
        EXPECT_EQ(p, "90%") << number;
        EXPECT_EQ(r, "A Great Match") << number;
    }
}

TEST(ChineseSignInfo, ShortFieldsAsStored)
{
    const auto pig = GetChineseSignInfo("Pig");
    ASSERT_EQ(pig.size(), static_cast<size_t>(ChineseSignFieldCount));
    EXPECT_EQ(pig[LuckyMonth], "October");
    EXPECT_EQ(pig[WesternZodiacSign], "Scorpio");
    EXPECT_EQ(pig[LeastCompatibleSign], "Snake");

    const auto dog = GetChineseSignInfo("Dog");
    ASSERT_EQ(dog.size(), static_cast<size_t>(ChineseSignFieldCount));
    EXPECT_EQ(dog[LuckySeasons], "Winter");
    EXPECT_EQ(dog[LuckyMonth], "October");

    const auto rat = GetChineseSignInfo("Rat");
    ASSERT_EQ(rat.size(), static_cast<size_t>(ChineseSignFieldCount));
    EXPECT_EQ(rat[RulingPlanet], "Jupiter");
    EXPECT_EQ(rat[GemStone], "Carbuncle, Red Garnet");
    EXPECT_EQ(rat[Energy], "Yin (positive)");
    EXPECT_EQ(rat[LuckyNumber], "1, 4, 5, 10, 11, 14, 41, 45, 51, and 54");

    const auto rooster = GetChineseSignInfo("Rooster");
    ASSERT_EQ(rooster.size(), static_cast<size_t>(ChineseSignFieldCount));
    EXPECT_EQ(rooster[MostCompatibleSign], "Ox, Dragon, Snake");
    EXPECT_EQ(GetChineseSignInfo("Snake")[Energy], "Yin (Positive Energy)");
    EXPECT_EQ(GetChineseSignInfo("Goat")[GemStone], GetChineseSignInfo("Monkey")[GemStone]);
}

TEST(ChineseSignInfo, FieldsAgreeAcrossTheTwelveRecords)
{
    std::set<std::string> westernSigns;
    for (size_t i = 0; i < 12; ++i) {
        const auto record = GetChineseSignInfo(name(i));
        ASSERT_EQ(record.size(), static_cast<size_t>(ChineseSignFieldCount)) << name(i);
        for (int f = 0; f < ChineseSignFieldCount; ++f)
            EXPECT_FALSE(record[static_cast<size_t>(f)].empty()) << name(i) << " field " << f;
        westernSigns.insert(record[WesternZodiacSign]);
        EXPECT_NE(record[LuckyMonth], "November");
        // Only the Rat's list has a comma before "and".
        EXPECT_EQ(record[LuckyNumber].find(", and") != std::string::npos, name(i) == "Rat") << name(i);
        // The animals named as most and least compatible are real names.
        for (size_t field : {size_t{MostCompatibleSign}, size_t{LeastCompatibleSign}}) {
            std::string list = record[field] + ", ";
            for (size_t pos = 0; pos < list.size();) {
                const size_t comma = list.find(", ", pos);
                EXPECT_GE(AnimalIndex(list.substr(pos, comma - pos)), 0) << name(i) << ": " << record[field];
                pos = comma + 2;
            }
        }
    }
    EXPECT_EQ(westernSigns.size(), 12u);
}

TEST(ChineseSignInfo, TextsThatAreNotAnimalNamesGiveARecordWithoutFields)
{
    for (const char* bad : {"rat", "Rat ", ""})
        EXPECT_TRUE(GetChineseSignInfo(bad).empty()) << '"' << bad << '"';
}

TEST(ChineseSignInfo, EachCallGivesItsOwnCopy)
{
    auto first = GetChineseSignInfo("Horse");
    const auto second = GetChineseSignInfo("Horse");
    EXPECT_EQ(first, second);
    first[RulingPlanet] = "changed";
    EXPECT_EQ(second[RulingPlanet], "Mercury");
    EXPECT_EQ(GetChineseSignInfo("Horse")[RulingPlanet], "Mercury");
}

TEST(ChineseElements, UnknownNamesGiveTheLastDescriptionFound)
{
    state().LastElementDescription.clear();
    EXPECT_EQ(GetElementDescription(""), "");
    EXPECT_EQ(GetElementDescription("metal"), "");

    const std::string metal = GetElementDescription("Metal");
    EXPECT_FALSE(metal.empty());
    EXPECT_EQ(GetElementDescription(""), metal);
    EXPECT_EQ(GetElementDescription("Metal "), metal);

    std::set<std::string> distinct;
    for (const auto element : ElementNames)
        distinct.insert(GetElementDescription(std::string(element)));
    EXPECT_EQ(distinct.size(), 5u);
}

class ChinesePairTexts : public ::testing::Test {
protected:
    void SetUp() override
    {
        state().MaleChineseSign.clear();
        state().FemaleChineseSign.clear();
    }
    std::string lookup(const std::string& first, const std::string& partner, std::string& buffer)
    {
        state().MaleChineseSign = first;
        state().FemaleChineseSign = partner;
        return GetChineseMatchingDescription(buffer);
    }
};

TEST_F(ChinesePairTexts, EveryOrderedPairFindsAText)
{
    std::set<std::string> distinct;
    for (size_t i = 0; i < 12; ++i)
        for (size_t j = 0; j < 12; ++j) {
            std::string buffer;
            const std::string text = lookup(name(i), name(j), buffer);
            EXPECT_FALSE(text.empty()) << name(i) << "-" << name(j);
            EXPECT_EQ(buffer, text);
            distinct.insert(text);
        }
    EXPECT_EQ(distinct.size(), 143u);
}

TEST_F(ChinesePairTexts, RatWithDogSharesTheDogWithRatText)
{
    std::string a, b, c, d;
    EXPECT_EQ(lookup("Rat", "Dog", a), lookup("Dog", "Rat", b));
    EXPECT_NE(lookup("Dog", "Tiger", c), lookup("Tiger", "Dog", d));
}

TEST_F(ChinesePairTexts, DragonWithRabbitClosesOnSeven)
{
    std::string buffer;
    const std::string text = lookup("Dragon", "Rabbit", buffer);
    const std::string closing = text.substr(text.rfind("\r\n") + 2);
    EXPECT_EQ(closing.rfind("On the compatibility scale of one to ten, Dragon and Rabbit ", 0), 0u) << closing;
    EXPECT_EQ(closing.substr(closing.size() - 7), " seven.") << closing;
}

TEST_F(ChinesePairTexts, TextsThatAreNotAnimalNamesKeepTheBuffer)
{
    std::string buffer;
    EXPECT_EQ(lookup("rat", "Ox", buffer), "");
    EXPECT_EQ(lookup("", "", buffer), "");

    const std::string found = lookup("Ox", "Rat", buffer);
    ASSERT_FALSE(found.empty());
    for (const auto& [first, partner] : std::initializer_list<std::pair<const char*, const char*>>{
             {"rat", "Ox"}, {"Rat ", "Ox"}, {"Rat", ""}, {"", ""}, {"Ox-Rat", ""}}) {
        EXPECT_EQ(lookup(first, partner, buffer), found) << first << "|" << partner;
        EXPECT_EQ(buffer, found);
    }
}
