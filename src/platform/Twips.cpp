#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace platform {

namespace {
double dpi(bool horizontal)
{
    if (auto* s = QGuiApplication::primaryScreen()) {
        const double v = horizontal ? s->logicalDotsPerInchX() : s->logicalDotsPerInchY();
        if (v > 0)
            return v;
    }
    return 96.0;
}
} // namespace

double logicalDpiX() { return dpi(true); }
double logicalDpiY() { return dpi(false); }

int twipsToPixelsX(double twips) { return static_cast<int>(std::lround(twips * logicalDpiX() / 1440.0)); }
int twipsToPixelsY(double twips) { return static_cast<int>(std::lround(twips * logicalDpiY() / 1440.0)); }
int pixelsToTwipsX(int pixels) { return static_cast<int>(std::lround(pixels * 1440.0 / logicalDpiX())); }
int pixelsToTwipsY(int pixels) { return static_cast<int>(std::lround(pixels * 1440.0 / logicalDpiY())); }

} // namespace platform
