#include "KundaliResultFixture.h"

#include "KundaliContent.h"
#include "modNakshatraInformation.h"
#include "modRashiInformation.h"

#include "TextBox.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>

#include <cmath>
#include <set>

namespace ri = modRashiInformation;
namespace ni = modNakshatraInformation;

namespace {

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

// The texts of the caption labels placed directly on a container.
QStringList captions(const QWidget* container)
{
    QStringList out;
    for (QLabel* l : container->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (!l->text().isEmpty())
            out << l->text();
    out.sort();
    return out;
}

QStringList sorted(QStringList l)
{
    l.sort();
    return l;
}

// A picture of one plain colour, told apart from the others by its colour.
QPixmap swatch(int i, QSize size)
{
    QPixmap pm(size);
    pm.fill(QColor::fromHsv((i * 13) % 360, 200, 200));
    return pm;
}

bool samePicture(const QLabel* box, const QPixmap& picture)
{
    return box->pixmap().toImage() == picture.toImage();
}

} // namespace

TEST_F(KundaliResult, RashiPagesCarryTheirCaptionsAndTheGirlsRepeatTheBoys)
{
    frmVedicResult& w = shownWindow();
    EXPECT_EQ(captions(w.fraMRashi),
              sorted({"Rashi", "Inborn Nature", "Rulling Planet", "Symbol", "English Name", "Sign Color"}));
    EXPECT_EQ(captions(w.fraFRashi), captions(w.fraMRashi));
    const std::vector<std::pair<QStringList, QStringList>> pages = {
        {{"Type Of Sign", "Gender", "Barren / Fruitful", "Sign Caste", "Sign Position", "Constituent Character",
          "Part Of The Body"},
         {}},
        {{"Physique", "Looks"}, {"Physique", "Look"}},
        {{"Nature"}, {}},
        {{"Carrer And Finance"}, {"Career And Finance"}},
        {{"Love And Domestic", "Compatible With", "Not Compatible With"}, {}},
        {{"Health"}, {}},
        {{"Lucky Days", "Lucky Numbers", "Best Direction", "Lucky Colors", "Lucky Gemstone",
          "Best Period Of Activity"},
         {}},
    };
    const auto boy = w.TSM->Pages();
    const auto girl = w.TSF->Pages();
    for (std::size_t k = 0; k < pages.size(); ++k) {
        EXPECT_EQ(captions(boy[k]), sorted(pages[k].first)) << "page " << k + 1;
        EXPECT_EQ(captions(girl[k]), sorted(pages[k].second.isEmpty() ? pages[k].first : pages[k].second))
            << "page " << k + 1;
        // Pages 2 to 6 have bold captions, pages 1 and 7 regular ones.
        for (const QWidget* p : {boy[k], girl[k]})
            for (QLabel* l : p->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
                EXPECT_EQ(l->font().bold(), k >= 1 && k <= 5) << l->text().toStdString();
    }
    EXPECT_TRUE(w.lblMRashi->font().bold());
    EXPECT_DOUBLE_EQ(w.lblMRashi->font().pointSizeF(), 12.0);
}

TEST_F(KundaliResult, NakshatraPagesCarryTheirCaptions)
{
    frmVedicResult& w = shownWindow();
    EXPECT_EQ(captions(w.fraMNakshatra),
              sorted({"Nakshatra", "Rulling Planet", "Astronomical Name", "Animal Symbol", "Symbol"}));
    EXPECT_EQ(captions(w.fraFNakshatra), captions(w.fraMNakshatra));
    const std::vector<QStringList> pages = {
        {"Nature Of Nakshatra", "Name Of Rulling Deva/Demi God", "Purpose Of The Deva", "Element / Tatthwa",
         "Part Of Body", "Dosha", "Gender", "Purpose In Life", "Temperaments", "Best Direction", "Lucky Gemstone"},
        {"General And Physical Features"},
        {"Positive Human Traits"},
        {"Negative Human Traits"},
        {"Best Career Options", "Domestic Life", "Health"},
    };
    for (std::size_t k = 0; k < pages.size(); ++k) {
        for (MultiRowTabStrip* s : {w.TSNM, w.TSNF}) {
            const QWidget* p = s->Pages()[k];
            EXPECT_EQ(captions(p), sorted(pages[k])) << "page " << k + 1;
            for (QLabel* l : p->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
                EXPECT_EQ(l->font().bold(), k >= 1) << l->text().toStdString();
        }
    }
    // The nakshatra pages have a thin border, the rashi pages none.
    clickTab(w.TSAll, 4);
    QImage shot = w.grab().toImage();
    const QPoint edge = w.Frame17->mapTo(&w, QPoint(0, w.Frame17->height() / 2));
    EXPECT_EQ(shot.pixelColor(edge), QColor(150, 75, 15));
    EXPECT_EQ(shot.pixelColor(edge + QPoint(3, 0)), QColor(255, 147, 49));
    clickTab(w.TSAll, 2);
    shot = w.grab().toImage();
    const QPoint rashiEdge = w.Frame1->mapTo(&w, QPoint(0, w.Frame1->height() / 2));
    EXPECT_EQ(shot.pixelColor(rashiEdge), QColor(255, 147, 49));
}

TEST_F(KundaliResult, AboutBlocksCloseEveryInformationStrip)
{
    frmVedicResult& w = shownWindow();
    const QWidget* aboutPages[4] = {w.Frame8, w.Frame16, w.Frame22, w.Frame28};
    for (const QWidget* p : aboutPages) {
        const QStringList texts = captions(p);
        EXPECT_TRUE(texts.contains(QStringLiteral("Vorlaine Kundali Match")));
        EXPECT_TRUE(texts.contains(q(kundalicontent::aboutBlock())));
        EXPECT_EQ(p->findChildren<TextBox*>().size(), 0);
    }
    EXPECT_TRUE(captions(w.fraAbout).contains(QStringLiteral("Vorlaine Astrology Kundali Match")));
    EXPECT_TRUE(captions(w.fraAbout).contains(q(kundalicontent::aboutBlock())));
    EXPECT_EQ(w.Line2->frameShape(), QFrame::HLine);
    EXPECT_GT(w.Line2->width(), w.fraAbout->width() * 9 / 10);
}

TEST_F(KundaliResult, InformationBoxesAreReadOnlyAndProseBoxesScroll)
{
    frmVedicResult& w = shownWindow();
    const std::set<const TextBox*> prose = {
        w.txtMLooks, w.txtMNature, w.txtMCareerAndFinance, w.txtMLoveAndDomesticLife, w.txtMHealth,
        w.txtFLooks, w.txtFNature, w.txtFCareerAndFinance, w.txtFLoveAndDomesticLife, w.txtFHealth,
        w.txtNMGeneralAndPhysicalFeatures, w.txtNMPositiveHumanTraits, w.txtNMNegativeHumanTraits,
        w.txtNMBestCareerOptions, w.txtNMDomesticLife, w.txtNMHealth,
        w.txtNFGeneralAndPhysicalFeatures, w.txtNFPositiveHumanTraits, w.txtNFNegativeHumanTraits,
        w.txtNFBestCareerOptions, w.txtNFDomesticLife, w.txtNFHealth};
    std::vector<TextBox*> boxes;
    for (KundaliPerson who : {KundaliPerson::Boy, KundaliPerson::Girl}) {
        for (TextBox* b : w.RashiBoxes(who))
            boxes.push_back(b);
        for (TextBox* b : w.NakshatraBoxes(who))
            boxes.push_back(b);
    }
    ASSERT_EQ(boxes.size(), 94u);
    EXPECT_EQ(std::set<TextBox*>(boxes.begin(), boxes.end()).size(), 94u);
    EXPECT_EQ(w.findChildren<TextBox*>().size(), 94);
    for (TextBox* b : boxes) {
        EXPECT_TRUE(b->isReadOnly());
        EXPECT_TRUE(b->Text().isEmpty());
        const bool isProse = prose.count(b) != 0;
        EXPECT_EQ(b->verticalScrollBarPolicy(), isProse ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        EXPECT_EQ(b->lineWrapMode(), isProse ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    }
    // Typing into a box changes nothing.
    ShowRashiInformation(KundaliPerson::Boy, "Taurus");
    clickTab(w.TSAll, 2);
    w.txtMGender->setFocus();
    QTest::keyClicks(w.txtMGender, QStringLiteral("xyz"));
    QTest::keyClick(w.txtMGender, Qt::Key_Backspace);
    EXPECT_EQ(w.txtMGender->Text(), QStringLiteral("Female"));
}

TEST_F(KundaliResult, PagesStartEmptyWithTheirDesignPictures)
{
    frmVedicResult& w = shownWindow();
    EXPECT_EQ(w.lblMRashi->text(), QStringLiteral("Rashi"));
    EXPECT_EQ(w.lblFRashi->text(), QStringLiteral("Rashi"));
    EXPECT_EQ(w.lblNMNakshatra->text(), QStringLiteral("Nakshatra"));
    EXPECT_EQ(w.lblNFNakshatra->text(), QStringLiteral("Nakshatra"));
    const QPixmap rashi = frmVedicResult::DesignRashiPicture();
    const QPixmap nakshatra = frmVedicResult::DesignNakshatraPicture();
    ASSERT_FALSE(rashi.isNull());
    ASSERT_FALSE(nakshatra.isNull());
    EXPECT_EQ(rashi.size(), QSize(200, 200));
    EXPECT_EQ(nakshatra.size(), QSize(150, 159));
    EXPECT_TRUE(samePicture(w.picMRashi, rashi));
    EXPECT_TRUE(samePicture(w.picFRashi, rashi));
    EXPECT_TRUE(samePicture(w.picMNakshatra, nakshatra));
    EXPECT_TRUE(samePicture(w.picFNakshatra, nakshatra));
}

TEST_F(KundaliResult, RashiInformationFillsThePageOfThePersonNamed)
{
    frmVedicResult& w = shownWindow();
    // The girl first: each person's page is chosen by the caller.
    ShowRashiInformation(KundaliPerson::Girl, "Pisces");
    ShowRashiInformation(KundaliPerson::Boy, "Aries");
    struct Check {
        KundaliPerson who;
        const char* sign;
    };
    for (const Check& c : {Check{KundaliPerson::Boy, "Aries"}, Check{KundaliPerson::Girl, "Pisces"}}) {
        const ri::RashiInfo* row = ri::FindRashi(c.sign);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(w.RashiNameLabel(c.who)->text(), q(row->VedicName));
        const auto boxes = w.RashiBoxes(c.who);
        for (std::size_t i = 0; i < boxes.size(); ++i)
            EXPECT_EQ(boxes[i]->Text(), q(row->field(static_cast<int>(i) + 1))) << c.sign << " field " << i + 2;
    }
    EXPECT_EQ(w.lblMRashi->text(), QStringLiteral("Mesha"));
    EXPECT_EQ(w.txtMRullingPlanet->Text(), QStringLiteral("Mars"));
    EXPECT_EQ(w.txtMSignColor->Text(), QStringLiteral("Red, Brown, Copper"));
    EXPECT_EQ(w.txtMBarren->Text(), QStringLiteral("Barren"));
    EXPECT_EQ(w.txtMLuckyNumbers->Text(), QStringLiteral("9, 1"));
    EXPECT_EQ(w.txtMCompatibleWith->Text(), QStringLiteral("Leo, Sagittarius, Gemini, Aquarius, Libra"));
    EXPECT_EQ(w.lblFRashi->text(), QStringLiteral("Meena"));
    EXPECT_EQ(w.txtFSymbol->Text(), QStringLiteral("The Double Fish"));
    EXPECT_EQ(w.txtFBestPeriodOfActivity->Text(), QStringLiteral("Day"));
    EXPECT_EQ(w.txtFNotCompatibleWith->Text(), QStringLiteral("Aries, Leo, Sagittarius"));
    EXPECT_FALSE(w.txtFNature->Text().isEmpty());

    // A later call for a person writes that person's page again, only that one.
    ShowRashiInformation(KundaliPerson::Girl, "Virgo");
    EXPECT_EQ(w.txtFHealth->Text(),
              QStringLiteral("Your intestine and liver may give you some problems. Else you enjoy sound health."));
    EXPECT_EQ(w.txtMEnglishName->Text(), QStringLiteral("Aries"));
}

TEST_F(KundaliResult, RashiNamesWithoutARowLeaveBothPagesAsTheyWere)
{
    frmVedicResult& w = shownWindow();
    for (const char* name : {"aries", " Aries", "Aries ", "Aries (Mesha)", "", "Rashi", "ARIES"}) {
        ShowRashiInformation(KundaliPerson::Boy, name);
        ShowRashiInformation(KundaliPerson::Girl, name);
        EXPECT_EQ(w.lblMRashi->text(), QStringLiteral("Rashi")) << name;
        EXPECT_EQ(w.lblFRashi->text(), QStringLiteral("Rashi")) << name;
        for (KundaliPerson who : {KundaliPerson::Boy, KundaliPerson::Girl})
            for (TextBox* b : w.RashiBoxes(who))
                EXPECT_TRUE(b->Text().isEmpty()) << name;
    }
    // A miss for the boy on a filled page keeps what it shows; the girl's
    // page, named next, is filled as usual.
    ShowRashiInformation(KundaliPerson::Boy, "Gemini");
    ShowRashiInformation(KundaliPerson::Boy, "gemini");
    ShowRashiInformation(KundaliPerson::Girl, "Gemini");
    EXPECT_EQ(w.txtMEnglishName->Text(), QStringLiteral("Gemini"));
    EXPECT_EQ(w.txtFEnglishName->Text(), QStringLiteral("Gemini"));
    EXPECT_EQ(w.txtMGender->Text(), w.txtFGender->Text());
}

TEST_F(KundaliResult, RashiPicturesFollowTheEnglishNameBoxes)
{
    frmVedicResult& w = shownWindow();
    // Pictures told apart by colour stand in for the drawings.
    ImageList list;
    for (int i = 1; i <= w.IMGRashi.Count(); ++i)
        list.Add(w.IMGRashi.Key(i), swatch(i, {200, 200}));
    w.IMGRashi = list;
    const QPixmap design = frmVedicResult::DesignRashiPicture();

    ShowRashiInformation(KundaliPerson::Boy, "Aries");
    EXPECT_TRUE(samePicture(w.picMRashi, list.Find("Aries")));
    EXPECT_TRUE(samePicture(w.picFRashi, design));
    ShowRashiInformation(KundaliPerson::Girl, "Aries");
    EXPECT_TRUE(samePicture(w.picFRashi, list.Find("Aries")));
    EXPECT_TRUE(samePicture(w.picMRashi, list.Find("Aries")));
    ShowRashiInformation(KundaliPerson::Girl, "Capricorn");
    EXPECT_TRUE(samePicture(w.picFRashi, list.Find("Capricorn")));
    EXPECT_FALSE(samePicture(w.picFRashi, list.Find("Aries")));
    // Every call refreshes both pictures from the boxes, trimmed.
    w.txtMEnglishName->setText(QStringLiteral("  Leo "));
    ShowRashiInformation(KundaliPerson::Girl, "no such sign");
    EXPECT_TRUE(samePicture(w.picMRashi, list.Find("Leo")));
    EXPECT_TRUE(samePicture(w.picFRashi, list.Find("Capricorn")));
    // A box with no key keeps its picture.
    w.txtMEnglishName->setText(QStringLiteral("Leo (Simha)"));
    ShowRashiInformation(KundaliPerson::Boy, "");
    EXPECT_TRUE(samePicture(w.picMRashi, list.Find("Leo")));
}

TEST_F(KundaliResult, NakshatraInformationFillsThePageOfThePersonNamed)
{
    frmVedicResult& w = shownWindow();
    ShowNakshatraInformation(KundaliPerson::Girl, "Revati");
    ShowNakshatraInformation(KundaliPerson::Boy, "Ashwini");
    for (const auto& [who, name] : {std::pair{KundaliPerson::Boy, "Ashwini"}, std::pair{KundaliPerson::Girl, "Revati"}}) {
        const ni::NakshatraInfo* row = ni::FindNakshatra(name);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(w.NakshatraNameLabel(who)->text(), QString::fromLatin1(name));
        const auto boxes = w.NakshatraBoxes(who);
        for (std::size_t i = 0; i < boxes.size(); ++i)
            EXPECT_EQ(boxes[i]->Text(), q(row->field(static_cast<int>(i) + 1))) << name << " field " << i + 2;
    }
    EXPECT_EQ(w.txtNMRullingDeva->Text(), QStringLiteral("Ashwina Kumara"));
    EXPECT_EQ(w.txtNMPurposeOfTheDeva->Text(), QStringLiteral("Physician of the Demi Gods"));
    EXPECT_EQ(w.txtNMDosha->Text(), QStringLiteral("Vata"));
    EXPECT_EQ(w.txtNMElement->Text(), QStringLiteral("Prithvi (Earth)"));
    EXPECT_EQ(w.txtNFRullingDeva->Text(), QStringLiteral("Pushan"));
    EXPECT_EQ(w.txtNFAstronomicalName->Text(), QStringLiteral("Zeta Piscum"));
    EXPECT_EQ(w.txtNFLuckyGemstone->Text(), QStringLiteral("Emerald"));

    // Names spelled otherwise match no row and change nothing.
    for (const char* name : {"ashwini", "Ashwini ", " Revati", "Nakshatra", "", "Poorva  Phalguni"}) {
        ShowNakshatraInformation(KundaliPerson::Boy, name);
        EXPECT_EQ(w.lblNMNakshatra->text(), QStringLiteral("Ashwini")) << name;
        EXPECT_EQ(w.txtNMRullingDeva->Text(), QStringLiteral("Ashwina Kumara")) << name;
    }
    // The Vishakha traits stand as two paragraphs.
    ShowNakshatraInformation(KundaliPerson::Girl, "Vishakha");
    const QStringList paragraphs = w.txtNFPositiveHumanTraits->Text().split(QLatin1Char('\n'));
    ASSERT_EQ(paragraphs.size(), 3);
    EXPECT_TRUE(paragraphs[1].isEmpty());
}

TEST_F(KundaliResult, UnfilledNakshatraPagesKeepTheirFirstLook)
{
    frmVedicResult& w = shownWindow();
    ShowNakshatraInformation(KundaliPerson::Boy, "foreign line");
    ShowNakshatraInformation(KundaliPerson::Girl, "");
    for (KundaliPerson who : {KundaliPerson::Boy, KundaliPerson::Girl}) {
        EXPECT_EQ(w.NakshatraNameLabel(who)->text(), QStringLiteral("Nakshatra"));
        for (TextBox* b : w.NakshatraBoxes(who))
            EXPECT_TRUE(b->Text().isEmpty());
        EXPECT_TRUE(samePicture(w.NakshatraPicture(who), frmVedicResult::DesignNakshatraPicture()));
    }
}

TEST_F(KundaliResult, NakshatraPicturesFollowTheNameLabels)
{
    frmVedicResult& w = shownWindow();
    ImageList list;
    for (int i = 1; i <= w.IMGNakshatra.Count(); ++i)
        list.Add(w.IMGNakshatra.Key(i), swatch(i, {150, 159}));
    w.IMGNakshatra = list;
    const QPixmap design = frmVedicResult::DesignNakshatraPicture();

    ShowNakshatraInformation(KundaliPerson::Boy, "Poorva Bhadrapada");
    EXPECT_TRUE(samePicture(w.picMNakshatra, list.Find("Poorva Bhadrapada")));
    EXPECT_TRUE(samePicture(w.picFNakshatra, design));
    ShowNakshatraInformation(KundaliPerson::Girl, "Poorva Bhadrapada");
    EXPECT_TRUE(samePicture(w.picFNakshatra, list.Find("Poorva Bhadrapada")));
    ShowNakshatraInformation(KundaliPerson::Girl, "Moola");
    EXPECT_TRUE(samePicture(w.picFNakshatra, list.Find("Moola")));
    EXPECT_TRUE(samePicture(w.picMNakshatra, list.Find("Poorva Bhadrapada")));
    // The label caption is the key, compared exactly.
    w.lblNMNakshatra->setText(QStringLiteral("Moola "));
    ShowNakshatraInformation(KundaliPerson::Boy, "none");
    EXPECT_TRUE(samePicture(w.picMNakshatra, list.Find("Poorva Bhadrapada")));
}

TEST_F(KundaliResult, ImageListsHoldEveryKeyInAlphabeticalOrder)
{
    frmVedicResult& w = shownWindow();
    ASSERT_EQ(w.IMGRashi.Count(), 12);
    ASSERT_EQ(w.IMGNakshatra.Count(), 27);
    QStringList rashi, nakshatra;
    for (int i = 1; i <= 12; ++i)
        rashi << w.IMGRashi.Key(i);
    for (int i = 1; i <= 27; ++i)
        nakshatra << w.IMGNakshatra.Key(i);
    EXPECT_EQ(rashi, (QStringList{"Aquarius", "Aries", "Cancer", "Capricorn", "Gemini", "Leo", "Libra", "Pisces",
                                  "Sagittarius", "Scorpio", "Taurus", "Virgo"}));
    EXPECT_EQ(nakshatra.first(), QStringLiteral("Anuradha"));
    EXPECT_EQ(nakshatra.last(), QStringLiteral("Vishakha"));
    EXPECT_EQ(nakshatra, sorted(nakshatra));
    EXPECT_FALSE(nakshatra.contains(QStringLiteral("Nakshatra")));
    for (const QString& k : rashi)
        EXPECT_NE(ri::FindRashi(k.toStdString()), nullptr) << k.toStdString();
    for (const QString& k : nakshatra)
        EXPECT_NE(ni::FindNakshatra(k.toStdString()), nullptr) << k.toStdString();
    // A picture is there exactly when its drawing is, at the list's size.
    for (int i = 1; i <= 12; ++i) {
        const bool drawn = QFile::exists(QStringLiteral(":/rashi/%1.svg").arg(w.IMGRashi.Key(i)));
        EXPECT_EQ(!w.IMGRashi.Picture(i).isNull(), drawn) << w.IMGRashi.Key(i).toStdString();
        if (drawn) {
            EXPECT_EQ(w.IMGRashi.Picture(i).size(), QSize(200, 200));
        }
    }
    for (int i = 1; i <= 27; ++i) {
        const bool drawn = QFile::exists(QStringLiteral(":/nakshatra/%1.svg").arg(w.IMGNakshatra.Key(i)));
        EXPECT_EQ(!w.IMGNakshatra.Picture(i).isNull(), drawn) << w.IMGNakshatra.Key(i).toStdString();
        if (drawn) {
            EXPECT_EQ(w.IMGNakshatra.Picture(i).size(), QSize(150, 159));
        }
    }
}

TEST_F(KundaliResult, EveryDrawingIsInTheProgram)
{
    int present = 0;
    frmVedicResult& w = shownWindow();
    for (int i = 1; i <= 12; ++i)
        present += QFile::exists(QStringLiteral(":/rashi/%1.svg").arg(w.IMGRashi.Key(i)));
    for (int i = 1; i <= 27; ++i)
        present += QFile::exists(QStringLiteral(":/nakshatra/%1.svg").arg(w.IMGNakshatra.Key(i)));
    EXPECT_EQ(present, 39);
    // Each drawing is its own picture.
    std::set<QByteArray> seen;
    auto digest = [](const QPixmap& pm) {
        const QImage img = pm.toImage().convertToFormat(QImage::Format_ARGB32);
        return QCryptographicHash::hash(
            QByteArrayView(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes()),
            QCryptographicHash::Md5);
    };
    for (int i = 1; i <= 12; ++i)
        seen.insert(digest(w.IMGRashi.Picture(i)));
    for (int i = 1; i <= 27; ++i)
        seen.insert(digest(w.IMGNakshatra.Picture(i)));
    EXPECT_EQ(seen.size(), 39u);
}

TEST_F(KundaliResult, EveryPageIsFilledForARealMatch)
{
    frmVedicResult& w = realMatch();
    for (KundaliPerson who : {KundaliPerson::Boy, KundaliPerson::Girl}) {
        for (TextBox* b : w.RashiBoxes(who))
            EXPECT_FALSE(b->Text().isEmpty());
        for (TextBox* b : w.NakshatraBoxes(who))
            EXPECT_FALSE(b->Text().isEmpty());
        EXPECT_NE(w.RashiNameLabel(who)->text(), QStringLiteral("Rashi"));
        EXPECT_NE(w.NakshatraNameLabel(who)->text(), QStringLiteral("Nakshatra"));
    }
    for (QLabel* cell : w.lblVarna) {
        EXPECT_FALSE(cell->text().isEmpty());
        EXPECT_NE(cell->text(), QStringLiteral("Label3"));
    }
    EXPECT_EQ(w.txtFEnglishName->Text(), QStringLiteral("Pisces"));
    EXPECT_EQ(w.lblNFNakshatra->text(), QStringLiteral("Revati"));
    EXPECT_GT(w.RTB->Text().size(), 3000);
}

TEST_F(KundaliResult, ProseBoxesShowWholeLinesAndShortFieldsShowTheirLongestValues)
{
    frmVedicResult& w = shownWindow();
    // Page 5 of each nakshatra strip: three prose boxes, each a whole number
    // of lines below its top margin.
    for (TextBox* box : {w.txtNMBestCareerOptions, w.txtNMDomesticLife, w.txtNMHealth, w.txtNFBestCareerOptions,
                         w.txtNFDomesticLife, w.txtNFHealth}) {
        const int margin = static_cast<int>(std::ceil(box->document()->documentMargin()));
        const int shown = box->contentsRect().height() - margin;
        EXPECT_EQ(shown % box->fontMetrics().lineSpacing(), 0) << shown;
        EXPECT_GE(shown / box->fontMetrics().lineSpacing(), 2);
    }
    // Chitra's deva purpose fits its widened box.
    ShowNakshatraInformation(KundaliPerson::Boy, "Chitra");
    EXPECT_TRUE(w.txtNMPurposeOfTheDeva->TextFits()) << w.txtNMPurposeOfTheDeva->Text().toStdString();
    // Shravana's symbol is wider than the picture column allows: the box
    // shows it shortened with an ellipsis and whole in its tool tip; a short
    // one needs neither.
    ShowNakshatraInformation(KundaliPerson::Girl, "Shravana");
    EXPECT_EQ(w.txtNFSymbol->Text(), QStringLiteral("An Ear /An Arrow / Three Footprints"));
    EXPECT_FALSE(w.txtNFSymbol->TextFits());
    EXPECT_EQ(w.txtNFSymbol->toolTip(), w.txtNFSymbol->Text());
    EXPECT_TRUE(w.txtNFSymbol->ShownText().endsWith(QChar(0x2026)));
    ShowNakshatraInformation(KundaliPerson::Girl, "Ashwini");
    EXPECT_EQ(w.txtNFSymbol->Text(), QStringLiteral("Head of a Horse"));
    EXPECT_TRUE(w.txtNFSymbol->TextFits());
    EXPECT_TRUE(w.txtNFSymbol->toolTip().isEmpty());
    EXPECT_EQ(w.txtNFSymbol->ShownText(), w.txtNFSymbol->Text());
}
