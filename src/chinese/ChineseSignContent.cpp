#include "VorlaineChineseCompatibility.h"

#include "ChineseContent.h"

#include <cstddef>

namespace VorlaineChineseCompatibility {

namespace {

// First person's animal down the side, partner's across, in animal order.
constexpr int Matrix[12][12] = {
    //Rat Ox Tig Rab Dra Sna Hor Goa Mon Roo Dog Pig
    {9, 6, 4, 7, 10, 7, 3, 4, 10, 6, 8, 8},  // Rat
    {6, 8, 4, 8, 7, 9, 5, 2, 4, 9, 7, 7},    // Ox
    {4, 4, 5, 5, 6, 3, 9, 4, 2, 4, 9, 7},    // Tiger
    {7, 8, 5, 8, 7, 7, 5, 9, 4, 2, 8, 9},    // Rabbit
    {10, 7, 6, 7, 9, 8, 8, 7, 10, 9, 2, 8},  // Dragon
    {7, 9, 3, 7, 8, 8, 4, 7, 4, 9, 8, 4},    // Snake
    {3, 5, 9, 5, 8, 4, 8, 8, 5, 6, 9, 6},    // Horse
    {4, 2, 4, 9, 7, 7, 8, 9, 5, 5, 4, 9},    // Goat
    {10, 4, 2, 4, 10, 4, 5, 5, 9, 4, 8, 7},  // Monkey
    {6, 9, 4, 2, 9, 9, 6, 5, 4, 4, 5, 5},    // Rooster
    {8, 7, 9, 8, 2, 8, 9, 4, 8, 5, 7, 7},    // Dog
    {8, 7, 7, 9, 8, 4, 6, 9, 7, 5, 7, 8},    // Pig
};

// The short fields of each record, as stored; the long ones come from content.
struct ShortFields {
    std::string_view rulingPlanet;
    std::string_view mostCompatible;
    std::string_view leastCompatible;
    std::string_view luckyColour;
    std::string_view gemStone;
    std::string_view energy;
    std::string_view luckySeasons;
    std::string_view luckyMonth;
    std::string_view westernZodiacSign;
    std::string_view luckyNumber;
};

constexpr ShortFields Records[12] = {
    {"Jupiter", "Dragon, Monkey", "Horse", "Light Blue", "Carbuncle, Red Garnet", "Yin (positive)",
     "Winter", "December", "Sagittarius", "1, 4, 5, 10, 11, 14, 41, 45, 51, and 54"},
    {"Saturn", "Snake, Rooster", "Goat", "Violet", "White Onyx", "Yin (positive)",
     "End of Winter", "January", "Capricorn", "1, 3, 5, 12, 15, 33, 35, 51 and 53"},
    {"Uranus", "Horse, Dog", "Monkey", "Green", "Sapphire", "Yang (Negative)",
     "Early Spring", "February", "Aquarius", "4, 5, 7, 9, 13, 34, 44, 45 and 54"},
    {"Jupiter", "Goat, Pig", "Rooster", "Pale Green", "Chrysolite", "Yin (positive)",
     "Mid Spring", "March", "Pisces", "1, 3, 5, 9, 15, 19 and 35"},
    {"Mars", "Rat, Monkey", "Dog", "Turquoise", "Amethyst", "Yang (Negative)",
     "End of Spring", "April", "Aries", "3, 4, 5, 6, 15, 21, 34, 35, 36 and 45"},
    {"Venus", "Ox, Rooster", "Tiger, Pig", "Red", "Mossagate", "Yin (Positive Energy)",
     "Early Summer", "May", "Taurus", "1, 2, 4, 6, 13, 24, 42 and 46"},
    {"Mercury", "Tiger, Dog", "Rat", "Orange", "Beryl", "Yang (Negative)",
     "Mid Summer", "June", "Gemini", "1, 3, 4, 8, 13, 14, 41 and 43"},
    {"Moon", "Rabbit, Pig", "Ox", "Pink, Purple", "Emerald", "Yin (Positive)",
     "End of Summer", "July", "Cancer", "3, 4, 5, 12, 34, 45 and 54"},
    {"Sun", "Rat, Dragon", "Tiger", "Yellow, Gold", "Emerald", "Yang (Negative)",
     "Early Autumn", "August", "Leo", "3, 4, 5, 7, 16, 23, 34, 45 and 54"},
    {"Mercury", "Ox, Dragon, Snake", "Rabbit", "Peach, Apricot", "Pin Jasper", "Yin (Positive)",
     "Mid Autumn", "September", "Virgo", "1, 5, 6, 12, 15, 16, 24 and 51"},
    {"Venus", "Tiger, Horse", "Dragon", "Pale Yellow", "Diamond", "Yang (Negative)",
     "Winter", "October", "Libra", "1, 4, 5, 9, 10, 14, 19, 28, 30, 41, 45 and 54"},
    {"Mars", "Rabbit, Goat", "Snake", "Dark Blue", "Topaz", "Yin (Positive)",
     "Early Winter", "October", "Scorpio", "1, 3, 4, 5, 8, 16, 18, 34, 41 and 48"},
};

struct Rating {
    std::string_view percentage;
    std::string_view rating;
};

// Numbers 2..10; the rating for 2 begins with a blank, the one for 3 does not.
constexpr Rating Ratings[9] = {
    {"20%", " A Poor Match"},      {"30%", "A Poor Match"},  {"40%", "A Difficult Match"},
    {"50%", "A Difficult Match"},  {"60%", "An Easy Match"}, {"70%", "An Easy Match"},
    {"80%", "A Great Match"},      {"90%", "A Great Match"}, {"100%", "A Perfect Match"},
};

ChineseSignInfo buildRecord(std::size_t index)
{
    const ShortFields& f = Records[index];
    const auto& signs = detail::chineseContent().signs;
    const auto prose = signs.find(Animals[index]);
    const detail::SignProse empty;
    const detail::SignProse& p = prose == signs.end() ? empty : prose->second;

    std::string famous;
    for (const auto& person : p.famous) {
        if (!famous.empty())
            famous += ", ";
        famous += person.name;
    }

    ChineseSignInfo record(ChineseSignFieldCount);
    record[RulingPlanet] = f.rulingPlanet;
    record[PositiveTraits] = p.positiveTraits;
    record[NegativeTraits] = p.negativeTraits;
    record[MostCompatibleSign] = f.mostCompatible;
    record[LeastCompatibleSign] = f.leastCompatible;
    record[LuckyColour] = f.luckyColour;
    record[GemStone] = f.gemStone;
    record[Energy] = f.energy;
    record[LuckySeasons] = f.luckySeasons;
    record[LuckyMonth] = f.luckyMonth;
    record[FamousPersons] = famous;
    record[WesternZodiacSign] = f.westernZodiacSign;
    record[LuckyNumber] = f.luckyNumber;
    return record;
}

} // namespace

int GetChineseCompatibilityNumber(const std::string& firstAnimal, const std::string& partnerAnimal)
{
    const int first = AnimalIndex(firstAnimal);
    if (first < 0)
        return 0;
    const int partner = AnimalIndex(partnerAnimal);
    if (partner < 0)
        return 0;
    return Matrix[first][partner];
}

ChineseSignInfo GetChineseSignInfo(const std::string& animal)
{
    const int index = AnimalIndex(animal);
    if (index < 0)
        return {};
    return buildRecord(static_cast<std::size_t>(index));
}

std::string GetElementDescription(const std::string& element)
{
    State& s = state();
    for (const auto name : ElementNames) {
        if (name == element) {
            const auto& texts = detail::chineseContent().elements;
            const auto it = texts.find(name);
            s.LastElementDescription = it == texts.end() ? std::string{} : it->second;
            break;
        }
    }
    return s.LastElementDescription;
}

std::vector<FamousPerson> FamousPersonList(std::string_view animal)
{
    const auto& signs = detail::chineseContent().signs;
    const auto it = signs.find(animal);
    return it == signs.end() ? std::vector<FamousPerson>{} : it->second.famous;
}

bool ChineseNumberToRating(int number, std::string& percentage, std::string& rating)
{
    if (number < 2 || number > 10)
        return false;
    const Rating& r = Ratings[number - 2];
    percentage = r.percentage;
    rating = r.rating;
    return true;
}

} // namespace VorlaineChineseCompatibility
