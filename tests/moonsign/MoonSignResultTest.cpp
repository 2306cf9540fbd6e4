#include "MoonSignTestSupport.h"
#include "ShownPage.h"

#include "frmSaveMoonSign.h"

#include "SignNames.h"
#include "TabStrip.h"
#include "TestWindow.h"
#include "TextBox.h"
#include "modHelp.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

using namespace moonsigntest;

namespace {

class MoonSignResult : public MoonSignFixture {
protected:
    static QString tableText(const char* first, const char* partner)
    {
        modMoonsign::LoadMoonSignTables();
        const auto i = static_cast<std::size_t>(signs::signIndex(first));
        const auto j = static_cast<std::size_t>(signs::signIndex(partner));
        return QString::fromStdString(modMoonsign::state().MoonPairText[i][j]);
    }
    static QImage picture(const QLabel* l) { return l->pixmap().toImage(); }
};

} // namespace

TEST_F(MoonSignResult, KnownBirthsGiveTheEnginesMoonSignsAndTheirPair)
{
    frmMoonSign& r = calculate(j2000(), april1992());
    EXPECT_EQ(moonsign::state().MaleMoonSign, "Scorpio");
    EXPECT_EQ(moonsign::state().FemaleMoonSign, "Leo");
    EXPECT_EQ(r.Caption(), QStringLiteral("Vorlaine Moon Sign Compatibility"));
    EXPECT_EQ(r.txtMoonM->Text(), QStringLiteral("Scorpio"));
    EXPECT_EQ(r.txtMoonF->Text(), QStringLiteral("Leo"));
    EXPECT_EQ(r.Label2->text(), QStringLiteral("Compatibility of  Scorpio With Leo"));
    EXPECT_EQ(r.lblPercentage->text(), QStringLiteral("40"));
    EXPECT_EQ(r.lblComment->text(), QStringLiteral("A Difficult Match"));
    EXPECT_EQ(r.lblDescription->text(), tableText("Scorpio", "Leo"));
    EXPECT_FALSE(r.lblDescription->text().isEmpty());
    EXPECT_EQ(moonsign::state().PairScore, "4");
    EXPECT_EQ(moonsign::state().PairPercentage, "40");
    // Pictures from the alphabetical list: 10 Scorpio, 6 Leo.
    EXPECT_EQ(r.imgMaleMoonSign.Key(10), QStringLiteral("Scorpio"));
    EXPECT_EQ(r.imgMaleMoonSign.Key(6), QStringLiteral("Leo"));
    EXPECT_EQ(picture(r.picMaleMoonSign), r.imgMaleMoonSign.Picture(10).toImage());
    EXPECT_EQ(picture(r.picFemaleMoonSign), r.imgMaleMoonSign.Picture(6).toImage());
    // The planet procedure read each person's own lists: the Sun of 12 April is in Aries.
    EXPECT_EQ(engine::modWesternPlanetPosition().PlanetPositions[0].substr(3, 3), "Ari");
    EXPECT_EQ(engine::modWesternPlanetPosition().PlanetPositions[1], "13 Leo 09");
    EXPECT_EQ(engine::modMoonSignWestern::IsMaleChart, 0);
}

