#include "SingleInstance.h"

#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

TEST(SingleInstance, LockOfACrashedRunIsTakenOver)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("app.lock"));
    {
        // What a killed process leaves behind: a lock naming a process that
        // no longer exists.
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("2147483000\nvorlaine-love-test\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    }
    platform::SingleInstance next(path);
    EXPECT_FALSE(next.anotherIsRunning());
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
