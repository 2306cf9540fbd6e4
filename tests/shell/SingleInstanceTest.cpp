#include "SingleInstance.h"
#include "StartedProgram.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>

#include <functional>
#include <iostream>
#include <memory>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

namespace {

const QString Window = QStringLiteral("window");
const QString AlreadyRunning = QStringLiteral("message: Application is already running");

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

} // namespace

TEST(SingleInstance, SecondHolderSeesTheFirst)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("app.lock"));
    platform::SingleInstance first(path);
    EXPECT_FALSE(first.anotherIsRunning());
    platform::SingleInstance second(path);
    EXPECT_TRUE(second.anotherIsRunning());
    EXPECT_FALSE(first.anotherIsRunning());
}

TEST(SingleInstance, ReleasedLockCanBeTakenAgain)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("app.lock"));
    {
        platform::SingleInstance first(path);
        ASSERT_FALSE(first.anotherIsRunning());
    }
    platform::SingleInstance again(path);
    EXPECT_FALSE(again.anotherIsRunning());
}

TEST(SingleInstance, AHeldLockCountsWhateverItsFileHolds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("app.lock"));
    platform::SingleInstance first(path);
    ASSERT_FALSE(first.anotherIsRunning());
    writeFile(path, {});
    platform::SingleInstance second(path);
    EXPECT_TRUE(second.anotherIsRunning());
}

TEST(SingleInstance, AProgramItStartsDoesNotKeepTheLock)
{
    // A browser opened from the program may outlive it; the lock must not
    // pass to it.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("app.lock"));
    QProcess child;
    {
        platform::SingleInstance first(path);
        ASSERT_FALSE(first.anotherIsRunning());
        child.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        ASSERT_TRUE(child.waitForStarted());
    }
    platform::SingleInstance next(path);
    EXPECT_FALSE(next.anotherIsRunning());
    child.kill();
    child.waitForFinished();
}

// Whatever a crash, a power loss or a stray file left where the lock lives,
// the program starts to its main window, and the copy that runs still keeps
// a second one out.
TEST(SingleInstance, WithoutARuntimeFolderTheNameInTheTemporaryFolderIsTheUsers)
{
    // Qt stands in for a missing runtime folder with one of its own in the
    // temporary folder; a file in that place leaves no runtime folder at all.
    QTemporaryDir tmp;
    const passwd* user = ::getpwuid(::geteuid());
    ASSERT_NE(user, nullptr);
    writeFile(tmp.filePath(QStringLiteral("runtime-") + QString::fromLocal8Bit(user->pw_name)), {});
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR"), temp = qgetenv("TMPDIR");
    const bool hadTemp = qEnvironmentVariableIsSet("TMPDIR");
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(tmp.path()));
    const QString path = platform::SingleInstance::defaultLockPath();
    qputenv("XDG_RUNTIME_DIR", runtime);
    if (hadTemp)
        qputenv("TMPDIR", temp);
    else
        qunsetenv("TMPDIR");
    EXPECT_EQ(path.toStdString(),
              tmp.filePath(QStringLiteral("vorlaine-love-test-%1.lock").arg(::geteuid())).toStdString());
}

