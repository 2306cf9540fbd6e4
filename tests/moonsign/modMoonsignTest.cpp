#include "modMoonsign.h"

#include "SignNames.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

using namespace modMoonsign;

namespace {

int idx(std::string_view sign) { return signs::signIndex(sign); }

const std::string& cell(const PairTable& table, std::string_view first, std::string_view partner)
{
    return table[static_cast<size_t>(idx(first))][static_cast<size_t>(idx(partner))];
}

class MoonsignTables : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadMoonSignTables();
        state().PairComment.clear();
    }
};

} // namespace

TEST_F(MoonsignTables, OnlyTheSixNamedPairsScoreDifferentlyInTheTwoOrders)
{
    // {a, b, score with a first, score with b first}
    const std::set<std::tuple<std::string, std::string, std::string, std::string>> expected = {
        {"Aries", "Taurus", "6", "7"},  {"Aries", "Gemini", "6", "8"}, {"Aries", "Cancer", "2", "3"},
        {"Aries", "Leo", "7", "9"},     {"Aries", "Pisces", "4", "7"}, {"Taurus", "Pisces", "7", "4"},
    };
    std::set<std::tuple<std::string, std::string, std::string, std::string>> found;
    const auto& score = state().MoonPairScore;
    for (size_t i = 0; i < 12; ++i)
        for (size_t j = i + 1; j < 12; ++j)
            if (score[i][j] != score[j][i])
                found.insert({std::string(signs::SignNames[i]), std::string(signs::SignNames[j]),
                              score[i][j], score[j][i]});
    EXPECT_EQ(found, expected);
}

TEST_F(MoonsignTables, SameSignScores)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Aries", "3"}, {"Taurus", "2"}, {"Gemini", "2"},      {"Cancer", "5"},
        {"Leo", "1"},   {"Virgo", "1"},  {"Libra", "2"},       {"Scorpio", "2"},
        {"Sagittarius", "3"}, {"Capricorn", "6"}, {"Aquarius", "5"}, {"Pisces", "3"},
    };
    for (const auto& [sign, score] : cases)
        EXPECT_EQ(cell(state().MoonPairScore, sign, sign), score) << sign;
}

TEST_F(MoonsignTables, EveryScoreIsAWholeNumberFromOneToTen)
{
    const auto& score = state().MoonPairScore;
    for (size_t i = 0; i < 12; ++i)
        for (size_t j = 0; j < 12; ++j) {
            const int n = std::stoi(score[i][j]);
            EXPECT_GE(n, 1);
            EXPECT_LE(n, 10);
            EXPECT_EQ(std::to_string(n), score[i][j]);
        }
}

TEST_F(MoonsignTables, KeysJoinBothSignNamesWithoutBlanks)
{
    const auto& key = state().MoonPairKey;
    std::set<std::string> keys;
    for (size_t i = 0; i < 12; ++i)
        for (size_t j = 0; j < 12; ++j) {
            EXPECT_EQ(key[i][j], std::string(signs::SignNames[i]) + "-" + std::string(signs::SignNames[j]));
            EXPECT_EQ(key[i][j].find(' '), std::string::npos);
            keys.insert(key[i][j]);
        }
    EXPECT_EQ(keys.size(), 144u);
    EXPECT_EQ(cell(key, "Sagittarius", "Capricorn"), "Sagittarius-Capricorn");
}

TEST_F(MoonsignTables, PositionTwelveStaysEmpty)
{
    const auto& s = state();
    for (size_t k = 0; k < 13; ++k) {
        for (const PairTable* t : {&s.MoonPairKey, &s.MoonPairScore, &s.MoonPairText}) {
            EXPECT_TRUE((*t)[12][k].empty());
            EXPECT_TRUE((*t)[k][12].empty());
        }
    }
    EXPECT_TRUE(s.MatchComment[0].empty());
}

TEST_F(MoonsignTables, BothOrdersOfAPairShareOneTextAndEveryPairHasItsOwn)
{
    const auto& text = state().MoonPairText;
    std::set<std::string> distinct;
    for (size_t i = 0; i < 12; ++i)
        for (size_t j = 0; j < 12; ++j) {
            EXPECT_FALSE(text[i][j].empty()) << signs::SignNames[i] << "-" << signs::SignNames[j];
            EXPECT_EQ(text[i][j], text[j][i]);
            distinct.insert(text[i][j]);
        }
    EXPECT_EQ(distinct.size(), 78u);
}

