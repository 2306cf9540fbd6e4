#include "QtDesktop.h"

#include "ReturnToOpener.h"
#include "Twips.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTextDocument>
#include <QUrl>

#include <memory>

namespace platform {

namespace {

QtDesktop& qtDesktop()
{
    static QtDesktop d;
    return d;
}

Desktop* current = nullptr;

QMessageBox::Icon toQt(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QWidget* dialogParent()
{
    return QApplication::activeWindow();
}

} // namespace

Desktop& desktop()
{
    return current ? *current : qtDesktop();
}

void setDesktop(Desktop* d)
{
    current = d;
}

QString withDefaultExtension(const QString& fileName, const QString& defaultExt)
{
    if (fileName.isEmpty() || defaultExt.isEmpty())
        return fileName;
    if (!QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    QString name = fileName;
    if (!name.endsWith(QLatin1Char('.')))
        name += QLatin1Char('.');
    return name + defaultExt;
}

QStringList qtNameFilters(const QString& filter)
{
    QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString name = parts[i].trimmed();
        // A description that already shows its patterns keeps them once.
        out << (name.contains(QStringLiteral("(") + patterns + QStringLiteral(")"))
                    ? name
                    : QStringLiteral("%1 (%2)").arg(name, patterns));
    }
    return out;
}

void printDocument(const QTextDocument& doc, QPrinter& printer)
{
    // Print a copy: printing lays the document out for the page, and the
    // window's own box must keep its screen layout.
    std::unique_ptr<QTextDocument> copy(doc.clone());
    copy->print(&printer);
}

MsgResult QtDesktop::MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                            const QString& title)
{
    ReturnToOpener opener;
    QMessageBox box(toQt(icon), title.isEmpty() ? ApplicationTitle : title,
                    QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                 .replace(QLatin1Char('\r'), QLatin1Char('\n')),
                    QMessageBox::NoButton, dialogParent());
    switch (buttons) {
    case MsgButtons::OK: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OKCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::AbortRetryIgnore:
        box.setStandardButtons(QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);
        break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::RetryCancel: box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel); break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return MsgResult::OK;
    case QMessageBox::Abort: return MsgResult::Abort;
    case QMessageBox::Retry: return MsgResult::Retry;
    case QMessageBox::Ignore: return MsgResult::Ignore;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    default: break;
    }
    // Closing the box counts as its cancel button, or its only button.
    if (buttons == MsgButtons::OK)
        return MsgResult::OK;
    if (buttons == MsgButtons::YesNo)
        return MsgResult::No;
    return MsgResult::Cancel;
}

void QtDesktop::OpenUrl(const QString& address)
{
    QDesktopServices::openUrl(QUrl(address));
}

static bool runFileDialog(CommonDialog& dlg, bool save)
{
    ReturnToOpener opener;
    QFileDialog fd(dialogParent(), dlg.DialogTitle.isEmpty() ? ApplicationTitle : dlg.DialogTitle);
    fd.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    fd.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList filters = qtNameFilters(dlg.Filter);
    if (!filters.isEmpty()) {
        fd.setNameFilters(filters);
        const int index = dlg.FilterIndex >= 1 && dlg.FilterIndex <= filters.size() ? dlg.FilterIndex : 1;
        fd.selectNameFilter(filters[index - 1]);
    }
    if (!dlg.DefaultExt.isEmpty())
        fd.setDefaultSuffix(dlg.DefaultExt);
    if (!(dlg.Flags & cdl::OverwritePrompt))
        fd.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!dlg.FileName.isEmpty())
        fd.selectFile(dlg.FileName);
    if (fd.exec() != QDialog::Accepted || fd.selectedFiles().isEmpty())
        return false;
    dlg.FileName = withDefaultExtension(fd.selectedFiles().first(), dlg.DefaultExt);
    const int chosen = filters.indexOf(fd.selectedNameFilter());
    if (chosen >= 0)
        dlg.FilterIndex = chosen + 1;
    return true;
}

bool QtDesktop::ShowSave(CommonDialog& dlg)
{
    return runFileDialog(dlg, true);
}

bool QtDesktop::ShowOpen(CommonDialog& dlg)
{
    return runFileDialog(dlg, false);
}

bool QtDesktop::PrintDocument(const QTextDocument& doc, const QString& jobName)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return false;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(jobName);
    printDocument(doc, printer);
    return true;
}

int QtDesktop::ScreenWidthTwips()
{
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? pixelsToTwipsX(s->geometry().width()) : 0;
}

QDate QtDesktop::Today()
{
    return QDate::currentDate();
}

} // namespace platform
