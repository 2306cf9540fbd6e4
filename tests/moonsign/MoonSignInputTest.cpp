#include "MoonSignTestSupport.h"

#include "LatLongLookup.h"
#include "modHelp.h"
#include "TestWindow.h"
#include "TimeZoneTable.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace moonsigntest;
using platform::MsgIcon;

namespace {

class MoonSignInput : public MoonSignFixture {
protected:
    // The window shown and active, so keys reach it as they reach a user's.
    frmMainMoonSigncompatibility& shownInput()
    {
        EXPECT_TRUE(showActiveMainWindow());
        return input();
    }
};

} // namespace

TEST_F(MoonSignInput, LoadFillsTheListsAndSelectsTheDefaults)
{
    frmMainMoonSigncompatibility& w = input();
    EXPECT_EQ(w.Caption(), QStringLiteral("Vorlaine Moon Sign Compatibility"));
    EXPECT_EQ(w.lblHeading->text(), QStringLiteral("Vorlaine Moon Sign Compatibility"));
    EXPECT_EQ(w.cmdRashi->text(), QStringLiteral("Get &Moon Sign Compatibility"));
    EXPECT_EQ(w.cmdMBrowser->text(), QStringLiteral("Click Here To Find Latitude && Longitude"));
    struct ListCase {
        QComboBox *m, *f;
        int count;
        QString first, last;
    };
    const ListCase lists[] = {
        {w.cboMMonth, w.cboFMonth, 12, "January", "December"}, {w.cboMDate, w.cboFDate, 31, "1", "31"},
        {w.cboMYear, w.cboFYear, 150, "1901", "2050"},          {w.cboMHH, w.cboFHH, 24, "0", "23"},
        {w.cboMMM, w.cboFMM, 60, "0", "59"},                    {w.cboMSS, w.cboFSS, 60, "0", "59"},
    };
    for (const ListCase& c : lists) {
        for (QComboBox* box : {c.m, c.f}) {
            ASSERT_EQ(box->count(), c.count) << c.first.toStdString();
            EXPECT_EQ(box->itemText(0), c.first);
            EXPECT_EQ(box->itemText(c.count - 1), c.last);
            EXPECT_EQ(box->currentIndex(), 0);
            EXPECT_FALSE(box->isEditable());
        }
    }
    EXPECT_EQ(w.cboMHH->itemText(7), QStringLiteral("7"));
    ASSERT_EQ(w.cmbMTimeZone->count(), 71);
    ASSERT_EQ(w.cmbFTimeZone->count(), 71);
    for (int i = 0; i < 71; ++i)
        EXPECT_EQ(w.cmbMTimeZone->itemText(i).toStdString(), timezones::rowText(i)) << i;
    EXPECT_EQ(w.cmbMTimeZone->currentIndex(), 29);
    EXPECT_EQ(w.cmbFTimeZone->currentIndex(), 29);
    EXPECT_EQ(w.cmbMTimeZone->currentText(), QStringLiteral("Greenwich Mean Time,GMT,0.0"));
    EXPECT_EQ(w.cmbFTimeZone->currentText(), QStringLiteral("Greenwich Mean Time,GMT,0.0"));
    EXPECT_EQ(w.cmbFTimeZone->itemText(0), QStringLiteral("Alaska/Hawaii Daylight Time,AHDT,9.0"));
    EXPECT_EQ(w.cmbFTimeZone->itemText(11), QStringLiteral("Azores Time, AT, 2#"));
    EXPECT_EQ(w.cmbFTimeZone->itemText(12), QStringLiteral("Baghdad Time, BAT, -3#"));
    EXPECT_EQ(w.cmbFTimeZone->itemText(34), QStringLiteral("Indian Time, IST, -5.3"));
    EXPECT_EQ(w.cmbFTimeZone->itemText(51), QStringLiteral("Nome Time, NT, 11#"));
    EXPECT_EQ(w.cmbFTimeZone->itemText(61), QStringLiteral("Universal Time, UT, 0#"));
    for (QLineEdit* box : {w.txtMName, w.txtMLonD, w.txtMLonM, w.txtMLatD, w.txtMLatM, w.txtMCity, w.txtMState,
                           w.txtMCountry, w.txtFName, w.txtFLonD, w.txtFCountry})
        EXPECT_TRUE(box->text().isEmpty());
    EXPECT_FALSE(w.chkMDST->isChecked());
    EXPECT_FALSE(w.chkFDST->isChecked());
    EXPECT_EQ(w.chkMDST->text(), QStringLiteral("Daylight Saving Time"));
    for (QRadioButton* const* pair : {w.optMLong, w.optFLong, w.optMLat, w.optFLat}) {
        EXPECT_TRUE(pair[0]->isChecked());
        EXPECT_FALSE(pair[1]->isChecked());
    }
    EXPECT_EQ(w.optMLong[0]->text(), QStringLiteral("East"));
    EXPECT_EQ(w.optFLat[1]->text(), QStringLiteral("South"));
    EXPECT_EQ(w.fraMZone->title(), QStringLiteral("Zone"));
    EXPECT_EQ(w.fraFLongitude->title(), QStringLiteral("Longitude"));
    EXPECT_EQ(w.fraMLatitude->title(), QStringLiteral("Latitude"));
    EXPECT_FLOAT_EQ(w.Left(), (19200.0f - w.Width()) / 2.0f);
    EXPECT_FLOAT_EQ(w.Top(), 0.0f);
    EXPECT_FALSE(WelcomePanelVisible());
}

