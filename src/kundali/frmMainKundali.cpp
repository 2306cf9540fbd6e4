#include "frmMainKundali.h"

#include "frmTimeZone.h"
#include "frmVedicResult.h"
#include "KundaliInput.h"
#include "modVedicCompatibility.h"

#include "ClickLabel.h"
#include "Cp1252.h"
#include "DateEntry.h"
#include "DateLists.h"
#include "Desktop.h"
#include "Engine.h"
#include "Forms.h"
#include "HelpMenu.h"
#include "IgnoringErrors.h"
#include "KeyFilter.h"
#include "LatLongLookup.h"
#include "RichTextBox.h"
#include "SafeWrite.h"
#include "TwipsLayout.h"
#include "modHelp.h"
#include "modMoonSign2.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <utility>

using namespace platform;
namespace vc = modVedicCompatibility;

const QString frmMainKundali::OnlyNumbersMessage = QStringLiteral("Please Enter Only Numbers");
const QString frmMainKundali::OnlyCharactersMessage = QStringLiteral("Please Enter Only Characters");

namespace {

const QString WindowCaption = QStringLiteral("Vorlaine Astrology Kundali Match");

QFont verdana(double points, bool bold = false)
{
    QFont f(QStringLiteral("Verdana"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QFont msSansSerif()
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(8.25);
    f.setBold(false); // set, or the person frame's bold caption font passes down
    return f;
}

std::string trimmedText(const QString& t)
{
    return t.trimmed().toStdString();
}

ClickLabel* newLink(const QString& text, QWidget* parent, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    ClickLabel* l = NewLinkLabel(text, parent, align);
    l->setStyleSheet(QStringLiteral("color: #0000cc; text-decoration: underline;"));
    return l;
}

// The lists are designed for a slim drop-down button; with the wide button
// of the usual styles the two-digit numbers would not fit.
class NarrowComboStyle : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl cc, const QStyleOptionComplex* opt, SubControl sc,
                         const QWidget* w) const override
    {
        QRect r = QProxyStyle::subControlRect(cc, opt, sc, w);
        if (cc != CC_ComboBox)
            return r;
        const QRect arrow = QProxyStyle::subControlRect(cc, opt, SC_ComboBoxArrow, w);
        const int spare = std::max(0, arrow.width() - MaxArrow);
        if (sc == SC_ComboBoxArrow)
            r.setLeft(r.left() + spare);
        else if (sc == SC_ComboBoxEditField)
            r.setRight(r.right() + spare);
        return r;
    }

private:
    static constexpr int MaxArrow = 13;
};

QStyle* narrowComboStyle()
{
    // One for the whole run: the lists of every opening share it.
    static QStyle* style = new NarrowComboStyle;
    return style;
}

} // namespace

