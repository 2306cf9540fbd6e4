// The Kundali input window: its controls, key filters, menus, validation,
// the calculation through the engine and the place search.
#include "InputMethod.h"
#include "KundaliWindowSupport.h"

#include "frmAbout.h"
#include "frmMainKundali.h"
#include "frmVedicResult.h"
#include "KundaliInput.h"

#include "ClickLabel.h"
#include "Engine.h"
#include "LatLongLookup.h"
#include "RichTextBox.h"
#include "TextBox.h"
#include "TestWindow.h"
#include "Twips.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <functional>

using namespace kundalitest;
using platform::MsgIcon;
namespace vc = modVedicCompatibility;

namespace {

class KundaliInput : public KundaliFixture {
protected:
    // The window shown in an active main window, so focus can be checked.
    frmMainKundali& shownInput()
    {
        EXPECT_TRUE(showActiveMainWindow());
        frmMainKundali& w = input();
        QApplication::processEvents();
        return w;
    }

    QWidget* focused(frmMainKundali& w) { return w.window()->focusWidget(); }

    QString lastMessage() const { return desk.messages.empty() ? QString() : desk.messages.back().text; }
};

QRect twipsRect(double left, double top, double width, double height)
{
    using namespace platform;
    return {twipsToPixelsX(left), twipsToPixelsY(top), twipsToPixelsX(width), twipsToPixelsY(height)};
}

QWidget* nextTabStop(const QWidget* from)
{
    QWidget* w = from->nextInFocusChain();
    while (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() || !w->isEnabled())
        w = w->nextInFocusChain();
    return w;
}

} // namespace

