// Birth-data conversion, Julian day numbers, the arctangent, the long position
// text and the number texts and reductions under them.
#include "EngineDetail.h"
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace engine;
using enginetest::birth;
using enginetest::longText;
using enginetest::Place;

namespace {

constexpr double Pi = 3.14159265358979;

// Julian day number of a civil date, from the calendar of the standard library.
double civilJulianDay(std::chrono::year_month_day date)
{
    return std::chrono::sys_days{date}.time_since_epoch().count() + 2440588.0;
}

}  // namespace

TEST(JulianDayNumber, WorkedDates)
{
    struct Case {
        int month, day, year;
        double expected;
    };
    const Case cases[] = {
        {1, 1, 2000, 2451545},   {12, 31, 1899, 2415020}, {1, 1, 1970, 2440588},
        {10, 15, 1582, 2299171},  // still counted in the Julian calendar
        {10, 16, 1582, 2299162},  // the first Gregorian day: 9 less
    };
    for (const auto& c : cases)
        EXPECT_EQ(JulianDayNumber(c.month, c.day, c.year), c.expected) << c.month << "/" << c.day << "/" << c.year;
}

TEST(JulianDayNumber, ImpossibleDayRunsIntoNextMonth)
{
    EXPECT_EQ(JulianDayNumber(4, 31, 1990), JulianDayNumber(5, 1, 1990));
    EXPECT_EQ(JulianDayNumber(2, 30, 1991), JulianDayNumber(3, 2, 1991));
}

TEST(JulianDayNumber, MatchesCivilCalendarAndDateTextRoundTrips)
{
    using namespace std::chrono;
    for (sys_days d = sys_days{year{1899} / 12 / 31}; d <= sys_days{year{2100} / 12 / 31}; d += days{1}) {
        const year_month_day ymd{d};
        const int m = static_cast<int>(static_cast<unsigned>(ymd.month()));
        const int dd = static_cast<int>(static_cast<unsigned>(ymd.day()));
        const int y = static_cast<int>(ymd.year());
        const double jd = JulianDayNumber(m, dd, y);
        ASSERT_EQ(jd, civilJulianDay(ymd)) << y << "-" << m << "-" << dd;
        const std::string text = "(M/D/Y) " + std::to_string(m) + "/" + std::to_string(dd) + "/" + std::to_string(y);
        ASSERT_EQ(JulianDayToDateText(jd), text);
        // Day numbers carry fractions: anything from half a day before counts.
        ASSERT_EQ(JulianDayToDateText(jd - 0.5), text);
        ASSERT_EQ(JulianDayToDateText(jd + 0.49), text);
    }
}

TEST(ATan2, Quadrants)
{
    struct Case {
        double y, x, expected;
    };
    const Case cases[] = {
        {1, 0, Pi / 2},
        {-1, 0, -(Pi / 2)},
        {0, 0, 0},
        {1, 1, std::atan(1.0)},
        {-1, 1, -std::atan(1.0)},
        {1, -1, Pi - std::atan(1.0)},
        {-1, -1, -(Pi - std::atan(1.0))},
        {0, 1, 0},
        {0, -1, Pi},  // the negative x axis is half a turn, not 0
        {-0.5, -2, -(Pi - std::atan(0.25))},
    };
    for (const auto& c : cases) EXPECT_EQ(ATan2(c.y, c.x), c.expected) << "y=" << c.y << " x=" << c.x;
    EXPECT_NEAR(ATan2(1, -1), 3 * M_PI / 4, 1e-13);
    EXPECT_NEAR(ATan2(-1, -1), -3 * M_PI / 4, 1e-13);
}

TEST(ATan2, AgreesWithTheLibraryAllRoundTheCircle)
{
    for (int deg = -179; deg <= 180; ++deg) {
        const double a = deg * M_PI / 180;
        EXPECT_NEAR(ATan2(3 * std::sin(a), 3 * std::cos(a)), a, 1e-12) << deg;
    }
}

TEST(ArcSin, EndsAndInterior)
{
    EXPECT_EQ(ArcSin(1), 1.5707963267949);
    EXPECT_EQ(ArcSin(-1), -1.5707963267949);
    EXPECT_EQ(ArcSin(0), 0);
    EXPECT_NEAR(ArcSin(0.5), M_PI / 6, 1e-15);
    EXPECT_THROW(ArcSin(1.0000001), std::domain_error);
}

TEST(FormatSignPosition, Cases)
{
    SiderealModule module;
    struct Case {
        double longitude;
        std::string expected;
    };
    const Case cases[] = {
        {45.5, longText(15, 30, 0, "Tau")},
        {29.9999999, longText(29, 59, 59, "Ari")},  // no carry into the next sign
        {0, longText(0, 0, 0, "Ari")},
        {359.5, longText(29, 30, 0, "Pis")},
        {-45.5, longText(15, 30, 0, "Tau")},  // written as its absolute value
        {123.75, longText(3, 45, 0, "Leo")},
        {360, longText(0, 0, 0, "")},      // sign index 12: no code
        {725.25, longText(5, 15, 0, "")},
    };
    for (const auto& c : cases) EXPECT_EQ(module.FormatSignPosition(c.longitude), c.expected) << c.longitude;
}