TEST_F(MoonSignInput, ValidationRunsItsChecksInOrder)
{
    struct Case {
        const char* name;
        std::function<void(frmMainMoonSigncompatibility&)> change;
        QString message; // empty: accepted
        MsgIcon icon;
        QLineEdit* frmMainMoonSigncompatibility::*focus; // null: focus not moved
    };
    using W = frmMainMoonSigncompatibility;
    const QString deg = QStringLiteral("Value Between 0 And 179 in the Degree of Longitude");
    const QString lonMin = QStringLiteral("Value Between 0 And 59 in the  Minute of Longitude");
    const QString latDeg = QStringLiteral("Value Between 0 And 89 in the Degree of Latitude");
    const QString latMin = QStringLiteral("Value Between 0 And 59 in the  Minute of Latitude");
    auto date = [](const char* month, const char* day, const char* year, bool partner) {
        return [=](W& w) {
            pick(partner ? w.cboFMonth : w.cboMMonth, month);
            pick(partner ? w.cboFDate : w.cboMDate, day);
            pick(partner ? w.cboFYear : w.cboMYear, year);
        };
    };
    const Case cases[] = {
        {"all entered", [](W&) {}, "", MsgIcon::None, nullptr},
        {"name of blanks", [](W& w) { w.txtMName->setText("   "); }, "Please Enter Your Name", MsgIcon::Critical,
         &W::txtMName},
        {"name with blanks around", [](W& w) { w.txtMName->setText("  Asha "); }, "", MsgIcon::None, nullptr},
        {"name before everything else",
         [](W& w) {
             w.txtMName->clear();
             w.txtMLonD->setText("500");
             w.txtFName->clear();
         },
         "Please Enter Your Name", MsgIcon::Critical, &W::txtMName},
        {"degree 179", [](W& w) { w.txtMLonD->setText("179"); }, "", MsgIcon::None, nullptr},
        // The box holds three characters, so a fraction such as 178.5 is for the rule's own test.
        {"degree 1.5", [](W& w) { w.txtMLonD->setText("1.5"); }, "", MsgIcon::None, nullptr},
        {"degree 180", [](W& w) { w.txtMLonD->setText("180"); }, "Please Enter Your " + deg, MsgIcon::Critical,
         &W::txtMLonD},
        {"degree -1", [](W& w) { w.txtMLonD->setText("-1"); }, "Please Enter Your " + deg, MsgIcon::Critical,
         &W::txtMLonD},
        {"degree 1e2", [](W& w) { w.txtMLonD->setText("1e2"); }, "Please Enter Your " + deg, MsgIcon::Critical,
         &W::txtMLonD},
        {"degree empty", [](W& w) { w.txtMLonD->clear(); }, "Please Enter Your " + deg, MsgIcon::Critical,
         &W::txtMLonD},
        {"degree a letter", [](W& w) { w.txtMLonD->setText("a"); }, "Please Enter Your " + deg, MsgIcon::Critical,
         &W::txtMLonD},
        {"degree 12abc", [](W& w) { w.txtMLonD->setText("12a"); }, "Please Enter Your " + deg, MsgIcon::Critical,
         &W::txtMLonD},
        {"longitude minutes 60", [](W& w) { w.txtMLonM->setText("60"); }, "Please Enter Your " + lonMin,
         MsgIcon::Critical, &W::txtMLonM},
        {"longitude minutes 59 and latitude minutes .5",
         [](W& w) {
             w.txtMLonM->setText("59");
             w.txtMLatM->setText(".5");
         },
         "", MsgIcon::None, nullptr},
        {"latitude 89", [](W& w) { w.txtMLatD->setText("89"); }, "", MsgIcon::None, nullptr},
        {"latitude 90", [](W& w) { w.txtMLatD->setText("90"); }, "Please Enter Your " + latDeg, MsgIcon::Critical,
         &W::txtMLatD},
        {"latitude minutes empty", [](W& w) { w.txtMLatM->clear(); }, "Please Enter Your " + latMin,
         MsgIcon::Critical, &W::txtMLatM},
        {"latitude minutes 60", [](W& w) { w.txtMLatM->setText("60"); }, "Please Enter Your " + latMin,
         MsgIcon::Critical, &W::txtMLatM},
        {"29 February 2000", date("February", "29", "2000", false), "", MsgIcon::None, nullptr},
        {"29 February 1901", date("February", "29", "1901", false), "Please Enter Your Correct Date Or Month!",
         MsgIcon::Information, nullptr},
        {"30 February 2000", date("February", "30", "2000", false), "Please Enter Your Correct Date Or Month!",
         MsgIcon::Information, nullptr},
        {"31 April", date("April", "31", "1990", false), "Please Enter Your Correct Date Or Month !",
         MsgIcon::Information, nullptr},
        {"31 May", date("May", "31", "1990", false), "", MsgIcon::None, nullptr},
        {"first person's date before the partner's name",
         [&](W& w) {
             date("June", "31", "1990", false)(w);
             w.txtFName->clear();
         },
         "Please Enter Your Correct Date Or Month !", MsgIcon::Information, nullptr},
        {"partner's name", [](W& w) { w.txtFName->setText(" "); }, "Please Enter Your Partner's Name",
         MsgIcon::Critical, &W::txtFName},
        {"partner's degree", [](W& w) { w.txtFLonD->setText("180"); }, "Please Enter Your Partner's " + deg,
         MsgIcon::Critical, &W::txtFLonD},
        {"partner's longitude minutes", [](W& w) { w.txtFLonM->setText("x"); },
         "Please Enter Your Partner's " + lonMin, MsgIcon::Critical, &W::txtFLonM},
        {"partner's latitude", [](W& w) { w.txtFLatD->setText("90"); }, "Please Enter Your Partner's " + latDeg,
         MsgIcon::Critical, &W::txtFLatD},
        {"partner's latitude minutes", [](W& w) { w.txtFLatM->setText(""); },
         "Please Enter Your Partner's " + latMin, MsgIcon::Critical, &W::txtFLatM},
        {"partner's 29 February 1999", date("February", "29", "1999", true),
         "Please Enter Your Partner's Correct Date Or Month!", MsgIcon::Information, nullptr},
        {"partner's 31 June", date("June", "31", "1990", true), "Please Enter Your Partner's Correct Date Or Month !",
         MsgIcon::Information, nullptr},
        {"partner's fields after the first person's", [](W& w) {
             w.txtFLonD->setText("999");
             w.txtMLatM->setText("99");
         },
         "Please Enter Your " + latMin, MsgIcon::Critical, &W::txtMLatM},
        {"empty places pass", [](W& w) {
             for (QLineEdit* b : {w.txtMCity, w.txtMState, w.txtMCountry, w.txtFCity, w.txtFState, w.txtFCountry})
                 b->clear();
         },
         "", MsgIcon::None, nullptr},
    };
    for (const Case& c : cases) {
        desk.messages.clear();
        frmMainMoonSigncompatibility& w = entered(delhi1990(), april1992());
        w.Show();
        w.cboMSS->setFocus();
        c.change(w);
        const bool ok = w.ValidateMoonSignInput();
        EXPECT_EQ(ok, c.message.isEmpty()) << c.name;
        if (c.message.isEmpty()) {
            EXPECT_TRUE(desk.messages.empty()) << c.name;
            continue;
        }
        ASSERT_EQ(desk.messages.size(), 1u) << c.name;
        EXPECT_EQ(desk.messages[0].text, c.message) << c.name;
        EXPECT_EQ(desk.messages[0].icon, c.icon) << c.name;
        EXPECT_EQ(desk.messages[0].buttons, platform::MsgButtons::OK) << c.name;
        EXPECT_EQ(desk.messages[0].title, QStringLiteral("Vorlaine Love Test")) << c.name;
        QWidget* expected = c.focus ? static_cast<QWidget*>(w.*c.focus) : w.cboMSS;
        EXPECT_EQ(w.window()->focusWidget(), expected) << c.name;
    }
}

