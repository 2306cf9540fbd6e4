#include "NumerologyNumbers.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

using namespace NumerologyNumbers;

TEST(SingleDigitNumber, BirthDates)
{
    const std::tuple<const char*, const char*, const char*, int> cases[] = {
        {"1", "January", "1900", 3},     // 1902, digit sum 12
        {"31", "December", "2050", 5},   // 2093, 14
        {"15", "March", "1985", 5},      // 2003, 5
        {"29", "February", "1996", 2},   // 2027, 11
        {"6", "May", "2006", 1},         // 2017, 10
        {"1", "January", "1943", 1},     // 1945, 19: 1 + 9 = 10
        {"7", "December", "1980", 1},    // 1999, 28: 2 + 8 = 10
        {"1", "january", "1900", 2},     // month counts nothing: 1901, 11
        {"1", "0", "1900", 2},
        {"1", "", "1900", 2},
        {"07", "July", "1999", 6},       // 2013: the leading zero is ignored
        {"0", "0", "0", 0},
    };
    for (const auto& [dt, mon, yr, expected] : cases)
        EXPECT_EQ(SingleDigitNumber(dt, mon, yr), expected) << dt << " " << mon << " " << yr;
}

TEST(SingleDigitNumber, DigitSumsOf29And38GiveEleven)
{
    // Sums as the name reduction passes them, with month and year "0".
    const std::pair<const char*, int> cases[] = {
        {"2999", 11}, {"3899", 11}, {"3989", 11}, {"3998", 11}, {"29", 2}, {"38", 2}, // 29 and 38 as totals: sum 11
        {"19", 1},    {"9", 9},     {"99999", 9}, {"1000", 1},  {"10", 1},
    };
    for (const auto& [total, expected] : cases)
        EXPECT_EQ(SingleDigitNumber(total, "0", "0"), expected) << total;
}

TEST(SingleDigitNumber, NumbersRoundHalfToEven)
{
    const std::tuple<const char*, const char*, int> cases[] = {
        {"0.5", "1900", 2},     // day 0: 1901
        {"1.5", "1900", 4},     // day 2: 1903
        {"2.5", "1900", 4},     // day 2: 1903
        {"1.49", "1900", 3},    // day 1: 1902
        {"1.51", "1900", 4},    // day 2: 1903
        {"1", "1900.5", 3},     // 1902.5 to 1902
        {"1", "1901.5", 5},     // 1903.5 to 1904
        {"1", "1900.50001", 4}, // above the half: 1903
        {" 1 ", " 1900 ", 3},
        {"+1", "1900", 3},
    };
    for (const auto& [dt, yr, expected] : cases)
        EXPECT_EQ(SingleDigitNumber(dt, "January", yr), expected) << dt << " January " << yr;
}

TEST(SingleDigitNumber, TextsThatAreNoNumbersFail)
{
    for (const char* bad : {"", "abc", "1a", "1 2", ".", "-", "1..2", "½"}) {
        EXPECT_THROW(SingleDigitNumber(bad, "January", "1900"), std::invalid_argument) << bad;
        EXPECT_THROW(SingleDigitNumber("1", "January", bad), std::invalid_argument) << bad;
    }
}

TEST(StringToNumber, Names)
{
    const std::pair<std::string, int> cases[] = {
        {"", 0},        {"abc", 0},   {"ABC", 6},    {"A- B C", 6},  {"LOVE", 9},
        {"NUMBER", 1},  {"ZZ", 7},    {"JS", 2},     {"IR", 9},      {"Ab", 1},
        {"JOSÉ", 8},    // É is not one of A..Z: J1 + O6 + S1
        {"123 !?", 0},
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(StringToNumber(name), expected) << name;
}

TEST(UpperCaseName, OnlyTheLettersAToZChange)
{
    const std::pair<std::string, std::string> cases[] = {
        {"jean-luc o'neil", "JEAN-LUC O'NEIL"},
        {"straße", "STRAßE"},          // no "SS"
        {"josé", "JOSé"},              // é stays as it is
        {"\u0131\u017f\ufb01", "\u0131\u017f\ufb01"}, // dotless i, long s, fi ligature
        {"iri", "IRI"},                // I without a dot, in any locale
        {"ABC 123", "ABC 123"},
        {"", ""},
    };
    for (const auto& [name, upper] : cases)
        EXPECT_EQ(UpperCaseName(name), upper) << name;
}

TEST(UpperCaseName, LettersOutsideAToZCountNothing)
{
    // S1 T2 R9 A1 E5 = 18; were "ß" read as "SS" the sum would be 20.
    EXPECT_EQ(StringToNumber(UpperCaseName("straße")), 9);
    EXPECT_EQ(StringToNumber(UpperCaseName("straße")), StringToNumber("STRAE"));
    EXPECT_NE(StringToNumber(UpperCaseName("straße")), StringToNumber("STRASSE"));
    // Letters that other upper-casing turns into I, S or FI count nothing here.
    EXPECT_EQ(StringToNumber(UpperCaseName("\u0131\u017f\ufb01")), 0);
    EXPECT_EQ(StringToNumber(UpperCaseName("josé")), StringToNumber("JOS"));
    EXPECT_EQ(StringToNumber(UpperCaseName("love")), StringToNumber("LOVE"));
}

TEST(StringToNumber, LetterValuesRunOneToNine)
{
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const int values[26] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6, 7, 8};
    for (size_t i = 0; i < alphabet.size(); ++i)
        EXPECT_EQ(StringToNumber(std::string(1, alphabet[i])), values[i]) << alphabet[i];
}

