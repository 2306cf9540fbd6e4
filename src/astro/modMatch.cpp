#include "modMatch.h"

#include "TimeZoneTable.h"

#include <cstddef>

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

} // namespace modMatch
