// A key held down: the window system sends its press, then repeats (each a
// release and a press marked as repeats) until the key comes up. The repeats
// act only in the window the key went down in.
#include "MDI.h"
#include "frmAbout.h"
#include "frmMainKundali.h"

#include "Forms.h"
#include "QtDesktop.h"
#include "ShellFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <string>

namespace {

constexpr int Repeats = 12;

// Where the window system sends a key now: into the modal window while one
// is open, otherwise to the focus of the active window (none while no window
// is active).
QWidget* keyTarget()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal->focusWidget() ? modal->focusWidget() : modal;
    if (QWidget* focus = QApplication::focusWidget())
        return focus;
    return QApplication::activeWindow();
}

void send(QWidget* to, bool press, Qt::Key key, const QString& text, bool repeat)
{
    if (to)
        QTest::simulateEvent(to, press, key, Qt::NoModifier, text, repeat);
}

void press(QWidget* to, Qt::Key key, const QString& text)
{
    send(to, true, key, text, false);
}

void release(QWidget* to, Qt::Key key, const QString& text)
{
    send(to, false, key, text, false);
}

// A key pressed and let go at once where the keys go.
void freshPress(Qt::Key key, const QString& text)
{
    press(keyTarget(), key, text);
    release(keyTarget(), key, text);
}

// The repeats of a key held for a while, each sent where the keys go then.
void repeat(Qt::Key key, const QString& text, int times = Repeats)
{
    for (int i = 0; i < times; ++i) {
        send(keyTarget(), false, key, text, true);
        send(keyTarget(), true, key, text, true);
        QCoreApplication::processEvents();
    }
}

const QString Enter = QStringLiteral("\r");

class HeldKeys : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        ASSERT_TRUE(showActiveMainWindow());
        QTest::mouseClick(mdi().cmdCallMainForm[1], Qt::LeftButton);
        ASSERT_TRUE(forms::isLoaded<frmMainKundali>());
        input = &forms::get<frmMainKundali>();
    }

    // Waits until the modal window has the keys, as it has once the window
    // system has activated it.
    static bool hasTheKeys(QWidget* modal)
    {
        return QTest::qWaitFor([modal] {
            if (QApplication::activeWindow() != modal)
                modal->activateWindow();
            return QApplication::activeWindow() == modal && QApplication::activeModalWidget() == modal;
        });
    }

    frmMainKundali* input = nullptr;
};

} // namespace

TEST_F(HeldKeys, EnterHeldOnMatchKundaliShowsOneMessageThatTheRepeatsLeaveOpen)
{
    frmMainKundali& w = *input;
    w.cmdCalculate->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), w.cmdCalculate);
    forms::setModalLoops(true);

    // The messages show as the real desktop's boxes.
    platform::QtDesktop real;
    bool boxHadTheKeys = false, openAfterRepeats = false, freshPressAnswered = false;
    int shown = 0;
    desk.onMessage = [&](const FakeDesktop::Message& m) {
        if (++shown == 1)
            QTimer::singleShot(0, [&] {
                QPointer<QMessageBox> box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box)
                    return;
                boxHadTheKeys = hasTheKeys(box);
                repeat(Qt::Key_Return, Enter);
                openAfterRepeats = box && box->isVisible();
                release(keyTarget(), Qt::Key_Return, Enter);
                // Pressed anew, Enter answers the box at once.
                if (box)
                    freshPress(Qt::Key_Return, Enter);
                freshPressAnswered = !box || !box->isVisible();
                if (box && box->isVisible())
                    box->reject();
            });
        real.MsgBox(m.text, m.buttons, m.icon, {});
    };
    press(w.cmdCalculate, Qt::Key_Return, Enter); // returns when the box is gone
    desk.onMessage = nullptr;

    EXPECT_TRUE(boxHadTheKeys);
    EXPECT_TRUE(openAfterRepeats);
    EXPECT_TRUE(freshPressAnswered);
    ASSERT_EQ(desk.messages.size(), 1u);
    EXPECT_EQ(desk.messages[0].text, QStringLiteral("Please Enter Your Name"));
    // The window system hands the keys back a moment later.
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == w.txtMName; }));
    EXPECT_TRUE(w.txtMName->text().isEmpty());
}

