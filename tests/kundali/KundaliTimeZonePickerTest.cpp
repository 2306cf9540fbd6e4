// The time-zone picker: opened by the input window's "TZ Help" labels, it
// writes the picked row's zone hours and minutes into one person's boxes.
#include "KundaliWindowSupport.h"

#include "frmTimeZone.h"

#include "ClickLabel.h"
#include "TimeZoneTable.h"
#include "Waits.h"

#include <QApplication>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace kundalitest;
namespace vc = modVedicCompatibility;

namespace {

class TimeZonePicker : public KundaliFixture {
protected:
    // Opens the picker from one person's "TZ Help" label with the mouse.
    frmTimeZone& open(frmMainKundali& w, bool boy)
    {
        QTest::mouseClick(boy ? w.lblMTZHelp : w.lblFTZHelp, Qt::LeftButton);
        EXPECT_TRUE(forms::isLoaded<frmTimeZone>());
        frmTimeZone& p = forms::get<frmTimeZone>();
        QApplication::processEvents();
        return p;
    }

    static void doubleClickRow(frmTimeZone& p, int row)
    {
        QListWidgetItem* item = p.lstTimeZone->item(row);
        ASSERT_NE(item, nullptr);
        p.lstTimeZone->scrollToItem(item);
        const QPoint at = p.lstTimeZone->visualItemRect(item).center();
        QTest::mouseClick(p.lstTimeZone->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(p.lstTimeZone->viewport(), Qt::LeftButton, {}, at);
        QApplication::processEvents();
    }
};

} // namespace

TEST_F(TimeZonePicker, OpensAsATopLevelModalListOfAllRows)
{
    frmMainKundali& w = input();
    frmTimeZone& p = open(w, true);
    EXPECT_TRUE(vc::IsMaleTimeZone);
    EXPECT_EQ(p.kind(), Form::Kind::Dialog);
    EXPECT_TRUE(p.isWindow());
    EXPECT_TRUE(p.isShownModal());
    EXPECT_EQ(p.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(p.Caption(), QStringLiteral("Vorlaine Astrology Kundali Match"));
    EXPECT_FALSE(p.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(p.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(p.minimumSize(), p.maximumSize());
    ASSERT_EQ(p.lstTimeZone->count(), 71);
    for (int i = 0; i < 71; ++i) {
        const auto text = timezones::rowText(i);
        EXPECT_EQ(p.lstTimeZone->item(i)->text(), QString::fromLatin1(text.data(), static_cast<int>(text.size())));
    }
    EXPECT_EQ(p.lstTimeZone->item(11)->text(), QStringLiteral("Azores Time, AT, -2.0"));
    EXPECT_EQ(p.ListIndex(), -1);
    EXPECT_FALSE(p.lstTimeZone->isSortingEnabled());
    EXPECT_EQ(p.cmdQuit->text(), QStringLiteral("&Quit"));
    QWidget* next = p.lstTimeZone->nextInFocusChain();
    while (!(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    EXPECT_EQ(next, p.cmdQuit);
    EXPECT_TRUE(p.cmdQuit->isDefault());

    // The girl's label clears the flag.
    QTest::mouseClick(p.cmdQuit, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(forms::isLoaded<frmTimeZone>());
    open(w, false);
    EXPECT_FALSE(vc::IsMaleTimeZone);
}

TEST_F(TimeZonePicker, ADoubleClickFillsThePersonsZoneBoxesAndCloses)
{
    struct Case {
        bool boy;
        int row;
        const char *hours, *minutes;
    };
    const Case cases[] = {
        {true, 34, "-5", "30"},  // Indian Time, +5.3: half an hour, east
        {false, 0, "9", "0"},    // Alaska/Hawaii Daylight Time, -9.0
        {true, 29, "0", "0"},    // Greenwich Mean Time
        {false, 46, "-13", "0"}, // New Zealand Std Summer Time, the longest text
        {true, 50, "3", "30"},   // Newfoundland, half an hour west
        {false, 39, "-7", "30"}, // Java Time, half an hour east
    };
    frmMainKundali& w = input();
    for (const Case& c : cases) {
        w.txtMZoneHour->setText("12");
        w.txtMZoneMinute->setText("1");
        w.txtFZoneHour->setText("11");
        w.txtFZoneMinute->setText("2");
        frmTimeZone& p = open(w, c.boy);
        doubleClickRow(p, c.row);
        EXPECT_FALSE(forms::isLoaded<frmTimeZone>()) << c.row;
        QLineEdit* hours = c.boy ? w.txtMZoneHour : w.txtFZoneHour;
        QLineEdit* minutes = c.boy ? w.txtMZoneMinute : w.txtFZoneMinute;
        EXPECT_EQ(hours->text(), QString::fromLatin1(c.hours)) << c.row;
        EXPECT_EQ(minutes->text(), QString::fromLatin1(c.minutes)) << c.row;
        // The other person's boxes stay as they were.
        EXPECT_EQ((c.boy ? w.txtFZoneHour : w.txtMZoneHour)->text(), c.boy ? QStringLiteral("11") : QStringLiteral("12"));
        EXPECT_EQ((c.boy ? w.txtFZoneMinute : w.txtMZoneMinute)->text(), c.boy ? QStringLiteral("2") : QStringLiteral("1"));
    }
    EXPECT_TRUE(desk.messages.empty());
}

TEST_F(TimeZonePicker, QuitEnterEscapeCtrlF4AndTheCloseBoxWriteNothing)
{
    frmMainKundali& w = input();
    w.txtMZoneHour->setText("4");
    w.txtMZoneMinute->setText("0");
    const std::function<void(frmTimeZone&)> ways[] = {
        [](frmTimeZone& p) { QTest::keyClick(p.lstTimeZone, Qt::Key_Return); },
        [](frmTimeZone& p) { QTest::keyClick(p.lstTimeZone, Qt::Key_Escape); },
        [](frmTimeZone& p) { QTest::keyClick(p.lstTimeZone, Qt::Key_F4, Qt::ControlModifier); },
        [](frmTimeZone& p) { QTest::keyClick(p.lstTimeZone, Qt::Key_Q, Qt::AltModifier); },
        [](frmTimeZone& p) { QTest::mouseClick(p.cmdQuit, Qt::LeftButton); },
        [](frmTimeZone& p) { p.close(); },
    };
    int i = 0;
    for (const auto& close : ways) {
        frmTimeZone& p = open(w, true);
        ASSERT_EQ(p.lstTimeZone->count(), 71) << i; // a fresh list on every opening
        EXPECT_EQ(p.ListIndex(), -1) << i;
        p.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&p)) << i;
        p.lstTimeZone->setFocus();
        // A highlighted row is not picked by these.
        p.lstTimeZone->setCurrentRow(20);
        ASSERT_EQ(p.ListIndex(), 20);
        close(p);
        // The access key presses the button as a short animated click.
        EXPECT_TRUE(QTest::qWaitFor([] { return !forms::isLoaded<frmTimeZone>(); })) << i;
        EXPECT_EQ(w.txtMZoneHour->text(), QStringLiteral("4")) << i;
        EXPECT_EQ(w.txtMZoneMinute->text(), QStringLiteral("0")) << i;
        ++i;
    }
}

TEST_F(TimeZonePicker, ADoubleClickWithNoRowSelectedWritesNothingAndCloses)
{
    frmMainKundali& w = input();
    w.txtFZoneHour->setText("8");
    frmTimeZone& p = open(w, false);
    p.lstTimeZone->clearSelection();
    p.lstTimeZone_DblClick();
    QApplication::processEvents();
    EXPECT_FALSE(forms::isLoaded<frmTimeZone>());
    EXPECT_EQ(w.txtFZoneHour->text(), QStringLiteral("8"));
    EXPECT_TRUE(w.txtFZoneMinute->text().isEmpty());
}

TEST_F(TimeZonePicker, IsNotAmongTheWindowsALaunchUnloads)
{
    frmMainKundali& w = input();
    open(w, true);
    mdi().cmdCallMainForm_Click(1);
    EXPECT_TRUE(forms::isLoaded<frmTimeZone>());
    forms::unload<frmTimeZone>();
}

TEST_F(TimeZonePicker, ClosingItHandsTheKeysBackToTheInputWindow)
{
    MDI& m = mdi();
    const std::function<void(frmTimeZone&)> ways[] = {
        [](frmTimeZone& p) { QTest::keyClick(p.lstTimeZone, Qt::Key_Escape); },
        [](frmTimeZone&) { QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_F4, Qt::ControlModifier); },
        [](frmTimeZone& p) { p.close(); },
        [](frmTimeZone& p) { doubleClickRow(p, 29); },
    };
    int i = 0;
    for (const auto& close : ways) {
        frmMainKundali& w = input();
        ASSERT_TRUE(showActiveMainWindow()) << i;
        w.txtMZoneMinute->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), w.txtMZoneMinute) << i;
        forms::setModalLoops(true);
        bool wasModal = false, closed = false;
        QTimer::singleShot(0, [&] {
            frmTimeZone& p = forms::get<frmTimeZone>();
            wasModal = QGuiApplication::modalWindow() == p.windowHandle();
            // The keys go where the window system sends them: to the picker
            // once it is active.
            if (!testwait::becomesActive(&p))
                return p.Unload();
            close(p);
            closed = !forms::isLoaded<frmTimeZone>();
            if (!closed)
                p.Unload();
        });
        QTest::mouseClick(w.lblMTZHelp, Qt::LeftButton); // returns when the picker is gone
        forms::setModalLoops(false);
        EXPECT_TRUE(wasModal) << i;
        EXPECT_TRUE(closed) << i;

        // The input window is active again (the window system answers a
        // moment later), the focus where it was.
        EXPECT_TRUE(testwait::becomesActive(&m)) << i;
        ASSERT_NE(m.area->activeSubWindow(), nullptr) << i;
        EXPECT_EQ(m.area->activeSubWindow()->widget(), &w) << i;
        ASSERT_EQ(QApplication::focusWidget(), w.txtMZoneMinute) << i;
        // Its own Alt+K runs the match at once; the empty name stops it.
        desk.messages.clear();
        QTest::keyClick(w.txtMZoneMinute, Qt::Key_K, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !desk.messages.empty(); })) << i;
        ASSERT_EQ(desk.messages.size(), 1u) << i;
        EXPECT_EQ(desk.messages[0].text, QStringLiteral("Please Enter Your Name")) << i;
        ++i;
    }
}
