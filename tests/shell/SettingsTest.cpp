#include "Settings.h"
#include "StartedProgram.h"
#include "Waits.h"

#include "modHelp.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <iostream>
#include <memory>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

namespace settings = platform::settings;

namespace {

bool isPipe(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

bool makePipe(const QString& path)
{
    return QDir().mkpath(QFileInfo(path).path()) && ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return QDir().mkpath(QFileInfo(path).path()) && f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Runs work on a thread of its own and answers whether it ended within a
// second. Should it not, rescue is called until it ends, so the test fails
// rather than hangs; when even that does not free it, the process ends, as
// the tests after this one must not run beside it in the settings code.
bool endsAtOnce(std::function<void()> work, const std::function<void()>& rescue)
{
    auto done = std::make_shared<std::atomic<bool>>(false);
    std::thread worker([done, work = std::move(work)] {
        work();
        *done = true;
    });
    const bool inTime = QTest::qWaitFor([&] { return done->load(); }, 1000);
    for (int i = 0; !*done && i < 1000; ++i) {
        rescue();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!*done) {
        ADD_FAILURE() << "the settings store stayed stuck";
        std::cout.flush();
        std::_Exit(EXIT_FAILURE);
    }
    worker.join();
    return inTime;
}

// Lets go of a store stuck on a pipe by opening its other end.
void openBothEnds(const QString& path)
{
    for (int mode : {O_WRONLY, O_RDONLY}) {
        const int fd = ::open(QFile::encodeName(path).constData(), mode | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    }
}

// What can stand in place of the store's lock and cannot be had: a folder,
// a pipe, and a fresh empty file, which names no copy that holds it.
struct LockCase {
    const char* what;
    std::function<bool(const QString&)> make;
    std::function<bool(const QString&)> isStill;
};

const std::vector<LockCase>& unusableLocks()
{
    static const std::vector<LockCase> cases = {
        {"a folder", [](const QString& p) { return QDir().mkpath(p); },
         [](const QString& p) { return QFileInfo(p).isDir() && QDir(p).isEmpty(); }},
        {"a pipe", makePipe, isPipe},
        {"a fresh empty file", [](const QString& p) { return writeBytes(p, {}); },
         [](const QString& p) { return QFileInfo(p).isFile() && QFileInfo(p).size() == 0; }},
    };
    return cases;
}

// How long the main window may take to come. A copy that waited on such a
// lock would wait for good, or half a minute until the lock counts as stale;
// a copy that passes it by comes within seconds even under the sanitizers on
// a machine busy with the rest of the suite.
constexpr int StartUpMoment = 10000;

// A store with keys of its own and no reminder date, so start-up must write.
const QByteArray OtherKeys = "[Elsewhere]\nkey=1\n\n[Settings]\nOther=kept\n";

// Takes away what stands in the lock's place, so a store stuck on it ends.
void clearLock(const QString& lock)
{
    openBothEnds(lock);
    if (!QFile::remove(lock))
        QDir().rmdir(lock);
}

} // namespace

TEST(Settings, APipeInPlaceOfTheFileReadsAsAbsentWithoutWaitingOnItAndIsLeftAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    ASSERT_TRUE(makePipe(path));
    settings::useFileForTests(path);
    QString read;
    {
        testwait::PipeGuard guard(path);
        settings::write(ReminderDateKey, QStringLiteral("2026-12-10"));
        read = settings::read(ReminderDateKey, QStringLiteral("absent"));
        guard.done();
        EXPECT_FALSE(guard.letGo()) << "the settings store waited on the pipe";
    }
    settings::useFileForTests({});
    EXPECT_EQ(read.toStdString(), "absent");
    EXPECT_TRUE(isPipe(path));
}

TEST(Settings, ALockThatCannotBeHadLeavesTheStoreUnwrittenAtOnce)
{
    for (const LockCase& c : unusableLocks()) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.ini"));
        const QString lock = path + QStringLiteral(".lock");
        ASSERT_TRUE(writeBytes(path, OtherKeys));
        ASSERT_TRUE(c.make(lock));
        settings::useFileForTests(path);
        const bool inTime =
            endsAtOnce([] { settings::write(ReminderDateKey, QStringLiteral("2026-12-10")); }, [&] { clearLock(lock); });
        EXPECT_TRUE(inTime);
        EXPECT_EQ(settings::read(ReminderDateKey, QStringLiteral("absent")).toStdString(), "absent");
        EXPECT_EQ(settings::read(QStringLiteral("Other")).toStdString(), "kept");
        settings::useFileForTests({});
        EXPECT_EQ(fileBytes(path).toStdString(), OtherKeys.toStdString());
        EXPECT_TRUE(c.isStill(lock));
    }
}

TEST(Settings, TheLockOfACopyThatEndedIsTakenOver)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    ASSERT_TRUE(writeBytes(path, OtherKeys));
    // As a copy that crashed while writing leaves it: a process that is gone.
    ASSERT_TRUE(writeBytes(path + QStringLiteral(".lock"),
                           "999999999\nvorlaine-love-test\n" + QSysInfo::machineHostName().toUtf8() + "\n"));
    settings::useFileForTests(path);
    const bool inTime = endsAtOnce([] { settings::write(ReminderDateKey, QStringLiteral("2026-12-10")); },
                                   [&] { clearLock(path + QStringLiteral(".lock")); });
    EXPECT_TRUE(inTime);
    EXPECT_EQ(settings::read(ReminderDateKey).toStdString(), "2026-12-10");
    EXPECT_EQ(settings::read(QStringLiteral("Other")).toStdString(), "kept");
    settings::useFileForTests({});
    EXPECT_FALSE(QFileInfo::exists(path + QStringLiteral(".lock")));
    QSettings stored(path, QSettings::IniFormat);
    EXPECT_EQ(stored.value(QStringLiteral("Elsewhere/key")).toString().toStdString(), "1");
}

TEST(Settings, AFolderInPlaceOfTheFileReadsAsAbsentAndIsLeftAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    ASSERT_TRUE(QDir().mkpath(path));
    settings::useFileForTests(path);
    settings::write(ReminderDateKey, QStringLiteral("2026-12-10"));
    EXPECT_EQ(settings::read(ReminderDateKey, QStringLiteral("absent")), QStringLiteral("absent"));
    settings::useFileForTests({});
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(QDir(path).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden), QStringList());
}

