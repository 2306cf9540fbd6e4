#pragma once

#include <QString>

// The per-user settings store: QSettings under the executable's name,
// group "Settings".
namespace platform::settings {

QString read(const QString& key, const QString& defaultValue = {});
void write(const QString& key, const QString& value);

// Tests point the store at a file of their own.
void useFileForTests(const QString& iniPath);

} // namespace platform::settings
