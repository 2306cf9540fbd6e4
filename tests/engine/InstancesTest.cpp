// The three instances side by side: for the same person only the stated
// differences appear, and no instance touches another's state.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

using namespace engine;
using enginetest::birth;
using enginetest::FakeMoonSignLists;
using enginetest::Place;

namespace {

class InstancesTest : public ::testing::Test {
protected:
    void SetUp() override { modMoonSignWestern::IsMaleChart = 0; }
    void TearDown() override { modMoonSignWestern::IsMaleChart = 0; }
    enginetest::FixedToday today{std::chrono::year{2024} / 6 / 1};
};

struct Person {
    const char* name;
    BirthRecord birth;
    Int16 zoneHoursValue, zoneMinutesValue;  // to add to the local time
    FakeMoonSignLists lists;
};

Person person(const char* name, const BirthRecord& b, Int16 zoneHours, Int16 zoneMinutes, const char* monthName)
{
    Person p{name, b, zoneHours, zoneMinutes, {}};
    p.lists.mMonth = monthName;
    p.lists.mDate = std::to_string(b.Day);
    p.lists.mYear = std::to_string(b.Year);
    p.lists.mHH = std::to_string(b.Hour);
    p.lists.mMM = std::to_string(b.Minute);
    return p;
}

double withAyanamsa(double tropical, double ayanamsa)
{
    double l = tropical + ayanamsa;
    if (l < 0) l = l + 360;
    return l;
}

void expectSameMoonOutputs(const MoonModule& a, const MoonModule& b, const char* name)
{
    EXPECT_EQ(a.MoonLongitude, b.MoonLongitude) << name;
    EXPECT_EQ(a.MoonPositionText, b.MoonPositionText) << name;
    EXPECT_EQ(a.MoonNakshatra, b.MoonNakshatra) << name;
    EXPECT_EQ(a.MoonRashi, b.MoonRashi) << name;
    EXPECT_EQ(a.TopocentricMoonLongitude, b.TopocentricMoonLongitude) << name;
    EXPECT_EQ(a.TopocentricPositionText, b.TopocentricPositionText) << name;
    EXPECT_EQ(a.TopocentricNakshatra, b.TopocentricNakshatra) << name;
    EXPECT_EQ(a.BirthDashaLords, b.BirthDashaLords) << name;
    EXPECT_EQ(a.NextDashaStart, b.NextDashaStart) << name;
    EXPECT_EQ(a.CurrentDasha, b.CurrentDasha) << name;
    EXPECT_EQ(a.TopocentricBirthDashaLords, b.TopocentricBirthDashaLords) << name;
    EXPECT_EQ(a.TopocentricNextDashaStart, b.TopocentricNextDashaStart) << name;
    EXPECT_EQ(a.TopocentricCurrentDasha, b.TopocentricCurrentDasha) << name;
    EXPECT_EQ(a.DashaBalanceDifference, b.DashaBalanceDifference) << name;
}

}  // namespace

