// The program's top-level windows (the About box, the Kundali time-zone
// picker and the Kundali report) have a title and a close box and nothing
// else: no minimise or maximise box, a size of their own, and a minimise the
// window manager offers anyway brings the window straight back.
#include "frmAbout.h"
#include "frmSaveKundali.h"
#include "frmTimeZone.h"

#include "Forms.h"
#include "ShellFixture.h"

#include <QApplication>

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

INSTANTIATE_TEST_SUITE_P(Dialogs, TopLevelDialog,
                         ::testing::Values(frmAbout::FormName, frmTimeZone::FormName, frmSaveKundali::FormName),
                         [](const auto& info) { return std::string(info.param); });
