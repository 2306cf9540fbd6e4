#include "modVedicCompatibility.h"

#include "KundaliContent.h"
#include "SignNames.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>

namespace modVedicCompatibility {

namespace {

using std::size_t;

State &mutableState()
{
    static State s;
    return s;
}

// Position of an exact text in a list, or -1.
template <size_t N>
int positionOf(const std::array<std::string_view, N> &list, std::string_view text)
{
    for (size_t i = 0; i < N; ++i)
        if (list[i] == text)
            return static_cast<int>(i);
    return -1;
}

// The position whose index text ("0", "1", ...) equals the text, or -1.
// Only the plain decimal form counts: "05" or " 5" are no index texts.
int indexTextPosition(std::string_view text, int count)
{
    for (int i = 0; i < count; ++i)
        if (text == std::to_string(i))
            return i;
    return -1;
}

// Classes as the signs or nakshatras that belong to them, in table order.
struct ClassList {
    std::string_view name;
    std::array<std::string_view, 9> members; // unused slots stay empty
};

std::string classify(std::string &text, const ClassList *lists, size_t count)
{
    if (!text.empty()) {
        for (size_t c = 0; c < count; ++c) {
            for (auto member : lists[c].members) {
                if (!member.empty() && member == text) {
                    text = std::string(lists[c].name);
                    return text;
                }
            }
        }
    }
    return text;
}

constexpr ClassList VarnaLists[] = {
    {"Brahmin", {"Cancer", "Pisces", "Scorpio"}},
    {"Kshatriya", {"Leo", "Aries", "Sagittarius"}},
    {"Vysya", {"Virgo", "Taurus", "Capricorn"}},
    {"Sudra", {"Libra", "Gemini", "Aquarius"}},
};

// Sagittarius is settled before these lists are searched.
constexpr ClassList VasyaLists[] = {
    {"Nara", {"Virgo", "Gemini", "Libra", "Aquarius"}},
    {"Chatushpada", {"Taurus", "Aries", "Leo", "Capricorn"}},
    {"Jala", {"Scorpio", "Cancer", "Pisces"}},
};

constexpr ClassList GanaLists[] = {
    {"Deva", {"Ashwini", "Mrigasira", "Punarvasu", "Pushya", "Hasta", "Swati", "Anuradha", "Shravana", "Revati"}},
    {"Manusha", {"Bharani", "Rohini", "Ardra", "Poorva Phalguni", "Uttara Phalguni", "Purva Ashadha",
                 "Uttara Ashadha", "Poorva Bhadrapada", "Uttara Bhadrapada"}},
    {"Rakshasa", {"Krittika", "Ashlesha", "Magha", "Chitra", "Vishakha", "Jyeshtha", "Moola", "Dhanistha",
                  "Shatabhisha"}},
};

constexpr ClassList NadiLists[] = {
    {"Vatha/Adi", {"Ashwini", "Ardra", "Punarvasu", "Uttara Phalguni", "Hasta", "Jyeshtha", "Moola",
                   "Shatabhisha", "Poorva Bhadrapada"}},
    {"Pitha/Madhya", {"Bharani", "Mrigasira", "Pushya", "Poorva Phalguni", "Chitra", "Anuradha",
                      "Purva Ashadha", "Dhanistha", "Uttara Bhadrapada"}},
    {"Sleshma/Anthya", {"Krittika", "Rohini", "Ashlesha", "Magha", "Swati", "Vishakha", "Uttara Ashadha",
                        "Shravana", "Revati"}},
};

// Row = boy's class, column = girl's class, in the order of the class names.
constexpr std::array<std::array<std::string_view, 4>, 4> Varna = {{
    {{"1", "0", "0", "0"}},
    {{"1", "1", "0", "0"}},
    {{"1", "1", "1", "0"}},
    {{"1", "1", "1", "1"}},
}};

constexpr std::array<std::array<std::string_view, 3>, 3> Vasya = {{
    {{"2", "0.5", "1"}},
    {{"0.5", "2", "0.5"}},
    {{"1", "0", "2"}},
}};

constexpr std::array<std::array<std::string_view, 3>, 3> Gana = {{
    {{"6", "4", "3"}},
    {{"5", "6", "2"}},
    {{"0", "0", "6"}},
}};

constexpr std::array<std::array<std::string_view, 3>, 3> Nadi = {{
    {{"2", "8", "6"}},
    {{"8", "0", "8"}},
    {{"6", "8", "2"}},
}};

// Same Tara index scores nothing, neighbours on the cycle of nine score full.
constexpr std::array<std::array<std::string_view, 9>, 9> makeTara()
{
    std::array<std::array<std::string_view, 9>, 9> t{};
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            const int d = (c - r + 9) % 9;
            t[static_cast<size_t>(r)][static_cast<size_t>(c)] = d == 0 ? "0" : (d == 1 || d == 8) ? "3" : "1.5";
        }
    }
    return t;
}
constexpr auto Tara = makeTara();

