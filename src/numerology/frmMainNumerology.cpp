#include "frmMainNumerology.h"

#include "frmDisp.h"
#include "frmSaveDocumentNumerology.h"
#include "NumerologyNumbers.h"

#include "ClickLabel.h"
#include "DateEntry.h"
#include "DateLists.h"
#include "Desktop.h"
#include "Forms.h"
#include "HelpMenu.h"
#include "IgnoringErrors.h"
#include "ReportWindow.h"
#include "RichTextBox.h"
#include "TwipsLayout.h"
#include "modHelp.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <limits>

using namespace platform;

namespace {

const QString Style = QStringLiteral(
    "frmMainNumerology { background: #fdf3e7; }"
    "QWidget { font-family: Verdana; font-size: 9pt; }"
    "QGroupBox { font-weight: bold; color: #7a1f3d; border: 1px solid #d9b38c; border-radius: 4px;"
    " margin-top: 9px; background: #fffaf3; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }"
    "QLabel { font-weight: normal; color: #3b2a2a; }"
    "QLabel#lblHeading { font-size: 14pt; font-weight: bold; color: #7a1f3d; }"
    "QLabel#Label61 { color: #0000cc; text-decoration: underline; }"
    "QPushButton#cmdCR, QPushButton#cmdLP, QPushButton#cmdD { font-weight: bold; color: white;"
    " background: #b0305a; border-radius: 4px; padding: 4px; }"
    "QPushButton#cmdCR:hover, QPushButton#cmdLP:hover, QPushButton#cmdD:hover { background: #c9436d; }");

const QString CRLF = QStringLiteral("\r\n");


// Appends text at the end of the box in the box's current bold and colour.
void append(RichTextBox* box, const QString& text)
{
    box->setSelStart(box->TextLength());
    box->setSelText(text);
}

bool dateAccepted(const QComboBox* month, const QComboBox* day, const QComboBox* year)
{
    return DateListsAccepted(month, day, year);
}

// Only single figures have a pair text: a key such as "011" (the numbers 0
// and 11) would read as 11 and give the text of two 1s.
bool singleFigures(int first, int second)
{
    return first >= 1 && first <= 9 && second >= 1 && second <= 9;
}

// The upper-case form of a name: only a..z change, whatever the locale.
QString upperCaseName(const QString& name)
{
    return QString::fromStdString(NumerologyNumbers::UpperCaseName(name.toStdString()));
}

} // namespace