frmMainKundali::frmMainKundali() : InputWindow(FormName)
{
    setCaption(WindowCaption);
    setFont(verdana(8.25));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 147, 49));
    setPalette(pal);

    mnuFile = addMenu(QStringLiteral("&File"));
    mnuCalculate = mnuFile->addAction(QStringLiteral("&Kundali Match"));
    mnuFile->addSeparator();
    mnuExit = mnuFile->addAction(QStringLiteral("&Exit"));
    AddHelpMenu(this);
    connect(mnuCalculate, &QAction::triggered, this, [this] { mnuCalculate_Click(); });
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });

    Label62 = new QLabel(WindowCaption, this);
    Label62->setFont(verdana(14.25, true));
    Label62->setAlignment(Qt::AlignCenter);
    // Centred where the design puts it, but as wide as the window: the bold
    // heading is wider than its designed box in the fonts at hand.
    placeTwips(Label62, 0, 0, 8715, 345);

    Label61 = newLink(QStringLiteral("Visit ") + platform::SiteHostName
                          + QStringLiteral(" for more free love tests\n"
                                           "and share your story in the Vorlaine astrology forum"),
                      this, Qt::AlignCenter);
    placeTwips(Label61, 1845, 315, 5025, 435);
    connect(Label61, &ClickLabel::clicked, this, [this] { Label61_Click(); });

    cmdOpen = new QPushButton(QStringLiteral("&Open Previously Saved Reading"), this);
    cmdOpen->setFont(verdana(12, true));
    placeTwips(cmdOpen, 90, 840, 8535, 495);
    connect(cmdOpen, &QPushButton::clicked, this, [this] { cmdOpen_Click(); });

    // Both person frames share one layout; only the names of the controls
    // and the captions' left edge differ.
    auto personFrame = [this](const QString& title, double left, double captionLeft, Person& p,
                              ClickLabel*& tzHelp, QGroupBox*& latFrame, QGroupBox*& longFrame, QPushButton*& browse) {
        auto* frame = new QGroupBox(title, this);
        placeTwips(frame, left, 1410, 4365, 3750);
        auto caption = [&](const QString& text, double l, double top, double width) {
            auto* c = new QLabel(text, frame);
            placeTwips(c, l, top, width, 240);
            return c;
        };
        // The unit hints are small so they fit beside the row captions.
        auto hint = [&](const QString& text, double l, double top, double width) {
            QLabel* c = caption(text, l, top, width);
            c->setProperty("unitHint", true);
            return c;
        };
        auto box = [&](double l, double t, double w, double h, int maxLength) {
            auto* b = new QLineEdit(frame);
            if (maxLength > 0)
                b->setMaxLength(maxLength);
            placeTwips(b, l, t, w, h);
            return b;
        };
        auto list = [&](double l, double t, double w, double h) {
            auto* c = new QComboBox(frame);
            c->setStyle(narrowComboStyle());
            c->setMaxVisibleItems(12);
            placeTwips(c, l, t, w, h);
            return c;
        };
        caption(QStringLiteral("Name:"), captionLeft, 330, 1000);
        p.name = box(1140, 300, 3045, 300, 0);
        caption(QStringLiteral("Birth Day:"), captionLeft, 720, 1000);
        p.date = list(1140, 660, 615, 315);
        p.month = list(1830, 660, 1455, 315);
        p.year = list(3300, 660, 885, 315);
        caption(QStringLiteral("Time Of Birth:"), captionLeft, 1080, 1230);
        hint(QStringLiteral("HH/MM/SS"), 1350, 1080, 900)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        p.hour = list(2310, 1020, 615, 315);
        p.minute = list(2970, 1020, 570, 315);
        p.second = list(3600, 1020, 585, 315);
        caption(QStringLiteral("Time Zone"), captionLeft, 1445, 1000);
        p.zoneHour = box(1140, 1400, 495, 285, 3);
        p.zoneMinute = box(1760, 1400, 495, 285, 2);
        tzHelp = newLink(QStringLiteral("TZ Help"), frame);
        placeTwips(tzHelp, 2385, 1407, 945, 270);
        p.dst = new QCheckBox(QStringLiteral("DST"), frame);
        placeTwips(p.dst, 3450, 1417, 800, 250);

        auto optionFrame = [&](double top, double height, const QString& first, const QString& second,
                               QRadioButton*& a, QRadioButton*& b) {
            auto* f = new QGroupBox(frame);
            placeTwips(f, 1700, top, 975, height);
            a = new QRadioButton(first, f);
            b = new QRadioButton(second, f);
            const double row = (height - 30) / 2;
            placeTwips(a, 75, 15, 870, row);
            placeTwips(b, 75, 15 + row, 870, row);
            a->setChecked(true);
            for (QWidget* w : std::initializer_list<QWidget*>{f, a, b})
                w->setFont(msSansSerif());
            // Two rows of the usual round buttons do not fit the designed
            // height; slightly smaller ones are drawn whole.
            for (QRadioButton* o : {a, b})
                o->setStyleSheet(QStringLiteral("QRadioButton::indicator { width: 12px; height: 12px; }"));
            return f;
        };
        caption(QStringLiteral("Latitude:"), captionLeft, 1860, 1000);
        p.latDeg = box(1140, 1800, 525, 300, 3);
        latFrame = optionFrame(1748, 405, QStringLiteral("North"), QStringLiteral("South"), p.north, p.south);
        p.latMin = box(2760, 1770, 525, 300, 3);
        hint(QStringLiteral("DEG/MIN"), 3360, 1860, 960);
        caption(QStringLiteral("Longitude:"), captionLeft, 2280, 1000);
        p.longDeg = box(1140, 2220, 525, 300, 3);
        longFrame = optionFrame(2138, 465, QStringLiteral("East"), QStringLiteral("West"), p.east, p.west);
        p.longMin = box(2760, 2220, 525, 300, 3);
        hint(QStringLiteral("DEG/MIN"), 3360, 2280, 960);
        caption(QStringLiteral("City:"), captionLeft, 2700, 1000);
        p.city = box(1140, 2655, 1845, 285, 0);
        caption(QStringLiteral("State:"), captionLeft, 3030, 1000);
        p.state = box(1140, 3015, 1845, 285, 0);
        caption(QStringLiteral("Country:"), captionLeft, 3390, 1000);
        p.country = box(1140, 3360, 1845, 285, 0);
        // The caption wraps over four lines to fit the narrow button.
        browse = new QPushButton(QStringLiteral("Click Here\nTo Find\nLatitude &&\nLongitude"), frame);
        placeTwips(browse, 3120, 2670, 1095, 945);

        // The frame's bold caption font is its own, not its controls'.
        for (QWidget* w : frame->findChildren<QWidget*>())
            if (w->parentWidget() == frame && w != latFrame && w != longFrame)
                w->setFont(verdana(w->property("unitHint").toBool() ? 6.75 : 8.25));
        frame->setFont(verdana(9.75, true));
        for (QWidget* w : std::initializer_list<QWidget*>{p.zoneHour, p.zoneMinute, p.dst})
            w->setFont(verdana(8.25, true));
        return frame;
    };

    Person m{}, f{};
    Frame1 = personFrame(QStringLiteral("Boy's Details"), 0, 120, m, lblMTZHelp, Frame3, Frame4, cmdMaleBrowse);
    Frame2 = personFrame(QStringLiteral("Girl's Details"), 4350, 90, f, lblFTZHelp, Frame6, Frame7, cmdFemaleBrowse);
    txtMName = m.name, cboMDate = m.date, cboMMonth = m.month, cboMYear = m.year;
    cboMHH = m.hour, cboMMM = m.minute, cboMSS = m.second;
    txtMZoneHour = m.zoneHour, txtMZoneMinute = m.zoneMinute, chkMDST = m.dst;
    txtMLD = m.latDeg, txtMLM = m.latMin, optMNorth = m.north, optMSouth = m.south;
    txtMLoD = m.longDeg, txtMLoM = m.longMin, optMEast = m.east, optMWest = m.west;
    txtMCity = m.city, txtMState = m.state, txtMCountry = m.country;
    txtFName = f.name, cboFDate = f.date, cboFMonth = f.month, cboFYear = f.year;
    cboFHH = f.hour, cboFMM = f.minute, cboFSS = f.second;
    txtFZoneHour = f.zoneHour, txtFZoneMinute = f.zoneMinute, chkFDST = f.dst;
    txtFLD = f.latDeg, txtFLM = f.latMin, optFNorth = f.north, optFSouth = f.south;
    txtFLoD = f.longDeg, txtFLoM = f.longMin, optFEast = f.east, optFWest = f.west;
    txtFCity = f.city, txtFState = f.state, txtFCountry = f.country;
    connect(lblMTZHelp, &ClickLabel::clicked, this, [this] { lblMTZHelp_Click(); });
    connect(lblFTZHelp, &ClickLabel::clicked, this, [this] { lblFTZHelp_Click(); });
    connect(cmdMaleBrowse, &QPushButton::clicked, this, [this] { cmdMaleBrowse_Click(); });
    connect(cmdFemaleBrowse, &QPushButton::clicked, this, [this] { cmdFemaleBrowse_Click(); });

    Label7 = new QLabel(QStringLiteral("Enter your City, State & Country. Now click \"Find Latitude & Longitude\". "
                                       "Find Latitude / Logitude on the Web."),
                        this);
    Label7->setFont(verdana(8.25, true));
    Label7->setWordWrap(true);
    Label7->setToolTip(QStringLiteral("To Find Latitude / Logitude Enter your City, State and Country and click "
                                      "Find Lat - Long"));
    placeTwips(Label7, 180, 5205, 5865, 420);

    cmdCalculate = new QPushButton(QStringLiteral("Match &Kundali"), this);
    cmdCalculate->setFont(verdana(9.75, true));
    placeTwips(cmdCalculate, 6350, 5205, 2295, 495);
    connect(cmdCalculate, &QPushButton::clicked, this, [this] { cmdCalculate_Click(); });

    cmdExit = new QPushButton(QStringLiteral("E&xit"), this);
    cmdExit->setFont(verdana(9, true));
    placeTwips(cmdExit, 7545, 5827, 1100, 400);
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });

    // The key filters: the refused character is thrown away and its message
    // shown; the box keeps its text and the focus. Ctrl with a letter types
    // its control code here, which is refused as well.
    auto refusedWith = [](const QString& message) {
        return [message](QLineEdit*) { desktop().MsgBox(message, MsgButtons::OK, MsgIcon::Critical); };
    };
    for (QLineEdit* b : {txtMName, txtFName})
        keyfilter::install(b, keyfilter::Accepts::Letters, refusedWith(OnlyCharactersMessage));
    for (QLineEdit* b : {txtMZoneHour, txtMZoneMinute, txtMLD, txtMLM, txtMLoD, txtMLoM, txtFZoneHour, txtFZoneMinute,
                         txtFLD, txtFLM, txtFLoD, txtFLoM})
        keyfilter::install(b, keyfilter::Accepts::Digits, refusedWith(OnlyNumbersMessage));

    QWidget* const order[] = {
        txtMName, cboMDate, cboMMonth, cboMYear, cboMHH, cboMMM, cboMSS, txtMLD, txtMLM, txtMLoD, txtMLoM,
        txtMCity, txtMState, txtMCountry,
        txtFName, cboFDate, cboFMonth, cboFYear, cboFHH, cboFMM, cboFSS, txtFLD, txtFLM, txtFLoD, txtFLoM,
        txtFCity, txtFState, txtFCountry,
        cmdCalculate, cmdFemaleBrowse, cmdMaleBrowse, cmdExit, cmdOpen,
        txtMZoneHour, txtMZoneMinute, chkMDST, optMNorth, optMSouth, optMEast, optMWest,
        txtFZoneHour, txtFZoneMinute, chkFDST, optFNorth, optFSouth, optFEast, optFWest};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    // A frame with a close box but no minimise or maximise box.
    if (frame() != this)
        frame()->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                Qt::WindowCloseButtonHint);
    setClientSizeTwips(8715, 6465);
}

