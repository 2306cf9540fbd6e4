#include "frmVedicResult.h"

#include "ElidingLabel.h"
#include "ControlLook.h"
#include "FramedGroupBox.h"
#include "frmMainKundali.h"
#include "modNakshatraInformation.h"
#include "modRashiInformation.h"
#include "modVedicCompatibility.h"
#include "KundaliContent.h"

#include "AppIcon.h"
#include "ClickLabel.h"
#include "Forms.h"
#include "HelpMenu.h"
#include "RichTextBox.h"
#include "TabStrip.h"
#include "TextBox.h"
#include "Twips.h"
#include "TwipsLayout.h"
#include "modHelp.h"

#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QMenu>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStyleOptionTab>
#include <QPainter>
#include <QPushButton>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <limits>

using platform::twipsToPixelsX;
using platform::twipsToPixelsY;

namespace {

// The window's colours and fonts are set on its controls themselves: a
// style sheet on the window would be matched against each of its hundreds of
// controls every time the window opens.
const QColor Orange(255, 147, 49);
const QColor Brown(150, 75, 15);

QString groupLook(const char* background = nullptr)
{
    QString look = QStringLiteral(
        "QGroupBox { font-family: Verdana; font-size: 8.25pt; font-weight: bold; border: 1px solid rgb(150, 75, 15);"
        " border-radius: 3px; margin-top: 7px;%1 }"
        "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }");
    return look.arg(background ? QStringLiteral(" background: %1;").arg(QLatin1String(background)) : QString());
}

// Frames are bold and the controls directly inside them plain. Set as each
// control is made, so the controls inside take the right font from the start.
void placeLook(QWidget* w)
{
    if (qobject_cast<QGroupBox*>(w))
        setFontLook(w, true);
    else if (qobject_cast<QGroupBox*>(w->parentWidget()))
        setFontLook(w, false);
}

// A control's role, and the font and colours that go with it.
void setRole(QWidget* w, const char* role)
{
    w->setProperty("role", QString::fromLatin1(role));
    const std::string_view r(role);
    if (r == "body") {
        w->setStyleSheet(QStringLiteral("border: 1px solid rgb(150, 75, 15); background: rgb(255, 147, 49);"));
    } else if (r == "bold") {
        setFontLook(w, true);
    } else if (r == "name") {
        setFontLook(w, true, 12);
    } else if (r == "heading" || r == "title") {
        setFontLook(w, true, 9.75);
    } else if (r == "aboutTitle") {
        setFontLook(w, true, 9.75);
        w->setStyleSheet(QStringLiteral("background: rgb(255, 192, 192); padding: 0 4px;"));
    } else if (r == "paragraph") {
        w->setStyleSheet(QStringLiteral("background: rgb(255, 255, 128); padding: 4px;"));
    } else if (r == "link") {
        setFontLook(w, w->font().bold(), 0, true);
        setForeground(w, QColor(0, 0, 255));
    } else if (r == "summary") {
        setFontLook(w, true);
        setForeground(w, QColor(192, 0, 0));
    } else if (r == "verdict") {
        setFontLook(w, true);
        setForeground(w, QColor(0, 0, 255));
    } else if (r == "cell") {
        setForeground(w, Qt::black);
    }
}

constexpr int RashiPx = 200;
constexpr int NakshatraWidthPx = 150;
constexpr int NakshatraHeightPx = 159;

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

QLabel* label(const QString& text, QWidget* parent, double l, double t, double w, double h,
              const char* role = nullptr)
{
    auto* lbl = new QLabel(text, parent);
    placeLook(lbl);
    if (role)
        setRole(lbl, role);
    placeTwips(lbl, l, t, w, h);
    return lbl;
}

ClickLabel* linkLabel(const QString& text, QWidget* parent)
{
    ClickLabel* l = NewLinkLabel(text, parent);
    placeLook(l);
    setRole(l, "link");
    return l;
}

TextBox* box(QWidget* parent, double l, double t, double w, double h, bool prose = false)
{
    auto* b = new TextBox(parent, prose);
    placeLook(b);
    placeTwips(b, l, t, w, h);
    return b;
}

QPushButton* button(const QString& caption, QWidget* parent, double l, double t)
{
    auto* b = new QPushButton(caption, parent);
    placeLook(b);
    placeTwips(b, l, t, 975, 375);
    return b;
}

// A tab strip whose tabs sit on top of its pages, with the strip's body
// drawn round the pages below the tabs.
MultiRowTabStrip* strip(QWidget* parent, const QStringList& captions, double l, double t, double w, double h,
                        double pagesTop, const char* name)
{
    auto* body = new QFrame(parent);
    placeLook(body);
    setRole(body, "body");
    placeTwips(body, l, pagesTop, w, t + h - pagesTop);
    auto* ts = new MultiRowTabStrip(parent);
    placeLook(ts);
    ts->setObjectName(QString::fromLatin1(name));
    for (const QString& c : captions)
        ts->addTab(c);
    ts->setGeometry(twipsToPixelsX(l), 0, twipsToPixelsX(w), 1);
    ts->FitRows(twipsToPixelsY(pagesTop));
    ts->raise();
    return ts;
}

// A page with a thin border; the controls on it keep their own colours.
class BorderedPage : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(Brown);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

QFrame* page(QWidget* parent, double l, double t, double w, double h, bool bordered)
{
    QFrame* f = bordered ? new BorderedPage(parent) : new QFrame(parent);
    placeLook(f);
    if (bordered)
        f->setProperty("role", QStringLiteral("page"));
    placeTwips(f, l, t, w, h);
    return f;
}

// The score table's ruled background: headings, row titles, one pale colour
// a row and two green rows at the foot. Columns in twips from the left edge.
constexpr double ColEdges[7] = {0, 1500, 3420, 5340, 6900, 8460, 10700};
constexpr double HeaderBottom = 690;
constexpr double RowHeight = 330;
constexpr double FootTop = HeaderBottom + 8 * RowHeight; // 3330
constexpr double FootRow = 322;
constexpr double TableWidth = 10700;
constexpr double TableHeight = 3975;

double rowTop(int row) // rows 0..7, then the two foot rows 8 and 9
{
    return row < 8 ? HeaderBottom + row * RowHeight : FootTop + (row - 8) * FootRow;
}

QPixmap drawGunaMilanTable()
{
    const int w = twipsToPixelsX(TableWidth);
    const int h = twipsToPixelsY(TableHeight);
    QPixmap pm(w, h);
    pm.fill(Qt::white);
    QPainter p(&pm);
    auto x = [](double tw) { return twipsToPixelsX(tw); };
    auto y = [](double tw) { return twipsToPixelsY(tw); };

    static const QColor rowColours[8] = {{255, 236, 236}, {255, 244, 222}, {255, 253, 214}, {236, 250, 226},
                                         {226, 246, 250}, {232, 236, 255}, {244, 232, 255}, {255, 232, 246}};
    const QColor header(128, 24, 24);
    const QColor foot(170, 222, 160);
    p.fillRect(QRect(0, 0, w, y(HeaderBottom)), header);
    for (int r = 0; r < 8; ++r)
        p.fillRect(QRect(0, y(rowTop(r)), w, y(rowTop(r + 1)) - y(rowTop(r))), rowColours[r]);
    p.fillRect(QRect(0, y(FootTop), w, h - y(FootTop)), foot);

    QFont f(QStringLiteral("Verdana"));
    f.setPointSizeF(7.5);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    static const char* headings[6] = {"GUNA", "BOY", "GIRL", "MAXIMUM\nPOINTS", "POINTS\nOBTAINED", "AREA OF LIFE"};
    for (int c = 0; c < 6; ++c)
        p.drawText(QRect(x(ColEdges[c]), 0, x(ColEdges[c + 1]) - x(ColEdges[c]), y(HeaderBottom)),
                   Qt::AlignCenter, QString::fromLatin1(headings[c]));
    p.setPen(QColor(90, 20, 20));
    static const char* rows[8] = {"VARNA", "VASYA", "TARA", "YONI", "MAITRI", "GANA", "RASHI", "NADI"};
    for (int r = 0; r < 8; ++r)
        p.drawText(QRect(0, y(rowTop(r)), x(ColEdges[1]), y(rowTop(r + 1)) - y(rowTop(r))), Qt::AlignCenter,
                   QString::fromLatin1(rows[r]));

    // Rules: every row, every column (the summary row spans its columns).
    p.setPen(QPen(QColor(150, 75, 15), 1));
    for (int r = 0; r <= 9; ++r)
        p.drawLine(0, y(rowTop(r)), w, y(rowTop(r)));
    for (int c = 1; c < 6; ++c) {
        p.drawLine(x(ColEdges[c]), 0, x(ColEdges[c]), y(rowTop(9)));
    }
    p.drawLine(x(ColEdges[1]), y(rowTop(9)), x(ColEdges[1]), h);
    p.drawLine(x(ColEdges[4]), y(rowTop(9)), x(ColEdges[4]), h);
    p.drawRect(0, 0, w - 1, h - 1);
    return pm;
}

QString personDate(const modVedicCompatibility::KundaliPersonDetails& p)
{
    return q(p.BirthMonth) + QLatin1Char(' ') + q(p.BirthDay) + QStringLiteral(", ") + q(p.BirthYear);
}

QString personTime(const modVedicCompatibility::KundaliPersonDetails& p)
{
    return QString::number(p.BirthHour) + QLatin1Char(':') + QString::number(p.BirthMinute) + QLatin1Char(':') +
           QString::number(p.BirthSecond);
}

} // namespace

