// The planet position entries of the two tropical instances: universal time,
// day number, the nine bodies, the mean lunar nodes and the short texts.
#include "Engine.h"
#include "EngineDetail.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <stdexcept>

namespace engine {

namespace {

constexpr double Turn = 6.28318530717958;

std::optional<int> wholeNumber(std::string_view s)
{
    if (s.empty() || s.size() > 9) return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc{} || end != s.data() + s.size() || value < 0) return std::nullopt;
    return value;
}

// English month names, whole or by their first three letters.
std::optional<int> monthNumber(std::string_view s)
{
    if (auto n = wholeNumber(s)) return n;
    static constexpr std::string_view names[12] = {"january", "february", "march",     "april",   "may",      "june",
                                                   "july",    "august",   "september", "october", "november", "december"};
    if (s.size() < 3) return std::nullopt;
    std::string lower(s);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (int i = 0; i < 12; ++i) {
        const std::string_view name = names[i];
        if (lower == name || (lower.size() == 3 && name.substr(0, 3) == lower)) return i + 1;
    }
    return std::nullopt;
}

void appendNumber(std::string& out, int value)
{
    char buf[16];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, end);
}

}  // namespace

double SignedFix(double x)
{
    const double sign = x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
    return sign * std::floor(std::fabs(x));
}

double ReduceRadians(double x)
{
    const double q = x / Turn;
    double r = (q - SignedFix(q)) * Turn;
    if (r < 0) r = r + Turn;
    return r;
}

double DayNumber2000(int year, int month, int day, int hour, int minute)
{
    const double Y = year;
    const double M = month;
    const double D = day;
    const double h = hour;
    const double m = minute;
    return 367 * Y - std::floor(7 * (Y + std::floor((M + 9) / 12)) / 4) + std::floor(275 * M / 9) + D - 730531.5 +
           (h + m / 60) / 24;
}

std::string ShortPositionText(const std::string& longText)
{
    const std::string_view t = detail::trimBlanks(longText);
    const auto degree = t.find(detail::DegreeSign);
    const auto apostrophe = t.find('\'');
    if (degree == std::string_view::npos || apostrophe == std::string_view::npos ||
        apostrophe < degree + detail::DegreeSign.size())
        throw std::invalid_argument("not a position text: \"" + longText + "\"");

    const std::string_view degrees = detail::trimBlanks(t.substr(0, degree));
    const auto minutesStart = degree + detail::DegreeSign.size();
    const std::string_view minutes = detail::trimBlanks(t.substr(minutesStart, apostrophe - minutesStart));
    const std::string_view code = detail::trimBlanks(detail::lastChars(longText, 3));

    // Parts of none or one character get one leading zero.
    std::string text;
    text.reserve(degrees.size() + code.size() + minutes.size() + 4);
    if (detail::charCount(degrees) <= 1) text += '0';
    text += degrees;
    text += ' ';
    text += code;
    text += ' ';
    if (detail::charCount(minutes) <= 1) text += '0';
    text += minutes;
    return text;
}

std::chrono::sys_seconds readDateTimeText(const std::string& text)
{
    using namespace std::chrono;
    const auto fail = [&text]() -> sys_seconds { throw std::invalid_argument("not a date and time: \"" + text + "\""); };

    const std::string_view s = detail::trimBlanks(text);
    const auto slash1 = s.find('/');
    if (slash1 == std::string_view::npos) return fail();
    const auto slash2 = s.find('/', slash1 + 1);
    if (slash2 == std::string_view::npos) return fail();
    const auto blank = s.find(' ', slash2 + 1);
    if (blank == std::string_view::npos) return fail();
    const auto colon = s.find(':', blank + 1);
    if (colon == std::string_view::npos) return fail();

    const auto part = [&s](std::size_t from, std::size_t to) { return detail::trimBlanks(s.substr(from, to - from)); };
    const auto monthValue = monthNumber(part(0, slash1));
    const auto dayValue = wholeNumber(part(slash1 + 1, slash2));
    auto yearValue = wholeNumber(part(slash2 + 1, blank));
    const auto hourValue = wholeNumber(part(blank + 1, colon));
    const auto minuteValue = wholeNumber(part(colon + 1, s.size()));
    if (!monthValue || !dayValue || !yearValue || !hourValue || !minuteValue) return fail();

    // Two-digit years fall into 1930-2029, as the platform reads them.
    int y = *yearValue;
    if (y < 30) y += 2000;
    else if (y < 100) y += 1900;
    if (y > 9999 || *monthValue < 1 || *monthValue > 12 || *hourValue > 23 || *minuteValue > 59) return fail();

    const year_month_day date{year{y}, month{static_cast<unsigned>(*monthValue)}, day{static_cast<unsigned>(*dayValue)}};
    if (!date.ok()) return fail();
    return sys_days{date} + hours{*hourValue} + minutes{*minuteValue};
}

Int16 zoneWholeNumber(double value)
{
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    const std::string_view t = detail::trimBlanks(std::string_view(buf, static_cast<std::size_t>(end - buf)));
    double read = 0;
    const auto [readEnd, readEc] = std::from_chars(t.data(), t.data() + t.size(), read);
    if (readEc != std::errc{} || readEnd != t.data() + t.size())
        throw std::invalid_argument("zone value is not a number");
    const double whole = detail::roundHalfEven(read);
    if (!(whole >= -32768 && whole <= 32767)) throw std::overflow_error("zone value outside the 16-bit range");
    return static_cast<Int16>(whole);
}

