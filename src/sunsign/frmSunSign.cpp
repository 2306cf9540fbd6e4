#include "frmSunSign.h"

#include "TwipsLayout.h"

#include <QLabel>

frmSunSign::frmSunSign() : ResultWindow(FormName)
{
    setCaption(QStringLiteral("Vorlaine Zodiac Compatibility"));
    lblNotBuilt = new QLabel(QStringLiteral("This part of Vorlaine Love Test is not available yet."), this);
    placeTwips(lblNotBuilt, 240, 240, 8000, 600);
    setClientSizeTwips(8500, 6000);
}
