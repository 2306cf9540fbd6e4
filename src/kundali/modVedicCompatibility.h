#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The eight kutas of the Kundali match and the records the match passes between
// its windows. Plain C++: the windows copy from and into these records.
//
// Kuta order (rows of the score table and of every list): Varna, Vasya, Tara,
// Yoni, Maitri, Gana, Rashi, Nadi. The kuta procedures take the boy's value
// first and the girl's second; every key is compared exactly, case-sensitively.
// A value outside a kuta's table leaves that kuta's points text as it was.
namespace modVedicCompatibility {

inline constexpr int KutaCount = 8;
inline constexpr int ScoreTableCells = 44;

// One person's birth details as picked in the input window.
struct KundaliPersonDetails {
    std::string Name;
    std::string BirthDay;
    std::string BirthMonth;
    std::string BirthYear;
    std::int32_t BirthHour = 0;
    std::int32_t BirthMinute = 0;
    std::int32_t BirthSecond = 0;
    std::string BirthPlace;
};

// Each person's display text for every kuta.
struct KutaClasses {
    std::string BoyVarna, GirlVarna;
    std::string BoyVasya, GirlVasya;
    std::string BoyTara, GirlTara;
    std::string BoyYoni, GirlYoni;
    std::string BoyMaitri, GirlMaitri;
    std::string BoyGana, GirlGana;
    std::string BoyRashi, GirlRashi;
    std::string BoyNadi, GirlNadi;

    // Row r of the score table (kuta order).
    const std::string &boy(int row) const;
    const std::string &girl(int row) const;
};

struct State {
    KundaliPersonDetails Boy;
    KundaliPersonDetails Girl;

    // The four reading values (also the four lines of a reading file).
    std::string BoyMoonSign;
    std::string GirlMoonSign;
    std::string BoyNakshatra;
    std::string GirlNakshatra;

    KutaClasses Classes;

    // Points texts, each left by its kuta procedure ("0", "0.5", "7", ...).
    std::string VarnaPoints;
    std::string VasyaPoints;
    std::string TaraPoints;
    std::string YoniPoints;
    std::string MaitriPoints;
    std::string GanaPoints;
    std::string RashiPoints;
    std::string NadiPoints;

    std::array<std::string, KutaCount> KutaPoints;
    std::array<std::string, KutaCount> KutaAreaOfLife;
    std::array<std::string, KutaCount> KutaSignificance;

    // Cell i of row r is 5r + i; 40 "36", 41 total, 42 verdict, 43 summary.
    std::array<std::string, ScoreTableCells> KutaScoreTable;
    std::int16_t KutaTotal = 0;

