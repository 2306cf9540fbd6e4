// Child windows in the document area of the screen the test program runs on,
// maximised and restored by the title bar and the menu bar as a user does:
// maximised from a scrolled area, a window fills the area from its top;
// restored, the area shows what it showed before, both ways, and the focus
// is where the user left it; a report opened from a maximised, scrolled
// result gives the result back so. Also run on 1920x1080 at a scale of 2.
#include "ChineseCalculation.h"
#include "KundaliMatchSteps.h"
#include "MoonSignRules.h"
#include "frmMainZodiac.h"
#include "frmMoonSign.h"
#include "frmSaveChinese.h"
#include "frmSaveKundali.h"
#include "frmSaveMoonSign.h"
#include "frmSaveZodiac.h"
#include "frmSunSign.h"
#include "frmVedicResult.h"
#include "frmchiness.h"
#include "frmmainChinese.h"
#include "modSunSign.h"

#include "Forms.h"
#include "LineBox.h"
#include "MDI.h"
#include "ScreenChecks.h"
#include "ShellFixture.h"
#include "TestWindow.h"
#include "Waits.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionTitleBar>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

using namespace screenchecks;

namespace {

class ChildWindowViewOnScreen : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        expectNamedScreen();
        shown = std::make_unique<MainWindowShown>(desk);
        // Active, as for a user: the focus goes where it goes for one.
        ASSERT_TRUE(showActiveMainWindow(mdi().size()));
    }
    void TearDown() override
    {
        forms::setModalLoops(false);
        shown.reset();
        modSunSign::state() = {};
        moonsign::state() = {};
        modVedicCompatibility::resetState();
        VorlaineChineseCompatibility::state() = {};
        ShellFixture::TearDown();
    }

    // Clicks a button of a window, bringing it into view first.
    static void press(QPushButton* b)
    {
        ASSERT_TRUE(wheelUntilWhole(b) || scrollBarUntilWhole(b, Qt::Horizontal)) << b->text().toStdString();
        realClick(b);
    }

    static frmMainZodiac& zodiacInput()
    {
        realClick(mdi().cmdCallMainForm[5]);
        frmMainZodiac& w = forms::get<frmMainZodiac>();
        QTest::keyClicks(w.txtNameM, QStringLiteral("Asha"));
        QTest::keyClicks(w.txtNameF, QStringLiteral("Ben"));
        return w;
    }

    static Form& sunSignResult()
    {
        frmMainZodiac& w = zodiacInput();
        pickByKeys(w.cboMonthM, QStringLiteral("April"));
        pickByKeys(w.cboMonthF, QStringLiteral("August"));
        press(w.cmdSunSign);
        return forms::get<frmSunSign>();
    }

    static Form& chineseResult()
    {
        realClick(mdi().cmdCallMainForm[2]);
        frmmainChinese& w = forms::get<frmmainChinese>();
        QTest::keyClicks(w.txtMaleName, QStringLiteral("Arun"));
        pickByKeys(w.cboMaleMonth, QStringLiteral("May"));
        pickByKeys(w.cboMaleYear, QStringLiteral("1990"));
        QTest::keyClicks(w.txtFemaleName, QStringLiteral("Maya"));
        pickByKeys(w.cboFemaleMonth, QStringLiteral("November"));
        pickByKeys(w.cboFemaleYear, QStringLiteral("1992"));
        press(w.cmdProceed);
        return forms::get<frmchiness>();
    }

    // The two results a calculation of the engine leads to, from their
    // signs on, as their input windows fill them.
    static Form& kundaliResult()
    {
        frmVedicResult& r = FillKundaliMatch("Aries", "Pisces", "Ashwini", "Revati");
        r.Show();
        HideWelcomePanel();
        settle();
        // The pair's tab, which has a report.
        QTest::mouseClick(r.TSAll, Qt::LeftButton, {}, r.TSAll->TabRect(1).center());
        return r;
    }

    static Form& moonSignResult()
    {
        moonsign::state().MaleMoonSign = "Scorpio";
        moonsign::state().FemaleMoonSign = "Leo";
        frmMoonSign& r = forms::get<frmMoonSign>();
        r.Show();
        HideWelcomePanel();
        settle();
        return r;
    }

    struct Result {
        const char* name;
        std::function<Form&()> open;
        std::function<QPushButton*()> reportButton;
        const char* report;
    };
    static std::vector<Result> results()
    {
        return {
            {"sun sign", sunSignResult, [] { return forms::get<frmSunSign>().cmdSave; }, frmSaveZodiac::FormName},
            {"Chinese", chineseResult, [] { return forms::get<frmchiness>().cmdPrint; }, frmSaveChinese::FormName},
            {"Kundali", kundaliResult, [] { return forms::get<frmVedicResult>().cmdSave; }, frmSaveKundali::FormName},
            {"moon sign", moonSignResult, [] { return forms::get<frmMoonSign>().cmdPrint; }, frmSaveMoonSign::FormName},
        };
    }

    // Where the keys typed into a window go.
    static QWidget* keysTo(Form& w) { return w.focusWidget() ? w.focusWidget() : &w; }

    static QMdiSubWindow* frameOf(Form& w) { return qobject_cast<QMdiSubWindow*>(w.frame()); }

    // Maximised by the box on the title bar, or by a double click on it.
    static void maximise(QMdiSubWindow* sub, bool byDoubleClick)
    {
        if (byDoubleClick) {
            const QPoint at = titleBarPoint(sub, QStyle::SC_TitleBarLabel);
            QWidget* top = sub->window();
            QTest::mouseDClick(top->windowHandle(), Qt::LeftButton, {}, sub->mapTo(top, at));
            settle();
        } else {
            restingClick(sub, titleBarPoint(sub, QStyle::SC_TitleBarMaxButton));
        }
    }

    static QPoint view()
    {
        return {mdi().area->horizontalScrollBar()->value(), mdi().area->verticalScrollBar()->value()};
    }

    // How far the windows reach below and right of the view's top left
    // corner when it is scrolled to the start.
    static QPoint contentEnd()
    {
        QPoint end;
        for (QMdiSubWindow* s : mdi().area->subWindowList())
            if (s->isVisible())
                end = QPoint(std::max(end.x(), s->geometry().right() + 1), std::max(end.y(), s->geometry().bottom() + 1));
        return end + view();
    }

    // Nothing is selected in the window's text boxes.
    static void expectNothingSelected(Form& w, const std::string& state)
    {
        for (const QLineEdit* box : w.findChildren<QLineEdit*>())
            EXPECT_FALSE(box->hasSelectedText()) << state << ": " << box->text().toStdString();
    }

    std::unique_ptr<MainWindowShown> shown;
};

} // namespace

