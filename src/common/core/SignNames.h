#pragma once

#include <array>
#include <string>
#include <string_view>

// The twelve Western sign names, the month names and the three-letter sign
// codes that every test keys its tables on.
namespace signs {

inline constexpr std::array<std::string_view, 12> SignNames = {
    "Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

inline constexpr std::string_view SignCodes = "AriTauGemCanLeoVirLibScoSagCapAquPis";

inline constexpr std::array<std::string_view, 12> MonthNames = {
    "January", "February", "March", "April", "May", "June",
    "July", "August", "September", "October", "November", "December"};

// Index 0..11 of an exact (case-sensitive) sign name, or -1.
int signIndex(std::string_view name);
// Month 1..12 of an exact English month name, or 0.
int monthNumber(std::string_view name);

} // namespace signs
