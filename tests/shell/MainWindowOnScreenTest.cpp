// The main window on the screen it runs on: it fits the screen's available
// area with both bands whole in every state, and the document area scrolls to
// a child window that lies outside it. The test program also runs these on a
// 1366x768 screen and on 1600x1000 at a scale of 1.5.
#include "MDI.h"
#include "TestWindow.h"

#include "ClickLabel.h"
#include "Forms.h"
#include "ScreenChecks.h"
#include "ShellFixture.h"
#include "Twips.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include <memory>
#include <string>

using namespace screenchecks;
using screenchecks::Stretch;

namespace {

// A plain child window of a given client size with a Back button in its
// bottom right corner, as the test windows have.
class TallForm : public Form {
public:
    TallForm(float widthTwips, float heightTwips) : Form("frmTall")
    {
        back = new QPushButton(QStringLiteral("&Back"), this);
        back->setGeometry(platform::twipsToPixelsX(widthTwips) - 100, platform::twipsToPixelsY(heightTwips) - 40,
                          90, 30);
        QObject::connect(back, &QPushButton::clicked, this, [this] { ++backClicks; });
        setClientSizeTwips(widthTwips, heightTwips);
    }
    QPushButton* back;
    int backClicks = 0;
};

class MainWindowOnScreen : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        expectNamedScreen();
        shown = std::make_unique<MainWindowShown>(desk);
    }
    void TearDown() override
    {
        shown.reset();
        ShellFixture::TearDown();
    }

    // Opens a child window taller and wider than the screen at the top left
    // of the document area.
    TallForm& openTall()
    {
        const QSize s = screen()->availableGeometry().size();
        const auto w = static_cast<float>(platform::pixelsToTwipsX(s.width() + 200));
        const auto h = static_cast<float>(platform::pixelsToTwipsY(s.height() + 300));
        forms::registerFactory("frmTall", [w, h] { return new TallForm(w, h); });
        auto& tall = static_cast<TallForm&>(forms::get("frmTall"));
        tall.setLeft(0);
        tall.setTop(0);
        tall.Show();
        settle();
        return tall;
    }

    std::unique_ptr<MainWindowShown> shown;
};

bool isVertical(const QScrollBar* bar)
{
    return bar->orientation() == Qt::Vertical;
}

// How far the content is scrolled along the bar: the window's top (left)
// edge above (left of) the area's.
int offset(const QScrollBar* bar, const QWidget* window)
{
    return -(isVertical(bar) ? window->y() : window->x());
}

// The handle as drawn lies where the content's offset puts it: at the start
// of its groove while the window's top (left) edge is in view, as far along
// the free groove as the content is along its hidden part, and as long as
// the share of the window in view.
void expectHandleFollows(QScrollBar* bar, const QWidget* window, const std::string& state)
{
    const QWidget* view = mdi().area->viewport();
    const int content = isVertical(bar) ? window->height() : window->width();
    const int shown = isVertical(bar) ? view->height() : view->width();
    ASSERT_GT(content, shown) << state;
    const Stretch g = groove(bar);
    const Stretch h = drawnHandle(bar);
    ASSERT_GT(h.length(), 0) << state << ": no handle to be seen";
    EXPECT_NEAR(h.length(), g.length() * static_cast<double>(shown) / content, 3) << state;
    const double along = static_cast<double>(offset(bar, window)) / (content - shown);
    EXPECT_NEAR(h.first, g.first + along * (g.length() - h.length()), 3)
        << state << ": content scrolled by " << offset(bar, window) << " of " << content - shown;
}

// A click on the bar at the given distance from its far (true) or near end.
void clickBar(QScrollBar* bar, bool farEnd, int fromEnd)
{
    const int length = isVertical(bar) ? bar->height() : bar->width();
    const int along = farEnd ? length - 1 - fromEnd : fromEnd;
    QTest::mouseClick(bar, Qt::LeftButton, {},
                      isVertical(bar) ? QPoint(bar->width() / 2, along) : QPoint(along, bar->height() / 2));
    settle();
}

} // namespace

