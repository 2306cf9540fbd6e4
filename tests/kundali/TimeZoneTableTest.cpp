#include "TimeZoneTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using timezones::RowCount;

std::vector<std::string> splitFields(std::string_view text)
{
    std::vector<std::string> fields(1);
    for (char c : text) {
        if (c == ',')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

std::string stripBlanks(std::string s)
{
    std::erase(s, ' ');
    return s;
}

// Reads the zone values back out of a row text, the way a person reads the table.
timezones::ZoneValues valuesFromText(std::string_view text)
{
    const auto offset = stripBlanks(splitFields(text).at(2));
    const bool west = offset.front() == '-';
    const auto unsignedPart = (offset.front() == '-' || offset.front() == '+') ? offset.substr(1) : offset;
    const auto point = unsignedPart.find('.');
    const int hours = std::stoi(unsignedPart.substr(0, point));
    const char fraction = unsignedPart.at(point + 1);
    return {west ? hours : -hours, fraction == '0' ? 0 : 30};
}

} // namespace

TEST(TimeZoneTable, EveryRowsValuesFollowFromItsOffsetText)
{
    ASSERT_EQ(timezones::rows().size(), 71u);
    for (int i = 0; i < RowCount; ++i) {
        SCOPED_TRACE(i);
        const auto text = timezones::rowText(i);
        const auto z = timezones::zone(i);
        ASSERT_TRUE(z.has_value());
        EXPECT_EQ(*z, valuesFromText(text)) << text;
        EXPECT_GE(z->zoneHours, -13);
        EXPECT_LE(z->zoneHours, 12);
    }
}

TEST(TimeZoneTable, RowTextShape)
{
    const std::set<int> spaced = {11, 12, 34, 37, 39, 42, 51, 61};
    for (int i = 0; i < RowCount; ++i) {
        SCOPED_TRACE(i);
        const auto text = timezones::rowText(i);
        EXPECT_GE(text.size(), 19u);
        EXPECT_LE(text.size(), 43u);
        const auto fields = splitFields(text);
        ASSERT_EQ(fields.size(), 3u);
        const bool blankAfterComma = fields[1].starts_with(' ') && fields[2].starts_with(' ');
        EXPECT_EQ(blankAfterComma, spaced.contains(i)) << text;
        if (blankAfterComma) {
            EXPECT_FALSE(fields[1].substr(1).starts_with(' '));
            EXPECT_FALSE(fields[2].substr(1).starts_with(' '));
        } else {
            EXPECT_FALSE(fields[1].starts_with(' '));
            EXPECT_FALSE(fields[2].starts_with(' '));
        }
        const auto abbreviation = stripBlanks(fields[1]);
        EXPECT_GE(abbreviation.size(), 2u);
        EXPECT_LE(abbreviation.size(), 4u);
        const auto offset = stripBlanks(fields[2]);
        EXPECT_EQ(offset == "0.0", i == 29 || i == 61) << "only two rows carry no sign";
    }
}

TEST(TimeZoneTable, HalfHourRowsAreExactlyTheSeventeen)
{
    const std::set<int> halfHour = {5, 6, 31, 32, 33, 34, 37, 39, 42, 48, 49, 50, 52, 56, 57, 58, 59};
    for (int i = 0; i < RowCount; ++i)
        EXPECT_EQ(timezones::zone(i)->zoneMinutes, halfHour.contains(i) ? 30 : 0) << i;
}

TEST(TimeZoneTable, RowOrderByAbbreviation)
{
    // The order is fixed: every list shows the rows under these indexes.
    const std::vector<std::string> expected = {
        "AHDT", "AHST", "AHWT", "AST", "AWT", "ACDT", "ACST", "AEDT", "AEST", "AWDT",
        "AWST", "AT", "BAT", "BET", "BZT2", "BDST", "BST", "BWT", "CDT", "CED",
        "CET", "CST", "CWT", "CCT", "EDT", "EED", "EET", "EST", "EWT", "GMT",
        "GST", "HDT", "HST", "HWT", "IST", "IDLE", "IDLW", "IT", "JST", "JT",
        "MED", "MET", "MT", "MDT", "MST", "MWT", "NZST", "NZT", "NZS", "NZ",
        "NST", "NT", "NST", "PDT", "PST", "PWT", "SAD", "SDT", "SAST", "SAT",
        "SST", "UT", "UZ10", "USZ3", "USZ4", "USZ5", "USZ6", "WAT", "YDT", "YST",
        "YWT"};
    ASSERT_EQ(expected.size(), 71u);
    for (int i = 0; i < RowCount; ++i)
        EXPECT_EQ(stripBlanks(splitFields(timezones::rowText(i))[1]), expected[static_cast<std::size_t>(i)]) << i;
}

TEST(TimeZoneTable, NotableRows)
{
    struct Case { int index; std::string_view text; int hours; int minutes; };
    const Case cases[] = {
        {0, "Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},
        {5, "Australian Central Daylight Time,ACDT,+10.5", -10, 30},
        {11, "Azores Time, AT, -2.0", 2, 0},
        {29, "Greenwich Mean Time,GMT,0.0", 0, 0},
        {32, "Hawaiian Standard Time,HST,-10.5", 10, 30},
        {34, "Indian Time, IST, +5.3", -5, 30},
        {35, "Int'l Date Line East,IDLE,+12.0", -12, 0},
        {36, "Int'l Date Line West,IDLW,-12.0", 12, 0},
        {46, "New Zealand Std Summer Time,NZST,+13.0", -13, 0},
        {50, "Newfoundland Standard Time,NST,-3.5", 3, 30},
        {52, "North Sumatra Time,NST,+6.5", -6, 30},
        {56, "South Australia Daylight Time,SAD,+10.5", -10, 30},
        {57, "South Australia Daylight Time,SDT,+10.5", -10, 30},
        {61, "Universal Time, UT, 0.0", 0, 0},
        {62, "USSR Zone 10,UZ10,+11.0", -11, 0},
        {70, "Yukon War Time,YWT,-8.0", 8, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(timezones::rowText(c.index), c.text);
        EXPECT_EQ(*timezones::zone(c.index), (timezones::ZoneValues{c.hours, c.minutes}));
    }
}

TEST(TimeZoneTable, IndexOutsideTableHasNoRow)
{
    for (int i : {-1, 71, 1000}) {
        EXPECT_TRUE(timezones::rowText(i).empty()) << i;
        EXPECT_FALSE(timezones::zone(i).has_value()) << i;
    }
}

TEST(TimeZoneTable, ValuesAsText)
{
    EXPECT_EQ(timezones::formatZoneValue(-13), "-13");
    EXPECT_EQ(timezones::formatZoneValue(-10), "-10");
    EXPECT_EQ(timezones::formatZoneValue(9), "9");
    EXPECT_EQ(timezones::formatZoneValue(0), "0");
    EXPECT_EQ(timezones::formatZoneValue(30), "30");
}
