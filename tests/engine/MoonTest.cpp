// The Moon's position, nakshatra and rashi, and the sidereal time and
// topocentric Moon worked out alongside.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace engine;
using enginetest::birth;
using enginetest::longText;
using enginetest::Place;

namespace {

class MoonTest : public ::testing::Test {
protected:
    enginetest::FixedToday today{std::chrono::year{2024} / 6 / 1};
};

struct MoonRun {
    SiderealModule sidereal;
    PlanetaryInstance tropical;

    explicit MoonRun(const BirthRecord& b)
    {
        sidereal.BirthData = b;
        sidereal.CalculateMoonAndDasha();
        tropical.modPlanetPosition_Western.BirthData = b;
        tropical.modEphemeris_Western.CalculateMoonAndDasha();
    }
    const MoonModule& trop() const { return tropical.modEphemeris_Western; }
};

double angularDistance(double a, double b)
{
    double d = std::fabs(a - b);
    return d > 180 ? 360 - d : d;
}

int nakshatraIndex(const MoonModule& m, const std::string& name)
{
    for (int i = 0; i < 27; ++i)
        if (m.NakshatraNames[static_cast<std::size_t>(i)] == name) return i;
    return -1;
}

}  // namespace

TEST_F(MoonTest, WorkedMoments)
{
    struct Case {
        const char* name;
        BirthRecord birth;
        double centuries;
        double tropicalLongitude, tolerance;
        double latitude, parallax;  // not checked when the text is empty
        std::string tropicalText, tropicalNakshatra;
    };
    const Case cases[] = {
        {"J2000.0", birth(2000, 1, 1, 12, 0), 0, 223.32, 0.005, 5.169, 0.908, longText(13, 18, 57, "Sco"), "Anuradha"},
        {"12 April 1992", birth(1992, 4, 12, 0, 0), -0.077, 133.16, 0.005, -3.228, 0.992, longText(13, 9, 29, "Leo"),
         "Magha"},
        {"1 January 1900", birth(1900, 1, 1, 0, 0), -1, 272.411, 0.0005, 0, 0, "", ""},
    };
    for (const auto& c : cases) {
        MoonRun run(c.birth);
        const MoonModule& m = run.trop();
        EXPECT_NEAR(m.JulianCenturies, c.centuries, 0.0005) << c.name;
        EXPECT_NEAR(m.MoonLongitude, c.tropicalLongitude, c.tolerance) << c.name;
        EXPECT_EQ(m.Ayanamsa, 0) << c.name;
        if (c.tropicalText.empty()) continue;
        EXPECT_NEAR(m.MoonLatitude, c.latitude, 0.0005) << c.name;
        EXPECT_NEAR(m.MoonParallax, c.parallax, 0.0005) << c.name;
        EXPECT_EQ(m.MoonPositionText, c.tropicalText) << c.name;
        EXPECT_EQ(m.MoonNakshatra, c.tropicalNakshatra) << c.name;
    }
}

TEST_F(MoonTest, SiderealAndTropicalAtJ2000)
{
    MoonRun run(birth(2000, 1, 1, 12, 0));
    EXPECT_EQ(run.sidereal.JulianCenturies, 0);
    EXPECT_NEAR(run.sidereal.Ayanamsa, -23.85, 0.005);
    EXPECT_NEAR(run.sidereal.MoonLongitude, 199.46, 0.005);
    EXPECT_EQ(run.sidereal.MoonPositionText, longText(19, 27, 45, "Lib"));
    EXPECT_NEAR(run.sidereal.MoonLongitude * 60 / 800, 14.96, 0.005);
    EXPECT_EQ(run.sidereal.MoonNakshatra, "Swati");
    EXPECT_EQ(run.sidereal.MoonRashi, "Libra (Thula)");

    EXPECT_EQ(run.trop().MoonPositionText, longText(13, 18, 57, "Sco"));
    EXPECT_EQ(run.trop().MoonNakshatra, "Anuradha");
    EXPECT_EQ(run.trop().MoonRashi, "Scorpio (Vrishcika)");
}

