#include "modMatch.h"

#include "TimeZoneTable.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace modMatch {

State& state()
{
    static State s;
    return s;
}

void LoadTimeZoneTable()
{
    State& s = state();
    const auto& rows = timezones::rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& row = rows[i];
        s.TimeZoneName[i] = std::string(row.text);
        s.TimeZoneHours[i] = timezones::formatZoneValue(row.zoneHours);
        // The shared table gives the half hour unsigned; the engine's planet
        // procedure adds minutes on their own, so they take the sign of the hours.
        // No half-hour row has zero hours.
        const int minutes = row.zoneHours < 0 ? -row.zoneMinutes : row.zoneMinutes;
        s.TimeZoneMinutes[i] = timezones::formatZoneValue(minutes);
    }
}

int MoonDegrees(const std::string& shortPosition)
{
    if (shortPosition.size() < 2 || !IsDigits(shortPosition.substr(0, 2)))
        throw std::invalid_argument("not a short position text: \"" + shortPosition + "\"");
    return (shortPosition[0] - '0') * 10 + (shortPosition[1] - '0');
}

std::string Verdict(int percentage)
{
    if (percentage <= 20)
        return "Very Bad";
    if (percentage <= 40)
        return "Bad";
    if (percentage <= 60)
        return "Average";
    if (percentage <= 80)
        return "Good";
    return "Very Good"; // beyond what two Moons can score (75 at most)
}

MoonScore ScoreMoons(int d1, int d2)
{
    MoonScore s;
    s.Power = d1 * 30;
    s.Harmony = d2 * 30;
    // The product needs 32 bits; divided by 100 it is always whole (9 * d1 * d2).
    const std::int32_t product = static_cast<std::int32_t>(s.Power) * s.Harmony;
    s.PH = product / 100;
    s.Percentage = s.PH / 100;
    s.Verdict = Verdict(s.Percentage);
    return s;
}

bool IsDigits(const std::string& text)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

} // namespace modMatch
