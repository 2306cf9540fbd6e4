#include "Fonts.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A run for a named screen, LT_SCREEN=1366x768 (or 1600x1000@1.5 for a scale
// of 1.5), gets an offscreen screen of that many device pixels at that scale.
void useNamedScreen(const QTemporaryDir& dir)
{
    const QString named = qEnvironmentVariable("LT_SCREEN");
    const auto m = QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)(?:@([0-9.]+))?$")).match(named);
    if (!m.hasMatch() || !dir.isValid())
        return;
    QFile config(dir.filePath(QStringLiteral("screen.json")));
    if (!config.open(QIODevice::WriteOnly))
        return;
    config.write(QStringLiteral("{\"screens\": [{\"name\": \"screen\", \"x\": 0, \"y\": 0, \"width\": %1, "
                                "\"height\": %2, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}")
                     .arg(m.captured(1), m.captured(2))
                     .toUtf8());
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    if (!m.captured(3).isEmpty())
        qputenv("QT_SCALE_FACTOR", m.captured(3).toLatin1());
}

} // namespace

// Window tests need a QApplication; they run on the offscreen platform.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A runtime folder of its own, so the single-instance lock of a test never
    // meets a copy of the program (or another test program) running beside it.
    QTemporaryDir runtime;
    if (runtime.isValid()) {
        QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }
    useNamedScreen(runtime);
    QApplication app(argc, argv);
    platform::installFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