// Row = boy's sign, column = girl's sign, Aries to Pisces.
constexpr SignTable Maitri = {{
    {{"5", "3", "1", "4", "5", "1", "3", "5", "5", "1", "1", "5"}}, // Aries
    {{"3", "5", "5", "1", "0", "5", "5", "3", "1", "5", "5", "1"}}, // Taurus
    {{"1", "5", "5", "2", "4", "5", "5", "1", "1", "4", "4", "1"}}, // Gemini
    {{"4", "1", "2", "5", "5", "2", "1", "4", "4", "1", "1", "4"}}, // Cancer
    {{"5", "0", "4", "5", "5", "4", "0", "5", "5", "0", "0", "5"}}, // Leo
    {{"1", "5", "5", "2", "4", "5", "5", "1", "1", "4", "4", "1"}}, // Virgo
    {{"3", "5", "5", "1", "0", "5", "5", "3", "1", "5", "5", "1"}}, // Libra
    {{"5", "3", "1", "4", "5", "1", "3", "5", "5", "1", "1", "5"}}, // Scorpio
    {{"5", "1", "1", "4", "5", "1", "1", "5", "5", "3", "3", "5"}}, // Sagittarius
    {{"1", "5", "4", "1", "0", "4", "5", "1", "3", "5", "5", "3"}}, // Capricorn
    {{"1", "5", "4", "1", "0", "4", "5", "1", "3", "5", "5", "3"}}, // Aquarius
    {{"5", "1", "1", "4", "5", "1", "1", "5", "5", "3", "3", "5"}}, // Pisces
}};

constexpr SignTable makeRashi()
{
    SignTable t{};
    for (auto &row : t)
        for (auto &cell : row)
            cell = "7";
    // Boy's sign -> girl's signs that score nothing.
    constexpr std::array<std::array<int, 4>, 12> zeros = {{
        {{-1, -1, -1, -1}},          // Aries
        {{3, 4, 7, -1}},             // Taurus: Cancer, Leo, Scorpio
        {{-1, -1, -1, -1}},          // Gemini
        {{5, 6, 7, 8}},              // Cancer: Virgo, Libra, Scorpio, Sagittarius
        {{-1, -1, -1, -1}},          // Leo
        {{7, 8, 9, 10}},             // Virgo: Scorpio, Sagittarius, Capricorn, Aquarius
        {{-1, -1, -1, -1}},          // Libra
        {{9, 10, -1, -1}},           // Scorpio: Capricorn, Aquarius
        {{-1, -1, -1, -1}},          // Sagittarius
        {{0, 2, 11, -1}},            // Capricorn: Aries, Gemini, Pisces
        {{-1, -1, -1, -1}},          // Aquarius
        {{1, 2, 3, -1}},             // Pisces: Taurus, Gemini, Cancer
    }};
    for (size_t boy = 0; boy < 12; ++boy)
        for (int girl : zeros[boy])
            if (girl >= 0)
                t[boy][static_cast<size_t>(girl)] = "0";
    return t;
}
constexpr SignTable Rashi = makeRashi();

