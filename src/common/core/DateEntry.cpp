#include "DateEntry.h"

#include <charconv>
#include <stdexcept>

namespace dateentry {

Verdict Check(int monthPosition, int dayPosition, int year)
{
    if (monthPosition == 1) {
        const int firstRefused = (year % 4 == 0) ? 29 : 28;
        if (dayPosition >= firstRefused && dayPosition <= 30)
            return Verdict::FebruaryRefused;
    }
    const bool thirtyDays = monthPosition == 3 || monthPosition == 5 || monthPosition == 8 || monthPosition == 10;
    if (thirtyDays && dayPosition == 30)
        return Verdict::ThirtyFirstRefused;
    return Verdict::Accepted;
}

int YearFromText(std::string_view text)
{
    int v = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size())
        throw std::invalid_argument("Type mismatch");
    return v;
}

} // namespace dateentry
