#pragma once

// The main window as a user sees it on the screen the test program runs on:
// shown as the program starts it, then looked at and driven by the pointer.
// A run started for a named screen (LT_SCREEN=1366x768 or 1600x1000@1.5, for
// which the test main makes an offscreen screen) first checks that it got it.

#include "FakeDesktop.h"
#include "Forms.h"
#include "MDI.h"
#include "Twips.h"

#include <QApplication>
#include <QComboBox>
#include <QMdiSubWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QImage>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

#include <gtest/gtest.h>

#include <string>

namespace screenchecks {

inline void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

inline QScreen* screen()
{
    return QGuiApplication::primaryScreen();
}

// The screen named by LT_SCREEN, in device pixels and scale, is the one we have.
inline void expectNamedScreen()
{
    const QString named = qEnvironmentVariable("LT_SCREEN");
    if (named.isEmpty())
        return;
    const QStringList sizeAndScale = named.split(QLatin1Char('@'));
    const QStringList wh = sizeAndScale[0].split(QLatin1Char('x'));
    ASSERT_EQ(wh.size(), 2) << named.toStdString();
    const double scale = sizeAndScale.size() > 1 ? sizeAndScale[1].toDouble() : 1.0;
    QScreen* s = screen();
    ASSERT_NE(s, nullptr);
    EXPECT_DOUBLE_EQ(s->devicePixelRatio(), scale);
    EXPECT_NEAR(s->geometry().width() * scale, wh[0].toDouble(), scale);
    EXPECT_NEAR(s->geometry().height() * scale, wh[1].toDouble(), scale);
}

// Shows the main window as the program starts it, its bands laid out for the
// width of this screen.
inline void showMainWindow(FakeDesktop& desk)
{
    desk.screenWidthTwips = platform::pixelsToTwipsX(screen()->geometry().width());
    MDI& m = mdi();
    m.MDIForm_Load();
    // Restored, the window of a fresh start takes the screen's available
    // area; earlier tests may have left it any size.
    m.hide();
    m.setWindowState(Qt::WindowNoState);
    m.setGeometry(screen()->availableGeometry());
    m.show();
    settle();
    ShowMainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m));
    settle();
}

// The main window shown as the program starts it for as long as this lives;
// then its windows are unloaded while it is still on screen, as a user's
// are.
class MainWindowShown {
public:
    explicit MainWindowShown(FakeDesktop& desk) { showMainWindow(desk); }
    ~MainWindowShown()
    {
        for (Form* f : forms::loaded())
            forms::unload(f->formName());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        settle();
    }
    MainWindowShown(const MainWindowShown&) = delete;
    MainWindowShown& operator=(const MainWindowShown&) = delete;
};

// Every pixel of the widget can be seen: nothing of the window, the document
// area or the screen cuts it.
inline bool whole(const QWidget* w)
{
    return w->isVisible() && w->visibleRegion().boundingRect() == w->rect();
}

// The main window lies inside the screen's available area, and both bands
// with their buttons are whole and visible.
inline void expectMainWindowFits(const std::string& state)
{
    settle();
    MDI& m = mdi();
    const QRect available = screen()->availableGeometry();
    EXPECT_TRUE(available.contains(m.frameGeometry()))
        << state << ": window " << m.frameGeometry().width() << "x" << m.frameGeometry().height() << " at "
        << m.frameGeometry().y() << ", screen " << available.width() << "x" << available.height();
    for (QWidget* band : {m.Picture1, m.Picture2}) {
        EXPECT_TRUE(whole(band)) << state << ": " << band->objectName().toStdString();
        const QRect inWindow(band->mapTo(&m, QPoint(0, 0)), band->size());
        EXPECT_TRUE(m.rect().contains(inWindow)) << state << ": " << band->objectName().toStdString();
    }
    EXPECT_EQ(m.Picture1->height(), platform::twipsToPixelsY(1560)) << state;
    EXPECT_EQ(m.Picture2->height(), platform::twipsToPixelsY(600)) << state;
    EXPECT_TRUE(whole(m.cmdExit)) << state;
    for (QPushButton* b : m.cmdCallMainForm)
        EXPECT_TRUE(whole(b)) << state << ": " << b->text().toStdString();
}

