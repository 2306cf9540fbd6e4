#include "frmMoonSign.h"

#include "frmMainMoonSigncompatibility.h"
#include "frmSaveMoonSign.h"
#include "MoonSignRules.h"
#include "modMoonsign.h"

#include "ClickLabel.h"
#include "ControlLook.h"
#include "Desktop.h"
#include "FramedGroupBox.h"
#include "Forms.h"
#include "HelpMenu.h"
#include "TabStrip.h"
#include "TextBox.h"
#include "TwipsLayout.h"
#include "modHelp.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QPushButton>

namespace {

const QColor Background(0xee, 0xf0, 0xfa);
const QColor Navy(0x2c, 0x34, 0x70);
const QColor Claret(0x8a, 0x15, 0x38);

// The frames' border, filling and title; the rest is set on the controls.
const QString FrameLook = FramedGroupBox::RoundedLook(9, QColor(0xa9, 0xb0, 0xd6), QColor(0xf8, 0xf9, 0xff));

void applyLook(QWidget* w)
{
    if (qobject_cast<QGroupBox*>(w)) {
        setFontLook(w, true);
    } else if (qobject_cast<QPlainTextEdit*>(w)) {
        setTextBoxLook(w);
    } else if (qobject_cast<QLabel*>(w)) {
        const QString name = w->objectName();
        if (name == QLatin1String("Label2")) {
            setFontLook(w, true, 12);
            setForeground(w, Navy);
        } else if (name == QLatin1String("Label1") || name == QLatin1String("Label3")) {
            setFontLook(w, true);
            setForeground(w, Navy);
        } else if (name == QLatin1String("lblPercentage")) {
            setFontLook(w, true, 20);
            setForeground(w, Claret);
        } else if (name == QLatin1String("lblComment")) {
            setFontLook(w, true, 12);
            setForeground(w, Claret);
        } else if (w->property("link").toBool()) {
            setFontLook(w, false, 0, true);
            setForeground(w, QColor(0, 0, 0xcc));
        } else {
            setFontLook(w, false);
            setForeground(w, QColor(0x24, 0x28, 0x3f));
        }
    } else if (qobject_cast<QGroupBox*>(w->parentWidget())) {
        setFontLook(w, false); // a frame's bold is its title's alone
    }
}

constexpr int SignPicturePx = 96;
constexpr int DecorationPx = 72;

} // namespace