TEST(BirthDataConversion, ZoneDirectionFollowsTheLongitude)
{
    struct Case {
        const char* name;
        BirthRecord birth;
        double universalHours;
        double placeLongitude;
    };
    const Place delhi{77, 13, true, 28, 37, false};
    const Place newYork{74, 0, false, 40, 43, false};
    const Place greenwichEntered{0, 0, true, 51, 29, false};
    const Case cases[] = {
        {"east zone runs ahead", birth(1990, 8, 15, 2, 0, 5, 30, delhi), -3.5, -(77 + 13 / 60.0)},
        {"east with summer time", birth(1990, 8, 15, 2, 0, 5, 30, delhi, true), -4.5, -(77 + 13 / 60.0)},
        {"west with summer time", birth(1976, 7, 4, 2, 0, 5, 0, newYork, true), 6, 74},
        {"west without", birth(1976, 7, 4, 2, 0, 5, 0, newYork), 7, 74},
        {"0 degrees entered as east counts as west", birth(2000, 1, 1, 12, 0, 5, 0, greenwichEntered), 17, 0},
        {"summer time at 0 degrees", birth(2000, 6, 1, 12, 0, 0, 0, greenwichEntered, true), 11, 0},
    };
    for (const auto& c : cases) {
        SiderealModule module;
        module.BirthData = c.birth;
        module.CalculateAscendant();
        EXPECT_DOUBLE_EQ(module.UniversalHours, c.universalHours) << c.name;
        EXPECT_DOUBLE_EQ(module.PlaceLongitude, c.placeLongitude) << c.name;
        EXPECT_EQ(module.BirthJulianDay, JulianDayNumber(c.birth.Month, c.birth.Day, c.birth.Year)) << c.name;
    }
}

TEST(BirthDataConversion, SouthAndLocalHours)
{
    SiderealModule module;
    module.BirthData = birth(1985, 3, 10, 7, 45, 10, 0, Place{151, 12, true, 33, 52, true});
    module.CalculateAscendant();
    EXPECT_DOUBLE_EQ(module.LocalHours, 7.75);
    EXPECT_DOUBLE_EQ(module.ZoneOffset, 10);
    EXPECT_DOUBLE_EQ(module.PlaceLatitude, -(33 + 52 / 60.0));
    EXPECT_DOUBLE_EQ(module.UniversalHours, -2.25);
}

TEST(BirthDataConversion, NegativeUniversalTimeStaysOnTheLocalDate)
{
    enginetest::FixedToday today(std::chrono::year{2020} / 1 / 1);
    SiderealModule module;
    module.BirthData = birth(1990, 8, 15, 2, 0, 5, 30, Place{77, 13, true, 28, 37, false});
    module.CalculateMoonAndDasha();
    EXPECT_DOUBLE_EQ(module.UniversalHours, -3.5);
    EXPECT_EQ(module.BirthJulianDay, JulianDayNumber(8, 15, 1990));
    // T falls on the previous day, before 0h of the local date.
    const double midnight = ((JulianDayNumber(8, 15, 1990) - 2451545) - 0.5) / 36525;
    EXPECT_LT(module.JulianCenturies, midnight);
    EXPECT_DOUBLE_EQ(module.JulianCenturies, ((module.BirthJulianDay - 2451545) + -3.5 / 24 - 0.5) / 36525);
}

TEST(NumberTexts, WholeNumbers)
{
    using detail::wholeText;
    EXPECT_EQ(wholeText(0), "0");
    EXPECT_EQ(wholeText(-0.0), "0");
    EXPECT_EQ(wholeText(15), "15");
    EXPECT_EQ(wholeText(-23), "-23");
    EXPECT_EQ(wholeText(123456789012345), "123456789012345");
    EXPECT_EQ(wholeText(1e15), "1E+15");
    EXPECT_EQ(wholeText(-1.5e20), "-1.5E+20");
}

TEST(NumberTexts, CharactersOfUtf8Texts)
{
    EXPECT_EQ(detail::lastChars("5\xC2\xB0 7' 3\" Ari", 3), "Ari");
    EXPECT_EQ(detail::lastChars("5\xC2\xB0'", 3), "5\xC2\xB0'");
    EXPECT_EQ(detail::lastChars("ab", 3), "ab");
    EXPECT_EQ(detail::charCount("5\xC2\xB0"), 2u);
    EXPECT_EQ(detail::trimBlanks("  12 "), "12");
}

TEST(NumberTexts, RoundHalfEven)
{
    const std::pair<double, double> cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {2.4, 2}, {2.6, 3}, {0.5, 0}};
    for (const auto& [x, expected] : cases) EXPECT_EQ(detail::roundHalfEven(x), expected) << x;
}

// The one-step reductions must give exactly what adding or subtracting one
// turn at a time gives.
TEST(Reductions, SameValueAsTurnByTurnLoops)
{
    std::mt19937_64 random(20240601);
    for (const double turn : {360.0, 24.0, 30.0, 43830.0}) {
        // Up to a few thousand turns either way, as the Moon's mean longitude
        // reaches over the callers' years.
        std::uniform_real_distribution<double> wide(-4000 * turn, 4000 * turn);
        std::uniform_real_distribution<double> near(-3 * turn, 3 * turn);
        std::vector<double> values = {0.0, -0.0, 1e-20, -1e-20, turn, -turn, 2 * turn, -2 * turn, -1e-14,
                                      std::nextafter(turn, 0.0), std::nextafter(-turn, 0.0), -2.5 * turn};
        for (int i = 0; i < 5000; ++i) values.push_back(wide(random));
        for (int i = 0; i < 5000; ++i) values.push_back(near(random));

        for (const double x : values) {
            double a = x;
            while (a < 0) a += turn;
            ASSERT_EQ(detail::raiseWhileNegative(x, turn), a) << x << " turn " << turn;
            double b = x;
            while (b > turn) b -= turn;
            ASSERT_EQ(detail::lowerWhileAbove(x, turn), b) << x << " turn " << turn;
            double c = x;
            while (c >= turn) c -= turn;
            ASSERT_EQ(detail::lowerWhileAtLeast(x, turn), c) << x << " turn " << turn;
        }
    }
}
