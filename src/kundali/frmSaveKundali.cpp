#include "frmSaveKundali.h"

#include "modVedicCompatibility.h"

#include "ClickLabel.h"
#include "Cp1252.h"
#include "Desktop.h"
#include "RichTextBox.h"
#include "SafeWrite.h"
#include "TwipsLayout.h"
#include "modHelp.h"

#include <QPushButton>

using namespace platform;

namespace {

QFont verdana(double points)
{
    QFont f(QStringLiteral("Verdana"));
    f.setPointSizeF(points);
    return f;
}

} // namespace

frmSaveKundali::frmSaveKundali()
    : ReportWindow(FormName, QStringLiteral("Vorlaine Astrology Kundali Match"), Kind::Dialog)
{
    setFont(verdana(8.25));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 147, 49));
    setPalette(pal);

    // A little taller than designed, so the letters' tails are not cut off.
    Label14 = NewLinkLabel(QStringLiteral("Join the Vorlaine astrology forum"), this, Qt::AlignCenter);
    placeTwips(Label14, 1747, 0, 4230, 200);
    Label1 = NewLinkLabel(QStringLiteral("Visit ") + platform::SiteHostName, this, Qt::AlignCenter);
    placeTwips(Label1, 1867, 190, 3990, 200);
    for (ClickLabel* l : {Label14, Label1})
        l->setStyleSheet(QStringLiteral("color: #0000cc; text-decoration: underline;"));
    connect(Label14, &ClickLabel::clicked, this, [this] { Label14_Click(); });
    connect(Label1, &ClickLabel::clicked, this, [this] { Label1_Click(); });

    RTB->setFont(verdana(9.75));
    placeTwips(RTB, 30, 390, 7665, 6135);
    placeTwips(cmdSave, 5400, 6570, 1125, 345);
    placeTwips(cmdPrint, 6555, 6570, 1125, 345);
    setClientSizeTwips(7725, 7545);
}

QByteArray frmSaveKundali::ReadingFileBytes()
{
    const auto& s = modVedicCompatibility::state();
    QByteArray bytes;
    for (const std::string* value : {&s.BoyMoonSign, &s.GirlMoonSign, &s.BoyNakshatra, &s.GirlNakshatra}) {
        bytes += cp1252::fromUnicode(EncodeText(QString::fromStdString(*value)));
        bytes += "\r\n";
    }
    return bytes;
}

void frmSaveKundali::cmdSave_Click()
{
    QString why;
    CD.Filter = QStringLiteral("Rich Text Format | *.kun");
    CD.FilterIndex = 2;
    CD.DefaultExt = QStringLiteral("kun");
    CD.Flags = cdl::OverwritePrompt | cdl::HideReadOnly | cdl::PathMustExist | cdl::NoReadOnlyReturn; // 34822
    CD.DialogTitle = ApplicationTitle;
    CD.FileName.clear();
    if (!desktop().ShowSave(CD))
        return; // cancelled: nothing written, nothing said
    const QString path = CD.FileName;

    // Only the reading goes into the file, and it replaces an existing
    // file only once it is completely written.
    if (writeFileSafely(path, ReadingFileBytes(), &why))
        return;
    desktop().MsgBox(QStringLiteral("The reading was not saved to \"%1\": %2").arg(path, why), MsgButtons::OK,
                     MsgIcon::Critical);
}

void frmSaveKundali::Label1_Click()
{
    OpenHomePage();
}

void frmSaveKundali::Label14_Click()
{
    OpenHomePage();
}