frmVedicResult::frmVedicResult() : ResultWindow(FormName)
{
    setCaption(QStringLiteral("Vorlaine Astrology Kundali Match"));
    setWindowIcon(AppIcon());
    setWindowFont(this, "Verdana", 8.25);

    QMenu* file = addMenu(QStringLiteral("&File"));
    mnuBack = file->addAction(QStringLiteral("&Back"));
    connect(mnuBack, &QAction::triggered, this, [this] { mnuBack_Click(); });
    AddHelpMenu(this);

    lblBanner = label(QStringLiteral("Free love tests, horoscopes and astrology reports at ") + SiteBaseAddress, this,
                      623, 0, 10695, 240);
    lblBanner->setObjectName(QStringLiteral("lblBanner"));
    lblBanner->setAlignment(Qt::AlignCenter);
    QPalette banner = lblBanner->palette();
    banner.setColor(QPalette::Window, Qt::white);
    banner.setColor(QPalette::WindowText, QColor(128, 0, 0));
    lblBanner->setPalette(banner);
    lblBanner->setAutoFillBackground(true);

    TSAll = strip(this,
                  {QStringLiteral("  Kundali Match  "), QStringLiteral("  Boy's Rashi  "),
                   QStringLiteral("  Girl's Rashi  "), QStringLiteral("  Boy's Nakshatra  "),
                   QStringLiteral("  Girl's Nakshatra  "), QStringLiteral("  About Software  ")},
                  83, 360, 11775, 6075, 735, "TSAll");

    auto topFrame = [this](const QString& caption, const char* name) {
        auto* f = new FramedGroupBox(caption, this, groupLook());
        placeLook(f);
        f->setObjectName(QString::fromLatin1(name));
        placeTwips(f, 150, 735, 11625, 5145);
        return f;
    };
    fraGuna = topFrame(QStringLiteral("Your Kundali Match on the basis of Ashta Kutas Guna Milan"), "fraGuna");
    fraMRashi = topFrame(QStringLiteral("Boy's Rashi Information"), "fraMRashi");
    fraFRashi = topFrame(QStringLiteral("Girl's Rashi Information"), "fraFRashi");
    fraMNakshatra = topFrame(QStringLiteral("Boy's Nakshatra Information"), "fraMNakshatra");
    fraFNakshatra = topFrame(QStringLiteral("Girl's Nakshatra Information"), "fraFNakshatra");
    fraAbout = topFrame(QStringLiteral("About Software"), "fraAbout");
    TSAll->setPages({fraGuna, fraMRashi, fraFRashi, fraMNakshatra, fraFNakshatra, fraAbout});

    // Pictures by key, alphabetical as the lists keep them.
    static const char* rashiKeys[12] = {"Aquarius", "Aries", "Cancer", "Capricorn", "Gemini", "Leo",
                                        "Libra", "Pisces", "Sagittarius", "Scorpio", "Taurus", "Virgo"};
    for (const char* k : rashiKeys) {
        const QString key = QString::fromLatin1(k);
        IMGRashi.Add(key, QStringLiteral(":/rashi/%1.svg").arg(key), QSize(RashiPx, RashiPx), Qt::KeepAspectRatio);
    }
    QStringList nakshatraKeys;
    for (std::string_view n : modVedicCompatibility::NakshatraNames)
        nakshatraKeys << QString::fromUtf8(n.data(), static_cast<qsizetype>(n.size()));
    nakshatraKeys.sort(Qt::CaseSensitive);
    for (const QString& key : nakshatraKeys)
        IMGNakshatra.Add(key, QStringLiteral(":/nakshatra/%1.svg").arg(key), QSize(NakshatraWidthPx, NakshatraHeightPx),
                         Qt::KeepAspectRatio);

    buildMatchTab();
    buildRashiTab(KundaliPerson::Boy);
    buildRashiTab(KundaliPerson::Girl);
    buildNakshatraTab(KundaliPerson::Boy);
    buildNakshatraTab(KundaliPerson::Girl);
    buildAboutTab();
    connectPaging();

    cmdSave = new QPushButton(QStringLiteral("&Save"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    placeTwips(cmdSave, 9720, 5940, 975, 375);
    cmdBack = new QPushButton(QStringLiteral("&Back"), this);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    placeTwips(cmdBack, 10800, 5940, 975, 375);
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdBack, &QPushButton::clicked, this, [this] { cmdBack_Click(); });

    connect(TSAll, &TabStrip::Click, this, [this] { TSAll_Click(); });
    connect(TSD, &TabStrip::Click, this, [this] { TSD_Click(); });
    connect(TSM, &TabStrip::Click, this, [this] { TSM_Click(); });
    connect(TSF, &TabStrip::Click, this, [this] { TSF_Click(); });
    connect(TSNM, &TabStrip::Click, this, [this] { TSNM_Click(); });
    connect(TSNF, &TabStrip::Click, this, [this] { TSNF_Click(); });
    connect(lblHyperlink, &ClickLabel::clicked, this, [this] { lblHyperlink_Click(); });
    connect(lblHomePage, &ClickLabel::clicked, this, [this] { lblHomePage_Click(); });
    connect(Label36, &ClickLabel::clicked, this, [this] { Label36_Click(); });
    connect(Label58, &ClickLabel::clicked, this, [this] { Label58_Click(); });
    connect(Label13, &ClickLabel::clicked, this, [this] { Label13_Click(); });
    connect(lblAboutVisit, &ClickLabel::clicked, this, [this] { lblAboutVisit_Click(); });

    // The controls made on their own take theirs here.
    for (QWidget* w : findChildren<QWidget*>())
        if (!w->isWindow() && !w->testAttribute(Qt::WA_SetFont))
            placeLook(w);
    ShowWholeLinesIn(this);
    setClientSizeTwips(11940, 6915);
}

void frmVedicResult::paintEvent(QPaintEvent*)
{
    // Only the window's own background: its controls keep their colours.
    QPainter(this).fillRect(rect(), Orange);
}

void frmVedicResult::buildMatchTab()
{
    QWidget* g = fraGuna;
    TSD = strip(g,
                {QStringLiteral("           Boy's And Girl's Birth Details           "),
                 QStringLiteral("           Guna Milan           "),
                 QStringLiteral("           Interpretation           ")},
                255, 240, 11250, 4800, 600, "TSD");
    auto sub = [g](const QString& caption, const char* name, double left) {
        auto* f = new FramedGroupBox(caption, g,
                                     groupLook(name == std::string_view("fraInterpretation") ? "rgb(255, 255, 192)"
                                                                                             : nullptr));
        placeLook(f);
        f->setObjectName(QString::fromLatin1(name));
        placeTwips(f, left, 600, 11235, 4425);
        return f;
    };
    fraUserDetails = sub(QStringLiteral("Boy's And Girl's Birth Details"), "fraUserDetails", 225);
    fraTable = sub(QStringLiteral("Guna Milan"), "fraTable", 225);
    fraInterpretation = sub(QStringLiteral("Interpretation"), "fraInterpretation", 240);
    TSD->setPages({fraUserDetails, fraTable, fraInterpretation});

    // Birth details.
    lblDisplay[0] = label(QStringLiteral("Boy's Birth Details"), fraUserDetails, 240, 480, 4800, 300, "heading");
    lblDisplay[1] = label(QStringLiteral("Girl's Birth Details"), fraUserDetails, 5400, 480, 4800, 300, "heading");
    // Names and places as typed, of any length: shortened to the column
    // with the whole text in a tool tip.
    ElidingLabel** boy[4] = {&lblMName, &lblMDOB, &lblMTOB, &lblMPOB};
    ElidingLabel** girl[4] = {&lblFName, &lblFDOB, &lblFTOB, &lblFPOB};
    auto detail = [this](double left, double top, double width) {
        auto* l = new ElidingLabel(fraUserDetails);
        placeLook(l);
        l->setText(QStringLiteral("Label1"));
        placeTwips(l, left, top, width, 300);
        return l;
    };
    for (int i = 0; i < 4; ++i) {
        *boy[i] = detail(240, 1080 + 360 * i, 5040);
        *girl[i] = detail(5400, 1080 + 360 * i, 5700);
    }

    // The score table: the 44 cells over the drawn background.
    picGunaMilan = new QLabel(fraTable);
    placeLook(picGunaMilan);
    picGunaMilan->setObjectName(QStringLiteral("picGunaMilan"));
    picGunaMilan->setPixmap(drawGunaMilanTable());
    placeTwips(picGunaMilan, 270, 240, TableWidth, TableHeight);
    auto cell = [this](int index, double left, double right, int row) {
        auto* l = label(QStringLiteral("Label3"), picGunaMilan, left + 30, rowTop(row) + 15, right - left - 60,
                        rowTop(row + 1) - rowTop(row) - 30, "cell");
        l->setAlignment(Qt::AlignCenter);
        lblVarna[static_cast<std::size_t>(index)] = l;
    };
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 5; ++c)
            cell(5 * r + c, ColEdges[c + 1], ColEdges[c + 2], r);
    cell(40, ColEdges[3], ColEdges[4], 8);
    cell(41, ColEdges[4], ColEdges[5], 8);
    cell(43, ColEdges[1], ColEdges[4], 9);
    cell(42, ColEdges[4], ColEdges[6], 9);
    setRole(lblVarna[43], "summary");
    setRole(lblVarna[42], "verdict");

    // Interpretation.
    RTB = new RichTextBox(fraInterpretation);
    placeLook(RTB);
    RTB->setObjectName(QStringLiteral("RTB"));
    placeTwips(RTB, 120, 360, 10965, 3495);
    lblHyperlink =
        linkLabel(QStringLiteral("For a detailed analysis of your match visit ") + SiteBaseAddress, fraInterpretation);
    lblHyperlink->setAlignment(Qt::AlignCenter);
    placeTwips(lblHyperlink, 2865, 3960, 6210, 240);
}

