// The astronomical engine: Moon, nakshatra, rashi, Vimshottari dasha,
// topocentric Moon, ascendant and midheaven, and the planets with the lunar
// nodes, for one person at a time.
//
// Plain C++20, no Qt. The engine exists as three independent instances, one per
// astronomical test, each with its own input record, working values and results:
//
//   sidereal instance   modEphemeris()                       Kundali match
//   planetary instance  modPlanetPosition_Western()          planetary test
//                       modEphemeris_Western()  (its Moon)
//   moon-sign instance  modWesternPlanetPosition()           moon-sign test
//                       modWesternEphemeris()   (its Moon)
//                       modMoonSignWestern::IsMaleChart
//
// One run per person: fill BirthData (and, in the tropical instances, the zone
// values), call CalculateAscendant, then CalculateMoonAndDasha, then (tropical
// instances) CalculatePlanetPositions, all of the same instance, and read the
// results. Procedures take no arguments; everything is module state, kept
// until the next run of the same instance overwrites it.
//
// Users compare these numbers with other programs, so every constant, order of
// evaluation, truncation and reduction is kept exactly as the method writes
// it; everything is double precision and the birth record is 16-bit.
// Failures inside a run (a text that is no date, a missing Moon text, ...) are
// thrown as exceptions; outputs not yet written keep their previous values.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace engine {

using Int16 = std::int16_t;

// One person's birth data as the input windows give it. Flags are -1 for
// true and 0 for false; any nonzero value counts as true. The zone is unsigned:
// its direction follows the hemisphere of the longitude.
struct BirthRecord {
    Int16 Month = 0;             // 1-12
    Int16 Day = 0;               // 1-31
    Int16 Year = 0;              // Gregorian
    Int16 Hour = 0;              // local clock time, 0-23
    Int16 Minute = 0;            // 0-59
    Int16 ZoneHours = 0;         // absolute value
    Int16 ZoneMinutes = 0;       // absolute value
    Int16 LongitudeDegrees = 0;  // unsigned
    Int16 LongitudeMinutes = 0;
    Int16 LatitudeDegrees = 0;   // unsigned
    Int16 LatitudeMinutes = 0;
    Int16 IsEast = 0;
    Int16 IsSouth = 0;
    Int16 IsDaylightSaving = 0;
};

enum class Zodiac { Sidereal, Tropical };

// ---------------------------------------------------------------------------
// Routines that read no module value. Angles in degrees unless named radians.

// Julian day number of a calendar date (noon-based whole number), Gregorian
// after 15 October 1582. Dates are not validated: 31 April counts as 1 May.
double JulianDayNumber(int month, int day, int year);

// Angle of the point (x, y) in radians, -pi..+pi, pi written as 3.14159265358979.
double ATan2(double y, double x);

// Arcsine in radians; |x| of exactly 1 gives +-1.5707963267949. Throws
// std::domain_error when |x| > 1.
double ArcSin(double x);

// Greenwich mean sidereal time in hours (0 to 24, 24 itself kept) for T0 in
// Julian centuries from J2000.0 to 0h UT and the universal time in hours.
double GreenwichSiderealTime(double T0, double universalHours);

// "(M/D/Y) 6/14/1992" for a Julian day number (fractions round half up).
std::string JulianDayToDateText(double julianDay);

// Reduces the angle held in the variable by one turn each way (-10 -> 350,
// 370 -> 10, 360 stays 360), writes it back and returns it.
double Normalize360(double& angle);

// Signed degrees, minutes and seconds, truncated: -22.75 -> "-22° 45' 0\"".
// Leaves the absolute value in the variable.
std::string FormatDegrees(double& angle);

double NormalizeRadians(double x);  // into 0 <= r < 6.28318530717958
double FixValue(double x);          // Int(x), plus one when x < 0
double ReduceRadians(double x);     // into 0 <= r < 6.28318530717958
double SignedFix(double x);         // cut toward zero

// "05 Ari 07" from a long position text such as "5° 7' 3\" Ari". Throws
// std::invalid_argument when the text has no degree sign or apostrophe.
std::string ShortPositionText(const std::string& longText);

// Days from J2000.0 (2000 January 1, 12:00 UT), with the fraction of the day.
double DayNumber2000(int year, int month, int day, int hour, int minute);