TEST(StringToNumber, LongNamesDoNotOverflow)
{
    // 333 I's (2997) and a B: letter sum 2999, digit sum 29.
    EXPECT_EQ(StringToNumber(std::string(333, 'I') + "B"), 11);
    // 4,000 I's: 36,000, beyond 16 bits; digit sum 9.
    EXPECT_EQ(StringToNumber(std::string(4000, 'I')), 9);
    // 100,000 Z's: 800,000, digit sum 8.
    EXPECT_EQ(StringToNumber(std::string(100000, 'Z')), 8);
    // 3,641 I's: 32,769, just past the 16-bit range; digit sum 27, 2 + 7 = 9.
    EXPECT_EQ(StringToNumber(std::string(3641, 'I')), 9);
}

TEST(PairTexts, KeysMapOntoTheFortyEightTexts)
{
    // Each text's first key, ascending; the numbering follows it.
    std::vector<int> firstKeyOrder;
    std::map<int, std::set<int>> keysOfText;
    for (int a = 1; a <= 9; ++a)
        for (int b = 1; b <= 9; ++b) {
            const int key = a * 10 + b;
            const int text = PairTextNumber(key);
            ASSERT_GE(text, 1) << key;
            ASSERT_LE(text, PairTextCount) << key;
            if (keysOfText[text].empty())
                firstKeyOrder.push_back(text);
            keysOfText[text].insert(key);
        }
    std::vector<int> numbering(PairTextCount);
    for (int i = 0; i < PairTextCount; ++i)
        numbering[static_cast<size_t>(i)] = i + 1;
    EXPECT_EQ(firstKeyOrder, numbering);

    const std::set<int> ownText = {11, 22, 33, 44, 55, 66, 77, 88, 99, 12, 21, 13, 31, 38, 83};
    for (const auto& [text, keys] : keysOfText) {
        const int key = *keys.begin();
        const int mirror = (key % 10) * 10 + key / 10;
        if (ownText.count(key))
            EXPECT_EQ(keys, std::set<int>{key}) << "text " << text;
        else
            EXPECT_EQ(keys, (std::set<int>{key, mirror})) << "text " << text;
    }
}

TEST(PairTexts, NamedKeys)
{
    const std::pair<int, int> cases[] = {{37, 24}, {73, 24}, {13, 3}, {31, 19}, {12, 2}, {21, 10},
                                         {38, 25}, {83, 45}, {11, 1}, {99, 48}, {45, 28}, {89, 47}};
    for (const auto& [key, text] : cases)
        EXPECT_EQ(PairTextNumber(key), text) << key;
    for (int key : {0, 5, 10, 20, 50, 90, 100, 115, -37})
        EXPECT_EQ(PairTextNumber(key), 0) << key;
}

TEST(PairTexts, Descriptions)
{
    EXPECT_EQ(GetNumberPairDescription("37"), GetNumberPairDescription("73"));
    EXPECT_FALSE(GetNumberPairDescription("37").empty());
    EXPECT_NE(GetNumberPairDescription("13"), GetNumberPairDescription("31"));
    EXPECT_NE(GetNumberPairDescription("12"), GetNumberPairDescription("21"));
    EXPECT_NE(GetNumberPairDescription("38"), GetNumberPairDescription("83"));
    EXPECT_EQ(GetNumberPairDescription("037"), GetNumberPairDescription("37"));
    EXPECT_EQ(GetNumberPairDescription("37.0"), GetNumberPairDescription("37"));

    std::set<std::string> distinct;
    for (int a = 1; a <= 9; ++a)
        for (int b = 1; b <= 9; ++b) {
            const std::string text = GetNumberPairDescription(std::to_string(a * 10 + b));
            EXPECT_FALSE(text.empty()) << a << b;
            distinct.insert(text);
        }
    EXPECT_EQ(distinct.size(), 48u);

    for (const char* none : {"10", "50", "05", "00", "115", "0", "-37", "37.5", "100"})
        EXPECT_EQ(GetNumberPairDescription(none), "") << none;
    EXPECT_THROW(GetNumberPairDescription("x7"), std::invalid_argument);
    EXPECT_THROW(GetNumberPairDescription(""), std::invalid_argument);
}