void frmVedicResult::buildRashiTab(KundaliPerson who)
{
    const bool boy = who == KundaliPerson::Boy;
    QGroupBox* top = boy ? fraMRashi : fraFRashi;

    QLabel*& pic = boy ? picMRashi : picFRashi;
    pic = new QLabel(top);
    pic->setAlignment(Qt::AlignCenter);
    pic->setPixmap(DesignRashiPicture());
    placeTwips(pic, 550, 360, 3000, 3000);
    QLabel*& name = boy ? lblMRashi : lblFRashi;
    name = label(QStringLiteral("Rashi"), top, 240, 3480, 1800, 330, "name");

    auto caption = [top](const char* text, double l, double t) {
        label(QString::fromLatin1(text), top, l, t, 1800, 195);
    };
    // The second column runs up to the tab strip, so the longest sign colours
    // show whole with room to spare.
    constexpr double second = 1950;
    caption("Inborn Nature", 2160, 3510);
    (boy ? txtMInbornNature : txtFInbornNature) = box(top, 2160, 3705, second, 285);
    caption("Rulling Planet", 240, 3990);
    (boy ? txtMRullingPlanet : txtFRullingPlanet) = box(top, 240, 4185, 1800, 285);
    caption("Symbol", 2160, 3990);
    (boy ? txtMSymbol : txtFSymbol) = box(top, 2160, 4185, second, 285);
    caption("English Name", 240, 4470);
    (boy ? txtMEnglishName : txtFEnglishName) = box(top, 240, 4665, 1800, 285);
    caption("Sign Color", 2160, 4470);
    (boy ? txtMSignColor : txtFSignColor) = box(top, 2160, 4665, second, 285);

    MultiRowTabStrip*& ts = boy ? TSM : TSF;
    ts = strip(top,
               {QStringLiteral("Sign Characteristics"), QStringLiteral("Physique And Looks"),
                QStringLiteral("Human Nature"), QStringLiteral("Career And Finance"),
                QStringLiteral("Love And Compatibility"), QStringLiteral("Health"),
                QStringLiteral("Lucky for Rashi"), QStringLiteral("About Software")},
               4200, 240, 7305, 4740, 840, boy ? "TSM" : "TSF");
    std::array<QFrame*, 8> f{};
    for (auto& p : f)
        p = page(top, 4320, 840, 7080, 4000, false);
    (boy ? Frame1 : Frame9) = f[0];
    (boy ? Frame2 : Frame10) = f[1];
    (boy ? Frame3 : Frame11) = f[2];
    (boy ? Frame4 : Frame12) = f[3];
    (boy ? Frame5 : Frame13) = f[4];
    (boy ? Frame6 : Frame14) = f[5];
    (boy ? Frame7 : Frame15) = f[6];
    (boy ? Frame8 : Frame16) = f[7];
    ts->setPages(std::vector<QWidget*>(f.begin(), f.end()));

    auto boldCaption = [](const QString& text, QWidget* parent, double l, double t) {
        label(text, parent, l, t, 6615, 240, "bold");
    };
    auto rightCaption = [](const char* text, QWidget* parent, double right, double t) {
        auto* l = label(QString::fromLatin1(text), parent, 60, t, right - 60 - 90, 285);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    };

    // Page 1: sign characteristics.
    static const char* p1[7] = {"Type Of Sign",  "Gender",           "Barren / Fruitful",    "Sign Caste",
                                "Sign Position", "Constituent Character", "Part Of The Body"};
    TextBox** p1Boxes[7] = {boy ? &txtMTypeOfSign : &txtFTypeOfSign,     boy ? &txtMGender : &txtFGender,
                            boy ? &txtMBarren : &txtFBarren,             boy ? &txtMSignCaste : &txtFSignCaste,
                            boy ? &txtMSignPosition : &txtFSignPosition, boy ? &txtMConstituent : &txtFConstituent,
                            boy ? &txtMPartOfTheBody : &txtFPartOfTheBody};
    for (int i = 0; i < 7; ++i) {
        rightCaption(p1[i], f[0], 2160, 240 + 480 * i);
        *p1Boxes[i] = box(f[0], 2160, 240 + 480 * i, 3735, 285);
    }
    // Page 2: physique and looks.
    boldCaption(QStringLiteral("Physique"), f[1], 240, 120);
    (boy ? txtMPhysique : txtFPhysique) = box(f[1], 240, 360, 6615, 285);
    boldCaption(boy ? QStringLiteral("Looks") : QStringLiteral("Look"), f[1], 240, 840);
    (boy ? txtMLooks : txtFLooks) = box(f[1], 240, 1080, 6615, 1815, true);
    // Page 3: nature.
    boldCaption(QStringLiteral("Nature"), f[2], 240, 120);
    (boy ? txtMNature : txtFNature) = box(f[2], 240, 360, 6615, 3015, true);
    // Page 4: career.
    boldCaption(boy ? QStringLiteral("Carrer And Finance") : QStringLiteral("Career And Finance"), f[3], 240, 120);
    (boy ? txtMCareerAndFinance : txtFCareerAndFinance) = box(f[3], 240, 360, 6615, 3015, true);
    // Page 5: love and compatibility.
    boldCaption(QStringLiteral("Love And Domestic"), f[4], 240, 120);
    (boy ? txtMLoveAndDomesticLife : txtFLoveAndDomesticLife) = box(f[4], 240, 360, 6615, 1335, true);
    boldCaption(QStringLiteral("Compatible With"), f[4], 240, 1815);
    (boy ? txtMCompatibleWith : txtFCompatibleWith) = box(f[4], 240, 2055, 6615, 285);
    boldCaption(QStringLiteral("Not Compatible With"), f[4], 240, 2460);
    (boy ? txtMNotCompatibleWith : txtFNotCompatibleWith) = box(f[4], 240, 2700, 6615, 285);
    // Page 6: health.
    boldCaption(QStringLiteral("Health"), f[5], 240, 120);
    (boy ? txtMHealth : txtFHealth) = box(f[5], 240, 360, 6615, 3015, true);
    // Page 7: lucky for the rashi. The boxes run wider than designed so the
    // longest day and colour lists show whole.
    static const char* p7[6] = {"Lucky Days",    "Lucky Numbers",  "Best Direction",
                                "Lucky Colors",  "Lucky Gemstone", "Best Period Of Activity"};
    TextBox** p7Boxes[6] = {boy ? &txtMLuckyDays : &txtFLuckyDays,
                            boy ? &txtMLuckyNumbers : &txtFLuckyNumbers,
                            boy ? &txtMBestDirection : &txtFBestDirection,
                            boy ? &txtMLuckyColors : &txtFLuckyColors,
                            boy ? &txtMLuckyGemstone : &txtFLuckyGemstone,
                            boy ? &txtMBestPeriodOfActivity : &txtFBestPeriodOfActivity};
    for (int i = 0; i < 6; ++i) {
        rightCaption(p7[i], f[6], 3450, 480 + 480 * i);
        *p7Boxes[i] = box(f[6], 3450, 480 + 480 * i, 3135, 285);
    }
    // Page 8: about.
    buildAboutBlock(f[7], QStringLiteral("Vorlaine Kundali Match"), boy ? &lblHomePage : &Label36);

    // Paging buttons.
    QPushButton** next[7] = {boy ? &cmdMNext1 : &cmdFNext1, boy ? &cmdMNext2 : &cmdFNext2,
                             boy ? &cmdMNext3 : &cmdFNext3, boy ? &cmdMNext4 : &cmdFNext4,
                             boy ? &cmdMNext5 : &cmdFNext5, boy ? &cmdMNext6 : &cmdFNext6,
                             boy ? &cmdMNext7 : &cmdFNext7};
    QPushButton** back[7] = {boy ? &cmdMBack2 : &cmdFBack2, boy ? &cmdMBack3 : &cmdFBack3,
                             boy ? &cmdMBack4 : &cmdFBack4, boy ? &cmdMBack5 : &cmdFBack5,
                             boy ? &cmdMBack6 : &cmdFBack6, boy ? &cmdMBack7 : &cmdFBack7,
                             boy ? &cmdMBack8 : &cmdFBack8};
    for (int k = 1; k <= 7; ++k)
        *next[k - 1] = button(QStringLiteral("Next"), f[static_cast<std::size_t>(k - 1)], 6000, 3480);
    for (int k = 2; k <= 8; ++k)
        *back[k - 2] = button(QStringLiteral("Back"), f[static_cast<std::size_t>(k - 1)], k == 8 ? 6000 : 4920, 3480);
}

