#include "frmMatch.h"

#include "modHelp.h"

#include "TwipsLayout.h"

#include <QLabel>

frmMatch::frmMatch() : InputWindow(FormName)
{
    setCaption(QStringLiteral("Vorlaine Astro Compatibility Test Software"));
    lblNotBuilt = new QLabel(QStringLiteral("This part of Vorlaine Love Test is not available yet."), this);
    lblNotBuilt->setAlignment(Qt::AlignCenter);
    placeTwips(lblNotBuilt, 240, 240, 8520, 600);
    setClientSizeTwips(9000, 6800);
}

void frmMatch::Form_Load()
{
    CheckUpdateReminder();
    InputWindow::Form_Load();
}