frmMainNumerology::frmMainNumerology() : InputWindow(FormName)
{
    setCaption(QStringLiteral("Vorlaine Numerology Compatibility Software"));
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(Style);

    QMenu* file = addMenu(QStringLiteral("&File"));
    mnuComprehensive = file->addAction(QStringLiteral("&Comprehensive Reading"));
    mnuLifePath = file->addAction(QStringLiteral("&LifePath Compatibility"));
    mnuDestiny = file->addAction(QStringLiteral("&Destiny Compatibility"));
    file->addSeparator();
    mnuExit = file->addAction(QStringLiteral("E&xit"));
    HelpCaptions help;
    help.online = QStringLiteral("&Online help");
    help.visit = QStringLiteral("&Visit us Online");
    AddHelpMenu(this, help);
    connect(mnuComprehensive, &QAction::triggered, this, [this] { ignoringErrors([this] { mnuComprehensive_Click(); }); });
    connect(mnuLifePath, &QAction::triggered, this, [this] { ignoringErrors([this] { mnuLifePath_Click(); }); });
    connect(mnuDestiny, &QAction::triggered, this, [this] { ignoringErrors([this] { mnuDestiny_Click(); }); });
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });

    lblHeading = new QLabel(QStringLiteral("Vorlaine Numerology Compatibility Software"), this);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    lblHeading->setAlignment(Qt::AlignCenter);
    placeTwips(lblHeading, 120, 90, 9960, 450);

    Frame1 = new QGroupBox(platform::SiteHostName, this);
    placeTwips(Frame1, 120, 600, 4920, 1020);
    // One line, centred in the frame.
    Label61 = NewLinkLabel(QStringLiteral("Free love tests at ") + platform::SiteHostName, Frame1, Qt::AlignCenter);
    Label61->setObjectName(QStringLiteral("Label61"));
    placeTwips(Label61, 120, 330, 4680, 570);
    connect(Label61, &ClickLabel::clicked, this, [this] { Label61_Click(); });

    Frame2 = new QGroupBox(QStringLiteral("Note: "), this);
    placeTwips(Frame2, 5160, 600, 4920, 1020);
    lblNote = new QLabel(QStringLiteral("This program has been designed keeping in mind date settings according to "
                                        "MM/DD/YYYY format"),
                         Frame2);
    lblNote->setWordWrap(true);
    placeTwips(lblNote, 180, 330, 4560, 570);

    fraM = personFrame(QStringLiteral("Male"), 120, txtMF, txtMM, txtML, cboMD, cboMM, cboMY);
    fraF = personFrame(QStringLiteral("Female"), 5160, txtFF, txtFM, txtFL, cboFD, cboFM, cboFY);

    auto button = [this](const char* name, const QString& caption, double left, double top, double width) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        placeTwips(b, left, top, width, 450);
        return b;
    };
    cmdExit = button("cmdExit", QStringLiteral("Exit"), 120, 4620, 1300);
    cmdCR = button("cmdCR", QStringLiteral("Comprehensive Reading"), 1540, 4620, 2780);
    cmdLP = button("cmdLP", QStringLiteral("LifePath Compatibility"), 4440, 4620, 2780);
    cmdD = button("cmdD", QStringLiteral("Destiny Compatibility"), 7340, 4620, 2740);
    cmdNav[1] = button("cmdNav_1", QStringLiteral("Exit"), 8780, 5220, 1300);
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
    connect(cmdCR, &QPushButton::clicked, this, [this] { ignoringErrors([this] { cmdCR_Click(); }); });
    connect(cmdLP, &QPushButton::clicked, this, [this] { ignoringErrors([this] { cmdLP_Click(); }); });
    connect(cmdD, &QPushButton::clicked, this, [this] { ignoringErrors([this] { cmdD_Click(); }); });
    connect(cmdNav[1], &QPushButton::clicked, this, [this] { cmdNav_Click(1); });

    QWidget* order[] = {txtMF, txtMM, txtML, cboMM, cboMD, cboMY, txtFF, txtFM, txtFL,
                        cboFM, cboFD, cboFY, cmdCR,  cmdD,  cmdLP, cmdExit, cmdNav[1]};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    setClientSizeTwips(10200, 5850);
}

QGroupBox* frmMainNumerology::personFrame(const QString& title, double left, QLineEdit*& first,
                                          QLineEdit*& middle, QLineEdit*& last, QComboBox*& day,
                                          QComboBox*& month, QComboBox*& year)
{
    auto* frame = new QGroupBox(title, this);
    placeTwips(frame, left, 1740, 4920, 2700);
    auto row = [frame](const QString& caption, double top) {
        auto* l = new QLabel(caption, frame);
        placeTwips(l, 180, top + 30, 1320, 300);
    };
    auto nameBox = [frame](double top) {
        auto* box = new QLineEdit(frame);
        box->setMaxLength(std::numeric_limits<int>::max()); // names have no length limit
        placeTwips(box, 1560, top, 3180, 345);
        return box;
    };
    row(QStringLiteral("* First Name"), 420);
    first = nameBox(420);
    row(QStringLiteral("Middle Name"), 960);
    middle = nameBox(960);
    row(QStringLiteral("* Last Name"), 1500);
    last = nameBox(1500);
    row(QStringLiteral("Date of Birth"), 2040);
    // The month list is wide enough for "September"; the day and year
    // lists give up what it takes.
    month = new QComboBox(frame);
    placeTwips(month, 1560, 2040, 1500, 345);
    day = new QComboBox(frame);
    placeTwips(day, 3120, 2040, 640, 345);
    year = new QComboBox(frame);
    placeTwips(year, 3820, 2040, 920, 345);
    for (QComboBox* c : {month, day, year})
        c->setMaxVisibleItems(12);
    return frame;
}

