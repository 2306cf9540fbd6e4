#include "frmVedicResult.h"

#include "TwipsLayout.h"

#include <QLabel>

frmVedicResult::frmVedicResult() : ResultWindow(FormName)
{
    setCaption(QStringLiteral("Vorlaine Astrology Kundali Match"));
    lblNotBuilt = new QLabel(QStringLiteral("This part of Vorlaine Love Test is not available yet."), this);
    lblNotBuilt->setAlignment(Qt::AlignCenter);
    placeTwips(lblNotBuilt, 240, 240, 11460, 600);
    setClientSizeTwips(11940, 6915);
}
