#include "ShellFixture.h"

#include "Forms.h"
#include "MDI.h"
#include "Program.h"
#include "RegisterForms.h"
#include "Settings.h"
#include "TestWindow.h"

#include <QApplication>
#include <QMdiArea>
#include <QScrollBar>
#include <QTest>

int ShellFixture::exitCalls = 0;

namespace {

// The main window as the first test found it.
QSize firstMainWindowSize;
int defaultScreenWidthTwips = 0;

// Closes what a test left open on top: menus and lists first, then modal
// windows (a message box, a dialog). Each close may open nothing new, so a
// bounded number of rounds always ends.
void closeLeftovers()
{
    for (int i = 0; i < 20 && QApplication::activePopupWidget(); ++i)
        QApplication::activePopupWidget()->close();
    for (int i = 0; i < 20 && QApplication::activeModalWidget(); ++i) {
        QWidget* modal = QApplication::activeModalWidget();
        modal->close();
        if (QApplication::activeModalWidget() == modal)
            modal->hide();
    }
}

void putMainWindowBack()
{
    MDI& m = mdi();
    m.setWindowState(Qt::WindowNoState);
    m.hide();
    m.resize(firstMainWindowSize);
    m.area->horizontalScrollBar()->setValue(0);
    m.area->verticalScrollBar()->setValue(0);
    m.MDIForm_Load();
    ShowWelcomePanel();
    m.picMain_MouseMove(); // no label left underlined by a hover
    if (QWidget* focus = QApplication::focusWidget())
        focus->clearFocus();
}

} // namespace

void ShellFixture::SetUp()
{
    static bool once = [] {
        PrepareProgram();
        return true;
    }();
    (void)once;
    platform::settings::useFileForTests(tmp.filePath(QStringLiteral("settings.ini")));
    forms::setModalLoops(false);
    exitCalls = 0;
    setExitHandler([] { ++exitCalls; });
    if (!mdiExists()) { // the main window exists before any test window
        mdi();
        firstMainWindowSize = mdi().size();
        defaultScreenWidthTwips = desk.screenWidthTwips;
    }
    ShowWelcomePanel();
}

void ShellFixture::TearDown()
{
    forms::setModalLoops(false);
    closeLeftovers();
    for (Form* f : forms::loaded())
        forms::unload(f->formName());
    closeLeftovers();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    desk.screenWidthTwips = defaultScreenWidthTwips;
    putMainWindowBack();
    QCoreApplication::processEvents();
    platform::settings::useFileForTests({});
}

bool showActiveMainWindow(QSize size)
{
    MDI& m = mdi();
    m.resize(size);
    m.show();
    if (!QTest::qWaitForWindowExposed(&m))
        return false;
    m.activateWindow();
    // A main window that an earlier test hid is still the window system's
    // focus window, which then reports no activation when it comes back:
    // the application is told directly.
    if (QGuiApplication::focusWindow() != m.windowHandle())
        (void)QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == m.windowHandle(); });
    if (QApplication::activeWindow() != &m)
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
