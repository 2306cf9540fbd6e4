#include "frmMainMoonSigncompatibility.h"

#include "frmMoonSign.h"
#include "MoonSignRules.h"

#include "ClickLabel.h"
#include "DateEntry.h"
#include "DateLists.h"
#include "Desktop.h"
#include "Engine.h"
#include "Forms.h"
#include "HelpMenu.h"
#include "IgnoringErrors.h"
#include "LatLongLookup.h"
#include "TextBox.h"
#include "TimeZoneTable.h"
#include "TwipsLayout.h"
#include "modHelp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <cstdlib>

using namespace platform;

namespace {

const QString Style = QStringLiteral(
    "frmMainMoonSigncompatibility { background: #eef0fa; }"
    "QWidget { font-family: Verdana; font-size: 9pt; }"
    "QGroupBox { border: 1px solid #a9b0d6; border-radius: 4px; margin-top: 8px; background: #f8f9ff; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; color: #2c3470; font-weight: bold; }"
    "QGroupBox#fraMPerson, QGroupBox#fraFPerson { margin-top: 0px; background: #ffffff; }"
    "QLabel { color: #24283f; }"
    "QLabel#lblHeading { font-size: 14pt; font-weight: bold; color: #2c3470; }"
    "QLabel#Label61 { color: #0000cc; text-decoration: underline; }"
    "QPushButton#cmdRashi { font-weight: bold; color: white; background: #3b4aa0; border-radius: 4px; padding: 4px; }"
    "QPushButton#cmdRashi:hover { background: #5060bb; }");

// A push button whose caption wraps over several lines, so the long search
// caption fits beside the place boxes as it stands.
class WrappingButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter p(this);
        QStyleOptionButton opt;
        initStyleOption(&opt);
        const QString caption = opt.text;
        opt.text.clear();
        p.drawControl(QStyle::CE_PushButton, opt);
        p.drawItemText(rect().adjusted(6, 3, -6, -3), Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                       palette(), isEnabled(), caption, QPalette::ButtonText);
    }
};

// The lists the moon-sign engine reads the date and time from. Reading them
// loads the window when it is not loaded.
class WindowLists final : public engine::MoonSignWindowLists {
public:
    std::string cboMMonth() override { return text(&frmMainMoonSigncompatibility::cboMMonth); }
    std::string cboMDate() override { return text(&frmMainMoonSigncompatibility::cboMDate); }
    std::string cboMYear() override { return text(&frmMainMoonSigncompatibility::cboMYear); }
    std::string cboMHH() override { return text(&frmMainMoonSigncompatibility::cboMHH); }
    std::string cboMMM() override { return text(&frmMainMoonSigncompatibility::cboMMM); }
    std::string cboFMonth() override { return text(&frmMainMoonSigncompatibility::cboFMonth); }
    std::string cboFDate() override { return text(&frmMainMoonSigncompatibility::cboFDate); }
    std::string cboFYear() override { return text(&frmMainMoonSigncompatibility::cboFYear); }
    std::string cboFHH() override { return text(&frmMainMoonSigncompatibility::cboFHH); }
    std::string cboFMM() override { return text(&frmMainMoonSigncompatibility::cboFMM); }

private:
    static std::string text(QComboBox* frmMainMoonSigncompatibility::*list)
    {
        return (forms::get<frmMainMoonSigncompatibility>().*list)->currentText().toStdString();
    }
};

engine::Int16 whole(const QString& text)
{
    return moonsign::WholeNumber(text.toStdString());
}

QString wholeText(const QString& text)
{
    return QString::number(whole(text));
}

} // namespace

