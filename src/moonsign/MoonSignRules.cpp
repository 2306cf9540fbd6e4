#include "MoonSignRules.h"

#include "SignNames.h"
#include "TimeZoneTable.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace moonsign {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view t)
{
    while (!t.empty() && isBlank(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && isBlank(t.back()))
        t.remove_suffix(1);
    return t;
}

// The value of a plain decimal number text; none for anything else
// (exponents, thousands marks, hex and names such as "inf" included).
std::optional<double> decimalValue(std::string_view text)
{
    const std::string_view t = trimmed(text);
    std::size_t pos = 0;
    bool negative = false;
    if (pos < t.size() && (t[pos] == '+' || t[pos] == '-'))
        negative = t[pos++] == '-';
    std::string number;
    std::size_t digits = 0, points = 0;
    for (; pos < t.size(); ++pos) {
        if (isDigit(t[pos])) {
            ++digits;
        } else if (t[pos] == '.') {
            if (++points > 1)
                return std::nullopt;
        } else {
            return std::nullopt;
        }
        number += t[pos];
    }
    if (digits == 0)
        return std::nullopt;
    if (number.front() == '.')
        number.insert(number.begin(), '0');
    double value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec != std::errc{} || end != number.data() + number.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace

State& state()
{
    static State s;
    return s;
}

bool CoordinateAccepted(std::string_view text, double maximum)
{
    const auto value = decimalValue(text);
    return value && *value >= 0 && *value <= maximum;
}

std::int16_t WholeNumber(std::string_view text)
{
    const auto value = decimalValue(text);
    if (!value)
        throw std::invalid_argument("not a number");
    const double rounded = std::nearbyint(*value); // half to even
    if (rounded < std::numeric_limits<std::int16_t>::min() || rounded > std::numeric_limits<std::int16_t>::max())
        throw std::out_of_range("outside the 16-bit range");
    return static_cast<std::int16_t>(rounded);
}

std::optional<ZoneValues> ZoneValueEntry(int position)
{
    const auto zone = timezones::zone(position);
    if (!zone)
        return std::nullopt;
    // The shared table keeps the minutes unsigned; here they follow the hours.
    const int minutes = zone->zoneHours < 0 ? -zone->zoneMinutes : zone->zoneMinutes;
    return ZoneValues{static_cast<std::int16_t>(zone->zoneHours), static_cast<std::int16_t>(minutes)};
}

std::string PartnerZoneRowText(int position)
{
    switch (position) {
    case 11: return "Azores Time, AT, 2#";
    case 12: return "Baghdad Time, BAT, -3#";
    case 51: return "Nome Time, NT, 11#";
    case 61: return "Universal Time, UT, 0#";
    default: break;
    }
    const std::string_view row = timezones::rowText(position);
    if (row.empty())
        return {};
    std::size_t offset = row.rfind(',') + 1;
    while (offset < row.size() && row[offset] == ' ')
        ++offset;
    std::string out(row.substr(0, offset));
    const std::string_view value = row.substr(offset);
    if (!value.empty() && value.front() == '+')
        out += "-" + std::string(value.substr(1));
    else if (!value.empty() && value.front() == '-')
        out += value.substr(1);
    else
        out += value;
    return out;
}

std::optional<std::string> SignNameOfCode(std::string_view code)
{
    for (std::size_t i = 0; i < signs::SignNames.size(); ++i)
        if (signs::SignCodes.substr(i * 3, 3) == code)
            return std::string(signs::SignNames[i]);
    return std::nullopt;
}

std::string SignCodeOfPosition(std::string_view shortPosition)
{
    if (shortPosition.size() <= 3)
        return {};
    return std::string(shortPosition.substr(3, 3));
}

} // namespace moonsign
