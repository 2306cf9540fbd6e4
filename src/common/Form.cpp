#include "Form.h"

#include "ApplicationFilter.h"
#include "ApplicationKeys.h"
#include "Forms.h"
#include "MenuFont.h"

#include "Desktop.h"
#include "ReturnToOpener.h"
#include "Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QEventLoop>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QScrollBar>
#include <QTimer>
#include <QWindowStateChangeEvent>

#include <algorithm>
#include <utility>

using platform::pixelsToTwipsX;
using platform::pixelsToTwipsY;
using platform::twipsToPixelsX;
using platform::twipsToPixelsY;

namespace {

// Sets every label of a window to plain text as it is polished, before it is
// first drawn, so text a user typed can never be read as markup.
class PlainTextLabels : public QObject {
protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Polish) {
            if (auto* label = qobject_cast<QLabel*>(o)) {
                if (!label->property(RichTextLabelProperty).toBool() && insideForm(label))
                    label->setTextFormat(Qt::PlainText);
            }
        }
        return false;
    }

private:
    static bool insideForm(QWidget* w)
    {
        for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
            if (qobject_cast<Form*>(p))
                return true;
        return false;
    }
};

// The main window that owns the program's top-level dialogs.
QWidget* mainWindow()
{
    QMdiArea* area = forms::mdiArea();
    return area ? area->window() : nullptr;
}

// Makes the window a modal one was opened over active again and gives it the
// view it was seen at. The area counts its scroll range from the active
// window where that one is maximised, hidden or not, so the opener goes first;
// one the modal wait still holds disabled cannot be made active yet.
void giveViewBack(QMdiSubWindow* opener, QPoint view)
{
    QMdiArea* area = opener ? opener->mdiArea() : nullptr;
    if (!area || !opener->isVisible() || !opener->isEnabled())
        return;
    area->setActiveSubWindow(opener);
    area->horizontalScrollBar()->setValue(view.x());
    area->verticalScrollBar()->setValue(view.y());
}

// The window Show() is bringing up: a maximised window the area restores to
// make way for it leaves the view to it.
const Form* comingUp = nullptr;

} // namespace

void InstallWindowRules()
{
    installApplicationFilter<PlainTextLabels>();
    InstallApplicationKeys();
}

Form::Form(const char* formName, Kind kind)
    : name_(formName), kind_(kind)
{
    setObjectName(QString::fromLatin1(formName));
    if (kind_ == Kind::Dialog) // a title and a close box, nothing else
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    if (kind_ == Kind::MdiChild) {
        if (QMdiArea* area = forms::mdiArea()) {
            sub_ = area->addSubWindow(this);
            sub_->setAttribute(Qt::WA_DeleteOnClose, false);
            sub_->hide();
            sub_->installEventFilter(this);
            // The focus a state change moves on while the frame is hidden
            // is not the user's.
            connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
                if (now && now->isVisible() && isVisible() && isAncestorOf(now))
                    lastFocus_ = now;
            });
            connect(sub_, &QMdiSubWindow::windowStateChanged, this,
                    [this](Qt::WindowStates old, Qt::WindowStates now) { keepViewAcross(old, now); });
        }
    }
}

// The menus are children of the window and leave the main window's menu bar
// with it; the unload has already hidden the window and moved the bar on.
Form::~Form() = default;

QMenu* Form::addMenu(const QString& title)
{
    auto* menu = new QMenu(title, this);
    // Its own rule outweighs any font the window's style sheet gives its
    // children, so every menu of the program shows in one font.
    menu->setStyleSheet(MenuFontRule());
    menus_ << menu;
    forms::menusChanged();
    return menu;
}

QWidget* Form::frame()
{
    return sub_ ? static_cast<QWidget*>(sub_.data()) : this;
}

void Form::setLeft(float twips)
{
    left_ = twips;
    placed_ = true;
    applyGeometry();
}

void Form::setTop(float twips)
{
    top_ = twips;
    placed_ = true;
    applyGeometry();
}

