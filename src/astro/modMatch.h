#pragma once

#include <array>
#include <string>

// The planetary test's time-zone values: for each of the 71 shared time-zone
// rows the hours and minutes to add to a local birth time to reach universal
// time, as texts. Position 71 stays empty.
namespace modMatch {

inline constexpr int ArraySize = 72;

struct State {
    std::array<std::string, ArraySize> TimeZoneName;    // the row text as shown
    std::array<std::string, ArraySize> TimeZoneHours;   // "9", "-10", "0"
    std::array<std::string, ArraySize> TimeZoneMinutes; // "0", "30" or "-30"
};

State& state();

// Writes positions 0..70 of the three arrays; the same values each call.
void LoadTimeZoneTable();

} // namespace modMatch
