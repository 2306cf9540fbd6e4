#include "ChineseCalculation.h"

#include <gtest/gtest.h>

using namespace VorlaineChineseCompatibility;

namespace {

class ChineseCalculation : public ::testing::Test {
protected:
    void SetUp() override { state() = State{}; }
};

PersonEntry person(const char* name, const char* day, const char* month, const char* year)
{
    return {name, day, month, year};
}

} // namespace

TEST_F(ChineseCalculation, KeepsTrimmedNamesAndTheBirthDateAsDayMonthYear)
{
    CalculateChineseMatch(person("  Asha Rao ", " 5", "March ", "1970"), person("   ", "29", "February", "1940"));
    const State& s = state();
    EXPECT_EQ(s.MaleName, "Asha Rao");
    EXPECT_EQ(s.FemaleName, "");
    EXPECT_EQ(s.MaleBirthDate, "5 March 1970");
    EXPECT_EQ(s.FemaleBirthDate, "29 February 1940");
    EXPECT_EQ(s.MaleChineseSign, "Dog");
    EXPECT_EQ(s.MaleChineseElement, "Metal");
    EXPECT_EQ(s.FemaleChineseSign, "Dragon");
    EXPECT_EQ(s.FemaleChineseElement, "Metal");
}

TEST_F(ChineseCalculation, FillsEveryResultOfThePair)
{
    CalculateChineseMatch(person("A", "1", "March", "1948"), person("B", "1", "March", "1949"));
    const State& s = state();
    EXPECT_EQ(s.MaleChineseSign, "Rat");
    EXPECT_EQ(s.FemaleChineseSign, "Ox");
    EXPECT_EQ(s.MaleChineseElement, "Earth");
    EXPECT_EQ(s.FemaleChineseElement, "Earth");
    EXPECT_EQ(s.MaleSignInfo, GetChineseSignInfo("Rat"));
    EXPECT_EQ(s.FemaleSignInfo, GetChineseSignInfo("Ox"));
    EXPECT_EQ(s.MaleElementDescription, GetElementDescription("Earth"));
    EXPECT_EQ(s.FemaleElementDescription, s.MaleElementDescription);
    EXPECT_EQ(s.ChineseCompatibilityNumber, 6);
    EXPECT_EQ(s.ChinesePercentage, "60%");
    EXPECT_EQ(s.ChineseRating, "An Easy Match");
    EXPECT_FALSE(s.MatchingDescription.empty());
    EXPECT_EQ(s.MatchingDescription, s.MatchingDescriptionBuffer);
    EXPECT_NE(s.MatchingDescription.find("Rat and Ox"), std::string::npos);
}

TEST_F(ChineseCalculation, APartnerOutsideTheTableTakesTheFirstPersonsAnimalAndElement)
{
    CalculateChineseMatch(person("A", "1", "March", "1970"), person("B", "1", "January", "2021"));
    const State& s = state();
    EXPECT_EQ(s.MaleChineseSign, "Dog");
    EXPECT_EQ(s.FemaleChineseSign, "Dog");
    EXPECT_EQ(s.MaleChineseElement, "Metal");
    EXPECT_EQ(s.FemaleChineseElement, "Metal");
    EXPECT_EQ(s.ChineseCompatibilityNumber, 7);
}

TEST_F(ChineseCalculation, BothOutsideTheTableOnTheFirstRunLeaveEverythingEmpty)
{
    CalculateChineseMatch(person("A", "31", "December", "1935"), person("B", "25", "January", "2020"));
    const State& s = state();
    EXPECT_EQ(s.MaleChineseSign, "");
    EXPECT_EQ(s.FemaleChineseElement, "");
    EXPECT_TRUE(s.MaleSignInfo.empty());
    EXPECT_TRUE(s.FemaleSignInfo.empty());
    EXPECT_EQ(s.ChineseCompatibilityNumber, 0);
    EXPECT_EQ(s.ChinesePercentage, "");
    EXPECT_EQ(s.ChineseRating, "");
    EXPECT_EQ(s.MatchingDescription, "");
}

TEST_F(ChineseCalculation, AnUnreadableDateKeepsThePreviousResults)
{
    CalculateChineseMatch(person("A", "1", "March", "1948"), person("B", "1", "March", "1954"));
    ASSERT_EQ(state().FemaleChineseSign, "Horse");
    // A month name the calendar does not know: the partner's lookups are skipped.
    CalculateChineseMatch(person("C", "1", "March", "1952"), person("D", "1", "Marzo", "1949"));
    const State& s = state();
    EXPECT_EQ(s.FemaleBirthDate, "1 Marzo 1949");
    EXPECT_EQ(s.MaleChineseSign, "Dragon");
    EXPECT_EQ(s.FemaleChineseSign, "Horse");
    EXPECT_EQ(s.FemaleChineseElement, "Wood");
    EXPECT_EQ(s.ChineseCompatibilityNumber, 8);
    EXPECT_EQ(s.ChineseRating, "A Great Match");
}
