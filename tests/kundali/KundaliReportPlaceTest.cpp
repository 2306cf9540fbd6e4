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
    frmSaveKundali& r = forms::get<frmSaveKundali>();
    r.ShowModal(); // the loop is off in tests: returns shown
    ASSERT_TRUE(r.isVisible());
    EXPECT_TRUE(r.isWindow());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(r.pos().y(), screen.top());
    EXPECT_FLOAT_EQ(r.Left(), (static_cast<float>(desk.screenWidthTwips) - r.Width()) / 2.0f);
    EXPECT_EQ(r.pos().x(), screen.left() + platform::twipsToPixelsX(r.Left()));
}
