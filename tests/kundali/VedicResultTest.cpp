#include "KundaliResultFixture.h"
#include "ShownPage.h"

#include "frmMainKundali.h"

#include "ClickLabel.h"
#include "MDI.h"
#include "TextBox.h"
#include "Twips.h"
#include "modHelp.h"

#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using platform::twipsToPixelsX;
using platform::twipsToPixelsY;

namespace {

QStringList tabTexts(const TabStrip* s)
{
    QStringList out;
    for (int i = 0; i < s->count(); ++i)
        out << s->tabText(i);
    return out;
}

QString padded(const QString& words, int blanks)
{
    const QString pad(blanks, QLatin1Char(' '));
    return pad + words + pad;
}

// Everything the window shows, as it lies inside its containers: no control
// reaches outside its parent, no two controls of one container overlap
// (pages of one place stand on each other by design, the strips' bodies lie
// under their pages), and every label shows its whole text.
void expectTidyLayout(QWidget* container)
{
    const QRect inside(QPoint(0, 0), container->size());
    QList<QWidget*> kids;
    for (QObject* o : container->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow() || qobject_cast<QMenu*>(w) || w->isHidden())
            continue;
        if (container->inherits("QAbstractScrollArea") || container->inherits("QAbstractButton"))
            continue;
        kids << w;
    }
    for (QWidget* w : kids) {
        const std::string name = (container->objectName() + " > " + w->metaObject()->className() + " " +
                                  w->objectName() + " " + w->property("text").toString().left(30))
                                     .toStdString();
        EXPECT_TRUE(inside.contains(w->geometry())) << name;
        if (auto* l = qobject_cast<QLabel*>(w)) {
            const QRect cr = l->contentsRect();
            if (l->wordWrap()) {
                EXPECT_LE(l->heightForWidth(l->width()), l->height()) << name;
            } else if (l->pixmap().isNull()) {
                EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), cr.width()) << name;
            }
        }
        if (w->property("role").toString() == QStringLiteral("body"))
            continue;
        for (QWidget* other : kids) {
            if (other == w || other->property("role").toString() == QStringLiteral("body"))
                continue;
            EXPECT_FALSE(w->geometry().intersects(other->geometry()))
                << name << " overlaps " << other->metaObject()->className() << " "
                << other->property("text").toString().toStdString();
        }
        expectTidyLayout(w);
    }
}

} // namespace

