#include "Settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

#include <memory>

namespace platform::settings {

namespace {
QString testFile;

std::unique_ptr<QSettings> open()
{
    std::unique_ptr<QSettings> s;
    if (!testFile.isEmpty()) {
        s = std::make_unique<QSettings>(testFile, QSettings::IniFormat);
    } else {
        QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        if (name.isEmpty())
            name = QStringLiteral("vorlaine-love-test");
        s = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, name, name);
    }
    s->beginGroup(QStringLiteral("Settings"));
    return s;
}
} // namespace

QString read(const QString& key, const QString& defaultValue)
{
    return open()->value(key, defaultValue).toString();
}

void write(const QString& key, const QString& value)
{
    auto s = open();
    s->setValue(key, value);
    s->sync();
}

void useFileForTests(const QString& iniPath)
{
    testFile = iniPath;
}

} // namespace platform::settings
