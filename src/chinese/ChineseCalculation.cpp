#include "ChineseCalculation.h"

namespace VorlaineChineseCompatibility {

std::string TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string BirthDateText(const PersonEntry& person)
{
    return TrimBlanks(person.day) + " " + TrimBlanks(person.month) + " " + TrimBlanks(person.year);
}

void CalculateChineseMatch(const PersonEntry& first, const PersonEntry& partner)
{
    State& s = state();
    s.MaleName = TrimBlanks(first.name);
    s.MaleBirthDate = BirthDateText(first);
    s.FemaleName = TrimBlanks(partner.name);
    s.FemaleBirthDate = BirthDateText(partner);

    // The birth-date texts are read as day, English month name and year,
    // whatever the user's regional settings.
    const auto maleDate = ReadDateText(s.MaleBirthDate);
    const auto femaleDate = ReadDateText(s.FemaleBirthDate);
    if (maleDate)
        s.MaleChineseSign = GetChineseSign(*maleDate);
    if (femaleDate)
        s.FemaleChineseSign = GetChineseSign(*femaleDate);
    if (maleDate)
        s.MaleChineseElement = GetChineseElement(*maleDate);
    if (femaleDate)
        s.FemaleChineseElement = GetChineseElement(*femaleDate);

    s.MaleSignInfo = GetChineseSignInfo(s.MaleChineseSign);
    s.FemaleSignInfo = GetChineseSignInfo(s.FemaleChineseSign);
    s.MaleElementDescription = GetElementDescription(s.MaleChineseElement);
    s.FemaleElementDescription = GetElementDescription(s.FemaleChineseElement);
    s.ChineseCompatibilityNumber = GetChineseCompatibilityNumber(s.MaleChineseSign, s.FemaleChineseSign);
    s.MatchingDescription = GetChineseMatchingDescription(s.MatchingDescriptionBuffer);

    // Outside 2 to 10 both keep what they had.
    ChineseNumberToRating(s.ChineseCompatibilityNumber, s.ChinesePercentage, s.ChineseRating);
}

} // namespace VorlaineChineseCompatibility