frmMainMoonSigncompatibility::frmMainMoonSigncompatibility() : InputWindow(FormName)
{
    static WindowLists lists;
    engine::modWesternPlanetPosition().setWindowLists(&lists);

    setCaption(QStringLiteral("Vorlaine Moon Sign Compatibility"));
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(Style);

    QMenu* file = addMenu(QStringLiteral("&File"));
    mnuNext = file->addAction(QStringLiteral("Get &Moon Sign Compatibility"));
    mnuExit = file->addAction(QStringLiteral("E&xit"));
    AddHelpMenu(this);
    connect(mnuNext, &QAction::triggered, this, [this] { mnuNext_Click(); });
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });

    Label61 = NewLinkLabel(
        QStringLiteral("Find more free love tests and astrology readings at ") + platform::SiteHostName, this,
        Qt::AlignCenter);
    Label61->setObjectName(QStringLiteral("Label61"));
    placeTwips(Label61, 120, 60, 10680, 300);
    connect(Label61, &ClickLabel::clicked, this, [this] { Label61_Click(); });

    lblHeading = new QLabel(QStringLiteral("Vorlaine Moon Sign Compatibility"), this);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    lblHeading->setAlignment(Qt::AlignCenter);
    placeTwips(lblHeading, 120, 420, 10680, 450);

    personM_ = {&fraMPerson,    &txtMName, &cboMMonth, &cboMDate,     &cboMYear, &cboMHH,
                &cboMMM,        &cboMSS,   &fraMZone,  &chkMDST,      &cmbMTimeZone,
                &fraMLongitude, &txtMLonD, &txtMLonM,  optMLong,      &fraMLatitude,
                &txtMLatD,      &txtMLatM, optMLat,    &txtMCity,     &txtMState,
                &txtMCountry,   &cmdMBrowser};
    personF_ = {&fraFPerson,    &txtFName, &cboFMonth, &cboFDate,     &cboFYear, &cboFHH,
                &cboFMM,        &cboFSS,   &fraFZone,  &chkFDST,      &cmbFTimeZone,
                &fraFLongitude, &txtFLonD, &txtFLonM,  optFLong,      &fraFLatitude,
                &txtFLatD,      &txtFLatM, optFLat,    &txtFCity,     &txtFState,
                &txtFCountry,   &cmdFBrowser};
    buildPanel(personM_, 120);
    buildPanel(personF_, 5520);
    fraMPerson->setObjectName(QStringLiteral("fraMPerson"));
    fraFPerson->setObjectName(QStringLiteral("fraFPerson"));
    connect(cmdMBrowser, &QPushButton::clicked, this, [this] { cmdMBrowser_Click(); });
    connect(cmdFBrowser, &QPushButton::clicked, this, [this] { cmdFBrowser_Click(); });

    cmdRashi = new QPushButton(QStringLiteral("Get &Moon Sign Compatibility"), this);
    cmdRashi->setObjectName(QStringLiteral("cmdRashi"));
    placeTwips(cmdRashi, 120, 6480, 10680, 480);
    connect(cmdRashi, &QPushButton::clicked, this, [this] { cmdRashi_Click(); });

    // Tab runs down the first person's panel, then the partner's, then the button.
    QWidget* order[] = {txtMName,    cboMMonth,    cboMDate,    cboMYear,    cboMHH,      cboMMM,
                        cboMSS,      chkMDST,      cmbMTimeZone, txtMLonD,   txtMLonM,    optMLong[0],
                        optMLong[1], txtMLatD,     txtMLatM,    optMLat[0],  optMLat[1],  txtMCity,
                        txtMState,   txtMCountry,  cmdMBrowser,
                        txtFName,    cboFMonth,    cboFDate,    cboFYear,    cboFHH,      cboFMM,
                        cboFSS,      chkFDST,      cmbFTimeZone, txtFLonD,   txtFLonM,    optFLong[0],
                        optFLong[1], txtFLatD,     txtFLatM,    optFLat[0],  optFLat[1],  txtFCity,
                        txtFState,   txtFCountry,  cmdFBrowser,
                        cmdRashi};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    setClientSizeTwips(10920, 7080);
}

