#include "frmchiness.h"

#include "TwipsLayout.h"

#include <QLabel>

frmchiness::frmchiness() : ResultWindow(FormName)
{
    setCaption(QStringLiteral("Vorlaine Chinese Zodiac Compatibility"));
    lblNotBuilt = new QLabel(QStringLiteral("This part of Vorlaine Love Test is not available yet."), this);
    lblNotBuilt->setAlignment(Qt::AlignCenter);
    placeTwips(lblNotBuilt, 240, 240, 9520, 600);
    setClientSizeTwips(10000, 7000);
}
