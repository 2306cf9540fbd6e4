#include "frmMainZodiac.h"

#include "frmSunSign.h"
#include "modSunSign.h"

#include "ClickLabel.h"
#include "DateEntry.h"
#include "DateLists.h"
#include "Desktop.h"
#include "Forms.h"
#include "HelpMenu.h"
#include "Twips.h"
#include "TwipsLayout.h"
#include "modHelp.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <stdexcept>

using namespace platform;

namespace {

const QString Style = QStringLiteral(
    "frmMainZodiac { background: #fdf3e7; }"
    "QWidget { font-family: Verdana; font-size: 9pt; }"
    "QGroupBox { font-weight: bold; color: #7a1f3d; border: 1px solid #d9b38c; border-radius: 4px;"
    " margin-top: 9px; background: #fffaf3; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }"
    "QPushButton#cmdSunSign { font-weight: bold; color: white; background: #b0305a; border-radius: 4px;"
    " padding: 4px; }"
    "QPushButton#cmdSunSign:hover { background: #c9436d; }");

QString text(const QLineEdit* box)
{
    return box->text();
}

} // namespace

frmMainZodiac::frmMainZodiac() : InputWindow(FormName)
{
    setCaption(QStringLiteral("Vorlaine Zodiac Compatibility"));
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(Style);
    QWidget* body = this;

    QMenu* file = addMenu(QStringLiteral("&File"));
    mnuExit = file->addAction(QStringLiteral("E&xit"));
    AddHelpMenu(this);
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });

    Frame2 = new QGroupBox(QStringLiteral("Note"), body);
    placeTwips(Frame2, 120, 60, 8160, 720);
    Label8 = new QLabel(QStringLiteral("Please set your Regional and Language Settings to US English for proper "
                                       "working of this software."), Frame2);
    Label8->setWordWrap(true);
    Label8->setStyleSheet(QStringLiteral("font-weight: normal; color: #3b2a2a;"));
    placeTwips(Label8, 180, 260, 7800, 420);

    fraDetails = personFrame(body, QStringLiteral("Your Details"), 900, txtNameM, cboMonthM, cboDateM, cboYearM,
                             optSexM);

    Label14 = NewLinkLabel(QStringLiteral("Share your stories in the Vorlaine love and astrology forum"), body,
                           Qt::AlignCenter);
    Label3 = NewLinkLabel(QStringLiteral("Visit ") + platform::SiteHostName + QStringLiteral(" for more free love tests"),
                          body, Qt::AlignCenter);
    for (ClickLabel* l : {Label14, Label3})
        l->setStyleSheet(QStringLiteral("color: #0000cc; text-decoration: underline;"));
    placeTwips(Label14, 120, 2450, 8160, 270);
    placeTwips(Label3, 120, 2740, 8160, 270);
    connect(Label14, &ClickLabel::clicked, this, [this] { Label14_Click(); });
    connect(Label3, &ClickLabel::clicked, this, [this] { Label3_Click(); });

    Frame1 = personFrame(body, QStringLiteral("Your Partner's Details"), 3100, txtNameF, cboMonthF, cboDateF,
                         cboYearF, optSexF);

    cmdSunSign = new QPushButton(QStringLiteral("Check Our &Zodiac Compatibility Now !"), body);
    cmdSunSign->setObjectName(QStringLiteral("cmdSunSign"));
    placeTwips(cmdSunSign, 1980, 4700, 4440, 480);
    connect(cmdSunSign, &QPushButton::clicked, this, [this] { cmdSunSign_Click(); });

    setTabOrder(txtNameM, cboMonthM);
    setTabOrder(cboMonthM, cboDateM);
    setTabOrder(cboDateM, cboYearM);
    setTabOrder(cboYearM, txtNameF);
    setTabOrder(txtNameF, cboMonthF);
    setTabOrder(cboMonthF, cboDateF);
    setTabOrder(cboDateF, cboYearF);
    setTabOrder(cboYearF, cmdSunSign);

    setClientSizeTwips(8400, 5400);
}

