#include "TextFit.h"

#include "ElidingLabel.h"
#include "TextBox.h"

#include <QComboBox>
#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

// The window check finds each kind of cut text, and passes the same
// controls once they are mended.
namespace {

bool mentions(const QStringList& cut, const QString& text)
{
    for (const QString& line : cut)
        if (line.contains(text))
            return true;
    return false;
}

TEST(TextFitCheck, FindsALabelTooNarrowAndPassesItWidened)
{
    QWidget window;
    auto* l = new QLabel(QStringLiteral("An Ear /An Arrow / Three Footprints"), &window);
    l->setGeometry(0, 0, 100, 20);
    EXPECT_TRUE(mentions(TextsCutByTheirBoxes(&window), QStringLiteral("Three Footprints")));
    l->resize(l->sizeHint().width(), 20);
    EXPECT_EQ(TextsCutByTheirBoxes(&window), QStringList());
}

TEST(TextFitCheck, FindsAListEntryWiderThanItsBox)
{
    QWidget window;
    auto* c = new QComboBox(&window);
    c->addItems({QStringLiteral("May"), QStringLiteral("September")});
    c->setGeometry(0, 0, 70, 24);
    const QStringList cut = TextsCutByTheirBoxes(&window);
    EXPECT_TRUE(mentions(cut, QStringLiteral("September")));
    EXPECT_FALSE(mentions(cut, QStringLiteral("\"May\"")));
    c->resize(c->sizeHint().width() + 10, 24);
    EXPECT_EQ(TextsCutByTheirBoxes(&window), QStringList());
}

TEST(TextFitCheck, FindsAWrappedLabelTallerThanItsBox)
{
    QWidget window;
    auto* l = new QLabel(QStringLiteral("One two three four five six seven eight nine ten"), &window);
    l->setWordWrap(true);
    l->setGeometry(0, 0, 80, 20);
    EXPECT_TRUE(mentions(TextsCutByTheirBoxes(&window), QStringLiteral("taller than its box")));
    l->resize(80, l->heightForWidth(80));
    EXPECT_EQ(TextsCutByTheirBoxes(&window), QStringList());
}

TEST(TextFitCheck, FindsAProseBoxShowingPartOfALine)
{
    QWidget window;
    auto* box = new TextBox(&window, true);
    box->setGeometry(0, 0, 200, box->HeightForLines(3) + box->fontMetrics().lineSpacing() / 2);
    EXPECT_TRUE(mentions(TextsCutByTheirBoxes(&window), QStringLiteral("part of a line")));
    box->ShowWholeLines();
    EXPECT_EQ(box->height(), box->HeightForLines(3));
    EXPECT_EQ(TextsCutByTheirBoxes(&window), QStringList());
}

TEST(TextFitCheck, AOneLineBoxIsCutUnlessItShowsItsTextShortenedWithATip)
{
    QWidget window;
    auto* box = new TextBox(&window);
    box->setGeometry(0, 0, 60, box->HeightForLines(1));
    box->setText(QStringLiteral("An Ear /An Arrow / Three Footprints"));
    EXPECT_TRUE(mentions(TextsCutByTheirBoxes(&window), QStringLiteral("wider than its box")));
    box->setWholeTextTip(true);
    EXPECT_EQ(box->toolTip(), box->Text());
    EXPECT_TRUE(box->ShownText().endsWith(QChar(0x2026)));
    EXPECT_EQ(TextsCutByTheirBoxes(&window), QStringList());
    // A tip taken away is found.
    box->setToolTip(QString());
    EXPECT_TRUE(mentions(TextsCutByTheirBoxes(&window), QStringLiteral("tool tip")));
}

TEST(TextFitCheck, AShortenedLabelMustCarryItsWholeText)
{
    QWidget window;
    auto* l = new ElidingLabel(&window);
    l->setGeometry(0, 0, 60, 20);
    l->setText(QStringLiteral("Bartholomew Featherstonehaugh"));
    EXPECT_EQ(TextsCutByTheirBoxes(&window), QStringList());
    // A tip taken away (or never set) is found.
    l->setToolTip(QString());
    EXPECT_TRUE(mentions(TextsCutByTheirBoxes(&window), QStringLiteral("tool tip")));
}

} // namespace
