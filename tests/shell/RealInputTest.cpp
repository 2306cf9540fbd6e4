// The shared window pieces under real key presses, clicks and pointer moves,
// with the modal loops on where modality is the point.
#include "InputMethod.h"
#include "MDI.h"
#include "TestWindow.h"
#include "frmAbout.h"
#include "frmMainKundali.h"
#include "frmMainMoonSigncompatibility.h"
#include "frmMainNumerology.h"
#include "frmMainZodiac.h"
#include "frmSaveZodiac.h"
#include "frmSunSign.h"
#include "frmmainChinese.h"
#include "modSunSign.h"

#include "ClickLabel.h"
#include "Forms.h"
#include "QtDesktop.h"
#include "RichTextBox.h"
#include "ScreenChecks.h"
#include "ShellFixture.h"
#include "TabStrip.h"
#include "Waits.h"

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

class RealInput : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        ASSERT_TRUE(showActiveMainWindow());
    }

    static QStringList barTitles()
    {
        QStringList t;
        for (QAction* a : mdi().menuBar()->actions())
            t << a->text();
        return t;
    }

    // A click that goes through the window system, as a user's does, so a
    // window blocked by a modal one never sees it.
    static void realClick(QWidget* w)
    {
        QWidget* top = w->window();
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, w->mapTo(top, w->rect().center()));
        QCoreApplication::processEvents();
    }

    // The sun-sign result of a pair born on the given days of 1990.
    static frmSunSign& sunSignResult(const char* monthM, const char* monthF)
    {
        QTest::mouseClick(mdi().cmdCallMainForm[5], Qt::LeftButton);
        frmMainZodiac& in = forms::get<frmMainZodiac>();
        QTest::keyClicks(in.txtNameM, QStringLiteral("Asha"));
        QTest::keyClicks(in.txtNameF, QStringLiteral("Ben"));
        in.cboMonthM->setCurrentText(QString::fromLatin1(monthM));
        in.cboMonthF->setCurrentText(QString::fromLatin1(monthF));
        in.cboDateM->setCurrentText(QStringLiteral("10"));
        in.cboDateF->setCurrentText(QStringLiteral("10"));
        QTest::mouseClick(in.cmdSunSign, Qt::LeftButton);
        QCoreApplication::processEvents(); // the main window's layout follows
        return forms::get<frmSunSign>();
    }

    // The window that has the activation inside the main window.
    static QWidget* activeChild()
    {
        QMdiSubWindow* sub = mdi().area->activeSubWindow();
        return sub ? sub->widget() : nullptr;
    }

    // A click at a point of w that goes through the window system.
    static void realClickAt(QWidget* w, QPoint at)
    {
        QWidget* top = w->window();
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, w->mapTo(top, at));
        QCoreApplication::processEvents();
    }

    static void realDoubleClickAt(QWidget* w, QPoint at)
    {
        QWidget* top = w->window();
        QTest::mouseDClick(top->windowHandle(), Qt::LeftButton, {}, w->mapTo(top, at));
        QCoreApplication::processEvents();
    }

    // Steps run one after another from the event loop, each in its own turn,
    // so a modal wait that ends too early shows between them. Once the test
    // sets *over, steps still waiting are dropped.
    using Steps = std::vector<std::function<void()>>;
    static void inTurn(std::shared_ptr<Steps> steps, std::shared_ptr<bool> over, std::size_t i = 0)
    {
        if (i >= steps->size())
            return;
        QTimer::singleShot(0, [=] {
            if (*over)
                return;
            (*steps)[i]();
            inTurn(steps, over, i + 1);
        });
    }

    template <class Window>
    static Window& launch(int launcher)
    {
        QTest::mouseClick(mdi().cmdCallMainForm[static_cast<std::size_t>(launcher)], Qt::LeftButton);
        QCoreApplication::processEvents();
        return forms::get<Window>();
    }

    // A key as the window system delivers it: to the focus widget of the
    // active window, shortcuts first.
    static void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QWindow* active = QGuiApplication::focusWindow();
        ASSERT_NE(active, nullptr);
        QTest::keyClick(active, k, mods);
        QCoreApplication::processEvents();
    }

    static void focusOn(QWidget* w)
    {
        w->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), w);
    }

    // What the program did: its messages, then its loaded windows.
    std::string outcome() const
    {
        QStringList out;
        for (const auto& m : desk.messages)
            out << QStringLiteral("message: ") + m.text;
        for (Form* f : forms::loaded())
            out << QString::fromStdString(f->formName()) + (f->isVisible() ? QString() : QStringLiteral(" (hidden)"));
        return out.join(QStringLiteral("; ")).toStdString();
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
    menuKeys(m.cmdExit, Qt::Key_H, Qt::Key_A); // returns when the box is gone
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

TEST_F(RealInput, AReportStaysModalWhileMaximisedRestoredAndMinimised)
{
    MDI& m = mdi();
    frmSunSign& result = sunSignResult("April", "August"); // Aries and Leo
    ASSERT_EQ(modSunSign::state().SunSignF, "Leo");

    forms::setModalLoops(true);
    QPointer<frmSaveZodiac> report;
    QMdiSubWindow* sub = nullptr;
    QString firstReport;
    QStringList triedIn;
    // Everything outside the report is tried and must be refused.
    auto refused = [&](const char* state) {
        SCOPED_TRACE(state);
        EXPECT_TRUE(forms::modalWindowOpen());
        EXPECT_FALSE(result.cmdBack->isEnabledTo(&m));
        EXPECT_FALSE(result.cmdSave->isEnabledTo(&m));
        realClick(m.cmdCallMainForm[1]);
        EXPECT_FALSE(forms::isLoaded("frmMainKundali"));
        QMenuBar* bar = m.menuBar();
        for (QAction* menu : bar->actions()) {
            EXPECT_FALSE(menu->isEnabled()) << menu->text().toStdString();
            realClickAt(bar, bar->actionGeometry(menu).center());
            EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << menu->text().toStdString();
        }
        QTest::keyClick(report->RTB, Qt::Key_F, Qt::AltModifier);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        QTest::keyClick(report->RTB, Qt::Key_E, Qt::AltModifier);
        ASSERT_TRUE(testwait::buttonsReleased()); // a click of Exit would be done now
        EXPECT_FALSE(m.close());
        EXPECT_TRUE(m.isVisible());
        EXPECT_EQ(exitCalls, 0);
        EXPECT_TRUE(forms::isLoaded<frmSaveZodiac>());
        EXPECT_EQ(&forms::get<frmSaveZodiac>(), report.data());
        EXPECT_EQ(report->RTB->toPlainText(), firstReport);
        triedIn << QString::fromLatin1(state);
    };
    auto over = std::make_shared<bool>(false);
    inTurn(std::make_shared<Steps>(Steps{
               [&] {
                   report = &forms::get<frmSaveZodiac>();
                   firstReport = report->RTB->toPlainText();
                   sub = qobject_cast<QMdiSubWindow*>(report->frame());
                   ASSERT_NE(sub, nullptr);
                   // A double click on the title bar maximises.
                   realDoubleClickAt(sub, screenchecks::titleBarPoint(sub, QStyle::SC_TitleBarLabel));
                   EXPECT_TRUE(sub->isMaximized());
               },
               [&] { refused("maximised"); },
               [&] {
                   // A maximised child has its buttons at the right of the menu
                   // bar: minimise, restore, close.
                   QWidget* buttons = m.menuBar()->cornerWidget(Qt::TopRightCorner);
                   ASSERT_NE(buttons, nullptr);
                   ASSERT_TRUE(buttons->isEnabledTo(&m));
                   realClickAt(buttons, buttons->rect().center());
                   EXPECT_FALSE(sub->isMaximized());
               },
               [&] { refused("restored"); },
               [&] {
                   realClickAt(sub, screenchecks::titleBarPoint(sub, QStyle::SC_TitleBarMinButton));
                   EXPECT_TRUE(sub->isMinimized());
               },
               [&] { refused("minimised"); },
               [&] {
                   realClickAt(sub, screenchecks::titleBarPoint(sub, QStyle::SC_TitleBarNormalButton));
                   EXPECT_FALSE(sub->isMinimized());
               },
               [&] { refused("shown again"); },
               [&] { realClickAt(sub, screenchecks::titleBarPoint(sub, QStyle::SC_TitleBarCloseButton)); },
           }),
           over);
    QTest::mouseClick(result.cmdSave, Qt::LeftButton); // returns when the report is gone
    *over = true;
    EXPECT_EQ(triedIn, (QStringList{"maximised", "restored", "minimised", "shown again"}));
    EXPECT_FALSE(forms::isLoaded<frmSaveZodiac>());
    EXPECT_TRUE(firstReport.contains(QStringLiteral("You And Your Partner: Aries And Leo")));

    // Back, a new pair, Save: the report is the new pair's.
    forms::setModalLoops(false);
    QTest::mouseClick(result.cmdBack, Qt::LeftButton);
    frmMainZodiac& in = forms::get<frmMainZodiac>();
    QTest::keyClicks(in.txtNameM, QStringLiteral("Asha"));
    QTest::keyClicks(in.txtNameF, QStringLiteral("Ben"));
    in.cboMonthM->setCurrentText(QStringLiteral("May"));  // Taurus
    in.cboMonthF->setCurrentText(QStringLiteral("July")); // Cancer
    QTest::mouseClick(in.cmdSunSign, Qt::LeftButton);
    QTest::mouseClick(forms::get<frmSunSign>().cmdSave, Qt::LeftButton);
    const QString second = forms::get<frmSaveZodiac>().RTB->toPlainText();
    EXPECT_TRUE(second.contains(QStringLiteral("You And Your Partner: Taurus And Cancer")));
    EXPECT_FALSE(second.contains(QStringLiteral("Aries")));
}

TEST_F(RealInput, ClosingAModalReportHandsTheKeysBackToTheResultWindow)
{
    MDI& m = mdi();
    struct Way {
        const char* name;
        std::function<void(frmSaveZodiac&)> close;
    };
    const Way ways[] = {
        {"close box",
         [](frmSaveZodiac& r) {
             auto* sub = qobject_cast<QMdiSubWindow*>(r.frame());
             realClickAt(sub, screenchecks::titleBarPoint(sub, QStyle::SC_TitleBarCloseButton));
         }},
        {"Escape", [](frmSaveZodiac&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }},
        {"Ctrl+F4",
         [](frmSaveZodiac&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4, Qt::ControlModifier); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        frmSunSign& result = sunSignResult("April", "August");
        forms::setModalLoops(true);
        bool reportHadTheKeys = false, closed = false;
        QTimer::singleShot(0, [&] {
            frmSaveZodiac& r = forms::get<frmSaveZodiac>();
            reportHadTheKeys = activeChild() == &r && r.isAncestorOf(QApplication::focusWidget());
            way.close(r);
            closed = !forms::isLoaded<frmSaveZodiac>();
            if (!closed)
                r.Unload();
        });
        realClick(result.cmdSave); // returns when the report is gone
        forms::setModalLoops(false);
        EXPECT_TRUE(reportHadTheKeys);
        EXPECT_TRUE(closed);

        // The result window is active again, with its menus and the focus.
        EXPECT_EQ(activeChild(), &result);
        ASSERT_FALSE(m.menuBar()->actions().isEmpty());
        EXPECT_EQ(m.menuBar()->actions()[0], result.menus()[0]->menuAction());
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_TRUE(result.isAncestorOf(focus));
        // Its own Alt+B works at once.
        QTest::keyClick(focus, Qt::Key_B, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([] { return !forms::isLoaded<frmSunSign>(); }));
        ASSERT_TRUE(forms::isLoaded<frmMainZodiac>());
        EXPECT_EQ(activeChild(), &forms::get<frmMainZodiac>());
        forms::unload<frmMainZodiac>();
    }
    EXPECT_EQ(exitCalls, 0);
}

TEST_F(RealInput, TheAboutBoxAndAMessageBoxHandTheKeysBack)
{
    MDI& m = mdi();
    frmSunSign& result = sunSignResult("April", "August");
    result.TS->setFocus();
    QCoreApplication::processEvents();
    ASSERT_EQ(activeChild(), &result);
    QWidget* before = QApplication::focusWidget();
    ASSERT_TRUE(result.isAncestorOf(before));

    auto handedBack = [&](const char* what) {
        SCOPED_TRACE(what);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m));
        EXPECT_EQ(activeChild(), &result);
        EXPECT_EQ(QApplication::focusWidget(), before);
        ASSERT_FALSE(m.menuBar()->actions().isEmpty());
        EXPECT_EQ(m.menuBar()->actions()[0], result.menus()[0]->menuAction());
    };

    // The About box from the result window's Help menu, closed by its OK
    // button and by its close box.
    forms::setModalLoops(true);
    const std::function<void(frmAbout&)> closeAbout[] = {
        [](frmAbout& a) { realClick(a.cmdOK); },
        [](frmAbout& a) { a.close(); },
    };
    for (const auto& close : closeAbout) {
        bool wasModal = false;
        QTimer::singleShot(0, [&] {
            frmAbout& a = forms::get<frmAbout>();
            wasModal = QGuiApplication::modalWindow() == a.windowHandle();
            close(a);
        });
        menuKeys(before, Qt::Key_H, Qt::Key_A); // returns when the box is gone
        EXPECT_TRUE(wasModal);
        EXPECT_FALSE(forms::isLoaded<frmAbout>());
        handedBack("About box");
    }
    forms::setModalLoops(false);

    // A message box of the real desktop, closed by Escape and by its button.
    platform::QtDesktop real;
    const std::function<void(QMessageBox&)> closeBox[] = {
        [](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Escape); },
        [](QMessageBox& b) { realClick(b.button(QMessageBox::Ok)); },
    };
    for (const auto& close : closeBox) {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            shown = box != nullptr;
            if (box)
                close(*box);
        });
        real.MsgBox(QStringLiteral("Please Enter Only Numbers"), platform::MsgButtons::OK,
                    platform::MsgIcon::Critical, {});
        EXPECT_TRUE(shown);
        handedBack("message box");
    }

    // And the keys work: Alt+B goes back.
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([] { return !forms::isLoaded<frmSunSign>(); }));
    EXPECT_EQ(exitCalls, 0);
}