TEST_F(MoonSignInput, FailedValidationChangesNothing)
{
    moonsign::state().MaleMoonSign = "Leo";
    moonsign::state().FemaleMoonSign = "Virgo";
    Birth bad = april1992();
    bad.lonD = QStringLiteral("180");
    frmMainMoonSigncompatibility& w = entered(j2000(), bad);
    QTest::mouseClick(w.cmdRashi, Qt::LeftButton);
    ASSERT_EQ(desk.messages.size(), 1u);
    EXPECT_EQ(moonsign::state().MaleMoonSign, "Leo");
    EXPECT_EQ(moonsign::state().FemaleMoonSign, "Virgo");
    EXPECT_EQ(engine::modMoonSignWestern::IsMaleChart, 0);
    EXPECT_FALSE(forms::isLoaded<frmMoonSign>());
    EXPECT_FALSE(w.frame()->isHidden());
    EXPECT_EQ(w.txtFLonD->text(), QStringLiteral("180"));
}

TEST_F(MoonSignInput, CoordinateBoxesTakeOnlySoManyCharacters)
{
    frmMainMoonSigncompatibility& w = shownInput();
    const std::pair<QLineEdit*, const char*> cases[] = {
        {w.txtMLonD, "123"}, {w.txtFLonD, "123"}, {w.txtMLonM, "12"}, {w.txtMLatD, "12"},
        {w.txtMLatM, "12"},  {w.txtFLonM, "12"},  {w.txtFLatD, "12"}, {w.txtFLatM, "12"},
    };
    for (const auto& [box, kept] : cases) {
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("1234"));
        EXPECT_EQ(box->text(), QString::fromLatin1(kept));
    }
    // Any key is taken; the check judges the contents later.
    QTest::keyClicks(w.txtMName, QStringLiteral("Asha 2<b>"));
    EXPECT_EQ(w.txtMName->text(), QStringLiteral("Asha 2<b>"));
    w.txtMLatM->clear();
    QTest::keyClicks(w.txtMLatM, QStringLiteral("x."));
    EXPECT_EQ(w.txtMLatM->text(), QStringLiteral("x."));
}

