#pragma once

#include <QString>

// Undoes EncodeText: shifts every Windows-1252 code down by 85; characters
// below 85 are dropped.
QString DecodeText(const QString& text);
