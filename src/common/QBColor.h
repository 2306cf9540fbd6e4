#pragma once

#include <QColor>

// The classic sixteen-colour palette the reports name colours by.
QColor QBColor(int index);