void frmVedicResult::buildNakshatraTab(KundaliPerson who)
{
    const bool boy = who == KundaliPerson::Boy;
    QGroupBox* top = boy ? fraMNakshatra : fraFNakshatra;

    QLabel*& pic = boy ? picMNakshatra : picFNakshatra;
    pic = new QLabel(top);
    pic->setAlignment(Qt::AlignCenter);
    pic->setPixmap(DesignNakshatraPicture());
    placeTwips(pic, 120, 360, 2250, 2385);
    QLabel*& name = boy ? lblNMNakshatra : lblNFNakshatra;
    name = label(QStringLiteral("Nakshatra"), top, 2520, 240, 6000, 300, "name");

    auto caption = [top](const char* text, double l, double t) {
        label(QString::fromLatin1(text), top, l, t, 2300, 195);
    };
    caption("Rulling Planet", 120, 2830);
    (boy ? txtNMRullingPlanet : txtNFRullingPlanet) = box(top, 120, 3050, 2340, 285);
    caption("Astronomical Name", 120, 3360);
    (boy ? txtNMAstronomicalName : txtNFAstronomicalName) = box(top, 120, 3555, 2340, 285);
    caption("Animal Symbol", 120, 3890);
    (boy ? txtNMAnimalSymbol : txtNFAnimalSymbol) = box(top, 120, 4100, 2340, 285);
    caption("Symbol", 120, 4440);
    (boy ? txtNMSymbol : txtNFSymbol) = box(top, 120, 4680, 2340, 285);
    // The tab strip beside the picture column leaves no room to widen these:
    // a longer symbol ends in an ellipsis and shows whole in the tool tip.
    for (TextBox* b : {boy ? txtNMRullingPlanet : txtNFRullingPlanet, boy ? txtNMAstronomicalName : txtNFAstronomicalName,
                       boy ? txtNMAnimalSymbol : txtNFAnimalSymbol, boy ? txtNMSymbol : txtNFSymbol})
        b->setWholeTextTip(true);

    MultiRowTabStrip*& ts = boy ? TSNM : TSNF;
    ts = strip(top,
               {QStringLiteral("More About Nakshatra"), QStringLiteral("General And Physical Features"),
                QStringLiteral("Positive Human Traits"), QStringLiteral("Negative Human Traits"),
                QStringLiteral("Career And Health And Domestic"), QStringLiteral("About Software")},
               2520, 720, 9000, 4245, 1320, boy ? "TSNM" : "TSNF");
    std::array<QFrame*, 6> f{};
    for (auto& p : f)
        p = page(top, 2640, 1320, 8750, 3500, true);
    (boy ? Frame17 : Frame23) = f[0];
    (boy ? Frame18 : Frame24) = f[1];
    (boy ? Frame19 : Frame25) = f[2];
    (boy ? Frame20 : Frame26) = f[3];
    (boy ? Frame21 : Frame27) = f[4];
    (boy ? Frame22 : Frame28) = f[5];
    ts->setPages(std::vector<QWidget*>(f.begin(), f.end()));

    auto boldCaption = [](const char* text, QWidget* parent, double l, double t) {
        label(QString::fromLatin1(text), parent, l, t, 8415, 240, "bold");
    };
    // Page 1: two columns of short fields.
    static const double tops[6] = {375, 828, 1281, 1734, 2187, 2640};
    static const char* left[6] = {"Nature Of Nakshatra", "Name Of Rulling Deva/Demi God", "Purpose Of The Deva",
                                  "Element / Tatthwa",   "Part Of Body",                  "Dosha"};
    TextBox** leftBoxes[6] = {boy ? &txtNMNature : &txtNFNature,
                              boy ? &txtNMRullingDeva : &txtNFRullingDeva,
                              boy ? &txtNMPurposeOfTheDeva : &txtNFPurposeOfTheDeva,
                              boy ? &txtNMElement : &txtNFElement,
                              boy ? &txtNMPartOfBody : &txtNFPartOfBody,
                              boy ? &txtNMDosha : &txtNFDosha};
    static const char* right[5] = {"Gender", "Purpose In Life", "Temperaments", "Best Direction", "Lucky Gemstone"};
    TextBox** rightBoxes[5] = {boy ? &txtNMGender : &txtNFGender,
                               boy ? &txtNMPurposeInLife : &txtNFPurposeInLife,
                               boy ? &txtNMTemperaments : &txtNFTemperaments,
                               boy ? &txtNMBestDirection : &txtNFBestDirection,
                               boy ? &txtNMLuckyGemstone : &txtNFLuckyGemstone};
    // The captions of the left column wrap, so its boxes have room for the
    // longer deva texts, with some to spare for a wider face.
    for (int i = 0; i < 6; ++i) {
        auto* l = label(QString::fromLatin1(left[i]), f[0], 120, tops[i] - 90, 1500, 450);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        l->setWordWrap(true);
        *leftBoxes[i] = box(f[0], 1680, tops[i], 3690, 285);
    }
    for (int i = 0; i < 5; ++i) {
        auto* l = label(QString::fromLatin1(right[i]), f[0], 5430, tops[i], 1380, 285);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        *rightBoxes[i] = box(f[0], 6840, tops[i], 1800, 285);
    }
    // Pages 2 to 4: one prose box each.
    boldCaption("General And Physical Features", f[1], 120, 120);
    (boy ? txtNMGeneralAndPhysicalFeatures : txtNFGeneralAndPhysicalFeatures) = box(f[1], 120, 360, 8415, 2295, true);
    boldCaption("Positive Human Traits", f[2], 120, 120);
    (boy ? txtNMPositiveHumanTraits : txtNFPositiveHumanTraits) = box(f[2], 120, 360, 8415, 2295, true);
    boldCaption("Negative Human Traits", f[3], 120, 120);
    (boy ? txtNMNegativeHumanTraits : txtNFNegativeHumanTraits) = box(f[3], 120, 360, 8415, 2295, true);
    // Page 5: career, domestic life and health.
    boldCaption("Best Career Options", f[4], 120, 240);
    (boy ? txtNMBestCareerOptions : txtNFBestCareerOptions) = box(f[4], 120, 480, 8415, 615, true);
    boldCaption("Domestic Life", f[4], 120, 1140);
    (boy ? txtNMDomesticLife : txtNFDomesticLife) = box(f[4], 120, 1380, 8415, 615, true);
    boldCaption("Health", f[4], 120, 2040);
    (boy ? txtNMHealth : txtNFHealth) = box(f[4], 120, 2280, 8415, 615, true);
    // Page 6: about.
    buildAboutBlock(f[5], QStringLiteral("Vorlaine Kundali Match"), boy ? &Label58 : &Label13);

    QPushButton** next[5] = {boy ? &cmdNMNext1 : &cmdNFNext1, boy ? &cmdNMNext2 : &cmdNFNext2,
                             boy ? &cmdNMNext3 : &cmdNFNext3, boy ? &cmdNMNext4 : &cmdNFNext4,
                             boy ? &cmdNMNext5 : &cmdNFNext5};
    QPushButton** back[5] = {boy ? &cmdNMBack2 : &cmdNFBack2, boy ? &cmdNMBack3 : &cmdNFBack3,
                             boy ? &cmdNMBack4 : &cmdNFBack4, boy ? &cmdNMBack5 : &cmdNFBack5,
                             boy ? &cmdNMBack6 : &cmdNFBack6};
    for (int k = 1; k <= 5; ++k)
        *next[k - 1] = button(QStringLiteral("Next"), f[static_cast<std::size_t>(k - 1)], 7560, 3000);
    for (int k = 2; k <= 6; ++k)
        *back[k - 2] = button(QStringLiteral("Back"), f[static_cast<std::size_t>(k - 1)], k == 6 ? 7560 : 6480, 3000);
}

