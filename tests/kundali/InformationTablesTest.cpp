#include "modNakshatraInformation.h"
#include "modRashiInformation.h"
#include "modVedicCompatibility.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace ri = modRashiInformation;
namespace ni = modNakshatraInformation;

namespace {

const std::vector<std::string> Signs = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                                        "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

std::vector<std::string> splitList(const std::string &text)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    while (true) {
        const auto comma = text.find(", ", start);
        items.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos)
            return items;
        start = comma + 2;
    }
}

struct Range { std::size_t min, max; };

// ---------------------------------------------------------------- Rashi

TEST(RashiInfoTable, KeysAndLookup)
{
    const auto &t = ri::RashiInfoTable();
    for (std::size_t i = 0; i < t.size(); ++i) {
        EXPECT_EQ(t[i].EnglishName, Signs[i]);
        EXPECT_EQ(ri::FindRashi(Signs[i]), &t[i]);
        EXPECT_EQ(ri::RashiRow(Signs[i]), static_cast<int>(i));
    }
    for (const char *other : {"aries", " Aries", "Aries ", "Aries (Mesha)", "", "Mesha"})
        EXPECT_EQ(ri::FindRashi(other), nullptr) << '"' << other << '"';
}

TEST(RashiInfoTable, FullRows)
{
    const std::vector<std::string> aries = {
        "Mesha", "Aries", "Mars", "The Ram", "Fire", "Red, Brown, Copper", "Movable", "Male", "Night", "Barren",
        "Kshatriya", "Dwara", "Mineral (Dhatu)", "Monday, Tuesday", "9, 1", "East", "Red, Brown, Copper", "Coral",
        "Head", "Short"};
    const std::vector<std::string> sagittarius = {
        "Dhanus", "Sagittarius", "Jupiter", "The Archer", "Fire", "Yellowish brown", "Mixed", "Male", "Night",
        "Semi-Fruitful", "Kshatriya", "Garbha", "Animal (Jeeva)", "Sunday, Thursday", "3, 5, 6, 8", "East",
        "Yellow, Gray, Brown", "Yellow Sapphire", "Thighs", "Even"};
    const std::vector<std::string> aquarius = {
        "Kumbha", "Aquarius", "Saturn", "The Water Carrier", "Air", "Deep Brown", "Fixed", "Male", "Day",
        "Semi-Fruitful", "Sudra", "Bahya", "Vegetable (Moola)", "Thursday, Friday, Saturday", "2, 3, 7, 9", "West",
        "Blue, Black", "Blue Sapphire", "Calves", "Short"};
    const std::pair<int, const std::vector<std::string> *> rows[] = {{0, &aries}, {8, &sagittarius}, {10, &aquarius}};
    for (const auto &[row, fields] : rows) {
        const auto &r = ri::RashiInfoTable()[static_cast<std::size_t>(row)];
        for (std::size_t f = 0; f < fields->size(); ++f)
            EXPECT_EQ(r.field(static_cast<int>(f)), (*fields)[f]) << r.EnglishName << " / " << ri::RashiFieldNames[f];
    }
    EXPECT_EQ(ri::RashiInfoTable()[10].CompatibleWith, "Aquarius, Libra, Gemini");
    EXPECT_EQ(ri::RashiInfoTable()[10].NotCompatibleWith, "Taurus, Virgo, Capricorn");
    EXPECT_EQ(ri::RashiInfoTable()[7].VedicName, "Vrischika");
    EXPECT_EQ(ri::RashiInfoTable()[4].PartOfTheBody, "Heart & Stomach");
}

TEST(RashiInfoTable, FieldOrderAndNames)
{
    ASSERT_EQ(ri::RashiFieldNames.size(), 27u);
    EXPECT_EQ(ri::RashiFieldNames[0], "Vedic Name");
    EXPECT_EQ(ri::RashiFieldNames[2], "Rulling Planet");
    EXPECT_EQ(ri::RashiFieldNames[9], "Barren Fruitful");
    EXPECT_EQ(ri::RashiFieldNames[20], "Looks");
    EXPECT_EQ(ri::RashiFieldNames[26], "Not Compatible With");
    const auto &pisces = ri::RashiInfoTable()[11];
    EXPECT_EQ(&pisces.field(0), &pisces.VedicName);
    EXPECT_EQ(&pisces.field(20), &pisces.Looks);
    EXPECT_EQ(&pisces.field(25), &pisces.CompatibleWith);
    EXPECT_EQ(&pisces.field(26), &pisces.NotCompatibleWith);
    EXPECT_TRUE(pisces.field(27).empty());
    EXPECT_TRUE(pisces.field(-1).empty());
}

