#include "ApplicationKeys.h"

#include "ApplicationFilter.h"
#include "Form.h"
#include "KeyFilter.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

#include <algorithm>

namespace {

// Text that a text box would insert: anything but control codes, which the
// boxes take as editing keys (Alt+Backspace undoes) or leave alone.
bool insertsText(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() != QChar::Other_Control; });
}

bool isEnter(const QKeyEvent* e)
{
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

// The window a widget belongs to: the program's window that holds it (a
// child window of the document area counts as a window of its own), or else
// its top-level window (a message box, a menu).
QWidget* windowOf(QWidget* w)
{
    for (QWidget* p = w; p; p = p->parentWidget()) {
        if (qobject_cast<Form*>(p) || p->isWindow())
            return p;
    }
    return w;
}

class ApplicationKeys : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if ((type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride) ||
            !watched->isWidgetType())
            return false;
        auto* w = static_cast<QWidget*>(watched);
        auto* e = static_cast<QKeyEvent*>(event);
        if (sentHere(w, e) && !followHeldKey(w, e)) {
            e->accept();
            return true;
        }
        if (type != QEvent::KeyPress)
            return false;
        if (auto* button = qobject_cast<QPushButton*>(w))
            return pressButton(button, e);
        // A dialog presses its default button on Enter from any of its boxes.
        if (e->isAutoRepeat() && isEnter(e) && qobject_cast<QDialog*>(w))
            return true;
        return commandKeyInTextBox(w, e);
    }

private:
    // Qt hands a key event that a widget leaves to the widget's parents, one
    // after the other; the widget it was sent to is the one that counts.
    bool sentHere(QWidget* w, const QKeyEvent* e)
    {
        const bool passedUp = e == sent_.event && e->type() == sent_.type && sent_.to && sent_.to != w &&
                              w->isAncestorOf(sent_.to);
        if (!passedUp)
            sent_ = {e, e->type(), w};
        return !passedUp;
    }

    // A key held down repeats in the window it went down in, and nowhere
    // else: a window that opened meanwhile (a message box, the About box) or
    // took the keys when that one closed never sees a press meant for
    // another. False for a repeat that goes nowhere.
    bool followHeldKey(QWidget* w, const QKeyEvent* e)
    {
        if (!e->isAutoRepeat()) {
            if (e->type() == QEvent::KeyRelease) {
                if (e->key() == held_.key) {
                    released_ = {held_.key, e->timestamp(), held_.window};
                    held_ = {};
                }
                return true;
            }
            // The X server sends a repeat as a release and a press of one
            // time; when the press reaches the queue late, the pair passes
            // for a new press. No hand lets go and presses again within the
            // same millisecond.
            if (e->timestamp() != 0 && e->key() == released_.key && e->timestamp() == released_.time &&
                released_.window) {
                held_ = {released_.key, released_.window};
                return windowOf(w) == held_.window;
            }
            released_ = {};
            held_ = {e->key(), windowOf(w)};
            return true;
        }
        return e->key() == held_.key && held_.window && windowOf(w) == held_.window;
    }

    // AltGr is no Alt here: the platform reports it as a group switch, so
    // the characters it types still arrive.
    static bool commandKeyInTextBox(const QWidget* w, const QKeyEvent* e)
    {
        if (!(e->modifiers() & (Qt::AltModifier | Qt::MetaModifier)))
            return false;
        // Text boxes are the widgets that take typed text; read-only ones
        // do not.
        if (!w->testAttribute(Qt::WA_InputMethodEnabled) || keyfilter::isFiltered(w))
            return false;
        return insertsText(e->text());
    }

    static bool pressButton(QPushButton* button, const QKeyEvent* e)
    {
        if (!isEnter(e))
            return false;
        // A held Enter presses a button once, a dialog's buttons too.
        if (e->isAutoRepeat())
            return true;
        if ((e->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        // A dialog's buttons and a default button take Enter themselves.
        if (button->autoDefault() || button->isDefault())
            return false;
        button->click();
        return true;
    }

    struct Sent {
        const QEvent* event = nullptr;
        QEvent::Type type = QEvent::None;
        QPointer<QWidget> to;
    } sent_;
    struct Held {
        int key = 0;
        QPointer<QWidget> window;
    } held_;
    struct Released {
        int key = 0;
        quint64 time = 0;
        QPointer<QWidget> window;
    } released_;
};

} // namespace

void InstallApplicationKeys()
{
    installApplicationFilter<ApplicationKeys>();
}