// Row = boy's nakshatra, column = girl's nakshatra, Ashwini to Revati.
constexpr YoniTable Yoni = {{
    {{"2", "1.5", "3.5", "1.5", "3.5", "3.5", "3.5", "1.5", "1.5", "1.5", "3.5", "1.5", "1", "3.5", "0", "1.5", "3.5", "1.5", "1.5", "1.5", "1.5", "3.5", "3.5", "4", "1.5", "3.5", "3.5"}}, // 0 Ashwini
    {{"1.5", "2", "3.5", "1.5", "3.5", "3.5", "3.5", "1.5", "1.5", "1.5", "3.5", "1.5", "3.5", "3.5", "1.5", "1.5", "3.5", "1.5", "1.5", "1.5", "1.5", "3.5", "1", "3.5", "0", "3.5", "4"}}, // 1 Bharani
    {{"3.5", "3.5", "3", "3.5", "2.5", "2.5", "2.5", "4", "3.5", "3.5", "2.5", "3.5", "2.5", "2.5", "3.5", "3.5", "2.5", "3.5", "3.5", "1", "3.5", "0.5", "2.5", "2.5", "3.5", "2.5", "2.5"}}, // 2 Krittika
    {{"1.5", "1.5", "3.5", "2", "4", "3.5", "3.5", "1.5", "1.5", "1.5", "3.5", "1.5", "3.5", "3.5", "1.5", "1.5", "3.5", "1.5", "1.5", "1.5", "0", "3.5", "3.5", "3.5", "1.5", "3.5", "3.5"}}, // 3 Rohini
    {{"3.5", "3.5", "2.5", "4", "3", "2.5", "2.5", "3.5", "3.5", "3.5", "2.5", "3.5", "2.5", "2.5", "3.5", "3.5", "2.5", "3.5", "3.5", "3.5", "1", "2.5", "2.5", "2.5", "3.5", "2.5", "2.5"}}, // 4 Mrigasira
    {{"3.5", "3.5", "2.5", "3.5", "2.5", "3", "2.5", "3.5", "3.5", "3.5", "2.5", "3.5", "2.5", "2.5", "3.5", "3.5", "0.5", "1", "4", "3.5", "3.5", "2.5", "2.5", "2.5", "3.5", "2.5", "2.5"}}, // 5 Ardra
    {{"3.5", "2.5", "2.5", "3.5", "2.5", "2.5", "3", "3.5", "4", "1", "0.5", "3.5", "2.5", "3.5", "3.5", "3.5", "2.5", "3.5", "3.5", "3.5", "3.5", "2.5", "2.5", "2.5", "3.5", "2.5", "2.5"}}, // 6 Punarvasu
    {{"1.5", "1.5", "4", "1.5", "3.5", "3.5", "3.5", "2", "1.5", "1.5", "3.5", "1.5", "3.5", "3.5", "1.5", "1.5", "3.5", "1.5", "1.5", "0", "1.5", "1", "3.5", "3.5", "1.5", "3.5", "3.5"}}, // 7 Pushya
    {{"1.5", "3.5", "3.5", "1.5", "3.5", "3.5", "4", "1.5", "2", "0", "1", "1.5", "3.5", "3.5", "1.5", "1.5", "3.5", "1.5", "1.5", "1.5", "1.5", "3.5", "3.5", "3.5", "1.5", "3.5", "3.5"}}, // 8 Ashlesha
    {{"0.5", "1.5", "3.5", "1.5", "3.5", "3.5", "0", "1.5", "0", "2", "4", "1.5", "3.5", "3.5", "1.5", "1.5", "3.5", "1.5", "1.5", "1.5", "1.5", "3.5", "3.5", "3.5", "1.5", "3.5", "3.5"}}, // 9 Magha
    {{"3.5", "3.5", "2.5", "3.5", "2.5", "3.5", "0.5", "3.5", "1", "4", "3", "3.5", "2.5", "2.5", "3.5", "3.5", "2.5", "3.5", "3.5", "3.5", "3.5", "2.5", "2.5", "2.5", "3.5", "2.5", "2.5"}}, // 10 Poorva Phalguni
    {{"0.5", "1.5", "3.5", "1.5", "3.5", "2.5", "3.5", "1.5", "1.5", "1.5", "3.5", "2", "3.5", "0", "1.5", "0", "3.5", "1.5", "1.5", "1.5", "1.5", "3.5", "3.5", "3.5", "1.5", "4", "3.5"}}, // 11 Uttara Phalguni
    {{"1.5", "3.5", "2.5", "3.5", "2.5", "3.5", "2.5", "3.5", "3.5", "3.5", "2.5", "3.5", "3", "2.5", "4", "3.5", "2.5", "3.5", "3.5", "3.5", "3.5", "2.5", "2.5", "0.5", "3.5", "2.5", "2.5"}}, // 12 Hasta
    {{"3.5", "3.5", "2.5", "3.5", "2.5", "2.5", "2.5", "3.5", "3.5", "3.5", "2.5", "1", "2.5", "3", "3.5", "4", "2.5", "3.5", "3.5", "3.5", "3.5", "2.5", "2.5", "2.5", "3.5", "0.5", "2.5"}}, // 13 Chitra
    {{"0", "1.5", "3.5", "1.5", "3.5", "2.5", "3.5", "1.5", "1.5", "1.5", "3.5", "1.5", "4", "3.5", "2", "1.5", "1.5", "1.5", "1.5", "1.5", "1.5", "3.5", "3.5", "1", "1.5", "3.5", "3.5"}}, // 14 Swati
    {{"1.5", "1.5", "3.5", "1.5", "3.5", "3.5", "3.5", "1.5", "1.5", "1.5", "3.5", "0", "3.5", "4", "1.5", "2", "3.5", "1.5", "1.5", "1.5", "1.5", "3.5", "3.5", "3.5", "1.5", "1", "3.5"}}, // 15 Vishakha
    {{"3.5", "3.5", "2.5", "3.5", "2.5", "0.5", "2.5", "1.5", "3.5", "3.5", "2.5", "3.5", "2.5", "2.5", "3.5", "3.5", "3", "4", "1", "3.5", "3.5", "2.5", "2.5", "2.5", "3.5", "2.5", "2.5"}}, // 16 Anuradha
    {{"0.5", "1.5", "3.5", "1.5", "3.5", "1", "2.5", "3.5", "1.5", "1.5", "2.5", "1.5", "3.5", "3.5", "1.5", "1.5", "4", "2", "0", "1.5", "1.5", "3.5", "3.5", "3.5", "1.5", "3.5", "3.5"}}, // 17 Jyeshtha
    {{"1.5", "1.5", "3.5", "1.5", "3.5", "4", "3.5", "1.5", "1.5", "1.5", "3.5", "1.5", "3.5", "3.5", "1.5", "1.5", "1", "0", "2", "1.5", "1.5", "3.5", "3.5", "3.5", "1.5", "3.5", "3.5"}}, // 18 Moola
    {{"1.5", "1.5", "1", "1.5", "3.5", "3.5", "3.5", "0", "1.5", "1.5", "3.5", "1.5", "3.5", "3.5", "1.5", "1.5", "3.5", "3.5", "3.5", "2", "1.5", "4", "3.5", "3.5", "1.5", "3.5", "3.5"}}, // 19 Purva Ashadha
    {{"1.5", "1.5", "3.5", "0", "1", "3.5", "3.5", "1.5", "1.5", "1.5", "3.5", "1.5", "3.5", "3.5", "1.5", "1.5", "3.5", "3.5", "3.5", "3.5", "2", "3.5", "3.5", "3.5", "1.5", "3.5", "3.5"}}, // 20 Uttara Ashadha
    {{"3.5", "3.5", "0.5", "3.5", "2.5", "2.5", "3.5", "1", "3.5", "3.5", "3.5", "3.5", "2.5", "2.5", "3.5", "3.5", "2.5", "2.5", "2.5", "4", "3.5", "3", "2.5", "2.5", "3.5", "2.5", "2.5"}}, // 21 Shravana
    {{"3.5", "1", "2.5", "3.5", "2.5", "2.5", "2.5", "3.5", "3.5", "3.5", "2.5", "3.5", "2.5", "2.5", "3.5", "3.5", "2.5", "2.5", "2.5", "2.5", "2.5", "2.5", "3", "2.5", "4", "2.5", "0.5"}}, // 22 Dhanistha
    {{"4", "3.5", "2.5", "3.5", "2.5", "2.5", "2.5", "3.5", "3.5", "3.5", "2.5", "3.5", "0.5", "2.5", "1", "3.5", "2.5", "2.5", "2.5", "2.5", "2.5", "2.5", "2.5", "3", "2.5", "2.5", "2.5"}}, // 23 Shatabhisha
    {{"1.5", "0", "3.5", "1.5", "3.5", "3.5", "3.5", "1.5", "1.5", "1.5", "3.5", "1.5", "3.5", "3.5", "1.5", "1.5", "2.5", "2.5", "2.5", "2.5", "2.5", "2.5", "4", "3.5", "2", "2.5", "1"}}, // 24 Poorva Bhadrapada
    {{"3.5", "3.5", "2.5", "3.5", "2.5", "2.5", "2.5", "3.5", "3.5", "3.5", "2.5", "4", "2.5", "0.5", "3.5", "1", "3.5", "3.5", "3.5", "3.5", "3.5", "3.5", "3.5", "3.5", "3.5", "3", "2.5"}}, // 25 Uttara Bhadrapada
    {{"3.5", "4", "2.5", "3.5", "2.5", "2.5", "2.5", "3.5", "3.5", "3.5", "3.5", "2.5", "2.5", "2.5", "3.5", "1.5", "2.5", "2.5", "2.5", "2.5", "2.5", "2.5", "0.5", "2.5", "1", "2.5", "3"}}, // 26 Revati
}};