TEST(RashiInfoTable, ShortFieldLengths)
{
    const std::map<int, Range> ranges = {
        {0, {5, 9}}, {1, {3, 11}}, {2, {3, 7}}, {3, {7, 17}}, {4, {3, 5}}, {5, {4, 18}}, {6, {5, 7}},
        {7, {4, 6}}, {8, {3, 5}}, {9, {6, 13}}, {10, {5, 9}}, {11, {5, 6}}, {12, {14, 17}}, {13, {14, 27}},
        {14, {4, 10}}, {15, {4, 5}}, {16, {5, 25}}, {17, {4, 15}}, {18, {4, 21}}, {19, {4, 5}},
        {25, {23, 43}}, {26, {23, 24}}};
    for (const auto &[field, range] : ranges) {
        std::size_t lo = 1000, hi = 0;
        for (const auto &row : ri::RashiInfoTable()) {
            lo = std::min(lo, row.field(field).size());
            hi = std::max(hi, row.field(field).size());
        }
        EXPECT_EQ(lo, range.min) << ri::RashiFieldNames[static_cast<std::size_t>(field)];
        EXPECT_EQ(hi, range.max) << ri::RashiFieldNames[static_cast<std::size_t>(field)];
    }
}

TEST(RashiInfoTable, RepeatingColumns)
{
    const auto &t = ri::RashiInfoTable();
    for (std::size_t i = 0; i < 12; ++i) {
        SCOPED_TRACE(Signs[i]);
        const auto &r = t[i];
        const auto &four = t[i % 4];
        EXPECT_EQ(r.InbornNature, four.InbornNature);
        EXPECT_EQ(r.SignCaste, four.SignCaste);
        EXPECT_EQ(r.BestDirection, four.BestDirection);
        EXPECT_EQ(r.NotCompatibleWith, four.NotCompatibleWith);
        const auto &three = t[i % 3];
        EXPECT_EQ(r.TypeOfSign, three.TypeOfSign);
        EXPECT_EQ(r.SignPosition, three.SignPosition);
        EXPECT_EQ(r.ConstituentCharacter, three.ConstituentCharacter);
        // Gemini breaks the Male/Female alternation.
        EXPECT_EQ(r.Gender, (i == 2 || i % 2 == 1) ? "Female" : "Male");
    }
}

TEST(RashiInfoTable, CompatibilityListsNameSigns)
{
    const std::set<std::string> names(Signs.begin(), Signs.end());
    for (const auto &r : ri::RashiInfoTable()) {
        SCOPED_TRACE(r.EnglishName);
        const auto good = splitList(r.CompatibleWith);
        const auto bad = splitList(r.NotCompatibleWith);
        EXPECT_EQ(bad.size(), 3u);
        EXPECT_GE(good.size(), 3u);
        for (const auto &n : good)
            EXPECT_TRUE(names.contains(n)) << n;
        for (const auto &n : bad) {
            EXPECT_TRUE(names.contains(n)) << n;
            EXPECT_EQ(std::count(good.begin(), good.end(), n), 0) << n << " on both lists";
        }
    }
}

TEST(RashiInfoTable, ProseComesFromContent)
{
    for (const auto &r : ri::RashiInfoTable()) {
        SCOPED_TRACE(r.EnglishName);
        for (int f = 20; f <= 24; ++f)
            EXPECT_FALSE(r.field(f).empty()) << ri::RashiFieldNames[static_cast<std::size_t>(f)];
    }
    EXPECT_NE(ri::RashiInfoTable()[0].Nature, ri::RashiInfoTable()[1].Nature);
}

// ---------------------------------------------------------------- Nakshatra

TEST(NakshatraInfoTable, KeysAndLookup)
{
    const auto &t = ni::NakshatraInfoTable();
    for (std::size_t i = 0; i < t.size(); ++i) {
        EXPECT_EQ(t[i].Nakshatra, modVedicCompatibility::NakshatraNames[i]);
        EXPECT_EQ(ni::FindNakshatra(t[i].Nakshatra), &t[i]);
        EXPECT_EQ(ni::NakshatraRow(t[i].Nakshatra), static_cast<int>(i));
    }
    for (const char *other : {"ashwini", "Ashwini ", " Revati", "Mrigashira", "Purva Phalguni", "Nakshatra", ""})
        EXPECT_EQ(ni::FindNakshatra(other), nullptr) << '"' << other << '"';
}