TEST_F(MoonSignInput, TabRunsDownEachPanelInTurn)
{
    frmMainMoonSigncompatibility& w = shownInput();
    const QWidget* order[] = {w.txtMName, w.cboMMonth, w.cboMDate,   w.cboMYear,    w.cboMHH,    w.cboMMM,
                              w.cboMSS,   w.chkMDST,   w.cmbMTimeZone, w.txtMLonD,  w.txtMLonM,  w.optMLong[0],
                              w.txtMLatD, w.txtMLatM,  w.optMLat[0], w.txtMCity,    w.txtMState, w.txtMCountry,
                              w.cmdMBrowser, w.txtFName, w.cboFMonth, w.cboFDate,  w.cboFYear,  w.cboFHH,
                              w.cboFMM,   w.cboFSS,    w.chkFDST,    w.cmbFTimeZone, w.txtFLonD, w.txtFLonM,
                              w.optFLong[0], w.txtFLatD, w.txtFLatM, w.optFLat[0], w.txtFCity,  w.txtFState,
                              w.txtFCountry, w.cmdFBrowser, w.cmdRashi};
    w.txtMName->setFocus();
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        ASSERT_EQ(QApplication::focusWidget(), order[i]) << i;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(QApplication::focusWidget(), w.cmdRashi);
}

