// A key held down: the window system sends its press, then repeats until the
// key comes up: each a release and a press marked as repeats, the same
// unmarked where the press reached the program late, or, where the program
// asked for it, presses only, none marked. The repeats act only in the
// window the key went down in.
#include "MDI.h"
#include "frmAbout.h"
#include "frmMainKundali.h"
#include "frmTimeZone.h"
#include "frmVedicResult.h"

#include "Forms.h"
#include "KundaliMatchSteps.h"
#include "QtDesktop.h"
#include "ShellFixture.h"
#include "TestWindow.h"
#include "ClickLabel.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
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

// A key pressed and let go at once where the keys go; where the press closed
// the last window that had them, the release goes to the main window.
void freshPress(Qt::Key key, const QString& text)
{
    press(keyTarget(), key, text);
    release(keyTarget() ? keyTarget() : &mdi(), key, text);
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

// Key events as the X server's own reach the program: with the key's scan
// code and the server's time, a press offered to the shortcuts first.
struct NativeKey {
    Qt::Key key;
    QString text;
    quint32 scanCode;
};
const NativeKey NativeEnter{Qt::Key_Return, Enter, 36};
const NativeKey NativeSpace{Qt::Key_Space, QStringLiteral(" "), 65};
const NativeKey NativeOne{Qt::Key_1, QStringLiteral("1"), 10};
const NativeKey NativeA{Qt::Key_A, QStringLiteral("a"), 38};

quint64 serverTime = 5000000;

void sendNative(QWidget* to, QEvent::Type type, const NativeKey& k, quint64 time, bool marked = false)
{
    if (!to)
        return;
    QKeyEvent e(type, k.key, Qt::NoModifier, k.scanCode, 0, 0, k.text, marked);
    e.setTimestamp(time);
    QApplication::sendEvent(to, &e);
}

void nativePress(QWidget* to, const NativeKey& k, quint64 time, bool marked = false)
{
    sendNative(to, QEvent::ShortcutOverride, k, time, marked);
    sendNative(to, QEvent::KeyPress, k, time, marked);
}

// How the server sends the repeats of a held key.
enum class Sent {
    PressesOnly,  // asked for: a press for each, none marked
    LatePairs,    // a release and a press of one time, neither marked
    MarkedPairs,  // a release and a press, both marked
};

const char* name(Sent r)
{
    switch (r) {
    case Sent::PressesOnly:
        return "presses only";
    case Sent::LatePairs:
        return "unmarked pairs";
    case Sent::MarkedPairs:
        return "marked pairs";
    }
    return "";
}

// The repeats of a key held for a while, each sent where the keys go then.
void nativeRepeats(const NativeKey& k, Sent how, int times = Repeats)
{
    serverTime += 250;
    for (int i = 0; i < times; ++i, serverTime += 33) {
        if (how != Sent::PressesOnly)
            sendNative(keyTarget(), QEvent::KeyRelease, k, serverTime, how == Sent::MarkedPairs);
        nativePress(keyTarget(), k, serverTime, how == Sent::MarkedPairs);
        QCoreApplication::processEvents();
    }
}

void nativeFirstPress(QWidget* to, const NativeKey& k)
{
    serverTime += 1000;
    nativePress(to, k, serverTime);
}

void nativeRelease(const NativeKey& k)
{
    serverTime += 20;
    sendNative(keyTarget(), QEvent::KeyRelease, k, serverTime);
}

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

// Enter held on Match Kundali: the message box its first press opened gets
// none of the repeats, however the server sends them, nor the release, and
// stays open until Enter is pressed anew.
TEST_F(HeldKeys, EnterHeldOnMatchKundaliShowsOneMessageThatTheRepeatsLeaveOpen)
{
    frmMainKundali& w = *input;
    // The messages show as the real desktop's boxes.
    platform::QtDesktop real;
    for (Sent how : {Sent::MarkedPairs, Sent::LatePairs, Sent::PressesOnly}) {
        SCOPED_TRACE(name(how));
        desk.messages.clear();
        w.cmdCalculate->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), w.cmdCalculate);
        forms::setModalLoops(true);
        bool boxHadTheKeys = false, openAfterRepeats = false, openAfterRelease = false, freshPressAnswered = false;
        desk.onMessage = [&](const FakeDesktop::Message& m) {
            if (desk.messages.size() == 1)
                QTimer::singleShot(0, [&] {
                    QPointer<QMessageBox> box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                    if (!box)
                        return;
                    boxHadTheKeys = hasTheKeys(box);
                    nativeRepeats(NativeEnter, how);
                    openAfterRepeats = box && box->isVisible();
                    nativeRelease(NativeEnter);
                    openAfterRelease = box && box->isVisible();
                    // Pressed anew, Enter answers the box at once.
                    if (box)
                        freshPress(Qt::Key_Return, Enter);
                    freshPressAnswered = !box || !box->isVisible();
                    if (box && box->isVisible())
                        box->reject();
                });
            real.MsgBox(m.text, m.buttons, m.icon, {});
        };
        nativeFirstPress(w.cmdCalculate, NativeEnter); // returns when the box is gone
        desk.onMessage = nullptr;
        forms::setModalLoops(false);

        EXPECT_TRUE(boxHadTheKeys);
        EXPECT_TRUE(openAfterRepeats);
        EXPECT_TRUE(openAfterRelease);
        EXPECT_TRUE(freshPressAnswered);
        ASSERT_EQ(desk.messages.size(), 1u);
        EXPECT_EQ(desk.messages[0].text, QStringLiteral("Please Enter Your Name"));
        // The window system hands the keys back a moment later.
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == w.txtMName; }));
        EXPECT_TRUE(w.txtMName->text().isEmpty());
    }
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