TEST_F(InstancesTest, SamePersonShowsOnlyTheStatedDifferences)
{
    Person people[] = {
        person("J2000.0", birth(2000, 1, 1, 12, 0), 0, 0, "January"),
        person("Delhi 1990", birth(1990, 8, 15, 10, 30, 5, 30, Place{77, 13, true, 28, 37, false}), -5, -30, "August"),
        person("New York 1976", birth(1976, 7, 4, 20, 15, 5, 0, Place{74, 0, false, 40, 43, false}, true), 4, 0, "July"),
        person("Sydney 1985", birth(1985, 3, 10, 7, 45, 10, 0, Place{151, 12, true, 33, 52, true}), -10, 0, "March"),
    };
    for (Person& p : people) {
        SiderealModule sidereal;
        PlanetaryInstance planetary;
        MoonSignInstance moonSign;

        sidereal.BirthData = p.birth;
        sidereal.CalculateAscendant();
        sidereal.CalculateMoonAndDasha();

        auto& pp = planetary.modPlanetPosition_Western;
        pp.BirthData = p.birth;
        pp.ZoneHoursValue = p.zoneHoursValue;
        pp.ZoneMinutesValue = p.zoneMinutesValue;
        pp.CalculateAscendant();
        planetary.modEphemeris_Western.CalculateMoonAndDasha();
        Int16 first = -1;
        pp.CalculatePlanetPositions(first);

        auto& mp = moonSign.modWesternPlanetPosition;
        mp.BirthData = p.birth;
        mp.ZoneHoursValue = p.zoneHoursValue;
        mp.ZoneMinutesValue = p.zoneMinutesValue;
        mp.setWindowLists(&p.lists);
        modMoonSignWestern::IsMaleChart = -1;
        mp.CalculateAscendant();
        moonSign.modWesternEphemeris.CalculateMoonAndDasha();
        mp.CalculatePlanetPositions();

        const MoonModule& pm = planetary.modEphemeris_Western;
        const MoonModule& mm = moonSign.modWesternEphemeris;

        // The working values are the same in all three.
        for (const MoonModule* m : {&pm, &mm}) {
            EXPECT_EQ(m->UniversalHours, sidereal.UniversalHours) << p.name;
            EXPECT_EQ(m->BirthJulianDay, sidereal.BirthJulianDay) << p.name;
            EXPECT_EQ(m->JulianCenturies, sidereal.JulianCenturies) << p.name;
            EXPECT_EQ(m->GreenwichSiderealHours, sidereal.GreenwichSiderealHours) << p.name;
            EXPECT_EQ(m->EclipticObliquity, sidereal.EclipticObliquity) << p.name;
            EXPECT_EQ(m->MoonLatitude, sidereal.MoonLatitude) << p.name;
            EXPECT_EQ(m->MoonParallax, sidereal.MoonParallax) << p.name;
            EXPECT_EQ(m->Ayanamsa, 0) << p.name;
            EXPECT_EQ(m->MoonPositionText, m->FormatSignPosition(m->MoonLongitude)) << p.name;
        }

        // Ayanamsa: subtracted in the sidereal instance only.
        EXPECT_EQ(sidereal.Ayanamsa, sidereal.Ayanamsa2000(sidereal.JulianCenturies)) << p.name;
        EXPECT_EQ(sidereal.MoonLongitude, withAyanamsa(pm.MoonLongitude, sidereal.Ayanamsa)) << p.name;
        EXPECT_EQ(sidereal.TopocentricMoonLongitude, withAyanamsa(pm.TopocentricMoonLongitude, sidereal.Ayanamsa))
            << p.name;
        EXPECT_NE(sidereal.MoonPositionText, pm.MoonPositionText) << p.name;

        // The two tropical instances agree in everything they both have.
        expectSameMoonOutputs(pm, mm, p.name);
        EXPECT_EQ(pp.AscendantText, mp.AscendantText) << p.name;
        EXPECT_EQ(pp.MidheavenText, mp.MidheavenText) << p.name;
        EXPECT_EQ(pp.Ayanamsa, 0) << p.name;
        EXPECT_EQ(mp.Ayanamsa, 0) << p.name;

        // The ascendant module's ayanamsa and its texts.
        for (const AscendantModule* a : {static_cast<const AscendantModule*>(&pp), static_cast<const AscendantModule*>(&mp)}) {
            EXPECT_EQ(a->AyanamsaText, sidereal.AyanamsaText) << p.name;
            EXPECT_EQ(a->ChartAyanamsa, sidereal.ChartAyanamsa) << p.name;
            EXPECT_EQ(a->ChartJulianDay, sidereal.ChartJulianDay) << p.name;
            double asc = a->AscendantDegrees - sidereal.ChartAyanamsa;
            double mc = a->MidheavenDegrees - sidereal.ChartAyanamsa;
            EXPECT_EQ(sidereal.AscendantDegrees, Normalize360(asc)) << p.name;
            EXPECT_EQ(sidereal.MidheavenDegrees, Normalize360(mc)) << p.name;
        }

        // Same positions, the last four in their own order.
        const auto& male = pp.MalePositions;
        const auto& chart = mp.PlanetPositions;
        for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(chart[i], male[i]) << p.name << " element " << i;
        EXPECT_EQ(chart[10], male[12]) << p.name;
        EXPECT_EQ(chart[11], male[13]) << p.name;
        EXPECT_EQ(chart[12], male[10]) << p.name;
        EXPECT_EQ(chart[13], male[11]) << p.name;
        EXPECT_EQ(male[14], "") << p.name;
        EXPECT_EQ(male[1], ShortPositionText(pm.MoonPositionText)) << p.name;
        EXPECT_EQ(chart[1].substr(3, 3), pm.MoonPositionText.substr(pm.MoonPositionText.size() - 3)) << p.name;
    }
}

