#include "MoonSignRules.h"

#include "TimeZoneTable.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace moonsign;

TEST(MoonSignRules, CoordinateBoxesTakeDecimalNumbersWithinTheirRange)
{
    struct Case {
        const char* text;
        double maximum;
        bool accepted;
    };
    const Case cases[] = {
        {"179", 179, true},   {"178.5", 179, true}, {"0", 179, true},     {" 12 ", 179, true},
        {"+5", 179, true},    {"-0", 179, true},    {".5", 59, true},     {"5.", 59, true},
        {"5.5", 59, true},    {"59", 59, true},     {"89", 89, true},
        {"180", 179, false},  {"179.5", 179, false}, {"-1", 179, false},  {"", 179, false},
        {"   ", 179, false},  {"abc", 179, false},  {"12abc", 179, false}, {"a", 179, false},
        {"1.2.3", 179, false}, {".", 59, false},    {"+", 59, false},     {"1e1", 59, false},
        {"1,5", 59, false},   {"60", 59, false},    {"90", 89, false},    {"inf", 179, false},
        {"0x10", 179, false}, {"1 2", 179, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CoordinateAccepted(c.text, c.maximum), c.accepted) << '"' << c.text << "\" max " << c.maximum;
}

TEST(MoonSignRules, WholeNumbersRoundHalfToEven)
{
    const std::pair<const char*, int> cases[] = {
        {"12.5", 12}, {"13.5", 14}, {"178.5", 178}, {"5.5", 6}, {"0.5", 0}, {" 7 ", 7},
        {"59.4", 59}, {"-2.5", -2}, {"+3", 3},      {"2050", 2050}, {"0", 0}, {".6", 1},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(WholeNumber(text), value) << text;
    EXPECT_THROW(WholeNumber(""), std::invalid_argument);
    EXPECT_THROW(WholeNumber("12abc"), std::invalid_argument);
    EXPECT_THROW(WholeNumber("40000"), std::out_of_range);
}

TEST(MoonSignRules, ZoneValuesOfTheRows)
{
    struct Case {
        int row;
        int hours, minutes;
    };
    const Case cases[] = {
        {0, 9, 0},    // AHDT -9.0
        {5, -10, -30}, // ACDT +10.5, east: minutes with the hours' sign
        {6, -9, -30},
        {29, 0, 0},   // GMT
        {31, 9, 30},  // HDT -9.5, west
        {32, 10, 30},
        {33, 9, 30},
        {34, -5, -30}, // IST written +5.3, a half hour all the same
        {36, 12, 0},   // IDLW -12.0
        {50, 3, 30},   // Newfoundland -3.5
        {61, 0, 0},    // UT
        {70, 8, 0},
    };
    for (const Case& c : cases) {
        const auto v = ZoneValueEntry(c.row);
        ASSERT_TRUE(v) << c.row;
        EXPECT_EQ(v->hours, c.hours) << c.row;
        EXPECT_EQ(v->minutes, c.minutes) << c.row;
    }
    // Seventeen half-hour rows; the four west of Greenwich give +30.
    int east = 0, west = 0;
    for (int row = 0; row < timezones::RowCount; ++row) {
        const auto v = ZoneValueEntry(row);
        ASSERT_TRUE(v) << row;
        if (v->minutes == -30)
            ++east;
        if (v->minutes == 30)
            ++west;
    }
    EXPECT_EQ(east, 13);
    EXPECT_EQ(west, 4);
    EXPECT_FALSE(ZoneValueEntry(-1));
    EXPECT_FALSE(ZoneValueEntry(71));
}

TEST(MoonSignRules, PartnersRowsShowTheOffsetWithTheOtherSign)
{
    const std::pair<int, const char*> cases[] = {
        {0, "Alaska/Hawaii Daylight Time,AHDT,9.0"},
        {5, "Australian Central Daylight Time,ACDT,-10.5"},
        {8, "Australian Eastern Standard Time,AEST,-10.0"},
        {11, "Azores Time, AT, 2#"},
        {12, "Baghdad Time, BAT, -3#"},
        {29, "Greenwich Mean Time,GMT,0.0"},
        {34, "Indian Time, IST, -5.3"},
        {37, "Iran Time, IT, -3.5"},
        {51, "Nome Time, NT, 11#"},
        {61, "Universal Time, UT, 0#"},
        {70, "Yukon War Time,YWT,8.0"},
    };
    for (const auto& [row, text] : cases)
        EXPECT_EQ(PartnerZoneRowText(row), text) << row;
    EXPECT_EQ(PartnerZoneRowText(71), "");
    // Every row keeps its name and abbreviation.
    for (int row = 0; row < timezones::RowCount; ++row) {
        const std::string_view mine = timezones::rowText(row);
        const std::string partner = PartnerZoneRowText(row);
        const auto cut = mine.rfind(',');
        EXPECT_EQ(partner.substr(0, cut + 1), mine.substr(0, cut + 1)) << row;
    }
}

TEST(MoonSignRules, SignCodesGiveSignNames)
{
    EXPECT_EQ(SignNameOfCode("Ari"), "Aries");
    EXPECT_EQ(SignNameOfCode("Sco"), "Scorpio");
    EXPECT_EQ(SignNameOfCode("Sag"), "Sagittarius");
    EXPECT_EQ(SignNameOfCode("Pis"), "Pisces");
    EXPECT_FALSE(SignNameOfCode("ari"));
    EXPECT_FALSE(SignNameOfCode("AriTau"));
    EXPECT_FALSE(SignNameOfCode(""));
    EXPECT_FALSE(SignNameOfCode("riT"));
    EXPECT_EQ(SignCodeOfPosition("13 Sco 18"), "Sco");
    EXPECT_EQ(SignCodeOfPosition("05 Ari"), "Ari");
    EXPECT_EQ(SignCodeOfPosition("05 A"), "A");
    EXPECT_EQ(SignCodeOfPosition("05"), "");
}