void frmVedicResult::buildAboutBlock(QWidget* pg, const QString& title, ClickLabel** link)
{
    const double width = platform::pixelsToTwipsX(pg->width());
    auto* icon = new QLabel(pg);
    icon->setPixmap(AppIcon().pixmap(32, 32));
    placeTwips(icon, 120, 120, 480, 480);
    label(title, pg, 720, 240, width - 840, 300, "title");
    auto* text = label(q(kundalicontent::aboutBlock()), pg, 120, 660, width - 240, 2200, "paragraph");
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->ensurePolished(); // the height follows the paragraph's font and padding
    text->setFixedHeight(text->heightForWidth(text->width()));
    auto* visit =
        linkLabel(QStringLiteral("Visit us at ") + SiteBaseAddress + QStringLiteral(" for more free love tests"), pg);
    visit->setGeometry(twipsToPixelsX(120), text->geometry().bottom() + twipsToPixelsY(150),
                       twipsToPixelsX(width - 240), twipsToPixelsY(240));
    *link = visit;
}

void frmVedicResult::buildAboutTab()
{
    QWidget* a = fraAbout;
    auto* icon = new QLabel(a);
    icon->setPixmap(AppIcon().pixmap(32, 32));
    placeTwips(icon, 240, 360, 480, 480);
    auto* title = label(QStringLiteral("Vorlaine Astrology Kundali Match"), a, 840, 420, 4800, 360, "aboutTitle");
    title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    title->ensurePolished(); // sized in its own font and padding
    title->adjustSize();
    Line2 = new QFrame(a);
    Line2->setObjectName(QStringLiteral("Line2"));
    Line2->setFrameShape(QFrame::HLine);
    Line2->setFrameShadow(QFrame::Plain);
    Line2->setStyleSheet(QStringLiteral("color: rgb(150, 75, 15);"));
    placeTwips(Line2, 240, 1020, 11145, 30);
    auto* text = label(q(kundalicontent::aboutBlock()), a, 840, 1260, 9960, 2000, "paragraph");
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->ensurePolished();
    text->setFixedHeight(text->heightForWidth(text->width()));
    lblAboutVisit =
        linkLabel(QStringLiteral("Visit us at ") + SiteBaseAddress + QStringLiteral(" for more free love tests"), a);
    placeTwips(lblAboutVisit, 840, 0, 9960, 240);
    lblAboutVisit->move(lblAboutVisit->x(), text->geometry().bottom() + twipsToPixelsY(240));
}

