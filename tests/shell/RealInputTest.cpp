// The shared window pieces under real key presses, clicks and pointer moves,
// with the modal loops on where modality is the point.
#include "MDI.h"
#include "TestWindow.h"
#include "frmAbout.h"
#include "frmMainZodiac.h"
#include "frmSaveZodiac.h"
#include "frmSunSign.h"

#include "ClickLabel.h"
#include "Forms.h"
#include "ShellFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>

namespace {

class RealInput : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        MDI& m = mdi();
        m.resize(1400, 900);
        m.show();
        m.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m));
    }

    void TearDown() override
    {
        forms::setModalLoops(false);
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        ShellFixture::TearDown();
    }

    static QStringList barTitles()
    {
        QStringList t;
        for (QAction* a : mdi().menuBar()->actions())
            t << a->text();
        return t;
    }

    // Alt+letter on the focus widget, then a letter in the menu it opens.
    static void menuKeys(QWidget* focus, Qt::Key menuKey, Qt::Key itemKey)
    {
        QTest::keyClick(focus, menuKey, Qt::AltModifier);
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr) << "no menu opened";
        QTest::keyClick(popup, itemKey);
        QCoreApplication::processEvents();
    }

    // A click that goes through the window system, as a user's does, so a
    // window blocked by a modal one never sees it.
    static void realClick(QWidget* w)
    {
        QWidget* top = w->window();
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, w->mapTo(top, w->rect().center()));
        QCoreApplication::processEvents();
    }

    // Runs check while a modal show waits, then ends the modal window.
    static void whileModal(const std::function<void()>& check, const std::function<void()>& close)
    {
        QTimer::singleShot(0, [=] {
            check();
            close();
        });
    }
};

} // namespace

TEST_F(RealInput, TheMenuBarFollowsTheActiveTestWindow)
{
    MDI& m = mdi();
    EXPECT_EQ(m.menuBar()->actions().size(), 2);
    EXPECT_EQ(m.menuBar()->actions()[0], m.mnuFile->menuAction());

    QTest::mouseClick(m.cmdCallMainForm[5], Qt::LeftButton);
    frmMainZodiac& w = forms::get<frmMainZodiac>();
    ASSERT_EQ(w.menus().size(), 2);
    // One bar: the window's own menus stand in the main window's bar.
    EXPECT_EQ(m.menuBar()->actions()[0], w.menus()[0]->menuAction());
    EXPECT_EQ(m.menuBar()->actions()[1], w.menus()[1]->menuAction());
    EXPECT_EQ(barTitles(), (QStringList{QStringLiteral("&File"), QStringLiteral("&Help")}));
    EXPECT_TRUE(w.findChildren<QMenuBar*>().isEmpty());

    w.Unload();
    QCoreApplication::processEvents();
    EXPECT_EQ(m.menuBar()->actions()[0], m.mnuFile->menuAction());
}

TEST_F(RealInput, AltFThenXUnloadsTheTestWindowOnly)
{
    MDI& m = mdi();
    QTest::mouseClick(m.cmdCallMainForm[5], Qt::LeftButton);
    frmMainZodiac& w = forms::get<frmMainZodiac>();
    w.txtNameM->setFocus();
    QCoreApplication::processEvents();
    ASSERT_TRUE(w.txtNameM->hasFocus());

    menuKeys(w.txtNameM, Qt::Key_F, Qt::Key_X);
    EXPECT_FALSE(forms::isLoaded<frmMainZodiac>());
    EXPECT_EQ(exitCalls, 0);
    EXPECT_TRUE(m.isVisible());
    EXPECT_TRUE(WelcomePanelVisible());
}

TEST_F(RealInput, AltHOpensTheActiveWindowsHelpMenu)
{
    QTest::mouseClick(mdi().cmdCallMainForm[5], Qt::LeftButton);
    frmMainZodiac& w = forms::get<frmMainZodiac>();
    w.txtNameM->setFocus();
    menuKeys(w.txtNameM, Qt::Key_H, Qt::Key_V);
    EXPECT_EQ(desk.openedUrls.size(), 1);
    EXPECT_TRUE(forms::isLoaded<frmMainZodiac>());
}

TEST_F(RealInput, PointerOnALauncherLabelUnderlinesItUntilThePanelIsCrossed)
{
    MDI& m = mdi();
    ClickLabel* label = m.lblCaptions[4];
    QTest::mouseMove(label, label->rect().center());
    QCoreApplication::processEvents();
    EXPECT_TRUE(label->font().underline());
    // Moving within the label keeps it.
    QTest::mouseMove(label, label->rect().center() + QPoint(5, 0));
    EXPECT_TRUE(label->font().underline());
    // The panel's background between the labels takes it off.
    const QPoint gap = label->geometry().bottomLeft() + QPoint(-20, 10);
    ASSERT_EQ(m.picMain->childAt(gap), nullptr);
    QTest::mouseMove(m.picMain, gap);
    QCoreApplication::processEvents();
    EXPECT_FALSE(label->font().underline());
}

