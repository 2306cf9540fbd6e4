#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

bool isOurRegularFile(const struct stat& st)
{
    return S_ISREG(st.st_mode) && st.st_uid == geteuid();
}

// Opens path for locking; -1 when it is anything but a regular file of ours
// that we can open (a folder, a pipe or device, a link, another user's file,
// a file we may not read). Nothing but a regular file is ever opened, and a
// link is never followed: it could make us create or lock a file elsewhere.
int openLockFile(const QString& path, bool create)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(name.constData(), &st) == 0) {
        if (!isOurRegularFile(st))
            return -1;
    } else if (errno != ENOENT || !create) {
        return -1;
    }
    // Close-on-exec: a browser the program starts must not inherit the lock
    // and keep it after the program has ended.
    const int flags = O_CLOEXEC | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW;
    // Created with O_EXCL, so a link put in the name meanwhile is not
    // followed either; a copy that created it first is simply opened.
    int fd = ::open(name.constData(), O_RDWR | flags);
    if (fd < 0 && errno == ENOENT && create) {
        fd = ::open(name.constData(), O_RDWR | flags | O_CREAT | O_EXCL, 0600);
        if (fd < 0 && errno == EEXIST)
            fd = ::open(name.constData(), O_RDWR | flags);
    }
    if (fd < 0 && errno == EACCES)
        fd = ::open(name.constData(), O_RDONLY | flags);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &st) != 0 || !isOurRegularFile(st)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

SingleInstance::SingleInstance(const QString& lockPath)
    : path_(lockPath.isEmpty() ? defaultLockPath() : lockPath)
{
}

SingleInstance::~SingleInstance()
{
    release();
}

void SingleInstance::release()
{
    // The files stay: removing one could let a later copy lock a new file
    // of the same name while an earlier one still holds the old.
    for (int fd : locks_)
        ::close(fd);
    locks_.clear();
}

bool SingleInstance::anotherIsRunning()
{
    if (held_)
        return false;
    // When the lock's name is taken by something that cannot be locked (a
    // folder, an unreadable file), a second name beside it serves. A copy
    // that holds the first also locks the second where it exists, so a copy
    // that had to use it is seen too.
    const QString names[] = {path_, path_ + QStringLiteral(".alt")};
    for (const QString& name : names) {
        const int fd = openLockFile(name, locks_.empty());
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            locks_.push_back(fd);
            continue;
        }
        const bool busy = errno == EWOULDBLOCK;
        ::close(fd);
        if (busy) {
            release();
            return true;
        }
    }
    // With no name usable at all the program still starts: better a second
    // window than none.
    held_ = true;
    return false;
}

QString SingleInstance::defaultLockPath()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!dir.isEmpty() && QDir().mkpath(dir))
        return dir + QStringLiteral("/vorlaine-love-test.lock");
    // The temporary folder is shared by every user: the name carries ours.
    return QDir::tempPath() + QStringLiteral("/vorlaine-love-test-%1.lock").arg(::geteuid());
}

} // namespace platform