TEST_F(MoonTest, FirstOfJanuary1900)
{
    MoonRun run(birth(1900, 1, 1, 0, 0));
    EXPECT_NEAR(run.sidereal.Ayanamsa, -22.47, 0.005);
    EXPECT_NEAR(run.sidereal.MoonLongitude, 249.945, 0.0005);
    EXPECT_EQ(run.sidereal.MoonPositionText.substr(run.sidereal.MoonPositionText.size() - 3), "Sag");
    EXPECT_EQ(run.sidereal.MoonNakshatra, "Moola");
    EXPECT_EQ(run.sidereal.MoonRashi, "Sagittarius (Dhanush)");
}

TEST_F(MoonTest, SameMomentEnteredInAnEasternZone)
{
    MoonRun greenwich(birth(2000, 1, 1, 12, 0));
    MoonRun east(birth(2000, 1, 1, 17, 30, 5, 30, Place{82, 30, true, 25, 0, false}));
    EXPECT_EQ(east.sidereal.UniversalHours, 12);
    EXPECT_EQ(east.sidereal.MoonLongitude, greenwich.sidereal.MoonLongitude);
    EXPECT_EQ(east.sidereal.MoonPositionText, greenwich.sidereal.MoonPositionText);
    EXPECT_EQ(east.sidereal.MoonNakshatra, greenwich.sidereal.MoonNakshatra);
    EXPECT_EQ(east.sidereal.MoonRashi, greenwich.sidereal.MoonRashi);
    EXPECT_EQ(east.trop().MoonPositionText, greenwich.trop().MoonPositionText);
    // Seen from another place the topocentric Moon moves.
    EXPECT_NE(east.sidereal.TopocentricMoonLongitude, greenwich.sidereal.TopocentricMoonLongitude);
}

TEST(Nakshatra, BoundsAndEnds)
{
    SiderealModule sidereal;
    PlanetaryInstance tropical;
    const MoonModule& trop = tropical.modEphemeris_Western;
    struct Case {
        double longitude;
        const char* sidereal;
        const char* tropical;
    };
    const double bound = 13 + 20 / 60.0;  // 13° 20'
    const Case cases[] = {
        {0, "Ashwini", "Aswini"},
        {std::nextafter(bound, 0.0), "Ashwini", "Aswini"},
        {bound, "Bharani", "Bharani"},  // a nakshatra includes its lower bound
        {180, "Chitra", "Chitra"},
        {250, "Moola", "Mula"},
        {26 * bound + 1e-9, "Revati", "Revati"},
        {std::nextafter(360.0, 0.0), "Revati", "Revati"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sidereal.nakshatraOf(c.longitude), c.sidereal) << c.longitude;
        EXPECT_EQ(trop.nakshatraOf(c.longitude), c.tropical) << c.longitude;
    }
    for (int k = 1; k < 27; ++k) {
        const double lower = k * 800 / 60.0;
        EXPECT_EQ(sidereal.nakshatraOf(lower + 1e-9), sidereal.NakshatraNames[static_cast<std::size_t>(k)]) << k;
        EXPECT_EQ(sidereal.nakshatraOf(lower - 1e-9), sidereal.NakshatraNames[static_cast<std::size_t>(k - 1)]) << k;
    }
}

TEST(Nakshatra, TablesOfTheInstances)
{
    SiderealModule sidereal;
    PlanetaryInstance tropical;
    const auto& s = sidereal.NakshatraNames;
    const auto& t = tropical.modEphemeris_Western.NakshatraNames;
    EXPECT_EQ(s[10], "Poorva Phalguni");
    EXPECT_EQ(s[19], "Purva Ashadha");
    EXPECT_EQ(s[22], "Dhanistha");
    EXPECT_EQ(s[24], "Poorva Bhadrapada");
    EXPECT_EQ(t[19], "P.Shadya");
    EXPECT_EQ(t[24], "Purbha Phadra");
    EXPECT_EQ(s[27], "");
    EXPECT_EQ(t[27], "");
    std::vector<int> differing;
    for (int i = 0; i < 28; ++i)
        if (s[static_cast<std::size_t>(i)] != t[static_cast<std::size_t>(i)]) differing.push_back(i);
    EXPECT_EQ(differing, (std::vector<int>{0, 4, 8, 10, 18, 19, 20, 22, 23, 24, 25}));
}

