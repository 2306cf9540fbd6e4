#include "modSunSign.h"

#include "SignNames.h"

#include "TextChecks.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string_view>
#include <type_traits>

using namespace modSunSign;

namespace {

std::string sign(int i)
{
    return std::string(signs::SignNames[i]);
}

size_t length(const std::string& s)
{
    const long n = codePoints(s);
    return n < 0 ? 0 : static_cast<size_t>(n);
}

bool contains(const std::string& s, const std::string& part)
{
    return s.find(part) != std::string::npos;
}

// Pairs whose two orders carry two slightly different wordings.
const std::set<std::pair<std::string, std::string>> TwoWordings = {
    {"Aries", "Cancer"},       {"Aries", "Virgo"},         {"Aries", "Libra"},        {"Taurus", "Cancer"},
    {"Taurus", "Libra"},       {"Taurus", "Capricorn"},    {"Gemini", "Scorpio"},     {"Cancer", "Leo"},
    {"Leo", "Sagittarius"},    {"Leo", "Capricorn"},       {"Leo", "Aquarius"},       {"Virgo", "Scorpio"},
    {"Virgo", "Capricorn"},    {"Libra", "Aquarius"},      {"Sagittarius", "Capricorn"}, {"Sagittarius", "Aquarius"}};

// The share of the shorter text's words that the longer one also has, in order.
double closeness(const std::string& a, const std::string& b)
{
    std::vector<std::string> wa, wb;
    auto split = [](const std::string& s, std::vector<std::string>& out) {
        std::string w;
        for (char c : s) {
            if (c == ' ') {
                if (!w.empty())
                    out.push_back(w);
                w.clear();
            } else {
                w += c;
            }
        }
        if (!w.empty())
            out.push_back(w);
    };
    split(a, wa);
    split(b, wb);
    std::vector<std::vector<int>> lcs(wa.size() + 1, std::vector<int>(wb.size() + 1));
    for (size_t i = 1; i <= wa.size(); ++i)
        for (size_t j = 1; j <= wb.size(); ++j)
            lcs[i][j] = wa[i - 1] == wb[j - 1] ? lcs[i - 1][j - 1] + 1 : std::max(lcs[i - 1][j], lcs[i][j - 1]);
    return static_cast<double>(lcs[wa.size()][wb.size()]) / static_cast<double>(std::max(wa.size(), wb.size()));
}

} // namespace

TEST(SunSignContent, PairTextsHaveTheStatedSharingAndForm)
{
    std::set<std::string> distinct;
    int shared = 0, twoWordings = 0;
    for (int i = 0; i < 12; ++i) {
        for (int j = 0; j < 12; ++j) {
            const std::string t = PairText(i, j);
            const std::string key = sign(i) + "-" + sign(j);
            ASSERT_FALSE(t.empty()) << key;
            distinct.insert(t);
            EXPECT_GE(length(t), 779u) << key;
            EXPECT_LE(length(t), 1227u) << key;
            EXPECT_FALSE(contains(t, "\n") || contains(t, "\r")) << key << " is one paragraph";
            const std::string a = sign(i) == "Aquarius" && i == j ? "Aquarians" : sign(i);
            EXPECT_TRUE(contains(t, a)) << key;
            EXPECT_TRUE(contains(t, sign(j) == "Aquarius" && i == j ? "Aquarians" : sign(j))) << key;
            if (i >= j)
                continue;
            const std::string back = PairText(j, i);
            if (TwoWordings.count({sign(i), sign(j)})) {
                ++twoWordings;
                EXPECT_NE(t, back) << key;
                EXPECT_GT(closeness(t, back), 0.85) << key << " two wordings of one paragraph";
            } else {
                ++shared;
                EXPECT_EQ(t, back) << key;
            }
        }
    }
    EXPECT_EQ(distinct.size(), 94u);
    EXPECT_EQ(shared, 50);
    EXPECT_EQ(twoWordings, 16);
    EXPECT_EQ(PairText(0, 0).rfind("Aries and Aries have a quick and fiery relationship", 0), 0u);
}

TEST(SunSignContent, NoParagraphServesTwoDifferentPairsOfSigns)
{
    std::map<std::string, std::set<std::pair<int, int>>> owners;
    for (int i = 0; i < 12; ++i)
        for (int j = 0; j < 12; ++j)
            owners[PairText(i, j)].insert({std::min(i, j), std::max(i, j)});
    for (const auto& [text, pairs] : owners)
        EXPECT_EQ(pairs.size(), 1u) << text.substr(0, 60);
}

