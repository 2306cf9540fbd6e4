#pragma once

#include "FakeDesktop.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <functional>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

// What every save of the program is checked against: names that hold no
// regular file, a link to one, and a full disk. A save under test is a
// function that saves through its window to the path given.
namespace savetargets {

using Save = std::function<void(const QString& path)>;

inline QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline bool lstatOf(const QString& path, struct stat& st)
{
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

inline bool makeSocket(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (static_cast<std::size_t>(name.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd); // the name stays
    return bound;
}

// What a save to a plain new name writes, the reference for the others.
inline QByteArray plainSave(const Save& save, FakeDesktop& desk, const QString& path)
{
    desk.messages.clear();
    save(path);
    EXPECT_TRUE(desk.messages.empty()) << desk.messages.front().text.toStdString();
    return fileBytes(path);
}

// A named pipe, a folder and a socket under dir, each refused before
// anything is written, with a message that names it and says why, and each
// left as it was. failure is the message's start, with %1 for the path.
inline void expectNoRegularFileRefused(const Save& save, FakeDesktop& desk, const QString& dir,
                                       const QString& failure, const QString& extension)
{
    struct Case {
        QString name, why;
        std::function<bool(const QString&)> make;
    };
    const Case cases[] = {
        {QStringLiteral("pipe"), QStringLiteral("it is a named pipe, not a regular file"),
         [](const QString& p) { return ::mkfifo(QFile::encodeName(p).constData(), 0600) == 0; }},
        {QStringLiteral("folder"), QStringLiteral("it is a folder, not a regular file"),
         [](const QString& p) { return QDir().mkdir(p); }},
        {QStringLiteral("socket"), QStringLiteral("it is a socket, not a regular file"), makeSocket},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const QString path = dir + QLatin1Char('/') + c.name + extension;
        ASSERT_TRUE(c.make(path));
        struct stat before {};
        ASSERT_TRUE(lstatOf(path, before));
        const QStringList others = QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

        desk.messages.clear();
        save(path);
        ASSERT_EQ(desk.messages.size(), 1u);
        EXPECT_EQ(desk.messages[0].text.toStdString(), (failure.arg(path) + c.why).toStdString());
        EXPECT_EQ(desk.messages[0].icon, platform::MsgIcon::Critical);
        struct stat after {};
        ASSERT_TRUE(lstatOf(path, after));
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), others)
            << "a temporary file was left";
        if (c.name == QStringLiteral("folder")) {
            EXPECT_TRUE(QDir(path).isEmpty());
        }
    }
}

// A link to a regular file is saved through: the link stays, its target
// gets what a save to a plain name gets.
inline void expectLinkSavedThrough(const Save& save, FakeDesktop& desk, const QString& dir,
                                   const QString& extension)
{
    const QByteArray expected = plainSave(save, desk, dir + QStringLiteral("/plain") + extension);
    ASSERT_FALSE(expected.isEmpty());
    const QString target = dir + QStringLiteral("/target") + extension;
    const QString link = dir + QStringLiteral("/link") + extension;
    ASSERT_TRUE(writeBytes(target, "what was there before"));
    ASSERT_TRUE(QFile::link(target, link));

    desk.messages.clear();
    save(link);
    EXPECT_TRUE(desk.messages.empty());
    struct stat st {};
    ASSERT_TRUE(lstatOf(link, st));
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(QFile::symLinkTarget(link).toStdString(), target.toStdString());
    EXPECT_EQ(fileBytes(target), expected);
}

// A small file system of its own, mounted for the test's life; it needs
// the right to mount (root), and the test is skipped without it.
class SmallDisk {
public:
    SmallDisk()
    {
        path_ = base_.filePath(QStringLiteral("disk"));
        if (!QDir().mkdir(path_))
            return;
        if (::mount("tmpfs", QFile::encodeName(path_).constData(), "tmpfs", MS_NOSUID | MS_NODEV | MS_NOEXEC,
                    "size=256k,mode=0700") == 0)
            mounted_ = true;
        else
            why_ = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~SmallDisk()
    {
        if (mounted_)
            ::umount2(QFile::encodeName(path_).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    QString why() const { return QStringLiteral("no small file system could be mounted: ") + why_; }
    QString filePath(const QString& name) const { return path_ + QLatin1Char('/') + name; }

    // Fills the disk with a file named "filler" until at most room bytes
    // are free.
    bool fillLeaving(qint64 room)
    {
        QFile filler(filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray page(4096, 'f');
        while (free() > room) {
            if (filler.write(page) <= 0)
                return room == 0;
        }
        return true;
    }

private:
    qint64 free() const
    {
        struct statvfs vfs {};
        if (::statvfs(QFile::encodeName(path_).constData(), &vfs) != 0)
            return 0;
        return static_cast<qint64>(vfs.f_bavail) * static_cast<qint64>(vfs.f_frsize);
    }

    QTemporaryDir base_;
    QString path_;
    QString why_;
    bool mounted_ = false;
};

// A save onto a disk with less room than it needs says so and leaves the
// old file intact, with no temporary file beside it.
inline void expectFullDiskNamed(const Save& save, FakeDesktop& desk, const QString& plainDir,
                                const QString& failure, const QString& extension)
{
    SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << disk.why().toStdString();
    const QByteArray wanted = plainSave(save, desk, plainDir + QStringLiteral("/plain") + extension);
    ASSERT_FALSE(wanted.isEmpty());
    const QString old = disk.filePath(QStringLiteral("old") + extension);
    const QByteArray oldBytes("the old file, which must survive");
    ASSERT_TRUE(writeBytes(old, oldBytes));
    // Some room, where the save is bigger than a page, so part of it fits.
    ASSERT_TRUE(disk.fillLeaving(wanted.size() > 4096 ? 4096 : 0));

    desk.messages.clear();
    save(old);
    ASSERT_EQ(desk.messages.size(), 1u);
    EXPECT_EQ(desk.messages[0].text.toStdString(),
              (failure.arg(old) + QStringLiteral("No space left on device")).toStdString());
    EXPECT_EQ(fileBytes(old), oldBytes);
    EXPECT_EQ(QDir(disk.filePath({})).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{QStringLiteral("filler"), QStringLiteral("old") + extension}));
}

} // namespace savetargets