TEST(Rashi, FromPositionTexts)
{
    SiderealModule module;
    struct Case {
        double longitude;
        const char* nakshatra;
        const char* rashi;
    };
    const Case cases[] = {
        {0, "Ashwini", "Aries (Mesha)"},
        {45.5, "Rohini", "Taurus (Vrishabha)"},
        {95, "Pushya", "Cancer (Kataka)"},
        {235, "Jyeshtha", "Scorpio (Vrishcika)"},
        {std::nextafter(360.0, 0.0), "Revati", "Pisces (Meena)"},
    };
    for (const auto& c : cases) {
        const std::string text = module.FormatSignPosition(c.longitude);
        EXPECT_EQ(module.nakshatraOf(c.longitude), c.nakshatra) << c.longitude;
        EXPECT_EQ(rashiOf(text), c.rashi) << text;
    }
    EXPECT_EQ(rashiOf("  1\xC2\xB0 2' 3\" Aqu  "), "Aquarius (Kumbha)");
    EXPECT_EQ(rashiOf(module.FormatSignPosition(360)), std::nullopt);
    EXPECT_EQ(rashiOf(""), std::nullopt);
}

TEST(Ayanamsa2000, NearTwentyFourDegreesAtJ2000)
{
    SiderealModule module;
    EXPECT_NEAR(module.Ayanamsa2000(0), -23.85, 0.005);
    // Precession: about 1.4 degrees a century.
    EXPECT_NEAR(module.Ayanamsa2000(-1) - module.Ayanamsa2000(0), 5025.64 / 3600, 0.02);
}

TEST(GreenwichSiderealTime, Cases)
{
    EXPECT_EQ(GreenwichSiderealTime(0, 0), 6.697374558);
    EXPECT_DOUBLE_EQ(GreenwichSiderealTime(0, 24), 6.697374558 + 1.002737909 * 24 - 24);
    EXPECT_DOUBLE_EQ(GreenwichSiderealTime(0, -3), 6.697374558 - 3 * 1.002737909);
    for (const double t0 : {-1.0, -0.5, -0.123, 0.3, 0.5}) {
        for (const double ut : {-4.5, 0.0, 12.0, 26.25}) {
            const double g = GreenwichSiderealTime(t0, ut);
            EXPECT_GE(g, 0);
            EXPECT_LE(g, 24);
            double loop = 6.697374558 + 2400.051336 * t0 + 0.000025862 * (t0 * t0) + 1.002737909 * ut;
            while (loop < 0) loop += 24;
            while (loop > 24) loop -= 24;
            EXPECT_EQ(g, loop) << t0 << " " << ut;
        }
    }
}

TEST(EclipticEquatorial, ConversionsAreInverse)
{
    SiderealModule module;
    for (double longitude = 0; longitude < 360; longitude += 7.5) {
        for (const double latitude : {-5.0, 0.0, 4.2}) {
            module.EclipticToEquatorial(longitude, latitude, 23.44);
            EXPECT_GE(module.MoonRightAscension, 0);
            EXPECT_LT(module.MoonRightAscension, 24);
            module.EquatorialToEcliptic(module.MoonRightAscension, module.MoonDeclination, 23.44);
            EXPECT_NEAR(angularDistance(module.TopocentricMoonLongitude, longitude), 0, 1e-9) << longitude;
        }
    }
    // The first point of Libra.
    module.EclipticToEquatorial(180, 0, 23.44);
    EXPECT_NEAR(module.MoonRightAscension, 12, 1e-12);
    EXPECT_NEAR(module.MoonDeclination, 0, 1e-12);
}

TEST_F(MoonTest, TopocentricMoonStaysWithinADegree)
{
    const BirthRecord births[] = {
        birth(2000, 1, 1, 12, 0),
        birth(1990, 8, 15, 10, 30, 5, 30, Place{77, 13, true, 28, 37, false}),
        birth(1976, 7, 4, 20, 15, 5, 0, Place{74, 0, false, 40, 43, false}, true),
        birth(1985, 3, 10, 7, 45, 10, 0, Place{151, 12, true, 33, 52, true}),
        birth(1962, 11, 30, 23, 59, 1, 0, Place{10, 45, true, 59, 55, false}),
        birth(2043, 5, 5, 4, 4, 3, 0, Place{43, 10, false, 22, 54, true}),
        birth(1925, 2, 28, 6, 0, 0, 0, Place{0, 0, false, 0, 0, false}),
    };
    for (const auto& b : births) {
        MoonRun run(b);
        for (const MoonModule* m : {static_cast<const MoonModule*>(&run.sidereal), &run.trop()}) {
            EXPECT_LT(angularDistance(m->TopocentricMoonLongitude, m->MoonLongitude), 1.1) << b.Year;
            EXPECT_EQ(m->TopocentricPositionText, m->FormatSignPosition(m->TopocentricMoonLongitude));
            const int geo = nakshatraIndex(*m, m->MoonNakshatra);
            const int topo = nakshatraIndex(*m, m->TopocentricNakshatra);
            ASSERT_GE(geo, 0);
            ASSERT_GE(topo, 0);
            EXPECT_LE(std::min((geo - topo + 27) % 27, (topo - geo + 27) % 27), 1) << b.Year;
        }
        // The topocentric step leaves the geocentric Moon alone.
        EXPECT_EQ(run.sidereal.MoonPositionText, run.sidereal.FormatSignPosition(run.sidereal.MoonLongitude));
    }
}

