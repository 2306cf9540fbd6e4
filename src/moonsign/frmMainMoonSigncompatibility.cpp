#include "frmMainMoonSigncompatibility.h"

#include "TwipsLayout.h"

#include <QLabel>

frmMainMoonSigncompatibility::frmMainMoonSigncompatibility() : InputWindow(FormName)
{
    setCaption(QStringLiteral("Vorlaine Moon Sign Compatibility"));
    lblNotBuilt = new QLabel(QStringLiteral("This part of Vorlaine Love Test is not available yet."), this);
    lblNotBuilt->setAlignment(Qt::AlignCenter);
    placeTwips(lblNotBuilt, 240, 240, 8520, 600);
    setClientSizeTwips(9000, 6800);
}
