#include "ShellFixture.h"

#include "Forms.h"
#include "MDI.h"
#include "RegisterForms.h"
#include "Settings.h"
#include "TestWindow.h"

#include <QCoreApplication>

int ShellFixture::exitCalls = 0;

void ShellFixture::SetUp()
{
    static bool once = [] {
        InitResources();
        RegisterAllForms();
        return true;
    }();
    (void)once;
    platform::settings::useFileForTests(tmp.filePath(QStringLiteral("settings.ini")));
    forms::setModalLoops(false);
    exitCalls = 0;
    setExitHandler([] { ++exitCalls; });
    mdi(); // the main window exists before any test window
    ShowWelcomePanel();
}

void ShellFixture::TearDown()
{
    for (Form* f : forms::loaded())
        forms::unload(f->formName());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    platform::settings::useFileForTests({});
}
