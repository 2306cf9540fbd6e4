#include "modRTB.h"

#include "FakeDesktop.h"
#include "RichTextBox.h"

#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class LinkHook : public ::testing::Test {
protected:
    void SetUp() override { box = makeBox(); }
    void TearDown() override
    {
        UnhookRichTextLinks(box.get());
        if (second)
            UnhookRichTextLinks(second.get());
    }

    static std::unique_ptr<RichTextBox> makeBox()
    {
        auto b = std::make_unique<RichTextBox>();
        b->resize(600, 300);
        b->show();
        return b;
    }

    // The point on screen of the character at pos.
    static QPoint pointAt(RichTextBox& b, int pos)
    {
        QTextCursor c(b.document());
        c.setPosition(pos);
        return b.cursorRect(c).center() + QPoint(2, 0);
    }

    static void send(RichTextBox& b, QEvent::Type type, Qt::MouseButton button, QPoint at)
    {
        QMouseEvent e(type, at, b.viewport()->mapToGlobal(at), button,
                      type == QEvent::MouseMove ? Qt::NoButton : button, Qt::NoModifier);
        QCoreApplication::sendEvent(b.viewport(), &e);
    }

    FakeDesktop desk;
    std::unique_ptr<RichTextBox> box;
    std::unique_ptr<RichTextBox> second;
    QWidget parent;
};

const QString Report = QStringLiteral("Visit https://www.vorlaine.example/page for more.");
constexpr int LinkPos = 10; // inside the address

} // namespace

TEST_F(LinkHook, LeftClickOpensTheAddressOnceAndStillReachesTheBox)
{
    box->setText(Report);
    HookRichTextLinks(box.get(), &parent);
    box->setSelStart(0);
    send(*box, QEvent::MouseButtonPress, Qt::LeftButton, pointAt(*box, LinkPos));
    send(*box, QEvent::MouseButtonRelease, Qt::LeftButton, pointAt(*box, LinkPos));
    EXPECT_EQ(desk.openedUrls, QStringList{QStringLiteral("https://www.vorlaine.example/page")});
    // The box moved its insertion point to the click, as for any click.
    EXPECT_GT(box->textCursor().position(), 5);
}

TEST_F(LinkHook, MovingOverOrRightClickingOpensNothing)
{
    box->setText(Report);
    HookRichTextLinks(box.get(), &parent);
    send(*box, QEvent::MouseMove, Qt::NoButton, pointAt(*box, LinkPos));
    send(*box, QEvent::MouseButtonPress, Qt::RightButton, pointAt(*box, LinkPos));
    send(*box, QEvent::MouseButtonPress, Qt::LeftButton, pointAt(*box, 2)); // plain text
    EXPECT_TRUE(desk.openedUrls.isEmpty());
}

TEST_F(LinkHook, TextAddedAfterTheHookIsLinkedToo)
{
    HookRichTextLinks(box.get(), &parent);
    box->setSelText(QStringLiteral("Site: www.vorlaine.example\r\n"));
    send(*box, QEvent::MouseButtonPress, Qt::LeftButton, pointAt(*box, 9));
    EXPECT_EQ(desk.openedUrls, QStringList{QStringLiteral("https://www.vorlaine.example")});
}

TEST_F(LinkHook, SentencePunctuationIsNotPartOfTheAddress)
{
    HookRichTextLinks(box.get(), &parent);
    box->setSelText(QStringLiteral("See http://www.vorlaine.example."));
    send(*box, QEvent::MouseButtonPress, Qt::LeftButton, pointAt(*box, 8));
    EXPECT_EQ(desk.openedUrls, QStringList{QStringLiteral("http://www.vorlaine.example")});
}