// A click that goes through the window system at the widget's middle, so
// whatever lies on top of it there takes the click instead.
inline void realClick(QWidget* w)
{
    QWidget* top = w->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, w->mapTo(top, w->rect().center()));
    settle();
}

// Turns the wheel over the document area, a notch at a time, until the
// widget is whole in view. False when it never comes into view. (The area
// scrolls for whatever wheel turn its windows leave unused.)
// One turn of the wheel over the middle of a view, by default the document
// area (negative: down).
inline void turnWheel(int angle, QWidget* viewport = nullptr)
{
    if (!viewport)
        viewport = mdi().area->viewport();
    const QPoint at(viewport->width() / 2, viewport->height() / 2);
    QWheelEvent wheel(QPointF(at), QPointF(viewport->mapToGlobal(at)), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
    settle();
}

// Down (or up, for a widget above the view) until the widget is whole.
inline bool wheelUntilWhole(QWidget* w, QWidget* viewport = nullptr, int notches = 60)
{
    if (!viewport)
        viewport = mdi().area->viewport();
    for (int i = 0; i < notches && !whole(w); ++i)
        turnWheel(w->mapTo(viewport->window(), QPoint()).y() < viewport->mapTo(viewport->window(), QPoint()).y()
                      ? 120
                      : -120,
                  viewport);
    return whole(w);
}

// A stretch along a scroll bar, in its own pixels from its top (left) end.
struct Stretch {
    int first = -1, last = -1;
    int length() const { return first < 0 ? 0 : last - first + 1; }
};

// Where the style puts a part of the bar: the groove, the stretch the handle
// runs in, or the handle.
inline Stretch barPart(const QScrollBar* bar, QStyle::SubControl part)
{
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.subControls = QStyle::SC_All;
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    if (bar->orientation() == Qt::Horizontal)
        opt.state |= QStyle::State_Horizontal;
    const QRect r = bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, part, bar);
    return bar->orientation() == Qt::Vertical ? Stretch{r.top(), r.bottom()} : Stretch{r.left(), r.right()};
}

inline Stretch groove(const QScrollBar* bar)
{
    return barPart(bar, QStyle::SC_ScrollBarGroove);
}

// The handle as the bar shows it: the longest run of the groove, down its
// middle, drawn clearly darker than the bare groove. Empty when nothing there
// stands out from the groove.
inline Stretch drawnHandle(QScrollBar* bar)
{
    const QImage picture = bar->grab().toImage();
    const double ratio = picture.devicePixelRatio();
    const bool vertical = bar->orientation() == Qt::Vertical;
    const Stretch g = groove(bar);
    const int middle = static_cast<int>((vertical ? bar->width() : bar->height()) * ratio / 2);
    Stretch longest, run;
    for (int along = g.first; along <= g.last; ++along) {
        const int at = static_cast<int>((along + 0.5) * ratio);
        const QColor c = vertical ? picture.pixelColor(middle, at) : picture.pixelColor(at, middle);
        if (c.lightness() >= 200) {
            run = {};
            continue;
        }
        if (run.first < 0)
            run.first = along;
        run.last = along;
        if (run.length() > longest.length())
            longest = run;
    }
    return longest;
}

