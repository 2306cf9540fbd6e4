#include "Settings.h"
#include "StartedProgram.h"

#include "modHelp.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <iostream>
#include <memory>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

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

} // namespace

TEST(Settings, APipeInPlaceOfTheFileReadsAsAbsentAtOnceAndIsLeftAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    ASSERT_TRUE(makePipe(path));
    settings::useFileForTests(path);
    struct Outcome {
        std::atomic<bool> done{false};
        QString read;
    };
    const auto outcome = std::make_shared<Outcome>();
    std::thread worker([outcome] {
        settings::write(ReminderDateKey, QStringLiteral("2026-12-10"));
        outcome->read = settings::read(ReminderDateKey, QStringLiteral("absent"));
        outcome->done = true;
    });
    const auto start = std::chrono::steady_clock::now();
    while (!outcome->done && std::chrono::steady_clock::now() - start < std::chrono::seconds(1))
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const bool inTime = outcome->done;
    // A store stuck on the pipe is let go by opening its other end.
    for (int i = 0; !outcome->done && i < 1000; ++i) {
        for (int mode : {O_WRONLY, O_RDONLY}) {
            const int fd = ::open(QFile::encodeName(path).constData(), mode | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!outcome->done) {
        // Still stuck: the thread cannot be joined, and the tests after this
        // one must not run beside it in the settings code.
        ADD_FAILURE() << "the settings store stayed stuck on the pipe";
        std::cout.flush();
        std::_Exit(EXIT_FAILURE);
    }
    worker.join();
    settings::useFileForTests({});
    EXPECT_TRUE(inTime);
    EXPECT_EQ(outcome->read.toStdString(), "absent");
    EXPECT_TRUE(isPipe(path));
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
    EXPECT_EQ(program.firstWords(10000).toStdString(), "window");
    EXPECT_TRUE(isPipe(folders.settingsPath()));
    program.kill();
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
