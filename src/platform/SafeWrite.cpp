#include "SafeWrite.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Why a name that holds something other than a regular file cannot be used.
QString notARegularFile(mode_t mode)
{
    QString what;
    if (S_ISDIR(mode))
        what = QStringLiteral("a folder");
    else if (S_ISFIFO(mode))
        what = QStringLiteral("a named pipe");
    else if (S_ISCHR(mode) || S_ISBLK(mode))
        what = QStringLiteral("a device");
    else if (S_ISSOCK(mode))
        what = QStringLiteral("a socket");
    else
        what = QStringLiteral("something else");
    return QStringLiteral("it is %1, not a regular file").arg(what);
}

} // namespace

bool writeFileSafely(const QString& path, const QByteArray& data, QString* error)
{
    // The temporary file would be renamed over whatever the name holds: a
    // pipe or a device would be replaced by a file, and a write to it would
    // have effects of its own.
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
        if (error)
            *error = notARegularFile(st.st_mode);
        return false;
    }
    // Unbuffered, so every write reaches the system here: a short write sets
    // no error, and writing on until the system refuses brings out why (a
    // full disk, say). A buffered write would fail later, in a flush that
    // names no reason.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    qint64 written = 0;
    while (written < data.size()) {
        const qint64 n = file.write(data.constData() + written, data.size() - written);
        if (n <= 0)
            break;
        written += n;
    }
    // The count is checked before the commit, which would otherwise put the
    // short temporary file in place of the old one.
    if (written != data.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

std::optional<QByteArray> readRegularFileStart(const QString& path, qint64 maxBytes)
{
    // Opening a device can have effects of its own, and opening a pipe wakes
    // its writer: the name is looked at first, and the file opened is checked
    // to be the one looked at.
    const QByteArray name = QFile::encodeName(path);
    struct stat named {};
    if (::stat(name.constData(), &named) != 0 || !S_ISREG(named.st_mode))
        return std::nullopt;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_dev != named.st_dev ||
        opened.st_ino != named.st_ino) {
        ::close(fd);
        return std::nullopt;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    QByteArray bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace platform
