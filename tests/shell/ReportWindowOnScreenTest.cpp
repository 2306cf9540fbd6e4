// Every report window opens whole where it is shown: a top-level one inside
// the screen's available area, a child one inside the document area's view,
// with its Save and Print buttons in sight; one too tall for the room gives
// up height from its report box, which scrolls anyway. The test program also
// runs these on 1280x720, 1366x768, 1600x1000 at a scale of 1.5 and 1920x1080
// at a scale of 2.
#include "frmDisp.h"
#include "frmSaveChinese.h"
#include "frmSaveDocumentNumerology.h"
#include "frmSaveKundali.h"
#include "frmSaveMoonSign.h"
#include "frmSaveZodiac.h"

#include "ReportWindow.h"
#include "RichTextBox.h"
#include "ScreenChecks.h"
#include "ShellFixture.h"
#include "TestWindow.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include <string>

using namespace screenchecks;

namespace {

class ReportWindowsOnScreen : public ShellFixture, public ::testing::WithParamInterface<const char*> {};

} // namespace

TEST_P(ReportWindowsOnScreen, OpenWholeWithTheirButtonsInSight)
{
    expectNamedScreen();
    MainWindowShown shown(desk);
    HideWelcomePanel(); // as when a result window opens its report
    settle();
    auto& r = static_cast<ReportWindow&>(forms::get(GetParam()));
    const int designed = r.RTB->height();
    r.ShowModal(); // the loop is off in tests: returns shown
    settle();
    ASSERT_TRUE(r.isVisible());
    const std::string name = GetParam();

    QRect room; // where the whole window must lie, frame included
    QRect window;
    if (r.kind() == Form::Kind::Dialog) {
        room = screen()->availableGeometry();
        window = r.frameGeometry();
    } else {
        QWidget* viewport = mdi().area->viewport();
        room = viewport->rect();
        window = QRect(r.frame()->mapTo(viewport, QPoint(0, 0)), r.frame()->size());
    }
    EXPECT_TRUE(room.contains(window)) << name << ": " << window.width() << "x" << window.height() << " at "
                                       << window.x() << "," << window.y() << " in " << room.width() << "x"
                                       << room.height();
    for (QPushButton* b : {r.cmdSave, r.cmdPrint}) {
        EXPECT_TRUE(whole(b)) << name << ": " << b->text().toStdString();
        EXPECT_GT(b->y(), r.RTB->geometry().bottom()) << name << ": " << b->text().toStdString();
    }
    // The box gave up no more than the window had to, and keeps some lines.
    EXPECT_LE(r.RTB->height(), designed) << name;
    if (r.RTB->height() < designed) {
        EXPECT_EQ(window.bottom(), room.bottom()) << name;
    }
    EXPECT_GE(r.RTB->height(), 5 * r.RTB->fontMetrics().lineSpacing()) << name;
}

INSTANTIATE_TEST_SUITE_P(Reports, ReportWindowsOnScreen,
                         ::testing::Values(frmSaveZodiac::FormName, frmSaveMoonSign::FormName,
                                           frmSaveChinese::FormName, frmSaveKundali::FormName,
                                           frmDisp::FormName, frmSaveDocumentNumerology::FormName),
                         [](const auto& info) { return std::string(info.param); });