TEST_F(KundaliInput, OpensWithItsControlsCaptionsAndLists)
{
    frmMainKundali& w = input();
    EXPECT_EQ(w.Caption(), QStringLiteral("Vorlaine Astrology Kundali Match"));
    EXPECT_EQ(w.kind(), Form::Kind::MdiChild);
    EXPECT_FLOAT_EQ(w.Left(), (19200.0f - w.Width()) / 2.0f);
    EXPECT_FLOAT_EQ(w.Top(), 0.0f);
    EXPECT_FALSE(WelcomePanelVisible());
    EXPECT_EQ(w.palette().color(QPalette::Window), QColor(255, 147, 49));

    EXPECT_FALSE(w.frame()->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(w.frame()->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(w.frame()->windowFlags() & Qt::WindowCloseButtonHint);

    EXPECT_EQ(w.Label62->text(), QStringLiteral("Vorlaine Astrology Kundali Match"));
    EXPECT_TRUE(w.Label62->font().bold());
    // The heading is not cut off.
    EXPECT_LE(w.Label62->fontMetrics().horizontalAdvance(w.Label62->text()), w.Label62->width());
    EXPECT_EQ(w.cmdOpen->text(), QStringLiteral("&Open Previously Saved Reading"));
    EXPECT_EQ(w.cmdCalculate->text(), QStringLiteral("Match &Kundali"));
    EXPECT_EQ(w.cmdExit->text(), QStringLiteral("E&xit"));
    EXPECT_EQ(w.Frame1->title(), QStringLiteral("Boy's Details"));
    EXPECT_EQ(w.Frame2->title(), QStringLiteral("Girl's Details"));
    EXPECT_EQ(w.Label7->text(), QStringLiteral("Enter your City, State & Country. Now click \"Find Latitude & "
                                               "Longitude\". Find Latitude / Logitude on the Web."));
    EXPECT_EQ(w.Label7->toolTip(), QStringLiteral("To Find Latitude / Logitude Enter your City, State and Country "
                                                  "and click Find Lat - Long"));
    for (QPushButton* b : {w.cmdMaleBrowse, w.cmdFemaleBrowse})
        EXPECT_EQ(b->text().replace('\n', ' '), QStringLiteral("Click Here To Find Latitude && Longitude"));
    EXPECT_EQ(w.lblMTZHelp->text(), QStringLiteral("TZ Help"));
    EXPECT_EQ(w.chkMDST->text(), QStringLiteral("DST"));

    // Positions of the designed layout.
    EXPECT_EQ(w.cmdOpen->geometry(), twipsRect(90, 840, 8535, 495));
    EXPECT_EQ(w.Frame1->geometry(), twipsRect(0, 1410, 4365, 3750));
    EXPECT_EQ(w.Frame2->geometry(), twipsRect(4350, 1410, 4365, 3750));
    EXPECT_EQ(w.cmdCalculate->geometry(), twipsRect(6350, 5205, 2295, 495));
    EXPECT_EQ(w.cmdExit->geometry(), twipsRect(7545, 5827, 1100, 400));
    EXPECT_EQ(w.txtMName->geometry(), twipsRect(1140, 300, 3045, 300));
    EXPECT_EQ(w.cboMYear->geometry(), twipsRect(3300, 660, 885, 315));
    EXPECT_EQ(w.txtMZoneHour->geometry(), twipsRect(1140, 1400, 495, 285));
    EXPECT_EQ(w.Frame3->geometry(), twipsRect(1700, 1748, 975, 405));
    EXPECT_EQ(w.cmdMaleBrowse->geometry(), twipsRect(3120, 2670, 1095, 945));
    // The girl's controls sit where the boy's do in the other frame.
    const std::pair<QWidget*, QWidget*> pairs[] = {
        {w.txtMName, w.txtFName}, {w.cboMMonth, w.cboFMonth}, {w.txtMLoM, w.txtFLoM},
        {w.Frame4, w.Frame7}, {w.chkMDST, w.chkFDST}, {w.cmdMaleBrowse, w.cmdFemaleBrowse}};
    for (const auto& [m, f] : pairs) {
        EXPECT_LE(std::abs(m->x() - f->x()), 7);
        EXPECT_LE(std::abs(m->y() - f->y()), 7);
        EXPECT_EQ(m->size(), f->size());
    }

    struct List {
        QComboBox* box;
        int count;
        const char *first, *last;
    };
    const List lists[] = {
        {w.cboMDate, 31, "1", "31"},        {w.cboFDate, 31, "1", "31"},
        {w.cboMMonth, 12, "January", "December"}, {w.cboFMonth, 12, "January", "December"},
        {w.cboMYear, 151, "1900", "2050"},  {w.cboFYear, 151, "1900", "2050"},
        {w.cboMHH, 25, "0", "24"},          {w.cboFHH, 25, "0", "24"},
        {w.cboMMM, 60, "0", "59"},          {w.cboFMM, 60, "0", "59"},
        {w.cboMSS, 60, "0", "59"},          {w.cboFSS, 60, "0", "59"},
    };
    for (const List& l : lists) {
        ASSERT_EQ(l.box->count(), l.count) << l.first;
        EXPECT_EQ(l.box->itemText(0), QString::fromLatin1(l.first));
        EXPECT_EQ(l.box->itemText(l.count - 1), QString::fromLatin1(l.last));
        EXPECT_EQ(l.box->currentIndex(), 0);
        EXPECT_FALSE(l.box->isEditable());
    }
    EXPECT_EQ(w.cboMHH->itemText(9), QStringLiteral("9")); // no leading zeros

    struct Box {
        QLineEdit* box;
        int maxLength;
    };
    const Box boxes[] = {{w.txtMZoneHour, 3}, {w.txtMZoneMinute, 2}, {w.txtMLD, 3}, {w.txtMLM, 3},
                         {w.txtMLoD, 3},      {w.txtMLoM, 3},        {w.txtFZoneHour, 3}, {w.txtFZoneMinute, 2},
                         {w.txtFLD, 3},       {w.txtFLM, 3},         {w.txtFLoD, 3}, {w.txtFLoM, 3}};
    for (const Box& b : boxes) {
        EXPECT_EQ(b.box->maxLength(), b.maxLength);
        EXPECT_TRUE(b.box->text().isEmpty());
    }
    for (QLineEdit* b : {w.txtMName, w.txtMCity, w.txtMState, w.txtMCountry, w.txtFName, w.txtFCity})
        EXPECT_TRUE(b->text().isEmpty());
    EXPECT_TRUE(w.txtMZoneHour->font().bold());
    EXPECT_FALSE(w.txtMName->font().bold());
    EXPECT_TRUE(w.optMNorth->isChecked());
    EXPECT_TRUE(w.optMEast->isChecked());
    EXPECT_TRUE(w.optFNorth->isChecked());
    EXPECT_TRUE(w.optFEast->isChecked());
    EXPECT_FALSE(w.chkMDST->isChecked());
    EXPECT_FALSE(w.chkFDST->isChecked());
    EXPECT_EQ(w.optMNorth->parentWidget(), w.Frame3);
    EXPECT_EQ(w.optFWest->parentWidget(), w.Frame7);
}

TEST_F(KundaliInput, DirectionOptionsAreRegularAndShowWhole)
{
    frmMainKundali& w = shownInput();
    const std::pair<QRadioButton*, QRadioButton*> pairs[] = {
        {w.optMNorth, w.optMSouth}, {w.optMEast, w.optMWest}, {w.optFNorth, w.optFSouth}, {w.optFEast, w.optFWest}};
    for (const auto& [a, b] : pairs) {
        QWidget* frame = a->parentWidget();
        EXPECT_FALSE(frame->font().bold()) << frame->objectName().toStdString();
        for (QRadioButton* o : {a, b}) {
            SCOPED_TRACE(o->text().toStdString());
            // Not the bold of the person frame's caption.
            EXPECT_FALSE(o->font().bold());
            EXPECT_DOUBLE_EQ(o->font().pointSizeF(), 8.25);
            // The round button is drawn whole, inside the option and its frame.
            QStyleOptionButton opt;
            opt.initFrom(o);
            opt.text = o->text();
            const QRect dot = o->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &opt, o);
            EXPECT_TRUE(o->rect().contains(dot)) << dot.height() << " in " << o->height();
            EXPECT_TRUE(frame->rect().contains(o->geometry()));
            EXPECT_LE(o->fontMetrics().horizontalAdvance(o->text()) + dot.right() + 4, o->width());
        }
        EXPECT_FALSE(a->geometry().intersects(b->geometry()));
    }
}

TEST_F(KundaliInput, TabOrderRunsAsDesignedAndTheNameHasTheFocus)
{
    frmMainKundali& w = shownInput();
    EXPECT_EQ(focused(w), w.txtMName);
    const QWidget* order[] = {
        w.txtMName, w.cboMDate, w.cboMMonth, w.cboMYear, w.cboMHH, w.cboMMM, w.cboMSS, w.txtMLD, w.txtMLM,
        w.txtMLoD, w.txtMLoM, w.txtMCity, w.txtMState, w.txtMCountry,
        w.txtFName, w.cboFDate, w.cboFMonth, w.cboFYear, w.cboFHH, w.cboFMM, w.cboFSS, w.txtFLD, w.txtFLM,
        w.txtFLoD, w.txtFLoM, w.txtFCity, w.txtFState, w.txtFCountry,
        w.cmdCalculate, w.cmdFemaleBrowse, w.cmdMaleBrowse, w.cmdExit, w.cmdOpen,
        w.txtMZoneHour, w.txtMZoneMinute, w.chkMDST, w.optMNorth, w.optMSouth, w.optMEast, w.optMWest,
        w.txtFZoneHour, w.txtFZoneMinute, w.chkFDST, w.optFNorth, w.optFSouth, w.optFEast, w.optFWest};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        EXPECT_EQ(nextTabStop(order[i]), order[i + 1]) << i;
    // The Tab key itself moves on and shows no message.
    QTest::keyClick(w.txtMName, Qt::Key_Tab);
    EXPECT_EQ(focused(w), w.cboMDate);
    EXPECT_TRUE(desk.messages.empty());
}

TEST_F(KundaliInput, MenusShowInTheMainWindowAndWorkByKeys)
{
    frmMainKundali& w = shownInput();
    QStringList titles;
    for (QAction* a : mdi().menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Help"}));
    QStringList file;
    for (QAction* a : w.mnuFile->actions())
        file << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(file, (QStringList{"&Kundali Match", "-", "&Exit"}));
    EXPECT_EQ(w.mnuOnline->text(), QStringLiteral("&Online Help"));
    EXPECT_EQ(w.mnuVisit->text(), QStringLiteral("&Visit Us Online"));
    EXPECT_EQ(w.mnuUpdate->text(), QStringLiteral("Check for Software &Update"));
    EXPECT_EQ(w.mnuAbout->text(), QStringLiteral("&About Software"));

    // Alt+F, K: the match on an empty window stops at the first check.
    QTest::keyClick(focused(w), Qt::Key_F, Qt::AltModifier);
    QApplication::processEvents();
    QMenu* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup, w.mnuFile);
    QTest::keyClick(popup, Qt::Key_K);
    QApplication::processEvents();
    ASSERT_EQ(desk.messages.size(), 1u);
    EXPECT_EQ(desk.messages[0].text, QStringLiteral("Please Enter Your Name"));
    EXPECT_EQ(focused(w), w.txtMName);

    // The Help items open their pages; About shows the About box.
    w.mnuOnline->trigger();
    w.mnuVisit->trigger();
    w.mnuUpdate->trigger();
    QTest::mouseClick(w.Label61, Qt::LeftButton);
    const QString base = QStringLiteral("https://www.vorlaine.example/vorlaine-free-love-test/ssd.php?page=");
    EXPECT_EQ(desk.openedUrls, (QStringList{base + "help-web-page", base + "home-page", base + "download-web-page",
                                            base + "home-page"}));
    w.mnuAbout->trigger();
    ASSERT_TRUE(forms::isLoaded<frmAbout>());
    EXPECT_TRUE(forms::get<frmAbout>().isShownModal());
    forms::unload<frmAbout>();

    // Alt+F, E: the window unloads and the welcome panel comes back.
    QTest::keyClick(focused(w), Qt::Key_F, Qt::AltModifier);
    QApplication::processEvents();
    popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup, Qt::Key_E);
    QApplication::processEvents();
    EXPECT_FALSE(forms::isLoaded<frmMainKundali>());
    EXPECT_TRUE(WelcomePanelVisible());
    EXPECT_EQ(exitCalls, 0);
}