TEST_F(MoonSignResult, AnAsymmetricPairInBothOrders)
{
    struct Case {
        Birth first, partner;
        const char *signM, *signF, *percentage, *comment;
        int pictureM, pictureF;
    };
    const Case cases[] = {
        {west2043(), west2043NextDay(), "Pisces", "Aries", "70", "A Great Match", 8, 2},
        {west2043NextDay(), west2043(), "Aries", "Pisces", "40", "A Difficult Match", 2, 8},
        {delhi1990(), west2043NextDay(), "Gemini", "Aries", "80", "A Great Match", 5, 2},
        {west2043NextDay(), delhi1990(), "Aries", "Gemini", "60", "An Easy Match", 2, 5},
    };
    for (const Case& c : cases) {
        frmMoonSign& r = calculate(c.first, c.partner);
        EXPECT_EQ(r.txtMoonM->Text(), QString::fromLatin1(c.signM));
        EXPECT_EQ(r.txtMoonF->Text(), QString::fromLatin1(c.signF));
        EXPECT_EQ(r.Label2->text(), QStringLiteral("Compatibility of  %1 With %2").arg(c.signM, c.signF));
        EXPECT_EQ(r.lblPercentage->text(), QString::fromLatin1(c.percentage)) << c.signM << "-" << c.signF;
        EXPECT_EQ(r.lblComment->text(), QString::fromLatin1(c.comment)) << c.signM << "-" << c.signF;
        // Both orders share one interpretation.
        EXPECT_EQ(r.lblDescription->text(), tableText(c.signF, c.signM));
        EXPECT_EQ(picture(r.picMaleMoonSign), r.imgMaleMoonSign.Picture(c.pictureM).toImage());
        EXPECT_EQ(picture(r.picFemaleMoonSign), r.imgMaleMoonSign.Picture(c.pictureF).toImage());
    }
}

TEST_F(MoonSignResult, ThePartnersRecordAsTheEngineGetsIt)
{
    Birth partner = delhi1990();
    partner.dst = true;
    partner.lonD = QStringLiteral("2.5"); // reaches the engine rounded half to even
    partner.lonM = QStringLiteral(".5");
    calculate(j2000(), partner);
    const auto& planets = engine::modWesternPlanetPosition();
    const auto& b = planets.BirthData;
    EXPECT_EQ(planets.ZoneHoursValue, -5);
    EXPECT_EQ(planets.ZoneMinutesValue, -30);
    EXPECT_EQ(b.Month, 8);
    EXPECT_EQ(b.Day, 15);
    EXPECT_EQ(b.Year, 1990);
    EXPECT_EQ(b.Hour, 10);
    EXPECT_EQ(b.Minute, 30);
    EXPECT_EQ(b.ZoneHours, 5);
    EXPECT_EQ(b.ZoneMinutes, 30);
    EXPECT_EQ(b.LongitudeDegrees, 2);
    EXPECT_EQ(b.LongitudeMinutes, 0);
    EXPECT_EQ(b.LatitudeDegrees, 28);
    EXPECT_EQ(b.LatitudeMinutes, 37);
    EXPECT_EQ(b.IsEast, -1);
    EXPECT_EQ(b.IsSouth, 0);
    EXPECT_EQ(b.IsDaylightSaving, -1);

    calculate(j2000(), west2043());
    EXPECT_EQ(b.IsEast, 0);
    EXPECT_EQ(b.IsSouth, -1);
    EXPECT_EQ(b.IsDaylightSaving, 0);
    EXPECT_EQ(b.ZoneHours, 3);
    EXPECT_EQ(b.ZoneMinutes, 0);
    EXPECT_EQ(b.Month, 5);
}

TEST_F(MoonSignResult, ZoneValuesOfTheChosenRowForEitherPerson)
{
    struct Case {
        int row;
        int hours, minutes;
    };
    const Case cases[] = {{5, -10, -30}, {34, -5, -30}, {50, 3, 30}, {29, 0, 0}, {36, 12, 0}, {0, 9, 0}};
    frmMainMoonSigncompatibility& w = input();
    auto& planets = engine::modWesternPlanetPosition();
    for (const Case& c : cases) {
        planets.ZoneHoursValue = 99;
        planets.ZoneMinutesValue = 99;
        w.cmbMTimeZone->setCurrentIndex(c.row);
        w.Zone_Calculation();
        EXPECT_EQ(planets.ZoneHoursValue, c.hours) << c.row;
        EXPECT_EQ(planets.ZoneMinutesValue, c.minutes) << c.row;
        planets.ZoneHoursValue = 99;
        planets.ZoneMinutesValue = 99;
        w.cmbFTimeZone->setCurrentIndex(c.row);
        w.Zone_Calculation_female();
        EXPECT_EQ(planets.ZoneHoursValue, c.hours) << c.row;
        EXPECT_EQ(planets.ZoneMinutesValue, c.minutes) << c.row;
    }
    // No row chosen: the values stay.
    w.cmbFTimeZone->setCurrentIndex(-1);
    w.Zone_Calculation_female();
    EXPECT_EQ(planets.ZoneHoursValue, 9);
    EXPECT_EQ(planets.ZoneMinutesValue, 0);
}

