#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The fixed list of 71 time zones that every birth-place input offers.
//
// A row is identified by its index 0..70 only: neither names, abbreviations nor
// values are unique. Each consumer maps the index to what it needs.
//
//   timezones::RowCount          71
//   timezones::rowText(i)        the exact display text, e.g. "Azores Time, AT, -2.0"
//                                (empty for an index outside 0..70)
//   timezones::zone(i)           {zoneHours, zoneMinutes} or std::nullopt outside 0..70
//   timezones::rows()            the whole table, in display order
//
// zoneHours is what to add to local time to reach universal time (9 for "-9.0",
// -10 for "+10.5"); zoneMinutes is 30 for a half-hour zone, else 0, and is never
// negative - the direction is carried by the sign of zoneHours alone.
// formatZoneValue() writes either value as the input boxes expect it: decimal,
// leading "-" when negative, no plus sign, no leading zeros ("-10", "9", "0", "30").
namespace timezones {

struct TimeZoneRow {
    std::string_view text;
    int zoneHours;
    int zoneMinutes;
};

struct ZoneValues {
    int zoneHours;
    int zoneMinutes;
    friend bool operator==(const ZoneValues &, const ZoneValues &) = default;
};

inline constexpr int RowCount = 71;

const std::array<TimeZoneRow, RowCount> &rows();
std::string_view rowText(int index);
std::optional<ZoneValues> zone(int index);
std::string formatZoneValue(int value);

} // namespace timezones