TEST_F(KundaliInput, EveryWayOfClosingShowsTheWelcomePanel)
{
    const std::function<void(frmMainKundali&)> ways[] = {
        [](frmMainKundali& w) { QTest::mouseClick(w.cmdExit, Qt::LeftButton); },
        [](frmMainKundali& w) { w.mnuExit->trigger(); },
        [](frmMainKundali& w) { w.frame()->close(); },
    };
    for (const auto& close : ways) {
        frmMainKundali& w = input();
        EXPECT_FALSE(WelcomePanelVisible());
        close(w);
        EXPECT_FALSE(forms::isLoaded<frmMainKundali>());
        EXPECT_TRUE(WelcomePanelVisible());
    }
}

TEST_F(KundaliInput, CoordinateAndZoneBoxesTakeOnlyDigits)
{
    frmMainKundali& w = input();
    for (QLineEdit* box : {w.txtMZoneHour, w.txtMZoneMinute, w.txtMLD, w.txtMLM, w.txtMLoD, w.txtMLoM,
                           w.txtFZoneHour, w.txtFZoneMinute, w.txtFLD, w.txtFLM, w.txtFLoD, w.txtFLoM}) {
        desk.messages.clear();
        QTest::keyClicks(box, QStringLiteral("12"));
        EXPECT_EQ(box->text(), QStringLiteral("12"));
        EXPECT_TRUE(desk.messages.empty());
        QTest::keyClick(box, Qt::Key_A);
        QTest::keyClick(box, Qt::Key_Minus);
        QTest::keyClick(box, Qt::Key_Period);
        QTest::keyClick(box, Qt::Key_Space);
        EXPECT_EQ(box->text(), QStringLiteral("12"));
        ASSERT_EQ(desk.messages.size(), 4u);
        for (const auto& m : desk.messages) {
            EXPECT_EQ(m.text, QStringLiteral("Please Enter Only Numbers"));
            EXPECT_EQ(m.icon, MsgIcon::Critical);
            EXPECT_EQ(m.title, QStringLiteral("Vorlaine Love Test"));
        }
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(box->text(), QStringLiteral("1"));
        EXPECT_EQ(desk.messages.size(), 4u);
    }
}

TEST_F(KundaliInput, NameBoxesTakeOnlyLettersAndBlanks)
{
    frmMainKundali& w = input();
    for (QLineEdit* box : {w.txtMName, w.txtFName}) {
        desk.messages.clear();
        QTest::keyClicks(box, QStringLiteral("Ab cZ"));
        EXPECT_EQ(box->text(), QStringLiteral("Ab cZ"));
        EXPECT_TRUE(desk.messages.empty());
        QTest::keyClick(box, Qt::Key_5);
        QTest::keyClick(box, Qt::Key_Minus);
        QTest::keyClick(box, Qt::Key_Apostrophe);
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Eacute, QString(QChar(0xE9)), Qt::NoModifier);
        EXPECT_EQ(box->text(), QStringLiteral("Ab cZ"));
        ASSERT_EQ(desk.messages.size(), 4u);
        for (const auto& m : desk.messages) {
            EXPECT_EQ(m.text, QStringLiteral("Please Enter Only Characters"));
            EXPECT_EQ(m.icon, MsgIcon::Critical);
        }
    }
}