TEST_F(HeldKeys, EnterHeldOnAboutSoftwareLeavesTheAboutBoxOpen)
{
    frmMainKundali& w = *input;
    w.txtMName->setFocus();
    forms::setModalLoops(true);
    QTest::keyClick(w.txtMName, Qt::Key_H, Qt::AltModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* about = nullptr;
    for (QAction* a : menu->actions())
        if (a->text() == QStringLiteral("&About Software"))
            about = a;
    ASSERT_NE(about, nullptr);
    menu->setActiveAction(about);

    bool boxHadTheKeys = false, openAfterRepeats = false, freshPressAnswered = false;
    QTimer::singleShot(0, [&] {
        if (!forms::isLoaded<frmAbout>())
            return;
        QPointer<frmAbout> box = &forms::get<frmAbout>();
        boxHadTheKeys = hasTheKeys(box);
        repeat(Qt::Key_Return, Enter);
        openAfterRepeats = forms::isLoaded<frmAbout>() && box;
        release(keyTarget(), Qt::Key_Return, Enter);
        if (box)
            freshPress(Qt::Key_Return, Enter);
        freshPressAnswered = !forms::isLoaded<frmAbout>();
        if (!freshPressAnswered)
            forms::unload<frmAbout>();
    });
    press(menu, Qt::Key_Return, Enter); // returns when the box is gone
    EXPECT_TRUE(boxHadTheKeys);
    EXPECT_TRUE(openAfterRepeats);
    EXPECT_TRUE(freshPressAnswered);

    // The Enter that closed the box goes on repeating as it is held: the name
    // box, which has the keys again, takes none of it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == w.txtMName; }));
    repeat(Qt::Key_Return, Enter);
    release(keyTarget(), Qt::Key_Return, Enter);
    EXPECT_TRUE(desk.messages.empty());
    EXPECT_FALSE(forms::isLoaded<frmAbout>());
}

TEST_F(HeldKeys, ARefusedKeyHeldInAFilteredBoxShowsItsMessageOnce)
{
    frmMainKundali& w = *input;
    struct Case {
        QLineEdit* box;
        Qt::Key key;
        QString text;
        QString message;
    };
    const Case cases[] = {
        {w.txtMName, Qt::Key_1, QStringLiteral("1"), QStringLiteral("Please Enter Only Characters")},
        {w.txtMName, Qt::Key_Return, Enter, QStringLiteral("Please Enter Only Characters")},
        {w.txtFZoneHour, Qt::Key_A, QStringLiteral("a"), QStringLiteral("Please Enter Only Numbers")},
        {w.txtMLD, Qt::Key_Space, QStringLiteral(" "), QStringLiteral("Please Enter Only Numbers")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " in " + c.box->objectName().toStdString());
        desk.messages.clear();
        c.box->setText(QStringLiteral("7"));
        c.box->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), c.box);
        press(c.box, c.key, c.text);
        repeat(c.key, c.text);
        release(c.box, c.key, c.text);
        ASSERT_EQ(desk.messages.size(), 1u);
        EXPECT_EQ(desk.messages[0].text, c.message);
        EXPECT_EQ(c.box->text(), QStringLiteral("7"));
        EXPECT_EQ(QApplication::focusWidget(), c.box);
        // Pressed anew, the key is refused again with its message.
        QTest::keyClick(c.box, c.key, Qt::NoModifier);
        EXPECT_EQ(desk.messages.size(), 2u);
        EXPECT_EQ(c.box->text(), QStringLiteral("7"));
    }
}

TEST_F(HeldKeys, AKeyHeldWhereItWentDownRepeatsThere)
{
    frmMainKundali& w = *input;
    struct Case {
        QLineEdit* box;
        Qt::Key key;
        QString text;
        QString start, after;
    };
    const Case cases[] = {
        {w.txtMName, Qt::Key_A, QStringLiteral("a"), QString(), QStringLiteral("aaaa")},
        {w.txtMCity, Qt::Key_Backspace, QStringLiteral("\b"), QStringLiteral("Varanasi"), QStringLiteral("Vara")},
        {w.txtMLM, Qt::Key_4, QStringLiteral("4"), QString(), QStringLiteral("444")}, // three at most
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box->objectName().toStdString());
        c.box->setText(c.start);
        c.box->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), c.box);
        press(c.box, c.key, c.text);
        repeat(c.key, c.text, 3);
        release(c.box, c.key, c.text);
        EXPECT_EQ(c.box->text(), c.after);
    }
    EXPECT_TRUE(desk.messages.empty());
}

// The X server sends each repeat as a release and a press of one time, and
// the press may reach the program too late to be told a repeat: such a pair
// still counts as the held key, while a press of its own time is a new one.
TEST_F(HeldKeys, AReleaseAndAPressOfOneTimeAreARepeat)
{
    frmMainKundali& w = *input;
    QWidget elsewhere; // the window the key went down in
    auto stamped = [](QWidget* to, QEvent::Type type, quint64 time) {
        QKeyEvent e(type, Qt::Key_Return, Qt::NoModifier, Enter);
        e.setTimestamp(time);
        QApplication::sendEvent(to, &e);
    };
    stamped(&elsewhere, QEvent::KeyPress, 1000);
    w.txtMName->setFocus();
    for (quint64 time : {1600, 1630, 1660}) {
        stamped(w.txtMName, QEvent::KeyRelease, time);
        stamped(w.txtMName, QEvent::ShortcutOverride, time);
        stamped(w.txtMName, QEvent::KeyPress, time);
    }
    stamped(w.txtMName, QEvent::KeyRelease, 1700);
    EXPECT_TRUE(desk.messages.empty()) << "a repeat of a key held elsewhere reached the name box";
    // Let go, then pressed anew in the name box: refused with its message.
    stamped(w.txtMName, QEvent::KeyPress, 2500);
    stamped(w.txtMName, QEvent::KeyRelease, 2550);
    ASSERT_EQ(desk.messages.size(), 1u);
    EXPECT_EQ(desk.messages[0].text, QStringLiteral("Please Enter Only Characters"));
}