void frmMainNumerology::Form_Load()
{
    FillNumberList(cboMD, 1, 31);
    FillNumberList(cboFD, 1, 31);
    FillMonthList(cboMM);
    FillMonthList(cboFM);
    FillNumberList(cboMY, 1900, 2050);
    FillNumberList(cboFY, 1900, 2050);
    for (QComboBox* c : {cboMD, cboMM, cboMY, cboFD, cboFM, cboFY})
        c->setCurrentIndex(-1);
    InputWindow::Form_Load();
    txtMF->setFocus();
}

int frmMainNumerology::SingleDigitNumber(const QString& dt, const QString& mon, const QString& yr)
{
    return NumerologyNumbers::SingleDigitNumber(dt.toStdString(), mon.toStdString(), yr.toStdString());
}

int frmMainNumerology::StringToNumber(const QString& name)
{
    return NumerologyNumbers::StringToNumber(name.toStdString());
}

QString frmMainNumerology::GetNumberPairDescription(const QString& key)
{
    return QString::fromStdString(NumerologyNumbers::GetNumberPairDescription(key.toStdString()));
}

bool frmMainNumerology::ValidateNumerologyInput()
{
    struct Required {
        QWidget* control;
        bool missing;
        const char* message;
    };
    const Required required[] = {
        {txtMF, txtMF->text().isEmpty(), "Male: First Name cannot be blank"},
        {txtML, txtML->text().isEmpty(), "Male: Last Name cannot be blank"},
        {txtFF, txtFF->text().isEmpty(), "Female: First Name cannot be blank"},
        {txtFL, txtFL->text().isEmpty(), "Female: Last Name cannot be blank"},
        {cboMD, cboMD->currentIndex() < 0, "Male: Date of Birth cannot be blank"},
        {cboMM, cboMM->currentIndex() < 0, "Male: Month of Birth cannot be blank"},
        {cboMY, cboMY->currentIndex() < 0, "Male: Year of Birth cannot be blank"},
        {cboFD, cboFD->currentIndex() < 0, "Female: Date of Birth cannot be blank"},
        {cboFM, cboFM->currentIndex() < 0, "Female: Month of Birth cannot be blank"},
        {cboFY, cboFY->currentIndex() < 0, "Female: Year of Birth cannot be blank"},
    };
    for (const Required& r : required) {
        if (r.missing) {
            desktop().MsgBox(QString::fromLatin1(r.message), MsgButtons::OK, MsgIcon::Information);
            r.control->setFocus();
            return false;
        }
    }
    return dateAccepted(cboMM, cboMD, cboMY) && dateAccepted(cboFM, cboFD, cboFY);
}

void frmMainNumerology::storeDates()
{
    MaleDay = cboMD->currentText().trimmed();
    MaleMonth = cboMM->currentText().trimmed();
    MaleYear = cboMY->currentText().trimmed();
    FemaleDay = cboFD->currentText().trimmed();
    FemaleMonth = cboFM->currentText().trimmed();
    FemaleYear = cboFY->currentText().trimmed();
}

void frmMainNumerology::showReading(const QString& title, const QString& displayHeading,
                                    const QString& documentHeading, int first, int second, const QString& text)
{
    const QString numbers = QString::number(first) + QStringLiteral(" + ") + QString::number(second);
    if (!ComprehensiveMode) {
        frmDisp& disp = forms::get<frmDisp>();
        disp.setCaption(title);
        disp.txtDisp->setText(displayHeading + numbers + CRLF + CRLF + text + CRLF + CRLF);
        disp.Show();
        return;
    }
    RichTextBox* rtb = forms::get<frmSaveDocumentNumerology>().RTB;
    rtb->setSelStart(rtb->TextLength());
    rtb->setSelBold(true);
    rtb->setSelText(documentHeading + numbers + CRLF + CRLF);
    rtb->setSelText(text + CRLF + CRLF);
    rtb->setSelBold(false);
    rtb->setSelText(CRLF + CRLF);
}

