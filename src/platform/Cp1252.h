#pragma once

#include <QChar>
#include <QString>

// The single-byte code page the program's encoded texts and reading files
// use: Windows-1252, with our own table so no system codec is needed.
namespace platform::cp1252 {

// The code of one character, 0..255; '?' (63) for a character the code page
// cannot hold, as the system conversion gives.
int toCode(QChar c);
// The character of a code 0..255.
QChar fromCode(int code);

QByteArray fromUnicode(const QString& text);
QString toUnicode(const QByteArray& bytes);

} // namespace platform::cp1252