frmMainKundali::Person frmMainKundali::boy() const
{
    return {txtMName, txtMZoneHour, txtMZoneMinute, txtMLD, txtMLM, txtMLoD, txtMLoM, txtMCity, txtMState,
            txtMCountry, cboMDate, cboMMonth, cboMYear, cboMHH, cboMMM, cboMSS, optMNorth, optMSouth, optMEast,
            optMWest, chkMDST};
}

frmMainKundali::Person frmMainKundali::girl() const
{
    return {txtFName, txtFZoneHour, txtFZoneMinute, txtFLD, txtFLM, txtFLoD, txtFLoM, txtFCity, txtFState,
            txtFCountry, cboFDate, cboFMonth, cboFYear, cboFHH, cboFMM, cboFSS, optFNorth, optFSouth, optFEast,
            optFWest, chkFDST};
}

void frmMainKundali::Form_Load()
{
    InputWindow::Form_Load();
    FillNumberList(cboMDate, 1, 31);
    FillNumberList(cboFDate, 1, 31);
    FillMonthList(cboMMonth);
    FillMonthList(cboFMonth);
    FillNumberList(cboMYear, 1900, 2050);
    FillNumberList(cboFYear, 1900, 2050);
    FillNumberList(cboMHH, 0, 24);
    FillNumberList(cboFHH, 0, 24);
    FillNumberList(cboMMM, 0, 59);
    FillNumberList(cboFMM, 0, 59);
    FillNumberList(cboMSS, 0, 59);
    FillNumberList(cboFSS, 0, 59);
    for (QComboBox* c : {cboMDate, cboMMonth, cboMYear, cboFDate, cboFMonth, cboFYear, cboMHH, cboMMM, cboMSS,
                         cboFHH, cboFMM, cboFSS})
        c->setCurrentIndex(0);
    txtMName->setFocus();
}

