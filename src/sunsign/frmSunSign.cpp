#include "frmSunSign.h"

#include "frmMainZodiac.h"
#include "frmSaveZodiac.h"
#include "modSunSign.h"

#include "ClickLabel.h"
#include "ControlLook.h"
#include "Desktop.h"
#include "FramedGroupBox.h"
#include "Forms.h"
#include "HelpMenu.h"
#include "TabStrip.h"
#include "ElidingLabel.h"
#include "LineBox.h"
#include "TextBox.h"
#include "Twips.h"
#include "TwipsLayout.h"
#include "modHelp.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QPushButton>

using platform::pixelsToTwipsY;
using platform::twipsToPixelsX;
using platform::twipsToPixelsY;

namespace {

const QColor Background(0xfd, 0xf3, 0xe7);
const QColor Wine(0x7a, 0x1f, 0x3d);
const QColor Ink(0x3b, 0x2a, 0x2a);

// The frames' border, filling and title; the rest is set on the controls.
const QString FrameLook = FramedGroupBox::RoundedLook(9, QColor(0xd9, 0xb3, 0x8c), QColor(0xff, 0xfa, 0xf3));

// One control's font and colours; run again once its name or role is set.
void applyLook(QWidget* w)
{
    if (qobject_cast<QGroupBox*>(w)) {
        setFontLook(w, true);
    } else if (qobject_cast<QPlainTextEdit*>(w) || qobject_cast<LineBox*>(w)) {
        setTextBoxLook(w);
    } else if (qobject_cast<QLabel*>(w)) {
        const QString name = w->objectName();
        if (name == QLatin1String("lblMatchPercentage")) {
            setFontLook(w, true, 15);
            setForeground(w, Wine);
        } else if (name == QLatin1String("lblMatchComment")) {
            setFontLook(w, true, 12);
            setForeground(w, QColor(0xb0, 0x30, 0x5a));
        } else if (name == QLatin1String("lblMatchSunSigns")) {
            setFontLook(w, true, 10);
            setForeground(w, Ink);
        } else if (name == QLatin1String("lblNameM") || name == QLatin1String("lblNameF") ||
                   name == QLatin1String("lblSunSignM") || name == QLatin1String("lblSunSignF")) {
            setFontLook(w, true, 10);
            setForeground(w, Wine);
        } else if (w->property("link").toBool()) {
            setFontLook(w, false, 0, true);
            setForeground(w, QColor(0, 0, 0xcc));
        } else {
            setFontLook(w, false);
            setForeground(w, Ink);
        }
    } else if (qobject_cast<QGroupBox*>(w->parentWidget())) {
        setFontLook(w, false); // a frame's bold is its title's alone
    }
}

constexpr int PicturePx = 100;

} // namespace