TEST_F(MoonSignInput, DirectionsAreChosenWithTheArrowKeys)
{
    frmMainMoonSigncompatibility& w = shownInput();
    w.optMLong[0]->setFocus();
    QTest::keyClick(w.optMLong[0], Qt::Key_Down);
    EXPECT_TRUE(w.optMLong[1]->isChecked());
    EXPECT_FALSE(w.optMLong[0]->isChecked());
    // The latitude pair is a separate choice.
    EXPECT_TRUE(w.optMLat[0]->isChecked());
    QTest::mouseClick(w.optFLat[1], Qt::LeftButton);
    EXPECT_TRUE(w.optFLat[1]->isChecked());
    EXPECT_TRUE(w.optFLong[0]->isChecked());
    EXPECT_TRUE(w.optMLat[0]->isChecked());
}

TEST_F(MoonSignInput, PlaceSearchNeedsCityStateAndCountry)
{
    frmMainMoonSigncompatibility& w = shownInput();
    struct Case {
        QString city, state, country;
        QString message;
        QLineEdit* frmMainMoonSigncompatibility::*focus;
    };
    using W = frmMainMoonSigncompatibility;
    const Case cases[] = {
        {"", "Maharashtra", "India", "Please Enter City", &W::txtFCity},
        {"Pune", "", "India", "Please Enter State", &W::txtFState},
        {"Pune", "Maharashtra", "", "Please Enter Country", &W::txtFCountry},
    };
    for (const Case& c : cases) {
        desk.messages.clear();
        w.txtFCity->setText(c.city);
        w.txtFState->setText(c.state);
        w.txtFCountry->setText(c.country);
        w.txtFName->setFocus();
        QTest::mouseClick(w.cmdFBrowser, Qt::LeftButton);
        ASSERT_EQ(desk.messages.size(), 1u) << c.message.toStdString();
        EXPECT_EQ(desk.messages[0].text, c.message);
        EXPECT_EQ(desk.messages[0].icon, MsgIcon::Critical);
        EXPECT_EQ(QApplication::focusWidget(), w.*c.focus);
    }
    EXPECT_TRUE(desk.openedUrls.isEmpty());

    desk.messages.clear();
    w.txtMCity->setText("Pune");
    w.txtMState->setText("Maharashtra");
    w.txtMCountry->setText("India");
    QTest::mouseClick(w.cmdMBrowser, Qt::LeftButton);
    // Blanks count as entered and are searched as typed.
    w.txtFCity->setText(" ");
    w.txtFState->setText("Goa ");
    w.txtFCountry->setText("India");
    QTest::mouseClick(w.cmdFBrowser, Qt::LeftButton);
    EXPECT_TRUE(desk.messages.empty());
    EXPECT_EQ(desk.openedUrls,
              (QStringList{LatLongLookup::SearchAddress("Pune Maharashtra India Latitude Longitude"),
                           LatLongLookup::SearchAddress("  Goa  India Latitude Longitude")}));
}

