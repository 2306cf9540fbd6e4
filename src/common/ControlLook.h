#pragma once

#include <QColor>

class QWidget;

// How a control gets its look; each way serves its own case.
//
// - Fonts and text colours: the functions below, set on the control itself
//   (its font, its palette). A style sheet on a window is matched against
//   every control inside it each time the window opens, and keeps caches for
//   each; these cost nothing of the kind. A window of many controls (the
//   result windows) keeps its choices in one function of its own, applyLook
//   or setRole, which picks by the control's class, name or role property
//   ("link", "value", "verdict", ...) and calls these.
// - A palette set by hand: a colour these do not cover (a label's or a
//   list's background), on that one control.
// - A style sheet: what fonts and palettes cannot say (borders, rounded
//   frames through FramedGroupBox::RoundedLook, padding, a radio button's
//   indicator, the menus' font through MenuFontRule), on the control it
//   styles; or one sheet for a small window of few controls (an input or a
//   save window). Never a sheet over a window of many controls.

// The colour the control's text is drawn in.
void setForeground(QWidget* w, const QColor& colour);
// Bold or not; a size in points when points > 0; underlined when asked.
void setFontLook(QWidget* w, bool bold, double points = 0, bool underline = false);
// The family and size in points of a window and everything in it.
void setWindowFont(QWidget* window, const char* family, double points);
// A read-only text box: regular type, black on white, its scroll bars in
// the colour of the window around it.
void setTextBoxLook(QWidget* box);