frmSunSign::frmSunSign() : ResultWindow(FormName)
{
    setCaption(QStringLiteral("Vorlaine Zodiac Compatibility"));
    setWindowFont(this, "Verdana", 9);
    QWidget* body = this;

    QMenu* file = addMenu(QStringLiteral("&File"));
    mnuBack = file->addAction(QStringLiteral("&Back"));
    mnuExit = file->addAction(QStringLiteral("E&xit"));
    AddHelpMenu(this);
    connect(mnuBack, &QAction::triggered, this, [this] { mnuBack_Click(); });
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });

    TS = new TabStrip(body);
    TS->setObjectName(QStringLiteral("TS"));
    TS->addTab(QStringLiteral("Zodiac Compatibility"));
    TS->addTab(QStringLiteral("Your Zodiac Details"));
    TS->addTab(QStringLiteral("Your Partner's Zodiac Details"));
    placeTwips(TS, 120, 60, 10260, 400);
    connect(TS, &TabStrip::Click, this, [this] { TS_Click(); });

    IMG = SignImageList(PicturePx);

    // Page 1: the pair.
    Frame3 = new FramedGroupBox(QStringLiteral("Zodiac Compatibility"), body, FrameLook, Wine);
    placeTwips(Frame3, 120, 460, 10260, 7260);
    lblMatchPercentage = new QLabel(Frame3);
    lblMatchPercentage->setObjectName(QStringLiteral("lblMatchPercentage"));
    lblMatchPercentage->setAlignment(Qt::AlignCenter);
    placeTwips(lblMatchPercentage, 240, 330, 9780, 500);
    lblMatchComment = new QLabel(Frame3);
    lblMatchComment->setObjectName(QStringLiteral("lblMatchComment"));
    lblMatchComment->setAlignment(Qt::AlignCenter);
    lblMatchComment->setWordWrap(true);
    placeTwips(lblMatchComment, 240, 850, 9780, 420);
    Image1 = new QLabel(Frame3);
    Image1->setPixmap(DefaultSignPicture(PicturePx));
    Image1->setAlignment(Qt::AlignCenter);
    placeTwips(Image1, 600, 1350, 1560, 1560);
    Image2 = new QLabel(Frame3);
    Image2->setPixmap(DefaultSignPicture(PicturePx));
    Image2->setAlignment(Qt::AlignCenter);
    placeTwips(Image2, 8100, 1350, 1560, 1560);
    lblMatchSunSigns = new QLabel(Frame3);
    lblMatchSunSigns->setObjectName(QStringLiteral("lblMatchSunSigns"));
    lblMatchSunSigns->setAlignment(Qt::AlignCenter);
    lblMatchSunSigns->setWordWrap(true);
    placeTwips(lblMatchSunSigns, 2280, 1900, 5700, 480);
    lblMatchDescription = new QLabel(Frame3);
    lblMatchDescription->setObjectName(QStringLiteral("lblMatchDescription"));
    lblMatchDescription->setWordWrap(true);
    lblMatchDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMatchDescription->setTextInteractionFlags(Qt::TextSelectableByMouse);
    placeTwips(lblMatchDescription, 360, 3000, 9540, 3300);
    lblHyperlink = NewLinkLabel(QStringLiteral("Visit ") + platform::SiteBaseAddress
                                + QStringLiteral(" For More Information."), Frame3);
    placeTwips(lblHyperlink, 360, 6740, 6800, 300);
    connect(lblHyperlink, &ClickLabel::clicked, this, [this] { lblHyperlink_Click(); });
    cmdSave = new QPushButton(QStringLiteral("&Save"), Frame3);
    placeTwips(cmdSave, 8520, 6660, 1380, 440);
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });

    // Pages 2 and 3: one person each.
    personM_ = {&fraUserM, &picSunSignM, &lblNameM, &lblDOBDescM, &lblDOBM, &lblSunSignM, &fraSunSignM,
                {&txtElementM, &txtRulingPlanetM, &txtLuckyNumberM, &txtLuckyColorM, &txtLuckyDayM,
                 &txtCompatibilityM, &txtBirthStoneM, &txtQualityM},
                {&txtPositiveTraitsM, &txtNegativeTraitsM, &txtFamousPersonsM}, {}};
    personF_ = {&fraUserF, &picSunSignF, &lblNameF, &lblDOBDescF, &lblDOBF, &lblSunSignF, &fraSunSignF,
                {&txtElementF, &txtRulingPlanetF, &txtLuckyNumberF, &txtLuckyColorF, &txtLuckyDayF,
                 &txtCompatibilityF, &txtBirthStoneF, &txtQualityF},
                {&txtPositiveTraitsF, &txtNegativeTraitsF, &txtFamousPersonsF}, {}};
    Frame1 = buildPersonPage(body, QStringLiteral("Your Zodiac Sign Details"), QStringLiteral("Your Sun Sign"),
                             QStringLiteral("Your Date of Birth"), QStringLiteral("Your Zodiac Sign"), personM_);
    Frame2 = buildPersonPage(body, QStringLiteral("Your Partner's Zodiac Sign Details"),
                             QStringLiteral("Your Partner's Sun Sign"), QStringLiteral("Your Partner's Date of Birth"),
                             QStringLiteral("Your Partner's Zodiac Sign"), personF_);
    lblNameM->setObjectName(QStringLiteral("lblNameM"));
    lblNameF->setObjectName(QStringLiteral("lblNameF"));
    lblSunSignM->setObjectName(QStringLiteral("lblSunSignM"));
    lblSunSignF->setObjectName(QStringLiteral("lblSunSignF"));
    TS->setPages({Frame3, Frame1, Frame2});

    cmdBack = new QPushButton(QStringLiteral("&Back"), body);
    placeTwips(cmdBack, 120, 7820, 1300, 420);
    connect(cmdBack, &QPushButton::clicked, this, [this] { cmdBack_Click(); });
    Label24 = NewLinkLabel(QStringLiteral("Talk about your matches in the Vorlaine love and astrology forum"), body);
    Label24->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    placeTwips(Label24, 1600, 7880, 8780, 300);
    connect(Label24, &ClickLabel::clicked, this, [this] { Label24_Click(); });

    for (QWidget* w : findChildren<QWidget*>())
        if (!w->isWindow())
            applyLook(w);
    setClientSizeTwips(10500, 8360);
}