// The rashi name ("Taurus (Vrishabha)") for a long position text, by its last
// three characters after trimming; none when no sign code matches.
std::optional<std::string> rashiOf(const std::string& positionText);

// Reads "M/D/Y h:m" (month as number or English name, seconds zero) as a
// date and time, whatever the system's locale. Throws std::invalid_argument
// for a text that is not a valid date and time.
std::chrono::sys_seconds readDateTimeText(const std::string& text);

// A zone value as a whole 16-bit number: written as text (15 significant
// digits), read back and rounded half to even (2.5 -> 2, 3.5 -> 4). Throws
// std::overflow_error outside the 16-bit range.
Int16 zoneWholeNumber(double value);

// Universal time of a local date text after adding the zone hours, then the
// zone minutes, each first taken as a whole number (zoneWholeNumber).
std::chrono::sys_seconds universalTime(const std::string& localDateText, double zoneHoursValue,
                                       double zoneMinutesValue);

// ---------------------------------------------------------------------------
// Today's date for the dasha. Defaults to the system clock's local date; tests
// and callers may install their own source (an empty function restores the
// default).
using TodayProvider = std::function<std::chrono::year_month_day()>;
void setTodayProvider(TodayProvider provider);
std::chrono::year_month_day currentDate();

// ---------------------------------------------------------------------------
// Module state. Each module holding an ascendant or Moon procedure keeps its
// own constants and working values; in the sidereal instance the ascendant and
// the Moon share one module, so they share one set.
struct ModuleValues {
    ModuleValues() = default;
    ModuleValues(const ModuleValues&) = delete;
    ModuleValues& operator=(const ModuleValues&) = delete;
    virtual ~ModuleValues() = default;

    // Module constants, written again at the start of every run.
    double DegreesToRadians = 0.0174532925199433;
    double RadiansToDegrees = 57.2957795130823;
    std::string SignCodes = "AriTauGemCanLeoVirLibScoSagCapAquPis";

    // Birth-data conversion.
    Int16 Month = 0;
    Int16 Day = 0;
    Int16 Year = 0;
    double LocalHours = 0;      // hours
    double ZoneOffset = 0;      // hours, unsigned, after the daylight-saving hour
    double PlaceLongitude = 0;  // degrees, west positive (local sidereal time after the Moon run)
    double PlaceLatitude = 0;   // degrees, north positive
    double BirthJulianDay = 0;  // of the local calendar date
    double UniversalHours = 0;  // from 0h of the local date, not reduced
    double JulianCenturies = 0; // T from J2000.0 (Moon)
    double Ayanamsa = 0;        // in use; 0 in the tropical instances

    // Long position text: degrees within the sign, minutes, seconds (all
    // truncated) and the sign code: 45.5 -> "15° 30' 0\" Tau". 360 or more
    // gives an empty code; a negative value is written as its absolute value.
    std::string FormatSignPosition(double longitude) const;

protected:
    void SetConstants();
    void ConvertBirthData(const BirthRecord& birth);
};

// The ascendant module: BirthData and CalculateAscendant.
class AscendantModule : public virtual ModuleValues {
public:
    BirthRecord BirthData;

    std::string AscendantText;
    std::string MidheavenText;
    double AscendantDegrees = 0;
    double MidheavenDegrees = 0;
    std::string AyanamsaText;
    double ChartJulianDay = 0;
    double ChartAyanamsa = 0;  // absolute value after formatting

    void CalculateAscendant();

    // Ayanamsa in degrees (negative) for T in Julian centuries from JD 2415020.
    double Ayanamsa1900(const double& T) const;

    Zodiac zodiac() const { return zodiac_; }

protected:
    explicit AscendantModule(Zodiac zodiac) : zodiac_(zodiac) {}

private:
    Zodiac zodiac_;
};

// One dasha set derived from one Moon longitude (geocentric or topocentric).
struct DashaSet {
    double Nakshatras = 0;         // n, reduced below 9
    int BirthLord = 0;             // 0 Ke .. 8 Me
    double RemainingFraction = 0;  // f
    int SubLord = 0;
    int SubSubLord = 0;
    double Balance = 0;            // days of the birth period left at birth
    double EndDay = 0;             // BirthJulianDay + Balance
    int NextLord = 0;
    std::string LordsText;         // "Sa/Ve/Me"
    std::string NextText;          // "Me/Me  (M/D/Y) 6/14/1992"
};