TEST_F(KundaliInput, ComposedCharactersAreRefusedAndAltChordsIgnoredInTheFilteredBoxes)
{
    frmMainKundali& w = input();
    int i = 0;
    for (QLineEdit* box : {w.txtMName, w.txtMZoneHour, w.txtMZoneMinute, w.txtMLD, w.txtMLM, w.txtMLoD, w.txtMLoM,
                           w.txtFName, w.txtFZoneHour, w.txtFZoneMinute, w.txtFLD, w.txtFLM, w.txtFLoD, w.txtFLoM}) {
        SCOPED_TRACE(i++);
        const bool name = box == w.txtMName || box == w.txtFName;
        const QString kept = name ? QStringLiteral("ab") : QStringLiteral("12");
        box->clear();
        box->setFocus();
        desk.messages.clear();
        // Allowed text passes, typed or committed by an input method.
        QTest::keyClick(box, name ? Qt::Key_A : Qt::Key_1);
        compose(box, QString(), name ? QStringLiteral("b") : QStringLiteral("2"));
        ASSERT_EQ(box->text(), kept);
        EXPECT_TRUE(desk.messages.empty());

        // A dead key and a letter, as the input method commits them.
        compose(box, QStringLiteral("\u00b4"), QStringLiteral("\u00e9"));
        compose(box, QStringLiteral("\u00a8"), QStringLiteral("\u00fc"));
        EXPECT_EQ(box->text(), kept);
        ASSERT_EQ(desk.messages.size(), 2u);
        for (const auto& m : desk.messages) {
            EXPECT_EQ(m.text, name ? frmMainKundali::OnlyCharactersMessage : frmMainKundali::OnlyNumbersMessage);
            EXPECT_EQ(m.icon, MsgIcon::Critical);
        }
        // Alt or Meta with a key no shortcut takes is a command, not typing:
        // nothing goes in and nothing is refused.
        desk.messages.clear();
        QTest::keyClick(box, Qt::Key_Q, Qt::AltModifier);
        QTest::keyClick(box, Qt::Key_5, Qt::AltModifier);
        QTest::keyClick(box, Qt::Key_Period, Qt::AltModifier);
        QTest::keyClick(box, Qt::Key_Return, Qt::AltModifier);
        QTest::keyClick(box, Qt::Key_Q, Qt::MetaModifier);
        EXPECT_EQ(box->text(), kept);
        EXPECT_TRUE(desk.messages.empty());
    }
    // The city boxes have no filter: the composed letter goes in.
    desk.messages.clear();
    compose(w.txtMCity, QStringLiteral("\u00b4"), QStringLiteral("\u00e9"));
    EXPECT_EQ(w.txtMCity->text(), QStringLiteral("\u00e9"));
    EXPECT_TRUE(desk.messages.empty());
}

TEST_F(KundaliInput, AltFStillOpensTheFileMenuFromAFilteredBox)
{
    frmMainKundali& w = shownInput();
    for (QLineEdit* box : {w.txtMName, w.txtFLoM}) {
        box->setFocus();
        desk.messages.clear();
        QTest::keyClick(box, Qt::Key_F, Qt::AltModifier);
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_EQ(popup, w.mnuFile) << box->objectName().toStdString();
        popup->close();
        EXPECT_TRUE(desk.messages.empty());
        EXPECT_TRUE(box->text().isEmpty());
    }
}

TEST_F(KundaliInput, EnterAndTheEditingShortcutsAreRefusedInTheFilteredBoxes)
{
    frmMainKundali& w = input();
    QApplication::clipboard()->setText(QStringLiteral("7"));
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    const Key keys[] = {{Qt::Key_Return, Qt::NoModifier}, {Qt::Key_C, Qt::ControlModifier},
                        {Qt::Key_V, Qt::ControlModifier}, {Qt::Key_X, Qt::ControlModifier},
                        {Qt::Key_Z, Qt::ControlModifier}};
    for (QLineEdit* box : {w.txtMName, w.txtMZoneHour, w.txtMZoneMinute, w.txtMLD, w.txtMLM, w.txtMLoD, w.txtMLoM,
                           w.txtFName, w.txtFZoneHour, w.txtFZoneMinute, w.txtFLD, w.txtFLM, w.txtFLoD, w.txtFLoM}) {
        const bool name = box == w.txtMName || box == w.txtFName;
        box->setText(name ? QStringLiteral("Ab") : QStringLiteral("1"));
        box->selectAll();
        desk.messages.clear();
        for (const Key& k : keys)
            QTest::keyClick(box, k.key, k.modifiers);
        EXPECT_EQ(box->text(), name ? QStringLiteral("Ab") : QStringLiteral("1")) << box->objectName().toStdString();
        ASSERT_EQ(desk.messages.size(), std::size(keys));
        for (const auto& m : desk.messages)
            EXPECT_EQ(m.text, name ? frmMainKundali::OnlyCharactersMessage : frmMainKundali::OnlyNumbersMessage);
    }
    // The city, state and country boxes have no filter.
    desk.messages.clear();
    QTest::keyClicks(w.txtMCity, QStringLiteral("St. John's 2"));
    EXPECT_EQ(w.txtMCity->text(), QStringLiteral("St. John's 2"));
    EXPECT_TRUE(desk.messages.empty());
}

TEST_F(KundaliInput, ZoneTextWrittenByTheProgramStaysButATypedMinusIsRefused)
{
    frmMainKundali& w = input();
    w.txtMZoneHour->setText(QStringLiteral("-5"));
    EXPECT_EQ(w.txtMZoneHour->text(), QStringLiteral("-5"));
    w.txtMZoneHour->clear();
    QTest::keyClick(w.txtMZoneHour, Qt::Key_Minus);
    EXPECT_TRUE(w.txtMZoneHour->text().isEmpty());
    EXPECT_EQ(lastMessage(), QStringLiteral("Please Enter Only Numbers"));
}