TEST_F(KundaliResult, WindowHasItsSizeGroundIconTabsAndFrames)
{
    mdi().show();
    frmVedicResult& w = forms::get<frmVedicResult>();
    w.Show();
    EXPECT_EQ(w.Caption(), QStringLiteral("Vorlaine Astrology Kundali Match"));
    // The child frame's title bar may differ from the style's metric by a
    // few pixels; the window never comes out smaller than designed.
    EXPECT_EQ(w.width(), twipsToPixelsX(11940));
    EXPECT_GE(w.height(), twipsToPixelsY(6915));
    EXPECT_LE(w.height(), twipsToPixelsY(6915) + 6);
    EXPECT_FALSE(w.windowIcon().isNull());
    EXPECT_FLOAT_EQ(w.Left(), (19200.0f - w.Width()) / 2.0f);
    EXPECT_FLOAT_EQ(w.Top(), 0.0f);
    // The bare ground left of the banner is orange.
    EXPECT_EQ(w.grab().toImage().pixelColor(10, 5), QColor(255, 147, 49));

    EXPECT_EQ(tabTexts(w.TSAll),
              (QStringList{padded("Kundali Match", 2), padded("Boy's Rashi", 2), padded("Girl's Rashi", 2),
                           padded("Boy's Nakshatra", 2), padded("Girl's Nakshatra", 2),
                           padded("About Software", 2)}));
    EXPECT_EQ(tabTexts(w.TSD), (QStringList{padded("Boy's And Girl's Birth Details", 11),
                                            padded("Guna Milan", 11), padded("Interpretation", 11)}));
    EXPECT_EQ(tabTexts(w.TSM),
              (QStringList{"Sign Characteristics", "Physique And Looks", "Human Nature", "Career And Finance",
                           "Love And Compatibility", "Health", "Lucky for Rashi", "About Software"}));
    EXPECT_EQ(tabTexts(w.TSF), tabTexts(w.TSM));
    EXPECT_EQ(tabTexts(w.TSNM),
              (QStringList{"More About Nakshatra", "General And Physical Features", "Positive Human Traits",
                           "Negative Human Traits", "Career And Health And Domestic", "About Software"}));
    EXPECT_EQ(tabTexts(w.TSNF), tabTexts(w.TSNM));

    const std::pair<QGroupBox*, const char*> frames[] = {
        {w.fraGuna, "Your Kundali Match on the basis of Ashta Kutas Guna Milan"},
        {w.fraMRashi, "Boy's Rashi Information"},
        {w.fraFRashi, "Girl's Rashi Information"},
        {w.fraMNakshatra, "Boy's Nakshatra Information"},
        {w.fraFNakshatra, "Girl's Nakshatra Information"},
        {w.fraAbout, "About Software"},
        {w.fraUserDetails, "Boy's And Girl's Birth Details"},
        {w.fraTable, "Guna Milan"},
        {w.fraInterpretation, "Interpretation"}};
    for (const auto& [f, title] : frames) {
        EXPECT_EQ(f->title(), QString::fromLatin1(title));
        EXPECT_TRUE(f->font().bold()) << title;
    }
    clickTab(w.TSD, 3);
    EXPECT_EQ(w.fraInterpretation->grab().toImage().pixelColor(6, w.fraInterpretation->height() - 6),
              QColor(255, 255, 192));
    EXPECT_EQ(w.lblDisplay[0]->text(), QStringLiteral("Boy's Birth Details"));
    EXPECT_EQ(w.lblDisplay[1]->text(), QStringLiteral("Girl's Birth Details"));
    EXPECT_TRUE(w.lblDisplay[1]->font().bold());
    EXPECT_FALSE(w.lblMName->font().bold());
}

TEST_F(KundaliResult, LoadOpensEveryStripOnItsFirstPage)
{
    frmVedicResult& w = realMatch();
    const std::pair<MultiRowTabStrip*, QWidget*> first[] = {{w.TSAll, w.fraGuna}, {w.TSD, w.fraUserDetails},
                                                            {w.TSM, w.Frame1},     {w.TSF, w.Frame9},
                                                            {w.TSNM, w.Frame17},   {w.TSNF, w.Frame23}};
    for (const auto& [strip, page] : first) {
        EXPECT_EQ(strip->SelectedItem(), 1) << strip->objectName().toStdString();
        EXPECT_EQ(shownPage(strip), page) << strip->objectName().toStdString();
        // Only the page in front is shown in its place.
        for (QWidget* p : strip->Pages())
            EXPECT_EQ(p->isHidden(), p != page);
    }
}

TEST_F(KundaliResult, SaveAndBackStayVisibleOnEveryTab)
{
    frmVedicResult& w = realMatch();
    for (int tab : {1, 2, 3, 4, 5, 6, 3, 1}) {
        clickTab(w.TSAll, tab);
        ASSERT_EQ(w.TSAll->SelectedItem(), tab);
        EXPECT_EQ(shownPage(w.TSAll), w.TSAll->Pages()[static_cast<std::size_t>(tab - 1)]);
        for (QPushButton* b : {w.cmdSave, w.cmdBack}) {
            EXPECT_TRUE(b->isVisible()) << tab;
            EXPECT_EQ(w.childAt(b->geometry().center()), b) << tab;
        }
    }
    EXPECT_EQ(w.cmdSave->text(), QStringLiteral("&Save"));
    EXPECT_EQ(w.cmdBack->text(), QStringLiteral("&Back"));
}

