#include "modSunSign.h"

#include "SignNames.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace modSunSign;

namespace {

class SunSignTables : public ::testing::Test {
protected:
    void SetUp() override { state() = State{}; }
    void TearDown() override { state() = State{}; }
    static void match(const char* m, const char* f)
    {
        state().SunSignM = m;
        state().SunSignF = f;
        FindSunSignPairMatch();
    }
};

} // namespace

TEST_F(SunSignTables, BirthdayGivesSignAtEveryBoundary)
{
    struct Case {
        const char *month, *day, *sign;
    };
    const Case cases[] = {
        {"January", "1", "Capricorn"},    {"January", "19", "Capricorn"},   {"January", "20", "Aquarius"},
        {"February", "18", "Aquarius"},   {"February", "19", "Pisces"},     {"March", "20", "Pisces"},
        {"March", "21", "Aries"},         {"April", "20", "Aries"},         {"April", "21", "Taurus"},
        {"May", "21", "Gemini"},          {"June", "21", "Cancer"},         {"July", "20", "Cancer"},
        {"July", "21", "Leo"},            {"August", "21", "Virgo"},        {"September", "21", "Libra"},
        {"October", "21", "Scorpio"},     {"November", "20", "Scorpio"},    {"November", "21", "Sagittarius"},
        {"December", "20", "Sagittarius"}, {"December", "21", "Capricorn"}, {"December", "31", "Capricorn"},
        // The routine splits months only at their boundary day.
        {"February", "30", "Pisces"},
        // Month names are matched exactly.
        {"january", "5", ""},             {"Jan", "5", ""},                 {"", "5", ""},
        // A fraction between the two sides belongs to neither.
        {"March", "20.5", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetSunSign(c.month, c.day), c.sign) << c.month << " " << c.day;
}

TEST_F(SunSignTables, DayThatIsNotANumberIsAnError)
{
    EXPECT_THROW(GetSunSign("March", "x"), std::invalid_argument);
    EXPECT_THROW(GetSunSign("March", ""), std::invalid_argument);
    EXPECT_EQ(GetSunSign("March", " 21 "), "Aries");
}

TEST_F(SunSignTables, RatingTableHasTheStatedCountsAndAsymmetries)
{
    std::map<std::string, int> counts;
    std::set<std::pair<int, int>> asymmetric;
    for (int i = 0; i < 12; ++i)
        for (int j = 0; j < 12; ++j) {
            ++counts[std::string(PairRating(i, j))];
            if (i < j && PairRating(i, j) != PairRating(j, i))
                asymmetric.insert({i, j});
        }
    EXPECT_EQ(counts, (std::map<std::string, int>{
                          {"1", 41}, {"2", 31}, {"3", 21}, {"4", 14}, {"5", 13}, {"1,5", 18}, {"1,4", 6}}));
    // The 22 pairs whose two orders rate differently, with both codes.
    const struct {
        const char *a, *b, *ab, *ba;
    } pairs[] = {
        {"Aries", "Cancer", "1", "2"},       {"Aries", "Leo", "3", "5"},         {"Aries", "Sagittarius", "3", "4"},
        {"Aries", "Pisces", "2", "1"},       {"Taurus", "Cancer", "4", "3"},     {"Taurus", "Virgo", "5", "4"},
        {"Taurus", "Capricorn", "4", "5"},   {"Taurus", "Pisces", "4", "3"},     {"Gemini", "Leo", "3", "4"},
        {"Gemini", "Capricorn", "1", "2"},   {"Gemini", "Aquarius", "3", "5"},   {"Cancer", "Libra", "1", "2"},
        {"Cancer", "Scorpio", "4", "5"},     {"Cancer", "Sagittarius", "1", "2"}, {"Cancer", "Pisces", "5", "4"},
        {"Leo", "Libra", "4", "3"},          {"Leo", "Sagittarius", "4", "5"},   {"Leo", "Capricorn", "1", "2"},
        {"Virgo", "Libra", "1", "2"},        {"Virgo", "Pisces", "1,5", "1,4"},  {"Libra", "Aquarius", "4", "5"},
        {"Scorpio", "Pisces", "4", "5"},
    };
    EXPECT_EQ(asymmetric.size(), std::size(pairs));
    for (const auto& p : pairs) {
        const int a = signs::signIndex(p.a), b = signs::signIndex(p.b);
        EXPECT_EQ(PairRating(a, b), p.ab) << p.a << "-" << p.b;
        EXPECT_EQ(PairRating(b, a), p.ba) << p.b << "-" << p.a;
    }
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(PairRating(i, i), i == 11 ? "1,4" : "1,5");
}

TEST_F(SunSignTables, PairLookupGivesRatingPercentageAndComment)
{
    struct Case {
        const char *m, *f, *rating, *percentage, *comment;
    };
    const Case cases[] = {
        {"Aries", "Leo", "3", "60%", "An Easy Match"},
        {"Leo", "Aries", "5", "100%", "An Excellent Match"},
        {"Virgo", "Pisces", "1,5", "", "A Special Match - This could be a Great Match or a Difficult Match"},
        {"Pisces", "Virgo", "1,4", "", "A Special Match"},
        {"Aries", "Aries", "1,5", "", "A Special Match - This could be a Great Match or a Difficult Match"},
        {"Pisces", "Pisces", "1,4", "", "A Special Match"},
        {"Gemini", "Taurus", "1", "20%", "A Poor Match"},
        {"Aries", "Taurus", "2", "40%", "A Difficult Match"},
        {"Taurus", "Cancer", "4", "80%", "A Great Match"},
    };
    for (const Case& c : cases) {
        match(c.m, c.f);
        EXPECT_EQ(state().ZodiacMatchRating, c.rating) << c.m << "-" << c.f;
        EXPECT_EQ(state().ZodiacMatchPercentage, c.percentage) << c.m << "-" << c.f;
        EXPECT_EQ(state().ZodiacMatchComment, c.comment) << c.m << "-" << c.f;
        EXPECT_EQ(state().ZodiacMatchDescription,
                  PairText(signs::signIndex(c.m), signs::signIndex(c.f)));
        EXPECT_FALSE(state().ZodiacMatchDescription.empty());
    }
}

TEST_F(SunSignTables, UnmatchedPairKeepsTheLastMatch)
{
    match("", "Leo");
    EXPECT_TRUE(state().ZodiacMatchDescription.empty());
    EXPECT_TRUE(state().ZodiacMatchComment.empty());
    match("Aries", "Leo");
    const State before = state();
    for (auto [m, f] : {std::pair{"Aries", ""}, {"aries", "Leo"}, {"Leo ", "Aries"}}) {
        match(m, f);
        EXPECT_EQ(state().ZodiacMatchDescription, before.ZodiacMatchDescription);
        EXPECT_EQ(state().ZodiacMatchRating, "3");
        EXPECT_EQ(state().ZodiacMatchPercentage, "60%");
        EXPECT_EQ(state().ZodiacMatchComment, "An Easy Match");
    }
}

TEST_F(SunSignTables, DetailsOfASignAndUnknownNamesLeaveThemAlone)
{
    LoadSunSignDetails("");
    EXPECT_TRUE(state().SunSignDetails.Element.empty());
    LoadSunSignDetails("Scorpio");
    const SunSignDetailsRecord& d = state().SunSignDetails;
    EXPECT_EQ(d.Element, "Water");
    EXPECT_EQ(d.RulingPlanet, "Pluto and Mars");
    EXPECT_EQ(d.LuckyNumber, "2 & 4");
    EXPECT_EQ(d.LuckyColor, "Burgundy and Black");
    EXPECT_EQ(d.LuckyDay, "Tuesday");
    EXPECT_EQ(d.Compatibility, "Cancer & Pisces");
    EXPECT_EQ(d.BirthStone, "Topaz");
    EXPECT_EQ(d.Quality, "Fixed");
    EXPECT_EQ(d.NegativeTraits.rfind("Your bluntness may hurt", 0), 0u);
    EXPECT_FALSE(d.FamousPersons.empty());
    const SunSignDetailsRecord scorpio = d;
    for (const char* bad : {"", "scorpio", "Ophiuchus", "Scorpio "}) {
        LoadSunSignDetails(bad);
        EXPECT_EQ(d.Element, scorpio.Element) << bad;
        EXPECT_EQ(d.PositiveTraits, scorpio.PositiveTraits) << bad;
        EXPECT_EQ(d.FamousPersons, scorpio.FamousPersons) << bad;
    }
    // Rows whose separators differ are kept as they are.
    LoadSunSignDetails("Capricorn");
    EXPECT_EQ(d.LuckyNumber, "8, 2");
    LoadSunSignDetails("Libra");
    EXPECT_EQ(d.Compatibility, "Aquarius and Gemini");
    LoadSunSignDetails("Pisces");
    EXPECT_EQ(d.Compatibility, "Taurus & Virgo");
    EXPECT_EQ(d.LuckyColor, "Sea green");
}