// ---- Validation -------------------------------------------------------------

TEST_F(KundaliInput, ValidationReportsTheFirstProblemInOrder)
{
    using Break = std::function<void(frmMainKundali&)>;
    auto empty = [](QLineEdit* frmMainKundali::*box) { return Break([box](frmMainKundali& w) { (w.*box)->clear(); }); };
    auto noDirection = [](QRadioButton* frmMainKundali::*a, QRadioButton* frmMainKundali::*b) {
        return Break([a, b](frmMainKundali& w) {
            for (QRadioButton* o : {w.*a, w.*b}) {
                o->setAutoExclusive(false);
                o->setChecked(false);
                o->setAutoExclusive(true);
            }
        });
    };
    auto date = [](bool boy, const char* day, const char* month, const char* year) {
        return Break([=](frmMainKundali& w) {
            pick(boy ? w.cboMDate : w.cboFDate, day);
            pick(boy ? w.cboMMonth : w.cboFMonth, month);
            pick(boy ? w.cboMYear : w.cboFYear, year);
        });
    };
    using W = frmMainKundali;
    struct Case {
        Break breakIt;
        const char* message;
        MsgIcon icon;
        std::function<QWidget*(W&)> focus;     // the control that gets the focus
        QRadioButton* W::*selected = nullptr;  // the option that becomes selected
    };
    const MsgIcon C = MsgIcon::Critical, I = MsgIcon::Information;
    auto box = [](QLineEdit* W::*b) { return std::function<QWidget*(W&)>([b](W& w) { return w.*b; }); };
    const Case cases[] = {
        {empty(&W::txtMName), "Please Enter Your Name", C, box(&W::txtMName)},
        {empty(&W::txtMZoneHour), "Please Enter Your Hour Of Time Zone", C, box(&W::txtMZoneHour)},
        {empty(&W::txtMZoneMinute), "Please Enter Your Minute Of Time Zone", C, box(&W::txtMZoneMinute)},
        {empty(&W::txtMLD), "Please Enter Degree in Latitude", C, box(&W::txtMLD)},
        {empty(&W::txtMLM), "Please Enter Minutes in Latitude", C, box(&W::txtMLM)},
        {empty(&W::txtMLoD), "Please Enter Degree in Longitude", C, box(&W::txtMLoD)},
        {empty(&W::txtMLoM), "Please Enter Minute in Longitude", C, box(&W::txtMLoM)},
        {empty(&W::txtMCity), "Please Enter City", C, box(&W::txtMCity)},
        {empty(&W::txtMState), "Please Enter State", C, box(&W::txtMState)},
        {empty(&W::txtMCountry), "Please Enter Country", C, box(&W::txtMCountry)},
        {noDirection(&W::optMNorth, &W::optMSouth), "Please Select Direction For The Latitude", C, nullptr,
         &W::optMNorth},
        {noDirection(&W::optMEast, &W::optMWest), "Please Select Direction For The Longitude", C, nullptr,
         &W::optMEast},
        {empty(&W::txtFName), "Please Enter Your Partner's Name", C, box(&W::txtFName)},
        {empty(&W::txtFZoneHour), "Please Enter Your Partner's Hour Of Time Zone", C, box(&W::txtFZoneHour)},
        {empty(&W::txtFZoneMinute), "Please Enter Your Partner's Minute Of Time Zone", C, box(&W::txtFZoneMinute)},
        {empty(&W::txtFLD), "Please Enter Degree in Latitude", C, box(&W::txtFLD)},
        {empty(&W::txtFLM), "Please Enter Minutes in Latitude", C, box(&W::txtFLM)},
        {empty(&W::txtFLoD), "Please Enter Degree in Longitude", C, box(&W::txtFLoD)},
        {empty(&W::txtFLoM), "Please Enter Minutes in Longitude", C, box(&W::txtFLoM)},
        {empty(&W::txtFCity), "Please Enter City", C, box(&W::txtFCity)},
        {empty(&W::txtFState), "Please Enter State", C, box(&W::txtFState)},
        {empty(&W::txtFCountry), "Please Enter Country", C, box(&W::txtFCountry)},
        {noDirection(&W::optFNorth, &W::optFSouth), "Please Select Direction For The Latitude", C, nullptr,
         &W::optFNorth},
        {noDirection(&W::optFEast, &W::optFWest), "Please Select Direction For The Longitude", C, nullptr,
         &W::optFEast},
        {date(true, "29", "February", "1901"), "Please Enter Your Correct Date Or Month!", I, {}},
        {date(true, "31", "April", "1990"), "Please Enter Your Correct Date Or Month !", I, {}},
        {date(false, "30", "February", "2000"), "Please Enter Your Partner's Correct Date Or Month!", I, {}},
        {date(false, "31", "November", "1990"), "Please Enter Your Partner's Correct Date Or Month !", I, {}},
    };
    constexpr int n = static_cast<int>(std::size(cases));
    for (int k = 0; k < n; ++k) {
        frmMainKundali& w = shownInput();
        fillBoy(w, asha());
        fillGirl(w, ben());
        // Every later problem is there too; this one is made last, so it wins
        // over a later one on the same list.
        for (int j = n - 1; j >= k; --j)
            cases[j].breakIt(w);
        w.cboFSS->setFocus();
        desk.messages.clear();
        EXPECT_FALSE(w.ValidateKundaliInput()) << k;
        ASSERT_EQ(desk.messages.size(), 1u) << k;
        EXPECT_EQ(desk.messages[0].text, QString::fromLatin1(cases[k].message)) << k;
        EXPECT_EQ(desk.messages[0].icon, cases[k].icon) << k;
        EXPECT_EQ(desk.messages[0].title, QStringLiteral("Vorlaine Love Test")) << k;
        QWidget* expectedFocus = cases[k].focus ? cases[k].focus(w) : w.cboFSS;
        EXPECT_EQ(focused(w), expectedFocus) << k;
        if (cases[k].selected) {
            EXPECT_TRUE((w.*cases[k].selected)->isChecked()) << k;
        }
    }
}

