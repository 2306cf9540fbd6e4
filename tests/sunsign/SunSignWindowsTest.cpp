#include "frmMainZodiac.h"
#include "ShownPage.h"
#include "frmSaveZodiac.h"
#include "frmSunSign.h"
#include "modSunSign.h"

#include "ClickLabel.h"
#include "Forms.h"
#include "MDI.h"
#include "ScreenChecks.h"
#include "ShellFixture.h"
#include "LineBox.h"
#include "TextBox.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <QWheelEvent>
#include <QScrollBar>
#include "TabStrip.h"

using platform::MsgIcon;

namespace {

class SunSignWindows : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        modSunSign::state() = modSunSign::State{};
    }
    void TearDown() override
    {
        ShellFixture::TearDown();
        mdi().hide(); // as the tests that never show it expect
    }

    // The input window, opened with the main window's "Zodiac" launcher.
    frmMainZodiac& input()
    {
        QTest::mouseClick(mdi().cmdCallMainForm[5], Qt::LeftButton);
        return forms::get<frmMainZodiac>();
    }

    // The input window in the main window shown and active, where the keys
    // and the focus go as they do for a user.
    frmMainZodiac& shownInput()
    {
        EXPECT_TRUE(showActiveMainWindow());
        frmMainZodiac& w = input();
        QCoreApplication::processEvents();
        return w;
    }

    static void pick(QComboBox* box, const QString& text)
    {
        const int i = box->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        box->setCurrentIndex(i);
    }

    static void person(QLineEdit* name, QComboBox* m, QComboBox* d, QComboBox* y, const QString& n,
                       const QString& month, const QString& day, const QString& year)
    {
        QTest::keyClicks(name, n);
        pick(m, month);
        pick(d, day);
        pick(y, year);
    }

    // Fills both persons and presses the check button.
    frmSunSign& check(const QString& mMonth, const QString& mDay, const QString& fMonth, const QString& fDay)
    {
        frmMainZodiac& w = input();
        person(w.txtNameM, w.cboMonthM, w.cboDateM, w.cboYearM, "Asha", mMonth, mDay, "1990");
        person(w.txtNameF, w.cboMonthF, w.cboDateF, w.cboYearF, "Ben", fMonth, fDay, "1988");
        QTest::mouseClick(w.cmdSunSign, Qt::LeftButton);
        return forms::get<frmSunSign>();
    }
};

} // namespace

TEST_F(SunSignWindows, InputWindowStartsEmptyWithItsLists)
{
    frmMainZodiac& w = input();
    EXPECT_EQ(w.Caption(), QStringLiteral("Vorlaine Zodiac Compatibility"));
    EXPECT_TRUE(w.txtNameM->text().isEmpty());
    EXPECT_TRUE(w.txtNameF->text().isEmpty());
    for (QComboBox* month : {w.cboMonthM, w.cboMonthF}) {
        ASSERT_EQ(month->count(), 12);
        EXPECT_EQ(month->itemText(0), QStringLiteral("January"));
        EXPECT_EQ(month->itemText(11), QStringLiteral("December"));
        EXPECT_EQ(month->currentIndex(), 0);
    }
    for (QComboBox* day : {w.cboDateM, w.cboDateF}) {
        ASSERT_EQ(day->count(), 31);
        EXPECT_EQ(day->itemText(8), QStringLiteral("9"));
        EXPECT_EQ(day->currentText(), QStringLiteral("1"));
    }
    for (QComboBox* year : {w.cboYearM, w.cboYearF}) {
        ASSERT_EQ(year->count(), 151);
        EXPECT_EQ(year->itemText(0), QStringLiteral("1900"));
        EXPECT_EQ(year->itemText(150), QStringLiteral("2050"));
        EXPECT_FALSE(year->isEditable());
    }
    // Tab order runs through both persons in turn.
    const QWidget* order[] = {w.txtNameM, w.cboMonthM, w.cboDateM, w.cboYearM,
                              w.txtNameF, w.cboMonthF, w.cboDateF, w.cboYearF};
    auto nextTabStop = [](const QWidget* from) {
        QWidget* w = from->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy())
            w = w->nextInFocusChain();
        return w;
    };
    for (int i = 0; i + 1 < 8; ++i)
        EXPECT_EQ(nextTabStop(order[i]), order[i + 1]) << i;
    EXPECT_FLOAT_EQ(w.Left(), (19200.0f - w.Width()) / 2.0f);
    EXPECT_FLOAT_EQ(w.Top(), 0.0f);
}

