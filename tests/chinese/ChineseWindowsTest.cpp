#include "ChineseCalculation.h"
#include "ShownPage.h"
#include "frmSaveChinese.h"
#include "frmchiness.h"
#include "frmmainChinese.h"

#include "ClickLabel.h"
#include "Forms.h"
#include "LineBox.h"
#include "MDI.h"
#include "ScreenChecks.h"
#include "ShellFixture.h"
#include "TabStrip.h"
#include "TextBox.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>

#include <cmath>

using platform::MsgIcon;
namespace chinese = VorlaineChineseCompatibility;

namespace {

struct Birth {
    QString day, month, year;
};

// A date inside the Chinese year of each animal (well after its new year).
Birth bornA(int animal)
{
    return {QStringLiteral("1"), QStringLiteral("March"), QString::number(1948 + animal)};
}

class ChineseWindows : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        chinese::state() = chinese::State{};
        ASSERT_TRUE(showActiveMainWindow());
    }

    frmmainChinese& input()
    {
        mdi().cmdCallMainForm_Click(2);
        return forms::get<frmmainChinese>();
    }

    static void pick(QComboBox* box, const QString& text) { screenchecks::pickByKeys(box, text); }

    static void type(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    static void enter(frmmainChinese& w, const QString& maleName, const Birth& m, const QString& femaleName,
                      const Birth& f)
    {
        type(w.txtMaleName, maleName);
        pick(w.cboMaleMonth, m.month);
        pick(w.CboMaleDate, m.day);
        pick(w.cboMaleYear, m.year);
        type(w.txtFemaleName, femaleName);
        pick(w.cboFemaleMonth, f.month);
        pick(w.cboFemaleDate, f.day);
        pick(w.cboFemaleYear, f.year);
    }

    // Fills both persons and presses the button; the result window it opened.
    frmchiness& proceed(const Birth& m, const Birth& f, const QString& maleName = QStringLiteral("Asha"),
                        const QString& femaleName = QStringLiteral("Ben"))
    {
        frmmainChinese& w = input();
        enter(w, maleName, m, femaleName, f);
        QTest::mouseClick(w.cmdProceed, Qt::LeftButton);
        EXPECT_TRUE(forms::isLoaded<frmchiness>());
        return forms::get<frmchiness>();
    }

    static QImage image(const QLabel* picture) { return picture->pixmap().toImage(); }
};

} // namespace

