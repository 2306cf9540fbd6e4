// The Chinese result window in the document area of the screen the test
// program runs on: maximised, scrolled and restored, or left for its report
// and back, it keeps what the user was looking at. Also run on 1920x1080 at
// a scale of 2.
#include "ChineseCalculation.h"
#include "frmSaveChinese.h"
#include "frmchiness.h"
#include "frmmainChinese.h"

#include "Forms.h"
#include "LineBox.h"
#include "MDI.h"
#include "ScreenChecks.h"
#include "ShellFixture.h"
#include "TabStrip.h"
#include "TextBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStyleOptionTitleBar>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>

using namespace screenchecks;

namespace {

class ChineseResultViewOnScreen : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        VorlaineChineseCompatibility::state() = VorlaineChineseCompatibility::State{};
        expectNamedScreen();
        shown = std::make_unique<MainWindowShown>(desk);
        // Active, as for a user: a restored window hands its focus on.
        mdi().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&mdi()));
        if (QApplication::activeWindow() != &mdi())
            QApplication::setActiveWindow(&mdi());
    }
    void TearDown() override
    {
        forms::setModalLoops(false);
        shown.reset();
        ShellFixture::TearDown();
    }

    // The result window of a Rat and an Ox, from the Chinese launcher.
    static frmchiness& result()
    {
        realClick(mdi().cmdCallMainForm[2]);
        frmmainChinese& w = forms::get<frmmainChinese>();
        QTest::keyClicks(w.txtMaleName, QStringLiteral("Asha"));
        pickByKeys(w.cboMaleMonth, QStringLiteral("March"));
        pickByKeys(w.CboMaleDate, QStringLiteral("1"));
        pickByKeys(w.cboMaleYear, QStringLiteral("1948"));
        QTest::keyClicks(w.txtFemaleName, QStringLiteral("Ben"));
        pickByKeys(w.cboFemaleMonth, QStringLiteral("March"));
        pickByKeys(w.cboFemaleDate, QStringLiteral("1"));
        pickByKeys(w.cboFemaleYear, QStringLiteral("1949"));
        realClick(w.cmdProceed);
        EXPECT_TRUE(forms::isLoaded<frmchiness>());
        return forms::get<frmchiness>();
    }

    // The bottom of the lowest window in the area, in viewport pixels.
    static int lowestBottom()
    {
        int bottom = 0;
        for (QMdiSubWindow* s : mdi().area->subWindowList())
            if (s->isVisible())
                bottom = std::max(bottom, s->geometry().bottom() + 1);
        return bottom;
    }

    std::unique_ptr<MainWindowShown> shown;
};

} // namespace

TEST_F(ChineseResultViewOnScreen, MaximisedScrolledAndRestoredTheWindowIsBackInItsPlace)
{
    QMdiArea* area = mdi().area;
    QScrollBar* bar = area->verticalScrollBar();
    for (int tab = 0; tab < 3; ++tab) {
        SCOPED_TRACE("tab " + std::to_string(tab));
        frmchiness& r = result();
        QTest::mouseClick(r.SSTab, Qt::LeftButton, {}, r.SSTab->tabRect(tab).center());
        ASSERT_EQ(r.SSTab->currentIndex(), tab);
        auto* sub = qobject_cast<QMdiSubWindow*>(r.frame());
        ASSERT_NE(sub, nullptr);
        ASSERT_EQ(bar->value(), 0);
        const QPoint place = sub->pos();

        restingClick(sub, titleBarPoint(sub, QStyle::SC_TitleBarMaxButton));
        ASSERT_TRUE(sub->isMaximized());
        ASSERT_TRUE(wheelUntilWhole(r.cmdBack));
        if (sub->height() > area->viewport()->height()) {
            EXPECT_GT(bar->value(), 0) << "the wheel did not scroll the maximised window";
        }
        clickMenuBarBox(QStyle::SC_MdiNormalButton);
        ASSERT_FALSE(sub->isMaximized());

        // What the area showed before the maximise, the handle at the top.
        EXPECT_EQ(sub->pos(), place);
        EXPECT_EQ(bar->value(), 0);
        EXPECT_EQ(area->horizontalScrollBar()->value(), 0);
        if (bar->isVisible()) {
            EXPECT_NEAR(drawnHandle(bar).first, groove(bar).first, 3);
        }
        // The range reaches the window's top and bottom, nothing beyond.
        EXPECT_EQ(bar->minimum(), 0);
        EXPECT_EQ(bar->maximum(), std::max(0, lowestBottom() - area->viewport()->height()));
        turnWheel(120);
        EXPECT_EQ(sub->pos(), place) << "a wheel turn up found space above the window";
        for (int i = 0; i < 60 && bar->value() < bar->maximum(); ++i)
            turnWheel(-120);
        EXPECT_EQ(sub->geometry().bottom() + 1, std::min(area->viewport()->height(), place.y() + sub->height()))
            << "the wheel turned down found space below the window";

        // The restore selected nothing.
        for (const LineBox* box : r.findChildren<LineBox*>())
            EXPECT_FALSE(box->hasSelectedText()) << box->text().toStdString();
        for (const TextBox* box : r.findChildren<TextBox*>())
            EXPECT_FALSE(box->textCursor().hasSelection()) << box->Text().toStdString();
    }
}

TEST_F(ChineseResultViewOnScreen, AClosedReportGivesBackTheScrolledResult)
{
    QScrollBar* bar = mdi().area->verticalScrollBar();
    struct Way {
        const char* name;
        std::function<void(QMdiSubWindow*)> close;
    };
    const Way ways[] = {
        {"close box", [](QMdiSubWindow* sub) { restingClick(sub, titleBarPoint(sub, QStyle::SC_TitleBarCloseButton)); }},
        {"Escape", [](QMdiSubWindow*) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        frmchiness& r = result();
        ASSERT_TRUE(wheelUntilWhole(r.cmdPrint));
        const int scrolled = bar->value();
        if (r.frame()->height() > mdi().area->viewport()->height()) {
            EXPECT_GT(scrolled, 0);
        }

        // The report waits modally as for a user; once it is closed, the
        // click on Print returns.
        forms::setModalLoops(true);
        int reportTop = -1;
        QTimer::singleShot(0, [&] {
            if (!forms::isLoaded<frmSaveChinese>())
                return;
            auto* sub = qobject_cast<QMdiSubWindow*>(forms::get<frmSaveChinese>().frame());
            reportTop = sub->y();
            way.close(sub);
        });
        // Should the close fail, the report goes anyway, so the test ends.
        QTimer rescue;
        rescue.setSingleShot(true);
        QObject::connect(&rescue, &QTimer::timeout, [] { forms::unload<frmSaveChinese>(); });
        rescue.start(5000);
        realClick(r.cmdPrint);
        const bool closedByTheWay = rescue.isActive();
        rescue.stop();
        forms::setModalLoops(false);
        EXPECT_TRUE(closedByTheWay);
        EXPECT_EQ(reportTop, 0) << "the report opens at the top of the area";

        ASSERT_FALSE(forms::isLoaded<frmSaveChinese>());
        settle();
        EXPECT_EQ(bar->value(), scrolled);
        EXPECT_TRUE(whole(r.cmdPrint));
    }
}
