#include "ControlLook.h"
#include "ElidingLabel.h"
#include "LineBox.h"
#include "TextBox.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

const QString Long = QStringLiteral("Bartholomew Featherstonehaugh-Montgomery");

TEST(ElidingLabel, AShortTextIsShownWholeWithoutATip)
{
    ElidingLabel l;
    l.resize(400, 20);
    l.setText(QStringLiteral("Asha"));
    EXPECT_FALSE(l.Shortened());
    EXPECT_EQ(l.ShownText(), QStringLiteral("Asha"));
    EXPECT_TRUE(l.toolTip().isEmpty());
}

TEST(ElidingLabel, ALongTextIsShortenedWithAnEllipsisAndWholeInItsTip)
{
    ElidingLabel l;
    l.resize(80, 20);
    l.show(); // resizes reach a shown label at once
    l.setText(Long);
    EXPECT_TRUE(l.Shortened());
    EXPECT_TRUE(l.ShownText().endsWith(QChar(0x2026)));
    EXPECT_LE(l.fontMetrics().horizontalAdvance(l.ShownText()), 80);
    EXPECT_EQ(l.text(), Long); // the label keeps what it was given
    EXPECT_EQ(l.toolTip(), Long);
    // Made wide enough, it shows the whole text and drops the tip.
    l.resize(l.fontMetrics().horizontalAdvance(Long) + 10, 20);
    EXPECT_FALSE(l.Shortened());
    EXPECT_TRUE(l.toolTip().isEmpty());
}

TEST(ElidingLabel, AWrappedLabelFillsItsLinesBeforeShortening)
{
    ElidingLabel l;
    l.setWordWrap(true);
    const int line = l.fontMetrics().lineSpacing();
    l.resize(l.fontMetrics().horizontalAdvance(QStringLiteral("Featherstonehaugh-")) + 4, 2 * line + 2);
    l.setText(QStringLiteral("Ann Lee"));
    EXPECT_FALSE(l.Shortened());
    l.setText(Long);
    // Two lines: the first whole, the second shortened.
    const QStringList lines = l.ShownText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QStringLiteral("Bartholomew"));
    EXPECT_TRUE(lines[1].endsWith(QChar(0x2026)));
    EXPECT_EQ(l.toolTip(), Long);
    // One long word is broken rather than drawn past the edge.
    l.setText(QString(60, QLatin1Char('W')));
    for (const QString& shown : l.ShownText().split(QLatin1Char('\n')))
        EXPECT_LE(l.fontMetrics().horizontalAdvance(shown), l.contentsRect().width());
}

TEST(TextBox, ShowWholeLinesShortensToTheLinesTheHeightHolds)
{
    QWidget window;
    TextBox box(&window, true);
    const int three = box.HeightForLines(3);
    for (int extra : {0, 1, box.fontMetrics().lineSpacing() - 1}) {
        box.setGeometry(0, 0, 200, three + extra);
        box.ShowWholeLines();
        EXPECT_EQ(box.height(), three) << extra;
    }
    // Never less than one line.
    box.setGeometry(0, 0, 200, 4);
    box.ShowWholeLines();
    EXPECT_EQ(box.height(), box.HeightForLines(1));
}

