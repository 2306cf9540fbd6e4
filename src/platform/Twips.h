#pragma once

// Lengths in the windows are kept in twips (1440 per inch) and turned into
// pixels by the screen's logical DPI: 15 twips per pixel at 96 DPI.
namespace platform {

double logicalDpiX();
double logicalDpiY();
int twipsToPixelsX(double twips);
int twipsToPixelsY(double twips);
int pixelsToTwipsX(int pixels);
int pixelsToTwipsY(int pixels);

} // namespace platform
