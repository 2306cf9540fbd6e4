#include "frmMoonSign.h"

#include "TwipsLayout.h"

#include <QLabel>

frmMoonSign::frmMoonSign() : ResultWindow(FormName)
{
    setCaption(QStringLiteral("Vorlaine Moon Sign Compatibility"));
    lblNotBuilt = new QLabel(QStringLiteral("This part of Vorlaine Love Test is not available yet."), this);
    lblNotBuilt->setAlignment(Qt::AlignCenter);
    placeTwips(lblNotBuilt, 240, 240, 9520, 600);
    setClientSizeTwips(10000, 7000);
}
