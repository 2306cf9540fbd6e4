#include "frmSaveKundali.h"

#include "TwipsLayout.h"

#include <QLabel>
#include <QPushButton>

#include "RichTextBox.h"

frmSaveKundali::frmSaveKundali() : ReportWindow(FormName, QStringLiteral("Vorlaine Astrology Kundali Match"))
{
    lblNotBuilt = new QLabel(QStringLiteral("This part of Vorlaine Love Test is not available yet."), this);
    lblNotBuilt->setAlignment(Qt::AlignCenter);
    placeTwips(lblNotBuilt, 240, 240, 7245, 600);
    cmdSave->hide();
    cmdPrint->hide();
    placeTwips(RTB, 240, 960, 7245, 6345);
    setClientSizeTwips(7725, 7545);
}
