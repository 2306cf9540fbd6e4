#include "frmmainChinese.h"

#include "ChineseCalculation.h"
#include "frmchiness.h"

#include "ClickLabel.h"
#include "DateEntry.h"
#include "DateLists.h"
#include "Desktop.h"
#include "Forms.h"
#include "HelpMenu.h"
#include "LineBox.h"
#include "TextBox.h"
#include "TwipsLayout.h"
#include "modHelp.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <array>

using namespace platform;
namespace chinese = VorlaineChineseCompatibility;

namespace {

const QString Style = QStringLiteral(
    "frmmainChinese { background: #fbf1e4; }"
    "QWidget { font-family: Verdana; font-size: 9pt; }"
    "QGroupBox { font-weight: bold; color: #8b1a1a; border: 1px solid #d8b58a; border-radius: 4px;"
    " margin-top: 9px; background: #fffaf2; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }"
    "QGroupBox QLabel { font-weight: normal; color: #3b2a2a; }"
    "ClickLabel { color: #0000ff; text-decoration: underline; }"
    "QLabel#Label5_0 { color: #006400; }"
    "QLabel#Label5_1 { color: #ff0000; }"
    "QPushButton#cmdProceed { font-weight: bold; color: white; background: #b22222; border-radius: 4px;"
    " padding: 4px; }"
    "QPushButton#cmdProceed:hover { background: #c8392f; }");

chinese::PersonEntry entry(const QLineEdit* name, const QComboBox* day, const QComboBox* month,
                           const QComboBox* year)
{
    return {name->text().toStdString(), day->currentText().toStdString(), month->currentText().toStdString(),
            year->currentText().toStdString()};
}

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

frmmainChinese::frmmainChinese() : InputWindow(FormName)
{
    setCaption(QStringLiteral("Vorlaine Chinese Zodiac Compatibility"));
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(Style);

    QMenu* file = addMenu(QStringLiteral("&File"));
    mnuExit = file->addAction(QStringLiteral("E&xit"));
    AddHelpMenu(this);
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });

    Label1 = NewLinkLabel(QStringLiteral("Free love tests and Chinese astrology at ") + platform::SiteBaseAddress,
                          this, Qt::AlignCenter);
    Label2 = NewLinkLabel(QStringLiteral("Come and visit us online for more ways to test your love"), this,
                          Qt::AlignCenter);
    double y = 60;
    for (ClickLabel* l : {Label1, Label2}) {
        placeTwips(l, 120, y, 9360, 270);
        y += 290;
    }
    connect(Label1, &ClickLabel::clicked, this, [this] { Label1_Click(); });
    connect(Label2, &ClickLabel::clicked, this, [this] { Label2_Click(); });

    const QString notes[2] = {
        QStringLiteral("This program has been designed keeping in mind date settings according to MM/DD/YYYY format"),
        QStringLiteral("Please set your Regional and Language Settings to US English for proper working of this "
                       "software.")};
    for (int i = 0; i < 2; ++i) {
        Frame3[i] = new QGroupBox(this);
        placeTwips(Frame3[i], 120, 680 + i * 520, 9360, 460);
        Label5[i] = new QLabel(notes[i], Frame3[i]);
        Label5[i]->setObjectName(QStringLiteral("Label5_%1").arg(i));
        Label5[i]->setWordWrap(true);
        Label5[i]->setAlignment(Qt::AlignCenter);
        placeTwips(Label5[i], 120, 130, 9120, 300);
    }

    Frame1 = personFrame(QStringLiteral("Your Details"), 1760, Label3, txtMaleName, Label4, cboMaleMonth,
                         CboMaleDate, cboMaleYear);
    Frame2 = personFrame(QStringLiteral("Your Partner's Details"), 3140, Label6, txtFemaleName, Label7,
                         cboFemaleMonth, cboFemaleDate, cboFemaleYear);

    cmdProceed = new QPushButton(QStringLiteral("Get Our &Chinese Zodiac Compatibility"), this);
    cmdProceed->setObjectName(QStringLiteral("cmdProceed"));
    placeTwips(cmdProceed, 2580, 4600, 4440, 480);
    connect(cmdProceed, &QPushButton::clicked, this, [this] { cmdProceed_Click(); });

    setTabOrder(txtMaleName, cboMaleMonth);
    setTabOrder(cboMaleMonth, CboMaleDate);
    setTabOrder(CboMaleDate, cboMaleYear);
    setTabOrder(cboMaleYear, txtFemaleName);
    setTabOrder(txtFemaleName, cboFemaleMonth);
    setTabOrder(cboFemaleMonth, cboFemaleDate);
    setTabOrder(cboFemaleDate, cboFemaleYear);
    setTabOrder(cboFemaleYear, cmdProceed);

    setClientSizeTwips(9600, 5260);
}