void frmMainMoonSigncompatibility::buildPanel(const Person& p, double left)
{
    auto* panel = new QGroupBox(this);
    *p.panel = panel;
    placeTwips(panel, left, 960, 5280, 5420);

    auto label = [](const QString& text, QWidget* parent, double x, double y, double w) {
        auto* l = new QLabel(text, parent);
        placeTwips(l, x, y, w, 300);
        return l;
    };
    auto list = [](QWidget* parent, double x, double y, double w) {
        auto* c = new QComboBox(parent);
        c->setMaxVisibleItems(15);
        placeTwips(c, x, y, w, 330);
        return c;
    };
    auto box = [](QWidget* parent, double x, double y, double w, int maxLength) {
        auto* b = new QLineEdit(parent);
        if (maxLength > 0)
            b->setMaxLength(maxLength);
        placeTwips(b, x, y, w, 330);
        return b;
    };

    label(QStringLiteral("Name"), panel, 150, 250, 1250);
    *p.name = box(panel, 1450, 220, 3680, 0);

    label(QStringLiteral("Date of Birth"), panel, 150, 690, 1250);
    *p.month = list(panel, 1450, 660, 1560);
    *p.day = list(panel, 3090, 660, 800);
    *p.year = list(panel, 3970, 660, 1080);

    label(QStringLiteral("Time of Birth"), panel, 150, 1130, 1250);
    *p.hour = list(panel, 1450, 1100, 760);
    *p.minute = list(panel, 2290, 1100, 760);
    *p.second = list(panel, 3130, 1100, 760);
    label(QStringLiteral("HH:MM:SS"), panel, 3970, 1130, 1160);

    auto* zone = new QGroupBox(QStringLiteral("Zone"), panel);
    *p.zoneFrame = zone;
    placeTwips(zone, 150, 1500, 4980, 1080);
    *p.dst = new QCheckBox(QStringLiteral("Daylight Saving Time"), zone);
    placeTwips(*p.dst, 150, 300, 3200, 300);
    *p.zone = list(zone, 150, 650, 4680);

    auto coordinate = [&](const QString& title, double x, QGroupBox** frame, QLineEdit** degrees, int degreeLength,
                          QLineEdit** minutes, QRadioButton** options, const QString& first, const QString& second) {
        auto* f = new QGroupBox(title, panel);
        *frame = f;
        placeTwips(f, x, 2680, 2430, 1180);
        *degrees = box(f, 120, 330, 600, degreeLength);
        auto* deg = label(QStringLiteral("Deg"), f, 120, 700, 600);
        deg->setAlignment(Qt::AlignCenter);
        *minutes = box(f, 800, 330, 560, 2);
        auto* min = label(QStringLiteral("Min"), f, 800, 700, 560);
        min->setAlignment(Qt::AlignCenter);
        options[0] = new QRadioButton(first, f);
        placeTwips(options[0], 1440, 320, 950, 300);
        options[1] = new QRadioButton(second, f);
        placeTwips(options[1], 1440, 700, 950, 300);
        options[0]->setChecked(true);
    };
    coordinate(QStringLiteral("Longitude"), 150, p.longitudeFrame, p.lonD, 3, p.lonM, p.lon, QStringLiteral("East"),
               QStringLiteral("West"));
    coordinate(QStringLiteral("Latitude"), 2700, p.latitudeFrame, p.latD, 2, p.latM, p.lat, QStringLiteral("North"),
               QStringLiteral("South"));

    label(QStringLiteral("City"), panel, 150, 4010, 1000);
    *p.city = box(panel, 1150, 3980, 2280, 0);
    label(QStringLiteral("State"), panel, 150, 4450, 1000);
    *p.state = box(panel, 1150, 4420, 2280, 0);
    label(QStringLiteral("Country"), panel, 150, 4890, 1000);
    *p.country = box(panel, 1150, 4860, 2280, 0);
    *p.browser = new WrappingButton(QStringLiteral("Click Here To Find Latitude && Longitude"), panel);
    placeTwips(*p.browser, 3560, 3980, 1570, 1210);
}

void frmMainMoonSigncompatibility::fillLists(const Person& p, bool partner)
{
    FillMonthList(*p.month);
    for (int i = 0; i < timezones::RowCount; ++i) {
        const std::string row = partner ? moonsign::PartnerZoneRowText(i) : std::string(timezones::rowText(i));
        (*p.zone)->addItem(QString::fromStdString(row));
    }
    FillNumberList(*p.day, 1, 31);
    FillNumberList(*p.year, 1901, 2050);
    FillNumberList(*p.hour, 0, 23);
    FillNumberList(*p.minute, 0, 59);
    FillNumberList(*p.second, 0, 59);
    for (QComboBox* c : {*p.month, *p.day, *p.year, *p.hour, *p.minute, *p.second})
        c->setCurrentIndex(0);
    (*p.zone)->setCurrentIndex(29); // Greenwich Mean Time
}

