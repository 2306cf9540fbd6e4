// The planetary test's windows driven as a user drives them: the launcher,
// typed entries, the buttons and menus, and the natal positions it shows.
#include "InputMethod.h"
#include "frmMatch.h"
#include "frmReport.h"
#include "AstroContent.h"
#include "modMatch.h"

#include "ClickLabel.h"
#include "Engine.h"
#include "Forms.h"
#include "LatLongLookup.h"
#include "MDI.h"
#include "Settings.h"
#include "ScreenChecks.h"
#include "ShellFixture.h"
#include "TestWindow.h"
#include "TimeZoneTable.h"
#include "modHelp.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <array>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>

using platform::MsgIcon;
using platform::MsgResult;

namespace {

// One person as the user enters them, with the signed zone values of the
// chosen time-zone row (hours and minutes to add to reach universal time).
struct Birth {
    QString name;
    int day, month, year, hour, minute;
    int zoneRow, zoneHours, zoneMinutes;
    bool dst;
    QString latDegrees, latMinutes;
    bool south;
    QString lonDegrees, lonMinutes;
    bool west;
    QString city, state, country;
};

const Birth Asha{QStringLiteral(" Asha Rao "), 14, 2, 1985, 6, 30, 34, -5, -30, false, "19", "4", false,
                 "72", "52", false, "Mumbai", "Maharashtra", "India"};
const Birth Ben{QStringLiteral("Ben"), 3, 11, 1982, 23, 15, 50, 3, 30, true, "47", "34", false,
                "52", "43", true, "Saint Johns", "Newfoundland", "Canada"};
const Birth Cleo{QStringLiteral("Cleo"), 29, 2, 1904, 12, 0, 8, -10, 0, false, "33", "52", true,
                 "151", "12", false, "Sydney", "New South Wales", "Australia"};

// Greenwich, no daylight saving: births for a search by the Moon's degree.
Birth greenwich(int day, int hour)
{
    return Birth{QStringLiteral("Dana"), day, 1, 1990, hour, 0, 29, 0, 0, false, "51", "28", false,
                 "0", "0", false, "London", "England", "UK"};
}

using Positions = std::array<std::string, frmReport::PositionCount>;

// The fourteen positions the planetary engine gives for a birth, from an
// instance of its own.
Positions enginePositions(const Birth& b, bool first)
{
    engine::PlanetaryInstance inst;
    auto& p = inst.modPlanetPosition_Western;
    engine::BirthRecord& r = p.BirthData;
    r.Month = static_cast<engine::Int16>(b.month);
    r.Day = static_cast<engine::Int16>(b.day);
    r.Year = static_cast<engine::Int16>(b.year);
    r.Hour = static_cast<engine::Int16>(b.hour);
    r.Minute = static_cast<engine::Int16>(b.minute);
    r.ZoneHours = static_cast<engine::Int16>(std::abs(b.zoneHours));
    r.ZoneMinutes = static_cast<engine::Int16>(std::abs(b.zoneMinutes));
    r.LongitudeDegrees = static_cast<engine::Int16>(b.lonDegrees.toInt());
    r.LongitudeMinutes = static_cast<engine::Int16>(b.lonMinutes.toInt());
    r.LatitudeDegrees = static_cast<engine::Int16>(b.latDegrees.toInt());
    r.LatitudeMinutes = static_cast<engine::Int16>(b.latMinutes.toInt());
    r.IsEast = b.west ? 0 : -1;
    r.IsSouth = b.south ? -1 : 0;
    r.IsDaylightSaving = b.dst ? -1 : 0;
    p.ZoneHoursValue = b.zoneHours;
    p.ZoneMinutesValue = b.zoneMinutes;
    p.CalculateAscendant();
    inst.modEphemeris_Western.CalculateMoonAndDasha();
    engine::Int16 flag = first ? -1 : 0;
    p.CalculatePlanetPositions(flag);
    Positions out;
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = first ? p.MalePositions[i] : p.FemalePositions[i];
    return out;
}

int moonDegrees(const Birth& b)
{
    return std::stoi(enginePositions(b, true)[1].substr(0, 2));
}

class AstroWindows : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        ASSERT_TRUE(showActiveMainWindow(QSize(1400, 950)));
    }

    // The "Astro" launcher, clicked.
    frmMatch& launch()
    {
        QTest::mouseClick(mdi().cmdCallMainForm[0], Qt::LeftButton);
        QCoreApplication::processEvents();
        return forms::get<frmMatch>();
    }

    static void pick(QComboBox* box, const QString& text)
    {
        const int i = box->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        box->setCurrentIndex(i);
    }

    static void type(QLineEdit* box, const QString& text)
    {
        box->clear();
        QTest::keyClicks(box, text);
    }

    // Types or picks one person's entries.
    static void enter(frmMatch& w, const Birth& b, bool first)
    {
        QLineEdit* name = first ? w.txtMName : w.txtFName;
        type(name, b.name);
        pick(first ? w.cboMDate : w.cboFDate, QString::number(b.day));
        (first ? w.cboMMonth : w.cboFMonth)->setCurrentIndex(b.month - 1);
        pick(first ? w.cboMYear : w.cboFYear, QString::number(b.year));
        pick(first ? w.cboMHH : w.cboFHH, QString::number(b.hour));
        pick(first ? w.cboMMM : w.cboFMM, QString::number(b.minute));
        (first ? w.cmbMTimeZone : w.cmbFTimeZone)->setCurrentIndex(b.zoneRow);
        (first ? w.chkMDST : w.chkFDST)->setChecked(b.dst);
        type(first ? w.txtMLD : w.txtFLD, b.latDegrees);
        type(first ? w.txtMLM : w.txtFLM, b.latMinutes);
        (first ? w.optMLong : w.optFLong)[b.south ? 1 : 0]->setChecked(true);
        type(first ? w.txtMLoD : w.txtFLoD, b.lonDegrees);
        type(first ? w.txtMLoM : w.txtFLoM, b.lonMinutes);
        (first ? w.optMLat : w.optFLat)[b.west ? 1 : 0]->setChecked(true);
        type(first ? w.txtMCity : w.txtFCity, b.city);
        type(first ? w.txtMState : w.txtFState, b.state);
        type(first ? w.txtMCountry : w.txtFCountry, b.country);
    }

    frmMatch& entered(const Birth& m, const Birth& f)
    {
        frmMatch& w = launch();
        enter(w, m, true);
        enter(w, f, false);
        desk.messages.clear();
        return w;
    }

    // Enters both persons and clicks "Analyze Compatibility".
    frmReport& calculate(const Birth& m, const Birth& f)
    {
        frmMatch& w = entered(m, f);
        QTest::mouseClick(w.cmdCalculate, Qt::LeftButton);
        QCoreApplication::processEvents();
        EXPECT_TRUE(desk.messages.empty());
        EXPECT_TRUE(forms::isLoaded<frmReport>());
        return forms::get<frmReport>();
    }

    // Clears both options of a pair, a state the window never gets into.
    static void clearPair(const std::array<QRadioButton*, 2>& pair)
    {
        for (QRadioButton* o : pair) {
            o->setAutoExclusive(false);
            o->setChecked(false);
            o->setAutoExclusive(true);
        }
    }

    static QWidget* focus(const frmMatch& w) { return w.window()->focusWidget(); }

    // The sixteen filtered boxes: the eight letter boxes, then the eight
    // digit boxes.
    static std::array<QLineEdit*, 16> filteredBoxes(const frmMatch& w)
    {
        return {w.txtMName, w.txtMCity, w.txtMState, w.txtMCountry, w.txtFName, w.txtFCity, w.txtFState, w.txtFCountry,
                w.txtMLD,   w.txtMLM,   w.txtMLoD,   w.txtMLoM,     w.txtFLD,   w.txtFLM,   w.txtFLoD,   w.txtFLoM};
    }

    // The caption label in front of a value label: same row, to its left.
    static QString captionOf(const QLabel* value)
    {
        const QLabel* best = nullptr;
        for (const QLabel* l : value->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (l != value && l->y() == value->y() && l->x() < value->x() && (!best || l->x() > best->x()))
                best = l;
        return best ? best->text() : QString();
    }
};

} // namespace