TEST_F(KundaliResult, BirthDetailsAreWrittenAtLoadFromThePersonRecords)
{
    struct Case {
        const char* what;
        Person boy, girl;
        QStringList captions; // boy's four, then the girl's four
    };
    const Case cases[] = {
        {"two persons",
         arjun(),
         meera(),
         {"Your Name: Arjun", "Your Date Of Birth: January 5, 1980", "Your Time Of Birth: 5:7:0",
          "Your Place Of Birth: Pune, Maharashtra, India", "Your Partner's Name: Meera",
          "Your Partner's Date Of Birth: August 14, 1983", "Your Partner's Time Of Birth: 9:5:0",
          "Your Partner's Place Of Birth: Kochi, Kerala, India"}},
        {"empty records (a reading opened first thing)",
         {},
         {},
         {"Your Name: ", "Your Date Of Birth:  , ", "Your Time Of Birth: 0:0:0", "Your Place Of Birth: ",
          "Your Partner's Name: ", "Your Partner's Date Of Birth:  , ", "Your Partner's Time Of Birth: 0:0:0",
          "Your Partner's Place Of Birth: "}},
        {"late hours and markup-like names",
         {"<b>Ravi</b>", "31", "December", "2001", 23, 59, 58, "A, B, C"},
         {"Zoë & Co", "1", "March", "1999", 0, 0, 9, ", , "},
         {"Your Name: <b>Ravi</b>", "Your Date Of Birth: December 31, 2001", "Your Time Of Birth: 23:59:58",
          "Your Place Of Birth: A, B, C", "Your Partner's Name: Zoë & Co",
          "Your Partner's Date Of Birth: March 1, 1999", "Your Partner's Time Of Birth: 0:0:9",
          "Your Partner's Place Of Birth: , , "}},
    };
    for (const Case& c : cases) {
        forms::unload<frmVedicResult>();
        setPersons(c.boy, c.girl);
        frmVedicResult& w = forms::get<frmVedicResult>();
        w.Show();
        const QLabel* labels[8] = {w.lblMName, w.lblMDOB, w.lblMTOB, w.lblMPOB,
                                   w.lblFName, w.lblFDOB, w.lblFTOB, w.lblFPOB};
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(labels[i]->text(), c.captions[i]) << c.what;
            EXPECT_EQ(labels[i]->textFormat(), Qt::PlainText) << c.what;
        }
    }
    // The captions are written once, at load.
    setPersons(meera(), arjun());
    EXPECT_EQ(forms::get<frmVedicResult>().lblMName->text(), QStringLiteral("Your Name: <b>Ravi</b>"));
}

