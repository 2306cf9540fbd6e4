#include "frmReport.h"

#include "TwipsLayout.h"

#include <QLabel>

frmReport::frmReport() : Form(FormName)
{
    setCaption(QStringLiteral("Vorlaine Astro Compatibility Test Software v2.0"));
    lblNotBuilt = new QLabel(QStringLiteral("This part of Vorlaine Love Test is not available yet."), this);
    lblNotBuilt->setAlignment(Qt::AlignCenter);
    placeTwips(lblNotBuilt, 240, 240, 10520, 600);
    setClientSizeTwips(11000, 7000);
}