    bool ReadingLoadedFromFile = false;
};

// The records of the run. They start empty and live until the program ends.
State &state();
// Back to the start-of-run state (for tests).
void resetState();

// Whose time-zone boxes the time-zone picker fills: the boy's when true.
// Set by the input window's "TZ Help" labels just before the picker opens.
inline bool IsMaleTimeZone = false;

// ---- Conversions: each returns the converted text and also replaces its
// argument with it; a text outside the table is returned and left unchanged.
std::string SignToIndex(std::string &sign);              // "0".."11"
std::string NakshatraToIndex(std::string &name);         // "0".."26"
std::string NakshatraToTaraIndex(std::string &name);     // "0".."8"
std::string NakshatraToGana(std::string &name);          // "Deva", "Manusha", "Rakshasa"
std::string NakshatraToNadi(std::string &name);          // "Vatha/Adi", "Pitha/Madhya", "Sleshma/Anthya"
// Not part of a kuta's own contract; exposed so callers and tests can classify.
std::string SignToVarna(std::string &sign);
std::string SignToVasya(std::string &sign);

// ---- Kuta procedures. Arguments are scratch copies (taken by value).
// Sign kutas take English sign names ("Aries" .. "Pisces").
void ComputeVarnaKuta(std::string boySign, std::string girlSign);
void ComputeVasyaKuta(std::string boySign, std::string girlSign);
void ComputeMaitriKuta(std::string boySign, std::string girlSign);
void ComputeRashiKuta(std::string boySign, std::string girlSign);
// Nakshatra kutas take the engine's nakshatra names ("Ashwini" .. "Revati").
void ComputeTaraKuta(std::string boyNakshatra, std::string girlNakshatra);
void ComputeGanaKuta(std::string boyNakshatra, std::string girlNakshatra);
void ComputeNadiKuta(std::string boyNakshatra, std::string girlNakshatra);
void ComputeYoniKuta(std::string boyNakshatra, std::string girlNakshatra);

// Fills KutaPoints, KutaAreaOfLife and KutaSignificance in kuta order.
// Runs after all eight kuta procedures.
void BuildKutaSummary();

// ---- Score table.
// A points cell as a whole number: read as a decimal number, an exact half
// rounded to the even neighbour ("0.5" -> 0, "1.5" -> 2, "2.5" -> 2).
// std::nullopt when the text is no number.
std::optional<int> PointsCellValue(std::string_view text);
// Sum of the eight points cells (3, 8, ..., 38), each rounded first;
// std::nullopt when any of them is no number.
std::optional<int> ScoreTableTotal(const std::array<std::string, ScoreTableCells> &cells);
// "This is a Poor Match" .. "This is a Excellent Match".
std::string_view KutaVerdict(int total);
// "You Have Obtained " + total + " Points Out Of 36 Points".
std::string KutaSummarySentence(std::string_view totalText);

// Writes all 44 cells of KutaScoreTable from the classes and lists, and
// KutaTotal. When a points cell is no number, KutaTotal keeps its value and
// cells 41 to 43 follow it.
void FillKutaScoreTable();

// ---- Tables, exposed for callers that list or check them.
inline constexpr std::array<std::string_view, KutaCount> KutaNames = {
    "Varna", "Vasya", "Tara", "Yoni", "Maitri", "Gana", "Rashi", "Nadi"};
inline constexpr std::array<std::string_view, KutaCount> AreaOfLife = {
    "Work", "Control", "Destiny", "Mental Awareness",
    "Compatibility", "Temperament", "Love", "Health"};

inline constexpr std::array<std::string_view, 27> NakshatraNames = {
    "Ashwini", "Bharani", "Krittika", "Rohini", "Mrigasira", "Ardra", "Punarvasu",
    "Pushya", "Ashlesha", "Magha", "Poorva Phalguni", "Uttara Phalguni", "Hasta",
    "Chitra", "Swati", "Vishakha", "Anuradha", "Jyeshtha", "Moola", "Purva Ashadha",
    "Uttara Ashadha", "Shravana", "Dhanistha", "Shatabhisha", "Poorva Bhadrapada",
    "Uttara Bhadrapada", "Revati"};

inline constexpr std::array<std::string_view, 4> VarnaClasses = {"Brahmin", "Kshatriya", "Vysya", "Sudra"};
inline constexpr std::array<std::string_view, 3> VasyaClasses = {"Chatushpada", "Nara", "Jala"};
inline constexpr std::array<std::string_view, 3> GanaClasses = {"Deva", "Manusha", "Rakshasa"};
inline constexpr std::array<std::string_view, 3> NadiClasses = {"Vatha/Adi", "Pitha/Madhya", "Sleshma/Anthya"};

using SignTable = std::array<std::array<std::string_view, 12>, 12>;
using YoniTable = std::array<std::array<std::string_view, 27>, 27>;
const SignTable &MaitriTable();
const YoniTable &YoniPointsTable();
const std::array<std::array<std::string_view, 3>, 3> &VasyaTable();
const std::array<std::array<std::string_view, 3>, 3> &GanaTable();
const std::array<std::array<std::string_view, 3>, 3> &NadiTable();
const std::array<std::array<std::string_view, 9>, 9> &TaraTable();

} // namespace modVedicCompatibility
