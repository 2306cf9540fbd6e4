#pragma once

#include "VorlaineChineseCompatibility.h"

#include <string>
#include <string_view>

// The Chinese test's calculation, from both persons' entries to every result
// the result and report windows show.
namespace VorlaineChineseCompatibility {

// One person's entries as the input window's boxes and lists hold them.
struct PersonEntry {
    std::string name;  // as typed
    std::string day;   // "1".."31"
    std::string month; // "January".."December"
    std::string year;  // four digits
};

// The text with leading and trailing blanks removed.
std::string TrimBlanks(std::string_view text);

// Day, blank, month name, blank, year, each trimmed: "5 March 1970".
std::string BirthDateText(const PersonEntry& person);

// Stores both names and birth-date texts, looks up both animals and elements,
// both sign records and element descriptions, the pair's number and pair
// text, and sets the percentage and rating from the number; every result is
// kept in state(). A birth-date text that cannot be read skips the lookups
// that need it, which keep their previous results.
void CalculateChineseMatch(const PersonEntry& first, const PersonEntry& partner);

} // namespace VorlaineChineseCompatibility
