#include "KundaliResultFixture.h"
#include "ShownPage.h"

#include <QGroupBox>
#include <QPushButton>

#include <map>

namespace {

// One information strip with its pages and the paging buttons on each page
// (null where a page has none).
struct Paging {
    const char* name;
    int topTab;
    MultiRowTabStrip* strip;
    std::vector<QWidget*> pages;
    std::vector<QPushButton*> next; // on page k, index k - 1
    std::vector<QPushButton*> back;
};

std::vector<Paging> pagings(frmVedicResult& w)
{
    return {
        {"boy's rashi", 2, w.TSM,
         {w.Frame1, w.Frame2, w.Frame3, w.Frame4, w.Frame5, w.Frame6, w.Frame7, w.Frame8},
         {w.cmdMNext1, w.cmdMNext2, w.cmdMNext3, w.cmdMNext4, w.cmdMNext5, w.cmdMNext6, w.cmdMNext7, nullptr},
         {nullptr, w.cmdMBack2, w.cmdMBack3, w.cmdMBack4, w.cmdMBack5, w.cmdMBack6, w.cmdMBack7, w.cmdMBack8}},
        {"girl's rashi", 3, w.TSF,
         {w.Frame9, w.Frame10, w.Frame11, w.Frame12, w.Frame13, w.Frame14, w.Frame15, w.Frame16},
         {w.cmdFNext1, w.cmdFNext2, w.cmdFNext3, w.cmdFNext4, w.cmdFNext5, w.cmdFNext6, w.cmdFNext7, nullptr},
         {nullptr, w.cmdFBack2, w.cmdFBack3, w.cmdFBack4, w.cmdFBack5, w.cmdFBack6, w.cmdFBack7, w.cmdFBack8}},
        {"boy's nakshatra", 4, w.TSNM,
         {w.Frame17, w.Frame18, w.Frame19, w.Frame20, w.Frame21, w.Frame22},
         {w.cmdNMNext1, w.cmdNMNext2, w.cmdNMNext3, w.cmdNMNext4, w.cmdNMNext5, nullptr},
         {nullptr, w.cmdNMBack2, w.cmdNMBack3, w.cmdNMBack4, w.cmdNMBack5, w.cmdNMBack6}},
        {"girl's nakshatra", 5, w.TSNF,
         {w.Frame23, w.Frame24, w.Frame25, w.Frame26, w.Frame27, w.Frame28},
         {w.cmdNFNext1, w.cmdNFNext2, w.cmdNFNext3, w.cmdNFNext4, w.cmdNFNext5, nullptr},
         {nullptr, w.cmdNFBack2, w.cmdNFBack3, w.cmdNFBack4, w.cmdNFBack5, w.cmdNFBack6}},
    };
}

// Which tab each strip has selected and which page it shows.
std::map<const TabStrip*, std::pair<int, QWidget*>> snapshot(frmVedicResult& w)
{
    std::map<const TabStrip*, std::pair<int, QWidget*>> out;
    for (MultiRowTabStrip* s : {w.TSAll, w.TSD, w.TSM, w.TSF, w.TSNM, w.TSNF})
        out[s] = {s->SelectedItem(), shownPage(s)};
    return out;
}

} // namespace

TEST_F(KundaliResult, PagingButtonsSitOnTheirPagesWithTheirCaptions)
{
    frmVedicResult& w = realMatch();
    for (const Paging& p : pagings(w)) {
        for (std::size_t k = 0; k < p.pages.size(); ++k) {
            const auto buttons = p.pages[k]->findChildren<QPushButton*>();
            QStringList captions;
            for (QPushButton* b : buttons)
                captions << b->text();
            captions.sort();
            QStringList expected;
            if (p.back[k])
                expected << QStringLiteral("Back");
            if (p.next[k])
                expected << QStringLiteral("Next");
            EXPECT_EQ(captions, expected) << p.name << " page " << k + 1;
            for (QPushButton* b : {p.next[k], p.back[k]}) {
                if (b) {
                    EXPECT_EQ(b->parentWidget(), p.pages[k]) << p.name << k + 1;
                }
            }
        }
    }
}

TEST_F(KundaliResult, NextAndBackClicksWalkEachStripAndLeaveTheOthers)
{
    frmVedicResult& w = realMatch();
    for (const Paging& p : pagings(w)) {
        clickTab(w.TSAll, p.topTab);
        auto others = snapshot(w);
        others.erase(p.strip);
        const int last = static_cast<int>(p.pages.size());
        for (int k = 1; k < last; ++k) {
            click(p.next[static_cast<std::size_t>(k - 1)]);
            EXPECT_EQ(shownPage(p.strip), p.pages[static_cast<std::size_t>(k)]) << p.name << " next " << k;
            EXPECT_EQ(p.strip->SelectedItem(), k + 1) << p.name << " next " << k;
        }
        for (int k = last; k > 1; --k) {
            click(p.back[static_cast<std::size_t>(k - 1)]);
            EXPECT_EQ(shownPage(p.strip), p.pages[static_cast<std::size_t>(k - 2)]) << p.name << " back " << k;
            EXPECT_EQ(p.strip->SelectedItem(), k - 1) << p.name << " back " << k;
        }
        auto after = snapshot(w);
        after.erase(p.strip);
        EXPECT_EQ(after, others) << p.name;
    }
}