TEST_F(MoonSignResult, HalfHourZoneMovesTheMoonAsItsHoursAndMinutes)
{
    // Indian time (5 h 30 east) with 10:30 local is 5:00 universal time;
    // the same instant written in Greenwich time gives the same Moon.
    Birth greenwich = delhi1990();
    greenwich.zoneRow = 29;
    greenwich.hour = QStringLiteral("5");
    greenwich.minute = QStringLiteral("0");
    calculate(delhi1990(), greenwich);
    EXPECT_EQ(moonsign::state().MaleMoonSign, "Gemini");
    EXPECT_EQ(moonsign::state().FemaleMoonSign, "Gemini");
    const std::string inGreenwichTime = engine::modWesternEphemeris().MoonPositionText;
    calculate(greenwich, delhi1990());
    EXPECT_EQ(engine::modWesternEphemeris().MoonPositionText, inGreenwichTime);
}

TEST_F(MoonSignResult, DetailBoxesShowTheEntriesInTheirForms)
{
    Birth first = april1992();
    first.name = QStringLiteral("  Asha Rao ");
    first.month = QStringLiteral("March");
    first.day = QStringLiteral("5");
    first.year = QStringLiteral("1970");
    first.hour = QStringLiteral("7");
    first.minute = QStringLiteral("5");
    first.second = QStringLiteral("0");
    first.city = QStringLiteral("  Pune ");
    first.state = QStringLiteral("Maharashtra");
    first.country = QStringLiteral("India");
    Birth partner = april1992();
    partner.hour = QStringLiteral("0");
    partner.second = QStringLiteral("59");
    frmMoonSign& r = calculate(first, partner);
    EXPECT_EQ(r.txtUserM->Text(), QStringLiteral("Asha Rao"));
    EXPECT_EQ(r.txtDOBM->Text(), QStringLiteral("March 5, 1970"));
    EXPECT_EQ(r.txtTOBM->Text(), QStringLiteral("7:5:0"));
    EXPECT_EQ(r.txtCityM->Text(), QStringLiteral("  Pune "));
    EXPECT_EQ(r.txtStateM->Text(), QStringLiteral("Maharashtra"));
    EXPECT_EQ(r.txtCountryM->Text(), QStringLiteral("India"));
    EXPECT_EQ(r.txtUserF->Text(), QStringLiteral("Ben"));
    EXPECT_EQ(r.txtDOBF->Text(), QStringLiteral("April 12, 1992"));
    EXPECT_EQ(r.txtTOBF->Text(), QStringLiteral("0:0:59"));
    EXPECT_TRUE(r.txtCityF->Text().isEmpty());
    EXPECT_EQ(r.lblNameM->text(), QStringLiteral("Name"));
    EXPECT_EQ(r.lblTOBF->text(), QStringLiteral("Time Of Birth"));
    EXPECT_EQ(r.lblMoonF->text(), QStringLiteral("Moon Sign"));
    EXPECT_EQ(r.fraUserM->title(), QStringLiteral("Your Moon Sign"));
    EXPECT_EQ(r.fraUserF->title(), QStringLiteral("Your Partner's Moon Sign"));
    // Seconds are shown only: the partner's 59 seconds chart like the first person's 0.
    EXPECT_EQ(r.txtMoonF->Text(), QStringLiteral("Leo"));
}

TEST_F(MoonSignResult, SameEntriesGiveTheSameSign)
{
    frmMoonSign& r = calculate(delhi1990(), delhi1990());
    EXPECT_EQ(r.txtMoonM->Text(), QStringLiteral("Gemini"));
    EXPECT_EQ(r.txtMoonF->Text(), QStringLiteral("Gemini"));
    EXPECT_EQ(r.lblPercentage->text(), QStringLiteral("20"));
    EXPECT_EQ(r.lblComment->text(), QStringLiteral("A Poor Match"));
    EXPECT_EQ(picture(r.picMaleMoonSign), picture(r.picFemaleMoonSign));
}