TEST_F(KundaliResult, ScoreTableShowsTheCellsOverItsPicture)
{
    frmVedicResult& w = realMatch();
    clickTab(w.TSD, 2);
    ASSERT_EQ(shownPage(w.TSD), w.fraTable);
    const auto& cells = modVedicCompatibility::state().KutaScoreTable;
    EXPECT_EQ(w.lblVarna[40]->text(), QStringLiteral("36"));
    EXPECT_EQ(w.lblVarna[19]->text(), QStringLiteral("Mental Awareness"));
    EXPECT_EQ(w.lblVarna[15]->text(), QStringLiteral("Ashwini"));

    const QRect table(QPoint(0, 0), w.picGunaMilan->size());
    EXPECT_EQ(w.picGunaMilan->pixmap().size(), QSize(twipsToPixelsX(10700), twipsToPixelsY(3975)));
    for (std::size_t i = 0; i < 44; ++i) {
        QLabel* l = w.lblVarna[i];
        EXPECT_EQ(l->text().toStdString(), cells[i]) << i;
        EXPECT_EQ(l->parentWidget(), w.picGunaMilan) << i;
        EXPECT_EQ(l->alignment(), Qt::AlignCenter) << i;
        EXPECT_TRUE(table.contains(l->geometry())) << i;
        for (std::size_t k = i + 1; k < 44; ++k)
            EXPECT_FALSE(l->geometry().intersects(w.lblVarna[k]->geometry())) << i << " and " << k;
        EXPECT_EQ(l->font().bold(), i == 42 || i == 43) << i;
    }
    // Cells of one row share a line; the columns keep their order.
    for (int r = 0; r < 8; ++r)
        for (int c = 1; c < 5; ++c) {
            EXPECT_EQ(w.lblVarna[static_cast<std::size_t>(5 * r + c)]->y(), w.lblVarna[static_cast<std::size_t>(5 * r)]->y());
            EXPECT_GT(w.lblVarna[static_cast<std::size_t>(5 * r + c)]->x(),
                      w.lblVarna[static_cast<std::size_t>(5 * r + c - 1)]->x());
        }
    QLabel* summary = w.lblVarna[43];
    QLabel* verdict = w.lblVarna[42];
    EXPECT_EQ(summary->palette().color(summary->foregroundRole()), QColor(192, 0, 0));
    EXPECT_EQ(verdict->palette().color(verdict->foregroundRole()), QColor(0, 0, 255));
    EXPECT_LT(summary->x(), verdict->x());
    EXPECT_GT(summary->y(), w.lblVarna[41]->y());

    // The longest texts any match can put in a cell still show whole.
    const std::pair<int, const char*> longest[] = {
        {15, "Uttara Bhadrapada"}, {16, "Poorva Bhadrapada"}, {35, "Sleshma/Anthya"}, {36, "Pitha/Madhya"},
        {5, "Chatushpada"},        {21, "Sagittarius"},       {19, "Mental Awareness"}, {23, "2.5"},
        {43, "You Have Obtained 36 Points Out Of 36 Points"}, {42, "This is a Very Good Match"},
        {42, "This is a Excellent Match"}};
    for (const auto& [cell, text] : longest) {
        QLabel* l = w.lblVarna[static_cast<std::size_t>(cell)];
        l->setText(QString::fromLatin1(text));
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->contentsRect().width()) << text;
    }

    // The drawn table: a heading band, eight rows each on its own ground and
    // two green rows at the foot, the row of cell r lying on row r.
    const QImage img = w.picGunaMilan->pixmap().toImage();
    QList<QRgb> grounds;
    for (int r = 0; r < 8; ++r) {
        const QLabel* boyCell = w.lblVarna[static_cast<std::size_t>(5 * r)];
        const QRgb g = img.pixel(boyCell->x() + 2, boyCell->y() + 1);
        EXPECT_FALSE(grounds.contains(g)) << r;
        grounds << g;
    }
    for (std::size_t footCell : {41u, 43u}) {
        const QColor g = img.pixelColor(w.lblVarna[footCell]->x() + 2, w.lblVarna[footCell]->y() + 1);
        EXPECT_GT(g.green(), g.red());
        EXPECT_GT(g.green(), g.blue());
    }
    const QColor heading = img.pixelColor(5, 5);
    EXPECT_LT(heading.lightness(), 100); // dark, so its white titles read well
}