// Clicks a view's scroll bar in its groove, past the handle towards the
// widget (on the arrow once no groove is left there), until the widget is
// whole in view. False when it never comes into view.
inline bool scrollBarUntilWhole(QWidget* w, QAbstractScrollArea* area, Qt::Orientation o, int clicks = 60)
{
    const bool vertical = o == Qt::Vertical;
    QScrollBar* bar = vertical ? area->verticalScrollBar() : area->horizontalScrollBar();
    for (int i = 0; i < clicks && !whole(w) && whole(bar); ++i) {
        const QPoint at = w->mapTo(area->viewport(), QPoint(0, 0));
        const bool back = vertical ? at.y() < 0 : at.x() < 0;
        if (back ? bar->value() == bar->minimum() : bar->value() == bar->maximum())
            break;
        const Stretch g = groove(bar);
        const Stretch h = barPart(bar, QStyle::SC_ScrollBarSlider);
        int along = back ? (g.first + h.first) / 2 : (h.last + g.last + 1) / 2;
        if (back ? h.first - g.first < 2 : g.last - h.last < 2)
            along = back ? g.first / 2 : (g.last + (vertical ? bar->height() : bar->width())) / 2;
        const QPoint p = vertical ? QPoint(bar->width() / 2, along) : QPoint(along, bar->height() / 2);
        QTest::mouseClick(bar, Qt::LeftButton, {}, p);
        settle();
    }
    return whole(w);
}

// The same with the document area's scroll bar.
inline bool scrollBarUntilWhole(QWidget* w, Qt::Orientation o, int clicks = 60)
{
    return scrollBarUntilWhole(w, mdi().area, o, clicks);
}

// The centre of a button (or, with SC_TitleBarLabel, of the caption) on a
// child window's title bar, as the window lays it out.
inline QPoint titleBarPoint(QMdiSubWindow* sub, QStyle::SubControl control)
{
    QStyleOptionTitleBar opt;
    opt.initFrom(sub);
    opt.subControls = QStyle::SC_All;
    opt.titleBarFlags = sub->windowFlags();
    opt.titleBarState = static_cast<int>(sub->windowState());
    opt.rect = QRect(0, 0, sub->width(), sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, &opt, sub));
    return sub->style()->subControlRect(QStyle::CC_TitleBar, &opt, control, sub).center();
}

// A click where the pointer has come to rest first, so a frame knows which
// of its title-bar buttons is under it.
inline void restingClick(QWidget* w, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &move);
    QWidget* top = w->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, w->mapTo(top, at));
    settle();
}

// One of the buttons a maximised child has at the right of the menu bar
// (SC_MdiMinButton, SC_MdiNormalButton or SC_MdiCloseButton), clicked.
inline void clickMenuBarBox(QStyle::SubControl box)
{
    QWidget* buttons = mdi().menuBar()->cornerWidget(Qt::TopRightCorner);
    ASSERT_NE(buttons, nullptr) << "no maximised child's buttons in the menu bar";
    QStyleOptionComplex opt;
    opt.initFrom(buttons);
    opt.subControls = QStyle::SC_MdiMinButton | QStyle::SC_MdiNormalButton | QStyle::SC_MdiCloseButton;
    const QRect r = buttons->style()->subControlRect(QStyle::CC_MdiControls, &opt, box, buttons);
    restingClick(buttons, r.isEmpty() ? buttons->rect().center() : r.center());
}

// Drags a bar's handle by the given number of pixels along it with the
// mouse, from its middle.
inline void dragHandle(QScrollBar* bar, int by)
{
    const bool vertical = bar->orientation() == Qt::Vertical;
    const Stretch h = drawnHandle(bar);
    const int middle = (h.first + h.last) / 2;
    const QPoint from = vertical ? QPoint(bar->width() / 2, middle) : QPoint(middle, bar->height() / 2);
    const QPoint to = from + (vertical ? QPoint(0, by) : QPoint(by, 0));
    QTest::mousePress(bar, Qt::LeftButton, {}, from);
    QTest::mouseMove(bar, (from + to) / 2);
    QTest::mouseMove(bar, to);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, to);
    settle();
}

// Picks a list entry with the keyboard: Home, then Down until it shows.
inline void pickByKeys(QComboBox* box, const QString& text)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < box->count() && box->currentText() != text; ++i)
        QTest::keyClick(box, Qt::Key_Down);
    ASSERT_EQ(box->currentText(), text);
}

} // namespace screenchecks