void frmSunSign::paintEvent(QPaintEvent*)
{
    // Only the window's own background: its controls keep their colours.
    QPainter(this).fillRect(rect(), Background);
}

QGroupBox* frmSunSign::buildPersonPage(QWidget* body, const QString& title, const QString& detailsTitle,
                                       const QString& dobCaption, const QString& signCaption,
                                       PersonWidgets& w)
{
    auto* page = new FramedGroupBox(title, body, FrameLook, Wine);
    applyLook(page);
    placeTwips(page, 120, 460, 10260, 7260);

    auto* user = new FramedGroupBox(QStringLiteral("Welcome"), page, FrameLook, Wine);
    applyLook(user);
    placeTwips(user, 240, 330, 3000, 6690);
    *w.fraUser = user;
    auto* pic = new QLabel(user);
    pic->setPixmap(DefaultSignPicture(PicturePx));
    pic->setAlignment(Qt::AlignCenter);
    placeTwips(pic, 600, 420, 1800, 1800);
    *w.picSunSign = pic;
    auto centred = [user](double top, double height) {
        auto* l = new QLabel(user);
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        placeTwips(l, 120, top, 2760, height);
        return l;
    };
    auto* name = new ElidingLabel(user);
    name->setAlignment(Qt::AlignCenter);
    name->setWordWrap(true);
    placeTwips(name, 120, 2400, 2760, 600);
    *w.lblName = name;
    *w.lblDOBDesc = centred(3150, 300);
    (*w.lblDOBDesc)->setText(dobCaption);
    *w.lblDOB = centred(3450, 300);
    auto* signCap = centred(4000, 300);
    signCap->setText(signCaption);
    *w.lblSunSign = centred(4300, 400);

    auto* details = new FramedGroupBox(detailsTitle, page, FrameLook, Wine);
    applyLook(details);
    placeTwips(details, 3360, 330, 6660, 6690);
    *w.fraSunSign = details;
    // Rows in pixels: a one-line box is as high as its text needs, a prose box
    // shows whole lines, and each caption sits level with its box's first line.
    struct Row {
        const char* caption;
        int lines; // 0: a one-line box
    };
    static const Row rows[11] = {
        {"Element", 0},        {"Ruling Planet", 0}, {"Positive Traits", 5}, {"Negative Traits", 5},
        {"Lucky Number", 0},   {"Lucky Color", 0},   {"Lucky Day", 0},       {"Compatibility", 0},
        {"Famous Personalities Born Under this Sign", 3}, {"BirthStone", 0}, {"Quality", 0}};
    const int boxLeft = twipsToPixelsX(2200), boxWidth = twipsToPixelsX(4300);
    const int capLeft = twipsToPixelsX(150), capWidth = twipsToPixelsX(2000);
    int y = twipsToPixelsY(300);
    std::size_t line = 0, prose = 0;
    for (std::size_t i = 0; i < 11; ++i) {
        QWidget* box = nullptr;
        int oneLine = 0, height = 0;
        if (rows[i].lines > 0) {
            auto* b = *w.prose.at(prose++) = new TextBox(details, true);
            applyLook(b);
            oneLine = b->HeightForLines(1);
            height = b->HeightForLines(rows[i].lines);
            box = b;
        } else {
            auto* b = *w.lines.at(line++) = new LineBox(details);
            applyLook(b);
            oneLine = height = b->OneLineHeight();
            box = b;
        }
        box->setGeometry(boxLeft, y, boxWidth, height);
        w.boxes.at(i) = box;
        auto* cap = new QLabel(QString::fromLatin1(rows[i].caption), details);
        applyLook(cap);
        cap->setWordWrap(true);
        const int capHeight = cap->heightForWidth(capWidth);
        if (capHeight <= oneLine) {
            // One line: centred on the box's first line.
            cap->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            cap->setGeometry(capLeft, y, capWidth, oneLine);
        } else {
            // Several lines: the first level with the box's first line.
            cap->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            cap->setGeometry(capLeft, y + (oneLine - cap->fontMetrics().height()) / 2, capWidth, capHeight);
        }
        y += std::max(height, capHeight) + 5;
    }
    return page;
}