TEST(NakshatraInfoTable, FullRows)
{
    const std::vector<std::string> ashwini = {
        "Ashwini", "Ashwina Kumara", "Physician of the Demi Gods", "Ketu", "Horse", "Head of a Horse",
        "Beta Arietis", "Prithvi (Earth)", "Upper Part of Feet", "Light / Swift", "Male", "Dharma", "Vata",
        "Deva (Godly)", "North-East", "Cat's Eye"};
    const std::vector<std::string> pushya = {
        "Pushya", "Brihaspati", "Jupiter, Teacher of the Demigods", "Saturn", "Sheep",
        "A Circle / A Flower/ An Arrow", "Delta Cancri", "Jala (Water)", "Face", "Light / Swift", "Male", "Dharma",
        "Pitta", "Deva (Godly)", "East", "Blue Sapphire"};
    const std::vector<std::string> revati = {
        "Revati", "Pushan", "Demi God for Agriculture", "Mercury", "Elephant", "A Fish", "Zeta Piscum",
        "Akasha (Space)", "Ankles", "Soft", "Female", "Moksha", "Kapha", "Deva (Godly)", "North-East", "Emerald"};
    const std::pair<int, const std::vector<std::string> *> rows[] = {{0, &ashwini}, {7, &pushya}, {26, &revati}};
    for (const auto &[row, fields] : rows) {
        const auto &r = ni::NakshatraInfoTable()[static_cast<std::size_t>(row)];
        for (std::size_t f = 0; f < fields->size(); ++f)
            EXPECT_EQ(r.field(static_cast<int>(f)), (*fields)[f]) << r.Nakshatra << " / " << ni::NakshatraFieldNames[f];
    }
    // Odd spacing and spellings are kept.
    const auto &t = ni::NakshatraInfoTable();
    EXPECT_EQ(t[1].Symbol, "Yoni ( Female Sexual Organ)");
    EXPECT_EQ(t[13].AstronomicalName, "Spica Virginis -Vegus");
    EXPECT_EQ(t[21].Symbol, "An Ear /An Arrow / Three Footprints");
    EXPECT_EQ(t[9].Symbol, "A House or a Palaquin");
    EXPECT_EQ(t[24].RullingDeva, "Ajaekapat");
    EXPECT_EQ(t[15].Symbol, "A Potter's Wheel");
}

TEST(NakshatraInfoTable, FieldOrderAndNames)
{
    ASSERT_EQ(ni::NakshatraFieldNames.size(), 22u);
    EXPECT_EQ(ni::NakshatraFieldNames[0], "Nakshatra");
    EXPECT_EQ(ni::NakshatraFieldNames[3], "Rulling Planet");
    EXPECT_EQ(ni::NakshatraFieldNames[16], "General And Physical Features");
    EXPECT_EQ(ni::NakshatraFieldNames[21], "Health");
    const auto &r = ni::NakshatraInfoTable()[5];
    EXPECT_EQ(&r.field(3), &r.RullingPlanet);
    EXPECT_EQ(&r.field(16), &r.GeneralAndPhysicalFeatures);
    EXPECT_EQ(&r.field(21), &r.Health);
    EXPECT_TRUE(r.field(22).empty());
}

TEST(NakshatraInfoTable, ColumnPatterns)
{
    const auto &t = ni::NakshatraInfoTable();
    const char *planets[9] = {"Ketu", "Venus", "Sun", "Moon", "Mars", "Rahu", "Jupiter", "Saturn", "Mercury"};
    const std::map<std::string, std::string> gemOfPlanet = {
        {"Ketu", "Cat's Eye"}, {"Venus", "Diamond"}, {"Sun", "Ruby"}, {"Moon", "White Pearl"},
        {"Mars", "Red Coral"}, {"Rahu", "Gomeda"}, {"Jupiter", "Yellow Sapphire"},
        {"Saturn", "Blue Sapphire"}, {"Mercury", "Emerald"}};
    const char *directions[9] = {"North-East", "Central", "East", "South-East", "South",
                                 "South-West", "West", "North-West", "North"};
    const char *doshas[6] = {"Vata", "Pitta", "Kapha", "Kapha", "Pitta", "Vata"};
    const std::map<std::string, std::string> temperamentOfGana = {
        {"Deva", "Deva (Godly)"}, {"Manusha", "Manushya (Human)"}, {"Rakshasa", "Rakshasa (Demon)"}};
    for (std::size_t i = 0; i < t.size(); ++i) {
        const auto &r = t[i];
        SCOPED_TRACE(r.Nakshatra);
        EXPECT_EQ(r.RullingPlanet, planets[i % 9]);
        // Chitra's stone is written without "Red".
        EXPECT_EQ(r.LuckyGemstone, i == 13 ? "Coral" : gemOfPlanet.at(r.RullingPlanet));
        EXPECT_EQ(r.BestDirection, directions[((i + 1) / 3) % 9]);
        EXPECT_EQ(r.Dosha, doshas[i % 6]);
        // The temperament is the Gana of the scoring table, except Shravana, which
        // is scored as Deva but described as human.
        std::string name = r.Nakshatra;
        const auto gana = modVedicCompatibility::NakshatraToGana(name);
        EXPECT_EQ(r.Temperaments, i == 21 ? "Manushya (Human)" : temperamentOfGana.at(gana));
        if (i == 21) {
            EXPECT_EQ(gana, "Deva");
        }
        const char *element = i < 5 ? "Prithvi (Earth)" : i < 11 ? "Jala (Water)" : i < 17 ? "Tejo (Fire)"
                            : i < 22 ? "Vayu (Air)" : "Akasha (Space)";
        EXPECT_EQ(r.Element, element);
        EXPECT_TRUE(r.Gender == "Male" || r.Gender == "Female");
    }
}

TEST(NakshatraInfoTable, ProseComesFromContent)
{
    for (const auto &r : ni::NakshatraInfoTable()) {
        SCOPED_TRACE(r.Nakshatra);
        for (int f = 16; f <= 21; ++f)
            EXPECT_FALSE(r.field(f).empty()) << ni::NakshatraFieldNames[static_cast<std::size_t>(f)];
    }
}

} // namespace