TEST_F(AstroWindows, TheLauncherOpensAFreshInputWindow)
{
    frmMatch& w = launch();
    EXPECT_EQ(w.Caption(), QStringLiteral("Vorlaine Astro Compatibility Test Software"));
    EXPECT_FALSE(w.frame()->isHidden());
    EXPECT_FALSE(WelcomePanelVisible());
    EXPECT_FLOAT_EQ(w.Left(), (19200.0f - w.Width()) / 2.0f);
    EXPECT_FLOAT_EQ(w.Top(), 0.0f);
    EXPECT_FALSE(w.frame()->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(w.fraMale->title(), QStringLiteral("Male"));
    EXPECT_EQ(w.fraFemale->title(), QStringLiteral("Female"));
    EXPECT_EQ(w.cmdCalculate->text(), QStringLiteral("Analyze Compatibility"));
    EXPECT_EQ(w.cmdNav[1]->text(), QStringLiteral("Exit"));
    EXPECT_EQ(w.cmdNav[0], nullptr);
    EXPECT_TRUE(w.Label7->text().startsWith(QStringLiteral("Enter your City, State & Country. Now click")));
    EXPECT_TRUE(w.Label7->text().contains(QStringLiteral("\"Click here to find Latitude & Longitude\"")));
    EXPECT_TRUE(w.Label61->text().contains(QStringLiteral("www.vorlaine.example")));

    struct Lists {
        QComboBox* box;
        int count;
        const char *first, *last;
    };
    for (bool first : {true, false}) {
        const Lists lists[] = {
            {first ? w.cboMDate : w.cboFDate, 31, "1", "31"},
            {first ? w.cboMMonth : w.cboFMonth, 12, "January", "December"},
            {first ? w.cboMYear : w.cboFYear, 150, "1901", "2050"},
            {first ? w.cboMHH : w.cboFHH, 24, "0", "23"},
            {first ? w.cboMMM : w.cboFMM, 60, "0", "59"},
            {first ? w.cboMSS : w.cboFSS, 60, "0", "59"},
            {first ? w.cmbMTimeZone : w.cmbFTimeZone, 71, "Alaska/Hawaii Daylight Time,AHDT,-9.0",
             "Yukon War Time,YWT,-8.0"},
        };
        for (const Lists& l : lists) {
            ASSERT_EQ(l.box->count(), l.count) << l.first;
            EXPECT_EQ(l.box->itemText(0), QString::fromLatin1(l.first));
            EXPECT_EQ(l.box->itemText(l.count - 1), QString::fromLatin1(l.last));
            EXPECT_EQ(l.box->currentIndex(), 0) << l.first;
            EXPECT_FALSE(l.box->isEditable()) << l.first;
        }
        QComboBox* zone = first ? w.cmbMTimeZone : w.cmbFTimeZone;
        for (int i = 0; i < 71; ++i)
            EXPECT_EQ(zone->itemText(i).toStdString(), timezones::rowText(i)) << i;
        EXPECT_EQ((first ? w.cboMYear : w.cboFYear)->itemText(99), QStringLiteral("2000"));

        for (QLineEdit* box : {first ? w.txtMName : w.txtFName, first ? w.txtMCity : w.txtFCity,
                               first ? w.txtMState : w.txtFState, first ? w.txtMCountry : w.txtFCountry}) {
            EXPECT_TRUE(box->text().isEmpty());
            EXPECT_EQ(box->maxLength(), 32767); // no limit of its own
        }
        for (QLineEdit* box : {first ? w.txtMLD : w.txtFLD, first ? w.txtMLM : w.txtFLM,
                               first ? w.txtMLoD : w.txtFLoD, first ? w.txtMLoM : w.txtFLoM}) {
            EXPECT_TRUE(box->text().isEmpty());
            EXPECT_EQ(box->maxLength(), 3);
        }
        const auto& lat = first ? w.optMLong : w.optFLong;
        const auto& lon = first ? w.optMLat : w.optFLat;
        EXPECT_EQ(lat[0]->text(), QStringLiteral("North"));
        EXPECT_EQ(lat[1]->text(), QStringLiteral("South"));
        EXPECT_EQ(lon[0]->text(), QStringLiteral("East"));
        EXPECT_EQ(lon[1]->text(), QStringLiteral("West"));
        EXPECT_TRUE(lat[0]->isChecked());
        EXPECT_TRUE(lon[0]->isChecked());
        // Each pair is exclusive on its own.
        lat[1]->setChecked(true);
        EXPECT_FALSE(lat[0]->isChecked());
        EXPECT_TRUE(lon[0]->isChecked());
        QCheckBox* dst = first ? w.chkMDST : w.chkFDST;
        EXPECT_EQ(dst->text(), QStringLiteral("Daylight Saving Time"));
        EXPECT_FALSE(dst->isChecked());
        QPushButton* search = first ? w.Command1 : w.Command2;
        EXPECT_EQ(search->text().replace(QLatin1Char('\n'), QLatin1Char(' ')),
                  QStringLiteral("Click here to find Latitude && Longitude"));
    }
}

TEST_F(AstroWindows, TheKeyboardRunsThroughBothPersonsThenTheButton)
{
    frmMatch& w = launch();
    const QWidget* order[] = {w.txtMName, w.cboMDate, w.cboMMonth, w.cboMYear,   w.cboMHH,   w.cboMMM,
                              w.cboMSS,   w.txtMLD,   w.txtMLM,   w.txtMLoD,    w.txtMLoM,  w.txtMCity,
                              w.txtMState, w.txtMCountry, w.txtFName, w.cboFDate, w.cboFMonth, w.cboFYear,
                              w.cboFHH,   w.cboFMM,   w.cboFSS,   w.txtFLD,     w.txtFLM,   w.txtFLoD,
                              w.txtFLoM,  w.txtFCity, w.txtFState, w.txtFCountry, w.cmdCalculate};
    EXPECT_EQ(focus(w), w.txtMName);
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[i]) << i;
    }
}

