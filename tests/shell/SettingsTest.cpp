#include "Settings.h"
#include "StartedProgram.h"
#include "Waits.h"

#include "modHelp.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <sys/stat.h>

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