// The Moon module: CalculateMoonAndDasha with its tables and results.
class MoonModule : public virtual ModuleValues {
public:
    // birth: the BirthData this Moon procedure reads (its own module's in the
    // sidereal instance, the ascendant module's in the tropical ones).
    MoonModule(const BirthRecord& birth, Zodiac zodiac);

    // Tables, refilled at the start of every run.
    std::string DashaLordCodes;
    std::array<double, 10> DashaYears{};              // index 9 never used
    std::array<std::string, 28> NakshatraNames;       // place 27 never filled

    double MoonLongitude = 0;  // degrees, ayanamsa added after the run
    double MoonLatitude = 0;   // degrees
    double MoonParallax = 0;   // degrees

    std::string MoonPositionText;
    std::string MoonNakshatra;
    std::string MoonRashi;

    // Sidereal time and topocentric Moon.
    double GreenwichSiderealHours = 0;
    double EclipticObliquity = 0;
    double MoonRightAscension = 0;  // hours
    double MoonDeclination = 0;     // degrees
    double TopocentricMoonLongitude = 0;
    std::string TopocentricPositionText;
    std::string TopocentricNakshatra;

    // Vimshottari dasha.
    std::string BirthDashaLords;
    std::string NextDashaStart;
    std::string CurrentDasha;
    std::string TopocentricBirthDashaLords;
    std::string TopocentricNextDashaStart;
    std::string TopocentricCurrentDasha;
    std::string DashaBalanceDifference;

    void CalculateMoonAndDasha();

    // Negative ayanamsa in degrees for T in Julian centuries from J2000.0.
    double Ayanamsa2000(double T) const;
    // Sets MoonDeclination (degrees) and MoonRightAscension (hours).
    void EclipticToEquatorial(double longitude, double latitude, double obliquity);
    // Sets TopocentricMoonLongitude (degrees, 0 to 360).
    void EquatorialToEcliptic(double rightAscensionHours, double declination, double obliquity);

    int DashaSubLord(double remainingFraction, int lord) const;
    int DashaSubSubLord(double remainingFraction, int lord) const;
    std::string CurrentDashaLords(double days, int lord) const;

    // The steps the procedure runs on each longitude, reachable for checking.
    std::string lordCode(int lord) const;
    std::string nakshatraOf(double longitude) const;  // NakshatraNames(Int(L * 60 / 800))
    DashaSet dashaSet(double longitude, double birthJulianDay) const;
    std::string dashaDifferenceText(double endDay1, int birthLord1, double endDay2, int birthLord2) const;
    // From the geocentric MoonRightAscension and MoonDeclination, the place,
    // GreenwichSiderealHours, MoonParallax and EclipticObliquity: local
    // sidereal time into PlaceLongitude, the parallax-corrected right
    // ascension and declination, and TopocentricMoonLongitude.
    void TopocentricConversion();

    Zodiac zodiac() const { return zodiac_; }

private:
    void FillTables();

    const BirthRecord* birth_;
    Zodiac zodiac_;
};

// Planet longitudes: one set of elements and results per tropical module.
class PlanetLongitudes : public virtual ModuleValues {
public:
    double KeplerTolerance = 1e-12;
    double SemiMajorAxis = 0;        // AU
    double Eccentricity = 0;
    double Inclination = 0;          // radians
    double AscendingNode = 0;        // radians
    double PerihelionLongitude = 0;  // radians
    double MeanLongitude = 0;        // radians, 0 <= L < 6.28318530717958
    double PlanetLongitude = 0;      // degrees, 0 to 360

    // Planet index: 0 Mercury, 1 Venus, 2 Earth (gives the Sun), 3 Mars,
    // 4 Jupiter, 5 Saturn, 6 Uranus, 7 Neptune, 8 Pluto. Day number from J2000.0.
    void SetOrbitalElements(int planet, double dayNumber);
    double TrueAnomaly(double meanAnomaly, double eccentricity) const;
    void GeocentricLongitude(int planet, double dayNumber);

protected:
    PlanetLongitudes() = default;

