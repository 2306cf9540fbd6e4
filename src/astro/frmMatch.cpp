#include "frmMatch.h"

#include "frmReport.h"
#include "modMatch.h"

#include "ClickLabel.h"
#include "DateEntry.h"
#include "DateLists.h"
#include "Desktop.h"
#include "Engine.h"
#include "Forms.h"
#include "HelpMenu.h"
#include "KeyFilter.h"
#include "LatLongLookup.h"
#include "MDI.h"
#include "TwipsLayout.h"
#include "modHelp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>

#include <QPushButton>
#include <QRadioButton>

#include <cstdlib>
#include <stdexcept>
#include <string>

using namespace platform;

namespace {

const QString Style = QStringLiteral(
    "frmMatch { background: #fdf3e7; }"
    "QWidget { font-family: Verdana; font-size: 8pt; }"
    "QGroupBox { font-weight: bold; color: #7a1f3d; border: 1px solid #d9b38c; border-radius: 4px;"
    " margin-top: 9px; background: #fffaf3; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }"
    "QComboBox { combobox-popup: 0; }"
    "QGroupBox QLabel, QGroupBox QCheckBox, QGroupBox QRadioButton { font-weight: normal; color: #3b2a2a; }"
    "QLabel#Label1 { font-size: 14pt; font-weight: bold; color: #7a1f3d; }"
    "QLabel#Label61 { color: #0000cc; text-decoration: underline; }"
    "QLabel#Label7 { color: #3b2a2a; }"
    "QPushButton#cmdCalculate { font-size: 9pt; font-weight: bold; color: white; background: #b0305a;"
    " border-radius: 4px; padding: 4px; }"
    "QPushButton#cmdCalculate:hover { background: #c9436d; }"
    "QWidget#fraNav { background: #7a1f3d; }");

QLabel* caption(const QString& text, QWidget* parent, double left, double top, double width)
{
    auto* l = new QLabel(text, parent);
    placeTwips(l, left, top, width, 300);
    return l;
}

int number(const QString& text)
{
    return text.toInt();
}

engine::Int16 flag(bool on)
{
    return on ? engine::Int16(-1) : engine::Int16(0);
}

} // namespace

