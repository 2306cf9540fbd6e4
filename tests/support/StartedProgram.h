#pragma once

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>

#include <gtest/gtest.h>

// A copy of the program started as a user starts it (StartedProgram.cpp),
// with a runtime and a settings folder of the test's own.
class StartedProgram {
public:
    struct Folders {
        QTemporaryDir runtime, config;
        Folders()
        {
            // The runtime folder is the user's alone, as the system makes it.
            QFile::setPermissions(runtime.path(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        }
        QString lockPath() const { return runtime.filePath(QStringLiteral("vorlaine-love-test.lock")); }
        QString settingsPath() const
        {
            return config.filePath(QStringLiteral("vorlaine-love-test/vorlaine-love-test.ini"));
        }
    };

    explicit StartedProgram(const Folders& folders)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folders.runtime.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), folders.config.path());
        process.setProcessEnvironment(env);
        process.setProgram(QString::fromUtf8(LT_STARTED_PROGRAM));
    }
    // A copy that ends on its own ends cleanly: exit code 0 and no
    // sanitizer report on its standard error.
    ~StartedProgram()
    {
        if (process.state() != QProcess::NotRunning) {
            process.closeWriteChannel();
            if (!process.waitForFinished(10000)) {
                ADD_FAILURE() << "a started copy did not end when its input closed";
                kill();
            }
        }
        if (killed || process.error() == QProcess::FailedToStart)
            return;
        const QString errors = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << errors.toStdString();
        EXPECT_EQ(process.exitCode(), expectedExitCode) << errors.toStdString();
        EXPECT_FALSE(errors.contains(QLatin1String("Sanitizer")) || errors.contains(QLatin1String("runtime error")))
            << errors.toStdString();
    }

    // Ends the copy as a crash or a power loss would.
    void kill()
    {
        killed = true;
        process.kill();
        process.waitForFinished(5000);
    }

    void start() { process.start(); }

    // The first line the copy writes: "window" once its main window shows,
    // "message: ..." for a message box, or empty when it says nothing (or
    // cannot start) within the time given.
    QString firstWords(int ms = 20000)
    {
        const QDeadlineTimer deadline(ms);
        while (!process.canReadLine() && process.state() != QProcess::NotRunning && !deadline.hasExpired())
            process.waitForReadyRead(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
        if (process.canReadLine())
            return QString::fromUtf8(process.readLine()).trimmed();
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }

    QProcess process;
    int expectedExitCode = 0;

private:
    bool killed = false;
};