TEST_F(RealInput, EscapeOrCtrlF4ClosesTheAboutBoxAndTheFocusComesBack)
{
    MDI& m = mdi();
    struct Opener {
        const char* window;
        std::function<QWidget*()> open; // the window shown, the focus in it
        Qt::Key key;                    // closes the box
        Qt::KeyboardModifiers modifiers;
    };
    const auto kundaliInput = [] {
        QTest::mouseClick(mdi().cmdCallMainForm[1], Qt::LeftButton);
        return static_cast<QWidget*>(forms::get<frmMainKundali>().txtMCity);
    };
    const Opener openers[] = {
        {"Kundali input, Escape", kundaliInput, Qt::Key_Escape, Qt::NoModifier},
        {"sun-sign result, Escape", [] { return static_cast<QWidget*>(sunSignResult("April", "August").TS); },
         Qt::Key_Escape, Qt::NoModifier},
        {"Kundali input, Ctrl+F4", kundaliInput, Qt::Key_F4, Qt::ControlModifier},
    };
    for (const Opener& o : openers) {
        SCOPED_TRACE(o.window);
        QWidget* before = o.open();
        before->setFocus();
        QCoreApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), before);
        QWidget* window = activeChild();
        ASSERT_TRUE(window->isAncestorOf(before));

        forms::setModalLoops(true);
        bool wasModal = false, hadTheKeys = false, closed = false;
        QTimer::singleShot(0, [&] {
            frmAbout& a = forms::get<frmAbout>();
            wasModal = QGuiApplication::modalWindow() == a.windowHandle();
            // The test screen hands the activation back to the main window
            // as the menu closes, which may come after the box has shown; a
            // window manager leaves it with the box. Give it back to the box
            // until the box keeps it.
            const auto boxHasTheKeys = [&] {
                return QGuiApplication::focusWindow() == a.windowHandle() && QApplication::activeWindow() == &a;
            };
            hadTheKeys = QTest::qWaitFor([&] {
                if (!boxHasTheKeys()) {
                    a.activateWindow();
                    return false;
                }
                QCoreApplication::processEvents(); // a late hand-back arrives here
                return boxHasTheKeys();
            });
            // Through the window system, to whatever has the focus there.
            QTest::keyClick(QGuiApplication::focusWindow(), o.key, o.modifiers);
            closed = !forms::isLoaded<frmAbout>();
            if (!closed)
                a.Unload();
        });
        menuKeys(before, Qt::Key_H, Qt::Key_A); // returns when the box is gone
        forms::setModalLoops(false);
        EXPECT_TRUE(wasModal);
        EXPECT_TRUE(hadTheKeys);
        EXPECT_TRUE(closed);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m));
        EXPECT_EQ(activeChild(), window);
        EXPECT_EQ(QApplication::focusWidget(), before);
    }
    EXPECT_EQ(exitCalls, 0);
}

