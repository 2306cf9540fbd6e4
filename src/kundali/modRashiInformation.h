#pragma once

#include <array>
#include <string>
#include <string_view>

// The twelve rashis (moon signs) as the result window describes them: 27 fields
// a row, Aries to Pisces. Short fields are fixed texts shown as they stand; the
// five prose fields come from the Kundali content.
namespace modRashiInformation {

inline constexpr int RashiCount = 12;
inline constexpr int RashiFieldCount = 27;

struct RashiInfo {
    std::string VedicName;
    std::string EnglishName;
    std::string RullingPlanet;
    std::string Symbol;
    std::string InbornNature;
    std::string SignColor;
    std::string TypeOfSign;
    std::string Gender;
    std::string BestPeriodOfActivity;
    std::string BarrenFruitful;
    std::string SignCaste;
    std::string SignPosition;
    std::string ConstituentCharacter;
    std::string LuckyDays;
    std::string LuckyNumbers;
    std::string BestDirection;
    std::string LuckyColors;
    std::string LuckyGemstone;
    std::string PartOfTheBody;
    std::string Physique;
    std::string Looks; // prose
    std::string Nature; // prose
    std::string CareerAndFinance; // prose
    std::string LoveAndDomesticLife; // prose
    std::string Health; // prose
    std::string CompatibleWith;
    std::string NotCompatibleWith;

    // Field 0..26 in table order; empty outside that range.
    const std::string &field(int index) const;
};

// Field names in table order, as the rashi report labels them.
inline constexpr std::array<std::string_view, RashiFieldCount> RashiFieldNames = {
    "Vedic Name",
    "English Name",
    "Rulling Planet",
    "Symbol",
    "Inborn Nature",
    "Sign Color",
    "Type of Sign",
    "Gender",
    "Best Period of Activity",
    "Barren Fruitful",
    "Sign Caste",
    "Sign Position",
    "Constituent Character",
    "Lucky Days",
    "Lucky Numbers",
    "Best Direction",
    "Lucky Colors",
    "Lucky Gemstone",
    "Part Of The Body",
    "Physique",
    "Looks",
    "Nature",
    "Career And Finance",
    "Love And Domestic Life",
    "Health",
    "Compatible With",
    "Not Compatible With"};

// The table, built once on first use.
const std::array<RashiInfo, RashiCount> &RashiInfoTable();
// The row whose English Name equals the text exactly (case-sensitive, no
// trimming), or nullptr.
const RashiInfo *FindRashi(std::string_view englishName);
// Row index 0..11 of that row, or -1.
int RashiRow(std::string_view englishName);

} // namespace modRashiInformation