frmMoonSign::frmMoonSign() : ResultWindow(FormName)
{
    setCaption(QStringLiteral("Vorlaine Moon Sign Compatibility"));
    setWindowFont(this, "Verdana", 9);

    QMenu* file = addMenu(QStringLiteral("&File"));
    mnuPrint = file->addAction(QStringLiteral("Print"));
    mnuBack = file->addAction(QStringLiteral("&Back"));
    mnuExit = file->addAction(QStringLiteral("Exit"));
    AddHelpMenu(this);
    connect(mnuPrint, &QAction::triggered, this, [this] { mnuPrint_Click(); });
    connect(mnuBack, &QAction::triggered, this, [this] { mnuBack_Click(); });
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });

    imgMaleMoonSign = SignImageList(SignPicturePx);

    cmdBirthDetails = new QPushButton(QStringLiteral("Birth Details"), this);
    placeTwips(cmdBirthDetails, 120, 120, 2400, 420);
    cmdMoonCompatibilityAnalysis = new QPushButton(QStringLiteral("Moon Sign Compatibility Analysis"), this);
    placeTwips(cmdMoonCompatibilityAnalysis, 2640, 120, 3900, 420);
    connect(cmdBirthDetails, &QPushButton::clicked, this, [this] { cmdBirthDetails_Click(); });
    connect(cmdMoonCompatibilityAnalysis, &QPushButton::clicked, this,
            [this] { cmdMoonCompatibilityAnalysis_Click(); });

    // Page 1: both persons.
    Frame1 = new FramedGroupBox(QStringLiteral("Personal Details"), this, FrameLook, Navy);
    placeTwips(Frame1, 120, 640, 10260, 6240);
    fraUserM = buildPerson(Frame1, QStringLiteral("Your Moon Sign"), 180,
                           {&picMaleMoonSign,
                            {&lblNameM, &lblDOBM, &lblTOBM, &lblCityM, &lblStateM, &lblCountryM, &lblMoonM},
                            {&txtUserM, &txtDOBM, &txtTOBM, &txtCityM, &txtStateM, &txtCountryM, &txtMoonM}});
    fraUserF = buildPerson(Frame1, QStringLiteral("Your Partner's Moon Sign"), 5190,
                           {&picFemaleMoonSign,
                            {&lblNameF, &lblDOBF, &lblTOBF, &lblCityF, &lblStateF, &lblCountryF, &lblMoonF},
                            {&txtUserF, &txtDOBF, &txtTOBF, &txtCityF, &txtStateF, &txtCountryF, &txtMoonF}});

    // Names and places are as long as typed; a box too narrow shows its
    // whole text in a tool tip.
    for (TextBox* box : {txtUserM, txtCityM, txtStateM, txtCountryM, txtUserF, txtCityF, txtStateF, txtCountryF})
        box->setWholeTextTip(true);

    // Page 2: the pair.
    Frame2 = new FramedGroupBox(QStringLiteral("Moon Sign Compatibility Interpretation"), this, FrameLook, Navy);
    placeTwips(Frame2, 120, 640, 10260, 6240);
    Picture1 = new QLabel(Frame2);
    Picture1->setPixmap(ImageList::Render(QStringLiteral(":/icons/moonsign.svg"), DecorationPx));
    Picture1->setAlignment(Qt::AlignCenter);
    placeTwips(Picture1, 240, 360, 1200, 1200);
    Picture2 = new QLabel(Frame2);
    Picture2->setPixmap(ImageList::Render(QStringLiteral(":/icons/moonsign.svg"), DecorationPx));
    Picture2->setAlignment(Qt::AlignCenter);
    placeTwips(Picture2, 8820, 360, 1200, 1200);
    Label2 = new QLabel(Frame2);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    placeTwips(Label2, 1560, 360, 7140, 400);
    Label1 = new QLabel(QStringLiteral("Percentage Of Compatibility"), Frame2);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    placeTwips(Label1, 1560, 820, 7140, 300);
    lblPercentage = new QLabel(Frame2);
    lblPercentage->setObjectName(QStringLiteral("lblPercentage"));
    lblPercentage->setAlignment(Qt::AlignCenter);
    placeTwips(lblPercentage, 1560, 1140, 7140, 560);
    lblComment = new QLabel(Frame2);
    lblComment->setObjectName(QStringLiteral("lblComment"));
    lblComment->setAlignment(Qt::AlignCenter);
    placeTwips(lblComment, 1560, 1720, 7140, 400);
    Label3 = new QLabel(QStringLiteral("Detailed Analysis"), Frame2);
    Label3->setObjectName(QStringLiteral("Label3"));
    placeTwips(Label3, 240, 2240, 9780, 300);
    lblDescription = new QLabel(Frame2);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDescription->setTextInteractionFlags(Qt::TextSelectableByMouse);
    placeTwips(lblDescription, 240, 2580, 9780, 3150);
    Label5 = NewLinkLabel(QStringLiteral("For a detailed reading of your moon signs, visit ")
                          + platform::SiteBaseAddress,
                       Frame2);
    placeTwips(Label5, 240, 5820, 9780, 300);
    connect(Label5, &ClickLabel::clicked, this, [this] { Label5_Click(); });

    cmdPrint = new QPushButton(QStringLiteral("&Print"), this);
    placeTwips(cmdPrint, 120, 7000, 1300, 420);
    cmdBack = new QPushButton(QStringLiteral("&Back"), this);
    placeTwips(cmdBack, 1540, 7000, 1300, 420);
    connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(cmdBack, &QPushButton::clicked, this, [this] { cmdBack_Click(); });
    Label61 = NewLinkLabel(QStringLiteral("More free love tests at ") + platform::SiteHostName, this);
    Label61->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    placeTwips(Label61, 3000, 7060, 7380, 300);
    connect(Label61, &ClickLabel::clicked, this, [this] { Label61_Click(); });

    for (QWidget* w : findChildren<QWidget*>())
        if (!w->isWindow())
            applyLook(w);
    bringToFront(Frame2);
    setClientSizeTwips(10500, 7540);
}

void frmMoonSign::paintEvent(QPaintEvent*)
{
    // Only the window's own background: its controls keep their colours.
    QPainter(this).fillRect(rect(), Background);
}