TEST_F(RealInput, AltEEndsTheProgramOnlyWhileNoTestWindowIsActive)
{
    MDI& m = mdi();
    // Each test's input window, and a result window, with the focus where
    // the user types.
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        realClick(m.cmdCallMainForm[i]);
        Form& w = forms::get(std::string(MDI::Launchers[static_cast<std::size_t>(i)]));
        ASSERT_EQ(activeChild(), &w);
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        ASSERT_TRUE(w.isAncestorOf(focus));
        if (auto* box = qobject_cast<QLineEdit*>(focus))
            QTest::keyClicks(box, QStringLiteral("Ann"));
        QTest::keyClick(focus, Qt::Key_E, Qt::AltModifier);
        // A button the key had reached would be pressed now, clicked once let go.
        ASSERT_TRUE(testwait::buttonsReleased());
        EXPECT_EQ(exitCalls, 0);
        EXPECT_TRUE(m.isVisible());
        EXPECT_TRUE(forms::isLoaded(w.formName()));
        if (auto* box = qobject_cast<QLineEdit*>(focus)) {
            EXPECT_TRUE(box->text().startsWith(QStringLiteral("Ann")));
        }
    }
    frmSunSign& result = sunSignResult("April", "August");
    QTest::keyClick(result.cmdSave, Qt::Key_E, Qt::AltModifier);
    ASSERT_TRUE(testwait::buttonsReleased());
    EXPECT_EQ(exitCalls, 0);
    EXPECT_TRUE(forms::isLoaded<frmSunSign>());

    // With no test window left, Alt+E is the Exit button's key again.
    QTest::mouseClick(result.cmdBack, Qt::LeftButton);
    forms::unload<frmMainZodiac>();
    QCoreApplication::processEvents();
    ASSERT_EQ(m.menuBar()->actions().value(0), m.mnuFile->menuAction());
    m.cmdExit->setFocus();
    QTest::keyClick(m.cmdExit, Qt::Key_E, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([] { return exitCalls == 1; }));
    EXPECT_EQ(m.cmdExit->text(), QStringLiteral("&Exit"));
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