// ---- Validation ------------------------------------------------------------

bool frmMainKundali::ValidateKundaliInput()
{
    if (vc::state().ReadingLoadedFromFile)
        return true;

    auto failText = [](QLineEdit* box, const char* message) {
        if (!box->text().isEmpty())
            return false;
        desktop().MsgBox(QString::fromLatin1(message), MsgButtons::OK, MsgIcon::Critical);
        box->setFocus();
        return true;
    };
    auto failOptions = [](QRadioButton* a, QRadioButton* b, const char* message) {
        if (a->isChecked() || b->isChecked())
            return false;
        desktop().MsgBox(QString::fromLatin1(message), MsgButtons::OK, MsgIcon::Critical);
        a->setChecked(true);
        return true;
    };
    // The messages that differ between the persons are the name, zone and
    // longitude-minutes ones.
    auto failPerson = [&](const Person& p, bool isBoy) {
        const std::pair<QLineEdit*, const char*> tests[] = {
            {p.name, isBoy ? "Please Enter Your Name" : "Please Enter Your Partner's Name"},
            {p.zoneHour, isBoy ? "Please Enter Your Hour Of Time Zone" : "Please Enter Your Partner's Hour Of Time Zone"},
            {p.zoneMinute,
             isBoy ? "Please Enter Your Minute Of Time Zone" : "Please Enter Your Partner's Minute Of Time Zone"},
            {p.latDeg, "Please Enter Degree in Latitude"},
            {p.latMin, "Please Enter Minutes in Latitude"},
            {p.longDeg, "Please Enter Degree in Longitude"},
            {p.longMin, isBoy ? "Please Enter Minute in Longitude" : "Please Enter Minutes in Longitude"},
            {p.city, "Please Enter City"},
            {p.state, "Please Enter State"},
            {p.country, "Please Enter Country"},
        };
        for (const auto& [box, message] : tests)
            if (failText(box, message))
                return true;
        return failOptions(p.north, p.south, "Please Select Direction For The Latitude") ||
               failOptions(p.east, p.west, "Please Select Direction For The Longitude");
    };
    auto failDate = [](const Person& p, bool isBoy) {
        return !DateListsAccepted(p.month, p.date, p.year,
                                  isBoy ? QStringLiteral("Please Enter Your Correct Date Or Month")
                                        : QStringLiteral("Please Enter Your Partner's Correct Date Or Month"));
    };
    return !(failPerson(boy(), true) || failPerson(girl(), false) || failDate(boy(), true) || failDate(girl(), false));
}