void Form::setClientSizeTwips(float width, float height)
{
    // The outer size adds whatever the frame draws around the client: its
    // borders and, for windows with one, the title bar.
    QMargins frame;
    if (sub_)
        frame = sub_->contentsMargins();
    width_ = width + static_cast<float>(pixelsToTwipsX(frame.left() + frame.right()));
    height_ = height + static_cast<float>(pixelsToTwipsY(frame.top() + frame.bottom()));
    // A dialog keeps its size: no window manager offers to maximise it.
    // Maximised, a child's frame would squeeze it into the document area and
    // cut off what lies beyond; kept whole, the area scrolls to it.
    if (kind_ == Kind::Dialog) {
        setFixedSize(twipsToPixelsX(width), twipsToPixelsY(height));
    } else {
        if (sub_)
            setMinimumSize(twipsToPixelsX(width), twipsToPixelsY(height));
        resize(twipsToPixelsX(width), twipsToPixelsY(height));
    }
    applyGeometry();
}

void Form::CentreOnScreenTop()
{
    const float screen = static_cast<float>(platform::desktop().ScreenWidthTwips());
    setLeft((screen - Width()) / 2.0f);
    setTop(0.0f);
}

void Form::applyGeometry()
{
    const QRect r(twipsToPixelsX(left_), twipsToPixelsY(top_), twipsToPixelsX(width_),
                  twipsToPixelsY(height_));
    if (sub_) {
        // A maximised or minimised frame has its place from the area and
        // goes back to the one it had when it is restored: that is where the
        // window's own place goes.
        if (sub_->isMaximized() || sub_->isMinimized()) {
            const Qt::WindowStates state = sub_->windowState();
            if (r.width() <= 0 || r.height() <= 0)
                return;
            reframing_ = true;
            sub_->setWindowState(state & ~(Qt::WindowMaximized | Qt::WindowMinimized));
            sub_->setGeometry(r);
            sub_->setWindowState(state);
            reframing_ = false;
            return;
        }
        if (r.width() > 0 && r.height() > 0)
            sub_->setGeometry(r);
        else
            sub_->move(r.topLeft());
    } else if (kind_ == Kind::MdiChild) {
        move(r.topLeft());
    }
}

bool Form::eventFilter(QObject* watched, QEvent* e)
{
    // Sent before the frame acts on its new state. (The frame is looked at
    // only then: it also sends events while it is being destroyed.)
    if (e->type() == QEvent::WindowStateChange && watched == sub_ && !reframing_)
        noteBeforeStateChange(static_cast<QWindowStateChangeEvent*>(e)->oldState());
    return QWidget::eventFilter(watched, e);
}

// Taken while the frame still lies where the user saw it: the first of the
// changes a maximise passes through.
void Form::noteBeforeStateChange(Qt::WindowStates old)
{
    QMdiArea* area = sub_->mdiArea();
    if (area && !maximisedFromPlace_ && sub_->isVisible() && !(old & (Qt::WindowMaximized | Qt::WindowMinimized)) &&
        sub_->isMaximized()) {
        viewBeforeMaximised_ = QPoint(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value());
        placeBeforeMaximised_ = sub_->pos();
        maximisedFromPlace_ = true;
    }
}

// The document area scrolls by moving its windows. A frame that is maximised
// takes the start of the area, counted from where the area is scrolled to:
// the view goes to that start, so the frame fills the area from its top.
// Restored, the frame goes back to its place as if the view had never moved,
// which the scroll since then knows nothing of; it is put there as the view
// stands now, and then the view goes back to what it showed before the
// maximise, which takes every window to where it was.
void Form::keepViewAcross(Qt::WindowStates old, Qt::WindowStates now)
{
    QMdiArea* area = sub_ ? sub_->mdiArea() : nullptr;
    if (reframing_ || !area)
        return;
    const bool restored = !sub_->isMaximized() && !sub_->isMinimized();
    // What was noted before the maximise serves until the window is restored.
    const bool noted = std::exchange(maximisedFromPlace_, maximisedFromPlace_ && !restored);
    if (comingUp && comingUp != this)
        return;
    const bool was = old & Qt::WindowMaximized, is = now & Qt::WindowMaximized;
    QScrollBar* h = area->horizontalScrollBar();
    QScrollBar* v = area->verticalScrollBar();
    if (is && !was) {
        h->setValue(0);
        v->setValue(0);
    } else if (was && !is && restored && noted) {
        const QPoint scrolled(h->value(), v->value());
        sub_->move(placeBeforeMaximised_ + viewBeforeMaximised_ - scrolled);
        h->setValue(viewBeforeMaximised_.x());
        v->setValue(viewBeforeMaximised_.y());
    }
    // The frame hides itself while it changes state, which hands the focus
    // on to the next control, and only a maximise gives it back. Given back
    // here, it selects nothing: a line box selects its text only when a key
    // brings the focus.
    QWidget* focus = lastFocus_;
    QWidget* holder = QApplication::focusWidget();
    if (focus && focus != holder && !sub_->isMinimized() && focus->isVisible() && focus->isEnabled() &&
        (!holder || holder == sub_ || isAncestorOf(holder)))
        focus->setFocus(Qt::OtherFocusReason);
}