void frmVedicResult::connectPaging()
{
    const std::pair<QPushButton*, void (frmVedicResult::*)()> buttons[] = {
        {cmdMNext1, &frmVedicResult::cmdMNext1_Click},   {cmdMNext2, &frmVedicResult::cmdMNext2_Click},
        {cmdMNext3, &frmVedicResult::cmdMNext3_Click},   {cmdMNext4, &frmVedicResult::cmdMNext4_Click},
        {cmdMNext5, &frmVedicResult::cmdMNext5_Click},   {cmdMNext6, &frmVedicResult::cmdMNext6_Click},
        {cmdMNext7, &frmVedicResult::cmdMNext7_Click},   {cmdMBack2, &frmVedicResult::cmdMBack2_Click},
        {cmdMBack3, &frmVedicResult::cmdMBack3_Click},   {cmdMBack4, &frmVedicResult::cmdMBack4_Click},
        {cmdMBack5, &frmVedicResult::cmdMBack5_Click},   {cmdMBack6, &frmVedicResult::cmdMBack6_Click},
        {cmdMBack7, &frmVedicResult::cmdMBack7_Click},   {cmdMBack8, &frmVedicResult::cmdMBack8_Click},
        {cmdFNext1, &frmVedicResult::cmdFNext1_Click},   {cmdFNext2, &frmVedicResult::cmdFNext2_Click},
        {cmdFNext3, &frmVedicResult::cmdFNext3_Click},   {cmdFNext4, &frmVedicResult::cmdFNext4_Click},
        {cmdFNext5, &frmVedicResult::cmdFNext5_Click},   {cmdFNext6, &frmVedicResult::cmdFNext6_Click},
        {cmdFNext7, &frmVedicResult::cmdFNext7_Click},   {cmdFBack2, &frmVedicResult::cmdFBack2_Click},
        {cmdFBack3, &frmVedicResult::cmdFBack3_Click},   {cmdFBack4, &frmVedicResult::cmdFBack4_Click},
        {cmdFBack5, &frmVedicResult::cmdFBack5_Click},   {cmdFBack6, &frmVedicResult::cmdFBack6_Click},
        {cmdFBack7, &frmVedicResult::cmdFBack7_Click},   {cmdFBack8, &frmVedicResult::cmdFBack8_Click},
        {cmdNMNext1, &frmVedicResult::cmdNMNext1_Click}, {cmdNMNext2, &frmVedicResult::cmdNMNext2_Click},
        {cmdNMNext3, &frmVedicResult::cmdNMNext3_Click}, {cmdNMNext4, &frmVedicResult::cmdNMNext4_Click},
        {cmdNMNext5, &frmVedicResult::cmdNMNext5_Click}, {cmdNMBack2, &frmVedicResult::cmdNMBack2_Click},
        {cmdNMBack3, &frmVedicResult::cmdNMBack3_Click}, {cmdNMBack4, &frmVedicResult::cmdNMBack4_Click},
        {cmdNMBack5, &frmVedicResult::cmdNMBack5_Click}, {cmdNMBack6, &frmVedicResult::cmdNMBack6_Click},
        {cmdNFNext1, &frmVedicResult::cmdNFNext1_Click}, {cmdNFNext2, &frmVedicResult::cmdNFNext2_Click},
        {cmdNFNext3, &frmVedicResult::cmdNFNext3_Click}, {cmdNFNext4, &frmVedicResult::cmdNFNext4_Click},
        {cmdNFNext5, &frmVedicResult::cmdNFNext5_Click}, {cmdNFBack2, &frmVedicResult::cmdNFBack2_Click},
        {cmdNFBack3, &frmVedicResult::cmdNFBack3_Click}, {cmdNFBack4, &frmVedicResult::cmdNFBack4_Click},
        {cmdNFBack5, &frmVedicResult::cmdNFBack5_Click}, {cmdNFBack6, &frmVedicResult::cmdNFBack6_Click},
    };
    for (const auto& [b, handler] : buttons) {
        auto h = handler;
        connect(b, &QPushButton::clicked, this, [this, h] { (this->*h)(); });
    }
}

QPixmap frmVedicResult::DesignRashiPicture()
{
    return DefaultSignPicture(RashiPx);
}

QPixmap frmVedicResult::DesignNakshatraPicture()
{
    // The square emblem, centred top to bottom.
    return ImageList::Render(QStringLiteral(":/signs/default.svg"), QSize(NakshatraWidthPx, NakshatraHeightPx),
                             Qt::KeepAspectRatio);
}

// ---- The multi-row tab strip.

MultiRowTabStrip::MultiRowTabStrip(QWidget* parent) : TabStrip(parent)
{
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setDrawBase(false);
    setExpanding(false);
}

int MultiRowTabStrip::naturalWidth(int index) const
{
    return fontMetrics().horizontalAdvance(tabText(index)) + 14;
}

int MultiRowTabStrip::rowHeight() const
{
    int h = fontMetrics().height() + 8;
    for (int i = 0; i < count(); ++i)
        h = std::max(h, TabStrip::tabSizeHint(i).height());
    return h;
}