TEST_F(ChineseWindows, InputWindowStartsEmptyWithItsListsAndNotes)
{
    frmmainChinese& w = input();
    EXPECT_EQ(w.Caption(), QStringLiteral("Vorlaine Chinese Zodiac Compatibility"));
    EXPECT_TRUE(w.txtMaleName->text().isEmpty());
    EXPECT_TRUE(w.txtFemaleName->text().isEmpty());
    for (QComboBox* month : {w.cboMaleMonth, w.cboFemaleMonth}) {
        ASSERT_EQ(month->count(), 12);
        EXPECT_EQ(month->itemText(1), QStringLiteral("February"));
        EXPECT_EQ(month->itemText(11), QStringLiteral("December"));
        EXPECT_EQ(month->currentText(), QStringLiteral("January"));
    }
    for (QComboBox* day : {w.CboMaleDate, w.cboFemaleDate}) {
        ASSERT_EQ(day->count(), 31);
        EXPECT_EQ(day->itemText(8), QStringLiteral("9"));
        EXPECT_EQ(day->itemText(30), QStringLiteral("31"));
        EXPECT_EQ(day->currentText(), QStringLiteral("1"));
    }
    for (QComboBox* year : {w.cboMaleYear, w.cboFemaleYear}) {
        ASSERT_EQ(year->count(), 84);
        EXPECT_EQ(year->itemText(0), QStringLiteral("1936"));
        EXPECT_EQ(year->itemText(83), QStringLiteral("2019"));
        EXPECT_EQ(year->currentText(), QStringLiteral("1936"));
        EXPECT_FALSE(year->isEditable());
    }
    EXPECT_EQ(w.Frame1->title(), QStringLiteral("Your Details"));
    EXPECT_EQ(w.Frame2->title(), QStringLiteral("Your Partner's Details"));
    EXPECT_EQ(w.Label4->text(), QStringLiteral("Birth Day"));
    EXPECT_EQ(w.cmdProceed->text(), QStringLiteral("Get Our &Chinese Zodiac Compatibility"));
    EXPECT_EQ(w.Label5[0]->text(),
              QStringLiteral("This program has been designed keeping in mind date settings according to MM/DD/YYYY format"));
    EXPECT_EQ(w.Label5[1]->text(), QStringLiteral("Please set your Regional and Language Settings to US English "
                                                  "for proper working of this software."));
    w.Label5[0]->ensurePolished();
    w.Label5[1]->ensurePolished();
    EXPECT_EQ(w.Label5[0]->palette().color(QPalette::WindowText), QColor(0, 100, 0));
    EXPECT_EQ(w.Label5[1]->palette().color(QPalette::WindowText), QColor(255, 0, 0));

    // The keyboard runs through both persons in turn, then to the button.
    w.txtMaleName->setFocus();
    const QWidget* order[] = {w.cboMaleMonth, w.CboMaleDate, w.cboMaleYear, w.txtFemaleName,
                              w.cboFemaleMonth, w.cboFemaleDate, w.cboFemaleYear, w.cmdProceed};
    for (const QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
    EXPECT_FLOAT_EQ(w.Left(), (19200.0f - w.Width()) / 2.0f);
    EXPECT_FLOAT_EQ(w.Top(), 0.0f);
}

TEST_F(ChineseWindows, ValidationStopsAtTheFirstFailureInOrder)
{
    const QString feb = QStringLiteral("Please Enter Correct Date Or Month!");
    const QString thirtyFirst = QStringLiteral("Please Enter Correct Date Or Month !");
    struct Case {
        const char* what;
        QString maleName, femaleName;
        Birth m, f;
        QString message; // empty: accepted
        QLineEdit* frmmainChinese::*focus;
    };
    const Case cases[] = {
        {"both names empty and both dates wrong", "", "", {"31", "February", "1940"}, {"31", "April", "1990"},
         "Please enter your Name", &frmmainChinese::txtMaleName},
        {"partner's name before a wrong date", "A", "", {"30", "February", "1940"}, {"1", "May", "1990"},
         "Please Enter Youe Partner's Name", &frmmainChinese::txtFemaleName},
        {"29 February 1941", "A", "B", {"29", "February", "1941"}, {"31", "June", "1990"}, feb, nullptr},
        {"30 February 1940", "A", "B", {"30", "February", "1940"}, {"1", "May", "1990"}, feb, nullptr},
        {"31 February gives the February message", "A", "B", {"31", "February", "1961"}, {"1", "May", "1990"},
         feb, nullptr},
        {"31 April", "A", "B", {"31", "April", "1990"}, {"1", "May", "1990"}, thirtyFirst, nullptr},
        {"31 September", "A", "B", {"31", "September", "1990"}, {"1", "May", "1990"}, thirtyFirst, nullptr},
        {"partner's 31 June", "A", "B", {"31", "May", "1990"}, {"31", "June", "1990"}, thirtyFirst, nullptr},
        {"partner's 29 February 2019", "A", "B", {"1", "May", "1990"}, {"29", "February", "2019"}, feb, nullptr},
        {"partner's 31 November", "A", "B", {"1", "May", "1990"}, {"31", "November", "2000"}, thirtyFirst,
         nullptr},
        {"29 February 1940, 30 April and 31 December pass", "A", "B", {"29", "February", "1940"},
         {"30", "April", "1990"}, "", nullptr},
        {"31 December passes, names of blanks pass", "   ", " ", {"31", "December", "2019"},
         {"29", "February", "1996"}, "", nullptr},
    };
    for (const Case& c : cases) {
        desk.messages.clear();
        frmmainChinese& w = input();
        enter(w, c.maleName, c.m, c.femaleName, c.f);
        w.cboFemaleYear->setFocus();
        QTest::mouseClick(w.cmdProceed, Qt::LeftButton);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(desk.messages.empty()) << c.what;
            EXPECT_TRUE(forms::isLoaded<frmchiness>()) << c.what;
            EXPECT_FALSE(forms::isLoaded<frmmainChinese>()) << c.what;
            continue;
        }
        ASSERT_EQ(desk.messages.size(), 1u) << c.what;
        EXPECT_EQ(desk.messages[0].text, c.message) << c.what;
        EXPECT_EQ(desk.messages[0].icon, MsgIcon::Information) << c.what;
        EXPECT_EQ(desk.messages[0].buttons, platform::MsgButtons::OK) << c.what;
        EXPECT_EQ(desk.messages[0].title, QStringLiteral("Vorlaine Love Test")) << c.what;
        // A refused date leaves the focus where it was.
        const QWidget* focus = c.focus ? static_cast<QWidget*>(w.*(c.focus)) : w.cmdProceed;
        EXPECT_EQ(QApplication::focusWidget(), focus) << c.what;
        EXPECT_TRUE(forms::isLoaded<frmmainChinese>()) << c.what;
        EXPECT_FALSE(forms::isLoaded<frmchiness>()) << c.what;
        EXPECT_TRUE(chinese::state().MaleName.empty()) << c.what << ": nothing is written";
    }
}