// Reads the cell of a class table addressed by two class texts; false when
// either text is not a class of the table.
template <size_t N>
bool classCell(const std::array<std::string_view, N> &classes,
               const std::array<std::array<std::string_view, N>, N> &table,
               std::string_view boy, std::string_view girl, std::string &points)
{
    const int r = positionOf(classes, boy);
    const int c = positionOf(classes, girl);
    if (r < 0 || c < 0)
        return false;
    points = std::string(table[static_cast<size_t>(r)][static_cast<size_t>(c)]);
    return true;
}

// Reads the cell of an index table addressed by two index texts.
template <size_t N>
bool indexCell(const std::array<std::array<std::string_view, N>, N> &table,
               std::string_view boy, std::string_view girl, std::string &points)
{
    const int r = indexTextPosition(boy, static_cast<int>(N));
    const int c = indexTextPosition(girl, static_cast<int>(N));
    if (r < 0 || c < 0)
        return false;
    points = std::string(table[static_cast<size_t>(r)][static_cast<size_t>(c)]);
    return true;
}

} // namespace

const std::string &KutaClasses::boy(int row) const
{
    switch (row) {
    case 0: return BoyVarna;
    case 1: return BoyVasya;
    case 2: return BoyTara;
    case 3: return BoyYoni;
    case 4: return BoyMaitri;
    case 5: return BoyGana;
    case 6: return BoyRashi;
    default: return BoyNadi;
    }
}