frmMatch::frmMatch() : InputWindow(FormName)
{
    setCaption(QStringLiteral("Vorlaine Astro Compatibility Test Software"));
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(Style);
    // A fixed border without a maximize button.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(frame()))
        sub->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    QWidget* body = this;

    QMenu* file = addMenu(QStringLiteral("&File"));
    mnuCalculate = file->addAction(QStringLiteral("&Analyze Compatibility"));
    file->addSeparator();
    mnuExit = file->addAction(QStringLiteral("&Exit"));
    AddHelpMenu(this);
    connect(mnuCalculate, &QAction::triggered, this, [this] { mnuCalculate_Click(); });
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });

    Label1 = new QLabel(QStringLiteral("Vorlaine Astro Compatibility Test Software"), body);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    placeTwips(Label1, 120, 100, 11160, 420);
    Label61 = NewLinkLabel(QStringLiteral("Free love tests, horoscopes and astrology readings every day at ")
                               + platform::SiteHostName,
                           body, Qt::AlignCenter);
    Label61->setObjectName(QStringLiteral("Label61"));
    placeTwips(Label61, 120, 540, 11160, 270);
    connect(Label61, &ClickLabel::clicked, this, [this] { Label61_Click(); });

    male_ = buildPerson(body, QStringLiteral("Male"), 120);
    female_ = buildPerson(body, QStringLiteral("Female"), 5760);
    fraMale = male_.frame;
    txtMName = male_.name;
    cboMDate = male_.date;
    cboMMonth = male_.month;
    cboMYear = male_.year;
    cboMHH = male_.hour;
    cboMMM = male_.minute;
    cboMSS = male_.second;
    chkMDST = male_.dst;
    cmbMTimeZone = male_.zone;
    txtMLD = male_.latDegrees;
    txtMLM = male_.latMinutes;
    optMLong = male_.latDirection;
    txtMLoD = male_.lonDegrees;
    txtMLoM = male_.lonMinutes;
    optMLat = male_.lonDirection;
    txtMCity = male_.city;
    txtMState = male_.state;
    txtMCountry = male_.country;
    Command1 = male_.search;
    fraFemale = female_.frame;
    txtFName = female_.name;
    cboFDate = female_.date;
    cboFMonth = female_.month;
    cboFYear = female_.year;
    cboFHH = female_.hour;
    cboFMM = female_.minute;
    cboFSS = female_.second;
    chkFDST = female_.dst;
    cmbFTimeZone = female_.zone;
    txtFLD = female_.latDegrees;
    txtFLM = female_.latMinutes;
    optFLong = female_.latDirection;
    txtFLoD = female_.lonDegrees;
    txtFLoM = female_.lonMinutes;
    optFLat = female_.lonDirection;
    txtFCity = female_.city;
    txtFState = female_.state;
    txtFCountry = female_.country;
    Command2 = female_.search;
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });

    Label7 = new QLabel(QStringLiteral("Enter your City, State & Country. Now click \"Click here to find Latitude & "
                                       "Longitude\" to look them up on a map, or find the latitude and longitude "
                                       "of the place with any web search engine."),
                        body);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setWordWrap(true);
    placeTwips(Label7, 120, 5780, 7400, 640);
    cmdCalculate = new QPushButton(QStringLiteral("Analyze Compatibility"), body);
    cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    placeTwips(cmdCalculate, 7760, 5820, 3520, 520);
    connect(cmdCalculate, &QPushButton::clicked, this, [this] { cmdCalculate_Click(); });

    auto* nav = new QWidget(body);
    nav->setObjectName(QStringLiteral("fraNav"));
    nav->setAttribute(Qt::WA_StyledBackground, true);
    placeTwips(nav, 0, 6540, 11400, 600);
    cmdNav[1] = new QPushButton(QStringLiteral("Exit"), nav);
    placeTwips(cmdNav[1], 120, 90, 1300, 420);
    connect(cmdNav[1], &QPushButton::clicked, this, [this] { cmdNav_Click(1); });

    // Keyboard order: each person's entries, the first person first, then the
    // button; the other controls follow.
    QList<QWidget*> order;
    for (const Person* p : {&male_, &female_})
        order << p->name << p->date << p->month << p->year << p->hour << p->minute << p->second << p->latDegrees
              << p->latMinutes << p->lonDegrees << p->lonMinutes << p->city << p->state << p->country;
    order << cmdCalculate;
    for (const Person* p : {&male_, &female_})
        order << p->dst << p->zone << p->latDirection[0] << p->latDirection[1] << p->lonDirection[0]
              << p->lonDirection[1] << p->search;
    order << cmdNav[1];
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

    // The key filters. Ctrl with a letter types its control code, refused
    // like any other; a paste by Shift+Insert or the context menu still gets
    // in, so the checks look at the coordinate boxes again.
    for (const Person* p : {&male_, &female_}) {
        for (QLineEdit* box : {p->name, p->city, p->state, p->country})
            keyfilter::install(box, keyfilter::Accepts::Letters, [this](QLineEdit* b) { LetterBox_Refused(b); });
        for (QLineEdit* box : {p->latDegrees, p->latMinutes, p->lonDegrees, p->lonMinutes}) {
            box->setMaxLength(3);
            keyfilter::install(box, keyfilter::Accepts::Digits, [this](QLineEdit* b) { DigitBox_Refused(b); });
        }
    }

    setClientSizeTwips(11400, 7140);
    if (QWidget* sub = frame(); sub != this)
        sub->setFixedSize(sub->size());
}

