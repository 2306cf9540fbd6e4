#include "frmchiness.h"

#include "frmSaveChinese.h"
#include "frmmainChinese.h"

#include "ClickLabel.h"
#include "ControlLook.h"
#include "Desktop.h"
#include "FramedGroupBox.h"
#include "Forms.h"
#include "HelpMenu.h"
#include "LineBox.h"
#include "TabStrip.h"
#include "TextBox.h"
#include "TwipsLayout.h"
#include "modHelp.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QPushButton>

const std::array<ChineseImage, 12> ChineseImages = {{
    {"Aquarius", "Tiger"},
    {"Aries", "Dragon"},
    {"Cancer", "Goat"},
    {"Capricorn", "Ox"},
    {"Gemini", "Horse"},
    {"Leo", "Monkey"},
    {"Libra", "Dog"},
    {"Pisces", "Rabbit"},
    {"Sagittarius", "Rat"},
    {"Scorpio", "Pig"},
    {"Taurus", "Snake"},
    {"Virgo", "Rooster"},
}};

ImageList ChineseImageList(int size)
{
    ImageList list;
    for (const ChineseImage& image : ChineseImages) {
        const QString path = QStringLiteral(":/chinese/%1.svg").arg(QLatin1String(image.animal));
        list.Add(QLatin1String(image.key), path, QSize(size, size));
    }
    return list;
}

namespace {

const QColor Background(0xfb, 0xf1, 0xe4);

// The frames' border, filling and title; the rest is set on the controls.
const QColor FrameTitle(0x8b, 0x1a, 0x1a);
const QString FrameLook = FramedGroupBox::RoundedLook(9, QColor(0xd8, 0xb5, 0x8a), QColor(0xff, 0xfa, 0xf2));

void applyLook(QWidget* window)
{
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->isWindow())
            continue;
        if (qobject_cast<QGroupBox*>(w)) {
            setFontLook(w, true);
        } else if (qobject_cast<QPlainTextEdit*>(w) || qobject_cast<LineBox*>(w)) {
            setTextBoxLook(w);
        } else if (qobject_cast<QLabel*>(w)) {
            setFontLook(w, false);
            setForeground(w, QColor(0x3b, 0x2a, 0x2a));
            if (w->property("value").toBool()) {
                setFontLook(w, true);
                setForeground(w, Qt::blue);
            } else if (w->property("animal").toBool()) {
                setFontLook(w, true, 13);
                setForeground(w, QColor(0x80, 0, 0));
            } else if (w->property("picture").toBool()) {
                w->setStyleSheet(QStringLiteral("background: #ffffff; border: 1px solid #d8b58a;"));
            } else if (w->objectName() == QLatin1String("lblMatchingDescription")) {
                setFontLook(w, true, 10);
                setForeground(w, QColor(0x80, 0, 0));
            } else if (qobject_cast<ClickLabel*>(w)) {
                setFontLook(w, false, 0, true);
                setForeground(w, QColor(0x80, 0, 0));
            }
        }
    }
}

constexpr int PicturePx = 200;

QLabel* label(const QString& text, QWidget* parent, double left, double top, double width, double height)
{
    auto* l = new QLabel(text, parent);
    placeTwips(l, left, top, width, height);
    return l;
}

QLabel* valueLabel(QWidget* parent, double left, double top, double width, double height)
{
    QLabel* l = label({}, parent, left, top, width, height);
    l->setProperty("value", true);
    return l;
}

} // namespace