TEST_F(SunSignWindows, ValidationStopsAtTheFirstFailureInOrder)
{
    struct Case {
        const char* name;
        QString nameM, nameF;
        QString monthM, dayM, yearM, monthF, dayF, yearF;
        QString message; // empty: accepted
        MsgIcon icon;
    };
    const Case cases[] = {
        {"both names empty", "", "", "March", "5", "1990", "March", "5", "1990", "Please Enter Your Name",
         MsgIcon::Critical},
        {"partner's name before a wrong date", "A", "", "February", "30", "1990", "March", "5", "1990",
         "Please Enter Your Partner's Name", MsgIcon::Critical},
        {"both dates wrong", "A", "B", "February", "30", "2000", "April", "31", "1990",
         "Please Enter Correct Date Or Month!", MsgIcon::Information},
        {"29 Feb 1901", "A", "B", "February", "29", "1901", "March", "5", "1990",
         "Please Enter Correct Date Or Month!", MsgIcon::Information},
        {"31 April", "A", "B", "April", "31", "1990", "March", "5", "1990", "Please Enter Correct Date Or Month !",
         MsgIcon::Information},
        {"partner's 31 November", "A", "B", "May", "31", "1990", "November", "31", "1990",
         "Please Enter Correct Date Or Month !", MsgIcon::Information},
        {"29 Feb 1900 and 2000", "A", "B", "February", "29", "1900", "February", "29", "2000", "", MsgIcon::None},
        {"31 May and 30 April", "A", "B", "May", "31", "1990", "April", "30", "1990", "", MsgIcon::None},
        {"blanks-only names pass", "   ", " ", "May", "1", "1990", "May", "2", "1990", "", MsgIcon::None},
    };
    for (const Case& c : cases) {
        desk.messages.clear();
        frmMainZodiac& w = input();
        person(w.txtNameM, w.cboMonthM, w.cboDateM, w.cboYearM, c.nameM, c.monthM, c.dayM, c.yearM);
        person(w.txtNameF, w.cboMonthF, w.cboDateF, w.cboYearF, c.nameF, c.monthF, c.dayF, c.yearF);
        QTest::mouseClick(w.cmdSunSign, Qt::LeftButton);
        // Accepted entries move on to the result.
        const bool ok = forms::isLoaded<frmSunSign>();
        EXPECT_EQ(ok, c.message.isEmpty()) << c.name;
        EXPECT_EQ(forms::isLoaded<frmMainZodiac>(), !ok) << c.name;
        if (c.message.isEmpty()) {
            EXPECT_TRUE(desk.messages.empty()) << c.name;
            continue;
        }
        ASSERT_EQ(desk.messages.size(), 1u) << c.name;
        EXPECT_EQ(desk.messages[0].text, c.message) << c.name;
        EXPECT_EQ(desk.messages[0].icon, c.icon) << c.name;
        EXPECT_EQ(desk.messages[0].title, QStringLiteral("Vorlaine Love Test")) << c.name;
    }
}

TEST_F(SunSignWindows, MissingNameMovesTheFocusToItsBox)
{
    // The button's key, Alt+Z, presses it without taking the focus.
    frmMainZodiac& w = shownInput();
    QTest::keyClicks(w.txtNameM, QStringLiteral("Asha"));
    w.cboYearF->setFocus();
    QTest::keyClick(w.cboYearF, Qt::Key_Z, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return desk.messages.size() == 1; }));
    EXPECT_EQ(desk.messages[0].text, QStringLiteral("Please Enter Your Partner's Name"));
    EXPECT_EQ(w.window()->focusWidget(), w.txtNameF);
    // A refused date leaves the focus where it was.
    QTest::keyClicks(w.txtNameF, QStringLiteral("Ben"));
    pick(w.cboMonthM, "June");
    pick(w.cboDateM, "31");
    w.cboYearF->setFocus();
    QTest::keyClick(w.cboYearF, Qt::Key_Z, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return desk.messages.size() == 2; }));
    EXPECT_EQ(desk.messages[1].text, QStringLiteral("Please Enter Correct Date Or Month !"));
    EXPECT_EQ(w.window()->focusWidget(), w.cboYearF);
    EXPECT_TRUE(forms::isLoaded<frmMainZodiac>());
    EXPECT_FALSE(forms::isLoaded<frmSunSign>());
}

