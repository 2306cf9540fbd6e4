#include "modNakshatraInformation.h"

#include "KundaliContent.h"

#include <cstddef>

namespace modNakshatraInformation {

namespace {

struct ShortFields {
    std::string_view Nakshatra;
    std::string_view RullingDeva;
    std::string_view PurposeOfTheDeva;
    std::string_view RullingPlanet;
    std::string_view AnimalSymbol;
    std::string_view Symbol;
    std::string_view AstronomicalName;
    std::string_view Element;
    std::string_view PartOfBody;
    std::string_view Nature;
    std::string_view Gender;
    std::string_view PurposeInLife;
    std::string_view Dosha;
    std::string_view Temperaments;
    std::string_view BestDirection;
    std::string_view LuckyGemstone;
};

// Spellings and spacing are the table's own ("Yoni ( Female Sexual Organ)",
// "A Circle / A Flower/ An Arrow", "Spica Virginis -Vegus").
constexpr std::array<ShortFields, NakshatraCount> Short = {{
    {"Ashwini", "Ashwina Kumara", "Physician of the Demi Gods", "Ketu", "Horse", "Head of a Horse", "Beta Arietis", "Prithvi (Earth)", "Upper Part of Feet", "Light / Swift", "Male", "Dharma", "Vata", "Deva (Godly)", "North-East", "Cat's Eye"},
    {"Bharani", "Yamaraja", "Punisher of Death", "Venus", "Elephant", "Yoni ( Female Sexual Organ)", "35 Arietis", "Prithvi (Earth)", "Soles", "Ferocious", "Male", "Artha", "Pitta", "Manushya (Human)", "North-East", "Diamond"},
    {"Krittika", "Agni", "The Demi God of Fire", "Sun", "Sheep", "A Razor", "Eta Tauri", "Prithvi (Earth)", "Head", "Sharp & Soft", "Female", "Kama", "Kapha", "Rakshasa (Demon)", "Central", "Ruby"},
    {"Rohini", "Brahma", "Creator of the Universe", "Moon", "Serpent", "A Chariot", "Aldebaran", "Prithvi (Earth)", "Forehead", "Fixed", "Male", "Moksha", "Kapha", "Manushya (Human)", "Central", "White Pearl"},
    {"Mrigasira", "Chandra", "Moon, Deity of the Mind", "Mars", "Serpent", "Head of a Deer", "Lambda Orionis", "Prithvi (Earth)", "Eye Brows", "Soft", "Female", "Moksha", "Pitta", "Deva (Godly)", "Central", "Red Coral"},
    {"Ardra", "Rudra", "Shiva, Lord of Destruction & Anger", "Rahu", "Dog", "Precious Stone", "Alpha Orionis", "Jala (Water)", "Eyes", "Sharp & Dreadful", "Female", "Kama", "Vata", "Manushya (Human)", "East", "Gomeda"},
    {"Punarvasu", "Aditi", "Mother of the Demigods", "Jupiter", "Cat", "A Bow / A House", "Beta Geminorium", "Jala (Water)", "Nose", "Mutable", "Female", "Artha", "Vata", "Deva (Godly)", "East", "Yellow Sapphire"},
    {"Pushya", "Brihaspati", "Jupiter, Teacher of the Demigods", "Saturn", "Sheep", "A Circle / A Flower/ An Arrow", "Delta Cancri", "Jala (Water)", "Face", "Light / Swift", "Male", "Dharma", "Pitta", "Deva (Godly)", "East", "Blue Sapphire"},
    {"Ashlesha", "Naga", "The Serpent Demigod", "Mercury", "Cat", "A Serpent", "Alpha Hydroe", "Jala (Water)", "Ears", "Sharp & Dreadful", "Male", "Dharma", "Kapha", "Rakshasa (Demon)", "South-East", "Emerald"},
    {"Magha", "Pitara", "The Forefathers", "Ketu", "Rat", "A House or a Palaquin", "Regulus", "Jala (Water)", "Lips & Chin", "Ferocious", "Male", "Artha", "Kapha", "Rakshasa (Demon)", "South-East", "Cat's Eye"},
    {"Poorva Phalguni", "Bhaga", "The Demi God of Lavishness", "Venus", "Rat", "A Fire Place", "Delta Leonis", "Jala (Water)", "Right Hand", "Ferocious", "Female", "Kama", "Pitta", "Manushya (Human)", "South-East", "Diamond"},
    {"Uttara Phalguni", "Aryama", "Lord of the Manes", "Sun", "Cow", "A Small Bed", "Beta Leonis", "Tejo (Fire)", "Left Hand", "Fixed", "Male", "Moksha", "Vata", "Manushya (Human)", "South", "Ruby"},
    {"Hasta", "Aditya", "The Sun, Demi God of Light", "Moon", "Buffalo", "The Fist", "Delta Corvi", "Tejo (Fire)", "Fingers", "Light / Swift", "Female", "Moksha", "Vata", "Deva (Godly)", "South", "White Pearl"},
    {"Chitra", "Thvasta", "Vishwakarma, Architect of the Demigods", "Mars", "Tiger", "A Pearl", "Spica Virginis -Vegus", "Tejo (Fire)", "Neck", "Soft", "Female", "Kama", "Pitta", "Rakshasa (Demon)", "South", "Coral"},
    {"Swati", "Vayu", "Demi God of Wind", "Rahu", "Buffalo", "A Coral", "Arcturus", "Tejo (Fire)", "Chest", "Mutable", "Male", "Artha", "Kapha", "Deva (Godly)", "South-West", "Gomeda"},
    {"Vishakha", "Shakragni", "Combination of Indra & Agni", "Jupiter", "Tiger", "A Potter's Wheel", "Alpha Libroe", "Tejo (Fire)", "Breasts", "Sharp & Soft", "Male", "Dharma", "Kapha", "Rakshasa (Demon)", "South-West", "Yellow Sapphire"},
    {"Anuradha", "Mitra", "Demi God of Brain", "Saturn", "Hare", "A Lotus Flower", "Delta Scorpio", "Tejo (Fire)", "Stomach", "Soft", "Female", "Dharma", "Pitta", "Deva (Godly)", "South-West", "Blue Sapphire"},
    {"Jyeshtha", "Indra", "Vasava, King of the Demigods", "Mercury", "Hare", "An Umbrella", "Antares", "Vayu (Air)", "Right Side of Trunk", "Sharp & Dreadful", "Male", "Artha", "Vata", "Rakshasa (Demon)", "West", "Emerald"},
    {"Moola", "Nirriti", "Rakshasa, King of Demons", "Ketu", "Dog", "Tail of a Lion", "Lambda Scorpio", "Vayu (Air)", "Left Side of Trunk", "Sharp & Dreadful", "Male", "Kama", "Vata", "Rakshasa (Demon)", "West", "Cat's Eye"},
    {"Purva Ashadha", "Varuna", "Demi God of Water", "Venus", "Monkey", "Tusk of an Elephant / A Handfan", "Delta Sagittari", "Vayu (Air)", "Back", "Ferocious", "Male", "Moksha", "Pitta", "Manushya (Human)", "West", "Diamond"},
    {"Uttara Ashadha", "Vishwadeva", "Demi God of the Stars", "Sun", "Mongoose", "A Small Cot", "Sigma Sagittari", "Vayu (Air)", "Waist", "Fixed", "Male", "Moksha", "Kapha", "Manushya (Human)", "North-West", "Ruby"},
    {"Shravana", "Govinda", "Lord Vishnu", "Moon", "Monkey", "An Ear /An Arrow / Three Footprints", "Alpha Aquiloe", "Vayu (Air)", "Sex Organs", "Mutable", "Female", "Artha", "Kapha", "Manushya (Human)", "North-West", "White Pearl"},
    {"Dhanistha", "Vasu", "Deity of the Sun", "Mars", "Lion", "A Musical Drum / A Flute", "Beta Delphinum", "Akasha (Space)", "Anus", "Mutable", "Female", "Dharma", "Pitta", "Rakshasa (Demon)", "North-West", "Red Coral"},
    {"Shatabhisha", "Varuna", "God of the Rains", "Rahu", "Horse", "Hundred Flowers / A Circle", "Lambda Aquarius", "Akasha (Space)", "Right Thigh", "Mutable", "Female", "Dharma", "Vata", "Rakshasa (Demon)", "North", "Gomeda"},
    {"Poorva Bhadrapada", "Ajaekapat", "A form of Shiva", "Jupiter", "Lion", "A Sword", "Alpha Pegasi", "Akasha (Space)", "Left Thigh", "Ferocious", "Male", "Artha", "Vata", "Manushya (Human)", "North", "Yellow Sapphire"},
    {"Uttara Bhadrapada", "Ahirbudhanya", "The Snake that holds the Universe", "Saturn", "Cow", "Twins or the Number Two", "Gama Pegasi", "Akasha (Space)", "Shins", "Fixed", "Female", "Kama", "Pitta", "Manushya (Human)", "North", "Blue Sapphire"},
    {"Revati", "Pushan", "Demi God for Agriculture", "Mercury", "Elephant", "A Fish", "Zeta Piscum", "Akasha (Space)", "Ankles", "Soft", "Female", "Moksha", "Kapha", "Deva (Godly)", "North-East", "Emerald"},
}};

std::array<NakshatraInfo, NakshatraCount> build()
{
    std::array<NakshatraInfo, NakshatraCount> table;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const auto &s = Short[i];
        auto &row = table[i];
        row.Nakshatra = std::string(s.Nakshatra);
        row.RullingDeva = std::string(s.RullingDeva);
        row.PurposeOfTheDeva = std::string(s.PurposeOfTheDeva);
        row.RullingPlanet = std::string(s.RullingPlanet);
        row.AnimalSymbol = std::string(s.AnimalSymbol);
        row.Symbol = std::string(s.Symbol);
        row.AstronomicalName = std::string(s.AstronomicalName);
        row.Element = std::string(s.Element);
        row.PartOfBody = std::string(s.PartOfBody);
        row.Nature = std::string(s.Nature);
        row.Gender = std::string(s.Gender);
        row.PurposeInLife = std::string(s.PurposeInLife);
        row.Dosha = std::string(s.Dosha);
        row.Temperaments = std::string(s.Temperaments);
        row.BestDirection = std::string(s.BestDirection);
        row.LuckyGemstone = std::string(s.LuckyGemstone);
        row.GeneralAndPhysicalFeatures = kundalicontent::nakshatraProse(s.Nakshatra, "General And Physical Features");
        row.PositiveHumanTraits = kundalicontent::nakshatraProse(s.Nakshatra, "Positive Human Traits");
        row.NegativeHumanTraits = kundalicontent::nakshatraProse(s.Nakshatra, "Negative Human Traits");
        row.BestCareerOptions = kundalicontent::nakshatraProse(s.Nakshatra, "Best Career Options");
        row.DomesticLife = kundalicontent::nakshatraProse(s.Nakshatra, "Domestic Life");
        row.Health = kundalicontent::nakshatraProse(s.Nakshatra, "Health");
    }
    return table;
}

} // namespace