TEST_F(MoonSignInput, FileMenuOpensWithAltF)
{
    frmMainMoonSigncompatibility& w = shownInput();
    // The window's menus are the ones in the main window's bar.
    QStringList bar;
    for (QAction* a : mdi().menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar, (QStringList{"&File", "&Help"}));
    QStringList file;
    for (QAction* a : w.menus()[0]->actions())
        file << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(file, (QStringList{"Get &Moon Sign Compatibility", "E&xit"}));
    QStringList help;
    for (QAction* a : w.menus()[1]->actions())
        help << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(help, (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update", "-",
                                 "&About Software"}));

    // File, then its "Get Moon Sign..." item by its letter: the calculation's check runs.
    w.txtMName->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup, w.menus()[0]);
    QTest::keyClick(popup, Qt::Key_M);
    ASSERT_EQ(desk.messages.size(), 1u);
    EXPECT_EQ(desk.messages[0].text, QStringLiteral("Please Enter Your Name"));

    // Help, then "Visit Us Online".
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier);
    popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup, Qt::Key_V);
    EXPECT_EQ(desk.openedUrls, QStringList{PageAddress("home-page")});

    // File, Exit: only this window goes, and the welcome panel is back.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
    popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup, Qt::Key_X);
    EXPECT_FALSE(forms::isLoaded<frmMainMoonSigncompatibility>());
    EXPECT_TRUE(WelcomePanelVisible());
    EXPECT_EQ(exitCalls, 0);
}

TEST_F(MoonSignInput, AltMPressesTheButton)
{
    frmMainMoonSigncompatibility& w = shownInput();
    enter(w, j2000(), false);
    enter(w, april1992(), true);
    w.txtFCountry->setFocus();
    QTest::keyClick(w.txtFCountry, Qt::Key_M, Qt::AltModifier);
    // A mnemonic presses its button as a short animated click.
    EXPECT_TRUE(QTest::qWaitFor([] { return forms::isLoaded<frmMoonSign>(); }));
    ASSERT_TRUE(forms::isLoaded<frmMoonSign>());
    EXPECT_EQ(moonsign::state().MaleMoonSign, "Scorpio");
}

TEST_F(MoonSignInput, HelpItemsAndTheLinkOpenTheirPages)
{
    frmMainMoonSigncompatibility& w = input();
    w.mnuOnline->trigger();
    w.mnuUpdate->trigger();
    QTest::mouseClick(w.Label61, Qt::LeftButton);
    EXPECT_EQ(desk.openedUrls,
              (QStringList{PageAddress("help-web-page"), PageAddress("download-web-page"), PageAddress("home-page")}));
    w.mnuAbout->trigger();
    EXPECT_TRUE(forms::isLoaded("frmAbout"));
}

TEST_F(MoonSignInput, ALaunchStartsAgainFromTheDefaults)
{
    frmMainMoonSigncompatibility& w = entered(delhi1990(), april1992());
    w.chkMDST->setChecked(true);
    w.optFLat[1]->setChecked(true);
    frmMainMoonSigncompatibility& again = input();
    EXPECT_TRUE(again.txtMName->text().isEmpty());
    EXPECT_EQ(again.cmbMTimeZone->currentIndex(), 29);
    EXPECT_EQ(again.cboFMonth->currentIndex(), 0);
    EXPECT_FALSE(again.chkMDST->isChecked());
    EXPECT_TRUE(again.optFLat[0]->isChecked());
}
