// Birth-data conversion, Julian day numbers, the arctangent, position texts,
// date texts and the clock: what every engine module shares.
#include "Engine.h"
#include "EngineDetail.h"

#include <charconv>
#include <cmath>
#include <ctime>
#include <stdexcept>

namespace engine {

namespace detail {

void appendWhole(std::string& out, double x)
{
    char buf[48];
    if (std::fabs(x) < 1e15) {
        const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(x));
        out.append(buf, end);
        return;
    }
    // Large values come out as the platform writes them: 15 significant
    // digits in exponent form, trailing zeros dropped ("1E+20", "1.5E+20").
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
    const std::string_view t(buf, static_cast<std::size_t>(end - buf));
    const auto e = t.find('e');
    if (e == std::string_view::npos) {
        out.append(t);
        return;
    }
    std::string_view mantissa = t.substr(0, e);
    if (mantissa.find('.') != std::string_view::npos) {
        while (mantissa.back() == '0') mantissa.remove_suffix(1);
        if (mantissa.back() == '.') mantissa.remove_suffix(1);
    }
    std::string_view exponent = t.substr(e + 1);
    const char sign = exponent.front();
    exponent.remove_prefix(1);
    while (exponent.size() > 1 && exponent.front() == '0') exponent.remove_prefix(1);
    out.append(mantissa);
    out += 'E';
    out += sign;
    out.append(exponent);
}

std::string wholeText(double x)
{
    std::string s;
    appendWhole(s, x);
    return s;
}

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

static bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::size_t charCount(std::string_view s)
{
    std::size_t n = 0;
    for (const char c : s)
        if (!isContinuationByte(c)) ++n;
    return n;
}

std::string_view lastChars(std::string_view s, std::size_t n)
{
    std::size_t pos = s.size();
    while (n > 0 && pos > 0) {
        --pos;
        while (pos > 0 && isContinuationByte(s[pos])) --pos;
        --n;
    }
    return s.substr(pos);
}

double roundHalfEven(double x)
{
    const double lower = std::floor(x);
    const double rest = x - lower;
    if (rest > 0.5) return lower + 1;
    if (rest < 0.5) return lower;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

}  // namespace detail

using detail::appendWhole;

double JulianDayNumber(int month, int day, int year)
{
    const double M = month;
    const double D = day;
    const double Y = year;
    const double m = 12 * (Y + 4800) + M - 3;
    double J = D + std::floor((365 * m + 2 * (m - 12 * std::floor(m / 12)) + 7) / 12) + std::floor(m / 48) - 32083;
    if (J > 2299171) J = J + std::floor(m / 4800) - std::floor(m / 1200) + 38;
    return J;
}

double ATan2(double y, double x)
{
    constexpr double pi = 3.14159265358979;
    const double sign = y > 0 ? 1.0 : (y < 0 ? -1.0 : 0.0);
    if (x > 0) return std::atan(y / x);
    if (x < 0) {
        // A point on the negative x axis lies at pi, not at 0.
        if (sign == 0) return pi;
        return (pi - std::atan(std::fabs(y / x))) * sign;
    }
    return sign * (pi / 2);
}

double ArcSin(double x)
{
    if (std::fabs(x) == 1) return (x > 0 ? 1.0 : -1.0) * 1.5707963267949;
    if (!(std::fabs(x) < 1)) throw std::domain_error("ArcSin: argument outside -1 to 1");
    return std::atan(x / std::sqrt(1 - x * x));
}

double GreenwichSiderealTime(double T0, double universalHours)
{
    double g = 6.697374558 + 2400.051336 * T0 + 0.000025862 * (T0 * T0) + 1.002737909 * universalHours;
    g = detail::raiseWhileNegative(g, 24);
    g = detail::lowerWhileAbove(g, 24);
    return g;
}

std::string JulianDayToDateText(double julianDay)
{
    const double J = std::floor(julianDay + 0.5);
    double l = J + 68569;
    const double n = std::floor(4 * l / 146097);
    l = l - std::floor((146097 * n + 3) / 4);
    const double i = std::floor(4000 * (l + 1) / 1461001);
    l = l - std::floor(1461 * i / 4) + 31;
    const double m = std::floor(80 * l / 2447);
    const double day = l - std::floor(2447 * m / 80);
    l = std::floor(m / 11);
    const double month = m + 2 - 12 * l;
    const double year = 100 * (n - 49) + i + l;

    std::string text = "(M/D/Y) ";
    appendWhole(text, month);
    text += '/';
    appendWhole(text, day);
    text += '/';
    appendWhole(text, year);
    return text;
}

void ModuleValues::SetConstants()
{
    SignCodes = "AriTauGemCanLeoVirLibScoSagCapAquPis";
    DegreesToRadians = 0.0174532925199433;
    RadiansToDegrees = 57.2957795130823;
}

void ModuleValues::ConvertBirthData(const BirthRecord& b)
{
    LocalHours = b.Hour + b.Minute / 60.0;
    ZoneOffset = b.ZoneHours + b.ZoneMinutes / 60.0;
    PlaceLongitude = b.LongitudeDegrees + b.LongitudeMinutes / 60.0;
    PlaceLatitude = b.LatitudeDegrees + b.LatitudeMinutes / 60.0;
    if (b.IsEast != 0) PlaceLongitude = -PlaceLongitude;
    if (b.IsSouth != 0) PlaceLatitude = -PlaceLatitude;
    // The clock runs an hour ahead of zone time in summer, in either hemisphere.
    if (b.IsDaylightSaving != 0) ZoneOffset = PlaceLongitude < 0 ? ZoneOffset + 1 : ZoneOffset - 1;
    Month = b.Month;
    Day = b.Day;
    Year = b.Year;
    BirthJulianDay = JulianDayNumber(Month, Day, Year);
    // A longitude of exactly 0 counts as west, even when entered as east.
    UniversalHours = PlaceLongitude < 0 ? LocalHours - ZoneOffset : LocalHours + ZoneOffset;
}

std::string ModuleValues::FormatSignPosition(double longitude) const
{
    const double a = std::fabs(longitude);
    double d = std::floor(a);
    const double f = a - d;
    const double minutes = std::floor(60 * f);
    const double seconds = std::floor(60 * (60 * f - minutes));
    const double k = std::floor(d / 30);  // sign index, before the degrees are cut
    d = detail::lowerWhileAtLeast(d, 30);

    std::string text;
    text.reserve(24);
    appendWhole(text, d);
    text += detail::DegreeSign;
    text += ' ';
    appendWhole(text, minutes);
    text += "' ";
    appendWhole(text, seconds);
    text += "\" ";
    if (k >= 0 && 3 * k < static_cast<double>(SignCodes.size()))
        text.append(SignCodes, static_cast<std::size_t>(3 * k), 3);
    return text;
}

std::optional<std::string> rashiOf(const std::string& positionText)
{
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 12> rashis{{
        {"Ari", "Aries (Mesha)"},
        {"Tau", "Taurus (Vrishabha)"},
        {"Gem", "Gemini (Mithuna)"},
        {"Can", "Cancer (Kataka)"},
        {"Leo", "Leo (Simha)"},
        {"Vir", "Virgo (Kanya)"},
        {"Lib", "Libra (Thula)"},
        {"Sco", "Scorpio (Vrishcika)"},
        {"Sag", "Sagittarius (Dhanush)"},
        {"Cap", "Capricorn (Makara)"},
        {"Aqu", "Aquarius (Kumbha)"},
        {"Pis", "Pisces (Meena)"},
    }};
    const std::string_view code = detail::lastChars(detail::trimBlanks(positionText), 3);
    for (const auto& [c, name] : rashis)
        if (c == code) return std::string(name);
    return std::nullopt;
}

// --- clock -------------------------------------------------------------------

static TodayProvider& todayProvider()
{
    static TodayProvider provider;
    return provider;
}

void setTodayProvider(TodayProvider provider) { todayProvider() = std::move(provider); }

std::chrono::year_month_day currentDate()
{
    if (const auto& provider = todayProvider()) return provider();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::chrono::year{local.tm_year + 1900} / std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)} /
           std::chrono::day{static_cast<unsigned>(local.tm_mday)};
}

}  // namespace engine
