#pragma once

#include <QAction>

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

// Adds the Help menu to a window's menu bar, keeps its items in the window's
// mnuOnline..mnuAbout members and connects them to the window's handlers.
template <class W>
void AddHelpMenu(QMenuBar* bar, W* w)
{
    const HelpMenu m = AddHelpMenu(bar);
    w->mnuOnline = m.mnuOnline;
    w->mnuVisit = m.mnuVisit;
    w->mnuUpdate = m.mnuUpdate;
    w->mnuAbout = m.mnuAbout;
    QObject::connect(m.mnuOnline, &QAction::triggered, w, [w] { w->mnuOnline_Click(); });
    QObject::connect(m.mnuVisit, &QAction::triggered, w, [w] { w->mnuVisit_Click(); });
    QObject::connect(m.mnuUpdate, &QAction::triggered, w, [w] { w->mnuUpdate_Click(); });
    QObject::connect(m.mnuAbout, &QAction::triggered, w, [w] { w->mnuAbout_Click(); });
}

// Shows the About box modally, ignoring any failure.
void ShowAboutBox();

// Gives a window a menu bar above a body widget that holds its controls.
QWidget* WithMenuBar(QWidget* window, QMenuBar** bar);
