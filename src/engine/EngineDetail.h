// Helpers shared by the engine's sources: the text forms of numbers and the
// turn-by-turn reductions.
#pragma once

#include <cmath>
#include <string>
#include <string_view>

namespace engine::detail {

inline constexpr std::string_view DegreeSign = "\xC2\xB0";  // "°" in UTF-8

// A whole number as plain decimal text, no leading zeros or blanks; from 1e15
// on in the exponent form "1E+15".
std::string wholeText(double x);
void appendWhole(std::string& out, double x);

// Surrounding blanks removed (blanks only, as the platform's Trim does).
std::string_view trimBlanks(std::string_view s);

// The last n characters of a UTF-8 text (all of it when shorter).
std::string_view lastChars(std::string_view s, std::size_t n);
std::size_t charCount(std::string_view s);

// Round to a whole number, halves to the even neighbour.
double roundHalfEven(double x);

// The reductions below give exactly the value of the loop named beside each,
// without running it turn by turn: every step of those loops before the last
// is exact in double precision, so the loop's value equals x +- k turns as
// fmod computes it exactly, followed by the loop's own last step.

// while (x < 0) x += turn;
inline double raiseWhileNegative(double x, double turn)
{
    if (!(x < 0)) return x;
    if (x >= -turn) return x + turn;
    const double r = std::fmod(x, turn);  // exact, in (-turn, 0]
    return r == 0 ? 0.0 : r + turn;
}

// while (x > turn) x -= turn;
inline double lowerWhileAbove(double x, double turn)
{
    if (!(x > turn)) return x;
    const double r = std::fmod(x, turn);  // exact, in [0, turn)
    return r == 0 ? turn : r;
}

// while (x >= turn) x -= turn;
inline double lowerWhileAtLeast(double x, double turn)
{
    if (!(x >= turn)) return x;
    return std::fmod(x, turn);
}

}  // namespace engine::detail
