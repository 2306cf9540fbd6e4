#include "ControlLook.h"

#include <QFont>
#include <QPalette>
#include <QWidget>

void setForeground(QWidget* w, const QColor& colour)
{
    QPalette pal = w->palette();
    pal.setColor(w->foregroundRole(), colour);
    w->setPalette(pal);
}

void setFontLook(QWidget* w, bool bold, double points, bool underline)
{
    QFont f = w->font();
    f.setBold(bold);
    if (points > 0)
        f.setPointSizeF(points);
    if (underline)
        f.setUnderline(true);
    w->setFont(f);
}

void setWindowFont(QWidget* window, const char* family, double points)
{
    QFont f = window->font();
    f.setFamily(QString::fromLatin1(family));
    f.setPointSizeF(points);
    window->setFont(f);
}