QGroupBox* frmMoonSign::buildPerson(QWidget* page, const QString& title, double left, const PersonWidgets& w)
{
    auto* frame = new FramedGroupBox(title, page, FrameLook, Navy);
    placeTwips(frame, left, 330, 4890, 5760);
    auto* pic = new QLabel(frame);
    pic->setPixmap(DefaultSignPicture(SignPicturePx));
    pic->setAlignment(Qt::AlignCenter);
    placeTwips(pic, 1545, 300, 1800, 1560);
    *w.picture = pic;
    static const char* const captions[7] = {"Name", "Date of Birth", "Time Of Birth", "City",
                                            "State", "Country", "Moon Sign"};
    double y = 2000;
    for (std::size_t i = 0; i < 7; ++i) {
        auto* l = new QLabel(QString::fromLatin1(captions[i]), frame);
        placeTwips(l, 150, y + 30, 1450, 300);
        *w.labels[i] = l;
        auto* box = new TextBox(frame);
        placeTwips(box, 1620, y, 3090, 330);
        *w.boxes[i] = box;
        y += 510;
    }
    return frame;
}

void frmMoonSign::setSignPicture(QLabel* picture, const std::string& sign)
{
    // Pictures are numbered alphabetically; a name that is no sign changes nothing.
    for (int i = 1; i <= imgMaleMoonSign.Count(); ++i) {
        if (imgMaleMoonSign.Key(i) == QString::fromStdString(sign)) {
            picture->setPixmap(imgMaleMoonSign.Picture(i));
            return;
        }
    }
}

void frmMoonSign::Form_Load()
{
    const auto& s = moonsign::state();
    CentreOnScreenTop();
    bringToFront(Frame2);
    setSignPicture(picMaleMoonSign, s.MaleMoonSign);
    setSignPicture(picFemaleMoonSign, s.FemaleMoonSign);
    Label2->setText(QStringLiteral("Compatibility of  ") + QString::fromStdString(s.MaleMoonSign) +
                    QStringLiteral(" With ") + QString::fromStdString(s.FemaleMoonSign));
    modMoonsign::LoadMoonSignTables();
    auto& pair = moonsign::state();
    auto& tables = modMoonsign::state();
    const std::string key = s.MaleMoonSign + "-" + s.FemaleMoonSign;
    for (std::size_t i = 0; i < 12; ++i) {
        for (std::size_t j = 0; j < 12; ++j) {
            if (tables.MoonPairKey[i][j] != key)
                continue;
            pair.PairDescription = tables.MoonPairText[i][j];
            pair.PairScore = tables.MoonPairScore[i][j];
            pair.PairPercentage = modMoonsign::ScoreToPercentage(pair.PairScore);
            tables.PairComment = modMoonsign::ScoreToComment(pair.PairScore);
        }
    }
    lblPercentage->setText(QString::fromStdString(s.PairPercentage));
    lblComment->setText(QString::fromStdString(modMoonsign::state().PairComment));
    lblDescription->setText(QString::fromStdString(s.PairDescription));
}

void frmMoonSign::bringToFront(QGroupBox* page)
{
    TabStrip::BringToFront({Frame1, Frame2}, page);
}

void frmMoonSign::cmdBirthDetails_Click()
{
    bringToFront(Frame1);
}

void frmMoonSign::cmdMoonCompatibilityAnalysis_Click()
{
    bringToFront(Frame2);
}

void frmMoonSign::cmdPrint_Click()
{
    forms::get<frmSaveMoonSign>().ShowModal();
}

void frmMoonSign::cmdBack_Click()
{
    forms::get<frmMainMoonSigncompatibility>().Show();
    Unload();
    HideWelcomePanel();
}

void frmMoonSign::mnuPrint_Click()
{
    cmdPrint_Click();
}

void frmMoonSign::mnuBack_Click()
{
    cmdBack_Click();
}

void frmMoonSign::mnuExit_Click()
{
    ShowWelcomePanel();
    Unload();
}

void frmMoonSign::mnuOnline_Click()
{
    OpenHelpPage();
}

void frmMoonSign::mnuVisit_Click()
{
    OpenHomePage();
}

void frmMoonSign::mnuUpdate_Click()
{
    OpenUpdatePage();
}

void frmMoonSign::mnuAbout_Click()
{
    ShowAboutBox();
}

void frmMoonSign::Label5_Click()
{
    OpenHomePage();
}

void frmMoonSign::Label61_Click()
{
    OpenHomePage();
}
