#include "HelpMenu.h"

#include "frmAbout.h"

#include "Forms.h"

#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

HelpMenu AddHelpMenu(QMenuBar* bar)
{
    HelpMenu m{};
    m.mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    m.mnuOnline = m.mnuHelp->addAction(QStringLiteral("&Online Help"));
    m.mnuVisit = m.mnuHelp->addAction(QStringLiteral("&Visit Us Online"));
    m.mnuHelp->addSeparator();
    m.mnuUpdate = m.mnuHelp->addAction(QStringLiteral("Check for Software &Update"));
    m.mnuHelp->addSeparator();
    m.mnuAbout = m.mnuHelp->addAction(QStringLiteral("&About Software"));
    return m;
}

void ShowAboutBox()
{
    try {
        forms::get<frmAbout>().ShowModal();
    } catch (...) {
    }
}

QWidget* WithMenuBar(QWidget* window, QMenuBar** bar)
{
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    *bar = new QMenuBar(window);
    layout->setMenuBar(*bar);
    auto* body = new QWidget(window);
    body->setObjectName(QStringLiteral("body"));
    layout->addWidget(body, 1);
    return body;
}