TEST_F(SunSignWindows, CheckStoresTrimmedEntriesAndMovesToTheResult)
{
    frmMainZodiac& w = input();
    person(w.txtNameM, w.cboMonthM, w.cboDateM, w.cboYearM, "  Asha Rao ", "January", "19", "1990");
    person(w.txtNameF, w.cboMonthF, w.cboDateF, w.cboYearF, "   ", "January", "20", "1988");
    QTest::mouseClick(w.cmdSunSign, Qt::LeftButton);
    const auto& s = modSunSign::state();
    EXPECT_EQ(s.NameM, "Asha Rao");
    EXPECT_EQ(s.NameF, "");
    EXPECT_EQ(s.MonthM, "January");
    EXPECT_EQ(s.DateM, "19");
    EXPECT_EQ(s.YearF, "1988");
    EXPECT_EQ(s.SunSignM, "Capricorn");
    EXPECT_EQ(s.SunSignF, "Aquarius");
    EXPECT_FALSE(forms::isLoaded<frmMainZodiac>());
    ASSERT_TRUE(forms::isLoaded<frmSunSign>());
    EXPECT_FALSE(forms::get<frmSunSign>().frame()->isHidden());
    EXPECT_FALSE(WelcomePanelVisible());
}

TEST_F(SunSignWindows, ExitFromTheInputWindowShowsThePanel)
{
    // Alt+F, X.
    frmMainZodiac& w = shownInput();
    EXPECT_FALSE(WelcomePanelVisible());
    menuKeys(w.txtNameM, Qt::Key_F, Qt::Key_X);
    EXPECT_FALSE(forms::isLoaded<frmMainZodiac>());
    EXPECT_TRUE(WelcomePanelVisible());
    EXPECT_EQ(exitCalls, 0);
}

TEST_F(SunSignWindows, ResultShowsBothPersonsAndThePair)
{
    frmSunSign& r = check("March", "25", "July", "25");
    EXPECT_EQ(r.lblMatchPercentage->text(), QStringLiteral("You Have A Match Of 60%"));
    EXPECT_EQ(r.lblMatchComment->text(), QStringLiteral("An Easy Match"));
    EXPECT_EQ(r.lblMatchSunSigns->text(), QStringLiteral("Zodiac Compatibility: Aries And Leo"));
    EXPECT_EQ(r.lblMatchDescription->text().toStdString(), modSunSign::PairText(0, 4));
    EXPECT_EQ(r.lblNameM->text(), QStringLiteral("Asha"));
    EXPECT_EQ(r.lblDOBM->text(), QStringLiteral("March 25, 1990"));
    EXPECT_EQ(r.lblDOBF->text(), QStringLiteral("July 25, 1988"));
    EXPECT_EQ(r.lblSunSignM->text(), QStringLiteral("Aries"));
    EXPECT_EQ(r.fraSunSignF->title(), QStringLiteral("Leo"));
    EXPECT_EQ(r.txtElementM->Text(), QStringLiteral("Fire"));
    EXPECT_EQ(r.txtRulingPlanetM->Text(), QStringLiteral("Mars"));
    EXPECT_EQ(r.txtRulingPlanetF->Text(), QStringLiteral("The Sun"));
    EXPECT_EQ(r.txtLuckyNumberF->Text(), QStringLiteral("8 & 9"));
    EXPECT_TRUE(r.txtNegativeTraitsF->Text().startsWith(QStringLiteral("You have a violent temper")));
    // Leo's positive text is kept in two pieces; the box shows them as one whole paragraph.
    const auto leo = modSunSign::TraitPieces("Leo", "PositiveTraits");
    ASSERT_EQ(leo.size(), 2u);
    EXPECT_EQ(r.txtPositiveTraitsF->Text().toStdString(), leo[0] + leo[1]);
    EXPECT_EQ(r.Image1->pixmap().toImage(), r.IMG.Find("Aries").toImage());
    EXPECT_EQ(r.picSunSignF->pixmap().toImage(), r.IMG.Find("Leo").toImage());
    EXPECT_NE(r.Image1->pixmap().toImage(), r.Image2->pixmap().toImage());
    EXPECT_EQ(r.TS->Pages(), (std::vector<QWidget*>{r.Frame3, r.Frame1, r.Frame2}));
    EXPECT_EQ(shownPage(r.TS), r.Frame3);
    EXPECT_EQ(r.TS->tabText(2), QStringLiteral("Your Partner's Zodiac Details"));
}

