#include "TwipsLayout.h"

#include "Twips.h"

#include <QWidget>

using namespace platform;

void placeTwips(QWidget* w, double left, double top, double width, double height)
{
    w->setGeometry(twipsToPixelsX(left), twipsToPixelsY(top), twipsToPixelsX(width),
                   twipsToPixelsY(height));
}

void moveLeftTwips(QWidget* w, double left)
{
    w->move(twipsToPixelsX(left), w->y());
}

double widthTwips(const QWidget* w)
{
    return pixelsToTwipsX(w->width());
}
