// The program's top-level windows (the About box, the Kundali time-zone
// picker and the Kundali report) have a title and a close box and nothing
// else: no minimise or maximise box, a size of their own, and a minimise the
// window manager offers anyway brings the window straight back. A dialog that
// does not place itself opens in the middle of the screen's available area,
// whatever width the screen is said to have.
#include "frmAbout.h"
#include "frmSaveKundali.h"
#include "frmTimeZone.h"

#include "Forms.h"
#include "ShellFixture.h"
#include "Twips.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <cstdlib>

#include <string>

namespace {

class TopLevelDialog : public ShellFixture, public ::testing::WithParamInterface<const char*> {};

} // namespace

TEST_P(TopLevelDialog, HasOnlyATitleAndACloseBox)
{
    Form& w = forms::get(GetParam());
    ASSERT_EQ(w.kind(), Form::Kind::Dialog);
    ASSERT_TRUE(w.isWindow());
    const Qt::WindowFlags flags = w.windowFlags();
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint); // only the hints below, none the platform adds
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_EQ(w.size(), w.minimumSize());
}

TEST_P(TopLevelDialog, AMinimiseBringsItBack)
{
    Form& w = forms::get(GetParam());
    w.ShowModal(); // the loop is off in tests: returns shown
    ASSERT_TRUE(w.isVisible());
    w.showMinimized();
    QApplication::processEvents();
    EXPECT_FALSE(w.isMinimized());
    EXPECT_FALSE(w.windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(forms::isLoaded(GetParam()));
}

class UnplacedDialog : public ShellFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(UnplacedDialog, OpensInTheMiddleOfTheAvailableArea)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    // A width far from the area's: a dialog centred on it would be off the
    // area's middle, or pressed against its edge.
    for (const int widthPixels : {area.width() + 600, area.width() / 2}) {
        SCOPED_TRACE(widthPixels);
        desk.screenWidthTwips = platform::pixelsToTwipsX(widthPixels);
        Form& w = forms::get(GetParam());
        w.ShowModal(); // the loop is off in tests: returns shown
        ASSERT_TRUE(w.isVisible());
        ASSERT_TRUE(area.contains(w.frameGeometry()));
        EXPECT_TRUE(QTest::qWaitFor([&] {
            const QPoint off = w.frameGeometry().center() - area.center();
            return std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1;
        })) << "frame centre " << w.frameGeometry().center().x() << "," << w.frameGeometry().center().y()
            << ", area centre " << area.center().x() << "," << area.center().y();
        forms::unload(GetParam());
    }
}

INSTANTIATE_TEST_SUITE_P(Dialogs, UnplacedDialog, ::testing::Values(frmAbout::FormName, frmTimeZone::FormName),
                         [](const auto& info) { return std::string(info.param); });

INSTANTIATE_TEST_SUITE_P(Dialogs, TopLevelDialog,
                         ::testing::Values(frmAbout::FormName, frmTimeZone::FormName, frmSaveKundali::FormName),
                         [](const auto& info) { return std::string(info.param); });