TEST(StartUp, OpensWithAPipeInPlaceOfTheSettingsFileAndLeavesIt)
{
    StartedProgram::Folders folders;
    ASSERT_TRUE(makePipe(folders.settingsPath()));
    StartedProgram program(folders);
    program.start();
    EXPECT_EQ(program.firstWords().toStdString(), "window");
    EXPECT_TRUE(isPipe(folders.settingsPath()));
    program.kill();
}

TEST(StartUp, ALockOfTheSettingsThatCannotBeHadDoesNotHoldUpTheWindow)
{
    for (const LockCase& c : unusableLocks()) {
        SCOPED_TRACE(c.what);
        StartedProgram::Folders folders;
        const QString lock = folders.settingsPath() + QStringLiteral(".lock");
        ASSERT_TRUE(writeBytes(folders.settingsPath(), OtherKeys));
        ASSERT_TRUE(c.make(lock));
        StartedProgram program(folders);
        program.start();
        EXPECT_EQ(program.firstWords(StartUpMoment).toStdString(), "window");
        EXPECT_EQ(fileBytes(folders.settingsPath()).toStdString(), OtherKeys.toStdString());
        EXPECT_TRUE(c.isStill(lock));
        // A copy stuck on the lock is let go, so it ends.
        clearLock(lock);
    }
}

TEST(StartUp, StoresTheReminderDateInTheUsersSettingsFile)
{
    StartedProgram::Folders folders;
    {
        StartedProgram program(folders);
        program.start();
        ASSERT_EQ(program.firstWords().toStdString(), "window");
    }
    QSettings stored(folders.settingsPath(), QSettings::IniFormat);
    EXPECT_TRUE(QDate::fromString(stored.value(QStringLiteral("Settings/") + ReminderDateKey).toString(), Qt::ISODate)
                    .isValid());
}
