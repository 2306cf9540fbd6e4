#include "VorlaineChineseCompatibility.h"

#include "SignNames.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <set>
#include <string>

using namespace VorlaineChineseCompatibility;
using namespace std::chrono;

namespace {

class ChineseNewYear : public ::testing::Test {
protected:
    void SetUp() override
    {
        state().LastChineseSign.clear();
        state().LastChineseElement.clear();
    }
};

Date ymd(int y, unsigned m, unsigned d) { return Date{year{y}, month{m}, day{d}}; }

std::string show(const Date& d)
{
    return std::to_string(static_cast<int>(d.year())) + "-" + std::to_string(static_cast<unsigned>(d.month())) +
           "-" + std::to_string(static_cast<unsigned>(d.day()));
}

int daysBetween(const Date& from, const Date& to)
{
    return static_cast<int>((sys_days{to} - sys_days{from}).count());
}

} // namespace

TEST_F(ChineseNewYear, RowsFollowOneAnotherWithoutGapOrOverlap)
{
    const auto& table = NewYearTable();
    EXPECT_EQ(table.front().start, ymd(1936, 1, 1));
    EXPECT_EQ(table.back().end, ymd(2020, 1, 24));
    for (size_t k = 0; k + 1 < table.size(); ++k)
        EXPECT_EQ(daysBetween(table[k].end, table[k + 1].start), 1) << "row " << k;
}

TEST_F(ChineseNewYear, EachRowIsOneLunarYearStartingInItsOwnYear)
{
    const auto& table = NewYearTable();
    EXPECT_EQ(daysBetween(table[0].start, table[0].end) + 1, 407);
    const std::set<int> lunarYears = {353, 354, 355, 383, 384, 385};
    for (size_t k = 0; k < table.size(); ++k) {
        const auto& row = table[k];
        ASSERT_TRUE(row.start.ok() && row.end.ok()) << "row " << k;
        EXPECT_EQ(static_cast<int>(row.start.year()), 1936 + static_cast<int>(k)) << "row " << k;
        if (k == 0)
            continue;
        EXPECT_GE(row.start, Date{row.start.year() / January / 21}) << "row " << k;
        EXPECT_LE(row.start, Date{row.start.year() / February / 20}) << "row " << k;
        EXPECT_TRUE(lunarYears.count(daysBetween(row.start, row.end) + 1)) << "row " << k;
    }
}

TEST_F(ChineseNewYear, AnimalsAndElementsFollowTheCycles)
{
    const auto& table = NewYearTable();
    for (size_t k = 0; k < table.size(); ++k) {
        EXPECT_EQ(table[k].animal, Animals[k % 12]) << "row " << k;
        EXPECT_EQ(table[k].element, YearElements[k % 10]) << "row " << k;
    }
    const std::tuple<size_t, std::string_view, std::string_view> named[] = {
        {0, "Rat", "Fire"}, {24, "Rat", "Metal"}, {48, "Rat", "Wood"}, {83, "Pig", "Earth"}};
    for (const auto& [row, animal, element] : named) {
        EXPECT_EQ(table[row].animal, animal);
        EXPECT_EQ(table[row].element, element);
    }
}

TEST_F(ChineseNewYear, BoundaryDates)
{
    struct Case {
        Date date;
        const char* sign;
        const char* element;
    };
    const Case cases[] = {
        {ymd(1936, 1, 1), "Rat", "Fire"},    {ymd(1937, 2, 10), "Rat", "Fire"},
        {ymd(1937, 2, 11), "Ox", "Fire"},    {ymd(1960, 1, 27), "Pig", "Earth"},
        {ymd(1960, 1, 28), "Rat", "Metal"},  {ymd(2008, 2, 6), "Pig", "Fire"},
        {ymd(2008, 2, 7), "Rat", "Earth"},   {ymd(2009, 1, 25), "Rat", "Earth"},
        {ymd(2009, 1, 26), "Ox", "Earth"},   {ymd(2019, 2, 4), "Dog", "Earth"},
        {ymd(2019, 2, 5), "Pig", "Earth"},   {ymd(2019, 12, 31), "Pig", "Earth"},
        {ymd(2020, 1, 24), "Pig", "Earth"},  {ymd(1940, 2, 29), "Dragon", "Metal"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetChineseSign(c.date), c.sign) << show(c.date);
        EXPECT_EQ(GetChineseElement(c.date), c.element) << show(c.date);
    }
}

