#pragma once

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The Help menu that the main window and every test window with a menu bar
// share: the same four items with the same effects.
struct HelpMenu {
    QMenu* mnuHelp;
    QAction* mnuOnline;
    QAction* mnuVisit;
    QAction* mnuUpdate;
    QAction* mnuAbout;
};
HelpMenu AddHelpMenu(QMenuBar* bar);

// Shows the About box modally, ignoring any failure.
void ShowAboutBox();

// Gives a window a menu bar above a body widget that holds its controls.
QWidget* WithMenuBar(QWidget* window, QMenuBar** bar);
