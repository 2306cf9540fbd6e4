#pragma once

#include <QColor>

class QWidget;

// Fonts and colours set on a control itself. A style sheet on a window is
// matched against every control inside it each time the window opens, and
// keeps caches for each; these cost nothing of the kind.

// The colour the control's text is drawn in.
void setForeground(QWidget* w, const QColor& colour);
// Bold or not; a size in points when points > 0; underlined when asked.
void setFontLook(QWidget* w, bool bold, double points = 0, bool underline = false);
// The family and size in points of a window and everything in it.
void setWindowFont(QWidget* window, const char* family, double points);
// A read-only text box: regular type, black on white, its scroll bars in
// the colour of the window around it.
void setTextBoxLook(QWidget* box);