frmMatch::Person frmMatch::buildPerson(QWidget* body, const QString& title, double left)
{
    Person p{};
    p.frame = new QGroupBox(title, body);
    QGroupBox* f = p.frame;
    placeTwips(f, left, 900, 5520, 4800);
    constexpr double Col = 1500;

    caption(QStringLiteral("Name:"), f, 150, 360, 1300);
    p.name = new QLineEdit(f);
    placeTwips(p.name, Col, 330, 3870, 330);

    caption(QStringLiteral("Date of Birth:"), f, 150, 780, 1350);
    p.date = new QComboBox(f);
    placeTwips(p.date, Col, 750, 700, 330);
    p.month = new QComboBox(f);
    placeTwips(p.month, Col + 760, 750, 1750, 330);
    p.year = new QComboBox(f);
    placeTwips(p.year, Col + 2570, 750, 1300, 330);

    caption(QStringLiteral("Time Of Birth:"), f, 150, 1200, 1350);
    caption(QStringLiteral("HH/MM/SS"), f, Col, 1200, 960);
    p.hour = new QComboBox(f);
    placeTwips(p.hour, Col + 1000, 1170, 900, 330);
    p.minute = new QComboBox(f);
    placeTwips(p.minute, Col + 1985, 1170, 900, 330);
    p.second = new QComboBox(f);
    placeTwips(p.second, Col + 2970, 1170, 900, 330);

    caption(QStringLiteral("Time Zone:"), f, 150, 1620, 1350);
    p.dst = new QCheckBox(QStringLiteral("Daylight Saving Time"), f);
    placeTwips(p.dst, Col, 1600, 3870, 330);
    p.zone = new QComboBox(f);
    placeTwips(p.zone, 150, 1980, 5220, 330);

    // Degrees, the direction pair (one over the other), minutes.
    auto coordinate = [&](const QString& text, double top, const QString& first, const QString& second,
                          QLineEdit*& degrees, std::array<QRadioButton*, 2>& direction, QLineEdit*& minutes) {
        caption(text, f, 150, top + 90, 1300);
        degrees = new QLineEdit(f);
        placeTwips(degrees, Col, top + 60, 600, 330);
        // Each pair sits in its own holder so it is exclusive on its own.
        auto* pair = new QWidget(f);
        placeTwips(pair, Col + 660, top - 20, 1080, 500);
        direction[0] = new QRadioButton(first, pair);
        placeTwips(direction[0], 0, 0, 1080, 250);
        direction[1] = new QRadioButton(second, pair);
        placeTwips(direction[1], 0, 250, 1080, 250);
        direction[0]->setChecked(true);
        minutes = new QLineEdit(f);
        placeTwips(minutes, Col + 1800, top + 60, 600, 330);
        caption(QStringLiteral("DEG/MIN"), f, Col + 2480, top + 90, 900);
    };
    coordinate(QStringLiteral("Latitude:"), 2440, QStringLiteral("North"), QStringLiteral("South"), p.latDegrees,
               p.latDirection, p.latMinutes);
    coordinate(QStringLiteral("Longitude:"), 3000, QStringLiteral("East"), QStringLiteral("West"), p.lonDegrees,
               p.lonDirection, p.lonMinutes);

    const struct {
        const char* text;
        QLineEdit** box;
    } place[] = {{"City:", &p.city}, {"State:", &p.state}, {"Country:", &p.country}};
    double y = 3580;
    for (const auto& row : place) {
        caption(QString::fromLatin1(row.text), f, 150, y + 30, 1300);
        *row.box = new QLineEdit(f);
        placeTwips(*row.box, Col, y, 1620, 330);
        y += 390;
    }
    p.search = new QPushButton(QStringLiteral("Click here to find\nLatitude && Longitude"), f);
    placeTwips(p.search, Col + 1680, 3580, 2190, 1110);

    for (QComboBox* c : {p.date, p.month, p.year, p.hour, p.minute, p.second, p.zone})
        c->setMaxVisibleItems(12);
    return p;
}