TEST_F(MoonTest, TablesAreRefilledOnEveryRun)
{
    SiderealModule module;
    module.NakshatraNames[14] = "changed";
    module.DashaYears[5] = 99;
    module.DashaLordCodes = "xx";
    module.SignCodes = "";
    module.BirthData = birth(2000, 1, 1, 12, 0);
    module.CalculateMoonAndDasha();
    EXPECT_EQ(module.NakshatraNames[14], "Swati");
    EXPECT_EQ(module.DashaYears[5], 18);
    EXPECT_EQ(module.DashaLordCodes, "KeVeSuMoMaRaJuSaMe");
    EXPECT_EQ(module.MoonNakshatra, "Swati");
    EXPECT_EQ(module.MoonRashi, "Libra (Thula)");
}

// Both name tables in full: the sidereal names are the Kundali match's keys,
// compared letter for letter.
TEST(Nakshatra, EveryMansionInEachInstance)
{
    const char* const sidereal[27] = {
        "Ashwini",           "Bharani",           "Krittika",        "Rohini",          "Mrigasira",
        "Ardra",             "Punarvasu",         "Pushya",          "Ashlesha",        "Magha",
        "Poorva Phalguni",   "Uttara Phalguni",   "Hasta",           "Chitra",          "Swati",
        "Vishakha",          "Anuradha",          "Jyeshtha",        "Moola",           "Purva Ashadha",
        "Uttara Ashadha",    "Shravana",          "Dhanistha",       "Shatabhisha",     "Poorva Bhadrapada",
        "Uttara Bhadrapada", "Revati",
    };
    const char* const tropical[27] = {
        "Aswini",            "Bharani",           "Krittika",        "Rohini",          "Mrigsira",
        "Ardra",             "Punarvasu",         "Pushya",          "Aslesha",         "Magha",
        "Purbha Phalguni",   "Uttara Phalguni",   "Hasta",           "Chitra",          "Swati",
        "Vishakha",          "Anuradha",          "Jyeshtha",        "Mula",            "P.Shadya",
        "U.Shadya",          "Shravana",          "Dhanishtha",      "Shatbisha",       "Purbha Phadra",
        "Uttara Phadra",     "Revati",
    };
    SiderealModule s;
    PlanetaryInstance planetary;
    MoonSignInstance moonSign;
    for (int k = 0; k < 27; ++k) {
        const double middle = (k + 0.5) * 800 / 60.0;
        EXPECT_EQ(s.nakshatraOf(middle), sidereal[k]) << k;
        EXPECT_EQ(planetary.modEphemeris_Western.nakshatraOf(middle), tropical[k]) << k;
        EXPECT_EQ(moonSign.modWesternEphemeris.nakshatraOf(middle), tropical[k]) << k;
    }
}

TEST(Rashi, EverySignWithItsCode)
{
    const char* const codes[12] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
    const char* const names[12] = {
        "Aries (Mesha)",       "Taurus (Vrishabha)",    "Gemini (Mithuna)",   "Cancer (Kataka)",
        "Leo (Simha)",         "Virgo (Kanya)",         "Libra (Thula)",      "Scorpio (Vrishcika)",
        "Sagittarius (Dhanush)", "Capricorn (Makara)",  "Aquarius (Kumbha)",  "Pisces (Meena)",
    };
    SiderealModule module;
    for (int k = 0; k < 12; ++k) {
        const std::string text = module.FormatSignPosition(k * 30 + 17.25);
        EXPECT_EQ(text, longText(17, 15, 0, codes[k])) << k;
        EXPECT_EQ(rashiOf(text), names[k]) << k;
    }
}

