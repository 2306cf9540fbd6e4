#include "RichTextBox.h"

#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

#include <gtest/gtest.h>

TEST(RichTextBoxSave, AFailedWriteLeavesTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.rtf"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("an older report");
    }
    RichTextBox box;
    box.setText(QStringLiteral("A new report"));
    QString why;
    bool saved = true;
    {
        // No regular file may grow while the save runs (as on a full disk).
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit none = old;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
        saved = box.SaveFile(path, &why);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previous);
    }
    EXPECT_FALSE(saved);
    EXPECT_FALSE(why.isEmpty());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("an older report"));
}
