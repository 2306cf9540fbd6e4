#include "VorlaineChineseCompatibility.h"

#include "ChineseContent.h"

namespace VorlaineChineseCompatibility {

namespace {

// Blocks of twelve by first animal; the lookup goes through them in this order.
constexpr std::array<std::string_view, PairCount> Keys = {
    "Dog-Rat", "Dog-Ox", "Dog-Tiger", "Dog-Snake", "Dog-Rooster", "Dog-Rabbit", "Dog-Pig", "Dog-Monkey", "Dog-Horse", "Dog-Goat", "Dog-Dragon", "Dog-Dog",
    "Dragon-Rat", "Dragon-Ox", "Dragon-Tiger", "Dragon-Snake", "Dragon-Rooster", "Dragon-Rabbit", "Dragon-Pig", "Dragon-Monkey", "Dragon-Horse", "Dragon-Goat", "Dragon-Dog", "Dragon-Dragon",
    "Goat-Rat", "Goat-Ox", "Goat-Tiger", "Goat-Snake", "Goat-Rooster", "Goat-Rabbit", "Goat-Pig", "Goat-Monkey", "Goat-Horse", "Goat-Dog", "Goat-Dragon", "Goat-Goat",
    "Horse-Rat", "Horse-Ox", "Horse-Tiger", "Horse-Snake", "Horse-Rooster", "Horse-Rabbit", "Horse-Pig", "Horse-Monkey", "Horse-Dog", "Horse-Dragon", "Horse-Goat", "Horse-Horse",
    "Monkey-Rat", "Monkey-Ox", "Monkey-Tiger", "Monkey-Snake", "Monkey-Rooster", "Monkey-Rabbit", "Monkey-Pig", "Monkey-Dog", "Monkey-Dragon", "Monkey-Goat", "Monkey-Horse", "Monkey-Monkey",
    "Pig-Rat", "Pig-Ox", "Pig-Tiger", "Pig-Snake", "Pig-Rooster", "Pig-Rabbit", "Pig-Dog", "Pig-Dragon", "Pig-Goat", "Pig-Horse", "Pig-Monkey", "Pig-Pig",
    "Rabbit-Rat", "Rabbit-Ox", "Rabbit-Tiger", "Rabbit-Snake", "Rabbit-Rooster", "Rabbit-Dog", "Rabbit-Dragon", "Rabbit-Goat", "Rabbit-Horse", "Rabbit-Monkey", "Rabbit-Pig", "Rabbit-Rabbit",
    "Rooster-Rat", "Rooster-Ox", "Rooster-Tiger", "Rooster-Snake", "Rooster-Dog", "Rooster-Dragon", "Rooster-Goat", "Rooster-Horse", "Rooster-Monkey", "Rooster-Pig", "Rooster-Rabbit", "Rooster-Rooster",
    "Snake-Rat", "Snake-Ox", "Snake-Tiger", "Snake-Dog", "Snake-Dragon", "Snake-Goat", "Snake-Horse", "Snake-Monkey", "Snake-Pig", "Snake-Rabbit", "Snake-Rooster", "Snake-Snake",
    "Tiger-Rat", "Tiger-Ox", "Tiger-Dog", "Tiger-Dragon", "Tiger-Goat", "Tiger-Horse", "Tiger-Monkey", "Tiger-Pig", "Tiger-Rabbit", "Tiger-Rooster", "Tiger-Snake", "Tiger-Tiger",
    "Ox-Rat", "Ox-Dog", "Ox-Dragon", "Ox-Goat", "Ox-Horse", "Ox-Monkey", "Ox-Pig", "Ox-Rabbit", "Ox-Rooster", "Ox-Snake", "Ox-Tiger", "Ox-Ox",
    "Rat-Dog", "Rat-Dragon", "Rat-Goat", "Rat-Horse", "Rat-Monkey", "Rat-Pig", "Rat-Rabbit", "Rat-Rooster", "Rat-Snake", "Rat-Tiger", "Rat-Ox", "Rat-Rat",
};

} // namespace

const std::array<std::string_view, PairCount>& ChinesePairKeys() { return Keys; }

std::string GetChineseMatchingDescription(std::string& buffer)
{
    const State& s = state();
    const std::string key = s.MaleChineseSign + "-" + s.FemaleChineseSign;
    for (const auto stored : Keys) {
        if (stored == key) {
            const auto& texts = detail::chineseContent().pairs;
            const auto it = texts.find(stored);
            if (it != texts.end())
                buffer = it->second;
            break;
        }
    }
    return buffer;
}

} // namespace VorlaineChineseCompatibility