TEST_F(InstancesTest, ModulesOfTheSiderealInstanceShareOneSet)
{
    const BirthRecord b = birth(1990, 8, 15, 10, 30, 5, 30, Place{77, 13, true, 28, 37, false});
    SiderealModule sidereal;
    PlanetaryInstance planetary;
    sidereal.BirthData = b;
    planetary.modPlanetPosition_Western.BirthData = b;
    sidereal.CalculateAscendant();
    planetary.modPlanetPosition_Western.CalculateAscendant();
    const double ascendantAyanamsa = sidereal.Ayanamsa;
    sidereal.CalculateMoonAndDasha();
    planetary.modEphemeris_Western.CalculateMoonAndDasha();

    // The Moon's step leaves the local sidereal time where the longitude was.
    const double place = -(77 + 13 / 60.0);
    EXPECT_DOUBLE_EQ(planetary.modPlanetPosition_Western.PlaceLongitude, place);
    EXPECT_NE(planetary.modEphemeris_Western.PlaceLongitude, place);
    EXPECT_EQ(sidereal.PlaceLongitude, planetary.modEphemeris_Western.PlaceLongitude);
    EXPECT_GE(sidereal.PlaceLongitude, 0);
    EXPECT_LE(sidereal.PlaceLongitude, 24);
    // One ayanamsa variable in the sidereal module: the Moon's value is left.
    EXPECT_NE(sidereal.Ayanamsa, ascendantAyanamsa);
    EXPECT_EQ(sidereal.Ayanamsa, sidereal.Ayanamsa2000(sidereal.JulianCenturies));
}

TEST_F(InstancesTest, ModuleLevelInstancesAreIndependent)
{
    EXPECT_EQ(&modEphemeris(), &modEphemeris());
    EXPECT_EQ(&modPlanetPosition_Western(), &planetaryInstance().modPlanetPosition_Western);
    EXPECT_EQ(&modEphemeris_Western(), &planetaryInstance().modEphemeris_Western);
    EXPECT_EQ(&modWesternPlanetPosition(), &moonSignInstance().modWesternPlanetPosition);
    EXPECT_EQ(&modWesternEphemeris(), &moonSignInstance().modWesternEphemeris);

    const BirthRecord a = birth(1962, 11, 30, 23, 59, 1, 0, Place{10, 45, true, 59, 55, false});
    const BirthRecord b = birth(2043, 5, 5, 4, 4, 3, 0, Place{43, 10, false, 22, 54, true});
    const BirthRecord c = birth(1925, 2, 28, 6, 0);

    modEphemeris().BirthData = a;
    modPlanetPosition_Western().BirthData = b;
    modWesternPlanetPosition().BirthData = c;
    modEphemeris().CalculateAscendant();
    modPlanetPosition_Western().CalculateAscendant();
    modWesternPlanetPosition().CalculateAscendant();
    modEphemeris().CalculateMoonAndDasha();
    modEphemeris_Western().CalculateMoonAndDasha();
    modWesternEphemeris().CalculateMoonAndDasha();

    // Each matches a run of its own kind for its own person alone.
    SiderealModule aloneA;
    aloneA.BirthData = a;
    aloneA.CalculateAscendant();
    aloneA.CalculateMoonAndDasha();
    EXPECT_EQ(modEphemeris().MoonRashi, aloneA.MoonRashi);
    EXPECT_EQ(modEphemeris().MoonPositionText, aloneA.MoonPositionText);
    EXPECT_EQ(modEphemeris().AscendantText, aloneA.AscendantText);

    PlanetaryInstance aloneB;
    aloneB.modPlanetPosition_Western.BirthData = b;
    aloneB.modPlanetPosition_Western.CalculateAscendant();
    aloneB.modEphemeris_Western.CalculateMoonAndDasha();
    expectSameMoonOutputs(modEphemeris_Western(), aloneB.modEphemeris_Western, "planetary");
    EXPECT_EQ(modPlanetPosition_Western().AscendantText, aloneB.modPlanetPosition_Western.AscendantText);

    MoonSignInstance aloneC;
    aloneC.modWesternPlanetPosition.BirthData = c;
    aloneC.modWesternPlanetPosition.CalculateAscendant();
    aloneC.modWesternEphemeris.CalculateMoonAndDasha();
    expectSameMoonOutputs(modWesternEphemeris(), aloneC.modWesternEphemeris, "moon-sign");
    EXPECT_EQ(modWesternPlanetPosition().MidheavenText, aloneC.modWesternPlanetPosition.MidheavenText);

    EXPECT_EQ(modEphemeris_Western().BirthJulianDay, JulianDayNumber(5, 5, 2043));
    EXPECT_EQ(modWesternEphemeris().BirthJulianDay, JulianDayNumber(2, 28, 1925));
}