TEST_F(KundaliResult, PagingExamples)
{
    frmVedicResult& w = realMatch();
    // Next 7 on page 7 of the boy's rashi goes to the About page.
    clickTab(w.TSAll, 2);
    clickTab(w.TSM, 7);
    click(w.cmdMNext7);
    EXPECT_EQ(shownPage(w.TSM), w.Frame8);
    EXPECT_EQ(w.TSM->SelectedItem(), 8);
    // Back 2 on the girl's second rashi page goes to her first.
    clickTab(w.TSAll, 3);
    clickTab(w.TSF, 2);
    ASSERT_EQ(shownPage(w.TSF), w.Frame10);
    click(w.cmdFBack2);
    EXPECT_EQ(shownPage(w.TSF), w.Frame9);
    EXPECT_EQ(w.TSF->SelectedItem(), 1);
    // Next 5 on the girl's fifth nakshatra page goes to her About page.
    clickTab(w.TSAll, 5);
    clickTab(w.TSNF, 5);
    click(w.cmdNFNext5);
    EXPECT_EQ(shownPage(w.TSNF), w.Frame28);
    EXPECT_EQ(w.TSNF->SelectedItem(), 6);
    // Back 6 on the boy's About page returns to his last content page.
    clickTab(w.TSAll, 4);
    clickTab(w.TSNM, 6);
    click(w.cmdNMBack6);
    EXPECT_EQ(shownPage(w.TSNM), w.Frame21);
    EXPECT_EQ(w.TSNM->SelectedItem(), 5);
    // The boy's rashi strip is still where it was left.
    EXPECT_EQ(shownPage(w.TSM), w.Frame8);
}

TEST_F(KundaliResult, OnlyTheButtonsOfThePageInFrontCanBeReached)
{
    frmVedicResult& w = realMatch();
    for (const Paging& p : pagings(w)) {
        clickTab(w.TSAll, p.topTab);
        clickTab(p.strip, 3);
        for (std::size_t k = 0; k < p.pages.size(); ++k)
            for (QPushButton* b : {p.next[k], p.back[k]}) {
                if (!b)
                    continue;
                EXPECT_EQ(b->isVisible(), k == 2) << p.name << " page " << k + 1;
                if (k == 2) {
                    EXPECT_EQ(w.childAt(b->mapTo(&w, b->rect().center())), b) << p.name;
                }
            }
    }
}

TEST_F(KundaliResult, TabClicksAndKeysKeepTabAndPageInStep)
{
    frmVedicResult& w = realMatch();
    clickTab(w.TSAll, 2);
    for (int tab : {3, 8, 8, 1, 5}) {
        clickTab(w.TSM, tab);
        EXPECT_EQ(w.TSM->SelectedItem(), tab);
        EXPECT_EQ(shownPage(w.TSM), w.TSM->Pages()[static_cast<std::size_t>(tab - 1)]);
    }
    // A right click changes nothing.
    QTest::mouseClick(w.TSM, Qt::RightButton, {}, w.TSM->TabRect(2).center());
    EXPECT_EQ(w.TSM->SelectedItem(), 5);
    EXPECT_EQ(shownPage(w.TSM), w.Frame5);

    struct Key {
        MultiRowTabStrip* strip;
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int tab;
    };
    const Key keys[] = {{w.TSM, Qt::Key_Right, {}, 6},   {w.TSM, Qt::Key_Left, {}, 5},
                        {w.TSM, Qt::Key_Right, {}, 6},   {w.TSNM, Qt::Key_Right, {}, 2},
                        {w.TSNM, Qt::Key_Left, {}, 1},   {w.TSAll, Qt::Key_Right, {}, 3},
                        {w.TSD, Qt::Key_Right, {}, 2}};
    for (const Key& k : keys) {
        k.strip->setFocus();
        QTest::keyClick(k.strip, k.key, k.mods);
        EXPECT_EQ(k.strip->SelectedItem(), k.tab) << k.strip->objectName().toStdString();
        EXPECT_EQ(shownPage(k.strip), k.strip->Pages()[static_cast<std::size_t>(k.tab - 1)])
            << k.strip->objectName().toStdString();
    }
    // The keys of the other strips left the boy's rashi where it was.
    EXPECT_EQ(shownPage(w.TSM), w.Frame6);
}

TEST_F(KundaliResult, EachTopTabComesBackOnThePageLastSeenThere)
{
    frmVedicResult& w = realMatch();
    clickTab(w.TSAll, 2);
    for (QPushButton* b : {w.cmdMNext1, w.cmdMNext2, w.cmdMNext3, w.cmdMNext4})
        click(b);
    ASSERT_EQ(shownPage(w.TSM), w.Frame5);
    clickTab(w.TSAll, 5);
    EXPECT_EQ(shownPage(w.TSNF), w.Frame23);
    clickTab(w.TSAll, 2);
    EXPECT_EQ(shownPage(w.TSM), w.Frame5);
    EXPECT_EQ(w.TSM->SelectedItem(), 5);
    // The girl's pages never moved.
    EXPECT_EQ(shownPage(w.TSF), w.Frame9);
    EXPECT_EQ(w.TSF->SelectedItem(), 1);
    // The match tab keeps its sub-page too.
    clickTab(w.TSAll, 1);
    clickTab(w.TSD, 3);
    clickTab(w.TSAll, 6);
    EXPECT_EQ(shownPage(w.TSAll), static_cast<QWidget*>(w.fraAbout));
    clickTab(w.TSAll, 1);
    EXPECT_EQ(shownPage(w.TSD), static_cast<QWidget*>(w.fraInterpretation));
}
