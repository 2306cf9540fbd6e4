// The three module-level instances of the engine.
#include "Engine.h"

namespace engine {

SiderealModule::SiderealModule()
    : AscendantModule(Zodiac::Sidereal), MoonModule(AscendantModule::BirthData, Zodiac::Sidereal)
{
}

// Each planet module reads its own instance's Moon text; each Moon module reads
// its own instance's birth record.
PlanetaryInstance::PlanetaryInstance()
    : modPlanetPosition_Western(&modEphemeris_Western),
      modEphemeris_Western(modPlanetPosition_Western.BirthData, Zodiac::Tropical)
{
}

MoonSignInstance::MoonSignInstance()
    : modWesternPlanetPosition(&modWesternEphemeris),
      modWesternEphemeris(modWesternPlanetPosition.BirthData, Zodiac::Tropical)
{
}

SiderealModule& modEphemeris()
{
    static SiderealModule module;
    return module;
}

PlanetaryInstance& planetaryInstance()
{
    static PlanetaryInstance instance;
    return instance;
}

PlanetaryModule& modPlanetPosition_Western() { return planetaryInstance().modPlanetPosition_Western; }
MoonModule& modEphemeris_Western() { return planetaryInstance().modEphemeris_Western; }

MoonSignInstance& moonSignInstance()
{
    static MoonSignInstance instance;
    return instance;
}

MoonSignModule& modWesternPlanetPosition() { return moonSignInstance().modWesternPlanetPosition; }
MoonModule& modWesternEphemeris() { return moonSignInstance().modWesternEphemeris; }

}  // namespace engine