frmchiness::frmchiness() : ResultWindow(FormName)
{
    setCaption(QStringLiteral("Vorlaine Chinese Zodiac Compatibility"));
    setWindowFont(this, "Verdana", 9);

    QMenu* file = addMenu(QStringLiteral("&File"));
    mnuBack = file->addAction(QStringLiteral("&Back"));
    file->addSeparator();
    mnuPrint = file->addAction(QStringLiteral("&Print"));
    file->addSeparator();
    mnuExit = file->addAction(QStringLiteral("E&xit"));
    HelpCaptions help;
    help.update = QStringLiteral("Check For Software &Update");
    AddHelpMenu(this, help);
    connect(mnuBack, &QAction::triggered, this, [this] { mnuBack_Click(); });
    connect(mnuPrint, &QAction::triggered, this, [this] { mnuPrint_Click(); });
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });

    Label1 = NewLinkLabel(QStringLiteral("More free love tests and Chinese astrology at ") + platform::SiteBaseAddress,
                          this, Qt::AlignCenter);
    placeTwips(Label1, 120, 60, 11760, 300);
    connect(Label1, &ClickLabel::clicked, this, [this] { Label1_Click(); });

    SSTab = new TabStrip(this);
    SSTab->setObjectName(QStringLiteral("SSTab"));
    SSTab->addTab(QStringLiteral("Chinese Compatibility  "));
    SSTab->addTab(QStringLiteral("Your Details"));
    SSTab->addTab(QStringLiteral("Your Partner's Details"));
    placeTwips(SSTab, 120, 420, 11760, 400);
    connect(SSTab, &TabStrip::Click, this, [this] { SSTab_Click(); });

    IMG = ChineseImageList(PicturePx);

    // Tab 0: the pair.
    fracompalibility = new FramedGroupBox(QStringLiteral("Compatibility"), this, FrameLook, FrameTitle);
    placeTwips(fracompalibility, 120, 820, 11760, 7060);
    Label36 = label(QStringLiteral("Chinese Compatibility Number"), fracompalibility, 300, 450, 3900, 300);
    lblChineseCompatibilityNumber = valueLabel(fracompalibility, 4300, 450, 3000, 300);
    Label37 = label(QStringLiteral("Chinese Compatibility  Percentage"), fracompalibility, 300, 850, 3900, 300);
    lblChinesePercentage = valueLabel(fracompalibility, 4300, 850, 3000, 300);
    Label38 = label(QStringLiteral("Rating"), fracompalibility, 300, 1250, 3900, 300);
    lblChineseRating = valueLabel(fracompalibility, 4300, 1250, 5000, 300);
    lblMatchingDescription = label({}, fracompalibility, 300, 1750, 11160, 330);
    lblMatchingDescription->setObjectName(QStringLiteral("lblMatchingDescription"));
    txtMatchingDescription = new TextBox(fracompalibility, true);
    placeTwips(txtMatchingDescription, 300, 2150, 11160, 4700);

    // Tabs 1 and 2: one person each.
    buildPersonPage({&Framale,
                     {&Label2, &Label14, &Label3, &Label5, &Label6, &Label4, &Label7, &Label8, &Label9, &Label17,
                      &Label10, &Label11, &Label12},
                     {&txtMaleRulingPlanet, &txtMaleWesternZodiacSign, &txtMaleGemStone, &txtMaleLuckycolour,
                      &txtMaleEnergy, &txtMaleLuckySeasons, &txtMaleLuckyMonth, &txtMaleLuckyNumber,
                      &txtMaleMostCompatibleSign, &txtMAleLeastCompatibleSign},
                     {&txtMalePositiveTraits, &txtMaleNegativeTraits, &txtMaleFamousPersonBorn},
                     &YourPicture, &Label13, &lblMaleChinesesign, &Label15, &lblMaleChineseElements, &Label18,
                     &txtMaleElementDescription},
                    QStringLiteral("Chinese  Sign"), QStringLiteral("Chinese Element"));
    buildPersonPage({&Frafemale,
                     {&Label20, &Label34, &Label22, &Label23, &Label24, &Label25, &Label26, &Label27, &Label28,
                      &Label32, &Label29, &Label30, &Label31},
                     {&txtFemaleRulingPlanet, &txtFemaleWesternZodiacSign, &txtFemaleGemStone,
                      &txtFemaleLuckycolour, &txtFemaleEnergy, &txtFemaleLuckySeasons, &txtFemaleLuckyMonth,
                      &txtFemaleLuckyNumber, &txtFemaleMostCompatibleSign, &txtFemaleLeastCompitibleSign},
                     {&txtFemalePositiveTraits, &txtFemaleNegativeTraits, &txtFemaleFamousPerson},
                     &YourPartnerPicture, &Label21, &lblFemaleChineseSign, &Label33, &lblFemaleChineseElements,
                     &Label35, &txtFemaleelementDescription},
                    QStringLiteral("Chinese Sign"), QStringLiteral("Chinese  Element"));
    SSTab->setPages({fracompalibility, Framale, Frafemale});

    cmdBack = new QPushButton(QStringLiteral("&Back"), this);
    placeTwips(cmdBack, 120, 7980, 1300, 420);
    cmdPrint = new QPushButton(QStringLiteral("&Print"), this);
    placeTwips(cmdPrint, 1540, 7980, 1300, 420);
    cmdExit = new QPushButton(QStringLiteral("E&xit"), this);
    placeTwips(cmdExit, 2960, 7980, 1300, 420);
    connect(cmdBack, &QPushButton::clicked, this, [this] { cmdBack_Click(); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });

    applyLook(this);
    ShowWholeLinesIn(this);
    setClientSizeTwips(12000, 8520);
}