void frmMatch::Form_Load()
{
    // The planetary test asks about updates every time it starts, before
    // anything else happens.
    CheckUpdateReminder();
    InputWindow::Form_Load();
    for (const Person* p : {&male_, &female_}) {
        FillNumberList(p->date, 1, 31);
        FillMonthList(p->month);
        FillNumberList(p->year, 1901, 2050);
        FillNumberList(p->hour, 0, 23);
        FillNumberList(p->minute, 0, 59);
        FillNumberList(p->second, 0, 59);
    }
    modMatch::LoadTimeZoneTable();
    const auto& zones = modMatch::state();
    for (int i = 0; i <= 70; ++i) {
        const QString row = QString::fromStdString(zones.TimeZoneName[static_cast<std::size_t>(i)]);
        cmbMTimeZone->addItem(row);
        cmbFTimeZone->addItem(row);
    }
    for (QComboBox* c : {cboMDate, cboMMonth, cboMYear, cboFDate, cboFMonth, cboFYear, cboMHH, cboMMM, cboMSS,
                         cboFHH, cboFMM, cboFSS, cmbMTimeZone, cmbFTimeZone})
        c->setCurrentIndex(0);
    txtMName->setFocus();
}

void frmMatch::LetterBox_Refused(QLineEdit* box)
{
    desktop().MsgBox(QStringLiteral("Please enter only letters"), MsgButtons::OK, MsgIcon::Critical);
    box->setFocus();
}

void frmMatch::DigitBox_Refused(QLineEdit* /*box*/)
{
    desktop().MsgBox(QStringLiteral("Please enter only numbers"), MsgButtons::OK, MsgIcon::Critical);
}

bool frmMatch::validatePerson(const Person& p, bool first)
{
    // A coordinate box must hold digits only: pasted text can get past the
    // key filter, and the calculation reads the boxes as numbers.
    enum Content { Filled, Digits };
    const struct {
        QLineEdit* box;
        const char* message;
        Content need;
    } checks[] = {
        {p.name, first ? "Please Enter Male Name" : "Please Enter Female Name", Filled},
        {p.latDegrees, "Please Enter Degree in Latitude", Digits},
        {p.latMinutes, "Please Enter Minutes in Latitude", Digits},
        {p.lonDegrees, "Please Enter Degree in Longitude", Digits},
        {p.lonMinutes, first ? "Please Enter Minute in Longitude" : "Please Enter Minutes in Longitude", Digits},
        {p.city, "Please Enter City", Filled},
        {p.state, "Please Enter State", Filled},
        {p.country, "Please Enter Country", Filled},
    };
    for (const auto& c : checks) {
        const bool ok = c.need == Filled ? !c.box->text().isEmpty() : modMatch::IsDigits(c.box->text().toStdString());
        if (!ok) {
            desktop().MsgBox(QString::fromLatin1(c.message), MsgButtons::OK, MsgIcon::Critical);
            c.box->setFocus();
            return false;
        }
    }
    const struct {
        const std::array<QRadioButton*, 2>& pair;
        const char* message;
    } directions[] = {{p.latDirection, "Please Select Direction For The Latitude"},
                      {p.lonDirection, "Please Select Direction For The Longitude"}};
    for (const auto& d : directions) {
        if (!d.pair[0]->isChecked() && !d.pair[1]->isChecked()) {
            desktop().MsgBox(QString::fromLatin1(d.message), MsgButtons::OK, MsgIcon::Critical);
            d.pair[0]->setChecked(true);
            return false;
        }
    }
    return true;
}

bool frmMatch::validateDate(const Person& p, bool first)
{
    return DateListsAccepted(p.month, p.date, p.year,
                             first ? QStringLiteral("Please Enter Your Correct Date Or Month")
                                   : QStringLiteral("Please Enter Your Partner's Correct Date Or Month"));
}

bool frmMatch::ValidateMatchInput()
{
    return validatePerson(male_, true) && validatePerson(female_, false) && validateDate(male_, true) &&
           validateDate(female_, false);
}

