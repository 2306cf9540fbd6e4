// Ascendant and midheaven with the ayanamsa counted from 1900.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace engine;
using enginetest::birth;
using enginetest::longText;
using enginetest::Place;

namespace {

struct AscendantCase {
    const char* name;
    BirthRecord birth;
    double universalHours;
    std::string tropicalAscendant, tropicalMidheaven;
    std::string siderealAscendant, siderealMidheaven;
    std::string ayanamsa;
};

std::string degreesText(int d, int m, int s) { return std::to_string(d) + "\xC2\xB0 " + std::to_string(m) + "' " + std::to_string(s) + "\""; }

const AscendantCase Rows[] = {
    {"J2000.0 at Greenwich on the equator", birth(2000, 1, 1, 12, 0), 12, longText(11, 22, 41, "Ari"),
     longText(9, 36, 52, "Cap"), longText(17, 31, 26, "Pis"), longText(15, 45, 37, "Sag"), degreesText(-23, 51, 14)},
    {"1990 in a zone 5 h 30 min east", birth(1990, 8, 15, 10, 30, 5, 30, Place{77, 13, true, 28, 37, false}), 5,
     longText(22, 26, 30, "Lib"), longText(23, 41, 36, "Can"), longText(28, 42, 39, "Vir"), longText(29, 57, 45, "Gem"),
     degreesText(-23, 43, 51)},
    {"1976 west with summer time", birth(1976, 7, 4, 20, 15, 5, 0, Place{74, 0, false, 40, 43, false}, true), 24.25,
     longText(10, 29, 46, "Cap"), longText(5, 9, 42, "Sco"), longText(16, 57, 48, "Sag"), longText(11, 37, 44, "Lib"),
     degreesText(-23, 31, 58)},
};

double wrap(double x) { return x < 0 ? x + 360 : (x >= 360 ? x - 360 : x); }

}  // namespace

TEST(CalculateAscendant, WorkedRowsInAllInstances)
{
    for (const auto& row : Rows) {
        SiderealModule sidereal;
        PlanetaryInstance planetary;
        MoonSignInstance moonSign;
        AscendantModule* modules[] = {&sidereal, &planetary.modPlanetPosition_Western,
                                      &moonSign.modWesternPlanetPosition};
        for (AscendantModule* m : modules) {
            m->BirthData = row.birth;
            m->CalculateAscendant();
            const bool tropical = m->zodiac() == Zodiac::Tropical;
            EXPECT_DOUBLE_EQ(m->UniversalHours, row.universalHours) << row.name;
            EXPECT_EQ(m->AscendantText, tropical ? row.tropicalAscendant : row.siderealAscendant) << row.name;
            EXPECT_EQ(m->MidheavenText, tropical ? row.tropicalMidheaven : row.siderealMidheaven) << row.name;
            // The tropical instances still show the computed ayanamsa.
            EXPECT_EQ(m->AyanamsaText, row.ayanamsa) << row.name;
            EXPECT_EQ(m->ChartJulianDay, m->BirthJulianDay) << row.name;
            EXPECT_GT(m->ChartAyanamsa, 22) << row.name;
            EXPECT_EQ(m->Ayanamsa, tropical ? 0.0 : -m->ChartAyanamsa) << row.name;
            EXPECT_EQ(m->AscendantText, m->FormatSignPosition(m->AscendantDegrees)) << row.name;
            EXPECT_EQ(m->MidheavenText, m->FormatSignPosition(m->MidheavenDegrees)) << row.name;
        }
    }
}

TEST(CalculateAscendant, FirstRowIsExactlyOneCenturyFrom1900)
{
    SiderealModule module;
    module.BirthData = birth(2000, 1, 1, 12, 0);
    module.CalculateAscendant();
    const double T = ((module.UniversalHours / 24 + (module.BirthJulianDay - 2415020)) - 0.5) / 36525;
    EXPECT_EQ(T, 1);
    EXPECT_EQ(-module.ChartAyanamsa, module.Ayanamsa1900(T));
}