TEST_F(RealInput, TheAboutBoxIsTrulyModal)
{
    forms::setModalLoops(true);
    MDI& m = mdi();
    bool wasModalWindow = false, ownedByMain = false, closeRefused = false;
    bool launched = true;
    whileModal(
        [&] {
            frmAbout& a = forms::get<frmAbout>();
            wasModalWindow = QGuiApplication::modalWindow() == a.windowHandle();
            ownedByMain = a.parentWidget() == &m && a.isWindow();
            realClick(m.cmdCallMainForm[5]);
            launched = forms::isLoaded<frmMainZodiac>();
            closeRefused = !m.close() && m.isVisible();
        },
        [] { realClick(forms::get<frmAbout>().cmdOK); });
    m.mnuAbout->trigger(); // returns when the box is gone
    EXPECT_TRUE(wasModalWindow);
    EXPECT_TRUE(ownedByMain);
    EXPECT_FALSE(launched);
    EXPECT_TRUE(closeRefused);
    EXPECT_EQ(exitCalls, 0);
    EXPECT_FALSE(forms::isLoaded<frmAbout>());
    // Afterwards the main window takes input again.
    QTest::mouseClick(m.cmdCallMainForm[5], Qt::LeftButton);
    EXPECT_TRUE(forms::isLoaded<frmMainZodiac>());
}

TEST_F(RealInput, AModalReportWindowBlocksTheRestOfTheProgram)
{
    MDI& m = mdi();
    QTest::mouseClick(m.cmdCallMainForm[5], Qt::LeftButton);
    frmMainZodiac& in = forms::get<frmMainZodiac>();
    QTest::keyClicks(in.txtNameM, QStringLiteral("Asha"));
    QTest::keyClicks(in.txtNameF, QStringLiteral("Ben"));
    QTest::mouseClick(in.cmdSunSign, Qt::LeftButton);
    ASSERT_TRUE(forms::isLoaded<frmSunSign>());
    frmSunSign& result = forms::get<frmSunSign>();

    forms::setModalLoops(true);
    bool backWorked = true, launched = true, closeRefused = false, reportTakesInput = false;
    bool stillModalWhenMinimised = false;
    whileModal(
        [&] {
            realClick(result.cmdBack);
            backWorked = forms::isLoaded<frmMainZodiac>();
            realClick(m.cmdCallMainForm[1]);
            launched = forms::isLoaded("frmMainKundali");
            closeRefused = !m.close() && m.isVisible();
            reportTakesInput = forms::get<frmSaveZodiac>().cmdPrint->isEnabled() &&
                               forms::get<frmSaveZodiac>().cmdPrint->isEnabledTo(&m);
        },
        [&] {
            // Minimising the report does not end its wait: the loop is still
            // there to run the next timer.
            forms::get<frmSaveZodiac>().frame()->showMinimized();
            QTimer::singleShot(0, [&] {
                stillModalWhenMinimised = forms::modalWindowOpen() && !result.cmdBack->isEnabledTo(&m);
                forms::unload<frmSaveZodiac>();
            });
        });
    QTest::mouseClick(result.cmdSave, Qt::LeftButton); // returns when the report is gone
    EXPECT_FALSE(backWorked);
    EXPECT_FALSE(launched);
    EXPECT_TRUE(closeRefused);
    EXPECT_TRUE(reportTakesInput);
    EXPECT_TRUE(stillModalWhenMinimised);
    EXPECT_EQ(exitCalls, 0);
    // Afterwards the result window answers again.
    EXPECT_TRUE(result.cmdBack->isEnabledTo(&m));
    QTest::mouseClick(result.cmdBack, Qt::LeftButton);
    EXPECT_TRUE(forms::isLoaded<frmMainZodiac>());
}

// Last: ending the program leaves the main window hidden.
TEST_F(RealInput, WithNoTestWindowAltFThenXEndsTheProgram)
{
    QTest::mouseClick(mdi().cmdCallMainForm[5], Qt::LeftButton);
    forms::unload<frmMainZodiac>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    MDI& m = mdi();
    m.cmdExit->setFocus();
    menuKeys(m.cmdExit, Qt::Key_F, Qt::Key_X);
    EXPECT_EQ(exitCalls, 1);
}
