#include "ControlLook.h"

#include <QFont>
#include <QPalette>
#include <QScrollBar>
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

void setTextBoxLook(QWidget* box)
{
    setFontLook(box, false);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Window, Qt::white); // the frame is drawn from it
    box->setPalette(pal);
    for (QScrollBar* bar : box->findChildren<QScrollBar*>()) {
        QPalette barPal = bar->palette();
        barPal.setColor(QPalette::Window, box->parentWidget()->palette().color(QPalette::Window));
        bar->setPalette(barPal);
    }
}
