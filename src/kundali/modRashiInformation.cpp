#include "modRashiInformation.h"

#include "KundaliContent.h"

#include <cstddef>

namespace modRashiInformation {

namespace {

struct ShortFields {
    std::string_view VedicName;
    std::string_view EnglishName;
    std::string_view RullingPlanet;
    std::string_view Symbol;
    std::string_view InbornNature;
    std::string_view SignColor;
    std::string_view TypeOfSign;
    std::string_view Gender;
    std::string_view BestPeriodOfActivity;
    std::string_view BarrenFruitful;
    std::string_view SignCaste;
    std::string_view SignPosition;
    std::string_view ConstituentCharacter;
    std::string_view LuckyDays;
    std::string_view LuckyNumbers;
    std::string_view BestDirection;
    std::string_view LuckyColors;
    std::string_view LuckyGemstone;
    std::string_view PartOfTheBody;
    std::string_view Physique;
    std::string_view CompatibleWith;
    std::string_view NotCompatibleWith;
};

// Spellings are the table's own ("Rulling", "Dhanus", "Yellowish brown").
constexpr std::array<ShortFields, RashiCount> Short = {{
    {"Mesha", "Aries", "Mars", "The Ram", "Fire", "Red, Brown, Copper", "Movable", "Male", "Night", "Barren", "Kshatriya", "Dwara", "Mineral (Dhatu)", "Monday, Tuesday", "9, 1", "East", "Red, Brown, Copper", "Coral", "Head", "Short", "Leo, Sagittarius, Gemini, Aquarius, Libra", "Scorpio, Pisces, Cancer"},
    {"Vrishabha", "Taurus", "Venus", "The Bull", "Earth", "White", "Fixed", "Female", "Night", "Semi-Fruitful", "Vaisya", "Bahya", "Vegetable (Moola)", "Thursday, Friday", "2, 8", "South", "Pink, Green", "Diamond", "Face", "Short", "Cancer, Virgo, Scorpio, Capricorn, Pisces", "Gemini, Aquarius, Libra"},
    {"Mithuna", "Gemini", "Mercury", "The Twins", "Air", "Green", "Mixed", "Female", "Night", "Barren", "Sudra", "Garbha", "Animal (Jeeva)", "Monday, Wednesday", "3, 7", "West", "Yellow, Purple, Blue", "Emerald", "Shoulders", "Even", "Aries, Leo, Libra, Sagittarius, Aquarius", "Taurus, Virgo, Capricorn"},
    {"Kataka", "Cancer", "Moon", "The Crab", "Water", "Pink", "Movable", "Female", "Night", "Fruitful", "Brahmana", "Dwara", "Mineral (Dhatu)", "Monday, Thursday", "2, 7, 9", "North", "White, Red, Yellow", "Pearl", "Chest", "Even", "Virgo, Scorpio, Capricorn, Pisces, Taurus", "Aries, Leo, Sagittarius"},
    {"Simha", "Leo", "Sun", "The Lion", "Fire", "White", "Fixed", "Male", "Day", "Barren", "Kshatriya", "Bahya", "Vegetable (Moola)", "Sunday, Monday", "1, 4, 5, 9", "East", "Orange, Red, Green", "Ruby", "Heart & Stomach", "Tall", "Libra, Sagittarius, Aquarius, Aries, Gemini", "Scorpio, Pisces, Cancer"},
    {"Kanya", "Virgo", "Mercury", "The Virgin", "Earth", "Multicolored", "Mixed", "Female", "Day", "Barren", "Vaisya", "Garbha", "Animal (Jeeva)", "Wednesday, Friday", "2, 3, 5, 6", "South", "Green", "Emerald", "Abdomen", "Tall", "Scorpio, Capricorn, Pisces, Cancer", "Gemini, Aquarius, Libra"},
    {"Thula", "Libra", "Venus", "The Balance", "Air", "Black", "Movable", "Male", "Day", "Semi-Fruitful", "Sudra", "Dwara", "Mineral (Dhatu)", "Friday, Wednesday, Thursday", "1, 2, 4", "West", "White, Green, Yellow", "Diamond", "Lower Abdomen & Groin", "Tall", "Sagittarius, Aquarius, Aries, Gemini, Leo", "Taurus, Virgo, Capricorn"},
    {"Vrischika", "Scorpio", "Mars", "The Scorpion", "Water", "Reddish Brown", "Fixed", "Female", "Day", "Fruitful", "Brahmana", "Bahya", "Vegetable (Moola)", "Monday, Tuesday, Thursday", "3, 7, 9", "North", "Brown, Red, Yellow, White", "Coral", "External Genitalia", "Tall", "Capricorn, Pisces, Taurus, Cancer, Virgo", "Aries, Leo, Sagittarius"},
    {"Dhanus", "Sagittarius", "Jupiter", "The Archer", "Fire", "Yellowish brown", "Mixed", "Male", "Night", "Semi-Fruitful", "Kshatriya", "Garbha", "Animal (Jeeva)", "Sunday, Thursday", "3, 5, 6, 8", "East", "Yellow, Gray, Brown", "Yellow Sapphire", "Thighs", "Even", "Aquarius, Aries, Gemini, Leo, Libra", "Scorpio, Pisces, Cancer"},
    {"Makara", "Capricorn", "Saturn", "The Crocodile", "Earth", "Multicolored", "Movable", "Female", "Night", "Barren", "Vaisya", "Dwara", "Mineral (Dhatu)", "Saturday, Wednesday", "6, 8, 9", "South", "Black, Blue", "Blue Sapphire", "Knees", "Even", "Pisces, Taurus, Cancer, Virgo, Scorpio", "Gemini, Aquarius, Libra"},
    {"Kumbha", "Aquarius", "Saturn", "The Water Carrier", "Air", "Deep Brown", "Fixed", "Male", "Day", "Semi-Fruitful", "Sudra", "Bahya", "Vegetable (Moola)", "Thursday, Friday, Saturday", "2, 3, 7, 9", "West", "Blue, Black", "Blue Sapphire", "Calves", "Short", "Aquarius, Libra, Gemini", "Taurus, Virgo, Capricorn"},
    {"Meena", "Pisces", "Jupiter", "The Double Fish", "Water", "Blue", "Mixed", "Female", "Day", "Fruitful", "Brahmana", "Garbha", "Animal (Jeeva)", "Thursday, Monday, Tuesday", "1, 3, 4", "North", "Pink, Cream", "Yellow Sapphire", "Feet", "Short", "Taurus, Cancer, Virgo, Scorpio, Capricorn", "Aries, Leo, Sagittarius"},
}};

std::array<RashiInfo, RashiCount> build()
{
    std::array<RashiInfo, RashiCount> table;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const auto &s = Short[i];
        auto &row = table[i];
        row.VedicName = std::string(s.VedicName);
        row.EnglishName = std::string(s.EnglishName);
        row.RullingPlanet = std::string(s.RullingPlanet);
        row.Symbol = std::string(s.Symbol);
        row.InbornNature = std::string(s.InbornNature);
        row.SignColor = std::string(s.SignColor);
        row.TypeOfSign = std::string(s.TypeOfSign);
        row.Gender = std::string(s.Gender);
        row.BestPeriodOfActivity = std::string(s.BestPeriodOfActivity);
        row.BarrenFruitful = std::string(s.BarrenFruitful);
        row.SignCaste = std::string(s.SignCaste);
        row.SignPosition = std::string(s.SignPosition);
        row.ConstituentCharacter = std::string(s.ConstituentCharacter);
        row.LuckyDays = std::string(s.LuckyDays);
        row.LuckyNumbers = std::string(s.LuckyNumbers);
        row.BestDirection = std::string(s.BestDirection);
        row.LuckyColors = std::string(s.LuckyColors);
        row.LuckyGemstone = std::string(s.LuckyGemstone);
        row.PartOfTheBody = std::string(s.PartOfTheBody);
        row.Physique = std::string(s.Physique);
        row.Looks = kundalicontent::rashiProse(s.EnglishName, "Looks");
        row.Nature = kundalicontent::rashiProse(s.EnglishName, "Nature");
        row.CareerAndFinance = kundalicontent::rashiProse(s.EnglishName, "Career And Finance");
        row.LoveAndDomesticLife = kundalicontent::rashiProse(s.EnglishName, "Love And Domestic Life");
        row.Health = kundalicontent::rashiProse(s.EnglishName, "Health");
        row.CompatibleWith = std::string(s.CompatibleWith);
        row.NotCompatibleWith = std::string(s.NotCompatibleWith);
    }
    return table;
}

} // namespace

