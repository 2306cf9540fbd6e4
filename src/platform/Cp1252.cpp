#include "Cp1252.h"

#include <array>

namespace platform::cp1252 {

namespace {
// Codes 0x80..0x9F; the five holes map to the C1 control of the same value.
constexpr std::array<char16_t, 32> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
} // namespace

int toCode(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (High[i] == u)
            return 0x80 + i;
    return '?';
}

QChar fromCode(int code)
{
    if (code >= 0x80 && code < 0xA0)
        return QChar(High[code - 0x80]);
    return QChar(static_cast<char16_t>(code & 0xFF));
}

QByteArray fromUnicode(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text)
        out.append(static_cast<char>(toCode(c)));
    return out;
}

QString toUnicode(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char b : bytes)
        out.append(fromCode(static_cast<unsigned char>(b)));
    return out;
}

} // namespace platform::cp1252