namespace {

// What the window manager draws round a top-level window, as it draws it
// round the main window (a window not shown yet has no frame to measure).
QMargins windowFrame(const QWidget* w)
{
    const QWidget* measured = w->isVisible() ? w : mainWindow();
    if (!measured || !measured->isVisible())
        return {};
    const QRect outer = measured->frameGeometry(), inner = measured->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

QScreen* programScreen()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (QWidget* main = mainWindow(); main && main->screen())
        screen = main->screen();
    return screen;
}

QRect availableArea()
{
    QScreen* screen = programScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QPoint screenOrigin()
{
    QScreen* screen = programScreen();
    return screen ? screen->geometry().topLeft() : QPoint();
}

} // namespace

void Form::fitToRoom()
{
    int room = 0;
    if (sub_) {
        QMdiArea* area = sub_->mdiArea();
        if (!area || !area->isVisible())
            return;
        const QMargins frame = sub_->contentsMargins();
        auto roomInArea = [&] {
            return area->viewport()->height() - twipsToPixelsY(top_) - frame.top() - frame.bottom();
        };
        // The main window may not have laid out the area for what it shows
        // now (a band that gave way): measure it once it has.
        if (height() > roomInArea())
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        room = roomInArea();
    } else if (kind_ == Kind::Dialog) {
        const QRect area = availableArea();
        if (area.isEmpty())
            return;
        const QMargins frame = windowFrame(this);
        room = area.height() - (placed_ ? twipsToPixelsY(top_) : 0) - frame.top() - frame.bottom();
    } else {
        return;
    }
    if (room > 0 && height() > room)
        GiveUpHeight(height() - room);
}

void Form::placeDialog(const QMargins& frame)
{
    // A dialog that placed itself opens there, on the screen: its Left and
    // Top count from the screen's corner, as the screen width it was centred
    // on does. Any other opens in the middle of the available area. Either
    // way its frame lies inside the available area.
    const QRect area = availableArea();
    if (area.isEmpty())
        return;
    QRect outer(QPoint(), size().grownBy(frame));
    if (placed_)
        outer.moveTopLeft(screenOrigin() + QPoint(twipsToPixelsX(left_), twipsToPixelsY(top_)));
    else
        outer.moveCenter(area.center());
    const int x = std::clamp(outer.left(), area.left(), std::max(area.left(), area.right() + 1 - outer.width()));
    const int y = std::clamp(outer.top(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height()));
    move(x, y);
}

// The window manager frames a new window a little after it is shown; until
// then the window has no frame to measure. Once it has one, the window is
// placed again if the frame is not the one it was placed with. Where no frame
// ever comes (a window manager that draws none), the guess stands.
void Form::placeOnceFramed(QMargins guessed, int triesLeft)
{
    if (!isVisible())
        return;
    const QMargins frame = windowFrame(this);
    if (frame.isNull()) {
        if (triesLeft > 0)
            QTimer::singleShot(25, this, [this, guessed, triesLeft] { placeOnceFramed(guessed, triesLeft - 1); });
        return;
    }
    if (frame != guessed) {
        fitToRoom();
        placeDialog(frame);
    }
}

void Form::pressOnKeys(QPushButton* button, std::initializer_list<QKeySequence> keys)
{
    for (const QKeySequence& key : keys) {
        auto* s = new QShortcut(key, this);
        s->setContext(Qt::WindowShortcut);
        s->setAutoRepeat(false); // a key held down presses it once
        connect(s, &QShortcut::activated, button, &QPushButton::click);
    }
}

void Form::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (kind_ == Kind::Dialog && e->type() == QEvent::WindowStateChange && isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
}

void Form::Show()
{
    // A window opens where a fresh start puts it: its place counts from the
    // start of the document area, so the view goes back there first, whatever
    // an earlier window was scrolled to.
    if (sub_ && sub_->isHidden())
        if (QMdiArea* area = sub_->mdiArea()) {
            // A modal window gives the view back to the window it was opened
            // over when it goes.
            if (modal_) {
                opener_ = area->activeSubWindow();
                openerView_ = QPoint(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value());
            }
            area->horizontalScrollBar()->setValue(0);
            area->verticalScrollBar()->setValue(0);
        }
    fitToRoom();
    applyGeometry();
    if (sub_) {
        const Form* before = std::exchange(comingUp, this);
        // Over a maximised window a modal one opens maximised too, and the
        // window under it stays as it is, to be found so when it is gone.
        QMdiArea* area = sub_->mdiArea();
        const bool overMaximised = area && modal_ && opener_ && opener_->isMaximized() && sub_->isHidden();
        const bool keepMaximised = area && area->testOption(QMdiArea::DontMaximizeSubWindowOnActivation);
        if (overMaximised)
            area->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
        sub_->show();
        sub_->raise();
        if (area)
            area->setActiveSubWindow(sub_);
        if (overMaximised) {
            area->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, keepMaximised);
            sub_->showMaximized();
        }
        comingUp = before;
    }
    const bool placing = kind_ == Kind::Dialog && !isVisible();
    const QMargins estimate = windowFrame(this);
    if (placing)
        placeDialog(estimate);
    show();
    if (placing)
        placeOnceFramed(estimate, 40);
    raise();
    activateWindow();
    forms::menusChanged();
}