TEST_F(SunSignWindows, TheOrderOfThePersonsMatters)
{
    frmSunSign& r = check("July", "25", "March", "25");
    EXPECT_EQ(r.lblMatchPercentage->text(), QStringLiteral("You Have A Match Of 100%"));
    EXPECT_EQ(r.lblMatchComment->text(), QStringLiteral("An Excellent Match"));
}

TEST_F(SunSignWindows, SpecialRatingsHeadlineTheSigns)
{
    frmSunSign& r = check("April", "2", "April", "10");
    EXPECT_EQ(r.lblMatchPercentage->text(), QStringLiteral("Compatibility Of Aries With Aries"));
    EXPECT_EQ(r.lblMatchComment->text(),
              QStringLiteral("A Special Match - This could be a Great Match or a Difficult Match"));
    EXPECT_EQ(r.Image1->pixmap().toImage(), r.Image2->pixmap().toImage());
    frmSunSign& p = check("March", "1", "March", "10");
    EXPECT_EQ(p.lblMatchPercentage->text(), QStringLiteral("Compatibility Of Pisces With Pisces"));
    EXPECT_EQ(p.lblMatchComment->text(), QStringLiteral("A Special Match"));
}

TEST_F(SunSignWindows, PictureLookupIsBySignNameInAlphabeticalOrder)
{
    frmSunSign& r = check("March", "25", "July", "25");
    ASSERT_EQ(r.IMG.Count(), 12);
    EXPECT_EQ(r.IMG.Key(1), QStringLiteral("Aquarius"));
    EXPECT_EQ(r.IMG.Key(12), QStringLiteral("Virgo"));
    for (int i = 1; i <= 12; ++i)
        EXPECT_FALSE(r.IMG.Picture(i).isNull()) << i;
    EXPECT_TRUE(r.IMG.Find("aries").isNull());
}

TEST_F(SunSignWindows, TabsBringTheirPageToTheFront)
{
    frmSunSign& r = check("March", "25", "July", "25");
    for (int tab : {2, 3, 3, 1, 2}) {
        QTest::mouseClick(r.TS, Qt::LeftButton, {}, r.TS->tabRect(tab - 1).center());
        EXPECT_EQ(shownPage(r.TS), r.TS->Pages()[static_cast<std::size_t>(tab - 1)]);
    }
    // Only the compatibility page carries the Save button.
    EXPECT_EQ(r.cmdSave->parentWidget(), r.Frame3);
}

TEST_F(SunSignWindows, BackGivesAFreshInputWindow)
{
    frmSunSign& r = check("March", "25", "July", "25");
    QTest::mouseClick(r.cmdBack, Qt::LeftButton);
    EXPECT_FALSE(forms::isLoaded<frmSunSign>());
    ASSERT_TRUE(forms::isLoaded<frmMainZodiac>());
    frmMainZodiac& w = forms::get<frmMainZodiac>();
    EXPECT_TRUE(w.txtNameM->text().isEmpty());
    EXPECT_EQ(w.cboMonthM->currentText(), QStringLiteral("January"));
    EXPECT_FALSE(w.frame()->isHidden());
    EXPECT_FALSE(WelcomePanelVisible());
}

TEST_F(SunSignWindows, ExitFromTheResultDoesNotEndTheProgram)
{
    ASSERT_TRUE(showActiveMainWindow());
    frmSunSign& r = check("March", "25", "July", "25");
    QCoreApplication::processEvents();
    // Alt+F, X.
    r.TS->setFocus();
    menuKeys(r.TS, Qt::Key_F, Qt::Key_X);
    EXPECT_FALSE(forms::isLoaded<frmSunSign>());
    EXPECT_TRUE(WelcomePanelVisible());
    EXPECT_EQ(exitCalls, 0);
}

