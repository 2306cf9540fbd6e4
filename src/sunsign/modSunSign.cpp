#include "modSunSign.h"

#include "SignNames.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <stdexcept>

namespace content {
std::string_view sunsignJson();
}

namespace modSunSign {

namespace {

struct ShortFields {
    const char *Element, *RulingPlanet, *LuckyNumber, *LuckyColor, *LuckyDay, *Compatibility,
        *BirthStone, *Quality;
};

// Sign order Aries..Pisces; the separators differ from row to row on purpose.
constexpr std::array<ShortFields, 12> SignRows = {{
    {"Fire", "Mars", "9", "Red", "Tuesday", "Leo & Sagittarius", "Diamond", "Cardinal"},
    {"Earth", "Venus", "6", "Green", "Friday", "Capricorn & Virgo", "Emerald", "Fixed"},
    {"Air", "Mercury", "5", "Yellow", "Wednesday", "Aquarius & Libra", "Agate", "Mutable"},
    {"Water", "The Moon", "2", "Silver", "Monday", "Pisces & Scorpio", "Pearl", "Cardinal"},
    {"Fire", "The Sun", "8 & 9", "Gold", "Sunday", "Aries & Sagittarius", "Ruby", "Fixed"},
    {"Earth", "Mercury", "3 & 5", "Blue", "Wednesday", "Capricorn & Taurus", "Sapphire", "Mutable"},
    {"Air", "Venus", "6 & 9", "Blue", "Friday", "Aquarius and Gemini", "Opal", "Cardinal"},
    {"Water", "Pluto and Mars", "2 & 4", "Burgundy and Black", "Tuesday", "Cancer & Pisces", "Topaz", "Fixed"},
    {"Fire", "Jupiter", "5 & 7", "Purple", "Thursday", "Aries & Leo", "Turquoise", "Mutable"},
    {"Earth", "Saturn", "8, 2", "Brown", "Saturday", "Taurus & Virgo", "Garnet", "Cardinal"},
    {"Air", "Uranus and Saturn", "1, 7", "Violet", "Wednesday", "Taurus & Virgo", "Amethyst", "Fixed"},
    {"Water", "Neptune and Jupiter", "2, 6", "Sea green", "Friday", "Taurus & Virgo", "Aquamarine", "Mutable"},
}};

// Row = first person's sign, column = partner's sign.
constexpr std::array<std::array<const char*, 12>, 12> Ratings = {{
    {"1,5", "2", "3", "1", "3", "1", "1,5", "2", "3", "2", "3", "2"},
    {"2", "1,5", "1", "4", "1", "5", "2", "1,5", "1", "4", "1", "4"},
    {"3", "1", "1,5", "2", "3", "1", "5", "2", "1,5", "1", "3", "1"},
    {"2", "3", "2", "1,5", "1", "3", "1", "4", "1", "1,4", "1", "5"},
    {"5", "1", "4", "1", "1,5", "2", "4", "2", "4", "1", "1,4", "1"},
    {"1", "4", "1", "3", "2", "1,5", "1", "3", "1", "5", "2", "1,5"},
    {"1,5", "2", "5", "2", "3", "2", "1,5", "2", "3", "2", "4", "2"},
    {"2", "1,5", "2", "5", "2", "3", "2", "1,5", "1", "3", "1", "4"},
    {"4", "1", "1,5", "2", "5", "1", "3", "1", "1,5", "1", "4", "1"},
    {"2", "5", "2", "1,4", "2", "5", "2", "3", "1", "1,5", "1", "3"},
    {"3", "1", "5", "1", "1,4", "2", "5", "1", "4", "1", "1,5", "1"},
    {"1", "3", "1", "4", "1", "1,4", "2", "5", "1", "3", "1", "1,4"},
}};

const nlohmann::json& document()
{
    static const nlohmann::json doc = [] {
        const std::string_view text = content::sunsignJson();
        auto parsed = nlohmann::json::parse(text.begin(), text.end(), nullptr, false);
        return parsed.is_discarded() ? nlohmann::json::object() : parsed;
    }();
    return doc;
}

const nlohmann::json* nodeAt(const nlohmann::json& node, std::initializer_list<std::string_view> path)
{
    const nlohmann::json* n = &node;
    for (std::string_view key : path) {
        if (!n->is_object())
            return nullptr;
        auto it = n->find(key);
        if (it == n->end())
            return nullptr;
        n = &*it;
    }
    return n;
}

std::string textAt(const nlohmann::json& node, std::initializer_list<std::string_view> path)
{
    const nlohmann::json* n = nodeAt(node, path);
    return n && n->is_string() ? n->get<std::string>() : std::string{};
}

std::string joined(const std::vector<std::string>& pieces)
{
    std::string out;
    for (const std::string& p : pieces)
        out += p;
    return out;
}

std::string key(int i, int j)
{
    return std::string(signs::SignNames[i]) + "-" + std::string(signs::SignNames[j]);
}

// The platform's text-to-number conversion: surrounding blanks allowed,
// anything else that is not a number is a type mismatch.
double toNumber(std::string_view text)
{
    std::string s(text);
    const char* begin = s.c_str();
    while (*begin == ' ')
        ++begin;
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(begin, &end);
    if (end == begin)
        throw std::invalid_argument("Type mismatch");
    while (*end == ' ')
        ++end;
    if (*end != '\0' || errno == ERANGE)
        throw std::invalid_argument("Type mismatch");
    return v;
}

} // namespace

State& state()
{
    static State s;
    return s;
}

std::string GetSunSign(std::string_view month, std::string_view day)
{
    struct Split {
        int boundary;
        const char* later;
        const char* earlier;
    };
    static constexpr std::array<Split, 12> Months = {{
        {20, "Aquarius", "Capricorn"}, {19, "Pisces", "Aquarius"}, {21, "Aries", "Pisces"},
        {21, "Taurus", "Aries"},       {21, "Gemini", "Taurus"},   {21, "Cancer", "Gemini"},
        {21, "Leo", "Cancer"},         {21, "Virgo", "Leo"},       {21, "Libra", "Virgo"},
        {21, "Scorpio", "Libra"},      {21, "Sagittarius", "Scorpio"}, {21, "Capricorn", "Sagittarius"},
    }};
    const double d = toNumber(day);
    const int m = signs::monthNumber(month);
    if (m == 0)
        return {};
    const Split& s = Months[m - 1];
    if (d >= s.boundary)
        return s.later;
    if (d <= s.boundary - 1)
        return s.earlier;
    return {};
}

std::vector<FamousPerson> FamousPersonList(std::string_view sign)
{
    std::vector<FamousPerson> out;
    const auto& famous = document().value("famous", nlohmann::json::object());
    auto it = famous.find(sign);
    if (it == famous.end() || !it->is_array())
        return out;
    for (const auto& p : *it)
        out.push_back({p.value("name", std::string{}), p.value("born", std::string{})});
    return out;
}

std::vector<std::string> TraitPieces(std::string_view sign, std::string_view field)
{
    std::vector<std::string> out;
    const nlohmann::json* n = nodeAt(document(), {"traits", sign, field});
    if (n && n->is_string())
        out.push_back(n->get<std::string>());
    else if (n && n->is_array())
        for (const auto& piece : *n)
            if (piece.is_string())
                out.push_back(piece.get<std::string>());
    return out;
}

void LoadSunSignDetails(std::string_view sign)
{
    const int i = signs::signIndex(sign);
    if (i < 0)
        return;
    const ShortFields& r = SignRows[i];
    SunSignDetailsRecord& d = state().SunSignDetails;
    d.Element = r.Element;
    d.RulingPlanet = r.RulingPlanet;
    d.PositiveTraits = joined(TraitPieces(sign, "PositiveTraits"));
    d.NegativeTraits = joined(TraitPieces(sign, "NegativeTraits"));
    d.LuckyNumber = r.LuckyNumber;
    d.LuckyColor = r.LuckyColor;
    d.LuckyDay = r.LuckyDay;
    d.Compatibility = r.Compatibility;
    std::string famous;
    for (const FamousPerson& p : FamousPersonList(sign)) {
        if (!famous.empty())
            famous += ", ";
        famous += p.name;
    }
    d.FamousPersons = famous;
    d.BirthStone = r.BirthStone;
    d.Quality = r.Quality;
}

const std::vector<LegendRow>& ZodiacRatingLegend()
{
    static const std::vector<LegendRow> legend = {
        {"1", "20%", "A Poor Match"},
        {"2", "40%", "A Difficult Match"},
        {"3", "60%", "An Easy Match"},
        {"4", "80%", "A Great Match"},
        {"5", "100%", "An Excellent Match"},
        {"1,4", "", "A Special Match"},
        {"1,5", "", "A Special Match - This could be a Great Match or a Difficult Match"},
    };
    return legend;
}

std::string_view PairRating(int first, int partner)
{
    return Ratings[first][partner];
}

std::string PairText(int first, int partner)
{
    return textAt(document(), {"pairs", key(first, partner)});
}

void FindSunSignPairMatch()
{
    State& s = state();
    const std::string search = s.SunSignM + "-" + s.SunSignF;
    for (int i = 0; i < 12; ++i) {
        for (int j = 0; j < 12; ++j) {
            if (key(i, j) != search)
                continue;
            s.ZodiacMatchDescription = PairText(i, j);
            s.ZodiacMatchRating = Ratings[i][j];
            for (const LegendRow& row : ZodiacRatingLegend()) {
                if (row.code == s.ZodiacMatchRating) {
                    s.ZodiacMatchPercentage = row.percentage;
                    s.ZodiacMatchComment = row.comment;
                }
            }
        }
    }
}

} // namespace modSunSign
