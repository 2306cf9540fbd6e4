#include "ShellFixture.h"

#include "Forms.h"
#include "MDI.h"
#include "RegisterForms.h"
#include "Settings.h"
#include "TestWindow.h"

#include <QApplication>
#include <QTest>

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

bool showActiveMainWindow()
{
    MDI& m = mdi();
    m.resize(1400, 900);
    m.show();
    m.activateWindow();
    if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == &m; }, 500))
        QApplication::setActiveWindow(&m);
    return QApplication::activeWindow() == &m;
}

void menuKeys(QWidget* focus, Qt::Key menuKey, Qt::Key itemKey)
{
    QTest::keyClick(focus, menuKey, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr) << "no menu opened";
    QTest::keyClick(popup, itemKey);
    QCoreApplication::processEvents();
}