// ---- The calculation -------------------------------------------------------

void frmMainKundali::ReadPerson(const Person& p, vc::KundaliPersonDetails& d, std::string& moonSign,
                                std::string& nakshatra)
{
    using kundaliinput::AbsoluteWholeNumber16;
    using kundaliinput::WholeNumber16;
    using kundaliinput::WholeNumber32;

    d.Name = trimmedText(p.name->text());
    d.BirthDay = trimmedText(p.date->currentText());
    d.BirthMonth = trimmedText(p.month->currentText());
    d.BirthYear = trimmedText(p.year->currentText());
    // A text that is no number leaves its field as it was.
    auto set32 = [](std::int32_t& field, const QComboBox* list) {
        if (const auto v = WholeNumber32(trimmedText(list->currentText())))
            field = *v;
    };
    set32(d.BirthHour, p.hour);
    set32(d.BirthMinute, p.minute);
    set32(d.BirthSecond, p.second);
    d.BirthPlace = trimmedText(p.city->text()) + ", " + trimmedText(p.state->text()) + ", " +
                   trimmedText(p.country->text());

    engine::SiderealModule& e = engine::modEphemeris();
    engine::BirthRecord& b = e.BirthData;
    auto set16 = [](engine::Int16& field, std::optional<std::int16_t> v) {
        if (v)
            field = *v;
    };
    if (p.month->currentIndex() >= 0)
        b.Month = static_cast<engine::Int16>(p.month->currentIndex() + 1);
    set16(b.Day, WholeNumber16(trimmedText(p.date->currentText())));
    set16(b.Year, WholeNumber16(trimmedText(p.year->currentText())));
    set16(b.Hour, WholeNumber16(trimmedText(p.hour->currentText())));
    set16(b.Minute, WholeNumber16(trimmedText(p.minute->currentText())));
    set16(b.ZoneHours, AbsoluteWholeNumber16(trimmedText(p.zoneHour->text())));
    set16(b.ZoneMinutes, AbsoluteWholeNumber16(trimmedText(p.zoneMinute->text())));
    set16(b.LongitudeDegrees, WholeNumber16(trimmedText(p.longDeg->text())));
    set16(b.LongitudeMinutes, WholeNumber16(trimmedText(p.longMin->text())));
    set16(b.LatitudeDegrees, WholeNumber16(trimmedText(p.latDeg->text())));
    set16(b.LatitudeMinutes, WholeNumber16(trimmedText(p.latMin->text())));
    b.IsEast = p.east->isChecked() ? -1 : 0;
    b.IsSouth = p.south->isChecked() ? -1 : 0;
    b.IsDaylightSaving = p.dst->checkState() != Qt::Unchecked ? -1 : 0;

    // A run that fails leaves this person without a moon, never with the
    // one of the person before.
    e.MoonRashi.clear();
    e.MoonNakshatra.clear();
    ignoringErrors([&] { e.CalculateAscendant(); });
    ignoringErrors([&] { e.CalculateMoonAndDasha(); });
    moonSign = e.MoonRashi;
    nakshatra = e.MoonNakshatra;
}