void frmMainNumerology::cmdLP_Click()
{
    if (!ValidateNumerologyInput())
        return;
    storeDates();
    MaleLifePath = SingleDigitNumber(MaleDay, MaleMonth, MaleYear);
    FemaleLifePath = SingleDigitNumber(FemaleDay, FemaleMonth, FemaleYear);
    LifePathKey = QString::number(MaleLifePath) + QString::number(FemaleLifePath);
    LifePathText = singleFigures(MaleLifePath, FemaleLifePath) ? GetNumberPairDescription(LifePathKey) : QString();
    showReading(QStringLiteral("LifePath Compatibility"), QStringLiteral("LifePath Compatibility Combination: "),
                QStringLiteral("LifePath Compatibility Number Combination is "), MaleLifePath, FemaleLifePath,
                LifePathText);
}

void frmMainNumerology::cmdD_Click()
{
    if (!ValidateNumerologyInput())
        return;
    MaleFullName = txtMF->text().trimmed() + txtMM->text().trimmed() + txtML->text().trimmed();
    FemaleFullName = txtFF->text().trimmed() + txtFM->text().trimmed() + txtFL->text().trimmed();
    MaleDestiny = StringToNumber(upperCaseName(MaleFullName));
    FemaleDestiny = StringToNumber(upperCaseName(FemaleFullName));
    DestinyKey = QString::number(MaleDestiny) + QString::number(FemaleDestiny);
    DestinyText = singleFigures(MaleDestiny, FemaleDestiny) ? GetNumberPairDescription(DestinyKey) : QString();
    showReading(QStringLiteral("Destiny Compatibility"), QStringLiteral("Destiny Compatibility Combination: "),
                QStringLiteral("Destiny Compatibility Combination is "), MaleDestiny, FemaleDestiny, DestinyText);
}

void frmMainNumerology::cmdCR_Click()
{
    if (!ValidateNumerologyInput())
        return;
    MaleFullName = txtMF->text().trimmed() + QLatin1Char(' ') + txtMM->text().trimmed() + QLatin1Char(' ') +
                   txtML->text().trimmed();
    FemaleFullName = txtFF->text().trimmed() + QLatin1Char(' ') + txtFM->text().trimmed() + QLatin1Char(' ') +
                     txtFL->text().trimmed();
    storeDates();

    struct ModeOff {
        bool& mode;
        ~ModeOff() { mode = false; }
    } modeOff{ComprehensiveMode};
    ComprehensiveMode = true;

    RichTextBox* rtb = forms::get<frmSaveDocumentNumerology>().RTB;
    const QString footer = ReportWindow::FooterText() + CRLF + CRLF;
    append(rtb, QStringLiteral("Male Information") + CRLF + QStringLiteral("Name: ") + MaleFullName + CRLF +
                    QStringLiteral("Date of Birth: ") + MaleMonth + QLatin1Char(' ') + MaleDay +
                    QStringLiteral(", ") + MaleYear + CRLF + CRLF);
    append(rtb, footer);
    append(rtb, QStringLiteral("Female Information") + CRLF + QStringLiteral("Name: ") + FemaleFullName + CRLF +
                    QStringLiteral("Date of Birth: ") + FemaleMonth + QLatin1Char(' ') + FemaleDay +
                    QStringLiteral(", ") + FemaleYear + CRLF + CRLF);
    append(rtb, footer);
    cmdLP_Click();
    cmdD_Click();
    ComprehensiveMode = false;
    forms::get<frmSaveDocumentNumerology>().Show();
}

void frmMainNumerology::cmdExit_Click()
{
    Unload();
}

void frmMainNumerology::cmdNav_Click(int)
{
    cmdExit_Click();
}

void frmMainNumerology::mnuLifePath_Click()
{
    cmdLP_Click();
}

void frmMainNumerology::mnuDestiny_Click()
{
    cmdD_Click();
}

void frmMainNumerology::mnuComprehensive_Click()
{
    cmdCR_Click();
}

void frmMainNumerology::mnuExit_Click()
{
    cmdExit_Click();
}

void frmMainNumerology::mnuOnline_Click()
{
    OpenHelpPage();
}

void frmMainNumerology::mnuVisit_Click()
{
    OpenHomePage();
}

void frmMainNumerology::mnuUpdate_Click()
{
    OpenUpdatePage();
}

void frmMainNumerology::mnuAbout_Click()
{
    ShowAboutBox();
}

void frmMainNumerology::Label61_Click()
{
    OpenHomePage();
}