void frmSunSign::fillPerson(const PersonWidgets& w, const std::string& sign, const std::string& name,
                            const QString& dob, QLabel* matchPicture)
{
    using modSunSign::state;
    modSunSign::LoadSunSignDetails(sign);
    const auto& d = state().SunSignDetails;
    const std::string* fields[11] = {&d.Element,      &d.RulingPlanet,  &d.PositiveTraits, &d.NegativeTraits,
                                     &d.LuckyNumber,  &d.LuckyColor,    &d.LuckyDay,       &d.Compatibility,
                                     &d.FamousPersons, &d.BirthStone,   &d.Quality};
    for (int i = 0; i < 11; ++i)
        SetBoxText(w.boxes.at(i), QString::fromStdString(*fields[i]));
    (*w.lblName)->setText(QString::fromStdString(name));
    (*w.lblDOB)->setText(dob);
    const QString s = QString::fromStdString(sign);
    (*w.lblSunSign)->setText(s);
    (*w.fraSunSign)->setTitle(s);
    for (int i = 1; i <= IMG.Count(); ++i) {
        if (IMG.Key(i) == s) {
            (*w.picSunSign)->setPixmap(IMG.Picture(i));
            matchPicture->setPixmap(IMG.Picture(i));
            break;
        }
    }
}

void frmSunSign::Form_Load()
{
    const auto& s = modSunSign::state();
    auto q = [](const std::string& t) { return QString::fromStdString(t); };
    fillPerson(personM_, s.SunSignM, s.NameM, q(s.MonthM) + " " + q(s.DateM) + ", " + q(s.YearM), Image1);
    fillPerson(personF_, s.SunSignF, s.NameF, q(s.MonthF) + " " + q(s.DateF) + ", " + q(s.YearF), Image2);
    modSunSign::FindSunSignPairMatch();
    if (s.ZodiacMatchPercentage.empty())
        lblMatchPercentage->setText("Compatibility Of " + q(s.SunSignM) + " With " + q(s.SunSignF));
    else
        lblMatchPercentage->setText("You Have A Match Of " + q(s.ZodiacMatchPercentage));
    lblMatchComment->setText(q(s.ZodiacMatchComment));
    lblMatchSunSigns->setText("Zodiac Compatibility: " + q(s.SunSignM) + " And " + q(s.SunSignF));
    lblMatchDescription->setText(q(s.ZodiacMatchDescription));
    TS->setSelectedItem(1);
    TS->BringSelectedToFront();
    CentreOnScreenTop();
}

void frmSunSign::TS_Click()
{
    TS->BringSelectedToFront();
}

void frmSunSign::cmdBack_Click()
{
    forms::get<frmMainZodiac>().Show();
    Unload();
    HideWelcomePanel();
}

void frmSunSign::cmdSave_Click()
{
    forms::get<frmSaveZodiac>().ShowModal();
}

void frmSunSign::mnuBack_Click()
{
    cmdBack_Click();
}

void frmSunSign::mnuExit_Click()
{
    Unload();
}

void frmSunSign::mnuOnline_Click()
{
    OpenHelpPage();
}

void frmSunSign::mnuVisit_Click()
{
    OpenHomePage();
}

void frmSunSign::mnuUpdate_Click()
{
    OpenUpdatePage();
}

void frmSunSign::mnuAbout_Click()
{
    ShowAboutBox();
}

void frmSunSign::lblHyperlink_Click()
{
    OpenHomePage();
}

void frmSunSign::Label24_Click()
{
    OpenHomePage();
}
