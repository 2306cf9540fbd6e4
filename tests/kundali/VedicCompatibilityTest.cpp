#include "modVedicCompatibility.h"

#include "KundaliMatchSteps.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vc = modVedicCompatibility;

namespace {

const std::vector<std::string> Signs = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                                        "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

std::vector<std::string> nakshatras() { return {vc::NakshatraNames.begin(), vc::NakshatraNames.end()}; }

int signAt(const std::string &name)
{
    for (std::size_t i = 0; i < Signs.size(); ++i)
        if (Signs[i] == name)
            return static_cast<int>(i);
    return -1;
}

int nakshatraAt(const std::string &name)
{
    for (std::size_t i = 0; i < vc::NakshatraNames.size(); ++i)
        if (vc::NakshatraNames[i] == name)
            return static_cast<int>(i);
    return -1;
}

// Points as a doubled whole number, so half points add exactly ("3.5" -> 7).
int halves(std::string_view points)
{
    int whole = 0;
    for (char ch : points.substr(0, points.find('.')))
        whole = whole * 10 + (ch - '0');
    return whole * 2 + (points.ends_with(".5") ? 1 : 0);
}

class KutaTest : public ::testing::Test {
protected:
    void SetUp() override { vc::resetState(); }
    void TearDown() override { vc::resetState(); }
    vc::State &s() { return vc::state(); }
};

struct PairCase {
    std::string boy;
    std::string girl;
    std::string points;
};

// ---------------------------------------------------------------- Varna

TEST_F(KutaTest, VarnaExamples)
{
    const PairCase cases[] = {
        {"Cancer", "Aries", "0"}, // Brahmin boy, Kshatriya girl
        {"Aries", "Cancer", "1"},
        {"Virgo", "Virgo", "1"},
        {"Scorpio", "Capricorn", "0"},
        {"Capricorn", "Scorpio", "1"},
    };
    for (const auto &c : cases) {
        vc::ComputeVarnaKuta(c.boy, c.girl);
        EXPECT_EQ(s().VarnaPoints, c.points) << c.boy << "-" << c.girl;
    }
    vc::ComputeVarnaKuta("Cancer", "Aries");
    EXPECT_EQ(s().Classes.BoyVarna, "Brahmin");
    EXPECT_EQ(s().Classes.GirlVarna, "Kshatriya");
}

TEST_F(KutaTest, VarnaWholeTableFollowsRank)
{
    // Rank 0 is highest; the girl scores when she ranks the same or above.
    const std::map<std::string, int> rank = {
        {"Cancer", 0}, {"Pisces", 0}, {"Scorpio", 0}, {"Leo", 1}, {"Aries", 1}, {"Sagittarius", 1},
        {"Virgo", 2}, {"Taurus", 2}, {"Capricorn", 2}, {"Libra", 3}, {"Gemini", 3}, {"Aquarius", 3}};
    const std::set<std::string> sudra = {"Libra", "Gemini", "Aquarius"};
    for (const auto &boy : Signs) {
        int sum = 0;
        for (const auto &girl : Signs) {
            vc::ComputeVarnaKuta(boy, girl);
            const std::string expected = rank.at(girl) <= rank.at(boy) ? "1" : "0";
            EXPECT_EQ(s().VarnaPoints, expected) << boy << "-" << girl;
            EXPECT_EQ(s().Classes.BoyVarna, vc::VarnaClasses[static_cast<std::size_t>(rank.at(boy))]);
            sum += s().VarnaPoints == "1";
        }
        if (sudra.contains(boy)) {
            EXPECT_EQ(sum, 12) << boy << " (Sudra) scores with every girl";
        }
        if (rank.at(boy) == 0) {
            EXPECT_EQ(sum, 3) << boy << " (Brahmin) scores only with a Brahmin girl";
        }
    }
}

// ---------------------------------------------------------------- Vasya

TEST_F(KutaTest, VasyaExamples)
{
    const PairCase cases[] = {
        {"Gemini", "Cancer", "0.5"}, // Nara, Jala
        {"Cancer", "Gemini", "0"},   // Jala, Nara
        {"Leo", "Capricorn", "2"},
        {"Taurus", "Pisces", "1"},
        {"Pisces", "Taurus", "1"},
        {"Aries", "Libra", "0.5"},
        {"Sagittarius", "Leo", "2"}, // Sagittarius counts as quadruped
        {"Sagittarius", "Virgo", "0.5"},
    };
    for (const auto &c : cases) {
        vc::ComputeVasyaKuta(c.boy, c.girl);
        EXPECT_EQ(s().VasyaPoints, c.points) << c.boy << "-" << c.girl;
    }
}

TEST_F(KutaTest, VasyaClassOfEverySign)
{
    const std::map<std::string, std::string> cls = {
        {"Aries", "Chatushpada"}, {"Taurus", "Chatushpada"}, {"Gemini", "Nara"}, {"Cancer", "Jala"},
        {"Leo", "Chatushpada"}, {"Virgo", "Nara"}, {"Libra", "Nara"}, {"Scorpio", "Jala"},
        {"Sagittarius", "Chatushpada"}, {"Capricorn", "Chatushpada"}, {"Aquarius", "Nara"}, {"Pisces", "Jala"}};
    for (const auto &[sign, expected] : cls) {
        vc::ComputeVasyaKuta(sign, "Aries");
        EXPECT_EQ(s().Classes.BoyVasya, expected) << sign;
        vc::ComputeVasyaKuta("Aries", sign);
        EXPECT_EQ(s().Classes.GirlVasya, expected) << sign;
    }
}

// ---------------------------------------------------------------- Maitri and Rashi

TEST_F(KutaTest, MaitriAndRashiExamples)
{
    struct Case { std::string boy, girl, maitri, rashi; };
    const Case cases[] = {
        {"Taurus", "Aquarius", "5", "7"},
        {"Taurus", "Pisces", "1", "7"},
        {"Pisces", "Taurus", "1", "0"},
        {"Leo", "Taurus", "0", "7"},
        {"Taurus", "Cancer", "1", "0"},
        {"Cancer", "Taurus", "1", "7"},
        {"Cancer", "Aries", "4", "7"},
    };
    for (const auto &c : cases) {
        vc::ComputeMaitriKuta(c.boy, c.girl);
        vc::ComputeRashiKuta(c.boy, c.girl);
        EXPECT_EQ(s().MaitriPoints, c.maitri) << c.boy << "-" << c.girl;
        EXPECT_EQ(s().RashiPoints, c.rashi) << c.boy << "-" << c.girl;
        EXPECT_EQ(s().Classes.BoyMaitri, c.boy);
        EXPECT_EQ(s().Classes.GirlMaitri, c.girl);
        EXPECT_EQ(s().Classes.BoyRashi, c.boy);
        EXPECT_EQ(s().Classes.GirlRashi, c.girl);
    }
}

TEST_F(KutaTest, SameSignScoresFullMaitriAndRashi)
{
    for (const auto &sign : Signs) {
        vc::ComputeMaitriKuta(sign, sign);
        vc::ComputeRashiKuta(sign, sign);
        EXPECT_EQ(s().MaitriPoints, "5") << sign;
        EXPECT_EQ(s().RashiPoints, "7") << sign;
    }
}

TEST_F(KutaTest, MaitriWholeTable)
{
    const auto &t = vc::MaitriTable();
    // Symmetric, and signs of one ruler have equal rows.
    for (std::size_t r = 0; r < 12; ++r)
        for (std::size_t c = 0; c < 12; ++c)
            EXPECT_EQ(t[r][c], t[c][r]) << Signs[r] << "-" << Signs[c];
    const std::pair<const char *, const char *> sameRuler[] = {
        {"Aries", "Scorpio"}, {"Taurus", "Libra"}, {"Gemini", "Virgo"},
        {"Sagittarius", "Pisces"}, {"Capricorn", "Aquarius"}};
    for (const auto &[a, b] : sameRuler)
        EXPECT_EQ(t[static_cast<std::size_t>(signAt(a))], t[static_cast<std::size_t>(signAt(b))]) << a << "/" << b;
    // Row sums catch a mistyped cell that keeps the table symmetric.
    const int rowSums[12] = {39, 39, 38, 34, 38, 38, 39, 39, 39, 37, 37, 39};
    for (std::size_t r = 0; r < 12; ++r) {
        int sum = 0;
        for (auto cell : t[r])
            sum += std::stoi(std::string(cell));
        EXPECT_EQ(sum, rowSums[r]) << Signs[r];
    }
    // The procedure reads this table, row = boy.
    for (const auto &boy : Signs)
        for (const auto &girl : Signs) {
            vc::ComputeMaitriKuta(boy, girl);
            EXPECT_EQ(s().MaitriPoints, t[static_cast<std::size_t>(signAt(boy))][static_cast<std::size_t>(signAt(girl))]);
        }
}

TEST_F(KutaTest, RashiZeroCellsAreExactlyTheNineteen)
{
    const std::set<std::pair<std::string, std::string>> zeros = {
        {"Taurus", "Cancer"}, {"Taurus", "Leo"}, {"Taurus", "Scorpio"},
        {"Cancer", "Virgo"}, {"Cancer", "Libra"}, {"Cancer", "Scorpio"}, {"Cancer", "Sagittarius"},
        {"Virgo", "Scorpio"}, {"Virgo", "Sagittarius"}, {"Virgo", "Capricorn"}, {"Virgo", "Aquarius"},
        {"Scorpio", "Capricorn"}, {"Scorpio", "Aquarius"},
        {"Capricorn", "Aries"}, {"Capricorn", "Gemini"}, {"Capricorn", "Pisces"},
        {"Pisces", "Taurus"}, {"Pisces", "Gemini"}, {"Pisces", "Cancer"}};
    ASSERT_EQ(zeros.size(), 19u);
    for (const auto &boy : Signs)
        for (const auto &girl : Signs) {
            vc::ComputeRashiKuta(boy, girl);
            EXPECT_EQ(s().RashiPoints, zeros.contains({boy, girl}) ? "0" : "7") << boy << "-" << girl;
        }
}

TEST_F(KutaTest, SignToIndexReplacesOnlySignNames)
{
    std::string text = "Pisces";
    EXPECT_EQ(vc::SignToIndex(text), "11");
    EXPECT_EQ(text, "11");
    for (std::string other : {"aries", "Aries ", "Aries (Mesha)", ""}) {
        const std::string before = other;
        EXPECT_EQ(vc::SignToIndex(other), before);
        EXPECT_EQ(other, before);
    }
}

// ---------------------------------------------------------------- Names outside the tables

TEST_F(KutaTest, UnshortenedSignLeavesPointsUnchanged)
{
    vc::ComputeVarnaKuta("Aries", "Cancer");
    vc::ComputeVasyaKuta("Gemini", "Cancer");
    vc::ComputeMaitriKuta("Leo", "Taurus");
    vc::ComputeRashiKuta("Pisces", "Taurus");
    ASSERT_EQ(s().VarnaPoints, "1");

    vc::ComputeVarnaKuta("Capricorn (Makara)", "Aries");
    vc::ComputeVasyaKuta("Capricorn (Makara)", "Aries");
    vc::ComputeMaitriKuta("Capricorn (Makara)", "Aries");
    vc::ComputeRashiKuta("Capricorn (Makara)", "Aries");
    EXPECT_EQ(s().Classes.BoyVarna, "Capricorn (Makara)");
    EXPECT_EQ(s().Classes.GirlVarna, "Kshatriya");
    EXPECT_EQ(s().Classes.BoyVasya, "Capricorn (Makara)");
    EXPECT_EQ(s().Classes.GirlVasya, "Chatushpada");
    EXPECT_EQ(s().Classes.BoyMaitri, "Capricorn (Makara)");
    EXPECT_EQ(s().Classes.BoyRashi, "Capricorn (Makara)");
    EXPECT_EQ(s().VarnaPoints, "1");
    EXPECT_EQ(s().VasyaPoints, "0.5");
    EXPECT_EQ(s().MaitriPoints, "0");
    EXPECT_EQ(s().RashiPoints, "0");
}

TEST_F(KutaTest, LowerCaseSignIsNoSignAndPointsStayEmptyBeforeAnyMatch)
{
    vc::ComputeVarnaKuta("aries", "Aries");
    vc::ComputeMaitriKuta("Aries", "aries");
    EXPECT_EQ(s().Classes.BoyVarna, "aries");
    EXPECT_EQ(s().Classes.GirlMaitri, "aries");
    EXPECT_EQ(s().VarnaPoints, "");
    EXPECT_EQ(s().MaitriPoints, "");
}

TEST_F(KutaTest, ClassNamesAreScoredAsTheirClass)
{
    vc::ComputeVarnaKuta("Brahmin", "Kshatriya");
    EXPECT_EQ(s().VarnaPoints, "0");
    vc::ComputeVasyaKuta("Jala", "Nara");
    EXPECT_EQ(s().VasyaPoints, "0");
    vc::ComputeGanaKuta("Rakshasa", "Deva");
    EXPECT_EQ(s().GanaPoints, "0");
    vc::ComputeNadiKuta("Pitha/Madhya", "Pitha/Madhya");
    EXPECT_EQ(s().NadiPoints, "0");
}

TEST_F(KutaTest, MisspeltNakshatraLeavesPointsUnchanged)
{
    vc::ComputeTaraKuta("Rohini", "Ardra");
    vc::ComputeGanaKuta("Ashwini", "Krittika");
    vc::ComputeNadiKuta("Ashwini", "Bharani");
    vc::ComputeYoniKuta("Ashwini", "Hasta");

    vc::ComputeTaraKuta("Mrigashira", "Rohini");
    vc::ComputeGanaKuta("Mrigashira", "Rohini");
    vc::ComputeNadiKuta("Mrigashira", "Rohini");
    vc::ComputeYoniKuta("Mrigashira", "Rohini");
    EXPECT_EQ(s().Classes.BoyTara, "Mrigashira");
    EXPECT_EQ(s().Classes.BoyGana, "Mrigashira");
    EXPECT_EQ(s().Classes.BoyNadi, "Mrigashira");
    EXPECT_EQ(s().Classes.BoyYoni, "Mrigashira");
    EXPECT_EQ(s().Classes.GirlTara, "Rohini");
    EXPECT_EQ(s().Classes.GirlGana, "Manusha");
    EXPECT_EQ(s().Classes.GirlNadi, "Sleshma/Anthya");
    EXPECT_EQ(s().TaraPoints, "1.5");
    EXPECT_EQ(s().GanaPoints, "3");
    EXPECT_EQ(s().NadiPoints, "8");
    EXPECT_EQ(s().YoniPoints, "1");

    // Other case or a trailing blank is no name either.
    vc::ComputeYoniKuta("ashwini", "Ashwini ");
    EXPECT_EQ(s().YoniPoints, "1");
    vc::ComputeTaraKuta("", "");
    EXPECT_EQ(s().Classes.BoyTara, "");
    EXPECT_EQ(s().TaraPoints, "1.5");
}

// ---------------------------------------------------------------- Tara

TEST_F(KutaTest, TaraExamples)
{
    const PairCase cases[] = {
        {"Rohini", "Rohini", "0"},
        {"Rohini", "Krittika", "3"},
        {"Rohini", "Mrigasira", "3"},
        {"Rohini", "Ardra", "1.5"},
        {"Ashwini", "Revati", "3"}, // indexes 0 and 8 are neighbours
        {"Revati", "Ashwini", "3"},
        {"Ashwini", "Magha", "0"},
        {"Hasta", "Uttara Phalguni", "3"},
        {"Moola", "Purva Ashadha", "3"},
    };
    for (const auto &c : cases) {
        vc::ComputeTaraKuta(c.boy, c.girl);
        EXPECT_EQ(s().TaraPoints, c.points) << c.boy << "-" << c.girl;
        EXPECT_EQ(s().Classes.BoyTara, c.boy);
        EXPECT_EQ(s().Classes.GirlTara, c.girl);
    }
}

TEST_F(KutaTest, TaraWholeTableByCycleOfNine)
{
    const auto all = nakshatras();
    std::map<std::string, int> counts;
    for (std::size_t b = 0; b < all.size(); ++b)
        for (std::size_t g = 0; g < all.size(); ++g) {
            vc::ComputeTaraKuta(all[b], all[g]);
            const int d = static_cast<int>((g % 9 + 9 - b % 9) % 9);
            const std::string expected = d == 0 ? "0" : (d == 1 || d == 8) ? "3" : "1.5";
            EXPECT_EQ(s().TaraPoints, expected) << all[b] << "-" << all[g];
            ++counts[s().TaraPoints];
        }
    EXPECT_EQ(counts["0"], 81);
    EXPECT_EQ(counts["3"], 162);
    EXPECT_EQ(counts["1.5"], 486);
    const std::vector<std::string_view> row3 = {"1.5", "1.5", "3", "0", "3", "1.5", "1.5", "1.5", "1.5"};
    EXPECT_EQ(std::vector<std::string_view>(vc::TaraTable()[3].begin(), vc::TaraTable()[3].end()), row3);
}

// ---------------------------------------------------------------- Gana and Nadi

TEST_F(KutaTest, GanaExamplesBothDirections)
{
    const PairCase cases[] = {
        {"Krittika", "Ashwini", "0"}, // Rakshasa boy, Deva girl
        {"Ashwini", "Krittika", "3"},
        {"Bharani", "Ashwini", "5"},
        {"Ashwini", "Bharani", "4"},
        {"Bharani", "Krittika", "2"},
        {"Krittika", "Bharani", "0"},
        {"Magha", "Moola", "6"},
    };
    for (const auto &c : cases) {
        vc::ComputeGanaKuta(c.boy, c.girl);
        EXPECT_EQ(s().GanaPoints, c.points) << c.boy << "-" << c.girl;
    }
    vc::ComputeGanaKuta("Krittika", "Ashwini");
    EXPECT_EQ(s().Classes.BoyGana, "Rakshasa");
    EXPECT_EQ(s().Classes.GirlGana, "Deva");
}

TEST_F(KutaTest, NadiExamples)
{
    const PairCase cases[] = {
        {"Bharani", "Mrigasira", "0"}, // both Pitha/Madhya
        {"Ashwini", "Bharani", "8"},
        {"Ashwini", "Krittika", "6"},
        {"Krittika", "Ashwini", "6"},
        {"Rohini", "Revati", "2"},
    };
    for (const auto &c : cases) {
        vc::ComputeNadiKuta(c.boy, c.girl);
        EXPECT_EQ(s().NadiPoints, c.points) << c.boy << "-" << c.girl;
    }
}

TEST_F(KutaTest, SameNakshatraScoresByClass)
{
    std::map<std::string, int> ganaCount, nadiCount;
    for (const auto &n : nakshatras()) {
        vc::ComputeTaraKuta(n, n);
        vc::ComputeGanaKuta(n, n);
        vc::ComputeNadiKuta(n, n);
        EXPECT_EQ(s().TaraPoints, "0") << n;
        EXPECT_EQ(s().GanaPoints, "6") << n;
        EXPECT_EQ(s().Classes.BoyNadi, s().Classes.GirlNadi);
        EXPECT_EQ(s().NadiPoints, s().Classes.BoyNadi == "Pitha/Madhya" ? "0" : "2") << n;
        ++ganaCount[s().Classes.BoyGana];
        ++nadiCount[s().Classes.BoyNadi];
    }
    // Every nakshatra has a class, nine to a class.
    EXPECT_EQ(ganaCount, (std::map<std::string, int>{{"Deva", 9}, {"Manusha", 9}, {"Rakshasa", 9}}));
    EXPECT_EQ(nadiCount, (std::map<std::string, int>{{"Vatha/Adi", 9}, {"Pitha/Madhya", 9}, {"Sleshma/Anthya", 9}}));
}

TEST_F(KutaTest, ClassTablesAsStated)
{
    using Row3 = std::array<std::string_view, 3>;
    EXPECT_EQ(vc::GanaTable()[0], (Row3{"6", "4", "3"}));
    EXPECT_EQ(vc::GanaTable()[1], (Row3{"5", "6", "2"}));
    EXPECT_EQ(vc::GanaTable()[2], (Row3{"0", "0", "6"}));
    EXPECT_EQ(vc::VasyaTable()[0], (Row3{"2", "0.5", "1"}));
    EXPECT_EQ(vc::VasyaTable()[1], (Row3{"0.5", "2", "0.5"}));
    EXPECT_EQ(vc::VasyaTable()[2], (Row3{"1", "0", "2"}));
    for (std::size_t r = 0; r < 3; ++r)
        for (std::size_t c = 0; c < 3; ++c)
            EXPECT_EQ(vc::NadiTable()[r][c], vc::NadiTable()[c][r]);
    EXPECT_EQ(vc::NadiTable()[0], (Row3{"2", "8", "6"}));
    EXPECT_EQ(vc::NadiTable()[1], (Row3{"8", "0", "8"}));
}

// ---------------------------------------------------------------- Yoni

TEST_F(KutaTest, YoniExamples)
{
    const PairCase cases[] = {
        {"Bharani", "Revati", "4"},
        {"Revati", "Bharani", "4"},
        {"Bharani", "Poorva Phalguni", "3.5"},
        {"Bharani", "Poorva Bhadrapada", "0"},
        {"Krittika", "Shravana", "0.5"},
        {"Krittika", "Jyeshtha", "3.5"},
        {"Ashwini", "Swati", "0"},
        {"Swati", "Ashwini", "0"},
        {"Ashwini", "Ashwini", "2"},
        {"Krittika", "Krittika", "3"},
        {"Ashwini", "Hasta", "1"}, // asymmetric pair
        {"Hasta", "Ashwini", "1.5"},
        {"Uttara Ashadha", "Rohini", "0"},
        {"Rohini", "Uttara Ashadha", "0"},
    };
    for (const auto &c : cases) {
        vc::ComputeYoniKuta(c.boy, c.girl);
        EXPECT_EQ(s().YoniPoints, c.points) << c.boy << "-" << c.girl;
        EXPECT_EQ(s().Classes.BoyYoni, c.boy);
        EXPECT_EQ(s().Classes.GirlYoni, c.girl);
    }
}

TEST_F(KutaTest, YoniWholeTable)
{
    const auto &t = vc::YoniPointsTable();
    const std::set<std::string_view> allowed = {"0", "0.5", "1", "1.5", "2", "2.5", "3", "3.5", "4"};
    int asymmetricPairs = 0;
    std::set<std::pair<int, int>> fours, zeros;
    for (int r = 0; r < 27; ++r)
        for (int c = 0; c < 27; ++c) {
            const auto cell = t[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            EXPECT_TRUE(allowed.contains(cell)) << r << "," << c << " " << cell;
            if (c > r && cell != t[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)])
                ++asymmetricPairs;
            if (cell == "4")
                fours.insert({r, c});
            if (cell == "0")
                zeros.insert({r, c});
        }
    EXPECT_EQ(asymmetricPairs, 54);

    const std::pair<const char *, const char *> fourPairs[] = {
        {"Ashwini", "Shatabhisha"}, {"Bharani", "Revati"}, {"Krittika", "Pushya"}, {"Rohini", "Mrigasira"},
        {"Ardra", "Moola"}, {"Punarvasu", "Ashlesha"}, {"Magha", "Poorva Phalguni"},
        {"Uttara Phalguni", "Uttara Bhadrapada"}, {"Hasta", "Swati"}, {"Chitra", "Vishakha"},
        {"Anuradha", "Jyeshtha"}, {"Purva Ashadha", "Shravana"}, {"Dhanistha", "Poorva Bhadrapada"}};
    std::set<std::pair<int, int>> expectedFours;
    for (const auto &[a, b] : fourPairs) {
        expectedFours.insert({nakshatraAt(a), nakshatraAt(b)});
        expectedFours.insert({nakshatraAt(b), nakshatraAt(a)});
    }
    EXPECT_EQ(fours.size(), 26u);
    EXPECT_EQ(fours, expectedFours);

    const std::set<std::pair<int, int>> expectedZeros = {
        {0, 14}, {1, 24}, {3, 20}, {7, 19}, {8, 9}, {9, 6}, {9, 8}, {11, 13},
        {11, 15}, {14, 0}, {15, 11}, {17, 18}, {18, 17}, {19, 7}, {20, 3}, {24, 1}};
    EXPECT_EQ(zeros.size(), 16u);
    EXPECT_EQ(zeros, expectedZeros);

    const std::set<int> diagonalTwo = {0, 1, 3, 7, 8, 9, 11, 14, 15, 17, 18, 19, 20, 24};
    for (int i = 0; i < 27; ++i)
        EXPECT_EQ(t[static_cast<std::size_t>(i)][static_cast<std::size_t>(i)], diagonalTwo.contains(i) ? "2" : "3")
            << vc::NakshatraNames[static_cast<std::size_t>(i)];

    // Row and column sums in half points catch a single mistyped cell.
    const int rowHalves[27] = {127, 127, 156, 132, 160, 156, 156, 127, 131, 123, 158, 121, 159, 156,
                               121, 127, 152, 125, 127, 135, 138, 156, 148, 146, 129, 164, 144};
    const int columnHalves[27] = {122, 129, 156, 132, 160, 156, 154, 127, 127, 127, 158, 125, 156, 156,
                                  127, 123, 152, 129, 129, 127, 122, 156, 158, 158, 125, 154, 156};
    for (std::size_t i = 0; i < 27; ++i) {
        int row = 0, column = 0;
        for (std::size_t j = 0; j < 27; ++j) {
            row += halves(t[i][j]);
            column += halves(t[j][i]);
        }
        EXPECT_EQ(row, rowHalves[i]) << "row " << vc::NakshatraNames[i];
        EXPECT_EQ(column, columnHalves[i]) << "column " << vc::NakshatraNames[i];
    }

    // The procedure reads this table, row = boy.
    const auto all = nakshatras();
    for (std::size_t b = 0; b < 27; ++b)
        for (std::size_t g = 0; g < 27; ++g) {
            vc::ComputeYoniKuta(all[b], all[g]);
            ASSERT_EQ(s().YoniPoints, t[b][g]) << all[b] << "-" << all[g];
        }
}

TEST_F(KutaTest, NakshatraConversions)
{
    std::string n = "Revati";
    EXPECT_EQ(vc::NakshatraToIndex(n), "26");
    EXPECT_EQ(n, "26");
    n = "Revati";
    EXPECT_EQ(vc::NakshatraToTaraIndex(n), "8");
    n = "Poorva Bhadrapada";
    EXPECT_EQ(vc::NakshatraToGana(n), "Manusha");
    n = "Poorva Bhadrapada";
    EXPECT_EQ(vc::NakshatraToNadi(n), "Vatha/Adi");
    // "Purva" is the spelling only for Ashadha.
    for (std::string other : {"Purva Phalguni", "Poorva Ashadha", "Mrigashira", "revati"}) {
        const auto before = other;
        EXPECT_EQ(vc::NakshatraToIndex(other), before);
        EXPECT_EQ(vc::NakshatraToGana(other), before);
        EXPECT_EQ(vc::NakshatraToNadi(other), before);
        EXPECT_EQ(vc::NakshatraToTaraIndex(other), before);
        EXPECT_EQ(other, before);
    }
}

// ---------------------------------------------------------------- Summary, total and verdict

TEST_F(KutaTest, SummaryListsAreInScoreTableOrder)
{
    RunAllKutas("Cancer", "Aries", "Rohini", "Ardra");
    vc::BuildKutaSummary();
    const std::array<std::string, 8> points = {"0", "1", "1.5", "3.5", "4", "6", "7", "6"};
    EXPECT_EQ(s().KutaPoints, points);
    EXPECT_EQ(s().KutaAreaOfLife,
              (std::array<std::string, 8>{"Work", "Control", "Destiny", "Mental Awareness", "Compatibility",
                                          "Temperament", "Love", "Health"}));
    // The significance texts follow the same order.
    EXPECT_TRUE(s().KutaSignificance[0].starts_with("Varna Kuta")) << s().KutaSignificance[0].substr(0, 40);
    EXPECT_NE(s().KutaSignificance[1].find(" Sign - "), std::string::npos);
    EXPECT_NE(s().KutaSignificance[7].find("Vatha - "), std::string::npos);

    // A second match overwrites every entry; a kuta that finds no cell
    // contributes its previous points again.
    RunAllKutas("Leo", "Taurus", "Mrigashira", "Ashwini");
    vc::BuildKutaSummary();
    const std::array<std::string, 8> second = {"0", "2", "1.5", "3.5", "0", "6", "7", "6"};
    EXPECT_EQ(s().KutaPoints, second);
}

TEST(KutaScore, PointsCellRoundsHalvesToEven)
{
    const std::pair<const char *, int> cases[] = {
        {"0", 0}, {"0.5", 0}, {"1", 1}, {"1.5", 2}, {"2.5", 2}, {"3.5", 4}, {"4", 4}, {"7", 7}, {"8", 8},
        {"2.6", 3}, {"2.4", 2}, {" 3 ", 3}};
    for (const auto &[text, value] : cases)
        EXPECT_EQ(vc::PointsCellValue(text), std::optional<int>(value)) << '"' << text << '"';
    for (const char *bad : {"", " ", "x", "1,5", "1.5x", "--1"})
        EXPECT_FALSE(vc::PointsCellValue(bad).has_value()) << '"' << bad << '"';
}

TEST(KutaScore, TotalIsTheSumOfRoundedCells)
{
    std::array<std::string, vc::ScoreTableCells> cells{};
    const std::array<const char *, 8> points = {"1", "0.5", "1.5", "2.5", "5", "6", "7", "8"};
    for (std::size_t r = 0; r < 8; ++r)
        cells[5 * r + 3] = points[r];
    // 1 + 0 + 2 + 2 + 5 + 6 + 7 + 8; the unrounded sum would be 31.5.
    EXPECT_EQ(vc::ScoreTableTotal(cells), std::optional<int>(31));
    cells[18] = "3.5";
    EXPECT_EQ(vc::ScoreTableTotal(cells), std::optional<int>(33));
    cells[18] = "";
    EXPECT_FALSE(vc::ScoreTableTotal(cells).has_value());
}

TEST(KutaScore, VerdictBoundaries)
{
    const std::pair<int, const char *> cases[] = {
        {0, "This is a Poor Match"},       {17, "This is a Poor Match"},
        {18, "This is a Fair Match"},      {19, "This is a Fair Match"},
        {20, "This is a Good Match"},      {24, "This is a Good Match"},
        {25, "This is a Very Good Match"}, {32, "This is a Very Good Match"},
        {33, "This is a Excellent Match"}, {36, "This is a Excellent Match"}};
    for (const auto &[total, verdict] : cases)
        EXPECT_EQ(vc::KutaVerdict(total), verdict) << total;
}

TEST_F(KutaTest, ScoreTableCells)
{
    RunAllKutas("Cancer", "Aries", "Rohini", "Ardra");
    vc::BuildKutaSummary();
    vc::FillKutaScoreTable();
    const auto &c = s().KutaScoreTable;
    const std::vector<std::string> expected = {
        "Brahmin", "Kshatriya", "1", "0", "Work",
        "Jala", "Chatushpada", "2", "1", "Control",
        "Rohini", "Ardra", "3", "1.5", "Destiny",
        "Rohini", "Ardra", "4", "3.5", "Mental Awareness",
        "Cancer", "Aries", "5", "4", "Compatibility",
        "Manusha", "Manusha", "6", "6", "Temperament",
        "Cancer", "Aries", "7", "7", "Love",
        "Sleshma/Anthya", "Vatha/Adi", "8", "6", "Health",
        "36", "30", "This is a Very Good Match", "You Have Obtained 30 Points Out Of 36 Points"};
    ASSERT_EQ(expected.size(), c.size());
    for (std::size_t i = 0; i < c.size(); ++i)
        EXPECT_EQ(c[i], expected[i]) << "cell " << i;
    EXPECT_EQ(s().KutaTotal, 30);
}

TEST_F(KutaTest, UnreadablePointsCellKeepsTheTotal)
{
    // Only the sign kutas have found cells: the nakshatra points are still empty.
    RunAllKutas("Aries", "Aries", "Mrigashira", "Mrigashira");
    vc::BuildKutaSummary();
    vc::FillKutaScoreTable();
    EXPECT_EQ(s().KutaScoreTable[13], "");
    EXPECT_EQ(s().KutaTotal, 0);
    EXPECT_EQ(s().KutaScoreTable[41], "0");
    EXPECT_EQ(s().KutaScoreTable[42], "This is a Poor Match");
    EXPECT_EQ(s().KutaScoreTable[43], "You Have Obtained 0 Points Out Of 36 Points");

    s().KutaTotal = 20;
    vc::FillKutaScoreTable();
    EXPECT_EQ(s().KutaTotal, 20);
    EXPECT_EQ(s().KutaScoreTable[41], "20");
    EXPECT_EQ(s().KutaScoreTable[42], "This is a Good Match");
}

} // namespace
