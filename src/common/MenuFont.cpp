#include "MenuFont.h"

#include <QApplication>
#include <QFont>

QString MenuFontRule()
{
    const QFont f = QApplication::font("QMenu");
    const QString size = f.pointSizeF() > 0 ? QString::number(f.pointSizeF()) + QStringLiteral("pt")
                                            : QString::number(f.pixelSize()) + QStringLiteral("px");
    return QStringLiteral("QMenu { font-family: \"%1\"; font-size: %2; font-weight: normal; font-style: normal; }")
        .arg(f.family(), size);
}
