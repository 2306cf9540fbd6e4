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
#include <QScrollBar>

#include <memory>
#include <string>

using namespace screenchecks;

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

} // namespace

TEST_F(MainWindowOnScreen, TheWelcomePanelFitsWithBothBands)
{
    MDI& m = mdi();
    ASSERT_TRUE(WelcomePanelVisible());
    expectMainWindowFits("welcome panel");
    // The panel may give up its empty lower part, never a label.
    EXPECT_LE(m.picMain->height(), platform::twipsToPixelsY(8415));
    for (QLabel* l : m.lblCaptions)
        EXPECT_TRUE(whole(l)) << l->text().toStdString();

    HideWelcomePanel();
    expectMainWindowFits("welcome panel hidden");
    EXPECT_GT(m.area->height(), 300);

    ShowWelcomePanel();
    m.showNormal();
    expectMainWindowFits("restored");
    m.showMaximized();
    expectMainWindowFits("maximised again");
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