TEST_F(KundaliInput, ValidationPassesWhatItDoesNotTest)
{
    struct Case {
        const char* name;
        std::function<void(frmMainKundali&)> change;
    };
    const Case cases[] = {
        {"29 February 1900 and 2000", [](frmMainKundali& w) {
             pick(w.cboMDate, "29");
             pick(w.cboMMonth, "February");
             pick(w.cboMYear, "1900");
             pick(w.cboFDate, "29");
             pick(w.cboFMonth, "February");
             pick(w.cboFYear, "2000");
         }},
        {"31 May and 30 April", [](frmMainKundali& w) {
             pick(w.cboMDate, "31");
             pick(w.cboMMonth, "May");
             pick(w.cboFDate, "30");
             pick(w.cboFMonth, "April");
         }},
        {"blank names", [](frmMainKundali& w) {
             w.txtMName->setText("  ");
             w.txtFName->setText(" ");
         }},
        {"degrees and minutes 999", [](frmMainKundali& w) {
             for (QLineEdit* b : {w.txtMLD, w.txtMLM, w.txtMLoD, w.txtMLoM, w.txtFLD, w.txtFLM})
                 b->setText("999");
         }},
        {"zone 0 and 0", [](frmMainKundali& w) {
             w.txtMZoneHour->setText("0");
             w.txtMZoneMinute->setText("0");
         }},
        {"south and west", [](frmMainKundali& w) {
             w.optMSouth->setChecked(true);
             w.optFWest->setChecked(true);
         }},
    };
    for (const Case& c : cases) {
        frmMainKundali& w = input();
        fillBoy(w, asha());
        fillGirl(w, ben());
        c.change(w);
        desk.messages.clear();
        EXPECT_TRUE(w.ValidateKundaliInput()) << c.name;
        EXPECT_TRUE(desk.messages.empty()) << c.name;
    }
    // An empty minutes box fails even beside hours "0".
    frmMainKundali& w = input();
    fillBoy(w, asha());
    fillGirl(w, ben());
    w.txtMZoneHour->setText("0");
    w.txtMZoneMinute->clear();
    EXPECT_FALSE(w.ValidateKundaliInput());
    EXPECT_EQ(lastMessage(), QStringLiteral("Please Enter Your Minute Of Time Zone"));
}

TEST_F(KundaliInput, ALoadedReadingSkipsTheChecks)
{
    frmMainKundali& w = input();
    vc::state().ReadingLoadedFromFile = true;
    EXPECT_TRUE(w.ValidateKundaliInput());
    EXPECT_TRUE(desk.messages.empty());
}

