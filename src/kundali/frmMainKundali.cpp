#include "frmMainKundali.h"

#include "TwipsLayout.h"

#include <QLabel>

frmMainKundali::frmMainKundali() : InputWindow(FormName)
{
    setCaption(QStringLiteral("Vorlaine Astrology Kundali Match"));
    lblNotBuilt = new QLabel(QStringLiteral("This part of Vorlaine Love Test is not available yet."), this);
    lblNotBuilt->setAlignment(Qt::AlignCenter);
    placeTwips(lblNotBuilt, 240, 240, 8235, 600);
    setClientSizeTwips(8715, 6465);
}