QGroupBox* frmMainZodiac::personFrame(QWidget* body, const QString& title, double top, QLineEdit*& name,
                                      QComboBox*& month, QComboBox*& day, QComboBox*& year,
                                      QRadioButton* sex[2])
{
    auto* frame = new QGroupBox(title, body);
    placeTwips(frame, 120, top, 8160, 1440);
    auto label = [frame](const QString& t, double y) {
        auto* l = new QLabel(t, frame);
        l->setStyleSheet(QStringLiteral("font-weight: normal; color: #3b2a2a;"));
        placeTwips(l, 240, y, 1200, 300);
    };
    label(QStringLiteral("Name"), 400);
    name = new QLineEdit(frame);
    placeTwips(name, 1500, 370, 6360, 330);
    label(QStringLiteral("Birth Day"), 900);
    month = new QComboBox(frame);
    placeTwips(month, 1500, 870, 2400, 330);
    day = new QComboBox(frame);
    placeTwips(day, 4020, 870, 1000, 330);
    year = new QComboBox(frame);
    placeTwips(year, 5140, 870, 1300, 330);
    for (QComboBox* c : {month, day, year})
        c->setMaxVisibleItems(12);
    // The sex options sit below the frame's visible area; nothing reads them.
    auto* sexLabel = new QLabel(QStringLiteral("Sex"), frame);
    placeTwips(sexLabel, 240, 1700, 800, 300);
    sex[0] = new QRadioButton(QStringLiteral("Male"), frame);
    placeTwips(sex[0], 1500, 1700, 1200, 300);
    sex[1] = new QRadioButton(QStringLiteral("Female"), frame);
    placeTwips(sex[1], 2800, 1700, 1200, 300);
    sex[0]->setFocusPolicy(Qt::NoFocus);
    sex[1]->setFocusPolicy(Qt::NoFocus);
    return frame;
}

void frmMainZodiac::Form_Load()
{
    FillMonthList(cboMonthM);
    FillMonthList(cboMonthF);
    FillNumberList(cboDateM, 1, 31);
    FillNumberList(cboDateF, 1, 31);
    FillNumberList(cboYearM, 1900, 2050);
    FillNumberList(cboYearF, 1900, 2050);
    for (QComboBox* c : {cboMonthM, cboDateM, cboYearM, cboMonthF, cboDateF, cboYearF})
        c->setCurrentIndex(0);
    InputWindow::Form_Load();
    txtNameM->setFocus();
}

bool frmMainZodiac::validateDate(QComboBox* month, QComboBox* day, QComboBox* year)
{
    return DateListsAccepted(month, day, year);
}

bool frmMainZodiac::ValidateZodiacInput()
{
    if (text(txtNameM).isEmpty()) {
        desktop().MsgBox(QStringLiteral("Please Enter Your Name"), MsgButtons::OK, MsgIcon::Critical);
        txtNameM->setFocus();
        return false;
    }
    if (text(txtNameF).isEmpty()) {
        desktop().MsgBox(QStringLiteral("Please Enter Your Partner's Name"), MsgButtons::OK, MsgIcon::Critical);
        txtNameF->setFocus();
        return false;
    }
    return validateDate(cboMonthM, cboDateM, cboYearM) && validateDate(cboMonthF, cboDateF, cboYearF);
}

void frmMainZodiac::cmdSunSign_Click()
{
    if (!ValidateZodiacInput())
        return;
    auto& s = modSunSign::state();
    auto stored = [](const QString& t) { return t.trimmed().toStdString(); };
    s.NameM = stored(txtNameM->text());
    s.MonthM = stored(cboMonthM->currentText());
    s.DateM = stored(cboDateM->currentText());
    s.YearM = stored(cboYearM->currentText());
    s.NameF = stored(txtNameF->text());
    s.MonthF = stored(cboMonthF->currentText());
    s.DateF = stored(cboDateF->currentText());
    s.YearF = stored(cboYearF->currentText());
    // A day that is no number leaves the signs as they were.
    try {
        s.SunSignM = modSunSign::GetSunSign(s.MonthM, s.DateM);
        s.SunSignF = modSunSign::GetSunSign(s.MonthF, s.DateF);
    } catch (const std::invalid_argument&) {
    }
    forms::get<frmSunSign>().Show();
    Unload();
    HideWelcomePanel();
}

void frmMainZodiac::mnuExit_Click()
{
    Unload();
}

void frmMainZodiac::mnuOnline_Click()
{
    OpenHelpPage();
}

void frmMainZodiac::mnuVisit_Click()
{
    OpenHomePage();
}

void frmMainZodiac::mnuUpdate_Click()
{
    OpenUpdatePage();
}

void frmMainZodiac::mnuAbout_Click()
{
    ShowAboutBox();
}

void frmMainZodiac::Label14_Click()
{
    OpenHomePage();
}

void frmMainZodiac::Label3_Click()
{
    OpenHomePage();
}