const std::string &KutaClasses::girl(int row) const
{
    switch (row) {
    case 0: return GirlVarna;
    case 1: return GirlVasya;
    case 2: return GirlTara;
    case 3: return GirlYoni;
    case 4: return GirlMaitri;
    case 5: return GirlGana;
    case 6: return GirlRashi;
    default: return GirlNadi;
    }
}

State &state() { return mutableState(); }

void resetState() { mutableState() = State{}; }

std::string SignToIndex(std::string &sign)
{
    const int i = signs::signIndex(sign);
    if (i >= 0)
        sign = std::to_string(i);
    return sign;
}

std::string NakshatraToIndex(std::string &name)
{
    const int i = positionOf(NakshatraNames, name);
    if (i >= 0)
        name = std::to_string(i);
    return name;
}

std::string NakshatraToTaraIndex(std::string &name)
{
    const int i = positionOf(NakshatraNames, name);
    if (i >= 0)
        name = std::to_string(i % 9);
    return name;
}

std::string NakshatraToGana(std::string &name) { return classify(name, GanaLists, std::size(GanaLists)); }

std::string NakshatraToNadi(std::string &name) { return classify(name, NadiLists, std::size(NadiLists)); }

std::string SignToVarna(std::string &sign) { return classify(sign, VarnaLists, std::size(VarnaLists)); }

