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

// The pair's score from the two Moons: only the degrees within each sign count.
struct MoonScore {
    int Power = 0;      // d1 * 30
    int Harmony = 0;    // d2 * 30
    int PH = 0;         // Power * Harmony / 100
    int Percentage = 0; // PH / 100, rounded down
    std::string Verdict;
};

// The degrees within the sign of a short position text ("05 Ari 07" -> 5).
// Throws std::invalid_argument when the text does not start with two digits.
int MoonDegrees(const std::string& shortPosition);

// One word or two for a percentage: "Very Bad" up to 20, "Bad" to 40,
// "Average" to 60, "Good" to 80, "Very Good" above.
std::string Verdict(int percentage);

MoonScore ScoreMoons(int d1, int d2);

// True for a text of one or more of the digits 0 to 9 and nothing else.
bool IsDigits(const std::string& text);

} // namespace modMatch
