// The Moon from a truncated lunar theory, its nakshatra and rashi, the
// topocentric Moon and the Vimshottari dasha of both.
#include "Engine.h"
#include "EngineDetail.h"

#include <cmath>
#include <stdexcept>

namespace engine {

namespace {

constexpr std::array<const char*, 27> SiderealNakshatras{
    "Ashwini",         "Bharani",         "Krittika",       "Rohini",      "Mrigasira",        "Ardra",
    "Punarvasu",       "Pushya",          "Ashlesha",       "Magha",       "Poorva Phalguni",  "Uttara Phalguni",
    "Hasta",           "Chitra",          "Swati",          "Vishakha",    "Anuradha",         "Jyeshtha",
    "Moola",           "Purva Ashadha",   "Uttara Ashadha", "Shravana",    "Dhanistha",        "Shatabhisha",
    "Poorva Bhadrapada", "Uttara Bhadrapada", "Revati",
};

constexpr std::array<const char*, 27> TropicalNakshatras{
    "Aswini",          "Bharani",         "Krittika",       "Rohini",      "Mrigsira",         "Ardra",
    "Punarvasu",       "Pushya",          "Aslesha",        "Magha",       "Purbha Phalguni",  "Uttara Phalguni",
    "Hasta",           "Chitra",          "Swati",          "Vishakha",    "Anuradha",         "Jyeshtha",
    "Mula",            "P.Shadya",        "U.Shadya",       "Shravana",    "Dhanishtha",       "Shatbisha",
    "Purbha Phadra",   "Uttara Phadra",   "Revati",
};

// One periodic term: multipliers of D, M, M', F, the coefficient in degrees,
// and whether the term is scaled by the eccentricity factor E.
struct Term {
    int d, m, mp, f;
    double coefficient;
    bool timesE;
};

constexpr Term LongitudeTerms[] = {
    {0, 0, 1, 0, 6.288774, false},   {2, 0, -1, 0, 1.274027, false}, {2, 0, 0, 0, 0.658314, false},
    {0, 0, 2, 0, 0.213618, false},   {0, 1, 0, 0, -0.185116, true},  {0, 0, 0, 2, -0.114332, false},
    {2, 0, -2, 0, 0.058793, false},  {2, -1, -1, 0, 0.057066, true}, {2, 0, 1, 0, 0.053322, false},
    {2, -1, 0, 0, 0.045758, true},   {0, 1, -1, 0, -0.040923, true}, {1, 0, 0, 0, -0.03472, false},
    {0, 1, 1, 0, -0.030383, true},   {2, 0, 0, -2, 0.015327, false}, {0, 0, 1, 2, -0.012528, false},
    {0, 0, 1, -2, 0.01098, false},   {4, 0, -1, 0, 0.010675, false}, {0, 0, 3, 0, 0.010034, false},
    {4, 0, -2, 0, 0.008548, false},  {2, 1, -1, 0, -0.007888, true}, {2, 1, 0, 0, -0.006766, true},
    {1, 0, -1, 0, -0.005163, false}, {1, 1, 0, 0, 0.004987, true},   {2, -1, 1, 0, 0.004036, true},
    {2, 0, 2, 0, 0.003994, false},
};

constexpr Term LatitudeTerms[] = {
    {0, 0, 0, 1, 5.128122, false},   {0, 0, 1, 1, 0.280602, false},   {0, 0, 1, -1, 0.277693, false},
    {2, 0, 0, -1, 0.173237, false},  {2, 0, -1, 1, 0.055413, false},  {2, 0, -1, -1, 0.046271, false},
    {2, 0, 0, 1, 0.032573, false},   {0, 0, 2, 1, 0.017198, false},   {2, 0, 1, -1, 0.009266, false},
    {0, 0, 2, -1, 0.008823, false},  {2, -1, 0, -1, 0.008247, true},  {2, 0, -2, -1, 0.004324, false},
    {2, 0, 1, 1, 0.0042, false},     {-2, -1, 0, 1, 0.003372, true},  {2, -1, -1, 1, 0.002472, true},
    {2, -1, 0, 1, 0.002222, true},   {2, -1, -1, -1, 0.002072, true}, {0, -1, 1, 1, 0.001877, true},
    {4, 0, -1, -1, 0.001828, false}, {0, 1, 0, 1, -0.001803, true},   {0, 0, 0, 3, -0.00175, false},
    {0, -1, 1, -1, 0.00157, true},   {1, 0, 0, 1, -0.001487, false},  {0, 1, 1, 1, -0.001481, true},
};

constexpr Term ParallaxTerms[] = {
    {0, 0, 1, 0, 0.051818, false},   {2, 0, -1, 0, 0.009531, false},  {2, 0, 0, 0, 0.007843, false},
    {0, 0, 2, 0, 0.002824, false},   {2, 0, 1, 0, 0.000857, false},   {2, -1, 0, 0, 0.000533, true},
    {2, -1, -1, 0, 0.000401, true},  {0, -1, 1, 0, 0.00032, true},    {1, 0, 0, 0, -0.000271, false},
    {0, 1, 1, 0, -0.000264, true},   {0, 0, -1, 2, -0.000198, false}, {0, 0, 3, 0, 0.000173, false},
    {4, 0, -1, 0, 0.000167, false},  {0, 1, 0, 0, -0.000111, true},   {4, 0, -2, 0, 0.000103, false},
    {-2, 0, 2, 0, -0.000084, false}, {2, 1, 0, 0, -0.000083, true},   {2, 0, 2, 0, 0.000079, false},
    {4, 0, 0, 0, 0.000072, false},
};

struct MeanElements {
    double D, M, Mp, F, E;
};

double argument(const Term& t, const MeanElements& el)
{
    return t.d * el.D + t.m * el.M + t.mp * el.Mp + t.f * el.F;
}

// start + the sum of coefficient x trig(argument), terms added one by one.
template <std::size_t N>
double series(const Term (&terms)[N], const MeanElements& el, double start, double (*trig)(double))
{
    double sum = start;
    for (const Term& t : terms) {
        const double c = t.timesE ? t.coefficient * el.E : t.coefficient;
        sum = sum + c * trig(argument(t, el));
    }
    return sum;
}

double sine(double x) { return std::sin(x); }
double cosine(double x) { return std::cos(x); }

int nextLord(int lord) { return lord == 8 ? 0 : lord + 1; }

constexpr double DaysPerYear = 365.25;
constexpr double DaysPerCycle = 43830;

}  // namespace

MoonModule::MoonModule(const BirthRecord& birth, Zodiac zodiac) : birth_(&birth), zodiac_(zodiac) { FillTables(); }

void MoonModule::FillTables()
{
    DashaLordCodes = "KeVeSuMoMaRaJuSaMe";
    static constexpr double years[9] = {7, 20, 6, 10, 7, 18, 16, 19, 17};
    for (int i = 0; i < 9; ++i) DashaYears[static_cast<std::size_t>(i)] = years[i];
    SetConstants();
    const auto& names = zodiac_ == Zodiac::Sidereal ? SiderealNakshatras : TropicalNakshatras;
    for (std::size_t i = 0; i < names.size(); ++i) NakshatraNames[i] = names[i];
}

double MoonModule::Ayanamsa2000(double T) const
{
    const double omega = 125.044555 - 1934.1361849 * T + 0.0020762 * (T * T);
    const double L = 280.466449 + 36000.7698231 * T + 0.0003106 * (T * T);
    const double N = 17.23 * std::sin(omega * DegreesToRadians) + 1.27 * std::sin(2 * L * DegreesToRadians);
    return -(85886.27 + 5025.64 * T + 1.11 * (T * T) - N) / 3600;
}

void MoonModule::EclipticToEquatorial(double longitude, double latitude, double obliquity)
{
    const double l = longitude * DegreesToRadians;
    const double b = latitude * DegreesToRadians;
    const double e = obliquity * DegreesToRadians;
    MoonDeclination = ArcSin(std::sin(b) * std::cos(e) + std::cos(b) * std::sin(e) * std::sin(l)) * RadiansToDegrees;
    double alpha = ATan2(std::sin(l) * std::cos(e) - std::tan(b) * std::sin(e), std::cos(l)) * RadiansToDegrees;
    if (alpha < 0) alpha = alpha + 360;
    MoonRightAscension = alpha / 15;
}

void MoonModule::EquatorialToEcliptic(double rightAscensionHours, double declination, double obliquity)
{
    const double a = 15 * rightAscensionHours * DegreesToRadians;
    const double d = declination * DegreesToRadians;
    const double e = obliquity * DegreesToRadians;
    double lambda = ATan2(std::sin(a) * std::cos(e) + std::sin(e) * std::tan(d), std::cos(a)) * RadiansToDegrees;
    if (lambda < 0) lambda = lambda + 360;
    TopocentricMoonLongitude = lambda;
}

// Steps 4 to 9 of the topocentric Moon: local sidereal time, hour angle,
// observer, parallax correction and back to the ecliptic.
void MoonModule::TopocentricConversion()
{
    PlaceLongitude = -PlaceLongitude;
    PlaceLongitude = PlaceLongitude / 15 + GreenwichSiderealHours;
    PlaceLongitude = detail::raiseWhileNegative(PlaceLongitude, 24);
    PlaceLongitude = detail::lowerWhileAbove(PlaceLongitude, 24);

    const double H = 15 * (PlaceLongitude - MoonRightAscension);

    const double u = std::atan(0.996647 * std::tan(PlaceLatitude * DegreesToRadians));
    const double rhoSinPhi = 0.996647 * std::sin(u);
    const double rhoCosPhi = std::cos(u);

    const double r = 1 / std::sin(MoonParallax * DegreesToRadians);

    const double delta = MoonDeclination * DegreesToRadians;
    const double Hr = H * DegreesToRadians;
    const double shift =
        ATan2(rhoCosPhi * std::sin(Hr), r * std::cos(delta) - rhoCosPhi * std::cos(Hr)) * RadiansToDegrees;
    const double H1 = H + shift;
    MoonRightAscension = MoonRightAscension - shift / 15;

    const double numerator = std::cos(H1 * DegreesToRadians) * (r * std::sin(delta) - rhoSinPhi);
    const double denominator = r * std::cos(delta) * std::cos(Hr) - rhoCosPhi;
    if (denominator != 0) {
        MoonDeclination = std::atan(numerator / denominator) * RadiansToDegrees;
    } else {
        // The quotient's limit: the hour angle is then 90 degrees and the
        // declination follows from the height over the distance off the axis.
        MoonDeclination = std::atan((r * std::sin(delta) - rhoSinPhi) / std::fabs(r * std::cos(delta) * std::sin(Hr))) *
                          RadiansToDegrees;
    }

    EquatorialToEcliptic(MoonRightAscension, MoonDeclination, EclipticObliquity);
}

std::string MoonModule::lordCode(int lord) const
{
    if (lord < 0 || 2 * static_cast<std::size_t>(lord) + 2 > DashaLordCodes.size())
        throw std::out_of_range("dasha lord out of range");
    return DashaLordCodes.substr(2 * static_cast<std::size_t>(lord), 2);
}

std::string MoonModule::nakshatraOf(double longitude) const
{
    const double q = std::floor(longitude * 60 / 800);
    if (!(q >= 0 && q < static_cast<double>(NakshatraNames.size())))
        throw std::out_of_range("nakshatra index out of range");
    return NakshatraNames[static_cast<std::size_t>(q)];
}

int MoonModule::DashaSubLord(double remainingFraction, int lord) const
{
    const double elapsed = 1 - remainingFraction;
    double s = 0;
    int k = lord;
    for (int step = 0; step < 9; ++step) {
        s = s + DashaYears.at(static_cast<std::size_t>(k)) / 120;
        if (s > elapsed) break;
        k = nextLord(k);
    }
    return k;
}

int MoonModule::DashaSubSubLord(double remainingFraction, int lord) const
{
    const double elapsed = 1 - remainingFraction;
    double s = 0;
    int k = lord;
    for (int step = 0; step < 9; ++step) {
        s = s + DashaYears.at(static_cast<std::size_t>(k)) / 120;
        if (s > elapsed) break;
        k = nextLord(k);
    }
    const double g = (s - elapsed) / (DashaYears.at(static_cast<std::size_t>(k)) / 120);
    return DashaSubLord(g, k);
}

std::string MoonModule::CurrentDashaLords(double days, int lord) const
{
    days = detail::raiseWhileNegative(days, DaysPerCycle);
    double s = 0;
    int k = lord;
    for (int step = 0; step < 9; ++step) {
        s = s + DaysPerYear * DashaYears.at(static_cast<std::size_t>(k));
        if (s > days) break;
        k = nextLord(k);
    }
    const double g = (s - days) / (DaysPerYear * DashaYears.at(static_cast<std::size_t>(k)));
    return lordCode(k) + "/" + lordCode(DashaSubLord(g, k)) + "/" + lordCode(DashaSubSubLord(g, k));
}

DashaSet MoonModule::dashaSet(double longitude, double birthJulianDay) const
{
    DashaSet set;
    double n = longitude * 60 / 800;
    while (n >= 9) n = n - 9;
    set.Nakshatras = n;
    set.BirthLord = static_cast<int>(std::floor(n));
    set.RemainingFraction = 1 - (n - std::floor(n));
    set.SubLord = DashaSubLord(set.RemainingFraction, set.BirthLord);
    set.SubSubLord = DashaSubSubLord(set.RemainingFraction, set.BirthLord);
    set.Balance = set.RemainingFraction * DashaYears.at(static_cast<std::size_t>(set.BirthLord)) * DaysPerYear;
    set.EndDay = birthJulianDay + set.Balance;
    set.LordsText = lordCode(set.BirthLord) + "/" + lordCode(set.SubLord) + "/" + lordCode(set.SubSubLord);
    set.NextLord = nextLord(set.BirthLord);
    // A major period opens with its own lord's sub-period, hence the code twice.
    set.NextText = lordCode(set.NextLord) + "/" + lordCode(set.NextLord) + "  " + JulianDayToDateText(set.EndDay);
    return set;
}

std::string MoonModule::dashaDifferenceText(double endDay1, int birthLord1, double endDay2, int birthLord2) const
{
    double D = detail::roundHalfEven(std::fabs(endDay2 - endDay1));
    if (birthLord2 != birthLord1) {
        if (birthLord1 < birthLord2)
            D = DaysPerYear * DashaYears.at(static_cast<std::size_t>(birthLord2)) - D;
        else
            D = detail::roundHalfEven(std::fabs(DaysPerYear * DashaYears.at(static_cast<std::size_t>(birthLord1)) - D));
    }

    std::string text;
    const double Y = std::floor(D / DaysPerYear);
    if (Y != 0) {
        detail::appendWhole(text, Y);
        text += " year ";
        D = D - DaysPerYear * Y;
    }
    const double M = std::floor(D / 30);
    if (M != 0) {
        detail::appendWhole(text, M);
        text += " month(s) ";
    }
    D = detail::lowerWhileAtLeast(D, 30);
    detail::appendWhole(text, std::floor(D));
    text += " days";
    return text;
}

void MoonModule::CalculateMoonAndDasha()
{
    FillTables();
    ConvertBirthData(*birth_);

    // Sidereal time at 0h UT of the local date plus the universal hours.
    const double T0 = (BirthJulianDay - 2451545 - 0.5) / 36525;
    GreenwichSiderealHours = GreenwichSiderealTime(T0, UniversalHours);

    JulianCenturies = ((BirthJulianDay - 2451545) + UniversalHours / 24 - 0.5) / 36525;
    const double T = JulianCenturies;

    Ayanamsa = Ayanamsa2000(T);
    if (zodiac_ == Zodiac::Tropical) Ayanamsa = 0;

    // Obliquity with time counted from 1900, as the ascendant counts it.
    const double T1900 = (UniversalHours / 24 + BirthJulianDay - 2415020 - 0.5) / 36525;
    EclipticObliquity = 23.452294 - 0.0130125 * T1900;

    MoonLongitude = 218.3164591 + 481267.88134236 * T;
    MeanElements el;
    el.D = (297.8502042 + 445267.1115168 * T) * DegreesToRadians;
    el.M = (357.5291092 + 35999.0502909 * T) * DegreesToRadians;
    el.Mp = (134.9634114 + 477198.8676313 * T) * DegreesToRadians;
    el.F = (93.2720993 + 483202.0175273 * T) * DegreesToRadians;
    el.E = 1 - 0.002516 * T - 0.0000074 * (T * T);

    const double sumL = series(LongitudeTerms, el, 0.0, sine);
    MoonLatitude = series(LatitudeTerms, el, 0.0, sine);
    MoonParallax = series(ParallaxTerms, el, 0.950724, cosine);

    MoonLongitude = MoonLongitude + sumL;
    MoonLongitude = detail::raiseWhileNegative(MoonLongitude, 360);
    MoonLongitude = detail::lowerWhileAbove(MoonLongitude, 360);

    EclipticToEquatorial(MoonLongitude, MoonLatitude, EclipticObliquity);
    TopocentricConversion();

    MoonLongitude = MoonLongitude + Ayanamsa;
    if (MoonLongitude < 0) MoonLongitude = MoonLongitude + 360;

    MoonPositionText = FormatSignPosition(MoonLongitude);
    MoonNakshatra = nakshatraOf(MoonLongitude);

    const DashaSet geocentric = dashaSet(MoonLongitude, BirthJulianDay);
    BirthDashaLords = geocentric.LordsText;
    NextDashaStart = geocentric.NextText;

    TopocentricMoonLongitude = TopocentricMoonLongitude + Ayanamsa;
    if (TopocentricMoonLongitude < 0) TopocentricMoonLongitude = TopocentricMoonLongitude + 360;
    TopocentricPositionText = FormatSignPosition(TopocentricMoonLongitude);
    TopocentricNakshatra = nakshatraOf(TopocentricMoonLongitude);

    const DashaSet topocentric = dashaSet(TopocentricMoonLongitude, BirthJulianDay);
    TopocentricBirthDashaLords = topocentric.LordsText;
    TopocentricNextDashaStart = topocentric.NextText;
    DashaBalanceDifference =
        dashaDifferenceText(geocentric.EndDay, geocentric.BirthLord, topocentric.EndDay, topocentric.BirthLord);

    const std::chrono::year_month_day now = currentDate();
    const double today = JulianDayNumber(static_cast<int>(static_cast<unsigned>(now.month())),
                                         static_cast<int>(static_cast<unsigned>(now.day())),
                                         static_cast<int>(now.year()));
    CurrentDasha = CurrentDashaLords(today - geocentric.EndDay, geocentric.NextLord);
    TopocentricCurrentDasha = CurrentDashaLords(today - topocentric.EndDay, topocentric.NextLord);

    if (auto rashi = rashiOf(MoonPositionText)) MoonRashi = std::move(*rashi);
}

}  // namespace engine