TEST_F(ChineseWindows, ProceedKeepsEveryResultAndFillsTheResultWindow)
{
    frmchiness& r = proceed({"5", "March", "1970"}, {"29", "February", "1940"}, QStringLiteral("  Asha Rao "),
                            QStringLiteral("Ben"));
    const auto& s = chinese::state();
    EXPECT_EQ(s.MaleName, "Asha Rao");
    EXPECT_EQ(s.FemaleName, "Ben");
    EXPECT_EQ(s.MaleBirthDate, "5 March 1970");
    EXPECT_EQ(s.FemaleBirthDate, "29 February 1940");
    EXPECT_EQ(s.MaleChineseSign, "Dog");
    EXPECT_EQ(s.FemaleChineseSign, "Dragon");
    EXPECT_EQ(s.ChineseCompatibilityNumber, 2);
    EXPECT_EQ(s.ChinesePercentage, "20%");
    EXPECT_EQ(s.ChineseRating, " A Poor Match");

    EXPECT_FALSE(forms::isLoaded<frmmainChinese>());
    EXPECT_FALSE(r.frame()->isHidden());
    EXPECT_FALSE(WelcomePanelVisible());
    EXPECT_EQ(shownPage(r.SSTab), r.fracompalibility);
    EXPECT_EQ(r.SSTab->SelectedItem(), 1);

    EXPECT_EQ(r.Framale->title(), QStringLiteral("Asha Rao"));
    EXPECT_EQ(r.Frafemale->title(), QStringLiteral("Ben"));
    EXPECT_EQ(r.lblMaleChinesesign->text(), QStringLiteral("Dog"));
    EXPECT_EQ(r.lblFemaleChineseSign->text(), QStringLiteral("Dragon"));
    EXPECT_EQ(r.lblMaleChineseElements->text(), QStringLiteral("Metal"));
    EXPECT_EQ(r.lblFemaleChineseElements->text(), QStringLiteral("Metal"));
    EXPECT_EQ(r.lblChineseCompatibilityNumber->text(), QStringLiteral("2"));
    EXPECT_EQ(r.lblChinesePercentage->text(), QStringLiteral("20%"));
    EXPECT_EQ(r.lblChineseRating->text(), QStringLiteral(" A Poor Match"));
    EXPECT_EQ(r.lblMatchingDescription->text(), QStringLiteral("Compatibility Of Dog With  Dragon :-"));
    EXPECT_EQ(r.txtMatchingDescription->Text(), QString::fromStdString(s.MatchingDescription).replace("\r\n", "\n"));
    EXPECT_NE(s.MatchingDescription.find("Dog and Dragon"), std::string::npos);

    // Each record field in its own box.
    using namespace chinese;
    const std::pair<QWidget*, ChineseSignField> male[] = {
        {r.txtMaleRulingPlanet, RulingPlanet},           {r.txtMalePositiveTraits, PositiveTraits},
        {r.txtMaleNegativeTraits, NegativeTraits},       {r.txtMaleMostCompatibleSign, MostCompatibleSign},
        {r.txtMAleLeastCompatibleSign, LeastCompatibleSign}, {r.txtMaleLuckycolour, LuckyColour},
        {r.txtMaleGemStone, GemStone},                   {r.txtMaleEnergy, Energy},
        {r.txtMaleLuckySeasons, LuckySeasons},           {r.txtMaleLuckyMonth, LuckyMonth},
        {r.txtMaleFamousPersonBorn, FamousPersons},      {r.txtMaleWesternZodiacSign, WesternZodiacSign},
        {r.txtMaleLuckyNumber, LuckyNumber}};
    const std::pair<QWidget*, ChineseSignField> female[] = {
        {r.txtFemaleRulingPlanet, RulingPlanet},           {r.txtFemalePositiveTraits, PositiveTraits},
        {r.txtFemaleNegativeTraits, NegativeTraits},       {r.txtFemaleMostCompatibleSign, MostCompatibleSign},
        {r.txtFemaleLeastCompitibleSign, LeastCompatibleSign}, {r.txtFemaleLuckycolour, LuckyColour},
        {r.txtFemaleGemStone, GemStone},                   {r.txtFemaleEnergy, Energy},
        {r.txtFemaleLuckySeasons, LuckySeasons},           {r.txtFemaleLuckyMonth, LuckyMonth},
        {r.txtFemaleFamousPerson, FamousPersons},          {r.txtFemaleWesternZodiacSign, WesternZodiacSign},
        {r.txtFemaleLuckyNumber, LuckyNumber}};
    const auto dog = GetChineseSignInfo("Dog");
    const auto dragon = GetChineseSignInfo("Dragon");
    for (const auto& [box, field] : male)
        EXPECT_EQ(BoxText(box).toStdString(), dog[field]) << field;
    for (const auto& [box, field] : female)
        EXPECT_EQ(BoxText(box).toStdString(), dragon[field]) << field;
    EXPECT_EQ(r.txtMaleLuckyMonth->Text(), QStringLiteral("October"));
    EXPECT_EQ(r.txtFemaleWesternZodiacSign->Text(), QStringLiteral("Aries"));
    EXPECT_EQ(r.txtMaleElementDescription->Text().toStdString(), GetElementDescription("Metal"));
    EXPECT_EQ(r.txtFemaleelementDescription->Text(), r.txtMaleElementDescription->Text());
}

