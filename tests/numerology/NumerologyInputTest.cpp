#include "NumerologyFixture.h"

#include "NumerologyNumbers.h"

#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>

using platform::MsgIcon;

namespace {

QString pairText(int key)
{
    return QString::fromStdString(NumerologyNumbers::GetNumberPairDescription(std::to_string(key)));
}

QWidget* nextTabStop(const QWidget* from)
{
    QWidget* w = from->nextInFocusChain();
    while (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy())
        w = w->nextInFocusChain();
    return w;
}

QStringList itemTexts(const QMenu* menu)
{
    QStringList out;
    for (const QAction* a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

} // namespace

TEST_F(NumerologyWindows, InputWindowStartsEmptyWithNothingPicked)
{
    frmMainNumerology& w = input();
    EXPECT_EQ(w.Caption(), QStringLiteral("Vorlaine Numerology Compatibility Software"));
    EXPECT_EQ(w.lblHeading->text(), QStringLiteral("Vorlaine Numerology Compatibility Software"));
    EXPECT_EQ(w.Frame2->title(), QStringLiteral("Note: "));
    EXPECT_EQ(w.lblNote->text(), QStringLiteral("This program has been designed keeping in mind date settings "
                                                "according to MM/DD/YYYY format"));
    EXPECT_EQ(w.fraM->title(), QStringLiteral("Male"));
    EXPECT_EQ(w.fraF->title(), QStringLiteral("Female"));
    EXPECT_EQ(w.cmdExit->text(), QStringLiteral("Exit"));
    EXPECT_EQ(w.cmdCR->text(), QStringLiteral("Comprehensive Reading"));
    EXPECT_EQ(w.cmdLP->text(), QStringLiteral("LifePath Compatibility"));
    EXPECT_EQ(w.cmdD->text(), QStringLiteral("Destiny Compatibility"));
    EXPECT_EQ(w.cmdNav[1]->text(), QStringLiteral("Exit"));
    // The four buttons in one row, left to right; the second Exit below, at the right.
    EXPECT_LT(w.cmdExit->x(), w.cmdCR->x());
    EXPECT_LT(w.cmdCR->x(), w.cmdLP->x());
    EXPECT_LT(w.cmdLP->x(), w.cmdD->x());
    EXPECT_EQ(w.cmdExit->y(), w.cmdD->y());
    EXPECT_GT(w.cmdNav[1]->y(), w.cmdD->y());
    EXPECT_EQ(w.cmdNav[1]->geometry().right(), w.cmdD->geometry().right());

    for (QLineEdit* box : {w.txtMF, w.txtMM, w.txtML, w.txtFF, w.txtFM, w.txtFL}) {
        EXPECT_TRUE(box->text().isEmpty());
        EXPECT_GT(box->maxLength(), 100000);
    }
    for (QComboBox* day : {w.cboMD, w.cboFD}) {
        ASSERT_EQ(day->count(), 31);
        EXPECT_EQ(day->itemText(0), QStringLiteral("1"));
        EXPECT_EQ(day->itemText(30), QStringLiteral("31"));
    }
    for (QComboBox* month : {w.cboMM, w.cboFM}) {
        ASSERT_EQ(month->count(), 12);
        EXPECT_EQ(month->itemText(0), QStringLiteral("January"));
        EXPECT_EQ(month->itemText(11), QStringLiteral("December"));
    }
    for (QComboBox* year : {w.cboMY, w.cboFY}) {
        ASSERT_EQ(year->count(), 151);
        EXPECT_EQ(year->itemText(0), QStringLiteral("1900"));
        EXPECT_EQ(year->itemText(150), QStringLiteral("2050"));
    }
    for (QComboBox* list : {w.cboMD, w.cboMM, w.cboMY, w.cboFD, w.cboFM, w.cboFY}) {
        EXPECT_EQ(list->currentIndex(), -1);
        EXPECT_TRUE(list->currentText().isEmpty());
        EXPECT_FALSE(list->isEditable());
    }
    EXPECT_FLOAT_EQ(w.Left(), (19200.0f - w.Width()) / 2.0f);
    EXPECT_FLOAT_EQ(w.Top(), 0.0f);
    EXPECT_FALSE(WelcomePanelVisible());
}

TEST_F(NumerologyWindows, TabRunsThroughBothPersonsThenTheButtons)
{
    frmMainNumerology& w = input();
    const QWidget* order[] = {w.txtMF, w.txtMM, w.txtML, w.cboMM, w.cboMD, w.cboMY, w.txtFF, w.txtFM, w.txtFL,
                              w.cboFM, w.cboFD, w.cboFY, w.cmdCR, w.cmdD,  w.cmdLP, w.cmdExit, w.cmdNav[1]};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        EXPECT_EQ(nextTabStop(order[i]), order[i + 1]) << i;
}

TEST_F(NumerologyWindows, MenusAreTheWindowsOwnInTheMainMenuBar)
{
    showMain();
    frmMainNumerology& w = input();
    ASSERT_EQ(w.menus().size(), 2);
    EXPECT_EQ(w.menus()[0]->title(), QStringLiteral("&File"));
    EXPECT_EQ(itemTexts(w.menus()[0]),
              (QStringList{"&Comprehensive Reading", "&LifePath Compatibility", "&Destiny Compatibility", "-",
                           "E&xit"}));
    EXPECT_EQ(w.menus()[1]->title(), QStringLiteral("&Help"));
    EXPECT_EQ(itemTexts(w.menus()[1]), (QStringList{"&Online help", "&Visit us Online", "-",
                                                    "Check for Software &Update", "-", "&About Software"}));
    QList<QMenu*> shown;
    for (QAction* a : mdi().menuBar()->actions())
        shown << a->menu();
    EXPECT_EQ(shown, w.menus());
}

TEST_F(NumerologyWindows, MenuItemsRunByTheirKeys)
{
    showMain();
    frmMainNumerology& w = input();
    enter(w, asha(), ben());
    w.txtMF->setFocus();

    auto menuKey = [&](Qt::Key menu, Qt::Key item) {
        QTest::keyClick(QApplication::focusWidget(), menu, Qt::AltModifier);
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        QTest::keyClick(popup, item);
    };

    menuKey(Qt::Key_F, Qt::Key_L);
    ASSERT_TRUE(forms::isLoaded<frmDisp>());
    EXPECT_EQ(forms::get<frmDisp>().Caption(), QStringLiteral("LifePath Compatibility"));

    w.Show();
    w.txtMF->setFocus();
    menuKey(Qt::Key_F, Qt::Key_D);
    EXPECT_EQ(forms::get<frmDisp>().Caption(), QStringLiteral("Destiny Compatibility"));

    w.Show();
    w.txtMF->setFocus();
    menuKey(Qt::Key_F, Qt::Key_C);
    ASSERT_TRUE(forms::isLoaded<frmSaveDocumentNumerology>());
    EXPECT_TRUE(forms::get<frmSaveDocumentNumerology>().RTB->Text().startsWith(QStringLiteral("Male Information")));

    w.Show();
    w.txtMF->setFocus();
    menuKey(Qt::Key_H, Qt::Key_O);
    menuKey(Qt::Key_H, Qt::Key_V);
    menuKey(Qt::Key_H, Qt::Key_U);
    EXPECT_EQ(desk.openedUrls,
              (QStringList{"https://www.vorlaine.example/vorlaine-free-love-test/ssd.php?page=help-web-page",
                           "https://www.vorlaine.example/vorlaine-free-love-test/ssd.php?page=home-page",
                           "https://www.vorlaine.example/vorlaine-free-love-test/ssd.php?page=download-web-page"}));

    menuKey(Qt::Key_F, Qt::Key_X);
    EXPECT_FALSE(forms::isLoaded<frmMainNumerology>());
    EXPECT_TRUE(WelcomePanelVisible());
    // The result windows stay open.
    EXPECT_TRUE(forms::isLoaded<frmDisp>());
    EXPECT_TRUE(forms::isLoaded<frmSaveDocumentNumerology>());
}

TEST_F(NumerologyWindows, ExitButtonsCloseTheWindowAndShowThePanel)
{
    for (int which = 0; which < 2; ++which) {
        frmMainNumerology& w = input();
        EXPECT_FALSE(WelcomePanelVisible());
        click(which == 0 ? w.cmdExit : w.cmdNav[1]);
        EXPECT_FALSE(forms::isLoaded<frmMainNumerology>()) << which;
        EXPECT_TRUE(WelcomePanelVisible()) << which;
    }
    EXPECT_EQ(exitCalls, 0);
}

TEST_F(NumerologyWindows, LinkLabelOpensTheHomePage)
{
    frmMainNumerology& w = input();
    click(w.Label61);
    EXPECT_EQ(desk.openedUrls,
              QStringList{"https://www.vorlaine.example/vorlaine-free-love-test/ssd.php?page=home-page"});
}

TEST_F(NumerologyWindows, ValidationStopsAtTheFirstFailureInOrder)
{
    const Person m = asha(), f = ben();
    auto with = [](Person p, auto change) {
        change(p);
        return p;
    };
    struct Case {
        const char* name;
        Person m, f;
        QString message; // empty: accepted
        QLineEdit* frmMainNumerology::*box = nullptr;
        QComboBox* frmMainNumerology::*list = nullptr;
    };
    using W = frmMainNumerology;
    const Person empty{};
    const Case cases[] = {
        {"everything empty", empty, empty, "Male: First Name cannot be blank", &W::txtMF},
        {"male last name", with(m, [](Person& p) { p.last.clear(); }), empty, "Male: Last Name cannot be blank",
         &W::txtML},
        {"female first before female last", m, with(f, [](Person& p) { p.first.clear(); p.last.clear(); }),
         "Female: First Name cannot be blank", &W::txtFF},
        {"blank tests before date tests", with(m, [](Person& p) { p.month = "April"; p.day = "31"; }),
         with(f, [](Person& p) { p.last.clear(); }), "Female: Last Name cannot be blank", &W::txtFL},
        {"male day", with(m, [](Person& p) { p.day.clear(); p.month.clear(); }), f,
         "Male: Date of Birth cannot be blank", nullptr, &W::cboMD},
        {"male month", with(m, [](Person& p) { p.month.clear(); p.year.clear(); }), f,
         "Male: Month of Birth cannot be blank", nullptr, &W::cboMM},
        {"male year", with(m, [](Person& p) { p.year.clear(); }), with(f, [](Person& p) { p.day.clear(); }),
         "Male: Year of Birth cannot be blank", nullptr, &W::cboMY},
        {"female day", m, with(f, [](Person& p) { p.day.clear(); }), "Female: Date of Birth cannot be blank",
         nullptr, &W::cboFD},
        {"female month", m, with(f, [](Person& p) { p.month.clear(); }), "Female: Month of Birth cannot be blank",
         nullptr, &W::cboFM},
        {"female year", m, with(f, [](Person& p) { p.year.clear(); }), "Female: Year of Birth cannot be blank",
         nullptr, &W::cboFY},
        {"male 30 February in a leap year",
         with(m, [](Person& p) { p.month = "February"; p.day = "30"; p.year = "2000"; }),
         with(f, [](Person& p) { p.month = "June"; p.day = "31"; }), "Please Enter Correct Date Or Month!"},
        {"male 29 February 1901",
         with(m, [](Person& p) { p.month = "February"; p.day = "29"; p.year = "1901"; }), f,
         "Please Enter Correct Date Or Month!"},
        {"male 31 June", with(m, [](Person& p) { p.month = "June"; p.day = "31"; }),
         with(f, [](Person& p) { p.day = "30"; }), "Please Enter Correct Date Or Month !"},
        {"female 31 February", m, with(f, [](Person& p) { p.day = "31"; }), "Please Enter Correct Date Or Month!"},
        {"female 31 November", m, with(f, [](Person& p) { p.month = "November"; p.day = "31"; }),
         "Please Enter Correct Date Or Month !"},
        {"29 February 1900 and 2000",
         with(m, [](Person& p) { p.month = "February"; p.day = "29"; p.year = "1900"; }),
         with(f, [](Person& p) { p.year = "2000"; }), ""},
        {"blank-only names and no middle names", with(m, [](Person& p) { p.first = "  "; p.middle.clear(); }),
         with(f, [](Person& p) { p.last = " "; }), ""},
    };
    for (const Case& c : cases) {
        desk.messages.clear();
        frmMainNumerology& w = input();
        enter(w, c.m, c.f);
        click(w.cmdLP);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(desk.messages.empty()) << c.name;
            EXPECT_TRUE(forms::isLoaded<frmDisp>()) << c.name;
            continue;
        }
        ASSERT_EQ(desk.messages.size(), 1u) << c.name;
        EXPECT_EQ(desk.messages[0].text, c.message) << c.name;
        EXPECT_EQ(desk.messages[0].icon, MsgIcon::Information) << c.name;
        EXPECT_EQ(desk.messages[0].buttons, platform::MsgButtons::OK) << c.name;
        EXPECT_EQ(desk.messages[0].title, QStringLiteral("Vorlaine Love Test")) << c.name;
        QWidget* expectedFocus = c.box ? static_cast<QWidget*>(w.*c.box)
                                 : c.list ? static_cast<QWidget*>(w.*c.list)
                                          : static_cast<QWidget*>(w.cmdLP); // a refused date leaves it
        EXPECT_EQ(w.window()->focusWidget(), expectedFocus) << c.name;
        EXPECT_FALSE(forms::isLoaded<frmDisp>()) << c.name;
    }
}

TEST_F(NumerologyWindows, EveryReadingValidatesFirst)
{
    frmMainNumerology& w = input();
    for (QPushButton* b : {w.cmdLP, w.cmdD, w.cmdCR})
        click(b);
    ASSERT_EQ(desk.messages.size(), 3u);
    for (const auto& msg : desk.messages)
        EXPECT_EQ(msg.text, QStringLiteral("Male: First Name cannot be blank"));
    EXPECT_FALSE(forms::isLoaded<frmDisp>());
    EXPECT_FALSE(forms::isLoaded<frmSaveDocumentNumerology>());
}

TEST_F(NumerologyWindows, LifePathReadingsOfKnownBirthDates)
{
    struct Case {
        QString mMonth, mDay, mYear, fMonth, fDay, fYear;
        int m, f;
    };
    const Case cases[] = {
        {"March", "15", "1985", "February", "29", "1996", 5, 2}, // 2003 -> 5; 2027: sum 11 -> 1 + 1
        {"January", "1", "1982", "December", "7", "1980", 4, 1},  // 1984: sum 22 -> 2 + 2; 1999: 28 -> 10 -> 1
        {"January", "1", "1943", "January", "1", "1900", 1, 3},   // 1945: 19 -> 10 -> 1; 1902: 12 -> 3
        {"January", "1", "1900", "January", "1", "1943", 3, 1},   // the same pair the other way round
        {"December", "31", "2050", "May", "6", "2006", 5, 1},     // 2093: 14 -> 5; 2017: 10 -> 1
    };
    for (const Case& c : cases) {
        frmMainNumerology& w = input();
        enter(w, {"Asha", "", "Rao", c.mMonth, c.mDay, c.mYear}, {"Ben", "", "Hart", c.fMonth, c.fDay, c.fYear});
        click(w.cmdLP);
        ASSERT_TRUE(forms::isLoaded<frmDisp>());
        const QString expected = QStringLiteral("LifePath Compatibility Combination: %1 + %2\n\n%3\n\n")
                                     .arg(c.m)
                                     .arg(c.f)
                                     .arg(pairText(c.m * 10 + c.f));
        EXPECT_EQ(dispText(), expected) << c.mDay.toStdString() << " " << c.mYear.toStdString();
        EXPECT_FALSE(pairText(c.m * 10 + c.f).isEmpty());
        EXPECT_EQ(forms::get<frmDisp>().Caption(), QStringLiteral("LifePath Compatibility"));
        EXPECT_TRUE(forms::isLoaded<frmMainNumerology>()); // the input window stays
    }
}

TEST_F(NumerologyWindows, PairKeysLeadToTheirTexts)
{
    // 1 and 3 have a text each way round; 5 and 2 share one.
    auto lifePath = [&](const Person& m, const Person& f) {
        frmMainNumerology& w = input();
        enter(w, m, f);
        click(w.cmdLP);
        return dispText();
    };
    const Person one{"A", "", "B", "January", "1", "1943"};   // 1
    const Person three{"A", "", "B", "January", "1", "1900"}; // 3
    const Person five = asha(), two = ben();
    const QString k13 = lifePath(one, three), k31 = lifePath(three, one);
    const QString k52 = lifePath(five, two), k25 = lifePath(two, five);
    EXPECT_TRUE(k13.endsWith(pairText(13) + "\n\n"));
    EXPECT_TRUE(k31.endsWith(pairText(31) + "\n\n"));
    EXPECT_NE(pairText(13), pairText(31));
    EXPECT_NE(k13.mid(k13.indexOf('\n')), k31.mid(k31.indexOf('\n')));
    EXPECT_EQ(k52.mid(k52.indexOf('\n')), k25.mid(k25.indexOf('\n')));
    EXPECT_TRUE(k52.startsWith(QStringLiteral("LifePath Compatibility Combination: 5 + 2\n")));
    EXPECT_TRUE(k25.startsWith(QStringLiteral("LifePath Compatibility Combination: 2 + 5\n")));
}

TEST_F(NumerologyWindows, DestinyReadingsOfKnownNames)
{
    struct Case {
        const char* name;
        Person m, f;
        int mNumber, fNumber;
    };
    const Person d = asha();
    auto named = [&](QString first, QString middle, QString last) {
        return Person{first, middle, last, d.month, d.day, d.year};
    };
    const Case cases[] = {
        // A1 S1 H8 A1 D4 E5 V4 I9 R9 A1 O6 = 49: 13 -> 4; B2 E5 N5 H8 A1 R9 T2 = 32 -> 5.
        {"plain names", named("Asha", "Devi", "Rao"), named("Ben", "", "Hart"), 4, 5},
        // J1 E5 A1 N5 L3 U3 C3 P7 I9 C3 A1 R9 D4 = 54 -> 9; blanks and hyphens count nothing.
        // A1 N5 N5 E5 M4 A1 R9 I9 E5 D4 E5 L3 A1 C3 R9 U3 Z8 = 80 -> 8.
        {"blanks and hyphens", named(" Jean-Luc ", "", "Pic-ard"), named("Anne Marie", " ", "de la Cruz"), 9, 8},
        {"lower case as upper", named("jean-luc", "", "picard"), named("ANNE MARIE", "", "DE LA CRUZ"), 9, 8},
        // S1 T2 R9 A1 E5 = 18 -> 9: "ß" counts nothing and never becomes "SS" (which gives 2).
        // J1 O6 S1 = 8: "é" counts nothing.
        {"letters outside a to z", named("Straße", "", "-"), named("José", "", "\u0131\u017f\ufb01"), 9, 8},
        // Names without a letter a to z give 0, and 0 has no pair text.
        {"no letters", named("123", "", "456"), named("Ben", "", "Hart"), 0, 5},
    };
    for (const Case& c : cases) {
        frmMainNumerology& w = input();
        enter(w, c.m, c.f);
        click(w.cmdD);
        const QString text = (c.mNumber >= 1 && c.fNumber >= 1) ? pairText(c.mNumber * 10 + c.fNumber) : QString();
        const QString expected = QStringLiteral("Destiny Compatibility Combination: %1 + %2\n\n%3\n\n")
                                     .arg(c.mNumber)
                                     .arg(c.fNumber)
                                     .arg(text);
        EXPECT_EQ(dispText(), expected) << c.name;
        EXPECT_EQ(forms::get<frmDisp>().Caption(), QStringLiteral("Destiny Compatibility")) << c.name;
    }
}

TEST_F(NumerologyWindows, DestinyNumbersDoNotDependOnTheLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    frmMainNumerology& w = input();
    // i9 r9 i9 = 27 -> 9, with the dotted and the dotless i both as in English.
    enter(w, {"iri", "", "-", "March", "15", "1985"}, {"Ben", "", "Hart", "March", "15", "1985"});
    click(w.cmdD);
    QLocale::setDefault(before);
    EXPECT_TRUE(dispText().startsWith(QStringLiteral("Destiny Compatibility Combination: 9 + 5\n")));
}

TEST_F(NumerologyWindows, AnElevenBesideAZeroHasNoPairText)
{
    frmMainNumerology& w = input();
    // 333 I's and a B: letter sum 2999, digit sum 29, which stays 11.
    const QString longName = QString(333, QLatin1Char('I')) + QLatin1Char('B');
    enter(w, {"123", "", "456", "March", "15", "1985"}, {"x", "", "-", "March", "15", "1985"});
    w.txtFF->setText(longName);
    click(w.cmdD);
    // The key "011" reads as 11, yet neither number is 1: no text.
    EXPECT_EQ(dispText(), QStringLiteral("Destiny Compatibility Combination: 0 + 11\n\n\n\n"));
}

TEST_F(NumerologyWindows, OnlyThePartnersNumberFollowsThePartnersName)
{
    frmMainNumerology& w = input();
    enter(w, asha(), ben());
    click(w.cmdD);
    EXPECT_TRUE(dispText().startsWith(QStringLiteral("Destiny Compatibility Combination: 4 + 5\n")));
    type(w.txtFF, QStringLiteral("Bea")); // B2 E5 A1 + H8 A1 R9 T2 = 28 -> 10 -> 1
    click(w.cmdD);
    EXPECT_TRUE(dispText().startsWith(QStringLiteral("Destiny Compatibility Combination: 4 + 1\n")));
    type(w.txtFM, QStringLiteral("Jo")); // + J1 O6 = 35 -> 8
    click(w.cmdD);
    EXPECT_TRUE(dispText().startsWith(QStringLiteral("Destiny Compatibility Combination: 4 + 8\n")));
}

TEST_F(NumerologyWindows, ThePromotionLinkIsOneWholeLineInsideItsFrame)
{
    frmMainNumerology& w = input();
    w.Label61->ensurePolished();
    EXPECT_FALSE(w.Label61->wordWrap());
    EXPECT_FALSE(w.Label61->text().contains(QLatin1Char('\n')));
    EXPECT_TRUE(w.Label61->text().contains(QStringLiteral("www.vorlaine.example")));
    // The whole line fits the label, and the label its frame.
    EXPECT_LE(w.Label61->fontMetrics().horizontalAdvance(w.Label61->text()), w.Label61->contentsRect().width());
    EXPECT_TRUE(w.Frame1->rect().contains(w.Label61->geometry()));
}