TEST(CalculateAscendant, SecondRunReplacesEveryResult)
{
    PlanetaryInstance instance;
    AscendantModule& m = instance.modPlanetPosition_Western;
    m.BirthData = Rows[0].birth;
    m.CalculateAscendant();
    const std::string firstAyanamsa = m.AyanamsaText;
    const double firstDay = m.ChartJulianDay;
    m.BirthData = Rows[2].birth;
    m.CalculateAscendant();
    EXPECT_EQ(m.AscendantText, Rows[2].tropicalAscendant);
    EXPECT_EQ(m.MidheavenText, Rows[2].tropicalMidheaven);
    EXPECT_EQ(m.AyanamsaText, Rows[2].ayanamsa);
    EXPECT_NE(m.AyanamsaText, firstAyanamsa);
    EXPECT_EQ(m.ChartJulianDay, JulianDayNumber(7, 4, 1976));
    EXPECT_NE(m.ChartJulianDay, firstDay);
}

// Through a whole sidereal day the midheaven comes round once, the ascendant
// leads it by less than half a turn, and the midheaven ignores the latitude.
TEST(CalculateAscendant, QuadrantsThroughTheDay)
{
    PlanetaryInstance north, equator;
    double previousMidheaven = -1;
    int wraps = 0;
    for (int minutes = 0; minutes < 24 * 60; minutes += 10) {
        north.modPlanetPosition_Western.BirthData =
            birth(2010, 3, 20, minutes / 60, minutes % 60, 0, 0, Place{0, 0, false, 52, 0, false});
        equator.modPlanetPosition_Western.BirthData = birth(2010, 3, 20, minutes / 60, minutes % 60);
        north.modPlanetPosition_Western.CalculateAscendant();
        equator.modPlanetPosition_Western.CalculateAscendant();
        const double mc = north.modPlanetPosition_Western.MidheavenDegrees;
        const double asc = north.modPlanetPosition_Western.AscendantDegrees;
        EXPECT_NEAR(mc, equator.modPlanetPosition_Western.MidheavenDegrees, 1e-9) << minutes;
        const double lead = wrap(asc - mc);
        EXPECT_GT(lead, 0) << minutes;
        EXPECT_LT(lead, 180) << minutes;
        if (previousMidheaven >= 0) {
            const double step = wrap(mc - previousMidheaven);
            EXPECT_GT(step, 0) << minutes;
            EXPECT_LT(step, 5) << minutes;
            if (mc < previousMidheaven) ++wraps;
        }
        previousMidheaven = mc;
    }
    EXPECT_EQ(wraps, 1);
}

TEST(Ayanamsa1900, Values)
{
    SiderealModule module;
    const double zero = 0;
    const double one = 1;
    EXPECT_NEAR(module.Ayanamsa1900(zero), -22.47, 0.005);
    EXPECT_NEAR(module.Ayanamsa1900(one), -23.85, 0.005);
    EXPECT_EQ(zero, 0);  // passed by reference, left alone
}

TEST(Normalize360, OneStepEachWay)
{
    const std::pair<double, double> cases[] = {{-10, 350}, {370, 10}, {360, 360}, {725, 365}, {-400, -40}, {0, 0}, {359.5, 359.5}};
    for (const auto& [in, out] : cases) {
        double angle = in;
        EXPECT_EQ(Normalize360(angle), out) << in;
        EXPECT_EQ(angle, out) << in;
    }
}

TEST(FormatDegrees, SignedTextAndAbsoluteValueLeft)
{
    struct Case {
        double angle;
        std::string text;
        double left;
    };
    const Case cases[] = {
        {-22.75, degreesText(-22, 45, 0), 22.75},
        {10.5, degreesText(10, 30, 0), 10.5},
        {0, degreesText(0, 0, 0), 0},
        {359.9999999, degreesText(359, 59, 59), 359.9999999},  // truncated, never rounded up
    };
    for (const auto& c : cases) {
        double angle = c.angle;
        EXPECT_EQ(FormatDegrees(angle), c.text) << c.angle;
        EXPECT_EQ(angle, c.left) << c.angle;
    }
}