void frmMatch::chart(const Person& p, bool first)
{
    auto& planets = engine::modPlanetPosition_Western();
    const auto& zones = modMatch::state();
    const auto row = static_cast<std::size_t>(p.zone->currentIndex());
    const int zoneHours = std::stoi(zones.TimeZoneHours.at(row));
    const int zoneMinutes = std::stoi(zones.TimeZoneMinutes.at(row));

    engine::BirthRecord& b = planets.BirthData;
    b.Month = static_cast<engine::Int16>(p.month->currentIndex() + 1);
    b.Day = static_cast<engine::Int16>(number(p.date->currentText()));
    b.Year = static_cast<engine::Int16>(number(p.year->currentText()));
    b.Hour = static_cast<engine::Int16>(number(p.hour->currentText()));
    b.Minute = static_cast<engine::Int16>(number(p.minute->currentText()));
    b.ZoneHours = static_cast<engine::Int16>(std::abs(zoneHours));
    b.ZoneMinutes = static_cast<engine::Int16>(std::abs(zoneMinutes));
    b.LongitudeDegrees = static_cast<engine::Int16>(number(p.lonDegrees->text()));
    b.LongitudeMinutes = static_cast<engine::Int16>(number(p.lonMinutes->text()));
    b.LatitudeDegrees = static_cast<engine::Int16>(number(p.latDegrees->text()));
    b.LatitudeMinutes = static_cast<engine::Int16>(number(p.latMinutes->text()));
    b.IsEast = flag(p.lonDirection[0]->isChecked());
    b.IsSouth = flag(p.latDirection[1]->isChecked());
    b.IsDaylightSaving = flag(p.dst->isChecked());
    planets.ZoneHoursValue = zoneHours;
    planets.ZoneMinutesValue = zoneMinutes;

    planets.CalculateAscendant();
    engine::modEphemeris_Western().CalculateMoonAndDasha();
    engine::Int16 person = flag(first);
    planets.CalculatePlanetPositions(person);
}

void frmMatch::cmdCalculate_Click()
{
    modMatch::MoonScore score;
    try {
        if (!ValidateMatchInput())
            return;
        modMatch::LoadTimeZoneTable();
        chart(male_, true);
        chart(female_, false);
        const auto& planets = engine::modPlanetPosition_Western();
        score = modMatch::ScoreMoons(modMatch::MoonDegrees(planets.MalePositions[1]),
                                     modMatch::MoonDegrees(planets.FemalePositions[1]));
    } catch (const std::exception&) {
        // The engine could not chart these entries: stay on the input window.
        return;
    }

    const auto& planets = engine::modPlanetPosition_Western();
    // Loading the natal-positions window copies the names, dates and places
    // from this window, so it comes before this window goes.
    frmReport& report = forms::get<frmReport>();
    report.Show();
    for (std::size_t i = 0; i < frmReport::PositionCount; ++i) {
        report.lblPlanetPosition_Male[i]->setText(QString::fromStdString(planets.MalePositions[i]));
        report.lblPlanetPosition_Female[i]->setText(QString::fromStdString(planets.FemalePositions[i]));
    }
    report.lblPower->setText(QString::number(score.Power));
    report.lblHarmony->setText(QString::number(score.Harmony));
    report.lblPH->setText(QString::number(score.PH));
    report.lblPercentage->setText(QString::number(score.Percentage));
    report.lblComment->setText(QString::fromStdString(score.Verdict));
    Unload();
    mdi().show();
    HideWelcomePanel();
}

void frmMatch::mnuCalculate_Click()
{
    cmdCalculate_Click();
}

void frmMatch::Command1_Click()
{
    SearchPlaceCoordinates(txtMCity, txtMState, txtMCountry, PageAddress(QStringLiteral("home-page")));
}

void frmMatch::Command2_Click()
{
    SearchPlaceCoordinates(txtFCity, txtFState, txtFCountry, PageAddress(QStringLiteral("home-page")));
}

void frmMatch::cmdNav_Click(int /*Index*/)
{
    Unload();
}

void frmMatch::mnuExit_Click()
{
    Unload();
}

void frmMatch::Label61_Click()
{
    OpenHomePage();
}

void frmMatch::mnuOnline_Click()
{
    OpenHelpPage();
}

void frmMatch::mnuVisit_Click()
{
    OpenHomePage();
}

void frmMatch::mnuUpdate_Click()
{
    OpenUpdatePage();
}

void frmMatch::mnuAbout_Click()
{
    ShowAboutBox();
}
