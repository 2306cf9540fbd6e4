#include "Settings.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <chrono>
#include <memory>
#include <sys/stat.h>

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

// Whether the lock QSettings takes beside the store while it writes can be
// had at once. QSettings waits for it without end, and reads whatever stands
// in its place: a folder or a pipe there, or a file that names no copy (which
// counts as held until it is half a minute old), would keep the program from
// starting. A lock that cannot be had leaves the store unwritten this time.
bool lockCanBeHad(const QString& path)
{
    const QString lock = path + QStringLiteral(".lock");
    // The lock, and the names taken on the way to removing a stale one: each
    // is read once it exists, so each must be absent or a regular file.
    for (QString name = lock;; name += QStringLiteral(".rmlock")) {
        struct stat st {};
        if (::lstat(QFile::encodeName(name).constData(), &st) != 0) {
            if (errno != ENOENT)
                return false;
            if (name == lock)
                return true; // no lock: QSettings takes it at once (and makes the folder)
            break;
        }
        if (!S_ISREG(st.st_mode))
            return false;
    }
    QLockFile probe(lock);
    if (!probe.tryLock(std::chrono::milliseconds(100)))
        return false;
    probe.unlock();
    return true;
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
    if (!s || !lockCanBeHad(storePath()))
        return;
    s->setValue(key, value);
    s->sync();
}

void useFileForTests(const QString& iniPath)
{
    testFile = iniPath;
}

} // namespace platform::settings