TEST_F(LinkHook, OnlyWebAddressesAreOpened)
{
    EXPECT_EQ(LinkAddressToOpen(QStringLiteral("https://a.example/x")), QStringLiteral("https://a.example/x"));
    EXPECT_EQ(LinkAddressToOpen(QStringLiteral("www.a.example")), QStringLiteral("https://www.a.example"));
    for (const char* bad : {"file:///etc/passwd", "javascript:alert(1)", "mailto:a@b.example", "ftp://a.example",
                            "http://", "", "Vorlaine"})
        EXPECT_TRUE(LinkAddressToOpen(QString::fromLatin1(bad)).isEmpty()) << bad;

    // A typed name that looks like a script address is never opened.
    box->setText(QStringLiteral("Name: javascript:alert(1) file:///etc/passwd"));
    HookRichTextLinks(box.get(), &parent);
    send(*box, QEvent::MouseButtonPress, Qt::LeftButton, pointAt(*box, 12));
    send(*box, QEvent::MouseButtonPress, Qt::LeftButton, pointAt(*box, 30));
    EXPECT_TRUE(desk.openedUrls.isEmpty());
}

TEST_F(LinkHook, UnhookStopsLinksAndIsHarmlessTwice)
{
    box->setText(Report);
    HookRichTextLinks(box.get(), &parent);
    EXPECT_TRUE(IsRichTextLinksHooked(box.get()));
    UnhookRichTextLinks(box.get());
    UnhookRichTextLinks(box.get());
    UnhookRichTextLinks();
    EXPECT_FALSE(IsRichTextLinksHooked(box.get()));
    box->setSelStart(box->TextLength());
    box->setSelText(QStringLiteral(" www.other.example"));
    send(*box, QEvent::MouseButtonPress, Qt::LeftButton, pointAt(*box, LinkPos));
    send(*box, QEvent::MouseButtonPress, Qt::LeftButton, pointAt(*box, box->TextLength() - 4));
    EXPECT_TRUE(desk.openedUrls.isEmpty());
    EXPECT_TRUE(box->anchorAt(pointAt(*box, LinkPos)).isEmpty());
}

TEST_F(LinkHook, UnhookRestoresTheTextsOwnLook)
{
    box->setSelColor(QColor(128, 0, 0));
    box->setText(Report);
    HookRichTextLinks(box.get(), &parent);
    UnhookRichTextLinks(box.get());
    QTextCursor c(box->document());
    c.setPosition(LinkPos);
    EXPECT_EQ(c.charFormat().foreground().color(), QColor(128, 0, 0));
    EXPECT_FALSE(c.charFormat().fontUnderline());
}

TEST_F(LinkHook, TwoBoxesHookedAtOnceEachKeepTheirLinks)
{
    second = makeBox();
    box->setText(QStringLiteral("First https://one.example/a"));
    second->setText(QStringLiteral("Second https://two.example/b"));
    HookRichTextLinks(box.get(), &parent);
    HookRichTextLinks(second.get(), &parent);
    send(*box, QEvent::MouseButtonPress, Qt::LeftButton, pointAt(*box, 10));
    send(*second, QEvent::MouseButtonPress, Qt::LeftButton, pointAt(*second, 11));
    EXPECT_EQ(desk.openedUrls,
              (QStringList{QStringLiteral("https://one.example/a"), QStringLiteral("https://two.example/b")}));
    // Releasing the later hook leaves the earlier box working.
    UnhookRichTextLinks(second.get());
    send(*box, QEvent::MouseButtonPress, Qt::LeftButton, pointAt(*box, 10));
    EXPECT_EQ(desk.openedUrls.size(), 3);
}

TEST_F(LinkHook, UnhookClearsEveryLinkOfALongReport)
{
    // Hooked while empty, as a report window's box is when it loads.
    HookRichTextLinks(box.get(), &parent);
    box->setText(QStringLiteral("Guna Milan report\r\nReport Generated By https://www.vorlaine.example"));
    box->setText(QString());
    // Many links between runs of other looks, as a report's footers stand.
    for (int i = 0; i < 40; ++i) {
        box->setSelBold(i % 2 == 0);
        box->setSelColor(QColor(0, 0, 100 + i));
        box->setSelText(QStringLiteral("Entry %1: ").arg(i));
        box->setSelBold(false);
        box->setSelText(QStringLiteral("Report Generated By https://www.vorlaine.example\r\n"));
    }
    UnhookRichTextLinks(box.get());
    for (QTextBlock b = box->document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            EXPECT_FALSE(f.isAnchor()) << it.fragment().text().toStdString();
            EXPECT_FALSE(f.hasProperty(RichTextBox::AutoLinkProperty));
            EXPECT_FALSE(f.fontUnderline());
        }
    }
}
