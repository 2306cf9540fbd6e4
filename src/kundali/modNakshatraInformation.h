#pragma once

#include <array>
#include <string>
#include <string_view>

// The 27 nakshatras as the result window describes them: 22 fields a row,
// Ashwini to Revati. Short fields are fixed texts shown as they stand; the six
// prose fields come from the Kundali content.
namespace modNakshatraInformation {

inline constexpr int NakshatraCount = 27;
inline constexpr int NakshatraFieldCount = 22;

struct NakshatraInfo {
    std::string Nakshatra;
    std::string RullingDeva;
    std::string PurposeOfTheDeva;
    std::string RullingPlanet;
    std::string AnimalSymbol;
    std::string Symbol;
    std::string AstronomicalName;
    std::string Element;
    std::string PartOfBody;
    std::string Nature;
    std::string Gender;
    std::string PurposeInLife;
    std::string Dosha;
    std::string Temperaments;
    std::string BestDirection;
    std::string LuckyGemstone;
    std::string GeneralAndPhysicalFeatures; // prose
    std::string PositiveHumanTraits; // prose
    std::string NegativeHumanTraits; // prose
    std::string BestCareerOptions; // prose
    std::string DomesticLife; // prose
    std::string Health; // prose

    // Field 0..21 in table order; empty outside that range.
    const std::string &field(int index) const;
};

// Field names in table order, as the nakshatra report labels them.
inline constexpr std::array<std::string_view, NakshatraFieldCount> NakshatraFieldNames = {
    "Nakshatra",
    "Rulling Deva",
    "Purpose Of The Deva",
    "Rulling Planet",
    "Animal Symbol",
    "Symbol",
    "Astronomical Name",
    "Element",
    "Part Of Body",
    "Nature",
    "Gender",
    "Purpose In Life",
    "Dosha",
    "Temperaments",
    "Best Direction",
    "Lucky Gemstone",
    "General And Physical Features",
    "Positive Human Traits",
    "Negative Human Traits",
    "Best Career Options",
    "Domestic Life",
    "Health"};

// The table, built once on first use.
const std::array<NakshatraInfo, NakshatraCount> &NakshatraInfoTable();
// The row whose key (field Nakshatra) equals the text exactly (case-sensitive,
// no trimming), or nullptr.
const NakshatraInfo *FindNakshatra(std::string_view name);
// Row index 0..26 of that row, or -1.
int NakshatraRow(std::string_view name);

} // namespace modNakshatraInformation