TEST_F(MainWindowOnScreen, TheWelcomePanelFitsWithBothBands)
{
    MDI& m = mdi();
    ASSERT_TRUE(WelcomePanelVisible());
    expectMainWindowFits("welcome panel");
    // The panel may give up its empty lower part; a label it cuts short is
    // reached by scrolling (below).
    EXPECT_LE(m.picMain->height(), platform::twipsToPixelsY(8415));
    if (!m.panelView->verticalScrollBar()->isVisible()) {
        for (QLabel* l : m.lblCaptions)
            EXPECT_TRUE(whole(l)) << l->text().toStdString();
    }

    HideWelcomePanel();
    expectMainWindowFits("welcome panel hidden");
    EXPECT_GT(m.area->height(), 300);

    ShowWelcomePanel();
    m.showNormal();
    expectMainWindowFits("restored");
    m.showMaximized();
    expectMainWindowFits("maximised again");
}

TEST_F(MainWindowOnScreen, EveryLabelOfTheWelcomePanelCanBeBroughtIntoView)
{
    MDI& m = mdi();
    QScrollBar* bar = m.panelView->verticalScrollBar();
    const auto lowestLabel = [&m] {
        int bottom = 0;
        for (QLabel* l : m.lblCaptions)
            bottom = std::max(bottom, l->geometry().bottom() + 1);
        return bottom;
    };
    for (const bool underWindow : {false, true}) {
        const std::string state = underWindow ? "a child window under the panel" : "the panel alone";
        SCOPED_TRACE(state);
        if (underWindow)
            openTall();
        expectMainWindowFits(state);
        ASSERT_TRUE(WelcomePanelVisible());
        // Only a panel shorter than its labels scrolls; one that has room
        // shows them all as they are laid out.
        const bool short_ = m.panelView->height() < lowestLabel();
        EXPECT_EQ(bar->isVisible(), short_);
        if (!short_) {
            for (QLabel* l : m.lblCaptions)
                EXPECT_TRUE(whole(l)) << l->text().toStdString();
            continue;
        }
        // Down by the wheel over the panel, then back up by the bar.
        for (QLabel* l : m.lblCaptions)
            EXPECT_TRUE(wheelUntilWhole(l, m.panelView->viewport())) << l->text().toStdString();
        for (auto it = m.lblCaptions.rbegin(); it != m.lblCaptions.rend(); ++it)
            EXPECT_TRUE(scrollBarUntilWhole(*it, m.panelView, Qt::Vertical)) << (*it)->text().toStdString();

        // Scrolled down and then hidden by a launch, the panel comes back
        // showing its top.
        wheelUntilWhole(m.lblCaptions[9], m.panelView->viewport());
        ASSERT_GT(bar->value(), 0);
        HideWelcomePanel();
        settle();
        ShowWelcomePanel();
        settle();
        EXPECT_EQ(bar->value(), 0);
        EXPECT_TRUE(whole(m.lblCaptions[0]));
    }
}

TEST_F(MainWindowOnScreen, AChildWindowLargerThanTheScreenKeepsTheBandsWhole)
{
    HideWelcomePanel();
    openTall();
    expectMainWindowFits("a child window larger than the screen");
    mdi().showNormal();
    expectMainWindowFits("restored with the child window");
    mdi().showMaximized();
    ShowWelcomePanel();
    expectMainWindowFits("the welcome panel over the child window");
}

TEST_F(MainWindowOnScreen, TheWheelScrollsDownToAChildsBackButton)
{
    HideWelcomePanel();
    TallForm& f = openTall();
    QMdiArea* area = mdi().area;
    ASSERT_FALSE(whole(f.back)) << "the Back button starts out of view";
    EXPECT_TRUE(area->verticalScrollBar()->isVisible());
    EXPECT_TRUE(area->horizontalScrollBar()->isVisible());
    ASSERT_TRUE(wheelUntilWhole(f.back) || scrollBarUntilWhole(f.back, Qt::Horizontal));
    realClick(f.back);
    EXPECT_EQ(f.backClicks, 1);
}