void frmMainKundali::ReadBoyDetails()
{
    auto& s = vc::state();
    ReadPerson(boy(), s.Boy, s.BoyMoonSign, s.BoyNakshatra);
}

void frmMainKundali::ReadGirlDetails()
{
    auto& s = vc::state();
    ReadPerson(girl(), s.Girl, s.GirlMoonSign, s.GirlNakshatra);
}

void frmMainKundali::cmdCalculate_Click()
{
    if (!ValidateKundaliInput())
        return;

    auto& s = vc::state();
    if (s.ReadingLoadedFromFile) {
        s.ReadingLoadedFromFile = false;
    } else {
        ReadBoyDetails();
        ReadGirlDetails();
        kundaliinput::ToEnglishSignName(s.BoyMoonSign);
        kundaliinput::ToEnglishSignName(s.GirlMoonSign);
    }

    // Each procedure gets its own copies (taken by value).
    vc::ComputeVarnaKuta(s.BoyMoonSign, s.GirlMoonSign);
    vc::ComputeVasyaKuta(s.BoyMoonSign, s.GirlMoonSign);
    vc::ComputeMaitriKuta(s.BoyMoonSign, s.GirlMoonSign);
    vc::ComputeRashiKuta(s.BoyMoonSign, s.GirlMoonSign);
    vc::ComputeTaraKuta(s.BoyNakshatra, s.GirlNakshatra);
    vc::ComputeGanaKuta(s.BoyNakshatra, s.GirlNakshatra);
    vc::ComputeNadiKuta(s.BoyNakshatra, s.GirlNakshatra);
    vc::ComputeYoniKuta(s.BoyNakshatra, s.GirlNakshatra);

    // The result window's pages and interpretation box start empty: a
    // window left over from before would be written twice.
    if (forms::isLoaded<frmVedicResult>())
        forms::unload<frmVedicResult>();
    ShowRashiInformation(KundaliPerson::Boy, std::string(s.BoyMoonSign));
    ShowRashiInformation(KundaliPerson::Girl, std::string(s.GirlMoonSign));
    ShowNakshatraInformation(KundaliPerson::Boy, std::string(s.BoyNakshatra));
    ShowNakshatraInformation(KundaliPerson::Girl, std::string(s.GirlNakshatra));
    vc::BuildKutaSummary();

    ShowKutaScoreTable();
    WriteMatchReport(forms::get<frmVedicResult>().RTB, false);
    forms::get<frmVedicResult>().Show();
    Unload();
    HideWelcomePanel();
}