std::string SignToVasya(std::string &sign)
{
    // Sagittarius straddles two groups (human in its first half, quadruped in
    // its second), but only the sign name reaches this point, never the degree.
    // Every Sagittarius moon is therefore taken as quadruped.
    if (sign == "Sagittarius") {
        sign = "Chatushpada";
        return sign;
    }
    return classify(sign, VasyaLists, std::size(VasyaLists));
}

void ComputeVarnaKuta(std::string boySign, std::string girlSign)
{
    auto &s = mutableState();
    SignToVarna(boySign);
    SignToVarna(girlSign);
    s.Classes.BoyVarna = boySign;
    s.Classes.GirlVarna = girlSign;
    classCell(VarnaClasses, Varna, boySign, girlSign, s.VarnaPoints);
}

void ComputeVasyaKuta(std::string boySign, std::string girlSign)
{
    auto &s = mutableState();
    SignToVasya(boySign);
    SignToVasya(girlSign);
    s.Classes.BoyVasya = boySign;
    s.Classes.GirlVasya = girlSign;
    classCell(VasyaClasses, Vasya, boySign, girlSign, s.VasyaPoints);
}

void ComputeMaitriKuta(std::string boySign, std::string girlSign)
{
    auto &s = mutableState();
    s.Classes.BoyMaitri = boySign;
    s.Classes.GirlMaitri = girlSign;
    SignToIndex(boySign);
    SignToIndex(girlSign);
    indexCell(Maitri, boySign, girlSign, s.MaitriPoints);
}

void ComputeRashiKuta(std::string boySign, std::string girlSign)
{
    auto &s = mutableState();
    s.Classes.BoyRashi = boySign;
    s.Classes.GirlRashi = girlSign;
    SignToIndex(boySign);
    SignToIndex(girlSign);
    indexCell(Rashi, boySign, girlSign, s.RashiPoints);
}

void ComputeTaraKuta(std::string boyNakshatra, std::string girlNakshatra)
{
    auto &s = mutableState();
    s.Classes.BoyTara = boyNakshatra;
    s.Classes.GirlTara = girlNakshatra;
    NakshatraToTaraIndex(boyNakshatra);
    NakshatraToTaraIndex(girlNakshatra);
    indexCell(Tara, boyNakshatra, girlNakshatra, s.TaraPoints);
}

void ComputeGanaKuta(std::string boyNakshatra, std::string girlNakshatra)
{
    auto &s = mutableState();
    NakshatraToGana(boyNakshatra);
    NakshatraToGana(girlNakshatra);
    s.Classes.BoyGana = boyNakshatra;
    s.Classes.GirlGana = girlNakshatra;
    classCell(GanaClasses, Gana, boyNakshatra, girlNakshatra, s.GanaPoints);
}