TEST_F(AstroWindows, EveryLoadRunsTheUpdateReminderFirst)
{
    const auto storeDaysAgo = [this](int days) {
        platform::settings::write(ReminderDateKey, desk.today.addDays(-days).toString(Qt::ISODate));
    };
    int filledWhenAsked = -1;
    desk.onMessage = [&](const FakeDesktop::Message&) {
        if (forms::isLoaded<frmMatch>())
            filledWhenAsked = forms::get<frmMatch>().cboMDate->count();
    };
    for (int run = 0; run < 2; ++run) {
        storeDaysAgo(30);
        desk.messages.clear();
        desk.msgAnswers = {run == 0 ? MsgResult::No : MsgResult::Yes};
        frmMatch& w = launch();
        ASSERT_EQ(desk.messages.size(), 1u) << run;
        EXPECT_TRUE(desk.messages[0].text.startsWith(QStringLiteral("There maybe an update")));
        EXPECT_EQ(filledWhenAsked, 0) << "the question comes before the lists are filled";
        EXPECT_EQ(w.cboMDate->count(), 31);
        EXPECT_EQ(desk.openedUrls.size(), run == 0 ? 0 : 1);
    }
    // Within fourteen days the reminder runs and stays quiet.
    desk.messages.clear();
    launch();
    EXPECT_TRUE(desk.messages.empty());
    // The other tests' windows do not ask.
    desk.onMessage = nullptr;
    storeDaysAgo(30);
    QTest::mouseClick(mdi().cmdCallMainForm[5], Qt::LeftButton);
    EXPECT_TRUE(desk.messages.empty());
}

TEST_F(AstroWindows, MenusStandInTheMainWindowsBar)
{
    frmMatch& w = launch();
    ASSERT_EQ(w.menus().size(), 2);
    QMenuBar* bar = mdi().menuBar();
    ASSERT_EQ(bar->actions().size(), 2);
    EXPECT_EQ(bar->actions()[0], w.menus()[0]->menuAction());
    EXPECT_EQ(bar->actions()[1], w.menus()[1]->menuAction());
    auto captions = [](const QMenu* m) {
        QStringList out;
        for (const QAction* a : m->actions())
            out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    };
    EXPECT_EQ(w.menus()[0]->title(), QStringLiteral("&File"));
    EXPECT_EQ(captions(w.menus()[0]), (QStringList{"&Analyze Compatibility", "-", "&Exit"}));
    EXPECT_EQ(w.menus()[1]->title(), QStringLiteral("&Help"));
    EXPECT_EQ(captions(w.menus()[1]), (QStringList{"&Online Help", "&Visit Us Online", "-",
                                                   "Check for Software &Update", "-", "&About Software"}));
    EXPECT_TRUE(w.findChildren<QMenuBar*>().isEmpty());
}

// Alt+letter on a box, then a letter in the menu it opens.
static void fileMenuKeys(QWidget* on, Qt::Key itemKey)
{
    QTest::keyClick(on, Qt::Key_F, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr) << "no menu opened";
    QTest::keyClick(popup, itemKey);
    QCoreApplication::processEvents();
}

TEST_F(AstroWindows, FileMenuAnalyzeByKeys)
{
    frmMatch& w = launch();
    // In a digit box Alt+F is a menu key, not a refused character.
    w.txtMLD->setFocus();
    fileMenuKeys(w.txtMLD, Qt::Key_A);
    ASSERT_EQ(desk.messages.size(), 1u);
    EXPECT_EQ(desk.messages[0].text, QStringLiteral("Please Enter Male Name"));
    EXPECT_EQ(focus(w), w.txtMName);
    EXPECT_TRUE(forms::isLoaded<frmMatch>());
}

TEST_F(AstroWindows, FileMenuExitByKeys)
{
    frmMatch& w = launch();
    w.txtMCity->setFocus();
    fileMenuKeys(w.txtMCity, Qt::Key_E);
    EXPECT_FALSE(forms::isLoaded<frmMatch>());
    EXPECT_TRUE(WelcomePanelVisible());
    EXPECT_TRUE(desk.messages.empty());
    EXPECT_EQ(exitCalls, 0);
}

