#pragma once

#include <cstddef>
#include <string>

// Characters of a UTF-8 text; -1 when it is not valid UTF-8. Content lengths
// are counted in characters, not bytes.
inline long codePoints(const std::string& s)
{
    long n = 0;
    for (std::size_t i = 0; i < s.size(); ++n) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (len == 0 || i + len > s.size())
            return -1;
        for (std::size_t k = 1; k < len; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 0x2)
                return -1;
        i += len;
    }
    return n;
}