TEST_F(SunSignWindows, HelpItemsAndLinksOpenTheirPages)
{
    ASSERT_TRUE(showActiveMainWindow());
    frmSunSign& r = check("March", "25", "July", "25");
    QCoreApplication::processEvents();
    r.TS->setFocus();
    // Help > Online Help, Check for Software Update.
    for (Qt::Key item : {Qt::Key_O, Qt::Key_U}) {
        ASSERT_TRUE(showActiveMainWindow());
        menuKeys(r.TS, Qt::Key_H, item);
    }
    QTest::mouseClick(r.lblHyperlink, Qt::LeftButton);
    QTest::mouseClick(r.Label24, Qt::LeftButton);
    const QString base = QStringLiteral("https://www.vorlaine.example/vorlaine-free-love-test/ssd.php?page=");
    EXPECT_EQ(desk.openedUrls, (QStringList{base + "help-web-page", base + "download-web-page", base + "home-page",
                                            base + "home-page"}));
    ASSERT_TRUE(showActiveMainWindow());
    menuKeys(r.TS, Qt::Key_H, Qt::Key_A);
    EXPECT_TRUE(forms::isLoaded("frmAbout"));
}

TEST_F(SunSignWindows, InputWindowLinksOpenTheHomePage)
{
    frmMainZodiac& w = input();
    QTest::mouseClick(w.Label14, Qt::LeftButton);
    QTest::mouseClick(w.Label3, Qt::LeftButton);
    const QString home = QStringLiteral("https://www.vorlaine.example/vorlaine-free-love-test/ssd.php?page=home-page");
    EXPECT_EQ(desk.openedUrls, (QStringList{home, home}));
    EXPECT_TRUE(forms::isLoaded<frmMainZodiac>());
}

TEST_F(SunSignWindows, SaveOpensTheReportModally)
{
    frmSunSign& r = check("March", "25", "July", "25");
    QTest::mouseClick(r.cmdSave, Qt::LeftButton);
    ASSERT_TRUE(forms::isLoaded<frmSaveZodiac>());
    EXPECT_TRUE(forms::get<frmSaveZodiac>().isShownModal());
}