TEST_F(ChineseWindows, AnimalsAndElementsOnBothSidesOfANewYear)
{
    struct Case {
        Birth date;
        const char* animal;
        const char* element;
    };
    const std::pair<Case, Case> cases[] = {
        {{{"10", "February", "1937"}, "Rat", "Fire"}, {{"11", "February", "1937"}, "Ox", "Fire"}},
        {{{"27", "January", "1960"}, "Pig", "Earth"}, {{"28", "January", "1960"}, "Rat", "Metal"}},
        {{{"6", "February", "2008"}, "Pig", "Fire"}, {{"7", "February", "2008"}, "Rat", "Earth"}},
        {{{"1", "January", "1936"}, "Rat", "Fire"}, {{"31", "December", "2019"}, "Pig", "Earth"}},
    };
    for (const auto& [m, f] : cases) {
        frmchiness& r = proceed(m.date, f.date);
        const std::string where = m.date.day.toStdString() + " " + m.date.month.toStdString() + " " +
                                  m.date.year.toStdString();
        EXPECT_EQ(r.lblMaleChinesesign->text(), QLatin1String(m.animal)) << where;
        EXPECT_EQ(r.lblMaleChineseElements->text(), QLatin1String(m.element)) << where;
        EXPECT_EQ(r.lblFemaleChineseSign->text(), QLatin1String(f.animal)) << where;
        EXPECT_EQ(r.lblFemaleChineseElements->text(), QLatin1String(f.element)) << where;
        // Swapped, each person keeps their own year.
        frmchiness& swapped = proceed(f.date, m.date);
        EXPECT_EQ(swapped.lblMaleChinesesign->text(), QLatin1String(f.animal)) << where;
        EXPECT_EQ(swapped.lblFemaleChineseElements->text(), QLatin1String(m.element)) << where;
    }
}

TEST_F(ChineseWindows, DatesAreReadTheSameUnderAnyRegionalSettings)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    frmchiness& r = proceed({"11", "February", "1937"}, {"5", "March", "1970"});
    QLocale::setDefault(before);
    EXPECT_EQ(r.lblMaleChinesesign->text(), QStringLiteral("Ox"));
    EXPECT_EQ(r.lblFemaleChineseSign->text(), QStringLiteral("Dog"));
    EXPECT_EQ(chinese::state().MaleBirthDate, "11 February 1937");
}

TEST_F(ChineseWindows, RatingTextsForMatrixValues)
{
    enum { Rat, Ox, Tiger, Rabbit, Dragon, Snake, Horse, Goat, Monkey, Rooster, Dog, Pig };
    struct Case {
        int first, partner;
        const char *number, *percentage, *rating;
    };
    const Case cases[] = {
        {Ox, Goat, "2", "20%", " A Poor Match"},       {Rat, Horse, "3", "30%", "A Poor Match"},
        {Monkey, Ox, "4", "40%", "A Difficult Match"}, {Tiger, Tiger, "5", "50%", "A Difficult Match"},
        {Rat, Ox, "6", "60%", "An Easy Match"},        {Dog, Dog, "7", "70%", "An Easy Match"},
        {Pig, Dragon, "8", "80%", "A Great Match"},    {Goat, Rabbit, "9", "90%", "A Great Match"},
        {Dragon, Rat, "10", "100%", "A Perfect Match"},
    };
    for (const Case& c : cases) {
        frmchiness& r = proceed(bornA(c.first), bornA(c.partner));
        EXPECT_EQ(r.lblChineseCompatibilityNumber->text(), QLatin1String(c.number)) << c.number;
        EXPECT_EQ(r.lblChinesePercentage->text(), QLatin1String(c.percentage)) << c.number;
        EXPECT_EQ(r.lblChineseRating->text(), QLatin1String(c.rating)) << c.number;
    }
    frmchiness& r = proceed(bornA(Rat), bornA(Ox));
    EXPECT_EQ(r.lblMatchingDescription->text(), QStringLiteral("Compatibility Of Rat With  Ox :-"));
}

