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

// Runs a reader such as unrtf or pdftotext and gives its output; empty when
// it could not run or took longer than half a minute.
inline QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
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
