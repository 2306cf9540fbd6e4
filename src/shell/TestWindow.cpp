#include "TestWindow.h"

#include "MDI.h"

#include "ClickLabel.h"

#include <QWidget>

void ShowWelcomePanel()
{
    mdi().picMain->setVisible(true);
}

void HideWelcomePanel()
{
    mdi().picMain->setVisible(false);
}

bool WelcomePanelVisible()
{
    // Visible as far as the main window is concerned, shown on screen or not.
    return !mdi().picMain->isHidden();
}

void InitResources()
{
    Q_INIT_RESOURCE(resources);
}
