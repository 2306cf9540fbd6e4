#include "NumerologyNumbers.h"

#include "SignNames.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace NumerologyNumbers {

namespace {

// Pair text of key ab at [a - 1][b - 1]. A key and its mirror share a text,
// except the doubles and 12/21, 13/31 and 38/83, which have texts of their own.
constexpr int PairTexts[9][9] = {
    {1, 2, 3, 4, 5, 6, 7, 8, 9},           // 11..19
    {10, 11, 12, 13, 14, 15, 16, 17, 18},  // 21..29
    {19, 12, 20, 21, 22, 23, 24, 25, 26},  // 31..39
    {4, 13, 21, 27, 28, 29, 30, 31, 32},   // 41..49
    {5, 14, 22, 28, 33, 34, 35, 36, 37},   // 51..59
    {6, 15, 23, 29, 34, 38, 39, 40, 41},   // 61..69
    {7, 16, 24, 30, 35, 39, 42, 43, 44},   // 71..79
    {8, 17, 45, 31, 36, 40, 43, 46, 47},   // 81..89
    {9, 18, 26, 32, 37, 41, 44, 47, 48},   // 91..99
};

// A decimal text split into its whole part and how its fraction compares with
// one half, which is all that rounding half to even needs.
enum class Fraction { Zero, BelowHalf, Half, AboveHalf };

struct Decimal {
    bool negative = false;
    std::int64_t whole = 0;
    Fraction fraction = Fraction::Zero;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

Decimal readDecimal(std::string_view text)
{
    std::size_t pos = 0;
    std::size_t end = text.size();
    while (pos < end && text[pos] == ' ')
        ++pos;
    while (end > pos && text[end - 1] == ' ')
        --end;

    Decimal d;
    if (pos < end && (text[pos] == '+' || text[pos] == '-'))
        d.negative = text[pos++] == '-';

    std::size_t digits = 0;
    for (; pos < end && isDigit(text[pos]); ++pos, ++digits) {
        if (__builtin_mul_overflow(d.whole, 10, &d.whole) ||
            __builtin_add_overflow(d.whole, text[pos] - '0', &d.whole))
            throw std::out_of_range("number too large");
    }
    if (pos < end && text[pos] == '.') {
        ++pos;
        const std::size_t first = pos;
        for (; pos < end && isDigit(text[pos]); ++pos, ++digits) {
        }
        const std::string_view frac = text.substr(first, pos - first);
        const auto nonZero = [](std::string_view s) { return s.find_first_not_of('0') != s.npos; };
        if (frac.empty() || !nonZero(frac))
            d.fraction = Fraction::Zero;
        else if (frac[0] < '5')
            d.fraction = Fraction::BelowHalf;
        else if (frac[0] > '5' || nonZero(frac.substr(1)))
            d.fraction = Fraction::AboveHalf;
        else
            d.fraction = Fraction::Half;
    }
    if (digits == 0 || pos != end)
        throw std::invalid_argument("not a number: " + std::string(text));
    if (d.negative && d.whole == 0 && d.fraction == Fraction::Zero)
        d.negative = false;
    return d;
}

// base + value, rounded to the nearest whole number, halves to the even one.
std::int64_t addRounded(std::int64_t base, const Decimal& value)
{
    std::int64_t floor = 0;
    Fraction above = value.fraction; // base + value = floor + above
    if (!value.negative) {
        if (__builtin_add_overflow(base, value.whole, &floor))
            throw std::out_of_range("number too large");
    } else {
        std::int64_t whole = value.whole;
        if (value.fraction != Fraction::Zero) {
            // -(w + f) = -(w + 1) + (1 - f)
            if (__builtin_add_overflow(whole, 1, &whole))
                throw std::out_of_range("number too large");
            if (above == Fraction::BelowHalf)
                above = Fraction::AboveHalf;
            else if (above == Fraction::AboveHalf)
                above = Fraction::BelowHalf;
        }
        if (__builtin_sub_overflow(base, whole, &floor))
            throw std::out_of_range("number too large");
    }
    const bool up = above == Fraction::AboveHalf || (above == Fraction::Half && floor % 2 != 0);
    if (up && __builtin_add_overflow(floor, 1, &floor))
        throw std::out_of_range("number too large");
    return floor;
}

// Digit sum of the total; a sum of two or more digits becomes its first plus
// its last digit, once; then 10 becomes 1. 11 is left as it is.
int reduce(std::int64_t total)
{
    const std::uint64_t magnitude =
        total < 0 ? 0 - static_cast<std::uint64_t>(total) : static_cast<std::uint64_t>(total);
    int digitSum = 0;
    for (const char c : std::to_string(magnitude))
        digitSum += c - '0';
    const std::string sumDigits = std::to_string(digitSum);
    int result = digitSum;
    if (sumDigits.size() >= 2)
        result = (sumDigits.front() - '0') + (sumDigits.back() - '0');
    return result == 10 ? 1 : result;
}

const std::vector<std::string>& pairTexts()
{
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> out(PairTextCount);
        const auto doc = nlohmann::json::parse(content::numerologyJson(), nullptr, false);
        if (!doc.is_object())
            return out;
        const auto list = doc.find("texts");
        if (list == doc.end() || !list->is_array())
            return out;
        for (std::size_t i = 0; i < out.size() && i < list->size(); ++i)
            if ((*list)[i].is_string())
                out[i] = (*list)[i].get<std::string>();
        return out;
    }();
    return texts;
}

} // namespace

int SingleDigitNumber(const std::string& dt, const std::string& mon, const std::string& yr)
{
    std::int64_t total = addRounded(0, readDecimal(dt));
    total += signs::monthNumber(mon);
    total = addRounded(total, readDecimal(yr));
    return reduce(total);
}

std::string UpperCaseName(std::string_view name)
{
    std::string out(name);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

int StringToNumber(const std::string& name)
{
    std::int64_t sum = 0;
    for (const char c : name)
        if (c >= 'A' && c <= 'Z')
            sum += (c - 'A') % 9 + 1;
    return SingleDigitNumber(std::to_string(sum), "0", "0");
}

int PairTextNumber(int key)
{
    const int a = key / 10;
    const int b = key % 10;
    if (key < 11 || key > 99 || b == 0)
        return 0;
    return PairTexts[a - 1][b - 1];
}

std::string GetNumberPairDescription(const std::string& key)
{
    const Decimal number = readDecimal(key);
    if (number.negative || number.fraction != Fraction::Zero || number.whole > 99)
        return {};
    const int text = PairTextNumber(static_cast<int>(number.whole));
    if (text == 0)
        return {};
    return pairTexts()[static_cast<std::size_t>(text - 1)];
}

} // namespace NumerologyNumbers
