#include "frmSaveKundali.h"

#include "Forms.h"
#include "ShellFixture.h"
#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
class KundaliReportPlace : public ShellFixture {};
} // namespace

TEST_F(KundaliReportPlace, TheReportWindowOpensCentredAtTheTopOfTheScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    desk.screenWidthTwips = platform::pixelsToTwipsX(screen.width());
    frmSaveKundali& r = forms::get<frmSaveKundali>();
    r.ShowModal(); // the loop is off in tests: returns shown
    ASSERT_TRUE(r.isVisible());
    EXPECT_TRUE(r.isWindow());
    EXPECT_EQ(r.pos().y(), screen.top());
    EXPECT_FLOAT_EQ(r.Left(), (static_cast<float>(desk.screenWidthTwips) - r.Width()) / 2.0f);
    EXPECT_EQ(r.pos().x(), screen.left() + platform::twipsToPixelsX(r.Left()));
}

// A screen width that says more than the screen has would put the window
// past its right edge: it stays inside.
TEST_F(KundaliReportPlace, TheReportWindowStaysOnAScreenNarrowerThanItsWidthSays)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    desk.screenWidthTwips = platform::pixelsToTwipsX(screen.width() + 600);
    frmSaveKundali& r = forms::get<frmSaveKundali>();
    r.ShowModal();
    ASSERT_TRUE(r.isVisible());
    EXPECT_GT(screen.left() + platform::twipsToPixelsX(r.Left()) + r.width(), screen.right());
    EXPECT_TRUE(screen.contains(r.frameGeometry()));
    EXPECT_EQ(r.frameGeometry().right(), screen.right());
}