void frmchiness::paintEvent(QPaintEvent*)
{
    // Only the window's own background: its controls keep their colours.
    QPainter(this).fillRect(rect(), Background);
}

void frmchiness::buildPersonPage(const PersonPage& p, const QString& signCaption, const QString& elementCaption)
{
    auto* page = new FramedGroupBox(this, FrameLook, FrameTitle);
    placeTwips(page, 120, 820, 11760, 7060);
    *p.frame = page;

    struct Row {
        const char* caption;
        double height;
        bool multiLine;
    };
    static const Row rows[13] = {
        {"Ruling Planets", 330, false},       {"Western Zodiac Sign", 330, false},
        {"Positive Traits", 1250, true},      {"Negative Traits", 1000, true},
        {"Gem Stone", 330, false},            {"Lucky Colour", 330, false},
        {"Energy", 330, false},               {"Lucky Seasons", 330, false},
        {"Lucky Month", 330, false},          {"Lucky Number", 330, false},
        {"Most Compatible Sign", 330, false}, {"Least Compatible Sign", 330, false},
        {"Famous Personalities Born Under This Sign", 620, true},
    };
    double y = 330;
    std::size_t line = 0, prose = 0;
    for (std::size_t i = 0; i < 13; ++i) {
        QLabel* cap = label(QString::fromLatin1(rows[i].caption), page, 180, y + 30, 2300, rows[i].height);
        cap->setWordWrap(true);
        cap->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        *p.captions[i] = cap;
        QWidget* box = nullptr;
        if (rows[i].multiLine)
            box = *p.prose.at(prose++) = new TextBox(page, true);
        else
            box = *p.lines.at(line++) = new LineBox(page);
        placeTwips(box, 2520, y, 5520, rows[i].height);
        y += rows[i].height + 30;
    }

    // The right column: picture, animal, element and its description.
    constexpr double col = 8250, colWidth = 3330;
    // 200 pixels of picture inside a one-pixel border.
    QLabel* picture = label({}, page, col + 135, 330, 3060, 3060);
    picture->setProperty("picture", true);
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(IMG.Count() > 0 ? IMG.Picture(1) : QPixmap());
    *p.picture = picture;
    auto centred = [&](const QString& text, double top, double height) {
        QLabel* l = label(text, page, col, top, colWidth, height);
        l->setAlignment(Qt::AlignCenter);
        return l;
    };
    *p.signCaption = centred(signCaption, 3420, 270);
    *p.sign = centred({}, 3690, 400);
    (*p.sign)->setProperty("animal", true);
    *p.elementCaption = centred(elementCaption, 4130, 270);
    *p.element = centred({}, 4400, 400);
    (*p.element)->setProperty("animal", true);
    *p.descriptionCaption = centred(QStringLiteral("Element  Description"), 4840, 270);
    *p.description = new TextBox(page, true);
    placeTwips(*p.description, col, 5130, colWidth, 1750);
}

void frmchiness::Form_Load()
{
    SSTab->setSelectedItem(1);
    SSTab->BringSelectedToFront();
    CentreOnScreenTop();
}

void frmchiness::SSTab_Click()
{
    SSTab->BringSelectedToFront();
}

void frmchiness::cmdBack_Click()
{
    forms::get<frmmainChinese>().Show();
    Unload();
    HideWelcomePanel();
}

void frmchiness::cmdPrint_Click()
{
    forms::get<frmSaveChinese>().ShowModal();
}

void frmchiness::cmdExit_Click()
{
    Unload();
}

void frmchiness::mnuBack_Click()
{
    cmdBack_Click();
}

void frmchiness::mnuPrint_Click()
{
    cmdPrint_Click();
}

void frmchiness::mnuExit_Click()
{
    cmdExit_Click();
}

void frmchiness::mnuOnline_Click()
{
    OpenHelpPage();
}

void frmchiness::mnuVisit_Click()
{
    OpenHomePage();
}

void frmchiness::mnuUpdate_Click()
{
    OpenUpdatePage();
}

void frmchiness::mnuAbout_Click()
{
    ShowAboutBox();
}

void frmchiness::Label1_Click()
{
    OpenHomePage();
}
