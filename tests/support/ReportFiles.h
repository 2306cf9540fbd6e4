#pragma once

#include "FakeDesktop.h"
#include "QtDesktop.h"

#include <QPrinter>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTextDocument>

// What the report tests read saved and printed reports back with.
namespace reportfiles {

// Runs a reader such as unrtf or pdftotext and gives its output as it wrote
// it; empty when it could not run or took longer than half a minute.
inline QByteArray runForBytes(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000))
        return {};
    return p.readAllStandardOutput();
}

// The same, read as UTF-8.
inline QString run(const QString& program, const QStringList& args)
{
    return QString::fromUtf8(runForBytes(program, args));
}

// What unrtf --text shows of a saved report. It writes the characters of
// the Latin-1 range as one byte each.
inline QString unrtfText(const QString& path)
{
    return QString::fromLatin1(runForBytes(QStringLiteral("unrtf"), {QStringLiteral("--text"), path}));
}

// What unrtf --html shows of a saved report, as plain text (its entities,
// &euro; or &#1044;, read as the characters they stand for).
inline QString unrtfHtmlAsText(const QString& path)
{
    QTextDocument doc;
    doc.setHtml(run(QStringLiteral("unrtf"), {QStringLiteral("--html"), path}));
    return doc.toPlainText();
}

// Prints into a PDF file, as a printer would on paper.
class PdfDesktop : public FakeDesktop {
public:
    QString pdfPath;
    bool PrintDocument(const QTextDocument& doc, const QString& jobName) override
    {
        FakeDesktop::PrintDocument(doc, jobName);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        platform::printDocument(doc, printer);
        return true;
    }
};

} // namespace reportfiles
