#include "frmmainChinese.h"

#include "TwipsLayout.h"

#include <QLabel>

frmmainChinese::frmmainChinese() : InputWindow(FormName)
{
    setCaption(QStringLiteral("Vorlaine Chinese Zodiac Compatibility"));
    lblNotBuilt = new QLabel(QStringLiteral("This part of Vorlaine Love Test is not available yet."), this);
    lblNotBuilt->setAlignment(Qt::AlignCenter);
    placeTwips(lblNotBuilt, 240, 240, 8520, 600);
    setClientSizeTwips(9000, 6000);
}
