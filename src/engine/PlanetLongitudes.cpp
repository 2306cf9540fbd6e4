// Geocentric ecliptic longitudes of the Sun and the planets from mean
// Keplerian elements (mean ecliptic and equinox of J2000.0).
#include "Engine.h"

#include <cmath>

namespace engine {

namespace {

constexpr double Turn = 6.28318530717958;

// Base value and rate per Julian century; the four angles in degrees with
// their rates in arcseconds.
struct ElementRow {
    double a, aRate;
    double e, eRate;
    double i, iRate;
    double node, nodeRate;
    double perihelion, perihelionRate;
    double L, LRate;
};

constexpr ElementRow Elements[9] = {
    // Mercury
    {0.38709893, 0.00000066, 0.20563069, 0.00002527, 7.00487, -23.51, 48.33167, -446.3, 77.45645, 573.57, 252.25084,
     538101628.29},
    // Venus
    {0.72333199, 0.00000092, 0.00677323, -0.00004938, 3.39471, -2.86, 76.68069, -996.89, 131.53298, -108.8, 181.97973,
     210664136.06},
    // Earth (Earth-Moon barycentre)
    {1.00000011, -0.00000005, 0.01671022, -0.00003804, 0.00005, -46.94, -11.26064, -18228.25, 102.94719, 1198.28,
     100.46435, 129597740.63},
    // Mars
    {1.52366231, -0.00007221, 0.09341233, 0.00011902, 1.85061, -25.47, 49.57854, -1020.19, 336.04084, 1560.78,
     355.45332, 68905103.78},
    // Jupiter
    {5.20336301, 0.00060737, 0.04839266, -0.0001288, 1.3053, -4.15, 100.55615, 1217.17, 14.75385, 839.93, 34.40438,
     10925078.35},
    // Saturn
    {9.53707032, -0.0030153, 0.0541506, -0.00036762, 2.48446, 6.11, 113.71504, -1591.05, 92.43194, -1948.89, 49.94432,
     4401052.95},
    // Uranus
    {19.19126393, 0.00152025, 0.04716771, -0.0001915, 0.76986, -2.09, 74.22988, -1681.4, 170.96424, 1312.56, 313.23218,
     1542547.79},
    // Neptune
    {30.06896348, -0.00125196, 0.00858587, 0.0000251, 1.76917, -3.64, 131.72169, -151.25, 44.97135, -844.43, 304.88003,
     786449.21},
    // Pluto
    {39.48168677, -0.00076912, 0.24880766, 0.00006465, 17.14175, 11.07, 110.30347, -37.33, 224.06676, -132.25,
     238.92881, 522747.9},
};

struct Orbit {
    double a, e, i, node, perihelion, L;
};

}  // namespace

double FixValue(double x)
{
    const double whole = std::floor(x);
    return x >= 0 ? whole : whole + 1;
}

double NormalizeRadians(double x)
{
    const double b = x / Turn;
    double r = (b - FixValue(b)) * Turn;
    if (r < 0) r = r + Turn;
    return r;
}

void PlanetLongitudes::SetOrbitalElements(int planet, double dayNumber)
{
    const double T = dayNumber / 36525;
    if (planet < 0 || planet > 8) return;
    const ElementRow& row = Elements[planet];
    SemiMajorAxis = row.a + row.aRate * T;
    Eccentricity = row.e + row.eRate * T;
    Inclination = (row.i + (row.iRate * T) / 3600) * DegreesToRadians;
    AscendingNode = (row.node + (row.nodeRate * T) / 3600) * DegreesToRadians;
    PerihelionLongitude = (row.perihelion + (row.perihelionRate * T) / 3600) * DegreesToRadians;
    MeanLongitude = NormalizeRadians((row.L + (row.LRate * T) / 3600) * DegreesToRadians);
}

double PlanetLongitudes::TrueAnomaly(double meanAnomaly, double eccentricity) const
{
    const double M = meanAnomaly;
    const double e = eccentricity;
    double E = M + e * std::sin(M) * (1 + e * std::cos(M));
    // Newton's corrections converge in a handful of steps for every orbit of
    // the table; the cap only guards against a runaway on foreign input.
    for (int step = 0; step < 100; ++step) {
        const double next = E - (E - e * std::sin(E) - M) / (1 - e * std::cos(E));
        const double change = std::fabs(next - E);
        E = next;
        if (!(change > KeplerTolerance)) break;
    }
    double v = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(E * 0.5));
    if (v < 0) v = v + Turn;
    return v;
}

void PlanetLongitudes::GeocentricLongitude(int planet, double dayNumber)
{
    SetOrbitalElements(planet, dayNumber);
    const Orbit body{SemiMajorAxis, Eccentricity, Inclination, AscendingNode, PerihelionLongitude, MeanLongitude};
    SetOrbitalElements(2, dayNumber);
    const Orbit earth{SemiMajorAxis, Eccentricity, Inclination, AscendingNode, PerihelionLongitude, MeanLongitude};

    // The Earth, in the plane of the ecliptic.
    double M = NormalizeRadians(earth.L - earth.perihelion);
    double v = TrueAnomaly(M, earth.e);
    double r = earth.a * (1 - earth.e * earth.e) / (1 + earth.e * std::cos(v));
    const double xE = r * std::cos(v + earth.perihelion);
    const double yE = r * std::sin(v + earth.perihelion);

    M = NormalizeRadians(body.L - body.perihelion);
    v = TrueAnomaly(M, body.e);
    r = body.a * (1 - body.e * body.e) / (1 + body.e * std::cos(v));
    const double u = (v + body.perihelion) - body.node;
    double x = r * (std::cos(body.node) * std::cos(u) - std::sin(body.node) * std::sin(u) * std::cos(body.i));
    double y = r * (std::sin(body.node) * std::cos(u) + std::cos(body.node) * std::sin(u) * std::cos(body.i));

    // Seen from the Earth itself, the direction is the Sun's.
    if (planet == 2) {
        x = 0;
        y = 0;
    }

    const double X = x - xE;
    const double Y = y - yE;
    const double k = 180 / 3.14159265358979;
    double lambda = ATan2(Y, X) * k;
    if (lambda < 0) lambda = lambda + 360;
    PlanetLongitude = lambda;
}

}  // namespace engine