TEST(StartUp, OpensWhateverWasLeftInTheLocksPlace)
{
    struct LeftOver {
        const char* what;
        std::function<void(const QString&)> make;
    };
    std::vector<LeftOver> cases = {
        {"an empty file", [](const QString& p) { writeFile(p, {}); }},
        {"junk", [](const QString& p) { writeFile(p, QByteArray("\xff\xfe\0\x01 not a number\n", 18)); }},
        {"a folder", [](const QString& p) { ASSERT_TRUE(QDir().mkpath(p + QStringLiteral("/inside"))); }},
        {"a named pipe", [](const QString& p) { ASSERT_EQ(::mkfifo(QFile::encodeName(p).constData(), 0600), 0); }},
        {"a lock of a killed copy",
         [](const QString& p) {
             writeFile(p, "2147483000\nvorlaine-love-test\n" + QSysInfo::machineHostName().toUtf8() + "\n");
         }},
        {"a lock naming a process id now used by another program",
         [](const QString& p) {
             writeFile(p, QByteArray::number(::getpid()) + "\nvorlaine-love-test\n" +
                              QSysInfo::machineHostName().toUtf8() + "\n");
         }},
    };
    // A link is never followed: neither its target nor the file it names
    // is created or touched.
    cases.push_back({"a dangling link", [](const QString& p) {
                         ASSERT_TRUE(QFile::link(p + QStringLiteral(".target"), p));
                     }});
    cases.push_back({"a link to a file", [](const QString& p) {
                         writeFile(p + QStringLiteral(".file"), "kept\n");
                         ASSERT_TRUE(QFile::setPermissions(p + QStringLiteral(".file"),
                                                           QFileDevice::ReadOwner | QFileDevice::WriteOwner));
                         ASSERT_TRUE(QFile::link(p + QStringLiteral(".file"), p));
                     }});
    // Root reads any file, so there the unreadable one is like the others.
    if (::geteuid() != 0)
        cases.push_back({"a file no one may read", [](const QString& p) {
                             writeFile(p, "1\n");
                             QFile::setPermissions(p, {});
                         }});
    else
        std::cout << "[   NOTE   ] \"a file no one may read\" left out: root may read every file\n";
    for (const LeftOver& c : cases) {
        StartedProgram::Folders folders;
        c.make(folders.lockPath());
        StartedProgram first(folders);
        first.start();
        EXPECT_EQ(first.firstWords().toStdString(), Window.toStdString()) << c.what;
        StartedProgram second(folders);
        second.start();
        EXPECT_EQ(second.firstWords().toStdString(), AlreadyRunning.toStdString()) << c.what;
        EXPECT_FALSE(QFileInfo::exists(folders.lockPath() + QStringLiteral(".target"))) << c.what;
        const QString linked = folders.lockPath() + QStringLiteral(".file");
        if (QFileInfo::exists(linked)) {
            QFile f(linked);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            EXPECT_EQ(f.readAll(), QByteArray("kept\n")) << c.what;
            // Never locked through the link: a lock on it would stop nothing.
            const int fd = ::open(QFile::encodeName(linked).constData(), O_RDONLY);
            EXPECT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0) << c.what << ": the linked file is locked";
            ::close(fd);
        }
    }
}

TEST(StartUp, AMainWindowThatCannotBeShownIsToldAndFreesTheLock)
{
    StartedProgram::Folders folders;
    {
        StartedProgram broken(folders);
        broken.process.setProcessEnvironment([&] {
            QProcessEnvironment env = broken.process.processEnvironment();
            env.insert(QStringLiteral("LT_MAIN_WINDOW_FAILS"), QStringLiteral("1"));
            return env;
        }());
        broken.expectedExitCode = 1;
        broken.start();
        EXPECT_EQ(broken.firstWords().toStdString(),
                  "message: Vorlaine Love Test could not open its main window and has to close.");
        EXPECT_TRUE(broken.process.waitForFinished(20000)) << "it ran on without a window";
        EXPECT_NE(broken.process.readAllStandardOutput().indexOf("the window system refused the window"), -1);
    }
    // The lock is free: the next start is not taken for a running copy.
    StartedProgram next(folders);
    next.start();
    EXPECT_EQ(next.firstWords().toStdString(), Window.toStdString());
}

TEST(StartUp, CopiesStartedTogetherGiveOneWindow)
{
    for (int copies : {2, 3}) {
        StartedProgram::Folders folders;
        std::vector<std::unique_ptr<StartedProgram>> started;
        for (int i = 0; i < copies; ++i)
            started.push_back(std::make_unique<StartedProgram>(folders));
        for (auto& copy : started)
            copy->start();
        QStringList said;
        for (auto& copy : started)
            said << copy->firstWords();
        EXPECT_EQ(said.count(Window), 1) << said.join(QStringLiteral(" | ")).toStdString();
        EXPECT_EQ(said.count(AlreadyRunning), copies - 1) << said.join(QStringLiteral(" | ")).toStdString();
    }
}

TEST(StartUp, ACopyKilledWhileRunningLeavesNothingThatBlocks)
{
    StartedProgram::Folders folders;
    {
        StartedProgram killed(folders);
        killed.start();
        ASSERT_EQ(killed.firstWords().toStdString(), Window.toStdString());
        killed.kill();
        ASSERT_EQ(killed.process.state(), QProcess::NotRunning);
    }
    ASSERT_TRUE(QFileInfo::exists(folders.lockPath()));
    StartedProgram next(folders);
    next.start();
    EXPECT_EQ(next.firstWords().toStdString(), Window.toStdString());
}