QGroupBox* frmmainChinese::personFrame(const QString& title, double top, QLabel*& nameCaption, QLineEdit*& name,
                                       QLabel*& dateCaption, QComboBox*& month, QComboBox*& day, QComboBox*& year)
{
    auto* frame = new QGroupBox(title, this);
    placeTwips(frame, 120, top, 9360, 1260);
    nameCaption = new QLabel(QStringLiteral("Name"), frame);
    placeTwips(nameCaption, 240, 400, 1200, 300);
    name = new QLineEdit(frame);
    placeTwips(name, 1500, 370, 7560, 330);
    dateCaption = new QLabel(QStringLiteral("Birth Day"), frame);
    placeTwips(dateCaption, 240, 840, 1200, 300);
    month = new QComboBox(frame);
    placeTwips(month, 1500, 810, 2400, 330);
    day = new QComboBox(frame);
    placeTwips(day, 4020, 810, 1000, 330);
    year = new QComboBox(frame);
    placeTwips(year, 5140, 810, 1300, 330);
    for (QComboBox* c : {month, day, year})
        c->setMaxVisibleItems(12);
    return frame;
}

void frmmainChinese::Form_Load()
{
    FillNumberList(CboMaleDate, 1, 31);
    FillNumberList(cboFemaleDate, 1, 31);
    FillMonthList(cboMaleMonth);
    FillMonthList(cboFemaleMonth);
    FillNumberList(cboMaleYear, 1936, 2019);
    FillNumberList(cboFemaleYear, 1936, 2019);
    for (QComboBox* c : {CboMaleDate, cboMaleMonth, cboMaleYear, cboFemaleDate, cboFemaleMonth, cboFemaleYear})
        c->setCurrentIndex(0);
    InputWindow::Form_Load();
    txtMaleName->setFocus();
}

bool frmmainChinese::validateDate(QComboBox* month, QComboBox* day, QComboBox* year)
{
    return DateListsAccepted(month, day, year);
}

bool frmmainChinese::ValidateChineseInput()
{
    if (txtMaleName->text().isEmpty()) {
        desktop().MsgBox(QStringLiteral("Please enter your Name"), MsgButtons::OK, MsgIcon::Information);
        txtMaleName->setFocus();
        return false;
    }
    if (txtFemaleName->text().isEmpty()) {
        desktop().MsgBox(QStringLiteral("Please Enter Youe Partner's Name"), MsgButtons::OK, MsgIcon::Information);
        txtFemaleName->setFocus();
        return false;
    }
    return validateDate(cboMaleMonth, CboMaleDate, cboMaleYear) &&
           validateDate(cboFemaleMonth, cboFemaleDate, cboFemaleYear);
}

void frmmainChinese::cmdProceed_Click()
{
    if (!ValidateChineseInput())
        return;
    chinese::CalculateChineseMatch(entry(txtMaleName, CboMaleDate, cboMaleMonth, cboMaleYear),
                                   entry(txtFemaleName, cboFemaleDate, cboFemaleMonth, cboFemaleYear));
    writeResultWindow(forms::get<frmchiness>());
    forms::get<frmchiness>().Show();
    Unload();
    HideWelcomePanel();
}

