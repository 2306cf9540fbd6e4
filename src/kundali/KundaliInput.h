#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What the Kundali input window needs besides its controls: reading numbers
// out of the boxes, turning the engine's rashi text into a sign name, and the
// four-line reading file. Plain C++.
namespace kundaliinput {

// A box text read as a decimal number: blanks around it, an optional sign,
// digits with an optional point and fraction. No number gives std::nullopt.
std::optional<double> DecimalValue(std::string_view text);
// The number rounded to a whole one (an exact half to the even neighbour),
// or std::nullopt when the text is no number or the result does not fit.
std::optional<std::int16_t> WholeNumber16(std::string_view text);
std::optional<std::int32_t> WholeNumber32(std::string_view text);
// The same for the absolute value of the number (zone boxes: "-10" gives 10).
std::optional<std::int16_t> AbsoluteWholeNumber16(std::string_view text);

// "Leo (Simha)" -> "Leo": the first three characters against the sign codes
// in zodiac order; a text that matches none is kept.
void ToEnglishSignName(std::string& moonSign);

// The four reading lines of a file's bytes: a line ends at a carriage
// return, a line feed right after it belongs to that end; lines missing at
// the end stay empty, and anything after the fourth line is not read.
std::array<std::string, 4> SplitReadingLines(std::string_view bytes);

// True when the values are what a reading holds: two of the twelve English
// sign names, then two of the 27 nakshatra names, exactly.
bool IsValidReading(const std::array<std::string, 4>& values);

} // namespace kundaliinput
