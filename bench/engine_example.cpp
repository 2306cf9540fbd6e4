// Prints one person's chart from the engine alone, so its numbers can be set
// beside another program's. Builds outside this project too:
//   g++ -std=c++20 -I src/engine bench/engine_example.cpp <build>/src/engine/liblt_engine.a
#include "Engine.h"

#include <cstdio>

int main()
{
    // 15 August 1990, 10:30 in a zone 5 h 30 min east, at 77° 13' E, 28° 37' N.
    engine::BirthRecord birth;
    birth.Month = 8;
    birth.Day = 15;
    birth.Year = 1990;
    birth.Hour = 10;
    birth.Minute = 30;
    birth.ZoneHours = 5;
    birth.ZoneMinutes = 30;
    birth.LongitudeDegrees = 77;
    birth.LongitudeMinutes = 13;
    birth.LatitudeDegrees = 28;
    birth.LatitudeMinutes = 37;
    birth.IsEast = -1;

    auto& sidereal = engine::modEphemeris();
    sidereal.BirthData = birth;
    sidereal.CalculateAscendant();
    sidereal.CalculateMoonAndDasha();
    std::printf("Sidereal Moon     %s  (%.6f)\n", sidereal.MoonPositionText.c_str(), sidereal.MoonLongitude);
    std::printf("Nakshatra, rashi  %s, %s\n", sidereal.MoonNakshatra.c_str(), sidereal.MoonRashi.c_str());
    std::printf("Ascendant, MC     %s / %s  (ayanamsa %s)\n", sidereal.AscendantText.c_str(),
                sidereal.MidheavenText.c_str(), sidereal.AyanamsaText.c_str());
    std::printf("Dasha at birth    %s, next %s, now %s\n", sidereal.BirthDashaLords.c_str(),
                sidereal.NextDashaStart.c_str(), sidereal.CurrentDasha.c_str());
    std::printf("Topocentric Moon  %s  %s\n\n", sidereal.TopocentricPositionText.c_str(),
                sidereal.TopocentricNakshatra.c_str());

    auto& planets = engine::modPlanetPosition_Western();
    planets.BirthData = birth;
    planets.ZoneHoursValue = -5;
    planets.ZoneMinutesValue = -30;
    planets.CalculateAscendant();
    engine::modEphemeris_Western().CalculateMoonAndDasha();
    engine::Int16 firstPerson = -1;
    planets.CalculatePlanetPositions(firstPerson);

    static const char* const bodies[14] = {"Sun",    "Moon",    "Mercury", "Venus", "Mars",      "Jupiter", "Saturn",
                                           "Uranus", "Neptune", "Pluto",   "Rahu",  "Ketu", "Ascendant", "Midheaven"};
    std::printf("Tropical positions\n");
    for (int i = 0; i < 14; ++i) std::printf("  %-10s %s\n", bodies[i], planets.MalePositions[static_cast<std::size_t>(i)].c_str());
    return 0;
}