TEST_F(ChineseWindows, TheImageListIsKeyedByTheAnimalsWesternSign)
{
    ASSERT_EQ(ChineseImages.size(), 12u);
    const char* keys[] = {"Aquarius", "Aries",  "Cancer",      "Capricorn", "Gemini", "Leo",
                          "Libra",    "Pisces", "Sagittarius", "Scorpio",   "Taurus", "Virgo"};
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_STREQ(ChineseImages[i].key, keys[i]);
        // The key is the Western sign the animal's own record names.
        const auto record = chinese::GetChineseSignInfo(ChineseImages[i].animal);
        ASSERT_EQ(record.size(), 13u) << ChineseImages[i].animal;
        EXPECT_EQ(record[chinese::WesternZodiacSign], keys[i]);
    }
    EXPECT_STREQ(ChineseImages[0].animal, "Tiger");

    const ImageList list = ChineseImageList(200);
    ASSERT_EQ(list.Count(), 12);
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(list.Key(i), QLatin1String(keys[i - 1]));
        const QString path = QStringLiteral(":/chinese/%1.svg").arg(QLatin1String(ChineseImages[i - 1].animal));
        // Each picture comes from its animal's file, 200 pixels square.
        if (QFile::exists(path))
            EXPECT_EQ(list.Picture(i).size(), QSize(200, 200)) << path.toStdString();
        else
            EXPECT_TRUE(list.Picture(i).isNull()) << path.toStdString();
    }
}

TEST_F(ChineseWindows, PicturesFollowEachPersonsWesternSignPartnerFirst)
{
    enum { Rat = 0, Ox = 1, Tiger = 2 };
    // Tell the twelve pictures apart whatever the files look like.
    auto marked = [](frmchiness& r) {
        ImageList list;
        for (int i = 1; i <= r.IMG.Count(); ++i) {
            QPixmap pm(20, 20);
            pm.fill(QColor::fromHsv(i * 25, 255, 200));
            list.Add(r.IMG.Key(i), pm);
        }
        r.IMG = list;
    };
    {
        frmmainChinese& w = input();
        frmchiness& loaded = forms::get<frmchiness>();
        marked(loaded);
        enter(w, QStringLiteral("A"), bornA(Rat), QStringLiteral("B"), bornA(Ox));
        QTest::mouseClick(w.cmdProceed, Qt::LeftButton);
        ASSERT_EQ(&forms::get<frmchiness>(), &loaded);
        EXPECT_EQ(image(loaded.YourPicture), loaded.IMG.Find("Sagittarius").toImage());
        EXPECT_EQ(image(loaded.YourPartnerPicture), loaded.IMG.Find("Capricorn").toImage());
        EXPECT_NE(image(loaded.YourPicture), image(loaded.YourPartnerPicture));
    }
    {
        frmmainChinese& w = input();
        frmchiness& loaded = forms::get<frmchiness>();
        marked(loaded);
        enter(w, QStringLiteral("A"), bornA(Tiger), QStringLiteral("B"), bornA(Tiger));
        QTest::mouseClick(w.cmdProceed, Qt::LeftButton);
        EXPECT_EQ(image(loaded.YourPicture), loaded.IMG.Picture(1).toImage());
        EXPECT_EQ(image(loaded.YourPartnerPicture), image(loaded.YourPicture));
    }
}

TEST_F(ChineseWindows, BothPictureBoxesStartWithTheTigerAndAnUnknownSignKeepsIt)
{
    frmmainChinese& w = input();
    frmchiness& r = forms::get<frmchiness>();
    ImageList list;
    for (int i = 1; i <= r.IMG.Count(); ++i) {
        QPixmap pm(20, 20);
        pm.fill(QColor::fromHsv(i * 25, 255, 200));
        list.Add(r.IMG.Key(i) + QStringLiteral(" (renamed)"), pm);
    }
    r.IMG = list;
    EXPECT_EQ(image(r.YourPicture), ChineseImageList(200).Picture(1).toImage());
    const QImage before = image(r.YourPartnerPicture);
    enter(w, QStringLiteral("A"), bornA(0), QStringLiteral("B"), bornA(5));
    QTest::mouseClick(w.cmdProceed, Qt::LeftButton);
    EXPECT_EQ(image(r.YourPartnerPicture), before);
    EXPECT_EQ(image(r.YourPicture), before);
}