void frmmainChinese::writeResultWindow(frmchiness& r)
{
    const chinese::State& s = chinese::state();
    // A frame title reads "&" as an access key; a typed name is shown as typed.
    auto title = [](const std::string& name) { return q(name).replace(QLatin1Char('&'), QStringLiteral("&&")); };
    r.Framale->setTitle(title(s.MaleName));
    r.Frafemale->setTitle(title(s.FemaleName));
    r.lblMaleChinesesign->setText(q(s.MaleChineseSign));
    r.lblFemaleChineseSign->setText(q(s.FemaleChineseSign));
    r.lblMaleChineseElements->setText(q(s.MaleChineseElement));
    r.lblFemaleChineseElements->setText(q(s.FemaleChineseElement));
    r.lblChinesePercentage->setText(q(s.ChinesePercentage));
    r.lblChineseRating->setText(q(s.ChineseRating));
    r.lblChineseCompatibilityNumber->setText(QString::number(s.ChineseCompatibilityNumber));

    // Record fields in their stored order, each into its box.
    const std::array<QWidget*, chinese::ChineseSignFieldCount> maleBoxes = {
        r.txtMaleRulingPlanet,       r.txtMalePositiveTraits,      r.txtMaleNegativeTraits,
        r.txtMaleMostCompatibleSign, r.txtMAleLeastCompatibleSign, r.txtMaleLuckycolour,
        r.txtMaleGemStone,           r.txtMaleEnergy,              r.txtMaleLuckySeasons,
        r.txtMaleLuckyMonth,         r.txtMaleFamousPersonBorn,    r.txtMaleWesternZodiacSign,
        r.txtMaleLuckyNumber};
    const std::array<QWidget*, chinese::ChineseSignFieldCount> femaleBoxes = {
        r.txtFemaleRulingPlanet,       r.txtFemalePositiveTraits,      r.txtFemaleNegativeTraits,
        r.txtFemaleMostCompatibleSign, r.txtFemaleLeastCompitibleSign, r.txtFemaleLuckycolour,
        r.txtFemaleGemStone,           r.txtFemaleEnergy,              r.txtFemaleLuckySeasons,
        r.txtFemaleLuckyMonth,         r.txtFemaleFamousPerson,        r.txtFemaleWesternZodiacSign,
        r.txtFemaleLuckyNumber};
    // A record without fields leaves its boxes empty.
    auto fill = [&](const std::array<QWidget*, chinese::ChineseSignFieldCount>& boxes,
                    const chinese::ChineseSignInfo& info) {
        for (std::size_t i = 0; i < boxes.size(); ++i)
            if (i < info.size())
                SetBoxText(boxes[i], q(info[i]));
    };
    fill(maleBoxes, s.MaleSignInfo);
    r.txtMaleElementDescription->setText(q(s.MaleElementDescription));
    fill(femaleBoxes, s.FemaleSignInfo);
    r.txtFemaleelementDescription->setText(q(s.FemaleElementDescription));
    r.txtMatchingDescription->setText(q(s.MatchingDescription));
    r.lblMatchingDescription->setText(QStringLiteral("Compatibility Of ") + r.lblMaleChinesesign->text() +
                                      QStringLiteral(" With  ") + r.lblFemaleChineseSign->text() +
                                      QStringLiteral(" :-"));

    // The partner's picture first; a sign without a picture keeps the first one.
    auto choose = [&](LineBox* westernSign, QLabel* picture) {
        const QString key = westernSign->Text().trimmed();
        for (int i = 1; i <= r.IMG.Count(); ++i) {
            if (r.IMG.Key(i) == key) {
                picture->setPixmap(r.IMG.Picture(i));
                break;
            }
        }
    };
    choose(r.txtFemaleWesternZodiacSign, r.YourPartnerPicture);
    choose(r.txtMaleWesternZodiacSign, r.YourPicture);
}

void frmmainChinese::Label1_Click()
{
    OpenHomePage();
}

void frmmainChinese::Label2_Click()
{
    OpenHomePage();
}

void frmmainChinese::mnuExit_Click()
{
    Unload();
}

void frmmainChinese::mnuOnline_Click()
{
    OpenHelpPage();
}

void frmmainChinese::mnuVisit_Click()
{
    OpenHomePage();
}

void frmmainChinese::mnuUpdate_Click()
{
    OpenUpdatePage();
}

void frmmainChinese::mnuAbout_Click()
{
    ShowAboutBox();
}