TEST_F(ChineseNewYear, DatesOutsideTheTableGiveThePreviousResult)
{
    const Date outside[] = {ymd(1935, 12, 31), ymd(2020, 1, 25), ymd(1900, 6, 1), ymd(2050, 1, 1)};
    for (const auto& date : outside) {
        EXPECT_EQ(GetChineseSign(date), "") << show(date);
        EXPECT_EQ(GetChineseElement(date), "") << show(date);
    }

    // First person inside the table, partner outside: both get the first's.
    EXPECT_EQ(GetChineseSign(ymd(1970, 3, 1)), "Dog");
    EXPECT_EQ(GetChineseSign(ymd(2020, 1, 25)), "Dog");
    EXPECT_EQ(GetChineseElement(ymd(1970, 3, 1)), "Metal");
    EXPECT_EQ(GetChineseElement(ymd(1935, 12, 31)), "Metal");

    // Each procedure keeps its own last result.
    EXPECT_EQ(GetChineseSign(ymd(1937, 2, 11)), "Ox");
    EXPECT_EQ(GetChineseElement(ymd(1900, 1, 1)), "Metal");
    EXPECT_EQ(state().LastChineseSign, "Ox");
}

TEST_F(ChineseNewYear, AnImpossibleDateIsOutsideTheTable)
{
    EXPECT_EQ(GetChineseSign(ymd(1970, 3, 1)), "Dog");
    EXPECT_EQ(GetChineseSign(ymd(1941, 2, 29)), "Dog");
    EXPECT_EQ(GetChineseSign(ymd(1970, 13, 1)), "Dog");
}

TEST_F(ChineseNewYear, ReadsDayMonthNameAndYear)
{
    struct Case {
        const char* text;
        std::optional<Date> date;
    };
    const Case cases[] = {
        {"1 January 1936", ymd(1936, 1, 1)},
        {"05 February 2019", ymd(2019, 2, 5)},
        {"10 February 1937", ymd(1937, 2, 10)},
        {"29 February 1940", ymd(1940, 2, 29)},
        {"31 December 2019", ymd(2019, 12, 31)},
        {"  5 March 1970 ", ymd(1970, 3, 5)},
        {"29 February 1941", std::nullopt},
        {"31 April 1970", std::nullopt},
        {"0 March 1970", std::nullopt},
        {"5 march 1970", std::nullopt},
        {"5 Mar 1970", std::nullopt},
        {"March 5, 1970", std::nullopt},
        {"03/05/1970", std::nullopt},
        {"05.03.1970", std::nullopt},
        {"5 März 1970", std::nullopt},
        {"5 March 70", std::nullopt},
        {"5 March 1970 x", std::nullopt},
        {"123 March 1970", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadDateText(c.text), c.date) << '"' << c.text << '"';
}

// Reading the date through the user's regional settings silently gave other
// dates (or none) outside US English; the text is now read the same way under
// any settings.
TEST_F(ChineseNewYear, ReadingDoesNotDependOnRegionalSettings)
{
    struct CommaDecimal : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
        char do_thousands_sep() const override { return '.'; }
        std::string do_grouping() const override { return "\3"; }
    };
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    const std::string previousC = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "C.UTF-8");

    EXPECT_EQ(ReadDateText("05 February 2019"), ymd(2019, 2, 5));
    EXPECT_EQ(ReadDateText("11 February 1937"), ymd(1937, 2, 11));
    EXPECT_EQ(ReadDateText("3 May 1970"), ymd(1970, 5, 3));

    std::locale::global(previous);
    std::setlocale(LC_ALL, previousC.c_str());
}

// Every date the input lists can form is read as that date and lies in the table.
TEST_F(ChineseNewYear, EveryDateOfTheInputListsFindsItsYear)
{
    for (int y = 1936; y <= 2019; ++y)
        for (unsigned m = 1; m <= 12; ++m)
            for (unsigned d = 1; d <= 31; ++d) {
                const std::string text = std::to_string(d) + " " +
                                         std::string(signs::MonthNames[m - 1]) + " " + std::to_string(y);
                const Date expected = ymd(y, m, d);
                const auto read = ReadDateText(text);
                if (!expected.ok()) {
                    EXPECT_FALSE(read.has_value()) << text;
                    continue;
                }
                ASSERT_EQ(read, expected) << text;
                state().LastChineseSign = "none";
                EXPECT_NE(GetChineseSign(*read), "none") << text;
            }
}
