#pragma once

#include <QAction>
#include <QMenu>
#include <QString>

// The Help menu that the main window and every test window with menus share:
// the same four items with the same effects.
struct HelpMenu {
    QMenu* mnuHelp;
    QAction* mnuOnline;
    QAction* mnuVisit;
    QAction* mnuUpdate;
    QAction* mnuAbout;
};

// Item captions; a few windows word one of them differently.
struct HelpCaptions {
    QString online = QStringLiteral("&Online Help");
    QString visit = QStringLiteral("&Visit Us Online");
    QString update = QStringLiteral("Check for Software &Update");
    QString about = QStringLiteral("&About Software");
};

// Fills an empty menu with the four items and their separators.
HelpMenu FillHelpMenu(QMenu* menu, const HelpCaptions& captions = {});

// Adds the Help menu to a window (a Form, or the main window through its own
// addMenu), keeps its items in the window's mnuOnline..mnuAbout members and
// connects them to the window's handlers.
template <class W>
HelpMenu AddHelpMenu(W* w, const HelpCaptions& captions = {})
{
    const HelpMenu m = FillHelpMenu(w->addMenu(QStringLiteral("&Help")), captions);
    w->mnuOnline = m.mnuOnline;
    w->mnuVisit = m.mnuVisit;
    w->mnuUpdate = m.mnuUpdate;
    w->mnuAbout = m.mnuAbout;
    QObject::connect(m.mnuOnline, &QAction::triggered, w, [w] { w->mnuOnline_Click(); });
    QObject::connect(m.mnuVisit, &QAction::triggered, w, [w] { w->mnuVisit_Click(); });
    QObject::connect(m.mnuUpdate, &QAction::triggered, w, [w] { w->mnuUpdate_Click(); });
    QObject::connect(m.mnuAbout, &QAction::triggered, w, [w] { w->mnuAbout_Click(); });
    return m;
}

// Shows the About box modally, ignoring any failure.
void ShowAboutBox();