TEST_F(AstroWindows, HelpItemsAndTheLinkOpenTheirPages)
{
    frmMatch& w = launch();
    w.mnuOnline->trigger();
    w.mnuVisit->trigger();
    w.mnuUpdate->trigger();
    QTest::mouseClick(w.Label61, Qt::LeftButton);
    EXPECT_EQ(desk.openedUrls,
              (QStringList{PageAddress("help-web-page"), PageAddress("home-page"), PageAddress("download-web-page"),
                           PageAddress("home-page")}));
    EXPECT_EQ(w.Label61->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(AstroWindows, ValidationRunsItsChecksInOrder)
{
    frmMatch& w = launch();
    // Everything wrong at once; each click reports the first failure, which
    // is then put right.
    clearPair(w.optMLong);
    clearPair(w.optMLat);
    clearPair(w.optFLong);
    clearPair(w.optFLat);
    w.cboMMonth->setCurrentIndex(1);
    pick(w.cboMDate, "29");
    pick(w.cboMYear, "1901");
    w.cboFMonth->setCurrentIndex(1);
    pick(w.cboFDate, "30");
    pick(w.cboFYear, "1904");

    struct Step {
        const char* message;
        MsgIcon icon;
        QWidget* focusTo;                // nullptr: the focus stays
        std::function<void()> putRight;
    };
    const auto fill = [](QLineEdit* box, const char* text) { return [=] { type(box, text); }; };
    const Step steps[] = {
        {"Please Enter Male Name", MsgIcon::Critical, w.txtMName, fill(w.txtMName, " ")},
        {"Please Enter Degree in Latitude", MsgIcon::Critical, w.txtMLD, fill(w.txtMLD, "999")},
        {"Please Enter Minutes in Latitude", MsgIcon::Critical, w.txtMLM, fill(w.txtMLM, "75")},
        {"Please Enter Degree in Longitude", MsgIcon::Critical, w.txtMLoD, fill(w.txtMLoD, "0")},
        {"Please Enter Minute in Longitude", MsgIcon::Critical, w.txtMLoM, fill(w.txtMLoM, "0")},
        {"Please Enter City", MsgIcon::Critical, w.txtMCity, fill(w.txtMCity, "  ")},
        {"Please Enter State", MsgIcon::Critical, w.txtMState, fill(w.txtMState, "Kent")},
        {"Please Enter Country", MsgIcon::Critical, w.txtMCountry, fill(w.txtMCountry, "UK")},
        {"Please Select Direction For The Latitude", MsgIcon::Critical, nullptr, [] {}},
        {"Please Select Direction For The Longitude", MsgIcon::Critical, nullptr, [] {}},
        {"Please Enter Female Name", MsgIcon::Critical, w.txtFName, fill(w.txtFName, "Bo")},
        {"Please Enter Degree in Latitude", MsgIcon::Critical, w.txtFLD, fill(w.txtFLD, "1")},
        {"Please Enter Minutes in Latitude", MsgIcon::Critical, w.txtFLM, fill(w.txtFLM, "2")},
        {"Please Enter Degree in Longitude", MsgIcon::Critical, w.txtFLoD, fill(w.txtFLoD, "3")},
        {"Please Enter Minutes in Longitude", MsgIcon::Critical, w.txtFLoM, fill(w.txtFLoM, "4")},
        {"Please Enter City", MsgIcon::Critical, w.txtFCity, fill(w.txtFCity, "Ely")},
        {"Please Enter State", MsgIcon::Critical, w.txtFState, fill(w.txtFState, "Cambs")},
        {"Please Enter Country", MsgIcon::Critical, w.txtFCountry, fill(w.txtFCountry, "UK")},
        {"Please Select Direction For The Latitude", MsgIcon::Critical, nullptr, [] {}},
        {"Please Select Direction For The Longitude", MsgIcon::Critical, nullptr, [] {}},
        {"Please Enter Your Correct Date Or Month!", MsgIcon::Information, nullptr,
         [&] { pick(w.cboMMonth, "April"), pick(w.cboMDate, "31"); }},
        {"Please Enter Your Correct Date Or Month !", MsgIcon::Information, nullptr,
         [&] { pick(w.cboMDate, "30"); }},
        {"Please Enter Your Partner's Correct Date Or Month!", MsgIcon::Information, nullptr,
         [&] { pick(w.cboFMonth, "November"), pick(w.cboFDate, "31"); }},
        {"Please Enter Your Partner's Correct Date Or Month !", MsgIcon::Information, nullptr,
         [&] { pick(w.cboFMonth, "December"); }},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        const Step& s = steps[i];
        desk.messages.clear();
        w.cboMSS->setFocus();
        QTest::mouseClick(w.cmdCalculate, Qt::LeftButton);
        ASSERT_EQ(desk.messages.size(), 1u) << "step " << i + 1;
        EXPECT_EQ(desk.messages[0].text, QString::fromLatin1(s.message)) << "step " << i + 1;
        EXPECT_EQ(desk.messages[0].icon, s.icon) << "step " << i + 1;
        EXPECT_EQ(desk.messages[0].buttons, platform::MsgButtons::OK);
        EXPECT_EQ(desk.messages[0].title, QStringLiteral("Vorlaine Love Test"));
        // A button click takes the focus; a check without a box leaves it there.
        EXPECT_EQ(focus(w), s.focusTo ? s.focusTo : static_cast<QWidget*>(w.cmdCalculate)) << "step " << i + 1;
        ASSERT_TRUE(forms::isLoaded<frmMatch>());
        EXPECT_FALSE(forms::isLoaded<frmReport>());
        s.putRight();
    }
    // A failed direction check selects the first option of its pair.
    for (const auto* pair : {&w.optMLong, &w.optMLat, &w.optFLong, &w.optFLat}) {
        EXPECT_TRUE((*pair)[0]->isChecked());
        EXPECT_FALSE((*pair)[1]->isChecked());
    }
    // Blanks for a name and a city, a latitude of 999 and 75 minutes pass.
    desk.messages.clear();
    QTest::mouseClick(w.cmdCalculate, Qt::LeftButton);
    EXPECT_TRUE(desk.messages.empty());
    EXPECT_FALSE(forms::isLoaded<frmMatch>());
    ASSERT_TRUE(forms::isLoaded<frmReport>());
    EXPECT_EQ(forms::get<frmReport>().mName->text(), QStringLiteral(" "));
}

TEST_F(AstroWindows, DatesAreCheckedOnlyAfterEveryBox)
{
    struct Case {
        const char* name;
        std::function<void(frmMatch&)> change;
        const char* message; // nullptr: accepted
    };
    const Case cases[] = {
        {"empty female name before a wrong first date",
         [](frmMatch& w) {
             w.txtFName->clear();
             w.cboMMonth->setCurrentIndex(1);
             w.cboMDate->setCurrentIndex(30);
         },
         "Please Enter Female Name"},
        {"29 February 1904", [](frmMatch& w) { pick(w.cboMMonth, "February"), pick(w.cboMDate, "29"),
                                                pick(w.cboMYear, "1904"); }, nullptr},
        {"29 February 1901", [](frmMatch& w) { pick(w.cboMMonth, "February"), pick(w.cboMDate, "29"),
                                                pick(w.cboMYear, "1901"); },
         "Please Enter Your Correct Date Or Month!"},
        {"31 April", [](frmMatch& w) { pick(w.cboMMonth, "April"), pick(w.cboMDate, "31"); },
         "Please Enter Your Correct Date Or Month !"},
        {"partner's 29 February 2001",
         [](frmMatch& w) { pick(w.cboFMonth, "February"), pick(w.cboFDate, "29"), pick(w.cboFYear, "2001"); },
         "Please Enter Your Partner's Correct Date Or Month!"},
        {"partner's 31 September", [](frmMatch& w) { pick(w.cboFMonth, "September"), pick(w.cboFDate, "31"); },
         "Please Enter Your Partner's Correct Date Or Month !"},
        {"31 December and 31 January",
         [](frmMatch& w) {
             pick(w.cboMMonth, "December"), pick(w.cboMDate, "31");
             pick(w.cboFMonth, "January"), pick(w.cboFDate, "31");
         },
         nullptr},
    };
    for (const Case& c : cases) {
        frmMatch& w = entered(Asha, Ben);
        c.change(w);
        const bool ok = w.ValidateMatchInput();
        EXPECT_EQ(ok, c.message == nullptr) << c.name;
        if (c.message) {
            ASSERT_EQ(desk.messages.size(), 1u) << c.name;
            EXPECT_EQ(desk.messages[0].text, QString::fromLatin1(c.message)) << c.name;
        } else {
            EXPECT_TRUE(desk.messages.empty()) << c.name;
        }
    }
}

TEST_F(AstroWindows, PastedTextInACoordinateBoxGetsThatBoxsMessage)
{
    struct Case {
        QLineEdit* frmMatch::*box;
        const char* pasted;
        const char* message;
    };
    const Case cases[] = {
        {&frmMatch::txtMLD, "1a", "Please Enter Degree in Latitude"},
        {&frmMatch::txtMLM, " 5", "Please Enter Minutes in Latitude"},
        {&frmMatch::txtMLoD, "-5", "Please Enter Degree in Longitude"},
        {&frmMatch::txtMLoM, "5.5", "Please Enter Minute in Longitude"},
        {&frmMatch::txtFLD, "N", "Please Enter Degree in Latitude"},
        {&frmMatch::txtFLM, "\xd9\xa3", "Please Enter Minutes in Latitude"}, // an Arabic-Indic three
        {&frmMatch::txtFLoD, "+12", "Please Enter Degree in Longitude"},
        {&frmMatch::txtFLoM, "4 ", "Please Enter Minutes in Longitude"},
    };
    for (const Case& c : cases) {
        frmMatch& w = entered(Asha, Ben);
        QLineEdit* box = w.*c.box;
        box->clear();
        box->setFocus();
        QApplication::clipboard()->setText(QString::fromUtf8(c.pasted));
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        ASSERT_EQ(box->text(), QString::fromUtf8(c.pasted)) << "the paste gets past the key filter";
        ASSERT_TRUE(desk.messages.empty());
        w.cboMSS->setFocus();
        QTest::mouseClick(w.cmdCalculate, Qt::LeftButton);
        ASSERT_EQ(desk.messages.size(), 1u) << c.pasted;
        EXPECT_EQ(desk.messages[0].text, QString::fromLatin1(c.message)) << c.pasted;
        EXPECT_EQ(desk.messages[0].icon, MsgIcon::Critical);
        EXPECT_EQ(focus(w), box) << c.pasted;
        EXPECT_FALSE(forms::isLoaded<frmReport>());
        EXPECT_EQ(box->text(), QString::fromUtf8(c.pasted)) << "the entry stays as it was";
    }
}

TEST_F(AstroWindows, TheControlCodesAreRefusedInEveryBoxButPastesGetIn)
{
    frmMatch& w = launch();
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    // Ctrl+V, Ctrl+C, Ctrl+A, Ctrl+X, Ctrl+Z and Enter type codes 22, 3, 1,
    // 24, 26 and 13.
    const Key keys[] = {{Qt::Key_V, Qt::ControlModifier}, {Qt::Key_C, Qt::ControlModifier},
                        {Qt::Key_A, Qt::ControlModifier}, {Qt::Key_X, Qt::ControlModifier},
                        {Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier},
                        {Qt::Key_Return, Qt::NoModifier},  {Qt::Key_Enter, Qt::KeypadModifier}};
    int i = 0;
    for (QLineEdit* box : filteredBoxes(w)) {
        SCOPED_TRACE(i++);
        const bool letters = i <= 8;
        const QString message = letters ? QStringLiteral("Please enter only letters") : QStringLiteral("Please enter only numbers");
        const QString start = letters ? QStringLiteral("Ab") : QStringLiteral("1");
        QApplication::clipboard()->setText(letters ? QStringLiteral("12-ab") : QStringLiteral("-5x"));
        box->setText(start);
        box->setFocus();
        box->selectAll();
        desk.messages.clear();
        for (const Key& k : keys)
            QTest::keyClick(box, k.key, k.modifiers);
        EXPECT_EQ(box->text(), start);
        EXPECT_EQ(box->selectedText(), start) << "Ctrl+X and Ctrl+Z left the box as it was";
        ASSERT_EQ(desk.messages.size(), std::size(keys));
        for (const auto& m : desk.messages) {
            EXPECT_EQ(m.text, message);
            EXPECT_EQ(m.icon, MsgIcon::Critical);
        }
        // Typed letters and digits still go in.
        desk.messages.clear();
        box->end(false);
        QTest::keyClick(box, letters ? Qt::Key_C : Qt::Key_2);
        QTest::keyClick(box, letters ? 'D' : '3', letters ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_EQ(box->text(), start + (letters ? QStringLiteral("cD") : QStringLiteral("23")));
        EXPECT_TRUE(desk.messages.empty());
    }

    // Text that is not typed is not filtered: a paste by Shift+Insert and
    // one from the context menu get in.
    QApplication::clipboard()->setText(QStringLiteral("12-ab"));
    w.txtMName->setText(QStringLiteral("Ab"));
    w.txtMName->end(false);
    w.txtMName->setFocus();
    QTest::keyClick(w.txtMName, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(w.txtMName->text(), QStringLiteral("Ab12-ab"));
    w.txtFLD->clear();
    w.txtFLD->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("-5x"));
    QContextMenuEvent menuAt(QContextMenuEvent::Mouse, QPoint(5, 5), w.txtFLD->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(w.txtFLD, &menuAt);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* paste = nullptr;
    for (QAction* a : menu->actions())
        if (a->text().remove(QLatin1Char('&')).startsWith(QStringLiteral("Paste")))
            paste = a;
    ASSERT_NE(paste, nullptr);
    ASSERT_TRUE(paste->isEnabled());
    paste->trigger();
    menu->close();
    EXPECT_EQ(w.txtFLD->text(), QStringLiteral("-5x"));
    EXPECT_TRUE(desk.messages.empty());
}

TEST_F(AstroWindows, KeyFiltersRefuseCharacterByCharacter)
{
    frmMatch& w = launch();
    struct Case {
        QLineEdit* box;
        const char* typed;
        const char* kept;
        int refused;
        const char* message;
    };
    const Case cases[] = {
        {w.txtMName, "Mary Ann", "Mary Ann", 0, ""},
        {w.txtMName, "O'Neil-Smith Jr. 3rd", "ONeilSmith Jr rd", 4, "Please enter only letters"},
        {w.txtFCity, "St. John's", "St Johns", 2, "Please enter only letters"},
        {w.txtMLD, "4a5", "45", 1, "Please enter only numbers"},
        {w.txtFLoM, "-1.5", "15", 2, "Please enter only numbers"},
        {w.txtMLoD, "12345", "123", 0, ""}, // the box holds three characters
        {w.txtFLD, " 7", "7", 1, "Please enter only numbers"},
    };
    for (const Case& c : cases) {
        desk.messages.clear();
        c.box->clear();
        QTest::keyClicks(c.box, QString::fromUtf8(c.typed));
        EXPECT_EQ(c.box->text(), QString::fromUtf8(c.kept)) << c.typed;
        ASSERT_EQ(desk.messages.size(), static_cast<std::size_t>(c.refused)) << c.typed;
        for (const auto& m : desk.messages) {
            EXPECT_EQ(m.text, QString::fromLatin1(c.message));
            EXPECT_EQ(m.icon, MsgIcon::Critical);
        }
    }

    // A letter outside A to Z, typed on a keyboard that has it.
    desk.messages.clear();
    type(w.txtFCountry, "Espa");
    QTest::sendKeyEvent(QTest::Click, w.txtFCountry, Qt::Key_Ntilde, QString(QChar(0xf1)), Qt::NoModifier);
    QTest::keyClick(w.txtFCountry, 'a');
    EXPECT_EQ(w.txtFCountry->text(), QStringLiteral("Espaa"));
    ASSERT_EQ(desk.messages.size(), 1u);
    EXPECT_EQ(desk.messages[0].text, QStringLiteral("Please enter only letters"));

    // Backspace and Delete edit as usual.
    desk.messages.clear();
    type(w.txtMLM, "123");
    QTest::keyClick(w.txtMLM, Qt::Key_Backspace);
    QTest::keyClick(w.txtMLM, Qt::Key_Home);
    QTest::keyClick(w.txtMLM, Qt::Key_Delete);
    EXPECT_EQ(w.txtMLM->text(), QStringLiteral("2"));
    type(w.txtMState, "Oh");
    QTest::keyClick(w.txtMState, Qt::Key_Backspace);
    EXPECT_EQ(w.txtMState->text(), QStringLiteral("O"));
    EXPECT_TRUE(desk.messages.empty());

    // A refused letter-box key brings the focus back to its box; a refused
    // digit leaves the focus where it is.
    w.cboMSS->setFocus();
    QTest::keyClick(w.txtFName, Qt::Key_Minus);
    EXPECT_EQ(focus(w), w.txtFName);
    w.cboMSS->setFocus();
    QTest::keyClick(w.txtFLM, Qt::Key_X);
    EXPECT_EQ(focus(w), w.cboMSS);
    EXPECT_EQ(desk.messages.size(), 2u);
    EXPECT_TRUE(w.txtFName->text().isEmpty());
    EXPECT_TRUE(w.txtFLM->text().isEmpty());
}


TEST_F(AstroWindows, ComposedCharactersGetTheBoxsMessageAndAltChordsNothing)
{
    frmMatch& w = launch();
    int i = 0;
    for (QLineEdit* box : filteredBoxes(w)) {
        SCOPED_TRACE(i++);
        const bool letters = i <= 8;
        const QString kept = letters ? QStringLiteral("ab") : QStringLiteral("12");
        box->clear();
        box->setFocus();
        desk.messages.clear();
        // Allowed text passes, typed or committed by an input method.
        QTest::keyClick(box, letters ? Qt::Key_A : Qt::Key_1);
        compose(box, QString(), letters ? QStringLiteral("b") : QStringLiteral("2"));
        ASSERT_EQ(box->text(), kept);
        EXPECT_TRUE(desk.messages.empty());

        compose(box, QStringLiteral("\u00b4"), QStringLiteral("\u00e9"));
        compose(box, QString(), letters ? QStringLiteral("x-") : QStringLiteral("3."));
        EXPECT_EQ(box->text(), kept);
        ASSERT_EQ(desk.messages.size(), 2u);
        for (const auto& m : desk.messages) {
            EXPECT_EQ(m.text, letters ? QStringLiteral("Please enter only letters") : QStringLiteral("Please enter only numbers"));
            EXPECT_EQ(m.icon, MsgIcon::Critical);
        }
        // Alt or Meta with a key no shortcut takes is a command: nothing goes
        // in and nothing is refused.
        desk.messages.clear();
        QTest::keyClick(box, Qt::Key_Q, Qt::AltModifier);
        QTest::keyClick(box, Qt::Key_5, Qt::AltModifier);
        QTest::keyClick(box, Qt::Key_Period, Qt::AltModifier);
        QTest::keyClick(box, Qt::Key_Q, Qt::MetaModifier);
        EXPECT_EQ(box->text(), kept);
        EXPECT_TRUE(desk.messages.empty());
        // A letter box takes the focus back after its message.
        w.cboMSS->setFocus();
        compose(box, QString(), letters ? QStringLiteral("-") : QStringLiteral("."));
        EXPECT_EQ(desk.messages.size(), 1u);
        EXPECT_EQ(focus(w), letters ? box : static_cast<QWidget*>(w.cboMSS));
    }
}

TEST_F(AstroWindows, PlaceSearchButtons)
{
    frmMatch& w = launch();
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    ASSERT_EQ(desk.messages.size(), 1u);
    EXPECT_EQ(desk.messages[0].text, QStringLiteral("Please Enter City"));
    EXPECT_EQ(focus(w), w.txtMCity);
    EXPECT_TRUE(desk.openedUrls.isEmpty());

    enter(w, Asha, true);
    enter(w, Cleo, false);
    w.txtFCountry->clear();
    desk.messages.clear();
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    ASSERT_EQ(desk.messages.size(), 1u);
    EXPECT_EQ(desk.messages[0].text, QStringLiteral("Please Enter Country"));
    EXPECT_EQ(focus(w), w.txtFCountry);

    type(w.txtFCountry, "Australia");
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    EXPECT_EQ(desk.openedUrls,
              (QStringList{LatLongLookup::SearchAddress("Mumbai Maharashtra India Latitude Longitude"),
                           LatLongLookup::SearchAddress("Sydney New South Wales Australia Latitude Longitude")}));
    EXPECT_EQ(desk.messages.size(), 1u);
}

TEST_F(AstroWindows, TheCalculationListsBothPersonsAsTheEngineCharts)
{
    const struct {
        const Birth& male;
        const Birth& female;
    } pairs[] = {{Asha, Ben}, {Cleo, Asha}};
    for (const auto& pair : pairs) {
        frmReport& r = calculate(pair.male, pair.female);
        EXPECT_FALSE(forms::isLoaded<frmMatch>());
        EXPECT_FALSE(r.frame()->isHidden());
        EXPECT_FALSE(WelcomePanelVisible());
        EXPECT_TRUE(mdi().isVisible());

        const Positions male = enginePositions(pair.male, true);
        const Positions female = enginePositions(pair.female, false);
        for (std::size_t i = 0; i < frmReport::PositionCount; ++i) {
            EXPECT_EQ(r.lblPlanetPosition_Male[i]->text().toStdString(), male[i]) << i;
            EXPECT_EQ(r.lblPlanetPosition_Female[i]->text().toStdString(), female[i]) << i;
        }
        for (const QLabel* spare : {r.mMC, r.mC, r.fMC, r.fC})
            EXPECT_TRUE(spare->text().isEmpty());

        const int d1 = std::stoi(male[1].substr(0, 2));
        const int d2 = std::stoi(female[1].substr(0, 2));
        EXPECT_EQ(r.lblPower->text(), QString::number(d1 * 30));
        EXPECT_EQ(r.lblHarmony->text(), QString::number(d2 * 30));
        EXPECT_EQ(r.lblPH->text(), QString::number(9 * d1 * d2));
        EXPECT_EQ(r.lblPercentage->text(), QString::number(9 * d1 * d2 / 100));
    }
}

TEST_F(AstroWindows, TheNatalWindowShowsEveryRowInItsPlace)
{
    frmReport& r = calculate(Asha, Ben);
    EXPECT_EQ(r.Caption(), QStringLiteral("Vorlaine Astro Compatibility Test Software v2.0"));
    const char* const rows[] = {"Sun",     "Moon",  "Mercury", "Venus",  "Mars",   "Jupiter", "Saturn",
                                "Uranus",  "Neptune", "Pluto", "N Node", "S Node", "Asc",     "MC"};
    for (std::size_t i = 0; i < frmReport::PositionCount; ++i) {
        EXPECT_EQ(captionOf(r.lblPlanetPosition_Male[i]), QString::fromLatin1(rows[i])) << i;
        EXPECT_EQ(captionOf(r.lblPlanetPosition_Female[i]), QString::fromLatin1(rows[i])) << i;
        EXPECT_EQ(r.lblPlanetPosition_Male[i]->parentWidget(), r.fraNatalMale);
        EXPECT_EQ(r.lblPlanetPosition_Female[i]->parentWidget(), r.fraNatalFemale);
    }
    EXPECT_EQ(captionOf(r.mMC), QStringLiteral("MC"));
    EXPECT_EQ(captionOf(r.fC), QStringLiteral("Chiron"));
    // The first column runs Sun to Uranus, the second Neptune to Chiron.
    EXPECT_LT(r.lblPlanetPosition_Male[7]->x(), r.lblPlanetPosition_Male[8]->x());
    EXPECT_EQ(r.lblPlanetPosition_Male[8]->y(), r.lblPlanetPosition_Male[0]->y());
    EXPECT_EQ(r.mC->y(), r.lblPlanetPosition_Male[7]->y());

    // The persons as entered, names with their blanks.
    EXPECT_EQ(r.mName->text(), QStringLiteral(" Asha Rao "));
    EXPECT_EQ(r.mDOB->text(), QStringLiteral("February 14, 1985"));
    EXPECT_EQ(r.mCity->text(), QStringLiteral("Mumbai"));
    EXPECT_EQ(r.mState->text(), QStringLiteral("Maharashtra"));
    EXPECT_EQ(r.Mcountry->text(), QStringLiteral("India"));
    EXPECT_EQ(r.fName->text(), QStringLiteral("Ben"));
    EXPECT_EQ(r.fDOB->text(), QStringLiteral("November 3, 1982"));
    EXPECT_EQ(r.fCity->text(), QStringLiteral("Saint Johns"));
    EXPECT_EQ(r.fState->text(), QStringLiteral("Newfoundland"));
    EXPECT_EQ(r.fCountry->text(), QStringLiteral("Canada"));
    EXPECT_EQ(captionOf(r.mDOB), QStringLiteral("Date of Birth:"));
    EXPECT_EQ(captionOf(r.fCountry), QStringLiteral("Country:"));

    EXPECT_EQ(r.fraCompatibility->title(), QStringLiteral("Compatibility:"));
    EXPECT_EQ(r.fraReport->title(), QStringLiteral("Compatibility Report:"));
    EXPECT_EQ(r.lblIntroduction->text(),
              QStringLiteral("The result generated by Vorlaine Free Astro Compatibility Test Software for the input "
                             "set of data is displayed as below:"));
    for (int i = 0; i < 3; ++i) {
        const QLabel* p = r.lblParagraph[static_cast<std::size_t>(i)];
        EXPECT_EQ(p->text().toStdString(), astro::ExplanatoryParagraph(i));
        // Each paragraph is tall enough for its wrapped text.
        EXPECT_GE(p->height(), p->heightForWidth(p->width())) << i;
    }
    EXPECT_TRUE(r.lblCredit->text().contains(QStringLiteral("www.vorlaine.example")));

    // No title bar: the window is left by its Back button.
    EXPECT_TRUE(r.frame()->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(r.frame()->width(), r.width());
    EXPECT_EQ(r.cmdBack->text(), QStringLiteral("&Back"));
    EXPECT_TRUE(r.menus().isEmpty());
}

TEST_F(AstroWindows, ScoreRowsByTheMoonsDegrees)
{
    // Greenwich births in January 1990 whose Moon stands at the wanted degree.
    std::map<int, Birth> byDegree;
    for (int day = 1; day <= 31 && byDegree.size() < 30; ++day)
        for (int hour = 0; hour < 24; hour += 1) {
            const Birth b = greenwich(day, hour);
            byDegree.emplace(moonDegrees(b), b);
        }
    struct Row {
        int d1, d2;
        const char *power, *harmony, *ph, *percentage, *verdict;
    };
    const Row rows[] = {
        {0, 0, "0", "0", "0", "0", "Very Bad"},
        {29, 29, "870", "870", "7569", "75", "Good"},
        {10, 23, "300", "690", "2070", "20", "Very Bad"},
        {9, 26, "270", "780", "2106", "21", "Bad"},
        {26, 9, "780", "270", "2106", "21", "Bad"},
        {20, 26, "600", "780", "4680", "46", "Average"},
    };
    for (const Row& row : rows) {
        ASSERT_TRUE(byDegree.count(row.d1) && byDegree.count(row.d2));
        Birth male = byDegree.at(row.d1);
        Birth female = byDegree.at(row.d2);
        female.name = QStringLiteral("Eve");
        frmReport& r = calculate(male, female);
        const std::string at = std::to_string(row.d1) + "/" + std::to_string(row.d2);
        ASSERT_EQ(r.lblPlanetPosition_Male[1]->text().left(2).toInt(), row.d1) << at;
        ASSERT_EQ(r.lblPlanetPosition_Female[1]->text().left(2).toInt(), row.d2) << at;
        EXPECT_EQ(r.lblPower->text(), QString::fromLatin1(row.power)) << at;
        EXPECT_EQ(r.lblHarmony->text(), QString::fromLatin1(row.harmony)) << at;
        EXPECT_EQ(r.lblPH->text(), QString::fromLatin1(row.ph)) << at;
        EXPECT_EQ(r.lblPercentage->text(), QString::fromLatin1(row.percentage)) << at;
        EXPECT_EQ(r.lblComment->text(), QString::fromLatin1(row.verdict)) << at;
    }
}

TEST_F(AstroWindows, BackLeavesTheNatalWindowForTheWelcomePanel)
{
    frmReport& r = calculate(Asha, Ben);
    ASSERT_FALSE(WelcomePanelVisible());
    QTest::mouseClick(r.cmdBack, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_FALSE(forms::isLoaded<frmReport>());
    EXPECT_TRUE(WelcomePanelVisible());
    EXPECT_TRUE(mdi().picMain->isVisible());
    EXPECT_EQ(exitCalls, 0);

    // Alt+B does the same.
    frmReport& again = calculate(Cleo, Ben);
    again.cmdBack->setFocus();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::keyClick(again.cmdBack, Qt::Key_B, Qt::AltModifier);
    // A mnemonic presses the button and lets it go a moment later.
    EXPECT_TRUE(QTest::qWaitFor([] { return !forms::isLoaded<frmReport>(); }));
    EXPECT_TRUE(WelcomePanelVisible());
}

TEST_F(AstroWindows, TheLaunchersStillUnloadTheNatalWindow)
{
    calculate(Asha, Ben);
    QTest::mouseClick(mdi().cmdCallMainForm[5], Qt::LeftButton);
    EXPECT_FALSE(forms::isLoaded<frmReport>());
    EXPECT_FALSE(WelcomePanelVisible());
    calculate(Asha, Ben);
    QTest::mouseClick(mdi().cmdCallMainForm[0], Qt::LeftButton);
    EXPECT_FALSE(forms::isLoaded<frmReport>());
    ASSERT_TRUE(forms::isLoaded<frmMatch>());
    EXPECT_TRUE(forms::get<frmMatch>().txtMName->text().isEmpty());
}

TEST_F(AstroWindows, ExitButtonAndCloseBoxUnloadTheInputWindow)
{
    frmMatch& w = launch();
    QTest::mouseClick(w.cmdNav[1], Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_FALSE(forms::isLoaded<frmMatch>());
    EXPECT_TRUE(WelcomePanelVisible());

    frmMatch& again = launch();
    ASSERT_FALSE(WelcomePanelVisible());
    again.frame()->close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(forms::isLoaded<frmMatch>());
    EXPECT_TRUE(WelcomePanelVisible());
    EXPECT_EQ(exitCalls, 0);
}

TEST_F(AstroWindows, LongNamesAndPlacesAreShortenedWithTheWholeTextInATip)
{
    Birth longNames = Asha;
    longNames.name = QStringLiteral("Alexandra Catherine Montgomery Featherstonehaugh");
    longNames.city = QStringLiteral("Llanfairpwllgwyngyll Gogerychwyrndrobwll");
    frmReport& r = calculate(longNames, Ben);
    QCoreApplication::processEvents();
    for (ElidingLabel* l : {r.mName, r.mCity}) {
        // The label keeps the whole text, draws what fits and tips the rest.
        EXPECT_TRUE(l->Shortened()) << l->text().toStdString();
        EXPECT_TRUE(l->ShownText().endsWith(QChar(0x2026)));
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->ShownText()), l->contentsRect().width());
        EXPECT_EQ(l->toolTip(), l->text());
    }
    EXPECT_EQ(r.mName->text(), longNames.name);
    EXPECT_EQ(r.mCity->text(), longNames.city);
    // Short values are drawn whole, with no tip.
    EXPECT_FALSE(r.fName->Shortened());
    EXPECT_TRUE(r.fName->toolTip().isEmpty());
}

TEST_F(AstroWindows, OnScreenTheNatalWindowScrollsToItsBackButtonAndCredit)
{
    using namespace screenchecks;
    expectNamedScreen();
    MainWindowShown shown(desk);
    frmReport& r = calculate(Asha, Ben);
    expectMainWindowFits("natal-positions window");
    ASSERT_FALSE(whole(r.cmdBack)) << "the window runs past the bottom of the document area";
    EXPECT_TRUE(mdi().area->verticalScrollBar()->isVisible());

    mdi().showNormal();
    expectMainWindowFits("natal-positions window, main window restored");
    mdi().showMaximized();
    expectMainWindowFits("natal-positions window, main window maximised");

    ASSERT_TRUE(wheelUntilWhole(r.cmdBack));
    EXPECT_TRUE(whole(r.lblCredit));
    realClick(r.cmdBack);
    EXPECT_FALSE(forms::isLoaded<frmReport>());
    EXPECT_TRUE(WelcomePanelVisible());
    expectMainWindowFits("back at the welcome panel");
}