void frmMainMoonSigncompatibility::Form_Load()
{
    InputWindow::Form_Load();
    fillLists(personM_, false);
    fillLists(personF_, true);
    txtMName->setFocus();
}

bool frmMainMoonSigncompatibility::ValidateMoonSignInput()
{
    struct Check {
        QLineEdit* box;
        double maximum; // < 0: the name check
        const char* message;
    };
    struct Block {
        Check fields[5];
        QComboBox *month, *day, *year;
        const char* dateStem;
    };
    const Block blocks[2] = {
        {{{txtMName, -1, "Please Enter Your Name"},
          {txtMLonD, 179, "Please Enter Your Value Between 0 And 179 in the Degree of Longitude"},
          {txtMLonM, 59, "Please Enter Your Value Between 0 And 59 in the  Minute of Longitude"},
          {txtMLatD, 89, "Please Enter Your Value Between 0 And 89 in the Degree of Latitude"},
          {txtMLatM, 59, "Please Enter Your Value Between 0 And 59 in the  Minute of Latitude"}},
         cboMMonth, cboMDate, cboMYear,
         "Please Enter Your Correct Date Or Month"},
        {{{txtFName, -1, "Please Enter Your Partner's Name"},
          {txtFLonD, 179, "Please Enter Your Partner's Value Between 0 And 179 in the Degree of Longitude"},
          {txtFLonM, 59, "Please Enter Your Partner's Value Between 0 And 59 in the  Minute of Longitude"},
          {txtFLatD, 89, "Please Enter Your Partner's Value Between 0 And 89 in the Degree of Latitude"},
          {txtFLatM, 59, "Please Enter Your Partner's Value Between 0 And 59 in the  Minute of Latitude"}},
         cboFMonth, cboFDate, cboFYear,
         "Please Enter Your Partner's Correct Date Or Month"},
    };
    for (const Block& b : blocks) {
        for (const Check& c : b.fields) {
            const bool ok = c.maximum < 0 ? !c.box->text().trimmed().isEmpty()
                                          : moonsign::CoordinateAccepted(c.box->text().toStdString(), c.maximum);
            if (!ok) {
                desktop().MsgBox(QString::fromUtf8(c.message), MsgButtons::OK, MsgIcon::Critical);
                c.box->setFocus();
                return false;
            }
        }
        if (!DateListsAccepted(b.month, b.day, b.year, QString::fromUtf8(b.dateStem)))
            return false;
    }
    return true;
}

void frmMainMoonSigncompatibility::zoneValues(const QComboBox* list)
{
    if (const auto entry = moonsign::ZoneValueEntry(list->currentIndex())) {
        auto& engine = engine::modWesternPlanetPosition();
        engine.ZoneHoursValue = entry->hours;
        engine.ZoneMinutesValue = entry->minutes;
    }
}

void frmMainMoonSigncompatibility::Zone_Calculation()
{
    zoneValues(cmbMTimeZone);
}

void frmMainMoonSigncompatibility::Zone_Calculation_female()
{
    zoneValues(cmbFTimeZone);
}

// Fills the engine's birth record from one person's controls and runs it.
void frmMainMoonSigncompatibility::chart(const Person& p)
{
    auto& planets = engine::modWesternPlanetPosition();
    auto& b = planets.BirthData;
    b.Month = static_cast<engine::Int16>((*p.month)->currentIndex() + 1);
    b.Day = whole((*p.day)->currentText());
    b.Year = whole((*p.year)->currentText());
    b.Hour = whole((*p.hour)->currentText());
    b.Minute = whole((*p.minute)->currentText());
    b.ZoneHours = static_cast<engine::Int16>(std::abs(planets.ZoneHoursValue));
    b.ZoneMinutes = static_cast<engine::Int16>(std::abs(planets.ZoneMinutesValue));
    b.LongitudeDegrees = whole((*p.lonD)->text());
    b.LongitudeMinutes = whole((*p.lonM)->text());
    b.LatitudeDegrees = whole((*p.latD)->text());
    b.LatitudeMinutes = whole((*p.latM)->text());
    b.IsEast = p.lon[0]->isChecked() ? -1 : 0;
    b.IsSouth = p.lat[1]->isChecked() ? -1 : 0;
    b.IsDaylightSaving = (*p.dst)->isChecked() ? -1 : 0;
    planets.CalculateAscendant();
    engine::modWesternEphemeris().CalculateMoonAndDasha();
    planets.CalculatePlanetPositions();
}