const std::string &RashiInfo::field(int index) const
{
    static const std::string none;
    switch (index) {
    case 0: return VedicName;
    case 1: return EnglishName;
    case 2: return RullingPlanet;
    case 3: return Symbol;
    case 4: return InbornNature;
    case 5: return SignColor;
    case 6: return TypeOfSign;
    case 7: return Gender;
    case 8: return BestPeriodOfActivity;
    case 9: return BarrenFruitful;
    case 10: return SignCaste;
    case 11: return SignPosition;
    case 12: return ConstituentCharacter;
    case 13: return LuckyDays;
    case 14: return LuckyNumbers;
    case 15: return BestDirection;
    case 16: return LuckyColors;
    case 17: return LuckyGemstone;
    case 18: return PartOfTheBody;
    case 19: return Physique;
    case 20: return Looks;
    case 21: return Nature;
    case 22: return CareerAndFinance;
    case 23: return LoveAndDomesticLife;
    case 24: return Health;
    case 25: return CompatibleWith;
    case 26: return NotCompatibleWith;
    default: return none;
    }
}

const std::array<RashiInfo, RashiCount> &RashiInfoTable()
{
    static const auto table = build();
    return table;
}

int RashiRow(std::string_view englishName)
{
    const auto &table = RashiInfoTable();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].EnglishName == englishName)
            return static_cast<int>(i);
    return -1;
}

const RashiInfo *FindRashi(std::string_view englishName)
{
    const int row = RashiRow(englishName);
    return row < 0 ? nullptr : &RashiInfoTable()[static_cast<std::size_t>(row)];
}

} // namespace modRashiInformation
