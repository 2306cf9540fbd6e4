#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace content {
std::string_view chineseJson();
}

// The Chinese zodiac tables: the new-year calendar (birth date to animal and
// element), the compatibility matrix, the sign records, the element texts and
// the pair texts. Every key is an animal or element name compared whole and
// exactly, letter case included.
namespace VorlaineChineseCompatibility {

using Date = std::chrono::year_month_day;

inline constexpr std::array<std::string_view, 12> Animals = {
    "Rat", "Ox", "Tiger", "Rabbit", "Dragon", "Snake",
    "Horse", "Goat", "Monkey", "Rooster", "Dog", "Pig"};

// Row k of the new-year table has element k mod 10 of this list.
inline constexpr std::array<std::string_view, 10> YearElements = {
    "Fire", "Fire", "Earth", "Earth", "Metal", "Metal", "Water", "Water", "Wood", "Wood"};

// The order in which element descriptions are tried.
inline constexpr std::array<std::string_view, 5> ElementNames = {
    "Metal", "Water", "Wood", "Fire", "Earth"};

// Index 0..11 of an exact animal name, or -1.
int AnimalIndex(std::string_view name);

// ---- New-year table ---------------------------------------------------------

// Chinese year k begins in calendar year 1936 + k; rows follow one another
// without gap or overlap from 1 January 1936 to 24 January 2020.
struct NewYearRow {
    Date start; // first day
    Date end;   // last day
    std::string_view animal;
    std::string_view element;
};
inline constexpr int NewYearRowCount = 84;
const std::array<NewYearRow, NewYearRowCount>& NewYearTable();

// Reads a birth-date text of the form day, blank, English month name, blank,
// four-digit year ("5 March 1970", "05 February 2019"). The text is read
// directly, never through the user's regional settings, so it means the same
// date everywhere. Empty for any other form and for days that do not exist.
std::optional<Date> ReadDateText(std::string_view text);

// Animal of the Chinese year holding the date; outside the table the result
// of the last hit (the empty text before any).
std::string GetChineseSign(const Date& birthDate);
// Element of the Chinese year holding the date, the same way.
std::string GetChineseElement(const Date& birthDate);

// ---- Signs, elements and the pair number -------------------------------------

// Positions of the thirteen fields of a sign record.
enum ChineseSignField : int {
    RulingPlanet = 0,
    PositiveTraits,
    NegativeTraits,
    MostCompatibleSign,
    LeastCompatibleSign,
    LuckyColour,
    GemStone,
    Energy,
    LuckySeasons,
    LuckyMonth,
    FamousPersons,
    WesternZodiacSign,
    LuckyNumber,
    ChineseSignFieldCount
};

// A sign record: thirteen texts in field order, or no fields at all (empty)
// for a name that is not an animal.
using ChineseSignInfo = std::vector<std::string>;

// Matrix value of (first person's animal, partner's animal), 2..10; 0 when
// either name is not an animal.
int GetChineseCompatibilityNumber(const std::string& firstAnimal, const std::string& partnerAnimal);

// A fresh copy of the animal's record, or an empty record.
ChineseSignInfo GetChineseSignInfo(const std::string& animal);

// The element's description; for any other name the last one found.
std::string GetElementDescription(const std::string& element);

// A famous person of an animal's years, as the content lists them.
struct FamousPerson {
    std::string name;
    std::string born; // YYYY-MM-DD
};
std::vector<FamousPerson> FamousPersonList(std::string_view animal);

// Percentage and rating of a compatibility number 2..10 ("20%", " A Poor
// Match"); for any other number both stay as they are and the result is false.
bool ChineseNumberToRating(int number, std::string& percentage, std::string& rating);

// ---- Pair texts --------------------------------------------------------------

inline constexpr int PairCount = 144;
// The pair keys "first-partner" in their stored order.
const std::array<std::string_view, PairCount>& ChinesePairKeys();

// Copies the text of the pair (MaleChineseSign, FemaleChineseSign) into the
// buffer when there is one, and returns the buffer.
std::string GetChineseMatchingDescription(std::string& buffer);

// ---- Module state ------------------------------------------------------------

struct State {
    // Last results of the lookups, each kept by its own procedure.
    std::string LastChineseSign;
    std::string LastChineseElement;
    std::string LastElementDescription;

    // Results of the last calculation, read by the result and report windows.
    std::string MaleName;
    std::string FemaleName;
    std::string MaleBirthDate;
    std::string FemaleBirthDate;
    std::string MaleChineseSign;
    std::string FemaleChineseSign;
    std::string MaleChineseElement;
    std::string FemaleChineseElement;
    ChineseSignInfo MaleSignInfo;
    ChineseSignInfo FemaleSignInfo;
    std::string MaleElementDescription;
    std::string FemaleElementDescription;
    int ChineseCompatibilityNumber = 0;
    std::string ChinesePercentage;
    std::string ChineseRating;
    std::string MatchingDescription;
    std::string MatchingDescriptionBuffer;
};

State& state();

} // namespace VorlaineChineseCompatibility