TEST_F(MoonSignResult, OpensOnTheAnalysisPageAndTheButtonsSwitchPages)
{
    frmMoonSign& r = calculate(j2000(), april1992());
    auto front = [&r] { return shownPage(std::vector<QWidget*>{r.Frame1, r.Frame2}); };
    EXPECT_FALSE(r.frame()->isHidden());
    EXPECT_EQ(front(), r.Frame2);
    EXPECT_EQ(r.Frame1->title(), QStringLiteral("Personal Details"));
    EXPECT_EQ(r.Frame2->title(), QStringLiteral("Moon Sign Compatibility Interpretation"));
    QTest::mouseClick(r.cmdBirthDetails, Qt::LeftButton);
    EXPECT_EQ(front(), r.Frame1);
    QTest::mouseClick(r.cmdBirthDetails, Qt::LeftButton);
    EXPECT_EQ(front(), r.Frame1);
    QTest::mouseClick(r.cmdMoonCompatibilityAnalysis, Qt::LeftButton);
    EXPECT_EQ(front(), r.Frame2);
    EXPECT_EQ(r.Label1->text(), QStringLiteral("Percentage Of Compatibility"));
    EXPECT_EQ(r.Label3->text(), QStringLiteral("Detailed Analysis"));
    EXPECT_FLOAT_EQ(r.Left(), (19200.0f - r.Width()) / 2.0f);
    EXPECT_FLOAT_EQ(r.Top(), 0.0f);
}

TEST_F(MoonSignResult, TheInputWindowIsOnlyHiddenAndBackBringsItBack)
{
    Birth first = delhi1990();
    first.dst = true;
    first.west = true;
    first.second = QStringLiteral("42");
    frmMoonSign& r = calculate(first, april1992());
    ASSERT_TRUE(forms::isLoaded<frmMainMoonSigncompatibility>());
    frmMainMoonSigncompatibility& w = forms::get<frmMainMoonSigncompatibility>();
    EXPECT_TRUE(w.frame()->isHidden());
    EXPECT_FALSE(WelcomePanelVisible());

    QTest::mouseClick(r.cmdBack, Qt::LeftButton);
    EXPECT_FALSE(forms::isLoaded<frmMoonSign>());
    EXPECT_FALSE(w.frame()->isHidden());
    EXPECT_FALSE(WelcomePanelVisible());
    EXPECT_EQ(w.txtMName->text(), QStringLiteral("Chitra"));
    EXPECT_EQ(w.cboMMonth->currentText(), QStringLiteral("August"));
    EXPECT_EQ(w.cboMSS->currentText(), QStringLiteral("42"));
    EXPECT_EQ(w.cmbMTimeZone->currentIndex(), 34);
    EXPECT_TRUE(w.chkMDST->isChecked());
    EXPECT_TRUE(w.optMLong[1]->isChecked());
    EXPECT_EQ(w.txtMLonD->text(), QStringLiteral("77"));
    EXPECT_EQ(w.txtFName->text(), QStringLiteral("Ben"));
    EXPECT_EQ(w.cboFYear->currentText(), QStringLiteral("1992"));

    // A second calculation loads a fresh result window.
    w.optMLong[0]->setChecked(true);
    w.txtFName->setText(QStringLiteral("Ben R"));
    w.cmdRashi_Click();
    EXPECT_EQ(forms::get<frmMoonSign>().txtUserF->Text(), QStringLiteral("Ben R"));
    frmMoonSign& again = forms::get<frmMoonSign>();
    EXPECT_EQ(shownPage(std::vector<QWidget*>{again.Frame1, again.Frame2}), again.Frame2);
}