// The tropical Moon at moments spread over the callers' years, worked out
// separately from the three series tables. A slip in one of the small terms
// moves these by far more than the tolerance, though it can hide inside the
// rounded values of the worked moments above.
TEST_F(MoonTest, SeriesAtMomentsAcrossTheYears)
{
    struct Case {
        const char* name;
        BirthRecord birth;
        double universalHours, longitude, latitude, parallax;
    };
    const Case cases[] = {
        {"1900", birth(1900, 1, 1, 0, 0), 0, 272.411291649914, 1.106573129222, 0.991995712667},
        {"1976 west, summer time", birth(1976, 7, 4, 20, 15, 5, 0, Place{74, 0, false, 40, 43, false}, true), 24.25,
         196.818107337647, -2.048577280990, 0.988208845205},
        {"1985 south-east", birth(1985, 3, 10, 7, 45, 10, 0, Place{151, 12, true, 33, 52, true}), -2.25,
         208.733901739106, 1.849259577648, 1.010838928891},
        {"1990 east", birth(1990, 8, 15, 10, 30, 5, 30, Place{77, 13, true, 28, 37, false}), 5, 72.638230505312,
         4.302205808479, 0.990264240677},
        {"2043 west", birth(2043, 5, 5, 4, 4, 3, 0, Place{43, 10, false, 22, 54, true}), 4 + 4 / 60.0 + 3,
         351.320305952016, -1.509961942791, 0.988806111916},
        {"2050", birth(2050, 12, 31, 23, 30), 23.5, 144.538466527563, -4.900469360654, 0.915738168923},
    };
    for (const auto& c : cases) {
        MoonRun run(c.birth);
        const MoonModule& m = run.trop();
        EXPECT_DOUBLE_EQ(m.UniversalHours, c.universalHours) << c.name;
        EXPECT_NEAR(m.MoonLongitude, c.longitude, 1e-9) << c.name;
        EXPECT_NEAR(m.MoonLatitude, c.latitude, 1e-9) << c.name;
        EXPECT_NEAR(m.MoonParallax, c.parallax, 1e-9) << c.name;
    }
}

// The Moon on the observer's meridian: no shift in right ascension, and the
// declination pushed away from the observer's zenith. An observer on the
// equator stands one Earth radius out in the equator's plane, neither north
// nor south of the centre.
TEST(TopocentricMoon, OnTheMeridian)
{
    constexpr double D2R = 0.0174532925199433;
    constexpr double R2D = 57.2957795130823;
    struct Case {
        const char* name;
        double westLongitude, greenwichSidereal, rightAscension;
        double latitude, declination;
    };
    const Case cases[] = {
        {"north of the Moon", 0, 7.25, 7.25, 52, 10},
        {"south of the Moon", 0, 7.25, 7.25, -30, 10},
        {"east, sidereal time past 24 h", -150, 20, 6, 40, -5},
        {"equator, Moon on the equator", 45, 12, 9, 0, 0},
        {"equator, Moon north", 0, 3.5, 3.5, 0, 15},
        {"equator, Moon south", 0, 3.5, 3.5, 0, -15},
    };
    for (const auto& c : cases) {
        PlanetaryInstance instance;
        MoonModule& m = instance.modEphemeris_Western;
        m.PlaceLongitude = c.westLongitude;
        m.PlaceLatitude = c.latitude;
        m.GreenwichSiderealHours = c.greenwichSidereal;
        m.MoonRightAscension = c.rightAscension;
        m.MoonDeclination = c.declination;
        m.MoonParallax = 0.95;
        m.EclipticObliquity = 23.44;
        m.TopocentricConversion();

        EXPECT_EQ(m.PlaceLongitude, c.rightAscension) << c.name;  // local sidereal time: hour angle 0
        EXPECT_EQ(m.MoonRightAscension, c.rightAscension) << c.name;
        if (c.latitude > c.declination) {
            EXPECT_LT(m.MoonDeclination, c.declination) << c.name;
        } else if (c.latitude < c.declination) {
            EXPECT_GT(m.MoonDeclination, c.declination) << c.name;
        }
        if (c.latitude == 0) {
            const double r = 1 / std::sin(0.95 * D2R);
            const double d = c.declination * D2R;
            EXPECT_DOUBLE_EQ(m.MoonDeclination, std::atan(r * std::sin(d) / (r * std::cos(d) - 1)) * R2D) << c.name;
        }
    }
}
