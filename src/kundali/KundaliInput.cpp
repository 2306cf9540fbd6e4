#include "KundaliInput.h"

#include "SignNames.h"
#include "modVedicCompatibility.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kundaliinput {

namespace {

std::string_view trimmed(std::string_view t)
{
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);
    return t;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

double roundHalfEven(double v)
{
    double whole = std::floor(v);
    const double fraction = v - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    return whole;
}

template <class Int>
std::optional<Int> fitting(std::optional<double> v)
{
    if (!v)
        return std::nullopt;
    const double r = roundHalfEven(*v);
    if (r < static_cast<double>(std::numeric_limits<Int>::min()) ||
        r > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(r);
}

} // namespace

std::optional<double> DecimalValue(std::string_view text)
{
    std::string_view t = trimmed(text);
    bool negative = false;
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    double value = 0;
    int digits = 0;
    std::size_t i = 0;
    for (; i < t.size() && isDigit(t[i]); ++i, ++digits)
        value = value * 10 + (t[i] - '0');
    if (i < t.size() && t[i] == '.') {
        double scale = 0.1;
        for (++i; i < t.size() && isDigit(t[i]); ++i, ++digits, scale /= 10)
            value += (t[i] - '0') * scale;
    }
    if (digits == 0 || i != t.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<std::int16_t> WholeNumber16(std::string_view text)
{
    return fitting<std::int16_t>(DecimalValue(text));
}

std::optional<std::int32_t> WholeNumber32(std::string_view text)
{
    return fitting<std::int32_t>(DecimalValue(text));
}

std::optional<std::int16_t> AbsoluteWholeNumber16(std::string_view text)
{
    auto v = DecimalValue(text);
    if (v)
        *v = std::fabs(*v);
    return fitting<std::int16_t>(v);
}

void ToEnglishSignName(std::string& moonSign)
{
    const std::string_view start = std::string_view(moonSign).substr(0, 3);
    for (std::size_t i = 0; i < signs::SignNames.size(); ++i) {
        if (start == signs::SignCodes.substr(3 * i, 3)) {
            moonSign = std::string(signs::SignNames[i]);
            return;
        }
    }
}

std::array<std::string, 4> SplitReadingLines(std::string_view bytes)
{
    std::array<std::string, 4> lines;
    std::size_t line = 0;
    std::size_t i = 0;
    while (line < lines.size() && i < bytes.size()) {
        const std::size_t end = bytes.find('\r', i);
        if (end == std::string_view::npos) {
            lines[line] = std::string(bytes.substr(i)); // the last line needs no end
            break;
        }
        lines[line++] = std::string(bytes.substr(i, end - i));
        i = end + 1;
        if (i < bytes.size() && bytes[i] == '\n')
            ++i;
    }
    return lines;
}

bool IsValidReading(const std::array<std::string, 4>& values)
{
    const auto isSign = [](const std::string& v) { return signs::signIndex(v) >= 0; };
    const auto isNakshatra = [](const std::string& v) {
        const auto& names = modVedicCompatibility::NakshatraNames;
        return std::find(names.begin(), names.end(), v) != names.end();
    };
    return isSign(values[0]) && isSign(values[1]) && isNakshatra(values[2]) && isNakshatra(values[3]);
}

} // namespace kundaliinput
