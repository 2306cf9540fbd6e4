// The Vimshottari dasha: birth lords, next period, current lords, date texts
// and the distance between the geocentric and topocentric timelines.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <ctime>

using namespace engine;
using enginetest::birth;

namespace {

constexpr double Birth = 2451545;  // day number of 1 January 2000
const char* const Codes[9] = {"Ke", "Ve", "Su", "Mo", "Ma", "Ra", "Ju", "Sa", "Me"};
constexpr double Years[9] = {7, 20, 6, 10, 7, 18, 16, 19, 17};

std::string three(int lord) { return std::string(Codes[lord]) + "/" + Codes[lord] + "/" + Codes[lord]; }

std::chrono::year_month_day dateOfDayNumber(double julianDay)
{
    return std::chrono::year_month_day{std::chrono::sys_days{std::chrono::days{static_cast<long>(julianDay) - 2440588}}};
}

}  // namespace

TEST(DashaSet, WorkedLongitudes)
{
    SiderealModule module;
    struct Case {
        const char* name;
        double longitude;
        int birthLord;
        double remaining;
        std::string lords;
        double balance;
        int nextLord;
    };
    const Case cases[] = {
        {"L = 0", 0, 0, 1, "Ke/Ke/Ke", 7 * 365.25, 1},
        {"L = 100", 100, 7, 0.5, "Sa/Ve/Me", 0.5 * 19 * 365.25, 8},
        {"start of a nakshatra", 40, 3, 1, "Mo/Mo/Mo", 10 * 365.25, 4},
        // f close to 0: the lords before the birth lord in the cycle.
        {"end of a nakshatra", 0.999 * 800 / 60, 0, 0.001, "Ke/Me/Sa", 0.001 * 7 * 365.25, 1},
        {"end of Moon's nakshatra", 3.999 * 800 / 60, 3, 0.001, "Mo/Su/Ve", 0.001 * 10 * 365.25, 4},
    };
    for (const auto& c : cases) {
        const DashaSet set = module.dashaSet(c.longitude, Birth);
        EXPECT_EQ(set.BirthLord, c.birthLord) << c.name;
        EXPECT_NEAR(set.RemainingFraction, c.remaining, 1e-9) << c.name;
        EXPECT_EQ(set.LordsText, c.lords) << c.name;
        EXPECT_NEAR(set.Balance, c.balance, 1e-6) << c.name;
        EXPECT_DOUBLE_EQ(set.EndDay, Birth + set.Balance) << c.name;
        EXPECT_EQ(set.NextLord, c.nextLord) << c.name;
        EXPECT_EQ(set.NextText, std::string(Codes[c.nextLord]) + "/" + Codes[c.nextLord] + "  " +
                                    JulianDayToDateText(set.EndDay))
            << c.name;
    }
}

TEST(DashaSet, FullCircleIsTheSameAsZero)
{
    SiderealModule module;
    const DashaSet zero = module.dashaSet(0, Birth);
    const DashaSet full = module.dashaSet(360, Birth);
    EXPECT_EQ(full.BirthLord, zero.BirthLord);
    EXPECT_EQ(full.RemainingFraction, zero.RemainingFraction);
    EXPECT_EQ(full.LordsText, zero.LordsText);
    EXPECT_EQ(full.NextText, zero.NextText);
}

TEST(DashaSet, SubPeriodWalk)
{
    SiderealModule module;
    // Shares 19, 17, 7 and 20 of 120 reach 0.525 > 0.5: Venus, with 0.15 of
    // its length to come, whose own walk stops at Mercury.
    EXPECT_EQ(module.DashaSubLord(0.5, 7), 1);
    EXPECT_EQ(module.DashaSubLord(0.15, 1), 8);
    EXPECT_EQ(module.DashaSubSubLord(0.5, 7), 8);
    // Nothing elapsed: the lord's own sub-period.
    for (int lord = 0; lord < 9; ++lord) {
        EXPECT_EQ(module.DashaSubLord(1, lord), lord);
        EXPECT_EQ(module.DashaSubSubLord(1, lord), lord);
    }
    // All elapsed or more: the walk ends where it began.
    EXPECT_EQ(module.DashaSubLord(0, 4), 4);
    EXPECT_EQ(module.DashaSubLord(-0.3, 4), 4);
}

TEST(CurrentDashaLords, Walks)
{
    SiderealModule module;
    for (int lord = 0; lord < 9; ++lord) {
        const int next = (lord + 1) % 9;
        const int previous = (lord + 8) % 9;
        EXPECT_EQ(module.CurrentDashaLords(0, lord), three(lord)) << lord;
        // Exactly where a period ends the walk goes on to the next lord.
        EXPECT_EQ(module.CurrentDashaLords(365.25 * Years[lord], lord), three(next)) << lord;
        // Before the start: one cycle on, in the last lord of the cycle.
        EXPECT_EQ(module.CurrentDashaLords(-10, lord).substr(0, 2), Codes[previous]) << lord;
        // More than a cycle on: the walk runs through and stays at the lord.
        EXPECT_EQ(module.CurrentDashaLords(43830 + 100, lord), three(lord)) << lord;
    }
    // Half way through Venus's twenty years.
    EXPECT_EQ(module.CurrentDashaLords(10 * 365.25, 1).substr(0, 3), "Ve/");
    EXPECT_EQ(module.CurrentDashaLords(10 * 365.25, 1), "Ve/" + std::string(Codes[module.DashaSubLord(0.5, 1)]) + "/" +
                                                            Codes[module.DashaSubSubLord(0.5, 1)]);
}