TEST_F(ChineseWindows, TabsBringTheirPageToTheFrontByMouseAndKeys)
{
    frmchiness& r = proceed(bornA(0), bornA(1));
    EXPECT_EQ(r.SSTab->count(), 3);
    EXPECT_EQ(r.SSTab->tabText(0), QStringLiteral("Chinese Compatibility  "));
    EXPECT_EQ(r.SSTab->tabText(1), QStringLiteral("Your Details"));
    EXPECT_EQ(r.SSTab->tabText(2), QStringLiteral("Your Partner's Details"));
    QGroupBox* pages[] = {r.fracompalibility, r.Framale, r.Frafemale};
    auto front = [&](int page) {
        EXPECT_EQ(shownPage(r.SSTab), pages[page]);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(pages[i]->isVisible(), i == page) << "page " << i;
    };
    front(0);
    for (int tab : {2, 1, 0, 2}) {
        QTest::mouseClick(r.SSTab, Qt::LeftButton, {}, r.SSTab->tabRect(tab).center());
        front(tab);
    }
    // A right click changes nothing.
    QTest::mouseClick(r.SSTab, Qt::RightButton, {}, r.SSTab->tabRect(0).center());
    front(2);
    r.SSTab->setFocus();
    QTest::keyClick(r.SSTab, Qt::Key_Left);
    front(1);
    QTest::keyClick(r.SSTab, Qt::Key_Left);
    front(0);
    QTest::keyClick(r.SSTab, Qt::Key_Right);
    front(1);
    // The person pages: the captions differ only in their blanks.
    EXPECT_EQ(r.Label13->text(), QStringLiteral("Chinese  Sign"));
    EXPECT_EQ(r.Label21->text(), QStringLiteral("Chinese Sign"));
    EXPECT_EQ(r.Label15->text(), QStringLiteral("Chinese Element"));
    EXPECT_EQ(r.Label33->text(), QStringLiteral("Chinese  Element"));
    EXPECT_EQ(r.Label18->text(), QStringLiteral("Element  Description"));
    EXPECT_EQ(r.Label35->text(), QStringLiteral("Element  Description"));
    EXPECT_EQ(r.Label37->text(), QStringLiteral("Chinese Compatibility  Percentage"));
    EXPECT_EQ(r.Label12->text(), QStringLiteral("Famous Personalities Born Under This Sign"));
    EXPECT_EQ(r.Label2->text(), QStringLiteral("Ruling Planets"));
}

TEST_F(ChineseWindows, BoxesCanBeSelectedButNotChanged)
{
    frmchiness& r = proceed(bornA(0), bornA(1));
    QTest::mouseClick(r.SSTab, Qt::LeftButton, {}, r.SSTab->tabRect(1).center());
    const QString before = r.txtMaleGemStone->Text();
    r.txtMaleGemStone->setFocus();
    QTest::keyClick(r.txtMaleGemStone, Qt::Key_End);
    QTest::keyClicks(r.txtMaleGemStone, QStringLiteral("xyz"));
    QTest::keyClick(r.txtMaleGemStone, Qt::Key_Backspace);
    EXPECT_EQ(r.txtMaleGemStone->Text(), before);
    QTest::keyClick(r.txtMaleGemStone, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(r.txtMaleGemStone->selectedText(), before);
}

TEST_F(ChineseWindows, BackGivesAFreshInputWindowAndKeepsTheResults)
{
    frmchiness& r = proceed(bornA(0), bornA(1));
    QTest::mouseClick(r.cmdBack, Qt::LeftButton);
    EXPECT_FALSE(forms::isLoaded<frmchiness>());
    ASSERT_TRUE(forms::isLoaded<frmmainChinese>());
    frmmainChinese& w = forms::get<frmmainChinese>();
    EXPECT_FALSE(w.frame()->isHidden());
    EXPECT_TRUE(w.txtMaleName->text().isEmpty());
    EXPECT_EQ(w.cboFemaleYear->currentText(), QStringLiteral("1936"));
    EXPECT_EQ(w.cboMaleMonth->currentText(), QStringLiteral("January"));
    EXPECT_FALSE(WelcomePanelVisible());
    EXPECT_EQ(chinese::state().MaleChineseSign, "Rat");
    EXPECT_EQ(chinese::state().FemaleChineseSign, "Ox");

    // Going on again gives a fresh result window with the pair's tab in front.
    enter(w, QStringLiteral("C"), bornA(4), QStringLiteral("D"), bornA(4));
    QTest::mouseClick(w.cmdProceed, Qt::LeftButton);
    frmchiness& again = forms::get<frmchiness>();
    EXPECT_EQ(shownPage(again.SSTab), again.fracompalibility);
    EXPECT_EQ(again.lblMaleChinesesign->text(), QStringLiteral("Dragon"));
}

TEST_F(ChineseWindows, ExitClosesOnlyTheResultWindow)
{
    frmchiness& r = proceed(bornA(0), bornA(1));
    QTest::mouseClick(r.cmdExit, Qt::LeftButton);
    EXPECT_FALSE(forms::isLoaded<frmchiness>());
    EXPECT_FALSE(forms::isLoaded<frmmainChinese>());
    EXPECT_TRUE(WelcomePanelVisible());
    EXPECT_EQ(exitCalls, 0);
}

TEST_F(ChineseWindows, ExitFromTheInputWindowShowsThePanel)
{
    frmmainChinese& w = input();
    EXPECT_FALSE(WelcomePanelVisible());
    w.mnuExit->trigger();
    EXPECT_FALSE(forms::isLoaded<frmmainChinese>());
    EXPECT_TRUE(WelcomePanelVisible());
    EXPECT_EQ(exitCalls, 0);
}

TEST_F(ChineseWindows, MenusShowInTheMainWindowsMenuBar)
{
    auto captions = [](const QMenu* m) {
        QStringList out;
        for (const QAction* a : m->actions())
            out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    };
    frmmainChinese& w = input();
    ASSERT_EQ(w.menus().size(), 2);
    EXPECT_EQ(captions(w.menus()[0]), QStringList{QStringLiteral("E&xit")});
    EXPECT_EQ(captions(w.menus()[1]),
              (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update", "-",
                           "&About Software"}));

    frmchiness& r = proceed(bornA(0), bornA(1));
    ASSERT_EQ(r.menus().size(), 2);
    EXPECT_EQ(captions(r.menus()[0]), (QStringList{"&Back", "-", "&Print", "-", "E&xit"}));
    EXPECT_EQ(captions(r.menus()[1]),
              (QStringList{"&Online Help", "&Visit Us Online", "-", "Check For Software &Update", "-",
                           "&About Software"}));
    const QList<QAction*> bar = mdi().menuBar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->menu(), r.menus()[0]);
    EXPECT_EQ(bar[1]->menu(), r.menus()[1]);

    // Alt+F, then P: the report opens over the result window.
    r.cmdBack->setFocus();
    QTest::keyClick(r.cmdBack, Qt::Key_F, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup, r.menus()[0]);
    QTest::keyClick(popup, Qt::Key_P);
    ASSERT_TRUE(forms::isLoaded<frmSaveChinese>());
    EXPECT_TRUE(forms::get<frmSaveChinese>().isShownModal());
    EXPECT_TRUE(forms::isLoaded<frmchiness>());
}

