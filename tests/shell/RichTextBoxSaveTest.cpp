#include "RichTextBox.h"
#include "ReportFiles.h"

#include <QFile>
#include <QStringList>
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

TEST(RichTextBoxSave, WhatTheCodePageHoldsIsWrittenInItAndReadsTheSameInSimpleReaders)
{
    struct Case {
        QString text;
        QByteArray written;
        bool plainTextReaderShowsIt; // unrtf --text shows Latin-1 alone
    };
    const Case cases[] = {
        {QStringLiteral("Zoë Müller"), "Zo\\'eb M\\'fcller", true},
        {QStringLiteral("Ålesund"), "\\'c5lesund", true},
        {QStringLiteral("José Peña, Straße 5, 21°"), "Jos\\'e9 Pe\\'f1a, Stra\\'dfe 5, 21\\'b0", true},
        {QStringLiteral("€ 12 “Ja” – nein…"), "\\'80 12 \\'93Ja\\'94 \\'96 nein\\'85", false},
        // Beyond the code page: \uN and one fallback character, as \uc1 says.
        {QStringLiteral("Дима"), "\\u1044?\\u1080?\\u1084?\\u1072?", false},
        {QStringLiteral("李"), "\\u26446?", false},
    };
    QStringList lines;
    for (const Case& c : cases)
        lines << c.text;
    RichTextBox box;
    box.setSelBold(true);
    box.setSelText(QStringLiteral("Names\r\n"));
    box.setSelBold(false);
    box.setSelText(lines.join(QStringLiteral("\r\n")));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("names.rtf"));
    ASSERT_TRUE(box.SaveFile(path));

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray raw = f.readAll();
    EXPECT_TRUE(raw.contains("\\ansicpg1252"));
    EXPECT_TRUE(raw.contains("\\uc1"));
    const QString text = reportfiles::unrtfText(path);
    ASSERT_FALSE(text.isEmpty()) << "unrtf could not read the file";
    const QString html = reportfiles::unrtfHtmlAsText(path);
    for (const Case& c : cases) {
        EXPECT_TRUE(raw.contains(c.written)) << c.written.toStdString();
        if (c.plainTextReaderShowsIt) {
            EXPECT_TRUE(text.contains(c.text)) << c.text.toStdString() << " in " << text.toStdString();
        }
        EXPECT_TRUE(html.contains(c.text)) << c.text.toStdString() << " in " << html.toStdString();
    }
}