TEST(SunSignContent, TraitsHaveTheirLengthsAndOpenings)
{
    struct Row {
        const char* sign;
        long positive;
        const char* positiveOpening;
        long negative;
        const char* negativeOpening;
    };
    const Row rows[] = {
        {"Aries", 727, "You may be pioneers in your fields", 604, "You may be arrogant and domineering"},
        {"Taurus", 755, "You are patient and enduring in nature", 405, "You are very stubborn and inflexible"},
        {"Gemini", 745, "You are very adjusting in nature", 526, "You are inconsistent in your performance"},
        {"Cancer", 866, "You are very sensitive in nature", 572,
         "You are very moody and do not stand by your decisions"},
        {"Leo", 999, "You are leaders and have a magnetic personality", 646, "You have a violent temper"},
        {"Virgo", 513, "You are very modest by nature", 331, "Your need for neatness may make them fussy and finicky"},
        {"Libra", 717, "You are highly diplomatic individuals", 366, "You cannot take make decisions for themselves"},
        {"Scorpio", 702, "You are intense and strong willed people", 506, "Your bluntness may hurt"},
        {"Sagittarius", 874, "You are a happy go lucky", 378, "You may be too outspoken for your own good"},
        {"Capricorn", 732, "You are people with a traditional frame of mind", 549,
         "You are very rigid in nature and not susceptible to changes"},
        {"Aquarius", 754, "You are magnetic in nature", 655, "You do not make friends very easily"},
        {"Pisces", 681, "You are very adjusting, friendly and good- natured people", 415,
         "You want people to sympathize with your personal problems"},
    };
    static_assert(std::extent_v<decltype(rows)> == 12, "one row for each sign");
    for (const Row& r : rows) {
        LoadSunSignDetails(r.sign);
        const auto& d = state().SunSignDetails;
        const std::pair<const std::string*, long> paragraphs[] = {{&d.PositiveTraits, r.positive},
                                                                  {&d.NegativeTraits, r.negative}};
        for (const auto& [text, stated] : paragraphs) {
            const std::string& t = *text;
            EXPECT_EQ(codePoints(t), stated) << r.sign << ": " << t.substr(0, 40);
            // Written prose, not padding: no doubled or trailing blanks, and a closing full stop.
            EXPECT_FALSE(contains(t, "  ")) << r.sign << ": " << t.substr(0, 40);
            EXPECT_FALSE(t.empty() || t.front() == ' ' || t.back() == ' ') << r.sign;
            EXPECT_EQ(t.empty() ? ' ' : t.back(), '.') << r.sign << ": " << t.substr(0, 40);
            EXPECT_FALSE(contains(t, "\n") || contains(t, "\r")) << r.sign << " is one paragraph";
        }
        EXPECT_EQ(d.PositiveTraits.rfind(r.positiveOpening, 0), 0u) << r.sign;
        EXPECT_EQ(d.NegativeTraits.rfind(r.negativeOpening, 0), 0u) << r.sign;
        // Only Leo's positive text is kept in two pieces.
        EXPECT_EQ(TraitPieces(r.sign, "PositiveTraits").size(), std::string_view(r.sign) == "Leo" ? 2u : 1u) << r.sign;
        EXPECT_EQ(TraitPieces(r.sign, "NegativeTraits").size(), 1u) << r.sign;
    }
}

TEST(SunSignContent, LeosPositiveTextIsTwoPiecesShownJoined)
{
    const auto pieces = TraitPieces("Leo", "PositiveTraits");
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(codePoints(pieces[0]), 263);
    EXPECT_EQ(codePoints(pieces[1]), 736);
    EXPECT_EQ(pieces[1].rfind("You love drama and being cast in the main role", 0), 0u);
    // Nothing is put between the pieces, so the first one carries the blank after its last sentence.
    EXPECT_TRUE(pieces[0].ends_with(". ")) << pieces[0];
    LoadSunSignDetails("Leo");
    EXPECT_EQ(state().SunSignDetails.PositiveTraits, pieces[0] + pieces[1]);
    EXPECT_TRUE(TraitPieces("leo", "PositiveTraits").empty());
}

TEST(SunSignContent, FamousPeopleAreBornUnderTheirSign)
{
    const char* months[12] = {"January", "February", "March",     "April",   "May",      "June",
                              "July",    "August",   "September", "October", "November", "December"};
    for (int i = 0; i < 12; ++i) {
        const auto people = FamousPersonList(sign(i));
        const size_t expected = (sign(i) == "Sagittarius" || sign(i) == "Capricorn") ? 7 : sign(i) == "Leo" ? 6 : 5;
        EXPECT_EQ(people.size(), expected) << sign(i);
        for (const FamousPerson& p : people) {
            ASSERT_EQ(p.born.size(), 10u) << p.name;
            const int month = std::stoi(p.born.substr(5, 2));
            const std::string day = std::to_string(std::stoi(p.born.substr(8, 2)));
            EXPECT_EQ(GetSunSign(months[month - 1], day), sign(i)) << p.name << " " << p.born;
        }
        LoadSunSignDetails(sign(i));
        const std::string& joined = state().SunSignDetails.FamousPersons;
        EXPECT_GE(length(joined), 70u) << sign(i);
        EXPECT_LE(length(joined), 110u) << sign(i);
        EXPECT_EQ(joined.rfind(people.front().name + ", ", 0), 0u);
    }
}