std::chrono::sys_seconds universalTime(const std::string& localDateText, double zoneHoursValue, double zoneMinutesValue)
{
    std::chrono::sys_seconds t = readDateTimeText(localDateText);
    t += std::chrono::hours{zoneWholeNumber(zoneHoursValue)};
    t += std::chrono::minutes{zoneWholeNumber(zoneMinutesValue)};
    return t;
}

void PlanetLongitudes::SetPlanetConstants()
{
    SignCodes = "AriTauGemCanLeoVirLibScoSagCapAquPis";
    DegreesToRadians = 0.0174532925199433;
    KeplerTolerance = 1e-12;
}

void PlanetLongitudes::ComputeBodies(const std::string& localDateText, double zoneHoursValue, double zoneMinutesValue)
{
    using namespace std::chrono;
    const sys_seconds ut = universalTime(localDateText, zoneHoursValue, zoneMinutesValue);
    const sys_days date = floor<days>(ut);
    const year_month_day ymd{date};
    const hh_mm_ss<seconds> clock{ut - date};
    const double d = DayNumber2000(static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                                   static_cast<int>(static_cast<unsigned>(ymd.day())),
                                   static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()));

    for (int p = 0; p < 9; ++p) {
        GeocentricLongitude(p, d);
        bodies_.Planets[static_cast<std::size_t>(p)] = FormatSignPosition(PlanetLongitude);
    }

    // Mean lunar node; 3.1416 rather than pi in the conversion back to degrees.
    const double a = (125.1228 - 0.0529538083 * d) * DegreesToRadians;
    const double k = 180 / 3.1416;
    const double N = ReduceRadians(a) * k;
    double rahu = N - 1;
    if (rahu < 0) rahu = rahu + 360;
    bodies_.Rahu = FormatSignPosition(rahu);
    double ketu = rahu + 180;
    ketu = detail::lowerWhileAbove(ketu, 360);
    bodies_.Ketu = FormatSignPosition(ketu);
}

// --- planetary instance ------------------------------------------------------

PlanetaryModule::PlanetaryModule(const MoonModule* moon) : AscendantModule(Zodiac::Tropical), moon_(moon) {}

void PlanetaryModule::CalculatePlanetPositions(Int16& isFirstPerson)
{
    SetPlanetConstants();

    std::string text;
    appendNumber(text, BirthData.Month);
    text += '/';
    appendNumber(text, BirthData.Day);
    text += '/';
    appendNumber(text, BirthData.Year);
    text += ' ';
    appendNumber(text, BirthData.Hour);
    text += ':';
    appendNumber(text, BirthData.Minute);

    ComputeBodies(text, ZoneHoursValue, ZoneMinutesValue);

    const BodyTexts& b = bodies_;
    const std::string* sources[14] = {
        &b.Planets[2], &moon_->MoonPositionText, &b.Planets[0], &b.Planets[1], &b.Planets[3],
        &b.Planets[4], &b.Planets[5],            &b.Planets[6], &b.Planets[7], &b.Planets[8],
        &b.Rahu,       &b.Ketu,                  &AscendantText, &MidheavenText,
    };
    auto& positions = isFirstPerson != 0 ? MalePositions : FemalePositions;
    for (std::size_t i = 0; i < 14; ++i) positions[i] = ShortPositionText(*sources[i]);
}

// --- moon-sign instance ------------------------------------------------------

MoonSignModule::MoonSignModule(const MoonModule* moon) : AscendantModule(Zodiac::Tropical), moon_(moon) {}

void MoonSignModule::CalculatePlanetPositions()
{
    SetPlanetConstants();
    if (lists_ == nullptr) throw std::logic_error("the moon-sign window's lists are not available");

    std::string month, day, year, hour, minute;
    if (modMoonSignWestern::IsMaleChart == -1) {
        month = lists_->cboMMonth();
        day = lists_->cboMDate();
        year = lists_->cboMYear();
        hour = lists_->cboMHH();
        minute = lists_->cboMMM();
        // The partner's run that follows reads the partner's lists.
        modMoonSignWestern::IsMaleChart = 0;
    } else {
        month = lists_->cboFMonth();
        day = lists_->cboFDate();
        year = lists_->cboFYear();
        hour = lists_->cboFHH();
        minute = lists_->cboFMM();
    }
    const std::string text = month + "/" + day + "/" + year + " " + hour + ":" + minute;

    ComputeBodies(text, ZoneHoursValue, ZoneMinutesValue);

    const BodyTexts& b = bodies_;
    const std::string* sources[14] = {
        &b.Planets[2], &moon_->MoonPositionText, &b.Planets[0], &b.Planets[1],  &b.Planets[3],
        &b.Planets[4], &b.Planets[5],            &b.Planets[6], &b.Planets[7],  &b.Planets[8],
        &AscendantText, &MidheavenText,          &b.Rahu,       &b.Ketu,
    };
    for (std::size_t i = 0; i < 14; ++i) PlanetPositions[i] = ShortPositionText(*sources[i]);
}

}  // namespace engine
