#pragma once

#include <string>
#include <string_view>
#include <vector>

// The sun-sign test's tables: date to sign, the signs' details, and the
// 12 x 12 pair ratings and texts. Plain C++: the windows read and write the
// module variables below.
namespace modSunSign {

struct SunSignDetailsRecord {
    std::string Element;
    std::string RulingPlanet;
    std::string PositiveTraits;
    std::string NegativeTraits;
    std::string LuckyNumber;
    std::string LuckyColor;
    std::string LuckyDay;
    std::string Compatibility;
    std::string FamousPersons;
    std::string BirthStone;
    std::string Quality;
};

struct State {
    std::string NameM, MonthM, DateM, YearM;
    std::string NameF, MonthF, DateF, YearF;
    std::string SunSignM, SunSignF;
    SunSignDetailsRecord SunSignDetails;
    std::string ZodiacMatchDescription;
    std::string ZodiacMatchRating;
    std::string ZodiacMatchPercentage;
    std::string ZodiacMatchComment;
};

// The module variables; they live for the whole run.
State& state();

// The sign of a birthday; the empty text for a month name that is not one of
// "January".."December". Throws std::invalid_argument when day is not a number.
std::string GetSunSign(std::string_view month, std::string_view day);

// A sign's trait paragraph ("PositiveTraits" or "NegativeTraits") as it is
// stored: one piece, or several that are joined end to end with nothing
// between them. Empty for a name that is not a sign.
std::vector<std::string> TraitPieces(std::string_view sign, std::string_view field);

// Fills state().SunSignDetails from the sign's row; leaves it as it was for a
// name that is not a sign.
void LoadSunSignDetails(std::string_view sign);

// Looks up SunSignM-SunSignF; leaves the four outputs as they were when the
// pair is not in the table.
void FindSunSignPairMatch();

// The table's content, for the tests.
std::string_view PairRating(int first, int partner);
std::string PairText(int first, int partner);

struct LegendRow {
    std::string_view code, percentage, comment;
};
const std::vector<LegendRow>& ZodiacRatingLegend();

struct FamousPerson {
    std::string name;
    std::string born; // YYYY-MM-DD
};
std::vector<FamousPerson> FamousPersonList(std::string_view sign);

} // namespace modSunSign