TEST_F(ChineseWindows, HelpItemsAndLinksOpenTheirPages)
{
    const QString base = QStringLiteral("https://www.vorlaine.example/vorlaine-free-love-test/ssd.php?page=");
    frmmainChinese& w = input();
    QTest::mouseClick(w.Label1, Qt::LeftButton);
    QTest::mouseClick(w.Label2, Qt::LeftButton);
    w.mnuOnline->trigger();
    w.mnuUpdate->trigger();
    w.mnuVisit->trigger();
    EXPECT_EQ(desk.openedUrls, (QStringList{base + "home-page", base + "home-page", base + "help-web-page",
                                            base + "download-web-page", base + "home-page"}));
    desk.openedUrls.clear();
    frmchiness& r = proceed(bornA(0), bornA(1));
    QTest::mouseClick(r.Label1, Qt::LeftButton);
    r.mnuOnline->trigger();
    r.mnuUpdate->trigger();
    r.mnuVisit->trigger();
    EXPECT_EQ(desk.openedUrls, (QStringList{base + "home-page", base + "help-web-page",
                                            base + "download-web-page", base + "home-page"}));
    r.mnuAbout->trigger();
    EXPECT_TRUE(forms::isLoaded("frmAbout"));
}

TEST_F(ChineseWindows, PrintOpensTheReportModallyOverTheResult)
{
    frmchiness& r = proceed(bornA(0), bornA(1));
    QTest::mouseClick(r.cmdPrint, Qt::LeftButton);
    ASSERT_TRUE(forms::isLoaded<frmSaveChinese>());
    EXPECT_TRUE(forms::get<frmSaveChinese>().isShownModal());
    EXPECT_TRUE(forms::isLoaded<frmchiness>());
    EXPECT_FALSE(r.frame()->isHidden());
    // A launch unloads both.
    mdi().cmdCallMainForm_Click(2);
    EXPECT_FALSE(forms::isLoaded<frmSaveChinese>());
    EXPECT_FALSE(forms::isLoaded<frmchiness>());
}

