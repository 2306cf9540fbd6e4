#pragma once

#include <string>
#include <string_view>

namespace content {
std::string_view numerologyJson();
}

// The numerology test's numbers: life path from a birth date, destiny from a
// name, and the pair text of two numbers. The window frmMainNumerology offers
// these as its own operations.
namespace NumerologyNumbers {

// Life-path number of a birth date given as texts: day digits, English month
// name (exact; any other text adds nothing) and year digits. Day and year are
// read as decimal numbers and rounded half to even; std::invalid_argument when
// either is not a number.
int SingleDigitNumber(const std::string& dt, const std::string& mon, const std::string& yr);

// The upper-case form of a name for StringToNumber: only a..z become A..Z,
// byte by byte; every other character (accented letters, "ß", the rest of a
// UTF-8 sequence) stays as it is, whatever the user's locale.
std::string UpperCaseName(std::string_view name);

// Destiny number of a name: the letters A..Z count 1..9 in turn, everything
// else (lower case included) counts nothing; the sum is reduced as a life-path
// total. The sum is held in 64 bits, so no name is too long.
int StringToNumber(const std::string& name);

// Pair text of a two-digit key "ab" (first person's number a, partner's b, both
// 1..9); the empty text for any other number. The key is read as a number, so
// "037" is 37; std::invalid_argument when it is not a number.
std::string GetNumberPairDescription(const std::string& key);

// Which of the 48 pair texts (numbered 1..48) a key leads to; 0 for none.
int PairTextNumber(int key);

inline constexpr int PairTextCount = 48;

} // namespace NumerologyNumbers