TEST_F(MoonsignTables, LoadingAgainWritesTheSameValues)
{
    const State before = state();
    state().MoonPairScore[0][0] = "changed";
    LoadMoonSignTables();
    EXPECT_EQ(state().MoonPairKey, before.MoonPairKey);
    EXPECT_EQ(state().MoonPairScore, before.MoonPairScore);
    EXPECT_EQ(state().MoonPairText, before.MoonPairText);
    EXPECT_EQ(state().MatchComment, before.MatchComment);
}

TEST_F(MoonsignTables, ScoresGiveTheirPercentageAndVerdict)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"1", "10", "A Poor Match"},         {"2", "20", "A Poor Match"},
        {"3", "30", "A Difficult Match"},    {"4", "40", "A Difficult Match"},
        {"5", "50", "An Easy Match"},        {"6", "60", "An Easy Match"},
        {"7", "70", "A Great Match"},        {"8", "80", "A Great Match"},
        {"9", "90", "An Excellent Match"},   {"10", "100", "An Excellent Match"},
    };
    for (const auto& [score, percentage, comment] : cases) {
        EXPECT_EQ(ScoreToPercentage(score), percentage) << score;
        EXPECT_EQ(ScoreToComment(score), comment) << score;
        EXPECT_EQ(state().PairComment, comment) << score;
    }
}

TEST_F(MoonsignTables, PercentageOfOtherScoreTexts)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "0"},       {"abc", "0"},   {"-", "0"},     {".", "0"},    {"inf", "0"},
        {"0", "0"},      {"-0", "0"},    {" 7", "70"},   {"7abc", "70"}, {"5.5", "55"},
        {"0.3", "3"},    {"-2", "-20"},  {"1e1", "100"}, {"2.5.1", "25"}, {"12", "120"},
    };
    for (const auto& [score, percentage] : cases)
        EXPECT_EQ(ScoreToPercentage(score), percentage) << '"' << score << '"';
}

TEST_F(MoonsignTables, VerdictRoundsHalfToEvenAndKeepsThePreviousOutsideTheScale)
{
    // {score, verdict afterwards}, run in order: each starts from the one before.
    const std::pair<const char*, const char*> steps[] = {
        {"", ""},                          // nothing found yet: stays empty
        {"0.5", ""},                       // rounds to 0
        {"1.5", "A Poor Match"},           // rounds to 2
        {"2.5", "A Poor Match"},           // rounds to 2, not 3
        {"3.5", "A Difficult Match"},      // 4
        {"4.5", "A Difficult Match"},      // 4, not 5
        {"6.5", "An Easy Match"},          // 6, not 7
        {"9.5", "An Excellent Match"},     // 10
        {"7", "A Great Match"},
        {"", "A Great Match"},             // empty score keeps the verdict
        {"0", "A Great Match"},
        {"11", "A Great Match"},
        {"10.5", "An Excellent Match"},    // 10, not 11
        {"10.6", "An Excellent Match"},    // 11: kept
        {"-3", "An Excellent Match"},
        {"Leo", "An Excellent Match"},
    };
    for (const auto& [score, verdict] : steps)
        EXPECT_EQ(ScoreToComment(score), verdict) << '"' << score << '"';
}

TEST_F(MoonsignTables, AriesWithPiscesInBothOrders)
{
    const auto& s = state();
    EXPECT_EQ(cell(s.MoonPairText, "Aries", "Pisces"), cell(s.MoonPairText, "Pisces", "Aries"));

    const std::string& ap = cell(s.MoonPairScore, "Aries", "Pisces");
    EXPECT_EQ(ScoreToPercentage(ap), "40");
    EXPECT_EQ(ScoreToComment(ap), "A Difficult Match");

    const std::string& pa = cell(s.MoonPairScore, "Pisces", "Aries");
    EXPECT_EQ(ScoreToPercentage(pa), "70");
    EXPECT_EQ(ScoreToComment(pa), "A Great Match");
}

TEST_F(MoonsignTables, LeoAndVirgoWithThemselvesArePoorMatches)
{
    for (const char* sign : {"Leo", "Virgo"}) {
        const std::string& score = cell(state().MoonPairScore, sign, sign);
        EXPECT_EQ(ScoreToPercentage(score), "10") << sign;
        EXPECT_EQ(ScoreToComment(score), "A Poor Match") << sign;
    }
}