TEST_F(ChineseWindows, NamesWithAnAmpersandShowAsTypedInTheFrameTitles)
{
    frmchiness& r = proceed(bornA(0), bornA(1), QStringLiteral("Tom & Jerry"), QStringLiteral("R&B"));
    EXPECT_EQ(chinese::state().MaleName, "Tom & Jerry");
    EXPECT_EQ(chinese::state().FemaleName, "R&B");
    // A doubled ampersand shows one ampersand and makes no access key.
    EXPECT_EQ(r.Framale->title(), QStringLiteral("Tom && Jerry"));
    EXPECT_EQ(r.Frafemale->title(), QStringLiteral("R&&B"));
    QTest::mouseClick(r.SSTab, Qt::LeftButton, {}, r.SSTab->tabRect(2).center());
    r.cmdBack->setFocus();
    QTest::keyClick(r.cmdBack, Qt::Key_B, Qt::AltModifier);
    // The button's access key clicks it (after its short press animation).
    EXPECT_TRUE(QTest::qWaitFor([] { return !forms::isLoaded<frmchiness>(); }))
        << "Alt+B belongs to the Back button alone";
    EXPECT_TRUE(forms::isLoaded<frmmainChinese>());
}

TEST_F(ChineseWindows, TraitAndFamousPersonBoxesShowWholeLines)
{
    frmchiness& r = proceed(bornA(0), bornA(1));
    for (TextBox* box : {r.txtMalePositiveTraits, r.txtMaleNegativeTraits, r.txtMaleFamousPersonBorn,
                         r.txtFemalePositiveTraits, r.txtFemaleNegativeTraits, r.txtFemaleFamousPerson}) {
        // Below the top margin the box holds whole lines only, at least two.
        const int margin = static_cast<int>(std::ceil(box->document()->documentMargin()));
        const int shown = box->contentsRect().height() - margin;
        EXPECT_EQ(shown % box->fontMetrics().lineSpacing(), 0) << shown;
        EXPECT_GE(shown / box->fontMetrics().lineSpacing(), 2);
        EXPECT_FALSE(box->Text().isEmpty());
    }
}

TEST_F(ChineseWindows, OnScreenWindowsOpenedAfterScrollingSitWhereAFreshStartPutsThem)
{
    using namespace screenchecks;
    expectNamedScreen();
    MainWindowShown shown(desk);
    QMdiArea* area = mdi().area;
    QScrollBar* bar = area->verticalScrollBar();
    // A window's place in the area as it shows, as text for the messages.
    auto place = [area](std::string_view name) {
        const QWidget* frame = forms::get(std::string(name)).frame();
        const QPoint at = frame->mapTo(area->viewport(), QPoint(0, 0));
        return QString::asprintf("%dx%d at %d,%d", frame->width(), frame->height(), at.x(), at.y()).toStdString();
    };

    // Where each launcher's window opens on the welcome panel of a fresh start.
    std::array<std::string, 6> fresh;
    std::array<bool, 6> freshBar{};
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        realClick(mdi().cmdCallMainForm[i]);
        fresh[i] = place(MDI::Launchers[i]);
        freshBar[i] = bar->isVisible();
        EXPECT_EQ(forms::get(std::string(MDI::Launchers[i])).frame()->y(), 0) << MDI::Launchers[i];
        forms::unload(std::string(MDI::Launchers[i]));
        settle();
    }

    // The result window turned down by the wheel as far as it goes.
    auto scrolledResult = [&]() -> frmchiness& {
        frmchiness& r = proceed(bornA(0), bornA(1));
        settle();
        for (int step = 0; step < 6; ++step)
            turnWheel(-120);
        // A window taller than the view has really been turned down.
        if (r.frame()->height() > area->viewport()->height()) {
            EXPECT_LT(r.frame()->y(), 0) << "the wheel did not scroll the result window";
        }
        return r;
    };
    const bool scrolls = scrolledResult().frame()->y() < 0;
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        if (i > 0)
            scrolledResult();
        realClick(mdi().cmdCallMainForm[i]);
        EXPECT_EQ(place(MDI::Launchers[i]), fresh[i]) << MDI::Launchers[i] << (scrolls ? ", after scrolling" : "");
        EXPECT_EQ(bar->isVisible(), freshBar[i]) << MDI::Launchers[i];
    }

    // Back, by the button and from the File menu.
    for (bool fromMenu : {false, true}) {
        frmchiness& r = scrolledResult();
        if (fromMenu) {
            QTest::keyClick(r.cmdBack, Qt::Key_F, Qt::AltModifier);
            ASSERT_NE(QApplication::activePopupWidget(), nullptr);
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_B);
            settle();
        } else {
            ASSERT_TRUE(wheelUntilWhole(r.cmdBack));
            realClick(r.cmdBack);
        }
        ASSERT_FALSE(forms::isLoaded<frmchiness>());
        EXPECT_EQ(place("frmmainChinese"), fresh[2]) << (fromMenu ? "File > Back" : "Back");
        EXPECT_EQ(bar->isVisible(), freshBar[2]) << (fromMenu ? "File > Back" : "Back");
    }
}