void Form::ShowModal()
{
    modal_ = true;
    // Taken before this window shows and the rest is disabled, which would
    // move the focus away.
    platform::ReturnToOpener opener;
    QPointer<QMdiSubWindow> openerChild;
    if (QMdiArea* area = forms::mdiArea())
        openerChild = area->activeSubWindow();
    if (kind_ == Kind::Dialog) {
        // Owned by the main window, so it stays above it; the modality must
        // be set before the window is shown, or it has no effect.
        QWidget* owner = mainWindow();
        if (owner && parentWidget() != owner)
            setParent(owner, windowFlags());
        setWindowModality(Qt::ApplicationModal);
    }
    Show();
    if (!forms::modalLoops())
        return;
    // Kept here: the window is gone when the wait ends.
    const QPointer<QMdiSubWindow> viewOwner = opener_;
    const QPoint openerView = openerView_;

    // A child window cannot be modal to its own main window in Qt's sense:
    // everything else of the main window is disabled until it is gone.
    QList<QPointer<QWidget>> disabled;
    if (kind_ == Kind::MdiChild) {
        auto disable = [&](QWidget* w) {
            if (w && w->isEnabled() && w != frame()) {
                w->setEnabled(false);
                disabled << w;
            }
        };
        if (QMdiArea* area = forms::mdiArea()) {
            for (QMdiSubWindow* s : area->subWindowList())
                disable(s);
            if (auto* main = qobject_cast<QMainWindow*>(area->window())) {
                // The main window's own menus go grey; the other windows'
                // menus already are, with their windows. The bar itself stays
                // on: a maximised child keeps its buttons there.
                for (QMenu* menu : main->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
                    disable(menu);
                if (QWidget* central = main->centralWidget())
                    for (QWidget* child : central->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                        if (child != area)
                            disable(child);
            }
        }
    }

    QPointer<Form> self(this);
    forms::ModalScope scope;
    QEventLoop loop;
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    connect(this, &Form::hiddenByProgram, &loop, &QEventLoop::quit);
    if (self && self->isVisible())
        loop.exec();
    for (const auto& w : disabled)
        if (w)
            w->setEnabled(true);
    if (self)
        self->modal_ = false;

    // Back to the window that opened this one, its view, its menus and its
    // focus.
    if (viewOwner)
        giveViewBack(viewOwner, openerView);
    else if (openerChild && openerChild->isVisible())
        if (QMdiArea* area = openerChild->mdiArea())
            area->setActiveSubWindow(openerChild);
    opener.handBack();
    forms::menusChanged();
}

void Form::Hide()
{
    if (sub_)
        sub_->hide();
    hide();
    if (opener_ != sub_)
        giveViewBack(opener_, openerView_);
    opener_.clear();
    forms::menusChanged();
    emit hiddenByProgram();
}

void Form::Unload()
{
    forms::unload(name_);
}

void Form::closeEvent(QCloseEvent* e)
{
    // Closing the window unloads it, as its close box does.
    e->ignore();
    if (forms::isLoaded(name_) && &forms::get(name_) == this)
        Unload();
}
