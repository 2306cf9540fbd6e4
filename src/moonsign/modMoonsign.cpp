#include "modMoonsign.h"

#include "SignNames.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>
#include <cstddef>
#include <map>

namespace modMoonsign {

namespace {

// First person's sign down the side, partner's across, zodiac order. Not
// symmetric: six pairs score differently in the two orders.
constexpr int Scores[12][12] = {
    //Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis
    {3, 6, 6, 2, 7, 6, 4, 6, 9, 6, 6, 4},   // Aries
    {7, 2, 4, 8, 6, 10, 7, 6, 3, 9, 3, 7},  // Taurus
    {8, 4, 2, 4, 8, 6, 10, 4, 7, 4, 9, 6},  // Gemini
    {3, 8, 4, 5, 7, 8, 5, 8, 4, 8, 4, 10},  // Cancer
    {9, 6, 8, 7, 1, 5, 7, 4, 10, 5, 7, 6},  // Leo
    {6, 10, 6, 8, 5, 1, 6, 7, 5, 9, 7, 4},  // Virgo
    {4, 7, 10, 5, 7, 6, 2, 6, 7, 4, 9, 6},  // Libra
    {6, 6, 4, 8, 4, 7, 6, 2, 4, 7, 3, 10},  // Scorpio
    {9, 3, 7, 4, 10, 5, 7, 4, 3, 5, 8, 4},  // Sagittarius
    {6, 9, 4, 8, 5, 9, 4, 7, 5, 6, 7, 2},   // Capricorn
    {6, 3, 9, 4, 7, 7, 9, 3, 8, 7, 5, 4},   // Aquarius
    {7, 4, 6, 10, 6, 4, 6, 10, 4, 2, 4, 3}, // Pisces
};

constexpr std::string_view Verdicts[5] = {
    "A Poor Match", "A Difficult Match", "An Easy Match", "A Great Match",
    "An Excellent Match"};

// One text per unordered pair, stored under the key whose first sign comes
// earlier in the zodiac; both orders of the pair read it.
const std::map<std::string, std::string>& pairTexts()
{
    static const std::map<std::string, std::string> texts = [] {
        std::map<std::string, std::string> out;
        const auto doc = nlohmann::json::parse(content::moonsignJson(), nullptr, false);
        if (!doc.is_object())
            return out;
        const auto pairs = doc.find("pairs");
        if (pairs == doc.end() || !pairs->is_object())
            return out;
        for (const auto& [key, value] : pairs->items())
            if (value.is_string())
                out.emplace(key, value.get<std::string>());
        return out;
    }();
    return texts;
}

std::string textFor(int i, int j)
{
    const int a = i < j ? i : j;
    const int b = i < j ? j : i;
    const std::string key = std::string(signs::SignNames[static_cast<std::size_t>(a)]) + "-" +
                            std::string(signs::SignNames[static_cast<std::size_t>(b)]);
    const auto& texts = pairTexts();
    const auto it = texts.find(key);
    return it == texts.end() ? std::string{} : it->second;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The number a score text starts with; 0 when it starts with none (or with
// one too large for a double).
double LeadingNumber(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() &&
           (text[pos] == ' ' || text[pos] == '\t' || text[pos] == '\r' || text[pos] == '\n'))
        ++pos;

    // Take only sign, digits, point and exponent, so names like "inf" and the
    // locale's decimal mark never come into it.
    std::string number;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-')
            number += '-';
        ++pos;
    }
    std::size_t digits = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        number += text[pos++];
        ++digits;
    }
    if (pos < text.size() && text[pos] == '.') {
        number += text[pos++];
        while (pos < text.size() && isDigit(text[pos])) {
            number += text[pos++];
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t p = pos + 1;
        std::string exponent = "e";
        if (p < text.size() && (text[p] == '+' || text[p] == '-'))
            exponent += text[p++];
        if (p < text.size() && isDigit(text[p])) {
            while (p < text.size() && isDigit(text[p]))
                exponent += text[p++];
            number += exponent;
        }
    }

    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (ec != std::errc{} || !std::isfinite(value))
        return 0.0;
    return value;
}

} // namespace

State& state()
{
    static State s;
    return s;
}

void LoadMoonSignTables()
{
    State& s = state();
    for (int i = 0; i < 12; ++i) {
        for (int j = 0; j < 12; ++j) {
            const auto ui = static_cast<std::size_t>(i);
            const auto uj = static_cast<std::size_t>(j);
            s.MoonPairKey[ui][uj] =
                std::string(signs::SignNames[ui]) + "-" + std::string(signs::SignNames[uj]);
            s.MoonPairScore[ui][uj] = std::to_string(Scores[i][j]);
            s.MoonPairText[ui][uj] = textFor(i, j);
        }
    }
    for (std::size_t n = 1; n <= 10; ++n)
        s.MatchComment[n] = std::string(Verdicts[(n - 1) / 2]);
}

std::string ScoreToPercentage(const std::string& score)
{
    double percentage = LeadingNumber(score) / 10.0 * 100.0;
    if (percentage == 0.0)
        percentage = 0.0; // no "-0"
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, percentage, std::chars_format::general, 15);
    if (ec != std::errc{})
        return "0";
    return std::string(buffer, end);
}

std::string ScoreToComment(const std::string& score)
{
    State& s = state();
    // nearbyint rounds half to even in the default rounding mode.
    const double n = std::nearbyint(LeadingNumber(score));
    if (n >= 1.0 && n <= 10.0)
        s.PairComment = s.MatchComment[static_cast<std::size_t>(n)];
    return s.PairComment;
}

} // namespace modMoonsign