void ComputeNadiKuta(std::string boyNakshatra, std::string girlNakshatra)
{
    auto &s = mutableState();
    NakshatraToNadi(boyNakshatra);
    NakshatraToNadi(girlNakshatra);
    s.Classes.BoyNadi = boyNakshatra;
    s.Classes.GirlNadi = girlNakshatra;
    classCell(NadiClasses, Nadi, boyNakshatra, girlNakshatra, s.NadiPoints);
}

void ComputeYoniKuta(std::string boyNakshatra, std::string girlNakshatra)
{
    auto &s = mutableState();
    s.Classes.BoyYoni = boyNakshatra;
    s.Classes.GirlYoni = girlNakshatra;
    NakshatraToIndex(boyNakshatra);
    NakshatraToIndex(girlNakshatra);
    indexCell(Yoni, boyNakshatra, girlNakshatra, s.YoniPoints);
}

void BuildKutaSummary()
{
    auto &s = mutableState();
    for (int r = 0; r < KutaCount; ++r)
        s.KutaSignificance[static_cast<size_t>(r)] = kundalicontent::kutaSignificance(r);
    s.KutaPoints = {s.VarnaPoints, s.VasyaPoints, s.TaraPoints, s.YoniPoints,
                    s.MaitriPoints, s.GanaPoints, s.RashiPoints, s.NadiPoints};
    for (size_t r = 0; r < AreaOfLife.size(); ++r)
        s.KutaAreaOfLife[r] = std::string(AreaOfLife[r]);
}

std::optional<int> PointsCellValue(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    double value = 0;
    const auto *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (ec != std::errc{} || ptr != end || !std::isfinite(value))
        return std::nullopt;
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (whole < std::numeric_limits<std::int16_t>::min() || whole > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<int>(whole);
}

std::optional<int> ScoreTableTotal(const std::array<std::string, ScoreTableCells> &cells)
{
    int total = 0;
    for (int r = 0; r < KutaCount; ++r) {
        const auto value = PointsCellValue(cells[static_cast<size_t>(5 * r + 3)]);
        if (!value)
            return std::nullopt;
        total += *value;
    }
    if (total < std::numeric_limits<std::int16_t>::min() || total > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return total;
}

std::string_view KutaVerdict(int total)
{
    if (total < 18)
        return "This is a Poor Match";
    if (total < 20)
        return "This is a Fair Match";
    if (total < 25)
        return "This is a Good Match";
    if (total < 33)
        return "This is a Very Good Match";
    return "This is a Excellent Match";
}

std::string KutaSummarySentence(std::string_view totalText)
{
    return "You Have Obtained " + std::string(totalText) + " Points Out Of 36 Points";
}

void FillKutaScoreTable()
{
    auto &s = mutableState();
    auto &cells = s.KutaScoreTable;
    for (int r = 0; r < KutaCount; ++r) {
        const auto base = static_cast<size_t>(5 * r);
        cells[base] = s.Classes.boy(r);
        cells[base + 1] = s.Classes.girl(r);
        cells[base + 2] = std::to_string(r + 1);
        cells[base + 3] = s.KutaPoints[static_cast<size_t>(r)];
        cells[base + 4] = s.KutaAreaOfLife[static_cast<size_t>(r)];
    }
    cells[40] = "36";
    if (const auto total = ScoreTableTotal(cells))
        s.KutaTotal = static_cast<std::int16_t>(*total);
    cells[41] = std::to_string(s.KutaTotal);
    cells[43] = KutaSummarySentence(cells[41]);
    cells[42] = std::string(KutaVerdict(s.KutaTotal));
}

const SignTable &MaitriTable() { return Maitri; }
const YoniTable &YoniPointsTable() { return Yoni; }
const std::array<std::array<std::string_view, 3>, 3> &VasyaTable() { return Vasya; }
const std::array<std::array<std::string_view, 3>, 3> &GanaTable() { return Gana; }
const std::array<std::array<std::string_view, 3>, 3> &NadiTable() { return Nadi; }
const std::array<std::array<std::string_view, 9>, 9> &TaraTable() { return Tara; }

} // namespace modVedicCompatibility