TEST_F(ChildWindowViewOnScreen, MaximisedFromAScrolledAreaAndRestoredTheViewIsAsBefore)
{
    QMdiArea* area = mdi().area;
    QScrollBar* v = area->verticalScrollBar();
    QScrollBar* h = area->horizontalScrollBar();
    QWidget* viewport = area->viewport();
    for (const Result& c : results()) {
        SCOPED_TRACE(c.name);
        Form& r = c.open();
        QMdiSubWindow* sub = frameOf(r);
        ASSERT_TRUE(sub && sub->isVisible());
        ASSERT_EQ(view(), QPoint(0, 0));
        // One that fits the area's height has nothing to scroll down to.
        const bool tall = v->maximum() > 0;
        const int title = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub);
        // Three cycles: the title-bar box, a double click, the box again;
        // restored each time by the box in the menu bar.
        for (int cycle = 0; cycle < 3; ++cycle) {
            const std::string state = std::string(c.name) + ", cycle " + std::to_string(cycle);
            SCOPED_TRACE(state);
            // Where the area is narrower than the window, the horizontal bar
            // is paged along to the title bar's buttons.
            if (h->maximum() > 0)
                dragHandle(h, h->width());
            // The vertical bar dragged down a little, the title bar still
            // half in view.
            for (int i = 0; tall && i < 5 && v->value() == 0; ++i)
                dragHandle(v, 1);
            ASSERT_EQ(v->value() > 0, tall);
            ASSERT_LT(v->value(), title / 2);
            const QPoint place = sub->pos();
            const QPoint before = view();
            const Stretch handle = drawnHandle(v);
            QWidget* focus = QApplication::focusWidget();
            ASSERT_TRUE(focus && r.isAncestorOf(focus));

            maximise(sub, cycle == 1);
            ASSERT_TRUE(sub->isMaximized());
            // From the top of the area, scrolled only as far as the window
            // itself reaches beyond it.
            EXPECT_EQ(sub->pos(), QPoint(0, 0));
            EXPECT_EQ(view(), QPoint(0, 0));
            EXPECT_EQ(v->minimum(), 0);
            EXPECT_EQ(h->minimum(), 0);
            EXPECT_EQ(v->maximum(), std::max(0, sub->height() - viewport->height()));
            EXPECT_EQ(h->maximum(), std::max(0, sub->width() - viewport->width()));
            EXPECT_EQ(QApplication::focusWidget(), focus);
            if (cycle != 1)
                turnWheel(-120);

            clickMenuBarBox(QStyle::SC_MdiNormalButton);
            ASSERT_FALSE(sub->isMaximized());
            EXPECT_EQ(sub->pos(), place);
            EXPECT_EQ(view(), before);
            EXPECT_EQ(drawnHandle(v).first, handle.first);
            EXPECT_EQ(QApplication::focusWidget(), focus) << "the focus moved on";
            expectNothingSelected(r, state);
            // The range reaches the window's edges, nothing beyond.
            EXPECT_EQ(v->minimum(), 0);
            EXPECT_EQ(v->maximum(), std::max(0, contentEnd().y() - viewport->height()));
            EXPECT_EQ(h->maximum(), std::max(0, contentEnd().x() - viewport->width()));
            for (int step = 0; step < 3; ++step)
                turnWheel(120);
            EXPECT_EQ(v->value(), 0);
            EXPECT_EQ(sub->y(), 0) << "an empty band above the window";
        }
        forms::unload(r.formName());
        settle();
    }
}

