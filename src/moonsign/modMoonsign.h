#pragma once

#include <array>
#include <string>
#include <string_view>

namespace content {
std::string_view moonsignJson();
}

// The moon-sign pair tables: for every ordered pair of signs a key, a score
// "1".."10" and an interpretation, plus the verdicts of the score scale.
// Cell (i, j) is the first person's sign i with the partner's sign j, both in
// zodiac order; position 12 of each dimension is never used and stays empty.
namespace modMoonsign {

inline constexpr int TableSize = 13;
using PairTable = std::array<std::array<std::string, TableSize>, TableSize>;

struct State {
    PairTable MoonPairKey;
    PairTable MoonPairScore;
    PairTable MoonPairText;
    std::array<std::string, 11> MatchComment; // 1..10 used, two per verdict
    std::string PairComment;                  // last verdict found
};

State& state();

// Fills every used cell and MatchComment(1..10); the same values each call.
void LoadMoonSignTables();

// Score value / 10 * 100, as a number text: "1" gives "10", "10" gives "100",
// a text without a leading number gives "0".
std::string ScoreToPercentage(const std::string& score);

// Sets PairComment to the verdict of the score rounded (half to even) when that
// lies in 1..10, otherwise leaves it; returns PairComment either way.
std::string ScoreToComment(const std::string& score);

} // namespace modMoonsign