TEST_F(MainWindowOnScreen, TheScrollBarsReachAChildUnderTheWelcomePanel)
{
    TallForm& f = openTall();
    ASSERT_TRUE(WelcomePanelVisible());
    expectMainWindowFits("a child window under the welcome panel");
    QMdiArea* area = mdi().area;
    // The area keeps room for its scroll bars.
    EXPECT_GE(area->height(), area->verticalScrollBar()->minimumSizeHint().height() +
                                  area->horizontalScrollBar()->sizeHint().height());
    ASSERT_TRUE(scrollBarUntilWhole(f.back, Qt::Vertical) || scrollBarUntilWhole(f.back, Qt::Horizontal) ||
                scrollBarUntilWhole(f.back, Qt::Vertical));
    realClick(f.back);
    EXPECT_EQ(f.backClicks, 1);
}

TEST_F(MainWindowOnScreen, ScrollBarsGoWhenEveryChildFits)
{
    HideWelcomePanel();
    TallForm& f = openTall();
    QMdiArea* area = mdi().area;
    ASSERT_TRUE(area->verticalScrollBar()->isVisible());
    f.Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    settle();
    EXPECT_FALSE(area->verticalScrollBar()->isVisible());
    EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
}

TEST_F(MainWindowOnScreen, TheScrollBarHandlesFollowTheContent)
{
    HideWelcomePanel();
    TallForm& f = openTall();
    QWidget* window = f.frame();
    QMdiArea* area = mdi().area;
    for (QScrollBar* bar : {area->verticalScrollBar(), area->horizontalScrollBar()}) {
        const std::string name = isVertical(bar) ? "vertical" : "horizontal";
        ASSERT_TRUE(bar->isVisible()) << name;
        expectHandleFollows(bar, window, name + ", the window's start in view");
        const int page = isVertical(bar) ? area->viewport()->height() : area->viewport()->width();

        // The arrow at the far end moves the content on a little.
        clickBar(bar, true, bar->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, bar) / 2);
        EXPECT_GT(offset(bar, window), 0) << name;
        EXPECT_LT(offset(bar, window), page / 4) << name;
        expectHandleFollows(bar, window, name + ", after the arrow");

        // A click in the groove past the handle moves on by what the area shows.
        int before = offset(bar, window);
        clickBar(bar, true, bar->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, bar) + 2);
        EXPECT_EQ(offset(bar, window), std::min(before + page, (isVertical(bar) ? window->height() : window->width()) - page))
            << name;
        expectHandleFollows(bar, window, name + ", after a click in the groove");

        // Dragged back to the start, and then a third of the way along.
        dragHandle(bar, -(drawnHandle(bar).first - groove(bar).first) - 10);
        EXPECT_EQ(offset(bar, window), 0) << name;
        expectHandleFollows(bar, window, name + ", dragged back to the start");
        const int third = (groove(bar).length() - drawnHandle(bar).length()) / 3;
        dragHandle(bar, third);
        EXPECT_GT(offset(bar, window), 0) << name;
        expectHandleFollows(bar, window, name + ", dragged a third of the way");
        dragHandle(bar, -third - 10);
    }

    // Wheel steps down show more of the window, the handle moving down with it.
    int before = offset(area->verticalScrollBar(), window);
    for (int step = 1; step <= 3; ++step) {
        turnWheel(-120);
        const int now = offset(area->verticalScrollBar(), window);
        EXPECT_GT(now, before) << "wheel step " << step;
        before = now;
        expectHandleFollows(area->verticalScrollBar(), window, "after wheel step " + std::to_string(step));
    }
    turnWheel(360);
    EXPECT_EQ(offset(area->verticalScrollBar(), window), 0);
    expectHandleFollows(area->verticalScrollBar(), window, "wheel turned back up");
}