const std::string &NakshatraInfo::field(int index) const
{
    static const std::string none;
    switch (index) {
    case 0: return Nakshatra;
    case 1: return RullingDeva;
    case 2: return PurposeOfTheDeva;
    case 3: return RullingPlanet;
    case 4: return AnimalSymbol;
    case 5: return Symbol;
    case 6: return AstronomicalName;
    case 7: return Element;
    case 8: return PartOfBody;
    case 9: return Nature;
    case 10: return Gender;
    case 11: return PurposeInLife;
    case 12: return Dosha;
    case 13: return Temperaments;
    case 14: return BestDirection;
    case 15: return LuckyGemstone;
    case 16: return GeneralAndPhysicalFeatures;
    case 17: return PositiveHumanTraits;
    case 18: return NegativeHumanTraits;
    case 19: return BestCareerOptions;
    case 20: return DomesticLife;
    case 21: return Health;
    default: return none;
    }
}

const std::array<NakshatraInfo, NakshatraCount> &NakshatraInfoTable()
{
    static const auto table = build();
    return table;
}

int NakshatraRow(std::string_view name)
{
    const auto &table = NakshatraInfoTable();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].Nakshatra == name)
            return static_cast<int>(i);
    return -1;
}

const NakshatraInfo *FindNakshatra(std::string_view name)
{
    const int row = NakshatraRow(name);
    return row < 0 ? nullptr : &NakshatraInfoTable()[static_cast<std::size_t>(row)];
}

} // namespace modNakshatraInformation