TEST_F(KundaliInput, MatchOnAFreshWindowStopsAtTheNameAndChangesNothing)
{
    frmMainKundali& w = shownInput();
    w.cboFSS->setFocus();
    QTest::mouseClick(w.cmdCalculate, Qt::LeftButton);
    ASSERT_EQ(desk.messages.size(), 1u);
    EXPECT_EQ(desk.messages[0].text, QStringLiteral("Please Enter Your Name"));
    EXPECT_EQ(desk.messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(focused(w), w.txtMName);
    EXPECT_TRUE(forms::isLoaded<frmMainKundali>());
    EXPECT_FALSE(forms::isLoaded<frmVedicResult>());
    EXPECT_FALSE(WelcomePanelVisible());

    // A wrong date of the boy waits until the girl's fields are filled.
    fillBoy(w, asha());
    pick(w.cboMDate, "31");
    pick(w.cboMMonth, "June");
    QTest::mouseClick(w.cmdCalculate, Qt::LeftButton);
    EXPECT_EQ(lastMessage(), QStringLiteral("Please Enter Your Partner's Name"));
    EXPECT_EQ(focused(w), w.txtFName);
    EXPECT_EQ(vc::state().Boy.Name, "");
    EXPECT_EQ(vc::state().BoyMoonSign, "");
    EXPECT_FALSE(forms::isLoaded<frmVedicResult>());
}

// ---- The calculation ----------------------------------------------------------

TEST_F(KundaliInput, MatchRunsTheEngineForBothAndFillsTheScoreTable)
{
    frmMainKundali& w = input();
    Birth boy = asha();
    boy.name = "  Asha Rao ";
    boy.city = " Varanasi";
    fillBoy(w, boy);
    fillGirl(w, ben());
    QTest::mouseClick(w.cmdCalculate, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(desk.messages.empty());

    const auto& s = vc::state();
    // The engine's moons, as its own checks give them for these moments.
    EXPECT_EQ(s.BoyMoonSign, "Libra");
    EXPECT_EQ(s.BoyNakshatra, "Swati");
    EXPECT_EQ(s.GirlMoonSign, "Sagittarius");
    EXPECT_EQ(s.GirlNakshatra, "Moola");
    EXPECT_FALSE(s.ReadingLoadedFromFile);

    EXPECT_EQ(s.Boy.Name, "Asha Rao");
    EXPECT_EQ(s.Boy.BirthDay, "1");
    EXPECT_EQ(s.Boy.BirthMonth, "January");
    EXPECT_EQ(s.Boy.BirthYear, "2000");
    EXPECT_EQ(s.Boy.BirthHour, 17);
    EXPECT_EQ(s.Boy.BirthMinute, 30);
    EXPECT_EQ(s.Boy.BirthSecond, 15);
    EXPECT_EQ(s.Boy.BirthPlace, "Varanasi, Uttar Pradesh, India");
    EXPECT_EQ(s.Girl.Name, "Ben");
    EXPECT_EQ(s.Girl.BirthYear, "1900");
    EXPECT_EQ(s.Girl.BirthPlace, "Greenwich, London, United Kingdom");

    // The girl's run was the last one into the engine's record.
    const engine::BirthRecord& b = engine::modEphemeris().BirthData;
    const int record[] = {b.Month, b.Day, b.Year, b.Hour, b.Minute, b.ZoneHours, b.ZoneMinutes,
                          b.LongitudeDegrees, b.LongitudeMinutes, b.LatitudeDegrees, b.LatitudeMinutes,
                          b.IsEast, b.IsSouth, b.IsDaylightSaving};
    const int expected[] = {1, 1, 1900, 0, 0, 0, 0, 0, 0, 51, 28, -1, 0, 0};
    EXPECT_TRUE(std::equal(std::begin(record), std::end(record), std::begin(expected)));

    ASSERT_TRUE(forms::isLoaded<frmVedicResult>());
    frmVedicResult& r = forms::get<frmVedicResult>();
    const char* cells[44] = {
        "Sudra", "Kshatriya", "1", "1", "Work",
        "Nara", "Chatushpada", "2", "0.5", "Control",
        "Swati", "Moola", "3", "1.5", "Destiny",
        "Swati", "Moola", "4", "1.5", "Mental Awareness",
        "Libra", "Sagittarius", "5", "1", "Compatibility",
        "Deva", "Rakshasa", "6", "3", "Temperament",
        "Libra", "Sagittarius", "7", "7", "Love",
        "Sleshma/Anthya", "Vatha/Adi", "8", "6", "Health",
        // 1 + 0 + 2 + 2 + 1 + 3 + 7 + 6: each half rounded to the even neighbour.
        "36", "22", "This is a Good Match", "You Have Obtained 22 Points Out Of 36 Points"};
    for (int i = 0; i < 44; ++i) {
        EXPECT_EQ(r.lblVarna[static_cast<std::size_t>(i)]->text(), QString::fromLatin1(cells[i])) << i;
        EXPECT_EQ(s.KutaScoreTable[static_cast<std::size_t>(i)], cells[i]) << i;
    }
    EXPECT_EQ(s.KutaTotal, 22);
    EXPECT_EQ(s.KutaSignificance[0].empty(), false);

    // Each person's pages, boy first, with their pictures; the interpretation
    // is the match report without its footers.
    EXPECT_EQ(r.txtMEnglishName->Text(), QStringLiteral("Libra"));
    EXPECT_EQ(r.txtFEnglishName->Text(), QStringLiteral("Sagittarius"));
    EXPECT_EQ(r.lblNMNakshatra->text(), QStringLiteral("Swati"));
    EXPECT_EQ(r.lblNFNakshatra->text(), QStringLiteral("Moola"));
    for (QLabel* pic : {r.picMRashi, r.picFRashi, r.picMNakshatra, r.picFNakshatra})
        EXPECT_FALSE(pic->pixmap().isNull());
    EXPECT_TRUE(r.RTB->Text().contains(QStringLiteral("This is a Good Match")));
    EXPECT_FALSE(r.RTB->Text().contains(QStringLiteral("Report Generated By")));

    EXPECT_FALSE(r.frame()->isHidden());
    EXPECT_FALSE(forms::isLoaded<frmMainKundali>());
    EXPECT_FALSE(WelcomePanelVisible());
}

TEST_F(KundaliInput, ZoneSignDirectionsAndDaylightSavingReachTheEngine)
{
    frmMainKundali& w = input();
    fillBoy(w, ben());
    Birth girl = asha();
    girl.south = true;
    fillGirl(w, girl);
    w.chkFDST->setTristate(true);
    w.chkFDST->setCheckState(Qt::PartiallyChecked); // greyed counts as set
    w.mnuCalculate->trigger();
    const engine::BirthRecord& b = engine::modEphemeris().BirthData;
    const int record[] = {b.Month, b.Day, b.Year, b.Hour, b.Minute, b.ZoneHours, b.ZoneMinutes,
                          b.LongitudeDegrees, b.LongitudeMinutes, b.LatitudeDegrees, b.LatitudeMinutes,
                          b.IsEast, b.IsSouth, b.IsDaylightSaving};
    // "-5" reaches the engine as 5: the side of the longitude gives the direction.
    const int expected[] = {1, 1, 2000, 17, 30, 5, 30, 82, 30, 25, 0, -1, -1, -1};
    for (std::size_t i = 0; i < std::size(record); ++i)
        EXPECT_EQ(record[i], expected[i]) << i;
    EXPECT_EQ(vc::state().BoyMoonSign, "Sagittarius");
    EXPECT_EQ(vc::state().GirlNakshatra.empty(), false);
}

TEST_F(KundaliInput, PastedTextThatIsNoNumberLeavesItsFieldAsItWas)
{
    frmMainKundali& w = input();
    fillBoy(w, asha());
    fillGirl(w, ben());
    // Pasting with Shift+Insert passes the key filter, as a context-menu paste does.
    QApplication::clipboard()->setText(QStringLiteral("4x"));
    w.txtFLD->clear();
    QTest::keyClick(w.txtFLD, Qt::Key_Insert, Qt::ShiftModifier);
    ASSERT_EQ(w.txtFLD->text(), QStringLiteral("4x"));
    w.txtFZoneHour->setText(QStringLiteral("--"));
    w.txtFLoM->setText(QStringLiteral("1e"));
    QTest::mouseClick(w.cmdCalculate, Qt::LeftButton);
    EXPECT_TRUE(desk.messages.empty());
    const engine::BirthRecord& b = engine::modEphemeris().BirthData;
    EXPECT_EQ(b.LatitudeDegrees, 25);  // still the boy's
    EXPECT_EQ(b.ZoneHours, 5);         // still the boy's
    EXPECT_EQ(b.LongitudeMinutes, 30); // still the boy's
    EXPECT_EQ(b.Year, 1900);           // the girl's own
    EXPECT_EQ(vc::state().GirlNakshatra, "Moola");
    EXPECT_TRUE(forms::isLoaded<frmVedicResult>());
}

TEST(KundaliInputNumbers, BoxTextsAsWholeNumbers)
{
    using kundaliinput::AbsoluteWholeNumber16;
    using kundaliinput::WholeNumber16;
    struct Case {
        const char* text;
        std::optional<int> value, absolute;
    };
    const Case cases[] = {
        {"12", 12, 12},     {" 7 ", 7, 7},      {"-10", -10, 10},   {"+3", 3, 3},
        {"1.5", 2, 2},      {"2.5", 2, 2},      {"-2.5", -2, 2},    {".5", 0, 0},
        {"0", 0, 0},        {"32767", 32767, 32767}, {"-32768", -32768, std::nullopt},
        {"32768", std::nullopt, std::nullopt}, {"", std::nullopt, std::nullopt},
        {"abc", std::nullopt, std::nullopt},   {"4x", std::nullopt, std::nullopt},
        {"-", std::nullopt, std::nullopt},     {"1e2", std::nullopt, std::nullopt},
        {"1 2", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto v = WholeNumber16(c.text);
        const auto a = AbsoluteWholeNumber16(c.text);
        EXPECT_EQ(v.has_value(), c.value.has_value()) << c.text;
        if (v && c.value) {
            EXPECT_EQ(*v, *c.value) << c.text;
        }
        EXPECT_EQ(a.has_value(), c.absolute.has_value()) << c.text;
        if (a && c.absolute) {
            EXPECT_EQ(*a, *c.absolute) << c.text;
        }
    }
    EXPECT_EQ(kundaliinput::WholeNumber32("40000"), 40000);
}

TEST(KundaliInputNumbers, RashiTextsBecomeEnglishSignNames)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Aries (Mesha)", "Aries"},         {"Taurus (Vrishabha)", "Taurus"}, {"Gemini (Mithuna)", "Gemini"},
        {"Cancer (Kataka)", "Cancer"},      {"Leo (Simha)", "Leo"},           {"Virgo (Kanya)", "Virgo"},
        {"Libra (Thula)", "Libra"},         {"Scorpio (Vrishcika)", "Scorpio"},
        {"Sagittarius (Dhanush)", "Sagittarius"}, {"Capricorn (Makara)", "Capricorn"},
        {"Aquarius (Kumbha)", "Aquarius"},  {"Pisces (Meena)", "Pisces"},
        // Texts that match no code stay as they are.
        {"", ""},                           {"leo (Simha)", "leo (Simha)"},   {"Le", "Le"},
    };
    for (const auto& [from, to] : cases) {
        std::string text = from;
        kundaliinput::ToEnglishSignName(text);
        EXPECT_EQ(text, to) << from;
    }
}

// ---- Place search -----------------------------------------------------------

TEST_F(KundaliInput, PlaceSearchChecksThePlaceThenOpensOneSearch)
{
    frmMainKundali& w = shownInput();
    struct Person {
        QPushButton* button;
        QLineEdit *city, *state, *country;
    };
    const Person people[] = {{w.cmdMaleBrowse, w.txtMCity, w.txtMState, w.txtMCountry},
                             {w.cmdFemaleBrowse, w.txtFCity, w.txtFState, w.txtFCountry}};
    for (const Person& p : people) {
        desk.messages.clear();
        desk.openedUrls.clear();
        w.txtMLD->setText("25");
        p.state->setText("Maharashtra");
        p.country->setText("India");
        QTest::mouseClick(p.button, Qt::LeftButton);
        EXPECT_EQ(focused(w), p.city);
        p.city->setText(" Pune");
        p.state->clear();
        QTest::mouseClick(p.button, Qt::LeftButton);
        EXPECT_EQ(focused(w), p.state);
        p.state->setText("Maharashtra");
        p.country->clear();
        QTest::mouseClick(p.button, Qt::LeftButton);
        EXPECT_EQ(focused(w), p.country);
        ASSERT_EQ(desk.messages.size(), 3u);
        EXPECT_EQ(desk.messages[0].text, QStringLiteral("Please Enter City"));
        EXPECT_EQ(desk.messages[1].text, QStringLiteral("Please Enter State"));
        EXPECT_EQ(desk.messages[2].text, QStringLiteral("Please Enter Country"));
        for (const auto& m : desk.messages)
            EXPECT_EQ(m.icon, MsgIcon::Critical);
        EXPECT_TRUE(desk.openedUrls.isEmpty());

        p.country->setText("India");
        QTest::mouseClick(p.button, Qt::LeftButton);
        ASSERT_EQ(desk.openedUrls.size(), 1);
        // The texts as typed, blanks included, URL-encoded.
        EXPECT_EQ(desk.openedUrls[0],
                  QStringLiteral("https://www.openstreetmap.org/search?query=%20Pune%20Maharashtra%20India%20Latitude"
                                 "%20Longitude"));
        EXPECT_EQ(desk.openedUrls[0], LatLongLookup::SearchAddress(" Pune Maharashtra India Latitude Longitude"));
        EXPECT_EQ(desk.messages.size(), 3u);
        EXPECT_EQ(w.txtMLD->text(), QStringLiteral("25"));
        EXPECT_TRUE(w.txtMZoneHour->text().isEmpty());
        EXPECT_TRUE(w.optMNorth->isChecked());
    }
}