void frmMainMoonSigncompatibility::cmdRashi_Click()
{
    // Nothing below fails once the entries are valid; should the engine
    // throw all the same, the click ends there instead of leaving the handler.
    ignoringErrors([&] {
        if (!ValidateMoonSignInput())
            return;
        auto& s = moonsign::state();
        auto moonSign = [] {
            const std::string& moon = engine::modWesternPlanetPosition().PlanetPositions[1];
            return moonsign::SignNameOfCode(moonsign::SignCodeOfPosition(moon));
        };
        engine::modMoonSignWestern::IsMaleChart = -1;
        Zone_Calculation();
        chart(personM_);
        if (const auto sign = moonSign())
            s.MaleMoonSign = *sign;
        Zone_Calculation_female();
        chart(personF_);
        if (const auto sign = moonSign())
            s.FemaleMoonSign = *sign;

        const QString nameM = txtMName->text().trimmed();
        const QString dayM = wholeText(cboMDate->currentText());
        const QString yearM = wholeText(cboMYear->currentText());
        const QString monthM = cboMMonth->currentText();

        frmMoonSign& r = forms::get<frmMoonSign>();
        r.bringToFront(r.Frame2);

        r.txtUserM->setText(nameM);
        r.txtDOBM->setText(monthM + QLatin1Char(' ') + dayM + QStringLiteral(", ") + yearM);
        r.txtTOBM->setText(cboMHH->currentText() + QLatin1Char(':') + cboMMM->currentText() + QLatin1Char(':') +
                           cboMSS->currentText());
        r.txtCityM->setText(txtMCity->text());
        r.txtStateM->setText(txtMState->text());
        r.txtCountryM->setText(txtMCountry->text());
        r.txtMoonM->setText(QString::fromStdString(s.MaleMoonSign));

        const QString nameF = txtFName->text().trimmed();
        const QString dayF = wholeText(cboFDate->currentText());
        const QString yearF = wholeText(cboFYear->currentText());
        const QString monthF = cboFMonth->currentText();
        r.txtUserF->setText(nameF);
        r.txtDOBF->setText(monthF + QLatin1Char(' ') + dayF + QStringLiteral(", ") + yearF);
        r.txtTOBF->setText(cboFHH->currentText() + QLatin1Char(':') + cboFMM->currentText() + QLatin1Char(':') +
                           cboFSS->currentText());
        r.txtCityF->setText(txtFCity->text());
        r.txtStateF->setText(txtFState->text());
        r.txtCountryF->setText(txtFCountry->text());
        r.txtMoonF->setText(QString::fromStdString(s.FemaleMoonSign));

        r.Show();
        Hide();
    });
}

void frmMainMoonSigncompatibility::mnuNext_Click()
{
    cmdRashi_Click();
}

void frmMainMoonSigncompatibility::cmdMBrowser_Click()
{
    SearchPlaceCoordinates(txtMCity, txtMState, txtMCountry, PageAddress(QStringLiteral("home-page")));
}

void frmMainMoonSigncompatibility::cmdFBrowser_Click()
{
    SearchPlaceCoordinates(txtFCity, txtFState, txtFCountry, PageAddress(QStringLiteral("home-page")));
}

void frmMainMoonSigncompatibility::Label61_Click()
{
    OpenHomePage();
}

void frmMainMoonSigncompatibility::mnuExit_Click()
{
    Unload();
}

void frmMainMoonSigncompatibility::mnuOnline_Click()
{
    OpenHelpPage();
}

void frmMainMoonSigncompatibility::mnuVisit_Click()
{
    OpenHomePage();
}

void frmMainMoonSigncompatibility::mnuUpdate_Click()
{
    OpenUpdatePage();
}

void frmMainMoonSigncompatibility::mnuAbout_Click()
{
    ShowAboutBox();
}
