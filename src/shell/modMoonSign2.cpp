#include "modMoonSign2.h"

#include "Cp1252.h"

QString DecodeText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const int c = platform::cp1252::toCode(ch) - 85;
        if (c >= 0 && c <= 255)
            out.append(platform::cp1252::fromCode(c));
    }
    return out;
}