// Keys that every window shares: Alt and Meta keys that no shortcut takes
// type nothing into a text box, and Enter presses the focused button.

TEST_F(RealInput, AltAndMetaKeysTypeNothingIntoTheUnfilteredBoxes)
{
    struct Boxes {
        const char* window;
        std::function<QList<QLineEdit*>()> open;
        std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;
    };

    const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> altEAndX = {
        {Qt::Key_E, Qt::AltModifier},
        {Qt::Key_X, Qt::AltModifier},
        {Qt::Key_E, Qt::AltModifier | Qt::ShiftModifier},
        {Qt::Key_X, Qt::MetaModifier},
        {Qt::Key_E, Qt::AltModifier | Qt::ControlModifier},
        {Qt::Key_5, Qt::AltModifier},
    };
    const Boxes windows[] = {
        {"numerology",
         [] {
             auto& w = launch<frmMainNumerology>(4);
             return QList<QLineEdit*>{w.txtMF, w.txtMM, w.txtML, w.txtFF, w.txtFM, w.txtFL};
         },
         altEAndX},
        {"sun sign",
         [] {
             auto& w = launch<frmMainZodiac>(5);
             return QList<QLineEdit*>{w.txtNameM, w.txtNameF};
         },
         altEAndX},
        {"moon sign",
         [] {
             auto& w = launch<frmMainMoonSigncompatibility>(3);
             return QList<QLineEdit*>{w.txtMName, w.txtFName, w.txtMCity, w.txtFCountry};
         },
         altEAndX},
        {"Chinese",
         [] {
             auto& w = launch<frmmainChinese>(2);
             return QList<QLineEdit*>{w.txtMaleName, w.txtFemaleName};
         },
         altEAndX},
        // Alt+X is the Kundali window's Exit.
        {"Kundali places",
         [] {
             auto& w = launch<frmMainKundali>(1);
             return QList<QLineEdit*>{w.txtMCity, w.txtMState, w.txtMCountry, w.txtFCity, w.txtFState, w.txtFCountry};
         },
         {{Qt::Key_E, Qt::AltModifier}, {Qt::Key_Q, Qt::AltModifier}, {Qt::Key_X, Qt::MetaModifier}}},
    };
    for (const Boxes& win : windows) {
        SCOPED_TRACE(win.window);
        const QList<QLineEdit*> boxes = win.open();
        for (QLineEdit* box : boxes) {
            focusOn(box);
            QTest::keyClicks(box, QStringLiteral("Ram"));
            ASSERT_EQ(box->text(), QStringLiteral("Ram"));
            const std::string before = outcome();
            for (const auto& [k, mods] : win.keys)
                key(k, mods);
            EXPECT_EQ(box->text(), QStringLiteral("Ram"));
            EXPECT_EQ(outcome(), before) << "no message, no window opened or closed";
            EXPECT_EQ(QApplication::focusWidget(), box);
            // Plain and shifted keys still type, and so does Alt+Backspace,
            // the box's own undo.
            key(Qt::Key_A);
            QTest::keyClick(QGuiApplication::focusWindow(), 'M', Qt::ShiftModifier);
            EXPECT_EQ(box->text(), QStringLiteral("RamaM"));
            key(Qt::Key_Backspace, Qt::AltModifier);
            // The typing is one step: undone, the box is empty again, and
            // it can be redone, which deleting the text would not allow.
            EXPECT_EQ(box->text(), QString());
            EXPECT_TRUE(box->isRedoAvailable());
        }
        // A shortcut still takes its Alt key from the box.
        key(Qt::Key_F, Qt::AltModifier);
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr) << "Alt+F opened no menu";
        popup->close();
    }
}