TEST(JulianDayToDateText, Texts)
{
    EXPECT_EQ(JulianDayToDateText(2451545), "(M/D/Y) 1/1/2000");
    EXPECT_EQ(JulianDayToDateText(2451545 - 0.5), "(M/D/Y) 1/1/2000");
    EXPECT_EQ(JulianDayToDateText(JulianDayNumber(6, 14, 1992)), "(M/D/Y) 6/14/1992");
    EXPECT_EQ(JulianDayToDateText(2451545 + 0.5), "(M/D/Y) 1/2/2000");
}

TEST(DashaDifference, Texts)
{
    SiderealModule module;
    struct Case {
        double endDay1;
        int lord1;
        double endDay2;
        int lord2;
        std::string expected;
    };
    const Case cases[] = {
        {Birth, 3, Birth + 45, 3, "1 month(s) 15 days"},
        {Birth + 400, 3, Birth, 3, "1 year 1 month(s) 4 days"},  // 34.75 left after the year
        {Birth, 3, Birth + 12, 3, "12 days"},
        {Birth, 3, Birth, 3, "0 days"},
        {Birth, 3, Birth + 12.5, 3, "12 days"},  // halves go to the even day
        {Birth, 3, Birth + 13.5, 3, "14 days"},
        {Birth, 3, Birth + 730.5, 3, "1 year 12 month(s) 4 days"},
        // Different lords: measured against the longer period's length.
        {Birth, 0, Birth + 100, 1, "19 year 8 month(s) 25 days"},
        {Birth, 1, Birth + 100, 0, "19 year 8 month(s) 25 days"},
        {Birth, 0, Birth + 10, 8, "16 year 11 month(s) 25 days"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(module.dashaDifferenceText(c.endDay1, c.lord1, c.endDay2, c.lord2), c.expected)
            << c.endDay2 - c.endDay1 << " lords " << c.lord1 << "," << c.lord2;
}

TEST(DashaOfARun, CurrentDateComesFromTheClock)
{
    SiderealModule module;
    module.BirthData = birth(2000, 1, 1, 12, 0);
    {
        enginetest::FixedToday today(std::chrono::year{2000} / 1 / 1);
        module.CalculateMoonAndDasha();
    }
    const DashaSet geo = module.dashaSet(module.MoonLongitude, module.BirthJulianDay);
    const DashaSet topo = module.dashaSet(module.TopocentricMoonLongitude, module.BirthJulianDay);
    EXPECT_EQ(geo.BirthLord, 5);  // Swati: Rahu
    EXPECT_EQ(module.BirthDashaLords, geo.LordsText);
    EXPECT_EQ(module.NextDashaStart, geo.NextText);
    EXPECT_EQ(module.TopocentricBirthDashaLords, topo.LordsText);
    EXPECT_EQ(module.TopocentricNextDashaStart, topo.NextText);
    EXPECT_EQ(module.DashaBalanceDifference,
              module.dashaDifferenceText(geo.EndDay, geo.BirthLord, topo.EndDay, topo.BirthLord));
    // Today before the end of the birth period: still the birth lord.
    EXPECT_EQ(module.CurrentDasha.substr(0, 3), "Ra/");

    {
        enginetest::FixedToday today(dateOfDayNumber(geo.EndDay + 43830 + 30));
        module.CalculateMoonAndDasha();
    }
    EXPECT_EQ(module.CurrentDasha, three(geo.NextLord));

    {
        enginetest::FixedToday today(dateOfDayNumber(geo.EndDay + 400));
        module.CalculateMoonAndDasha();
    }
    const double day = JulianDayNumber(static_cast<int>(static_cast<unsigned>(dateOfDayNumber(geo.EndDay + 400).month())),
                                       static_cast<int>(static_cast<unsigned>(dateOfDayNumber(geo.EndDay + 400).day())),
                                       static_cast<int>(dateOfDayNumber(geo.EndDay + 400).year()));
    EXPECT_EQ(module.CurrentDasha, module.CurrentDashaLords(day - geo.EndDay, geo.NextLord));
    EXPECT_EQ(module.TopocentricCurrentDasha, module.CurrentDashaLords(day - topo.EndDay, topo.NextLord));
    EXPECT_EQ(module.CurrentDasha.substr(0, 3), "Ju/");
}

TEST(DashaOfARun, ReadsTheDateOncePerRun)
{
    int reads = 0;
    engine::setTodayProvider([&reads] {
        ++reads;
        return std::chrono::year{2010} / 3 / 14;
    });
    SiderealModule module;
    module.BirthData = birth(1984, 2, 29, 5, 15);
    module.CalculateMoonAndDasha();
    module.CalculateMoonAndDasha();
    engine::setTodayProvider({});
    EXPECT_EQ(reads, 2);
}

TEST(DashaOfARun, DefaultClockIsTheSystemDate)
{
    engine::setTodayProvider({});
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const auto date = engine::currentDate();
    // Allow for midnight passing between the two readings.
    EXPECT_LE(std::abs(static_cast<int>(date.year()) - (local.tm_year + 1900)), 1);
    EXPECT_TRUE(date.ok());
}
