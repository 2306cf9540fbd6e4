#include "HelpMenu.h"

#include "frmAbout.h"

#include "Forms.h"

HelpMenu FillHelpMenu(QMenu* menu, const HelpCaptions& captions)
{
    HelpMenu m{};
    m.mnuHelp = menu;
    m.mnuOnline = menu->addAction(captions.online);
    m.mnuVisit = menu->addAction(captions.visit);
    menu->addSeparator();
    m.mnuUpdate = menu->addAction(captions.update);
    menu->addSeparator();
    m.mnuAbout = menu->addAction(captions.about);
    return m;
}

void ShowAboutBox()
{
    forms::get<frmAbout>().ShowModal();
}