TEST_F(RealInput, AltGrCharactersAndDeadKeysStillType)
{
    auto& w = launch<frmMainNumerology>(4);
    focusOn(w.txtMF);
    QWindow* window = QGuiApplication::focusWindow();
    ASSERT_NE(window, nullptr);
    // AltGr comes as a group switch, not as Alt: its characters arrive.
    QTest::sendKeyEvent(QTest::Click, window, Qt::Key_At, QStringLiteral("@"), Qt::GroupSwitchModifier);
    QTest::sendKeyEvent(QTest::Click, window, Qt::Key_E, QStringLiteral("\u20ac"), Qt::GroupSwitchModifier);
    // A dead key then a letter: the input method commits the accented one.
    compose(w.txtMF, QStringLiteral("\u00b4"), QStringLiteral("\u00e9"));
    EXPECT_EQ(w.txtMF->text(), QStringLiteral("@\u20ac\u00e9"));
    EXPECT_TRUE(desk.messages.empty());
}

TEST_F(RealInput, EnterOnAFocusedButtonDoesWhatAClickDoes)
{
    struct Case {
        const char* button;
        std::function<QPushButton*()> open; // the window ready, its button
        const char* shows;                  // a line the outcome must hold
    };
    auto kundali = [] {
        auto& w = launch<frmMainKundali>(1);
        const std::pair<QLineEdit*, const char*> entries[] = {
            {w.txtMName, "Ravi"}, {w.txtMZoneHour, "5"}, {w.txtMZoneMinute, "30"}, {w.txtMLD, "28"},
            {w.txtMLM, "36"},     {w.txtMLoD, "77"},     {w.txtMLoM, "12"},        {w.txtMCity, "Delhi"},
            {w.txtMState, "Delhi"}, {w.txtMCountry, "India"}, {w.txtFName, "Sita"}, {w.txtFZoneHour, "5"},
            {w.txtFZoneMinute, "30"}, {w.txtFLD, "19"}, {w.txtFLM, "4"}, {w.txtFLoD, "72"}, {w.txtFLoM, "52"},
            {w.txtFCity, "Mumbai"}, {w.txtFState, "Maharashtra"}, {w.txtFCountry, "India"}};
        for (const auto& [box, text] : entries)
            box->setText(QString::fromLatin1(text));
        return &w;
    };
    const Case cases[] = {
        {"Match Kundali", [&] { return kundali()->cmdCalculate; }, "frmVedicResult"},
        {"Match Kundali on an empty window", [] { return launch<frmMainKundali>(1).cmdCalculate; },
         "message: Please Enter Your Name"},
        {"Kundali Exit", [&] { return kundali()->cmdExit; }, nullptr},
        {"sun-sign check",
         [] {
             auto& w = launch<frmMainZodiac>(5);
             w.txtNameM->setText(QStringLiteral("Asha"));
             w.txtNameF->setText(QStringLiteral("Ben"));
             return w.cmdSunSign;
         },
         "frmSunSign"},
        {"Comprehensive Reading",
         [] {
             auto& w = launch<frmMainNumerology>(4);
             for (QLineEdit* box : {w.txtMF, w.txtML, w.txtFF, w.txtFL})
                 box->setText(QStringLiteral("Lee"));
             for (QComboBox* list : {w.cboMD, w.cboMM, w.cboMY, w.cboFD, w.cboFM, w.cboFY})
                 list->setCurrentIndex(0);
             return w.cmdCR;
         },
         "frmSaveDocumentNumerology"},
    };
    const std::function<void(QPushButton*)> presses[] = {
        [](QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); },
        [](QPushButton* b) {
            focusOn(b);
            key(Qt::Key_Return);
        },
        [](QPushButton* b) {
            focusOn(b);
            key(Qt::Key_Enter, Qt::KeypadModifier);
        },
        [](QPushButton* b) {
            focusOn(b);
            key(Qt::Key_Space);
        },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        std::string clicked;
        for (std::size_t i = 0; i < std::size(presses); ++i) {
            SCOPED_TRACE(i);
            for (Form* f : forms::loaded())
                forms::unload(f->formName());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QPushButton* button = c.open();
            desk.messages.clear();
            const std::string before = outcome();
            presses[i](button);
            const std::string after = outcome();
            EXPECT_NE(after, before) << "the press did nothing";
            if (i == 0)
                clicked = after;
            else
                EXPECT_EQ(after, clicked);
            if (c.shows) {
                EXPECT_NE(after.find(c.shows), std::string::npos) << after;
            }
        }
    }
}

