// Shared helpers of the engine tests.
#pragma once

#include "Engine.h"

#include <chrono>
#include <string>
#include <vector>

namespace enginetest {

// Fixes the engine's "today" for the lifetime of the object.
class FixedToday {
public:
    explicit FixedToday(std::chrono::year_month_day date)
    {
        engine::setTodayProvider([date] { return date; });
    }
    ~FixedToday() { engine::setTodayProvider({}); }
    FixedToday(const FixedToday&) = delete;
    FixedToday& operator=(const FixedToday&) = delete;
};

struct Place {
    int longitudeDegrees = 0, longitudeMinutes = 0;
    bool east = false;
    int latitudeDegrees = 0, latitudeMinutes = 0;
    bool south = false;
};

inline engine::BirthRecord birth(int year, int month, int day, int hour, int minute, int zoneHours = 0,
                                 int zoneMinutes = 0, Place place = {}, bool daylightSaving = false)
{
    engine::BirthRecord b;
    b.Month = static_cast<engine::Int16>(month);
    b.Day = static_cast<engine::Int16>(day);
    b.Year = static_cast<engine::Int16>(year);
    b.Hour = static_cast<engine::Int16>(hour);
    b.Minute = static_cast<engine::Int16>(minute);
    b.ZoneHours = static_cast<engine::Int16>(zoneHours);
    b.ZoneMinutes = static_cast<engine::Int16>(zoneMinutes);
    b.LongitudeDegrees = static_cast<engine::Int16>(place.longitudeDegrees);
    b.LongitudeMinutes = static_cast<engine::Int16>(place.longitudeMinutes);
    b.LatitudeDegrees = static_cast<engine::Int16>(place.latitudeDegrees);
    b.LatitudeMinutes = static_cast<engine::Int16>(place.latitudeMinutes);
    b.IsEast = place.east ? -1 : 0;
    b.IsSouth = place.south ? -1 : 0;
    b.IsDaylightSaving = daylightSaving ? -1 : 0;
    return b;
}

// Long position text as the engine writes it: "15° 30' 0\" Tau".
inline std::string longText(int degrees, int minutes, int seconds, const std::string& code)
{
    return std::to_string(degrees) + "\xC2\xB0 " + std::to_string(minutes) + "' " + std::to_string(seconds) + "\" " +
           code;
}

// The moon-sign window's lists, scripted; records which lists were read.
struct FakeMoonSignLists : engine::MoonSignWindowLists {
    std::string mMonth = "January", mDate = "1", mYear = "2000", mHH = "12", mMM = "0";
    std::string fMonth = "January", fDate = "1", fYear = "2000", fHH = "12", fMM = "0";
    std::vector<std::string> reads;

    std::string cboMMonth() override { return read("cboMMonth", mMonth); }
    std::string cboMDate() override { return read("cboMDate", mDate); }
    std::string cboMYear() override { return read("cboMYear", mYear); }
    std::string cboMHH() override { return read("cboMHH", mHH); }
    std::string cboMMM() override { return read("cboMMM", mMM); }
    std::string cboFMonth() override { return read("cboFMonth", fMonth); }
    std::string cboFDate() override { return read("cboFDate", fDate); }
    std::string cboFYear() override { return read("cboFYear", fYear); }
    std::string cboFHH() override { return read("cboFHH", fHH); }
    std::string cboFMM() override { return read("cboFMM", fMM); }

private:
    std::string read(const char* name, const std::string& value)
    {
        reads.emplace_back(name);
        return value;
    }
};

}  // namespace enginetest
