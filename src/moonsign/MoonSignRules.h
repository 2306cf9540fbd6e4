#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The moon-sign test's plain rules: what the input window accepts, how its
// texts become numbers for the engine, the zone values of a time-zone row,
// the partner's way of writing the rows, and the sign of a Moon position.
namespace moonsign {

// The run's results, kept from one calculation to the next.
struct State {
    std::string MaleMoonSign;   // "Aries".."Pisces", empty until a calculation finds one
    std::string FemaleMoonSign;
    std::string PairScore;       // "1".."10" of the last pair found
    std::string PairDescription;
    std::string PairPercentage;  // "10".."100"
};
State& state();

// A coordinate box: after trimming blanks, a decimal number (optional sign,
// digits with at most one point, at least one digit) from 0 to maximum.
bool CoordinateAccepted(std::string_view text, double maximum);

// A text read as a whole number the way the engine's fields take it: blanks
// around it ignored, a fraction rounded half to even (12.5 -> 12, 13.5 -> 14).
// Throws std::invalid_argument for a text that is not a decimal number and
// std::out_of_range outside the 16-bit range.
std::int16_t WholeNumber(std::string_view text);

// Signed zone hours and minutes to add to the local time, for row 0..70 of
// the time-zone lists; the minutes carry the sign of the hours (-30 east,
// +30 west). None for any other position.
struct ZoneValues {
    std::int16_t hours;
    std::int16_t minutes;
    friend bool operator==(const ZoneValues&, const ZoneValues&) = default;
};
std::optional<ZoneValues> ZoneValueEntry(int position);

// The partner's list writes each row's offset with the opposite sign ("+" as
// "-", "-" as no sign) and four rows in a form of their own. Empty outside 0..70.
std::string PartnerZoneRowText(int position);

// "Aries".."Pisces" for an exact three-letter code "Ari".."Pis"; none otherwise.
std::optional<std::string> SignNameOfCode(std::string_view code);

// Characters 4 to 6 of a short position text ("13 Sco 18" gives "Sco"),
// fewer when the text is shorter.
std::string SignCodeOfPosition(std::string_view shortPosition);

} // namespace moonsign