TEST_F(RealInput, EnterInABoxIsTheBoxsOwn)
{
    auto& w = launch<frmMainZodiac>(5);
    w.txtNameF->setText(QStringLiteral("Ben"));
    focusOn(w.txtNameM);
    QTest::keyClicks(w.txtNameM, QStringLiteral("Asha"));
    const std::string before = outcome();
    key(Qt::Key_Return);
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(outcome(), before) << "Enter in a name box pressed a button";
    EXPECT_EQ(w.txtNameM->text(), QStringLiteral("Asha"));

    // A filtered box refuses it with its message.
    auto& k = launch<frmMainKundali>(1);
    focusOn(k.txtMLD);
    desk.messages.clear();
    key(Qt::Key_Return);
    ASSERT_EQ(desk.messages.size(), 1u);
    EXPECT_EQ(desk.messages[0].text, frmMainKundali::OnlyNumbersMessage);
}

TEST_F(RealInput, EnterInAMessageBoxPressesItsFocusedButtonOnce)
{
    platform::QtDesktop real;
    struct Case {
        QMessageBox::StandardButton focus;
        Qt::Key key;
        platform::MsgResult answer;
    };
    const Case cases[] = {
        {QMessageBox::No, Qt::Key_Return, platform::MsgResult::No},
        {QMessageBox::Yes, Qt::Key_Enter, platform::MsgResult::Yes},
        {QMessageBox::No, Qt::Key_Space, platform::MsgResult::No},
    };
    for (const Case& c : cases) {
        int clicks = 0;
        bool shown = false;
        // The box may come up a moment after the timer; look again until it
        // is there, and if it does not come within the default wait close
        // every message box, so the test fails instead of waiting for a
        // click. Tries still pending when the box has gone die with `tries`.
        // (A wait inside the timer would hold back the box it waits for.)
        QObject tries;
        const QDeadlineTimer deadline(testwait::DefaultMs);
        std::function<void()> press = [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                if (!deadline.hasExpired()) {
                    QTimer::singleShot(10, &tries, [&press] { press(); });
                    return;
                }
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (auto* stray = qobject_cast<QMessageBox*>(w))
                        stray->reject();
                return;
            }
            shown = true;
            QAbstractButton* b = box->button(c.focus);
            QObject::connect(b, &QAbstractButton::clicked, [&] { ++clicks; });
            b->setFocus();
            QTest::keyClick(box->windowHandle(), c.key,
                            c.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            if (box->isVisible())
                box->reject();
        };
        QTimer::singleShot(0, &tries, [&press] { press(); });
        const auto answer = real.MsgBox(QStringLiteral("Check for a newer version now?"), platform::MsgButtons::YesNo,
                                        platform::MsgIcon::Question, {});
        EXPECT_TRUE(shown);
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(clicks, 1);
    }
}
