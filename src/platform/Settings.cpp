#include "Settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace platform::settings {

namespace {
QString testFile;

// ~/.config/<name>/<name>.ini, the file a user-scope store of that name uses.
QString storePath()
{
    if (!testFile.isEmpty())
        return testFile;
    QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    if (name.isEmpty())
        name = QStringLiteral("vorlaine-love-test");
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + name +
           QLatin1Char('/') + name + QStringLiteral(".ini");
}

// The store, or none when something other than a regular file stands in
// its place: reading a pipe or a device could wait for ever, and saving
// would put a file where the user has something else. Such a store counts
// as absent and is left alone.
std::unique_ptr<QSettings> open()
{
    const QString path = storePath();
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return nullptr;
    auto s = std::make_unique<QSettings>(path, QSettings::IniFormat);
    s->beginGroup(QStringLiteral("Settings"));
    return s;
}
} // namespace

QString read(const QString& key, const QString& defaultValue)
{
    const auto s = open();
    return s ? s->value(key, defaultValue).toString() : defaultValue;
}

void write(const QString& key, const QString& value)
{
    const auto s = open();
    if (!s)
        return;
    s->setValue(key, value);
    s->sync();
}

void useFileForTests(const QString& iniPath)
{
    testFile = iniPath;
}

} // namespace platform::settings