// A shown box of whole lines scrolls no further than its last line: a text
// that fits does not scroll at all, and a longer one stops with its last
// line at the bottom, wheel or keys.
TEST(TextBox, AWholeLinesBoxScrollsNoFurtherThanItsLastLine)
{
    QWidget window;
    window.resize(300, 200);
    TextBox box(&window, true);
    box.setGeometry(0, 0, 240, box.HeightForLines(3));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QScrollBar* bar = box.verticalScrollBar();
    const struct {
        QStringList lines;
        int last; // the furthest first line
    } cases[] = {
        {{QStringLiteral("one")}, 0},
        {{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")}, 0},
        {{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three"), QStringLiteral("four"),
          QStringLiteral("five")},
         2},
    };
    for (const auto& c : cases) {
        box.setText(c.lines.join(QLatin1Char('\n')));
        QCoreApplication::processEvents();
        EXPECT_EQ(bar->maximum(), c.last) << c.lines.size();
        for (int i = 0; i < 4; ++i) {
            QWheelEvent wheel(QPointF(20, 10), box.viewport()->mapToGlobal(QPointF(20, 10)), {}, QPoint(0, -120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(box.viewport(), &wheel);
        }
        QTest::keyClick(&box, Qt::Key_End, Qt::ControlModifier);
        EXPECT_EQ(bar->value(), c.last) << c.lines.size();
        // The last line is whole at the bottom.
        const QRectF last = box.cursorRect(box.textCursor());
        EXPECT_LE(last.bottom(), box.viewport()->height()) << c.lines.size();
    }
}

TEST(TextBox, TheWholeTextTipFollowsTheTextAndTheWidth)
{
    QWidget window;
    TextBox box(&window);
    box.setGeometry(0, 0, 60, box.HeightForLines(1));
    window.show(); // resizes reach a shown box at once
    box.setText(Long);
    EXPECT_TRUE(box.toolTip().isEmpty()); // only where the window asks for it
    EXPECT_EQ(box.ShownText(), Long);
    box.setWholeTextTip(true);
    EXPECT_EQ(box.toolTip(), Long);
    box.setText(QStringLiteral("Leo"));
    EXPECT_TRUE(box.toolTip().isEmpty());
    box.setText(Long);
    box.resize(box.fontMetrics().horizontalAdvance(Long) + 20, box.height());
    EXPECT_TRUE(box.TextFits());
    EXPECT_TRUE(box.toolTip().isEmpty());
    EXPECT_EQ(box.ShownText(), Long);
}

// A box too narrow for its text draws it shortened with an ellipsis, as a
// box of the same size holding just that shortened text draws it; it still
// gives back the whole text.
TEST(TextBox, ATextWiderThanItsTipBoxIsDrawnWithAnEllipsis)
{
    QWidget window;
    TextBox cut(&window), plain(&window);
    for (TextBox* b : {&cut, &plain})
        b->setGeometry(0, 0, 90, b->HeightForLines(1));
    plain.move(0, 40);
    window.resize(100, 80);
    window.show();
    cut.setWholeTextTip(true);
    cut.setText(Long);
    const QString shown = cut.ShownText();
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_TRUE(Long.startsWith(shown.chopped(1)));
    EXPECT_EQ(cut.Text(), Long);
    EXPECT_EQ(cut.toolTip(), Long);
    plain.setText(shown);
    EXPECT_TRUE(plain.TextFits());
    EXPECT_EQ(cut.grab().toImage(), plain.grab().toImage());
    // The plain box never shortens: its own text is what it draws.
    plain.setText(Long);
    EXPECT_EQ(plain.ShownText(), Long);
    EXPECT_NE(cut.grab().toImage(), plain.grab().toImage());
    // A selection dragged with the mouse shows: the box draws its own text
    // then.
    for (TextBox* b : {&cut, &plain}) {
        QWidget* v = b->viewport();
        QTest::mousePress(v, Qt::LeftButton, {}, QPoint(3, v->height() / 2));
        QTest::mouseMove(v, QPoint(v->width() / 2, v->height() / 2));
        QTest::mouseRelease(v, Qt::LeftButton, {}, QPoint(v->width() / 2, v->height() / 2));
        ASSERT_TRUE(b->textCursor().hasSelection());
    }
    EXPECT_EQ(cut.grab().toImage(), plain.grab().toImage());
}

// A box not on screen lays its text out only when it is shown; what it holds
// reads the same before and after, line breaks of every kind included.
TEST(TextBox, AHiddenBoxGivesTheSameTextBeforeAndAfterItIsShown)
{
    const QString texts[] = {QStringLiteral("Leo"),
                             QStringLiteral("First paragraph.\r\n\r\nSecond."),
                             QStringLiteral("a\rb\r\r\nc\n\rd"),
                             QStringLiteral("a") + QChar(QChar::ParagraphSeparator) + QStringLiteral("b") +
                                 QChar(QChar::LineSeparator) + QStringLiteral("c\td"),
                             QString()};
    for (const QString& text : texts) {
        QWidget window;
        QWidget page(&window);
        auto* box = new TextBox(&page, true);
        box->setGeometry(0, 0, 200, box->HeightForLines(3));
        window.show();
        page.hide();
        box->setText(QStringLiteral("replaced"));
        box->setText(text);
        EXPECT_TRUE(box->document()->isEmpty()) << "laid out while hidden";
        const QString before = box->Text();
        page.show();
        EXPECT_EQ(box->toPlainText(), before);
        EXPECT_EQ(box->Text(), before);
        // Once shown, a new text is laid out at once.
        box->setText(QStringLiteral("Aries"));
        EXPECT_EQ(box->toPlainText(), QStringLiteral("Aries"));
    }
}

// A one-line value shows the same in a LineBox as in a one-line TextBox:
// same frame, same place for the text, its start shown however long.
TEST(LineBox, LooksLikeAOneLineTextBox)
{
    QWidget window;
    window.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    TextBox prose(&window);
    LineBox line(&window);
    for (QWidget* w : {static_cast<QWidget*>(&prose), static_cast<QWidget*>(&line)})
        setTextBoxLook(w);
    EXPECT_EQ(line.OneLineHeight(), prose.HeightForLines(1));
    prose.setGeometry(0, 0, 160, 22);
    line.setGeometry(0, 30, 160, 22);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (const QString& text : {QStringLiteral("Jupiter"), QStringLiteral("Fire, Water, Wood, Metal and Earth in turn")}) {
        prose.setText(text);
        line.setText(text);
        EXPECT_EQ(line.Text(), text);
        EXPECT_EQ(BoxText(&line), text);
        EXPECT_EQ(BoxText(&prose), text);
        const QImage a = prose.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage b = line.grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(a, b) << text.toStdString();
    }
}

// Tabbed into, a LineBox selects nothing and shows its text from the start,
// as a TextBox does; the user can still select in it.
TEST(LineBox, TakingTheFocusByAKeySelectsNothing)
{
    QWidget window;
    QPushButton before(QStringLiteral("Before"), &window);
    LineBox line(&window);
    before.setGeometry(0, 0, 80, 24);
    line.setGeometry(0, 30, 60, 22);
    line.setText(QStringLiteral("Fire, Water, Wood, Metal and Earth in turn"));
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
        before.setFocus();
        QTest::keyClick(&before, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        ASSERT_TRUE(line.hasFocus()) << key;
        EXPECT_FALSE(line.hasSelectedText()) << key;
        EXPECT_EQ(line.cursorPosition(), 0) << key;
    }
    QTest::keyClick(&line, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(line.selectedText().toStdString(), line.Text().toStdString());
}

} // namespace