std::vector<std::vector<int>> MultiRowTabStrip::rows(int width) const
{
    const int n = count();
    std::vector<int> w(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        w[static_cast<std::size_t>(i)] = naturalWidth(i);
    auto sum = [&w](int from, int to) {
        int s = 0;
        for (int i = from; i < to; ++i)
            s += w[static_cast<std::size_t>(i)];
        return s;
    };
    // The fewest rows that hold every tab in order, as evenly filled as can be.
    for (int r = 1; r <= std::max(1, n); ++r) {
        std::vector<int> cuts, best;
        int bestWidest = std::numeric_limits<int>::max();
        std::function<void(int, int, int)> place = [&](int start, int rowsLeft, int widest) {
            if (rowsLeft == 1) {
                const int last = std::max(widest, sum(start, n));
                if (last <= width && last < bestWidest) {
                    bestWidest = last;
                    best = cuts;
                }
                return;
            }
            for (int end = start + 1; end <= n - rowsLeft + 1; ++end) {
                cuts.push_back(end);
                place(end, rowsLeft - 1, std::max(widest, sum(start, end)));
                cuts.pop_back();
            }
        };
        place(0, r, 0);
        if (bestWidest != std::numeric_limits<int>::max() || r == n || n == 0) {
            if (bestWidest == std::numeric_limits<int>::max())
                best.clear(); // too narrow even for one tab a row: one row
            std::vector<std::vector<int>> out(1);
            std::size_t c = 0;
            for (int i = 0; i < n; ++i) {
                if (c < best.size() && i == best[c]) {
                    out.emplace_back();
                    ++c;
                }
                out.back().push_back(i);
            }
            return out;
        }
    }
    return {};
}

std::vector<QRect> MultiRowTabStrip::rects(int width) const
{
    std::vector<QRect> out(static_cast<std::size_t>(count()));
    const auto rs = rows(width);
    if (rs.empty())
        return out;
    // The row of the selected tab lies next to the pages, the others above
    // it in turn.
    std::size_t selectedRow = rs.size() - 1;
    for (std::size_t r = 0; r < rs.size(); ++r)
        if (std::find(rs[r].begin(), rs[r].end(), currentIndex()) != rs[r].end())
            selectedRow = r;
    const int h = rowHeight();
    for (std::size_t k = 0; k < rs.size(); ++k) {
        const auto& row = rs[(selectedRow + 1 + k) % rs.size()];
        int natural = 0;
        for (int i : row)
            natural += naturalWidth(i);
        const bool spread = rs.size() > 1;
        int x = 0;
        for (std::size_t j = 0; j < row.size(); ++j) {
            int tw = naturalWidth(row[j]);
            if (spread)
                tw = j + 1 == row.size() ? width - x : tw * width / std::max(1, natural);
            out[static_cast<std::size_t>(row[j])] = QRect(x, static_cast<int>(k) * h, tw, h);
            x += tw;
        }
    }
    return out;
}

void MultiRowTabStrip::FitRows(int bottom)
{
    const int h = HeightForWidth(width());
    setGeometry(x(), bottom - h, width(), h);
}

void MultiRowTabStrip::changeEvent(QEvent* e)
{
    TabStrip::changeEvent(e);
    // The rows follow the font; the tabs stay on their pages.
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange)
        FitRows(y() + height());
}

QRect MultiRowTabStrip::TabRect(int tab) const
{
    const auto r = rects(width());
    return tab >= 1 && tab <= count() ? r[static_cast<std::size_t>(tab - 1)] : QRect();
}

int MultiRowTabStrip::RowCount() const
{
    return static_cast<int>(rows(width()).size());
}

int MultiRowTabStrip::HeightForWidth(int width) const
{
    return static_cast<int>(std::max<std::size_t>(1, rows(width).size())) * rowHeight();
}

QSize MultiRowTabStrip::sizeHint() const
{
    int natural = 0;
    for (int i = 0; i < count(); ++i)
        natural += naturalWidth(i);
    const int w = width() > 0 ? width() : natural;
    return {w, HeightForWidth(w)};
}

QSize MultiRowTabStrip::minimumSizeHint() const
{
    return sizeHint();
}

void MultiRowTabStrip::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const auto r = rects(width());
    const int current = currentIndex();
    auto draw = [&](int i) {
        QStyleOptionTab opt;
        initStyleOption(&opt, i);
        opt.rect = r[static_cast<std::size_t>(i)];
        opt.state &= ~QStyle::State_MouseOver;
        opt.position = QStyleOptionTab::Middle;
        opt.selectedPosition = QStyleOptionTab::NotAdjacent;
        style()->drawControl(QStyle::CE_TabBarTabShape, &opt, &p, this);
        style()->drawItemText(&p, opt.rect, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                              tabText(i), QPalette::WindowText);
        if (i == current && hasFocus()) {
            QStyleOptionFocusRect f;
            f.initFrom(this);
            f.rect = opt.rect.adjusted(3, 3, -3, -3);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &f, &p, this);
        }
    };
    for (int i = 0; i < count(); ++i)
        if (i != current)
            draw(i);
    if (current >= 0)
        draw(current);
}

void MultiRowTabStrip::mousePressEvent(QMouseEvent* e)
{
    // Only the left button chooses a tab, by where the tab is drawn.
    e->accept();
    if (e->button() != Qt::LeftButton)
        return;
    const auto r = rects(width());
    for (int i = 0; i < count(); ++i)
        if (r[static_cast<std::size_t>(i)].contains(e->position().toPoint())) {
            setCurrentIndex(i);
            return;
        }
}

void MultiRowTabStrip::mouseReleaseEvent(QMouseEvent* e)
{
    e->accept();
}

void MultiRowTabStrip::mouseMoveEvent(QMouseEvent* e)
{
    e->accept();
}

// ---- Load, unload, Back, menus, links.

void frmVedicResult::Form_Load()
{
    CentreOnScreenTop();
    const auto& s = modVedicCompatibility::state();
    lblMName->setText(QStringLiteral("Your Name: ") + q(s.Boy.Name));
    lblMDOB->setText(QStringLiteral("Your Date Of Birth: ") + personDate(s.Boy));
    lblMTOB->setText(QStringLiteral("Your Time Of Birth: ") + personTime(s.Boy));
    lblMPOB->setText(QStringLiteral("Your Place Of Birth: ") + q(s.Boy.BirthPlace));
    lblFName->setText(QStringLiteral("Your Partner's Name: ") + q(s.Girl.Name));
    lblFDOB->setText(QStringLiteral("Your Partner's Date Of Birth: ") + personDate(s.Girl));
    lblFTOB->setText(QStringLiteral("Your Partner's Time Of Birth: ") + personTime(s.Girl));
    lblFPOB->setText(QStringLiteral("Your Partner's Place Of Birth: ") + q(s.Girl.BirthPlace));

    // Every strip opens on its first tab with its first page in front.
    for (TabStrip* ts : {TSAll, TSD, TSM, TSF, TSNM, TSNF}) {
        ts->setSelectedItem(1);
        ts->BringSelectedToFront();
    }
}

void frmVedicResult::cmdBack_Click()
{
    forms::get<frmMainKundali>().Show();
    Unload();
    HideWelcomePanel();
}

void frmVedicResult::mnuBack_Click()
{
    cmdBack_Click();
}

void frmVedicResult::mnuOnline_Click()
{
    OpenHelpPage();
}

void frmVedicResult::mnuVisit_Click()
{
    OpenHomePage();
}

void frmVedicResult::mnuUpdate_Click()
{
    OpenUpdatePage();
}

void frmVedicResult::mnuAbout_Click()
{
    ShowAboutBox();
}

void frmVedicResult::lblHyperlink_Click()
{
    OpenHomePage();
}

void frmVedicResult::lblHomePage_Click()
{
    OpenHomePage();
}

void frmVedicResult::Label36_Click()
{
    OpenHomePage();
}

