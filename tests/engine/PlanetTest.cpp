// Planet longitudes from mean elements, Kepler's equation and the angle
// reductions under them.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace engine;

namespace {

constexpr double Turn = 6.28318530717958;

}  // namespace

TEST(GeocentricLongitude, AtJ2000)
{
    PlanetaryInstance instance;
    PlanetLongitudes& p = instance.modPlanetPosition_Western;
    const double expected[9] = {271.906, 241.578, 280.380, 327.983, 25.361, 40.215, 314.790, 303.192, 251.454};
    for (int planet = 0; planet < 9; ++planet) {
        p.GeocentricLongitude(planet, 0);
        EXPECT_NEAR(p.PlanetLongitude, expected[planet], 0.0005) << "planet " << planet;
    }
}

// A century either side of J2000.0 and moments between, worked out separately
// from the element table: unlike day number 0, these bring in every rate.
TEST(GeocentricLongitude, AwayFromJ2000)
{
    MoonSignInstance instance;
    PlanetLongitudes& p = instance.modWesternPlanetPosition;
    struct Case {
        double dayNumber;
        double expected[9];
    };
    const Case cases[] = {
        {-36525,
         {259.761917010323, 307.156449972294, 281.039875363266, 284.885913995549, 242.432261487372, 269.168519138560,
          251.508848660671, 86.617438477588, 76.645328017840}},
        {-8581.12,
         {89.909354366958, 107.297329861946, 102.835518578371, 148.771974822211, 53.041232183865, 123.747215780296,
          213.383453445353, 252.120316534716, 189.330969213863}},
        {18262.5,
         {269.352434798214, 280.555905461394, 280.049576322352, 227.033239289211, 121.079464157611, 296.743784038790,
          170.003479339057, 52.888564172564, 336.828235841440}},
    };
    for (const auto& c : cases) {
        for (int planet = 0; planet < 9; ++planet) {
            p.GeocentricLongitude(planet, c.dayNumber);
            EXPECT_NEAR(p.PlanetLongitude, c.expected[planet], 1e-9) << "day " << c.dayNumber << " planet " << planet;
        }
    }
}

TEST(GeocentricLongitude, SunIsOppositeTheEarth)
{
    MoonSignInstance instance;
    PlanetLongitudes& p = instance.modWesternPlanetPosition;
    for (const double d : {-36000.0, -8581.12, 0.0, 2345.6, 18262.5}) {
        p.GeocentricLongitude(2, d);
        const double sun = p.PlanetLongitude;
        // The element variables are left holding the Earth's elements.
        const double v = p.TrueAnomaly(NormalizeRadians(p.MeanLongitude - p.PerihelionLongitude), p.Eccentricity);
        double earth = std::atan2(std::sin(v + p.PerihelionLongitude), std::cos(v + p.PerihelionLongitude)) * 180 / M_PI;
        double opposite = earth + 180;
        if (opposite >= 360) opposite -= 360;
        EXPECT_NEAR(sun, opposite, 1e-9) << d;
    }
}

TEST(GeocentricLongitude, EarlierMomentsStayInRange)
{
    PlanetaryInstance instance;
    PlanetLongitudes& p = instance.modPlanetPosition_Western;
    for (const double d : {-36524.5, -20000.25, -1.0}) {
        for (int planet = 0; planet < 9; ++planet) {
            p.SetOrbitalElements(planet, d);
            EXPECT_GE(p.MeanLongitude, 0);
            EXPECT_LT(p.MeanLongitude, Turn);
            p.GeocentricLongitude(planet, d);
            EXPECT_GE(p.PlanetLongitude, 0);
            EXPECT_LE(p.PlanetLongitude, 360);
        }
    }
}

TEST(SetOrbitalElements, UnknownIndexWritesNothing)
{
    PlanetaryInstance instance;
    PlanetLongitudes& p = instance.modPlanetPosition_Western;
    p.SetOrbitalElements(4, 0);
    EXPECT_DOUBLE_EQ(p.SemiMajorAxis, 5.20336301);
    EXPECT_DOUBLE_EQ(p.Inclination, 1.3053 * 0.0174532925199433);
    for (const int bad : {-1, 9}) {
        p.SetOrbitalElements(bad, 1000);
        EXPECT_DOUBLE_EQ(p.SemiMajorAxis, 5.20336301);
        EXPECT_DOUBLE_EQ(p.Eccentricity, 0.04839266);
    }
}

TEST(NormalizeRadians, Cases)
{
    EXPECT_NEAR(NormalizeRadians(-1.5), Turn - 1.5, 1e-12);
    EXPECT_EQ(NormalizeRadians(Turn), 0);
    EXPECT_EQ(NormalizeRadians(0), 0);
    EXPECT_EQ(NormalizeRadians(-3 * Turn), 0);
    EXPECT_NEAR(NormalizeRadians(7.5), 7.5 - Turn, 1e-12);
    EXPECT_NEAR(NormalizeRadians(-100.25), -100.25 + 16 * Turn, 1e-11);
}

TEST(FixValue, Cases)
{
    const std::pair<double, double> cases[] = {{2.7, 2}, {-2.7, -2}, {0, 0}, {5, 5}, {-0.2, 0},
                                               // a negative whole number goes one up, by the rule
                                               {-3, -2}};
    for (const auto& [x, expected] : cases) EXPECT_EQ(FixValue(x), expected) << x;
}

TEST(TrueAnomaly, Edges)
{
    PlanetaryInstance instance;
    const PlanetLongitudes& p = instance.modPlanetPosition_Western;
    for (const double e : {0.0, 0.01671022, 0.0934, 0.24880766}) EXPECT_EQ(p.TrueAnomaly(0, e), 0) << e;
    for (const double M : {0.5, 2.0, 3.0, 4.0, 6.2}) EXPECT_NEAR(p.TrueAnomaly(M, 0), M, 1e-12) << M;
}

TEST(TrueAnomaly, SolvesKeplersEquation)
{
    PlanetaryInstance instance;
    const PlanetLongitudes& p = instance.modPlanetPosition_Western;
    for (const double e : {0.0167, 0.0934, 0.2056, 0.2488}) {
        for (double M = 0.05; M < Turn; M += 0.37) {
            const double v = p.TrueAnomaly(M, e);
            ASSERT_GE(v, 0);
            ASSERT_LT(v, Turn);
            // Back from the true to the eccentric and the mean anomaly.
            const double E = 2 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(v / 2));
            double mean = E - e * std::sin(E);
            if (mean < 0) mean += 2 * M_PI;
            EXPECT_NEAR(mean, M, 1e-9) << "e=" << e << " M=" << M;
        }
    }
}

TEST(ReduceRadians, SignedFixAndReduction)
{
    const std::pair<double, double> fixes[] = {{2.7, 2}, {-2.7, -2}, {0, 0}, {-3, -3}, {3, 3}};
    for (const auto& [x, expected] : fixes) EXPECT_EQ(SignedFix(x), expected) << x;
    EXPECT_NEAR(ReduceRadians(-1.5), Turn - 1.5, 1e-12);
    EXPECT_EQ(ReduceRadians(0), 0);
    EXPECT_NEAR(ReduceRadians(125.1228 * 0.0174532925199433), 125.1228 * 0.0174532925199433, 1e-15);
    EXPECT_NEAR(ReduceRadians(-40 * Turn - 0.25), Turn - 0.25, 1e-10);
}
