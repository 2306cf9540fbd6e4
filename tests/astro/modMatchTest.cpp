#include "modMatch.h"

#include "TimeZoneTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

using namespace modMatch;

namespace {

class TimeZoneValues : public ::testing::Test {
protected:
    void SetUp() override { LoadTimeZoneTable(); }
};

// Hours to add to local time to reach universal time, by row position.
constexpr int ExpectedHours[71] = {
    9, 10, 9, 4, 3, -10, -9, -11, -10, -9,       // 0..9
    -8, 2, -3, 11, 3, -2, -1, -2, 5, -2,         // 10..19
    -1, 6, 5, -8, 4, -3, -2, 5, 4, 0,            // 20..29
    -10, 9, 10, 9, -5, -12, 12, -3, -9, -7,      // 30..39
    -2, -1, -8, 6, 7, 6, -13, -12, -12, -11,     // 40..49
    3, 11, -6, 7, 8, 7, -10, -10, -9, -9,        // 50..59
    -7, 0, -11, -4, -5, -6, -7, 1, 8, 9, 8,      // 60..70
};

const std::set<int> EastHalfHours = {5, 6, 34, 37, 39, 42, 48, 49, 52, 56, 57, 58, 59};
const std::set<int> WestHalfHours = {31, 32, 33, 50};

} // namespace

TEST_F(TimeZoneValues, EveryRowGivesItsSignedHoursAndMinutes)
{
    const State& s = state();
    for (int i = 0; i < 71; ++i) {
        const auto u = static_cast<size_t>(i);
        EXPECT_EQ(s.TimeZoneHours[u], std::to_string(ExpectedHours[i])) << "row " << i;
        const char* minutes = EastHalfHours.count(i) ? "-30" : WestHalfHours.count(i) ? "30" : "0";
        EXPECT_EQ(s.TimeZoneMinutes[u], minutes) << "row " << i;
    }
}

TEST_F(TimeZoneValues, NamesAreTheSharedRowTextsAndPositionSeventyOneStaysEmpty)
{
    const State& s = state();
    for (int i = 0; i < 71; ++i)
        EXPECT_EQ(s.TimeZoneName[static_cast<size_t>(i)], timezones::rowText(i)) << "row " << i;
    EXPECT_EQ(s.TimeZoneName[0], "Alaska/Hawaii Daylight Time,AHDT,-9.0");
    EXPECT_EQ(s.TimeZoneName[70], "Yukon War Time,YWT,-8.0");
    EXPECT_TRUE(s.TimeZoneName[71].empty());
    EXPECT_TRUE(s.TimeZoneHours[71].empty());
    EXPECT_TRUE(s.TimeZoneMinutes[71].empty());
}

TEST_F(TimeZoneValues, NamedRows)
{
    struct Case {
        int row;
        const char* hours;
        const char* minutes;
    };
    const Case cases[] = {
        {29, "0", "0"},     // Greenwich, "0.0"
        {61, "0", "0"},     // universal time, "0.0"
        {34, "-5", "-30"},  // "+5.3" is five and a half hours east
        {50, "3", "30"},    // "-3.5"
        {46, "-13", "0"},   // "+13.0", the largest shift
        {36, "12", "0"},    // "-12.0"
        {0, "9", "0"},      // "-9.0"
        {5, "-10", "-30"},  // "+10.5"
        {31, "9", "30"},    // "-9.5"
    };
    for (const auto& c : cases) {
        EXPECT_EQ(state().TimeZoneHours[static_cast<size_t>(c.row)], c.hours) << "row " << c.row;
        EXPECT_EQ(state().TimeZoneMinutes[static_cast<size_t>(c.row)], c.minutes) << "row " << c.row;
    }
}

// The whole hours are cut off, never rounded: rounding half to even would
// give "+9.5" ten hours and "-10.5" ten, rounding half up "+10.5" eleven.
TEST_F(TimeZoneValues, HalfHourRowsKeepTheirWholeHoursWhateverTheRounding)
{
    for (int i = 0; i < 71; ++i) {
        const std::string text(timezones::rowText(i));
        const std::string offset = text.substr(text.rfind(',') + 1);
        const double hoursEast = std::stod(offset);
        const bool half = EastHalfHours.count(i) || WestHalfHours.count(i);
        const double whole = std::trunc(hoursEast);
        EXPECT_EQ(half, whole != hoursEast) << text;
        EXPECT_EQ(std::stoi(state().TimeZoneHours[static_cast<size_t>(i)]), static_cast<int>(-whole)) << text;
        if (half) {
            // A half hour carries the sign of the hours: east of Greenwich both negative.
            const int minutes = std::stoi(state().TimeZoneMinutes[static_cast<size_t>(i)]);
            EXPECT_EQ(minutes, hoursEast > 0 ? -30 : 30) << text;
        }
    }
}

TEST_F(TimeZoneValues, LoadingAgainWritesTheSameValues)
{
    const State before = state();
    state().TimeZoneHours[3] = "x";
    state().TimeZoneMinutes[34] = "x";
    LoadTimeZoneTable();
    EXPECT_EQ(state().TimeZoneName, before.TimeZoneName);
    EXPECT_EQ(state().TimeZoneHours, before.TimeZoneHours);
    EXPECT_EQ(state().TimeZoneMinutes, before.TimeZoneMinutes);
}