// Presses only, none marked: a press of a key that is still down is a
// repeat. A held letter types on, a refused key says its message once, and
// a held Space clicks its button once, on the release.
TEST_F(HeldKeys, APressOfAKeyStillDownIsARepeat)
{
    frmMainKundali& w = *input;
    struct Case {
        QWidget* target;
        NativeKey key;
        QString after; // the box's text
        int messagesHeld, messagesAfter;
    };
    const Case cases[] = {
        {w.txtMName, NativeA, QStringLiteral("aaaa"), 0, 0},
        {w.txtMName, NativeOne, QString(), 1, 1},
        {w.cmdCalculate, NativeSpace, QString(), 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key.text.toStdString() + " on " + c.target->objectName().toStdString());
        desk.messages.clear();
        w.txtMName->clear();
        c.target->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), c.target);
        nativeFirstPress(c.target, c.key);
        nativeRepeats(c.key, Sent::PressesOnly, 3);
        EXPECT_EQ(int(desk.messages.size()), c.messagesHeld);
        nativeRelease(c.key);
        EXPECT_EQ(int(desk.messages.size()), c.messagesAfter);
        EXPECT_EQ(w.txtMName->text(), c.after);
    }
    // Pressed anew, the refused key says its message again.
    desk.messages.clear();
    w.txtMName->setFocus();
    nativeFirstPress(w.txtMName, NativeOne);
    nativeRelease(NativeOne);
    EXPECT_EQ(desk.messages.size(), 1u);
}

// Enter held where its first press closes the window it went down in: the
// time-zone picker (its Quit answers Enter) and the Kundali result's Back.
// However the server sends the repeats, the window that has the keys next
// gets none of them, nor the release.
TEST_F(HeldKeys, EnterHeldOnAWindowItClosesActsNowhereElse)
{
    struct Way {
        const char* name;
        std::function<void(frmMainKundali&)> closeWithEnter; // returns once the window is gone
    };
    const Way ways[] = {
        {"the picker's Quit",
         [](frmMainKundali& w) {
             w.txtMName->setFocus();
             forms::setModalLoops(true);
             QTimer::singleShot(0, [] {
                 if (!forms::isLoaded<frmTimeZone>())
                     return;
                 frmTimeZone& picker = forms::get<frmTimeZone>();
                 if (!hasTheKeys(&picker))
                     return;
                 QTest::keyClick(picker.lstTimeZone, Qt::Key_Down);
                 QTest::keyClick(picker.lstTimeZone, Qt::Key_Down);
                 // Goes down here and stays down: Quit closes the picker.
                 QTest::keyPress(picker.lstTimeZone, Qt::Key_Return);
             });
             QTest::mouseClick(w.lblMTZHelp, Qt::LeftButton);
             forms::setModalLoops(false);
             EXPECT_FALSE(forms::isLoaded<frmTimeZone>());
         }},
        {"the result's Back",
         [](frmMainKundali&) {
             frmVedicResult& r = FillKundaliMatch("Aries", "Leo", "Ashwini", "Magha");
             forms::unload<frmMainKundali>();
             r.Show();
             r.cmdBack->setFocus();
             ASSERT_EQ(QApplication::focusWidget(), r.cmdBack);
             QTest::keyPress(r.cmdBack, Qt::Key_Return);
             EXPECT_FALSE(forms::isLoaded<frmVedicResult>());
         }},
    };
    for (const Way& way : ways) {
        for (Sent how : {Sent::PressesOnly, Sent::LatePairs, Sent::MarkedPairs}) {
            SCOPED_TRACE(std::string(way.name) + ", " + name(how));
            desk.messages.clear();
            way.closeWithEnter(forms::get<frmMainKundali>());
            frmMainKundali& w = forms::get<frmMainKundali>();
            // The keys are in the name box, which refuses Enter with a
            // message.
            ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == w.txtMName; }));
            nativeRepeats(NativeEnter, how);
            nativeRelease(NativeEnter);
            EXPECT_TRUE(desk.messages.empty()) << desk.messages.front().text.toStdString();
            EXPECT_FALSE(forms::isLoaded<frmTimeZone>());
            EXPECT_FALSE(forms::isLoaded<frmVedicResult>());
            // Pressed anew, Enter acts again where the keys are.
            freshPress(Qt::Key_Return, Enter);
            EXPECT_EQ(desk.messages.size(), 1u);
        }
    }
}