TEST_F(KundaliResult, InterpretationIsTheMatchReportWithoutFootersAndItsLinkOpensTheHomePage)
{
    frmVedicResult& w = realMatch();
    QString expected;
    for (const KundaliReportRun& r : MatchReportRuns(false))
        expected += r.text;
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(w.RTB->Text(), expected);
    EXPECT_TRUE(w.RTB->Text().startsWith(QStringLiteral("Your Details:\nName: Arjun\nDate of Birth: January 5, 1980\n")));
    EXPECT_FALSE(w.RTB->Text().contains(QStringLiteral("Report Generated By")));
    EXPECT_TRUE(w.RTB->isReadOnly());

    clickTab(w.TSD, 3);
    ASSERT_TRUE(w.lblHyperlink->isVisible());
    EXPECT_EQ(w.lblHyperlink->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(w.lblHyperlink->palette().color(w.lblHyperlink->foregroundRole()), QColor(0, 0, 255));
    click(w.lblHyperlink);
    EXPECT_EQ(desk.openedUrls, QStringList{PageAddress(QStringLiteral("home-page"))});
}

TEST_F(KundaliResult, LinkLabelsOfTheAboutBlocksOpenTheHomePage)
{
    frmVedicResult& w = realMatch();
    struct Link {
        int top;
        MultiRowTabStrip* strip; // null: the About tab itself
        int page;
        ClickLabel* label;
    };
    const Link links[] = {{2, w.TSM, 8, w.lblHomePage}, {3, w.TSF, 8, w.Label36}, {4, w.TSNM, 6, w.Label58},
                          {5, w.TSNF, 6, w.Label13},    {6, nullptr, 0, w.lblAboutVisit}};
    for (const Link& l : links) {
        desk.openedUrls.clear();
        clickTab(w.TSAll, l.top);
        if (l.strip)
            clickTab(l.strip, l.page);
        ASSERT_TRUE(l.label->isVisible()) << l.top;
        EXPECT_TRUE(l.label->text().contains(QStringLiteral("https://www.vorlaine.example"))) << l.top;
        click(l.label);
        EXPECT_EQ(desk.openedUrls, QStringList{PageAddress(QStringLiteral("home-page"))}) << l.top;
    }
}

TEST_F(KundaliResult, MenusAreShownInTheMainWindowAndWorkByKeys)
{
    MDI& m = mdi();
    m.show();
    frmVedicResult& w = realMatch();
    QApplication::setActiveWindow(&m);
    QStringList titles;
    for (QAction* a : m.menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Help"}));
    ASSERT_EQ(w.menus().size(), 2);
    QStringList help;
    for (QAction* a : w.menus()[1]->actions())
        help << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(help, (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update", "-",
                                 "&About Software"}));

    // Alt+H, O: the help page.
    QTest::keyClick(&m, Qt::Key_H, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup, Qt::Key_O);
    EXPECT_EQ(desk.openedUrls, QStringList{PageAddress(QStringLiteral("help-web-page"))});
    w.mnuUpdate->trigger();
    w.mnuVisit->trigger();
    EXPECT_EQ(desk.openedUrls.mid(1), (QStringList{PageAddress(QStringLiteral("download-web-page")),
                                                   PageAddress(QStringLiteral("home-page"))}));
    w.mnuAbout->trigger();
    EXPECT_TRUE(forms::isLoaded("frmAbout"));
    EXPECT_TRUE(forms::isLoaded<frmVedicResult>());
    forms::unload("frmAbout");

    // Alt+F, B: back to the input window.
    QApplication::setActiveWindow(&m);
    QTest::keyClick(&m, Qt::Key_F, Qt::AltModifier);
    popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup, Qt::Key_B);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(forms::isLoaded<frmVedicResult>());
    EXPECT_TRUE(forms::isLoaded<frmMainKundali>());
}

TEST_F(KundaliResult, BackShowsAFreshInputWindowAndHidesThePanel)
{
    frmVedicResult& w = realMatch();
    EXPECT_FALSE(WelcomePanelVisible());
    click(w.cmdBack);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(forms::isLoaded<frmVedicResult>());
    ASSERT_TRUE(forms::isLoaded<frmMainKundali>());
    EXPECT_FALSE(forms::get<frmMainKundali>().frame()->isHidden());
    EXPECT_FALSE(WelcomePanelVisible());

    // The next match lands on a new window that holds only that match.
    forms::unload<frmMainKundali>();
    setPersons({"Kiran", "2", "May", "1990", 1, 2, 3, "X, Y, Z"}, meera());
    frmVedicResult& again = calculate("Leo", "Leo", "Magha", "Magha");
    EXPECT_EQ(again.lblMName->text(), QStringLiteral("Your Name: Kiran"));
    EXPECT_EQ(again.RTB->Text().count(QStringLiteral("Your Details:")), 1);
    EXPECT_FALSE(again.RTB->Text().contains(QStringLiteral("Arjun")));
    EXPECT_EQ(again.txtMEnglishName->Text(), QStringLiteral("Leo"));
    EXPECT_EQ(again.lblNMNakshatra->text(), QStringLiteral("Magha"));
}