TEST_F(ChildWindowViewOnScreen, MaximisedAndRestoredTheFocusStaysWhereItWas)
{
    struct Case {
        const char* name;
        std::function<QWidget*()> focus; // opens the window, focuses a control
    };
    const Case cases[] = {
        {"the Zodiac input's year box",
         [] {
             frmMainZodiac& w = zodiacInput();
             // By keys from the name box, as a user gets there.
             w.txtNameM->setFocus();
             for (int i = 0; i < 3; ++i)
                 QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
             return static_cast<QWidget*>(w.cboYearM);
         }},
        {"the Kundali result's outer tab strip",
         [] {
             auto& r = static_cast<frmVedicResult&>(kundaliResult());
             return static_cast<QWidget*>(r.TSAll);
         }},
    };
    for (const Case& c : cases) {
        for (const bool byDoubleClick : {false, true}) {
            const std::string state = std::string(c.name) + (byDoubleClick ? ", double click" : ", title-bar box");
            SCOPED_TRACE(state);
            QWidget* focus = c.focus();
            ASSERT_EQ(QApplication::focusWidget(), focus);
            Form* form = nullptr;
            for (QWidget* p = focus; p && !form; p = p->parentWidget())
                form = qobject_cast<Form*>(p);
            ASSERT_NE(form, nullptr);
            QMdiSubWindow* sub = frameOf(*form);
            // Along to the title bar's buttons where the area is narrower.
            if (QScrollBar* h = mdi().area->horizontalScrollBar(); h->maximum() > 0)
                dragHandle(h, h->width());
            maximise(sub, byDoubleClick);
            ASSERT_TRUE(sub->isMaximized());
            EXPECT_EQ(QApplication::focusWidget(), focus) << "maximised";
            clickMenuBarBox(QStyle::SC_MdiNormalButton);
            ASSERT_FALSE(sub->isMaximized());
            EXPECT_EQ(QApplication::focusWidget(), focus) << "restored";
            expectNothingSelected(*form, state);
            forms::unload(form->formName());
            settle();
        }
    }
}

TEST_F(ChildWindowViewOnScreen, AClosedReportGivesBackTheResultAsItWas)
{
    struct Way {
        const char* name;
        std::function<void(Form&)> close;
    };
    const Way ways[] = {
        {"close box",
         [](Form& report) {
             QMdiSubWindow* sub = frameOf(report);
             if (!sub)
                 report.close(); // the window manager's box of a window of its own
             else if (sub->isMaximized())
                 clickMenuBarBox(QStyle::SC_MdiCloseButton);
             else
                 restingClick(sub, titleBarPoint(sub, QStyle::SC_TitleBarCloseButton));
         }},
        {"Escape", [](Form& report) { QTest::keyClick(keysTo(report), Qt::Key_Escape); }},
        {"Ctrl+F4", [](Form& report) { QTest::keyClick(keysTo(report), Qt::Key_F4, Qt::ControlModifier); }},
    };
    QScrollBar* v = mdi().area->verticalScrollBar();
    for (const Result& c : results()) {
        for (const bool maximised : {true, false}) {
            for (const Way& way : ways) {
                const std::string state =
                    std::string(c.name) + (maximised ? ", maximised, " : ", restored, ") + way.name;
                SCOPED_TRACE(state);
                Form& r = c.open();
                QMdiSubWindow* sub = frameOf(r);
                ASSERT_NE(sub, nullptr);
                if (maximised) {
                    maximise(sub, false);
                    ASSERT_TRUE(sub->isMaximized());
                }
                // Down by the wheel as far as it goes, the button in view.
                for (int i = 0; i < 60 && v->value() < v->maximum(); ++i)
                    turnWheel(-120);
                QPushButton* button = c.reportButton();
                ASSERT_TRUE(wheelUntilWhole(button) || scrollBarUntilWhole(button, Qt::Horizontal));
                ASSERT_EQ(v->value() > 0, v->maximum() > 0);
                const QPoint before = view();
                const QPoint place = sub->pos();

                // The report waits modally as for a user; once it is closed,
                // the click that opened it returns.
                forms::setModalLoops(true);
                bool opened = false;
                QTimer::singleShot(0, [&] {
                    if (!forms::isLoaded(c.report))
                        return;
                    opened = true;
                    way.close(forms::get(c.report));
                });
                // Should the close fail, the report goes anyway, so the test ends.
                QTimer rescue;
                rescue.setSingleShot(true);
                QObject::connect(&rescue, &QTimer::timeout, [&] { forms::unload(c.report); });
                rescue.start(testwait::DefaultMs);
                realClick(button);
                const bool closedByTheWay = rescue.isActive();
                rescue.stop();
                forms::setModalLoops(false);
                EXPECT_TRUE(opened);
                EXPECT_TRUE(closedByTheWay);
                ASSERT_FALSE(forms::isLoaded(c.report));
                settle();

                EXPECT_EQ(sub->isMaximized(), maximised);
                EXPECT_EQ(sub->pos(), place);
                EXPECT_EQ(view(), before);
                EXPECT_TRUE(whole(button));
                forms::unload(r.formName());
                settle();
            }
        }
    }
}