TEST_F(SunSignWindows, EveryWayOfChangingTheTabBringsItsPage)
{
    frmSunSign& r = check("March", "25", "July", "25");
    const auto& pages = r.TS->Pages();
    r.resize(r.size());
    r.TS->setFocus();
    QTest::keyClick(r.TS, Qt::Key_Right);
    EXPECT_EQ(r.TS->SelectedItem(), 2);
    EXPECT_EQ(shownPage(r.TS), pages[1]);
    QTest::keyClick(r.TS, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(shownPage(r.TS), pages[2]);
    QTest::keyClick(r.TS, Qt::Key_Tab, Qt::ControlModifier); // round the end
    EXPECT_EQ(shownPage(r.TS), pages[0]);
    QTest::keyClick(r.TS, Qt::Key_Left);
    EXPECT_EQ(shownPage(r.TS), pages[0]); // no tab before the first
    QTest::mouseClick(r.TS, Qt::LeftButton, {}, r.TS->tabRect(2).center());
    EXPECT_EQ(r.TS->SelectedItem(), 3);
    EXPECT_EQ(shownPage(r.TS), pages[2]);
    // A right click chooses nothing.
    QTest::mouseClick(r.TS, Qt::RightButton, {}, r.TS->tabRect(0).center());
    EXPECT_EQ(r.TS->SelectedItem(), 3);
    EXPECT_EQ(shownPage(r.TS), pages[2]);
    // The wheel moves the selection, and the page follows.
    QWheelEvent wheel(QPointF(r.TS->tabRect(1).center()), QPointF(r.TS->mapToGlobal(r.TS->tabRect(1).center())),
                      QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(r.TS, &wheel);
    EXPECT_EQ(shownPage(r.TS), pages[static_cast<std::size_t>(r.TS->SelectedItem() - 1)]);
    EXPECT_NE(r.TS->SelectedItem(), 3);
}

TEST_F(SunSignWindows, TypedMarkupIsShownLiterally)
{
    const QString name = QStringLiteral("<b>Asha</b><img src=x>");
    frmMainZodiac& w = input();
    QTest::keyClicks(w.txtNameM, name);
    QTest::keyClicks(w.txtNameF, QStringLiteral("<i>Ben</i>"));
    QTest::mouseClick(w.cmdSunSign, Qt::LeftButton);
    frmSunSign& r = forms::get<frmSunSign>();
    r.TS->setSelectedItem(2);
    EXPECT_EQ(r.lblNameM->text(), name);
    EXPECT_EQ(r.lblNameM->textFormat(), Qt::PlainText);
    EXPECT_EQ(r.lblNameF->textFormat(), Qt::PlainText);
    // Shown as markup the label would be one bold word wide.
    QLabel plain(QStringLiteral("<b>Asha</b><img src=x>"));
    plain.setTextFormat(Qt::PlainText);
    QLabel rich(QStringLiteral("<b>Asha</b>"));
    rich.setTextFormat(Qt::RichText);
    EXPECT_GT(plain.sizeHint().width(), rich.sizeHint().width() * 2);
}

TEST_F(SunSignWindows, DetailPagesShowWholeLinesBesideTheirCaptions)
{
    // On screen, where the boxes lay out their text and can be scrolled.
    screenchecks::MainWindowShown shown(desk);
    for (const char* sign : {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio",
                             "Sagittarius", "Capricorn", "Aquarius", "Pisces"}) {
        auto& s = modSunSign::state();
        s.SunSignM = s.SunSignF = sign;
        frmSunSign& r = forms::get<frmSunSign>();
        r.Show();
        r.TS->setSelectedItem(2);
        QCoreApplication::processEvents();
        // The famous persons fit their box: nothing to scroll to.
        EXPECT_EQ(r.txtFamousPersonsM->verticalScrollBar()->maximum(), 0) << sign;
        EXPECT_GT(r.txtFamousPersonsM->Text().size(), 60) << sign;
        forms::unload<frmSunSign>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Each one-line caption stands level with its box.
    frmSunSign& r = forms::get<frmSunSign>();
    for (LineBox* box : {r.txtElementM, r.txtLuckyDayM, r.txtQualityM}) {
        QLabel* caption = nullptr;
        for (QLabel* l : r.fraSunSignM->findChildren<QLabel*>())
            if (l->geometry().top() <= box->geometry().center().y() && l->geometry().bottom() >= box->geometry().center().y())
                caption = l;
        ASSERT_NE(caption, nullptr);
        EXPECT_EQ(caption->geometry().center().y(), box->geometry().center().y());
    }
}

TEST_F(SunSignWindows, OnScreenTheMaximisedResultScrollsToEveryButton)
{
    using namespace screenchecks;
    expectNamedScreen();
    MainWindowShown shown(desk);
    frmSunSign& r = check("March", "25", "July", "25");
    settle();
    // Maximised by a double click on its title bar.
    QWidget* frame = r.frame();
    const QSize designed = r.size();
    const int title = frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, frame);
    const QPoint onTitle(frame->width() / 2, title / 2);
    QTest::mouseMove(frame, onTitle);
    QTest::mouseDClick(frame, Qt::LeftButton, {}, onTitle);
    settle();
    ASSERT_TRUE(frame->isMaximized());
    expectMainWindowFits("the result window maximised");
    // Nothing of the window is squeezed away: the area scrolls to all of it.
    EXPECT_GE(r.width(), designed.width());
    EXPECT_GE(r.height(), designed.height());
    for (QPushButton* b : r.findChildren<QPushButton*>()) {
        if (!b->isVisibleTo(&r))
            continue;
        EXPECT_TRUE(scrollBarUntilWhole(b, Qt::Vertical) || scrollBarUntilWhole(b, Qt::Horizontal) ||
                    scrollBarUntilWhole(b, Qt::Vertical))
            << b->text().toStdString();
    }
    ASSERT_TRUE(scrollBarUntilWhole(r.cmdBack, Qt::Vertical) || scrollBarUntilWhole(r.cmdBack, Qt::Horizontal));
    realClick(r.cmdBack);
    EXPECT_FALSE(forms::isLoaded<frmSunSign>());
    ASSERT_TRUE(forms::isLoaded<frmMainZodiac>());
    // The input window takes the result's place, maximised as it was: at the
    // start of the area, which is wide enough for it.
    const QWidget* input = forms::get<frmMainZodiac>().frame();
    EXPECT_TRUE(input->isMaximized());
    EXPECT_EQ(input->pos(), QPoint(0, 0));
    EXPECT_FALSE(mdi().area->horizontalScrollBar()->isVisible());
    // Restored by the middle one of its buttons in the menu bar, it sits
    // where a fresh start puts it.
    QWidget* buttons = mdi().menuBar()->cornerWidget(Qt::TopRightCorner);
    ASSERT_NE(buttons, nullptr);
    realClick(buttons);
    EXPECT_FALSE(input->isMaximized());
    EXPECT_EQ(input->y(), 0);
    EXPECT_EQ(input->x(), platform::twipsToPixelsX(forms::get<frmMainZodiac>().Left()));
}
