#include "modMatch.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

using namespace modMatch;

TEST(MoonScore, RowsByTheMoonsDegreesWithinTheirSigns)
{
    struct Case {
        int d1, d2;
        int power, harmony, ph, percentage;
        const char* verdict;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0, 0, "Very Bad"},
        {29, 29, 870, 870, 7569, 75, "Good"},
        {10, 23, 300, 690, 2070, 20, "Very Bad"},
        {9, 26, 270, 780, 2106, 21, "Bad"},
        {23, 10, 690, 300, 2070, 20, "Very Bad"}, // swapped: Power and Harmony swap, the rest stays
        {29, 0, 870, 0, 0, 0, "Very Bad"},
        {21, 21, 630, 630, 3969, 39, "Bad"},
        {22, 21, 660, 630, 4158, 41, "Average"},
        {26, 26, 780, 780, 6084, 60, "Average"},
        {27, 26, 810, 780, 6318, 63, "Good"},
    };
    for (const Case& c : cases) {
        const MoonScore s = ScoreMoons(c.d1, c.d2);
        const std::string row = std::to_string(c.d1) + "/" + std::to_string(c.d2);
        EXPECT_EQ(s.Power, c.power) << row;
        EXPECT_EQ(s.Harmony, c.harmony) << row;
        EXPECT_EQ(s.PH, c.ph) << row;
        EXPECT_EQ(s.Percentage, c.percentage) << row;
        EXPECT_EQ(s.Verdict, c.verdict) << row;
    }
}

TEST(MoonScore, NoPairOfMoonsPassesSeventyFive)
{
    for (int d1 = 0; d1 <= 29; ++d1)
        for (int d2 = 0; d2 <= 29; ++d2) {
            const MoonScore s = ScoreMoons(d1, d2);
            ASSERT_EQ(s.PH, 9 * d1 * d2);
            ASSERT_LE(s.Percentage, 75);
            ASSERT_NE(s.Verdict, "Very Good");
        }
}

TEST(MoonScore, VerdictBoundaries)
{
    const std::pair<int, const char*> cases[] = {{0, "Very Bad"}, {20, "Very Bad"}, {21, "Bad"},  {40, "Bad"},
                                                 {41, "Average"}, {60, "Average"},  {61, "Good"}, {80, "Good"},
                                                 {81, "Very Good"}};
    for (const auto& [percentage, verdict] : cases)
        EXPECT_EQ(Verdict(percentage), verdict) << percentage;
}

TEST(MoonScore, DegreesAreTheFirstTwoCharactersOfTheShortText)
{
    EXPECT_EQ(MoonDegrees("00 Ari 00"), 0);
    EXPECT_EQ(MoonDegrees("05 Tau 59"), 5);
    EXPECT_EQ(MoonDegrees("29 Pis 59"), 29);
    for (const char* bad : {"", "5", " 5 Ari 07", "x5 Ari 07"})
        EXPECT_THROW(MoonDegrees(bad), std::invalid_argument) << bad;
}

TEST(MoonScore, DigitsOnly)
{
    for (const char* yes : {"0", "999", "075"})
        EXPECT_TRUE(IsDigits(yes)) << yes;
    for (const char* no : {"", " ", " 5", "5 ", "-5", "+5", "5.5", "1a", "\xd9\xa3"})
        EXPECT_FALSE(IsDigits(no)) << no;
}
