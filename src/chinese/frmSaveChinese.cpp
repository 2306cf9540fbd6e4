#include "frmSaveChinese.h"

#include "TwipsLayout.h"

#include <QLabel>
#include <QPushButton>

#include "RichTextBox.h"

frmSaveChinese::frmSaveChinese() : ReportWindow(FormName, QStringLiteral("Vorlaine Chinese Zodiac Compatibility"))
{
    lblNotBuilt = new QLabel(QStringLiteral("This part of Vorlaine Love Test is not available yet."), this);
    lblNotBuilt->setAlignment(Qt::AlignCenter);
    placeTwips(lblNotBuilt, 240, 240, 8520, 600);
    cmdSave->hide();
    cmdPrint->hide();
    placeTwips(RTB, 240, 960, 8520, 5800);
    setClientSizeTwips(9000, 7000);
}
