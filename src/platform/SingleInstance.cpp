#include "SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace platform {

SingleInstance::SingleInstance(const QString& lockPath)
    : lock_(std::make_unique<QLockFile>(lockPath.isEmpty() ? defaultLockPath() : lockPath))
{
    // A lock is stale only when its owner is gone; never by age.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::anotherIsRunning()
{
    if (held_)
        return false;
    // tryLock takes over a lock whose process has died.
    held_ = lock_->tryLock(0);
    if (held_)
        return false;
    return lock_->error() == QLockFile::LockFailedError;
}

QString SingleInstance::defaultLockPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    return dir + QStringLiteral("/vorlaine-love-test.lock");
}

} // namespace platform