TEST_F(KundaliResult, ClosingTheWindowShowsThePanelAndNothingElse)
{
    frmVedicResult& w = realMatch();
    ASSERT_FALSE(WelcomePanelVisible());
    w.frame()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(forms::isLoaded<frmVedicResult>());
    EXPECT_FALSE(forms::isLoaded<frmMainKundali>());
    EXPECT_TRUE(WelcomePanelVisible());
}

TEST_F(KundaliResult, EveryPageIsTidyAndShowsItsTextsWhole)
{
    frmVedicResult& w = realMatch();
    // Each page in front in turn, so the layout is checked as it is seen.
    for (int top = 1; top <= 6; ++top) {
        clickTab(w.TSAll, top);
        MultiRowTabStrip* inner[7] = {w.TSD, w.TSM, w.TSF, w.TSNM, w.TSNF, nullptr, nullptr};
        MultiRowTabStrip* s = inner[top - 1];
        const int pages = s ? s->count() : 1;
        for (int p = 1; p <= pages; ++p) {
            if (s)
                clickTab(s, p);
            SCOPED_TRACE(testing::Message() << "top tab " << top << ", page " << p);
            expectTidyLayout(&w);
        }
    }
    // The one-line boxes of this match show their values whole.
    for (TextBox* b : w.findChildren<TextBox*>()) {
        if (b->lineWrapMode() != QPlainTextEdit::NoWrap)
            continue;
        EXPECT_LE(b->fontMetrics().horizontalAdvance(b->Text()),
                  b->viewport()->width() - 2 * static_cast<int>(b->document()->documentMargin()))
            << b->Text().toStdString();
    }
}

TEST_F(KundaliResult, TabStripsWrapTheirTabsIntoRowsThatShowEveryCaption)
{
    frmVedicResult& w = realMatch();
    const std::pair<MultiRowTabStrip*, int> strips[] = {{w.TSAll, 1}, {w.TSD, 1}, {w.TSM, 2},
                                                        {w.TSF, 2},   {w.TSNM, 2}, {w.TSNF, 2}};
    for (const auto& [s, rows] : strips) {
        const std::string name = s->objectName().toStdString();
        EXPECT_EQ(s->RowCount(), rows) << name;
        for (int tab = 1; tab <= s->count(); ++tab) {
            s->setSelectedItem(tab);
            const QRect r = s->TabRect(tab);
            // The selected tab's row is the one next to the page.
            EXPECT_EQ(r.bottom(), s->height() - 1) << name << tab;
            for (int other = 1; other <= s->count(); ++other) {
                const QRect o = s->TabRect(other);
                EXPECT_TRUE(QRect(QPoint(0, 0), s->size()).contains(o)) << name << other;
                EXPECT_GE(o.width(), s->fontMetrics().horizontalAdvance(s->tabText(other - 1))) << name << other;
                if (other != tab) {
                    EXPECT_FALSE(o.intersects(r)) << name << tab << other;
                }
            }
        }
        s->setSelectedItem(1);
    }
    // The tabs sit right on top of their pages.
    EXPECT_EQ(w.TSM->geometry().bottom() + 1, w.Frame1->y());
    EXPECT_EQ(w.TSNF->geometry().bottom() + 1, w.Frame23->y());
}
