// Keys held down on a real X server (tests/support/run-on-xvfb.sh starts
// one whose keys repeat quickly): the key goes down and up through the
// server's test extension, and the server itself makes the repeats. On any
// other platform these tests have nothing to hold and are skipped.
#include "MDI.h"
#include "frmMainKundali.h"

#include "Forms.h"
#include "QtDesktop.h"
#include "ShellFixture.h"
#include "Waits.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <cstdlib>

namespace {

constexpr xcb_keysym_t SpaceSym = 0x20, ReturnSym = 0xff0d;

xcb_connection_t* connection()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// The key code the server's keyboard gives a key symbol, 0 for none.
xcb_keycode_t keyCodeOf(xcb_keysym_t sym)
{
    xcb_connection_t* c = connection();
    const xcb_setup_t* setup = xcb_get_setup(c);
    const int first = setup->min_keycode, count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t* map =
        xcb_get_keyboard_mapping_reply(c, xcb_get_keyboard_mapping(c, setup->min_keycode, count), nullptr);
    if (!map)
        return 0;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
    xcb_keycode_t code = 0;
    for (int i = 0; i < count && !code; ++i)
        for (int j = 0; j < map->keysyms_per_keycode && !code; ++j)
            if (syms[i * map->keysyms_per_keycode + j] == sym)
                code = xcb_keycode_t(first + i);
    free(map);
    return code;
}

// True once every event the server sent so far has been handled: a round
// trip to the server comes back after them, then they are dispatched.
bool serverEventsHandled()
{
    xcb_connection_t* c = connection();
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    QCoreApplication::processEvents();
    return testwait::postedEventsHandled();
}

// Gives the keys to a top-level window as a window manager does when the
// user comes back to it: at the server's present time. A focus change
// stamped with Qt's last event time would lose to any later one (the server
// ignores it), so the window could stay without the keys.
bool keysBackTo(QWidget* window)
{
    xcb_connection_t* c = connection();
    xcb_set_input_focus(c, XCB_INPUT_FOCUS_PARENT, xcb_window_t(window->winId()), XCB_CURRENT_TIME);
    xcb_flush(c);
    return QTest::qWaitFor([window] { return QGuiApplication::focusWindow() == window->windowHandle(); });
}

void fakeKey(uint8_t type, xcb_keycode_t code)
{
    xcb_connection_t* c = connection();
    xcb_test_fake_input(c, type, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(c);
}

// What one widget is sent of one key.
class KeyWatch : public QObject {
public:
    KeyWatch(QWidget* w, xcb_keycode_t code) : code_(code) { w->installEventFilter(this); }
    int presses = 0, releases = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if ((e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) &&
            static_cast<QKeyEvent*>(e)->nativeScanCode() == code_)
            ++(e->type() == QEvent::KeyPress ? presses : releases);
        return false;
    }

private:
    xcb_keycode_t code_;
};

class HeldKeysOnX11 : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        if (QGuiApplication::platformName() != QStringLiteral("xcb") || !connection())
            GTEST_SKIP() << "no X server";
        space = keyCodeOf(SpaceSym);
        enter = keyCodeOf(ReturnSym);
        ASSERT_NE(space, 0);
        ASSERT_NE(enter, 0);
        ASSERT_TRUE(showActiveMainWindow());
        ASSERT_TRUE(keysBackTo(&mdi()));
        QTest::mouseClick(mdi().cmdCallMainForm[1], Qt::LeftButton);
        ASSERT_TRUE(forms::isLoaded<frmMainKundali>());
        input = &forms::get<frmMainKundali>();
    }
    void TearDown() override
    {
        forms::setModalLoops(false);
        ShellFixture::TearDown();
    }

    // Focus on w, as the server knows it: its keys go there.
    static bool focusOn(QWidget* w)
    {
        w->setFocus();
        return QTest::qWaitFor([w] {
            return QGuiApplication::focusWindow() == w->window()->windowHandle() && QApplication::focusWidget() == w;
        });
    }

    xcb_keycode_t space = 0, enter = 0;
    frmMainKundali* input = nullptr;
};

} // namespace

// The server sends the held key as presses only and one release when it is
// let go; each press types on.
TEST_F(HeldKeysOnX11, AHeldKeyComesAsPressesAndOneRelease)
{
    QLineEdit* city = input->txtMCity;
    ASSERT_TRUE(focusOn(city));
    KeyWatch watch(city, space);
    fakeKey(XCB_KEY_PRESS, space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return watch.presses >= 6; }));
    EXPECT_EQ(watch.releases, 0) << "the server sent releases while the key was down";
    fakeKey(XCB_KEY_RELEASE, space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return watch.releases == 1; }));
    EXPECT_EQ(city->text(), QString(watch.presses, QLatin1Char(' ')));
}