    // Long texts of one run, indexed as the planets, then Rahu and Ketu.
    struct BodyTexts {
        std::array<std::string, 9> Planets;
        std::string Rahu;
        std::string Ketu;
    };
    void SetPlanetConstants();
    // Universal time from the joined local text and the zone values, the day
    // number, the nine planets and the nodes.
    void ComputeBodies(const std::string& localDateText, double zoneHoursValue, double zoneMinutesValue);
    BodyTexts bodies_;
};

// The planetary instance's ascendant and planet module.
class PlanetaryModule final : public AscendantModule, public PlanetLongitudes {
public:
    explicit PlanetaryModule(const MoonModule* moon);

    double ZoneHoursValue = 0;    // signed, to add to the local time
    double ZoneMinutesValue = 0;  // signed like the hours
    std::array<std::string, 15> MalePositions;    // element 14 never written
    std::array<std::string, 15> FemalePositions;

    // Nonzero flag: the first person into MalePositions; zero: the partner
    // into FemalePositions. The flag is left unchanged.
    void CalculatePlanetPositions(Int16& isFirstPerson);

private:
    const MoonModule* moon_;
};

// The texts of the moon-sign input window's lists; the window installs it.
// Reading a list is expected to load the window when it is not loaded.
struct MoonSignWindowLists {
    virtual ~MoonSignWindowLists() = default;
    virtual std::string cboMMonth() = 0;  // "January" .. "December"
    virtual std::string cboMDate() = 0;   // "1" .. "31"
    virtual std::string cboMYear() = 0;   // "1901" .. "2050"
    virtual std::string cboMHH() = 0;     // "0" .. "23"
    virtual std::string cboMMM() = 0;     // "0" .. "59"
    virtual std::string cboFMonth() = 0;
    virtual std::string cboFDate() = 0;
    virtual std::string cboFYear() = 0;
    virtual std::string cboFHH() = 0;
    virtual std::string cboFMM() = 0;
};

namespace modMoonSignWestern {
// -1: the moon-sign planet entry charts the first person (and clears the flag);
// any other value: the partner.
inline Int16 IsMaleChart = 0;
}  // namespace modMoonSignWestern

// The moon-sign instance's ascendant and planet module.
class MoonSignModule final : public AscendantModule, public PlanetLongitudes {
public:
    explicit MoonSignModule(const MoonModule* moon);

    Int16 ZoneHoursValue = 0;
    Int16 ZoneMinutesValue = 0;
    std::array<std::string, 14> PlanetPositions;

    // Date and time from the window's lists, the person from IsMaleChart.
    // Throws std::logic_error when no lists are installed.
    void CalculatePlanetPositions();

    void setWindowLists(MoonSignWindowLists* lists) { lists_ = lists; }

private:
    const MoonModule* moon_;
    MoonSignWindowLists* lists_ = nullptr;
};

// ---------------------------------------------------------------------------
// The three instances. The program uses the module-level ones below; separate
// objects can be made for checks and benchmarks.

class SiderealModule final : public AscendantModule, public MoonModule {
public:
    SiderealModule();
};

struct PlanetaryInstance {
    PlanetaryInstance();
    PlanetaryInstance(const PlanetaryInstance&) = delete;
    PlanetaryInstance& operator=(const PlanetaryInstance&) = delete;

    PlanetaryModule modPlanetPosition_Western;  // BirthData, ascendant, planets
    MoonModule modEphemeris_Western;            // Moon and dasha
};

struct MoonSignInstance {
    MoonSignInstance();
    MoonSignInstance(const MoonSignInstance&) = delete;
    MoonSignInstance& operator=(const MoonSignInstance&) = delete;

    MoonSignModule modWesternPlanetPosition;  // BirthData, ascendant, planets
    MoonModule modWesternEphemeris;           // Moon and dasha
};

SiderealModule& modEphemeris();

PlanetaryInstance& planetaryInstance();
PlanetaryModule& modPlanetPosition_Western();
MoonModule& modEphemeris_Western();

MoonSignInstance& moonSignInstance();
MoonSignModule& modWesternPlanetPosition();
MoonModule& modWesternEphemeris();

}  // namespace engine
