#include "SignNames.h"

namespace signs {

int signIndex(std::string_view name)
{
    for (int i = 0; i < 12; ++i)
        if (SignNames[i] == name)
            return i;
    return -1;
}

int monthNumber(std::string_view name)
{
    for (int i = 0; i < 12; ++i)
        if (MonthNames[i] == name)
            return i + 1;
    return 0;
}

} // namespace signs