TEST_F(MoonSignResult, ExitAndTheCloseBoxLeaveTheInputWindowHidden)
{
    frmMoonSign& r = calculate(j2000(), april1992());
    r.mnuExit->trigger();
    EXPECT_FALSE(forms::isLoaded<frmMoonSign>());
    EXPECT_TRUE(WelcomePanelVisible());
    ASSERT_TRUE(forms::isLoaded<frmMainMoonSigncompatibility>());
    EXPECT_TRUE(forms::get<frmMainMoonSigncompatibility>().frame()->isHidden());
    EXPECT_EQ(exitCalls, 0);

    HideWelcomePanel();
    forms::get<frmMainMoonSigncompatibility>().cmdRashi_Click();
    forms::get<frmMoonSign>().frame()->close();
    EXPECT_FALSE(forms::isLoaded<frmMoonSign>());
    EXPECT_TRUE(WelcomePanelVisible());
}

TEST_F(MoonSignResult, MenusAreDrivenByTheirKeys)
{
    ASSERT_TRUE(showActiveMainWindow());
    frmMoonSign& r = calculate(j2000(), april1992());
    QStringList file;
    for (QAction* a : r.menus()[0]->actions())
        file << a->text();
    EXPECT_EQ(file, (QStringList{"Print", "&Back", "Exit"}));
    QStringList bar;
    for (QAction* a : mdi().menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar, (QStringList{"&File", "&Help"}));
    EXPECT_EQ(mdi().menuBar()->actions()[0]->menu(), r.menus()[0]);

    // Help, Online Help.
    r.cmdPrint->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup, Qt::Key_O);
    EXPECT_EQ(desk.openedUrls, QStringList{PageAddress("help-web-page")});

    // File, Back.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
    popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup, Qt::Key_B);
    EXPECT_FALSE(forms::isLoaded<frmMoonSign>());
    EXPECT_FALSE(forms::get<frmMainMoonSigncompatibility>().frame()->isHidden());
    EXPECT_FALSE(WelcomePanelVisible());
}

TEST_F(MoonSignResult, PrintOpensTheReportModallyAndTheResultStays)
{
    frmMoonSign& r = calculate(j2000(), april1992());
    QTest::mouseClick(r.cmdPrint, Qt::LeftButton);
    ASSERT_TRUE(forms::isLoaded<frmSaveMoonSign>());
    EXPECT_TRUE(forms::get<frmSaveMoonSign>().isShownModal());
    forms::get<frmSaveMoonSign>().Unload();
    ASSERT_TRUE(forms::isLoaded<frmMoonSign>());
    EXPECT_EQ(r.lblPercentage->text(), QStringLiteral("40"));
    r.mnuPrint->trigger();
    EXPECT_TRUE(forms::isLoaded<frmSaveMoonSign>());
}

TEST_F(MoonSignResult, LinksAndHelpItemsOpenTheirPages)
{
    frmMoonSign& r = calculate(j2000(), april1992());
    QTest::mouseClick(r.Label61, Qt::LeftButton);
    r.mnuVisit->trigger();
    r.mnuUpdate->trigger();
    r.Label5_Click(); // on the analysis page
    EXPECT_EQ(desk.openedUrls, (QStringList{PageAddress("home-page"), PageAddress("home-page"),
                                            PageAddress("download-web-page"), PageAddress("home-page")}));
    r.mnuAbout->trigger();
    EXPECT_TRUE(forms::isLoaded("frmAbout"));
}

TEST_F(MoonSignResult, NoPairFoundKeepsTheLastPairsValues)
{
    calculate(j2000(), april1992());
    forms::unload<frmMoonSign>();
    moonsign::state().MaleMoonSign.clear();
    moonsign::state().FemaleMoonSign = "leo";
    frmMoonSign& r = forms::get<frmMoonSign>();
    EXPECT_EQ(r.Label2->text(), QStringLiteral("Compatibility of   With leo"));
    EXPECT_EQ(r.lblPercentage->text(), QStringLiteral("40"));
    EXPECT_EQ(r.lblComment->text(), QStringLiteral("A Difficult Match"));
    EXPECT_EQ(r.lblDescription->text(), tableText("Scorpio", "Leo"));
    EXPECT_EQ(picture(r.picMaleMoonSign), DefaultSignPicture(r.picMaleMoonSign->pixmap().width()).toImage());
}