void frmVedicResult::Label58_Click()
{
    OpenHomePage();
}

void frmVedicResult::Label13_Click()
{
    OpenHomePage();
}

void frmVedicResult::lblAboutVisit_Click()
{
    OpenHomePage();
}

// ---- Pages and paging.

void frmVedicResult::PageTo(TabStrip* s, int tab)
{
    const auto& pages = s->Pages();
    if (tab >= 1 && tab <= static_cast<int>(pages.size()))
        s->BringToFront(pages[static_cast<std::size_t>(tab - 1)]);
    s->setSelectedItem(tab);
}

void frmVedicResult::TSAll_Click()
{
    TSAll->BringSelectedToFront();
}

void frmVedicResult::TSD_Click()
{
    TSD->BringSelectedToFront();
}

void frmVedicResult::TSM_Click()
{
    TSM->BringSelectedToFront();
}

void frmVedicResult::TSF_Click()
{
    TSF->BringSelectedToFront();
}

void frmVedicResult::TSNM_Click()
{
    TSNM->BringSelectedToFront();
}

void frmVedicResult::TSNF_Click()
{
    TSNF->BringSelectedToFront();
}

// ---- The information pages.

QLabel* frmVedicResult::RashiNameLabel(KundaliPerson who) const
{
    return who == KundaliPerson::Boy ? lblMRashi : lblFRashi;
}

std::array<TextBox*, 26> frmVedicResult::RashiBoxes(KundaliPerson who) const
{
    if (who == KundaliPerson::Boy)
        return {txtMEnglishName,     txtMRullingPlanet,        txtMSymbol,          txtMInbornNature,
                txtMSignColor,       txtMTypeOfSign,           txtMGender,          txtMBestPeriodOfActivity,
                txtMBarren,          txtMSignCaste,            txtMSignPosition,    txtMConstituent,
                txtMLuckyDays,       txtMLuckyNumbers,         txtMBestDirection,   txtMLuckyColors,
                txtMLuckyGemstone,   txtMPartOfTheBody,        txtMPhysique,        txtMLooks,
                txtMNature,          txtMCareerAndFinance,     txtMLoveAndDomesticLife, txtMHealth,
                txtMCompatibleWith,  txtMNotCompatibleWith};
    return {txtFEnglishName,     txtFRullingPlanet,        txtFSymbol,          txtFInbornNature,
            txtFSignColor,       txtFTypeOfSign,           txtFGender,          txtFBestPeriodOfActivity,
            txtFBarren,          txtFSignCaste,            txtFSignPosition,    txtFConstituent,
            txtFLuckyDays,       txtFLuckyNumbers,         txtFBestDirection,   txtFLuckyColors,
            txtFLuckyGemstone,   txtFPartOfTheBody,        txtFPhysique,        txtFLooks,
            txtFNature,          txtFCareerAndFinance,     txtFLoveAndDomesticLife, txtFHealth,
            txtFCompatibleWith,  txtFNotCompatibleWith};
}

QLabel* frmVedicResult::RashiPicture(KundaliPerson who) const
{
    return who == KundaliPerson::Boy ? picMRashi : picFRashi;
}

QLabel* frmVedicResult::NakshatraNameLabel(KundaliPerson who) const
{
    return who == KundaliPerson::Boy ? lblNMNakshatra : lblNFNakshatra;
}

std::array<TextBox*, 21> frmVedicResult::NakshatraBoxes(KundaliPerson who) const
{
    if (who == KundaliPerson::Boy)
        return {txtNMRullingDeva,   txtNMPurposeOfTheDeva, txtNMRullingPlanet, txtNMAnimalSymbol,
                txtNMSymbol,        txtNMAstronomicalName, txtNMElement,       txtNMPartOfBody,
                txtNMNature,        txtNMGender,           txtNMPurposeInLife, txtNMDosha,
                txtNMTemperaments,  txtNMBestDirection,    txtNMLuckyGemstone, txtNMGeneralAndPhysicalFeatures,
                txtNMPositiveHumanTraits, txtNMNegativeHumanTraits, txtNMBestCareerOptions, txtNMDomesticLife,
                txtNMHealth};
    return {txtNFRullingDeva,   txtNFPurposeOfTheDeva, txtNFRullingPlanet, txtNFAnimalSymbol,
            txtNFSymbol,        txtNFAstronomicalName, txtNFElement,       txtNFPartOfBody,
            txtNFNature,        txtNFGender,           txtNFPurposeInLife, txtNFDosha,
            txtNFTemperaments,  txtNFBestDirection,    txtNFLuckyGemstone, txtNFGeneralAndPhysicalFeatures,
            txtNFPositiveHumanTraits, txtNFNegativeHumanTraits, txtNFBestCareerOptions, txtNFDomesticLife,
            txtNFHealth};
}

QLabel* frmVedicResult::NakshatraPicture(KundaliPerson who) const
{
    return who == KundaliPerson::Boy ? picMNakshatra : picFNakshatra;
}

void frmVedicResult::RefreshRashiPictures()
{
    for (KundaliPerson who : {KundaliPerson::Boy, KundaliPerson::Girl}) {
        const QString key = RashiBoxes(who)[0]->Text().trimmed();
        for (int i = 1; i <= IMGRashi.Count(); ++i) {
            if (IMGRashi.Key(i) == key) {
                RashiPicture(who)->setPixmap(IMGRashi.Picture(i));
                break;
            }
        }
    }
}

void frmVedicResult::RefreshNakshatraPictures()
{
    for (KundaliPerson who : {KundaliPerson::Boy, KundaliPerson::Girl}) {
        const QString key = NakshatraNameLabel(who)->text();
        for (int i = 1; i <= IMGNakshatra.Count(); ++i) {
            if (IMGNakshatra.Key(i) == key) {
                NakshatraPicture(who)->setPixmap(IMGNakshatra.Picture(i));
                break;
            }
        }
    }
}

void ShowRashiInformation(KundaliPerson who, const std::string& signName)
{
    frmVedicResult& w = forms::get<frmVedicResult>();
    if (const auto* row = modRashiInformation::FindRashi(signName)) {
        w.RashiNameLabel(who)->setText(q(row->VedicName));
        const auto boxes = w.RashiBoxes(who);
        for (std::size_t i = 0; i < boxes.size(); ++i)
            boxes[i]->setText(q(row->field(static_cast<int>(i) + 1)));
    }
    w.RefreshRashiPictures();
}

void ShowNakshatraInformation(KundaliPerson who, const std::string& nakshatra)
{
    frmVedicResult& w = forms::get<frmVedicResult>();
    if (const auto* row = modNakshatraInformation::FindNakshatra(nakshatra)) {
        w.NakshatraNameLabel(who)->setText(q(row->Nakshatra));
        const auto boxes = w.NakshatraBoxes(who);
        for (std::size_t i = 0; i < boxes.size(); ++i)
            boxes[i]->setText(q(row->field(static_cast<int>(i) + 1)));
    }
    w.RefreshNakshatraPictures();
}

void ShowKutaScoreTable()
{
    modVedicCompatibility::FillKutaScoreTable();
    frmVedicResult& w = forms::get<frmVedicResult>();
    const auto& cells = modVedicCompatibility::state().KutaScoreTable;
    for (std::size_t i = 0; i < cells.size(); ++i)
        w.lblVarna[i]->setText(q(cells[i]));
}
