#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Looks at every control under a window that shows text (labels, check and
// option buttons, one-line and multi-line boxes, lists) and describes each
// text that its box cuts: wider than the box, taller than the box, or a
// multi-line box whose height shows part of a line. Measured with each
// control's own font, frame, margins and style sheet. An empty list means
// every text is shown whole.
QStringList TextsCutByTheirBoxes(QWidget* window);