void frmMainKundali::mnuCalculate_Click()
{
    cmdCalculate_Click();
}

// ---- Opening a saved reading ------------------------------------------------

void frmMainKundali::cmdOpen_Click()
{
    CD.Filter = QStringLiteral("Vorlaine Free Astrology Kundali Match (*.kun)|*.kun");
    CD.FilterIndex = 2;
    CD.DefaultExt = QStringLiteral("kun");
    CD.Flags = cdl::HideReadOnly | cdl::FileMustExist | cdl::NoReadOnlyReturn; // 36868
    CD.DialogTitle = QStringLiteral("Select the source file");
    CD.FileName.clear();
    if (!desktop().ShowOpen(CD))
        return;
    const QString name = CD.FileName;
    if (name.isEmpty())
        return;

    // Only a reading as the program writes it is taken: two sign names,
    // then two nakshatra names. Anything else changes nothing.
    std::array<std::string, 4> values;
    bool readable = name.endsWith(QStringLiteral("kun"));
    // At most 4 KB, far more than four names take; a pipe, a device or a
    // folder gives nothing, at once.
    const std::optional<QByteArray> start = readable ? readRegularFileStart(name, 4096) : std::nullopt;
    readable = start.has_value();
    if (readable) {
        const QByteArray& bytes = *start;
        const auto lines = kundaliinput::SplitReadingLines(std::string_view(bytes.constData(),
                                                                            static_cast<std::size_t>(bytes.size())));
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const QByteArray line(lines[i].data(), static_cast<qsizetype>(lines[i].size()));
            values[i] = DecodeText(cp1252::toUnicode(line)).toStdString();
        }
        readable = kundaliinput::IsValidReading(values);
    }
    if (!readable) {
        desktop().MsgBox(QStringLiteral("Please Check The File."), MsgButtons::OK, MsgIcon::Critical);
        return;
    }

    auto& s = vc::state();
    // The file holds no people: the match shows none.
    s.Boy = vc::KundaliPersonDetails{};
    s.Girl = vc::KundaliPersonDetails{};
    s.ReadingLoadedFromFile = true;
    s.BoyMoonSign = values[0];
    s.GirlMoonSign = values[1];
    s.BoyNakshatra = values[2];
    s.GirlNakshatra = values[3];
    cmdCalculate_Click();
}

// ---- Other handlers ---------------------------------------------------------

void frmMainKundali::cmdExit_Click()
{
    Unload();
}

void frmMainKundali::mnuExit_Click()
{
    Unload();
}

void frmMainKundali::cmdMaleBrowse_Click()
{
    SearchPlaceCoordinates(txtMCity, txtMState, txtMCountry, PageAddress(QStringLiteral("home-page")));
}

void frmMainKundali::cmdFemaleBrowse_Click()
{
    SearchPlaceCoordinates(txtFCity, txtFState, txtFCountry, PageAddress(QStringLiteral("home-page")));
}

void frmMainKundali::lblMTZHelp_Click()
{
    vc::IsMaleTimeZone = true;
    forms::get<frmTimeZone>().ShowModal();
}

void frmMainKundali::lblFTZHelp_Click()
{
    vc::IsMaleTimeZone = false;
    forms::get<frmTimeZone>().ShowModal();
}

void frmMainKundali::Label61_Click()
{
    OpenHomePage();
}

void frmMainKundali::mnuOnline_Click()
{
    OpenHelpPage();
}

void frmMainKundali::mnuVisit_Click()
{
    OpenHomePage();
}

void frmMainKundali::mnuUpdate_Click()
{
    OpenUpdatePage();
}

void frmMainKundali::mnuAbout_Click()
{
    ShowAboutBox();
}
