#pragma once

#include <string_view>

// The date-entry rule every test applies to its day, month and year lists.
// Positions count from 0: the day at position p is day p + 1, the month at
// position 1 is February.
namespace dateentry {

enum class Verdict {
    Accepted,
    FebruaryRefused, // "...Month!"  (no blank before the mark)
    ThirtyFirstRefused, // "...Month !" (a blank before the mark)
};

// February refuses days 30-31 when the year is divisible by 4 (1900 too) and
// days 29-31 otherwise; April, June, September and November refuse the 31st.
Verdict Check(int monthPosition, int dayPosition, int year);

// The year list's entry as a whole number (the lists hold plain numbers).
int YearFromText(std::string_view text);

} // namespace dateentry
