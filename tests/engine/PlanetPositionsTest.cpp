// The planet position entries: universal time, day numbers, nodes, short texts
// and the two instances' person flags.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

using namespace engine;
using enginetest::birth;
using enginetest::FakeMoonSignLists;
using enginetest::longText;
using enginetest::Place;
using namespace std::chrono;

namespace {

class PlanetPositionsTest : public ::testing::Test {
protected:
    void SetUp() override { modMoonSignWestern::IsMaleChart = 0; }
    void TearDown() override { modMoonSignWestern::IsMaleChart = 0; }
    enginetest::FixedToday today{year{2024} / 6 / 1};
};

// One full planetary run for a person at Greenwich with the given zone values.
void chartPlanetary(PlanetaryInstance& p, const BirthRecord& b, double zoneHours, double zoneMinutes, Int16 flag)
{
    p.modPlanetPosition_Western.BirthData = b;
    p.modPlanetPosition_Western.ZoneHoursValue = zoneHours;
    p.modPlanetPosition_Western.ZoneMinutesValue = zoneMinutes;
    p.modPlanetPosition_Western.CalculateAscendant();
    p.modEphemeris_Western.CalculateMoonAndDasha();
    p.modPlanetPosition_Western.CalculatePlanetPositions(flag);
}

sys_seconds at(int y, unsigned m, unsigned d, int h, int min)
{
    return sys_days{year{y} / m / d} + hours{h} + minutes{min};
}

}  // namespace

TEST(DayNumber2000, Cases)
{
    EXPECT_EQ(DayNumber2000(2000, 1, 1, 12, 0), 0);
    EXPECT_EQ(DayNumber2000(1999, 12, 31, 0, 0), -1.5);
    EXPECT_LT(DayNumber2000(1999, 12, 31, 23, 59), 0);
    EXPECT_LT(DayNumber2000(2000, 1, 1, 11, 59), 0);
    EXPECT_GT(DayNumber2000(2000, 1, 1, 12, 1), 0);
}

TEST(DayNumber2000, MatchesTheCivilCalendarFrom1901To2099)
{
    const sys_days epoch = sys_days{year{2000} / 1 / 1};
    for (sys_days d = sys_days{year{1901} / 1 / 1}; d <= sys_days{year{2099} / 12 / 31}; d += days{13}) {
        const year_month_day ymd{d};
        const double expected = static_cast<double>((d - epoch).count()) + (7 + 45 / 60.0) / 24 - 0.5;
        ASSERT_NEAR(DayNumber2000(static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                                  static_cast<int>(static_cast<unsigned>(ymd.day())), 7, 45),
                    expected, 1e-9)
            << static_cast<int>(ymd.year());
    }
}

TEST(UniversalTime, RollsOverDaysMonthsAndYears)
{
    struct Case {
        const char* text;
        double hours, minutes;
        sys_seconds expected;
    };
    const Case cases[] = {
        {"12/31/1990 23:30", 5, 0, at(1991, 1, 1, 4, 30)},
        {"December/31/1990 23:30", 5, 0, at(1991, 1, 1, 4, 30)},
        {"3/1/2000 1:0", -5, -30, at(2000, 2, 29, 19, 30)},
        {"March/1/1900 1:0", -5, -30, at(1900, 2, 28, 19, 30)},
        {"7/4/1976 9:5", 0, 0, at(1976, 7, 4, 9, 5)},
        {"1/1/2000 0:0", 2.5, 0, at(2000, 1, 1, 2, 0)},  // halves go to the even hour
        {"1/1/2000 0:0", 3.5, 0, at(2000, 1, 1, 4, 0)},
        {"1/1/2000 0:0", 0, -29.5, at(1999, 12, 31, 23, 30)},
    };
    for (const auto& c : cases) EXPECT_EQ(universalTime(c.text, c.hours, c.minutes), c.expected) << c.text;
}

TEST(UniversalTime, ZoneWholeNumbers)
{
    const std::pair<double, Int16> cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-5.5, -6}, {5.49, 5}, {-0.4, 0}, {12, 12}};
    for (const auto& [value, expected] : cases) EXPECT_EQ(zoneWholeNumber(value), expected) << value;
    // Fifteen significant digits first: this is 2.5 as text.
    EXPECT_EQ(zoneWholeNumber(2.4999999999999999), 2);
    EXPECT_EQ(zoneWholeNumber(3.4999999999999996), 4);
    EXPECT_EQ(zoneWholeNumber(32767), 32767);
    EXPECT_THROW(zoneWholeNumber(32768), std::overflow_error);
    EXPECT_THROW(zoneWholeNumber(-1e20), std::overflow_error);
}