// Space held on Match Kundali: the button is clicked once, on the release,
// and the message it opens stays open until a key is pressed anew.
TEST_F(HeldKeysOnX11, SpaceHeldOnAButtonOpensOneMessageThatStaysOpen)
{
    frmMainKundali& w = *input;
    ASSERT_TRUE(focusOn(w.cmdCalculate));
    KeyWatch watch(w.cmdCalculate, space);
    forms::setModalLoops(true);
    platform::QtDesktop real;
    bool letGo = false, openAfterALook = false, freshKeyAnswered = false;
    int shownWhileHeld = 0;
    desk.onMessage = [&](const FakeDesktop::Message& m) {
        if (!letGo)
            ++shownWhileHeld;
        if (desk.messages.size() == 1)
            QTimer::singleShot(0, [&] {
                QPointer<QMessageBox> box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box || !QTest::qWaitFor([&] { return !box || QGuiApplication::focusWindow() == box->windowHandle(); }))
                    return;
                // Whatever of the held key was still on its way has come.
                openAfterALook = serverEventsHandled() && box && box->isVisible();
                fakeKey(XCB_KEY_PRESS, enter);
                fakeKey(XCB_KEY_RELEASE, enter);
                freshKeyAnswered = QTest::qWaitFor([&] { return !box || !box->isVisible(); });
                if (box && box->isVisible())
                    box->reject();
            });
        real.MsgBox(m.text, m.buttons, m.icon, {});
    };
    fakeKey(XCB_KEY_PRESS, space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return watch.presses >= 6; }));
    letGo = true;
    fakeKey(XCB_KEY_RELEASE, space);
    // The click on the release shows the message and returns once it is
    // answered.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !desk.messages.empty() && !QApplication::activeModalWidget(); }));
    desk.onMessage = nullptr;

    EXPECT_EQ(shownWhileHeld, 0);
    EXPECT_TRUE(openAfterALook);
    EXPECT_TRUE(freshKeyAnswered);
    ASSERT_EQ(desk.messages.size(), 1u);
    EXPECT_EQ(desk.messages[0].text, QStringLiteral("Please Enter Your Name"));
}

// A key let go while no window of the program had the keys (another
// program took them, say a web page the key opened) is up once the program
// has them back: pressed again, it is a fresh press, and the name box says
// its message again.
TEST_F(HeldKeysOnX11, AKeyLetGoWhileAnotherHadTheKeysIsPressedAnewAfter)
{
    QLineEdit* name = input->txtMName;
    ASSERT_TRUE(focusOn(name));
    const xcb_keycode_t one = keyCodeOf('1');
    ASSERT_NE(one, 0);
    KeyWatch watch(name, one);
    fakeKey(XCB_KEY_PRESS, one);
    ASSERT_TRUE(QTest::qWaitFor([&] { return watch.presses >= 3; }));
    EXPECT_EQ(desk.messages.size(), 1u);

    // The keys go nowhere, and the key comes up there.
    xcb_connection_t* c = connection();
    xcb_set_input_focus(c, XCB_INPUT_FOCUS_NONE, XCB_NONE, XCB_CURRENT_TIME);
    xcb_flush(c);
    ASSERT_TRUE(QTest::qWaitFor([] { return QGuiApplication::applicationState() != Qt::ApplicationActive; }));
    const int pressesBefore = watch.presses;
    fakeKey(XCB_KEY_RELEASE, one);
    ASSERT_TRUE(serverEventsHandled());
    EXPECT_EQ(watch.releases, 0);

    ASSERT_TRUE(keysBackTo(&mdi()));
    ASSERT_TRUE(showActiveMainWindow());
    ASSERT_TRUE(focusOn(name));
    fakeKey(XCB_KEY_PRESS, one);
    fakeKey(XCB_KEY_RELEASE, one);
    ASSERT_TRUE(QTest::qWaitFor([&] { return watch.releases == 1; }));
    EXPECT_EQ(watch.presses, pressesBefore + 1);
    ASSERT_EQ(desk.messages.size(), 2u);
    EXPECT_EQ(desk.messages[1].text, frmMainKundali::OnlyCharactersMessage);
    EXPECT_TRUE(name->text().isEmpty());
}