TEST(ReadDateTimeText, AcceptsTheJoinedForms)
{
    EXPECT_EQ(readDateTimeText("7/4/1976 9:5"), at(1976, 7, 4, 9, 5));
    EXPECT_EQ(readDateTimeText("July/4/1976 9:5"), at(1976, 7, 4, 9, 5));
    EXPECT_EQ(readDateTimeText("jul/4/1976 09:05"), at(1976, 7, 4, 9, 5));
    EXPECT_EQ(readDateTimeText("February/29/2000 23:59"), at(2000, 2, 29, 23, 59));
    EXPECT_EQ(readDateTimeText(" 2/3/45 6:7 "), at(1945, 2, 3, 6, 7));
}

TEST(ReadDateTimeText, RefusesWhatIsNoDate)
{
    for (const char* text : {"", "7/4/1976", "2/30/1990 1:0", "2/29/1900 1:0", "13/1/1990 1:0", "0/1/1990 1:0",
                             "7/4/1976 24:0", "7/4/1976 9:60", "-1/4/1976 9:5", "Juli/4/1976 9:5", "7/4/1976 9:5:0",
                             "7/x/1976 9:5"})
        EXPECT_THROW(readDateTimeText(text), std::invalid_argument) << text;
}

TEST(ShortPositionText, Cases)
{
    const std::pair<std::string, std::string> cases[] = {
        {longText(5, 7, 3, "Ari"), "05 Ari 07"},   {longText(29, 59, 59, "Pis"), "29 Pis 59"},
        {longText(0, 0, 0, "Ari"), "00 Ari 00"},   {longText(12, 30, 0, "Leo"), "12 Leo 30"},
        {longText(5, 7, 59, "Ari"), "05 Ari 07"},  // seconds dropped, not rounded
        {"  " + longText(10, 0, 0, "Cap"), "10 Cap 00"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(ShortPositionText(in), out) << in;
    for (const char* bad : {"", "5 7' 3\" Ari", "5\xC2\xB0 7 3 Ari", "5' 7\xC2\xB0 3 Ari"})
        EXPECT_THROW(ShortPositionText(bad), std::invalid_argument) << bad;
}

TEST_F(PlanetPositionsTest, PositionsAtJ2000)
{
    PlanetaryInstance p;
    chartPlanetary(p, birth(2000, 1, 1, 12, 0), 0, 0, -1);
    const auto& m = p.modPlanetPosition_Western.MalePositions;
    EXPECT_EQ(m[0], "10 Cap 22");  // Sun at 280.380
    EXPECT_EQ(m[1], "13 Sco 18");  // tropical Moon
    EXPECT_EQ(m[2], "01 Cap 54");  // Mercury at 271.906
    EXPECT_EQ(m[5], "25 Ari 21");  // Jupiter at 25.361
    EXPECT_EQ(m[10], "04 Leo 07"); // Rahu near 124.12
    EXPECT_EQ(m[11], "04 Aqu 07"); // Ketu
    EXPECT_EQ(m[12], "11 Ari 22"); // ascendant
    EXPECT_EQ(m[13], "09 Cap 36"); // midheaven
    EXPECT_EQ(m[14], "");
}

TEST_F(PlanetPositionsTest, NodesBelowOneDegree)
{
    PlanetaryInstance p;
    chartPlanetary(p, birth(2006, 6, 11, 0, 0), 0, 0, -1);
    EXPECT_EQ(p.modPlanetPosition_Western.MalePositions[10], "29 Pis 32");
    EXPECT_EQ(p.modPlanetPosition_Western.MalePositions[11], "29 Vir 32");
}

TEST_F(PlanetPositionsTest, ZoneValuesAreWholeHours)
{
    PlanetaryInstance half, two, four, threeAndHalf;
    chartPlanetary(half, birth(1995, 5, 20, 23, 0), 2.5, 0, -1);
    chartPlanetary(two, birth(1995, 5, 20, 23, 0), 2, 0, -1);
    chartPlanetary(threeAndHalf, birth(1995, 5, 20, 23, 0), 3.5, 0, -1);
    chartPlanetary(four, birth(1995, 5, 20, 23, 0), 4, 0, -1);
    // Only the Sun, planets and nodes come from the zone values.
    for (std::size_t i : {0u, 2u, 3u, 4u, 10u, 11u}) {
        EXPECT_EQ(half.modPlanetPosition_Western.MalePositions[i], two.modPlanetPosition_Western.MalePositions[i]) << i;
        EXPECT_EQ(threeAndHalf.modPlanetPosition_Western.MalePositions[i],
                  four.modPlanetPosition_Western.MalePositions[i])
            << i;
    }
    EXPECT_NE(two.modPlanetPosition_Western.MalePositions[0], four.modPlanetPosition_Western.MalePositions[0]);
}

TEST_F(PlanetPositionsTest, UniversalTimeAcrossTheYearEnd)
{
    // 23:30 local five hours behind Greenwich is 4:30 next morning, next year.
    PlanetaryInstance local, greenwich;
    chartPlanetary(local, birth(1990, 12, 31, 23, 30), 5, 0, -1);
    chartPlanetary(greenwich, birth(1991, 1, 1, 4, 30), 0, 0, -1);
    for (std::size_t i : {0u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 10u, 11u})
        EXPECT_EQ(local.modPlanetPosition_Western.MalePositions[i], greenwich.modPlanetPosition_Western.MalePositions[i])
            << i;
}

TEST_F(PlanetPositionsTest, SummerTimeFlagPlaysNoPartInThePlanets)
{
    const Place newYork{74, 0, false, 40, 43, false};
    PlanetaryInstance plain, summer;
    chartPlanetary(plain, birth(1976, 7, 4, 20, 15, 5, 0, newYork), 5, 0, -1);
    chartPlanetary(summer, birth(1976, 7, 4, 20, 15, 5, 0, newYork, true), 5, 0, -1);
    for (std::size_t i : {0u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 10u, 11u})
        EXPECT_EQ(plain.modPlanetPosition_Western.MalePositions[i], summer.modPlanetPosition_Western.MalePositions[i])
            << i;
    // The ascendant does use it.
    EXPECT_NE(plain.modPlanetPosition_Western.MalePositions[12], summer.modPlanetPosition_Western.MalePositions[12]);
}

TEST_F(PlanetPositionsTest, PlanetaryFlagChoosesTheArray)
{
    for (const Int16 flag : {Int16(-1), Int16(1), Int16(0), Int16(7)}) {
        PlanetaryInstance p;
        auto& module = p.modPlanetPosition_Western;
        module.MalePositions.fill("male before");
        module.FemalePositions.fill("female before");
        Int16 passed = flag;
        chartPlanetary(p, birth(2000, 1, 1, 12, 0), 0, 0, passed);
        module.CalculatePlanetPositions(passed);
        EXPECT_EQ(passed, flag);
        const auto& written = flag != 0 ? module.MalePositions : module.FemalePositions;
        const auto& untouched = flag != 0 ? module.FemalePositions : module.MalePositions;
        EXPECT_EQ(written[0], "10 Cap 22") << flag;
        EXPECT_EQ(written[13], "09 Cap 36") << flag;
        EXPECT_EQ(written[14], flag != 0 ? "male before" : "female before") << flag;
        for (const auto& text : untouched) EXPECT_EQ(text, flag != 0 ? "female before" : "male before") << flag;
    }
}

TEST_F(PlanetPositionsTest, PlanetaryPartnerLeavesTheFirstPersonsArray)
{
    PlanetaryInstance p;
    chartPlanetary(p, birth(1976, 7, 4, 9, 5), 0, 0, -1);
    const auto first = p.modPlanetPosition_Western.MalePositions;
    chartPlanetary(p, birth(1985, 1, 15, 18, 40), 0, 0, 0);
    EXPECT_EQ(p.modPlanetPosition_Western.MalePositions, first);
    EXPECT_EQ(first[0].substr(3, 3), "Can");
    EXPECT_EQ(p.modPlanetPosition_Western.FemalePositions[0].substr(3, 3), "Cap");
}

TEST_F(PlanetPositionsTest, MoonSignFlagChoosesThePerson)
{
    FakeMoonSignLists lists;
    lists.mMonth = "July", lists.mDate = "4", lists.mYear = "1976", lists.mHH = "9", lists.mMM = "5";
    lists.fMonth = "January", lists.fDate = "15", lists.fYear = "1985", lists.fHH = "18", lists.fMM = "40";

    struct Case {
        Int16 flag;
        bool first;
        Int16 after;
    };
    for (const Case c : {Case{-1, true, 0}, Case{0, false, 0}, Case{1, false, 1}, Case{5, false, 5}}) {
        MoonSignInstance m;
        m.modWesternPlanetPosition.setWindowLists(&lists);
        m.modWesternPlanetPosition.BirthData = birth(2000, 1, 1, 12, 0);
        m.modWesternPlanetPosition.CalculateAscendant();
        m.modWesternEphemeris.CalculateMoonAndDasha();
        lists.reads.clear();
        modMoonSignWestern::IsMaleChart = c.flag;
        m.modWesternPlanetPosition.CalculatePlanetPositions();
        EXPECT_EQ(modMoonSignWestern::IsMaleChart, c.after) << c.flag;
        const std::vector<std::string> expected =
            c.first ? std::vector<std::string>{"cboMMonth", "cboMDate", "cboMYear", "cboMHH", "cboMMM"}
                    : std::vector<std::string>{"cboFMonth", "cboFDate", "cboFYear", "cboFHH", "cboFMM"};
        EXPECT_EQ(lists.reads, expected) << c.flag;
        EXPECT_EQ(m.modWesternPlanetPosition.PlanetPositions[0].substr(3, 3), c.first ? "Can" : "Cap") << c.flag;
        // The Moon and ascendant are the ones this instance computed.
        EXPECT_EQ(m.modWesternPlanetPosition.PlanetPositions[1], "13 Sco 18");
        EXPECT_EQ(m.modWesternPlanetPosition.PlanetPositions[10], "11 Ari 22");
    }
}

TEST_F(PlanetPositionsTest, MoonSignCallerChartsBothPersonsInTurn)
{
    FakeMoonSignLists lists;
    lists.mMonth = "July", lists.mDate = "4", lists.mYear = "1976", lists.mHH = "9", lists.mMM = "5";
    lists.fMonth = "January", lists.fDate = "15", lists.fYear = "1985", lists.fHH = "18", lists.fMM = "40";
    MoonSignInstance m;
    auto& planets = m.modWesternPlanetPosition;
    planets.setWindowLists(&lists);
    modMoonSignWestern::IsMaleChart = -1;
    std::string moonSigns[2];
    const BirthRecord people[2] = {birth(1976, 7, 4, 9, 5), birth(1985, 1, 15, 18, 40)};
    for (int person = 0; person < 2; ++person) {
        planets.BirthData = people[person];
        planets.CalculateAscendant();
        m.modWesternEphemeris.CalculateMoonAndDasha();
        planets.CalculatePlanetPositions();
        moonSigns[person] = planets.PlanetPositions[1].substr(3, 3);
        EXPECT_EQ(planets.PlanetPositions[0].substr(3, 3), person == 0 ? "Can" : "Cap");
    }
    EXPECT_EQ(modMoonSignWestern::IsMaleChart, 0);
    EXPECT_EQ(moonSigns[0].size(), 3u);
    EXPECT_EQ(moonSigns[1].size(), 3u);
}

TEST_F(PlanetPositionsTest, MoonSignEntryNeedsTheWindowLists)
{
    MoonSignInstance m;
    modMoonSignWestern::IsMaleChart = -1;
    EXPECT_THROW(m.modWesternPlanetPosition.CalculatePlanetPositions(), std::logic_error);
    EXPECT_EQ(modMoonSignWestern::IsMaleChart, -1);
}

TEST_F(PlanetPositionsTest, UnreadableDateEndsTheEntryWithTheFlagCleared)
{
    FakeMoonSignLists lists;
    lists.mMonth = "February", lists.mDate = "30", lists.mYear = "1990";
    MoonSignInstance m;
    m.modWesternPlanetPosition.setWindowLists(&lists);
    m.modWesternPlanetPosition.PlanetPositions.fill("before");
    modMoonSignWestern::IsMaleChart = -1;
    EXPECT_THROW(m.modWesternPlanetPosition.CalculatePlanetPositions(), std::invalid_argument);
    EXPECT_EQ(modMoonSignWestern::IsMaleChart, 0);
    for (const auto& text : m.modWesternPlanetPosition.PlanetPositions) EXPECT_EQ(text, "before");
}

TEST_F(PlanetPositionsTest, EntryBeforeTheMoonStopsAtTheMoonsElement)
{
    PlanetaryInstance p;  // fresh: no Moon text yet
    auto& module = p.modPlanetPosition_Western;
    module.MalePositions.fill("before");
    module.BirthData = birth(2000, 1, 1, 12, 0);
    module.CalculateAscendant();
    Int16 first = -1;
    EXPECT_THROW(module.CalculatePlanetPositions(first), std::invalid_argument);
    EXPECT_EQ(module.MalePositions[0], "10 Cap 22");
    for (std::size_t i = 1; i < 15; ++i) EXPECT_EQ(module.MalePositions[i], "before") << i;
}
