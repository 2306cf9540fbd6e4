#include "ApplicationKeys.h"

#include "ApplicationFilter.h"
#include "Form.h"
#include "KeyboardState.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

#include <algorithm>
#include <optional>

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
public:
    ApplicationKeys() { platform::requestDetectableAutoRepeat(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::ApplicationActivate || type == QEvent::ApplicationDeactivate) {
            forgetKeyLetGoElsewhere(type == QEvent::ApplicationActivate);
            return false;
        }
        if ((type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride) ||
            !watched->isWidgetType())
            return false;
        auto* w = static_cast<QWidget*>(watched);
        auto* e = static_cast<QKeyEvent*>(event);
        if (sentHere(w, e)) {
            switch (followHeldKey(w, e)) {
            case Follow::Yes:
                break;
            case Follow::AsRepeat:
                resendAsRepeat(w, e);
                return true;
            case Follow::No:
                e->accept();
                return true;
            }
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
    enum class Follow {
        Yes,      // goes on as it is
        AsRepeat, // a repeat the window system did not mark as one
        No,       // goes nowhere
    };

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

    // The key held down: it went down and has not come up since.
    struct Held {
        bool down = false;
        int key = 0;
        quint32 scanCode = 0;
        QPointer<QWidget> window; // where it went down; null once that is gone
    };

    // One key: by its scan code where both have one, else by its key.
    static bool oneKey(quint32 scanCode, int key, const QKeyEvent* e)
    {
        return scanCode != 0 && e->nativeScanCode() != 0 ? e->nativeScanCode() == scanCode : e->key() == key;
    }

    static bool sameKey(const Held& h, const QKeyEvent* e) { return h.down && oneKey(h.scanCode, h.key, e); }

    Follow inHeldWindow(QWidget* w) const
    {
        return held_.window && windowOf(w) == held_.window ? Follow::Yes : Follow::No;
    }

    // A key held down repeats in the window it went down in, and nowhere
    // else: a window that opened meanwhile (a message box, the About box) or
    // took the keys when that one closed never sees a press or the release
    // meant for another.
    Follow followHeldKey(QWidget* w, const QKeyEvent* e)
    {
        if (e->type() == QEvent::KeyRelease)
            return followRelease(w, e);
        // A repeat asks for no shortcut: a held key acts once.
        if (e->isAutoRepeat())
            return sameKey(held_, e) && e->type() == QEvent::KeyPress ? inHeldWindow(w) : Follow::No;
        // The press a shortcut was offered and the press itself are one.
        const bool seen = e->timestamp() != 0 && e->timestamp() == lastPress_.time &&
                          oneKey(lastPress_.scanCode, lastPress_.key, e);
        if (!seen) {
            lastPress_ = {e->timestamp(), e->nativeScanCode(), e->key(), isRepeat(e)};
            if (!lastPress_.repeat) {
                released_ = {};
                held_ = {true, e->key(), e->nativeScanCode(), windowOf(w)};
            }
        }
        if (!lastPress_.repeat)
            return Follow::Yes;
        if (inHeldWindow(w) == Follow::No)
            return Follow::No;
        // The box it types into takes it as the repeat it is.
        return e->type() == QEvent::ShortcutOverride ? Follow::No : Follow::AsRepeat;
    }

    // A press the window system did not mark as a repeat that still is one.
    bool isRepeat(const QKeyEvent* e)
    {
        // A key that is still down: the window system sends a held key as
        // presses and one release when it is let go.
        if (e->nativeScanCode() != 0 && sameKey(held_, e))
            return true;
        // The X server that cannot do that sends each repeat as a release
        // and a press of one time; when the press reaches the queue late,
        // the pair passes for a new press. No hand lets go and presses again
        // within the same millisecond.
        if (e->timestamp() != 0 && e->timestamp() == released_.time && sameKey(released_.held, e)) {
            held_ = released_.held;
            released_ = {};
            return true;
        }
        return false;
    }

    Follow followRelease(QWidget* w, const QKeyEvent* e)
    {
        if (e->isAutoRepeat())
            return sameKey(held_, e) ? inHeldWindow(w) : Follow::No;
        if (!sameKey(held_, e))
            return Follow::Yes;
        const Follow follow = inHeldWindow(w);
        released_ = {e->timestamp(), held_};
        held_ = {};
        return follow;
    }

    // The release of a key held while another program had the keys went
    // there: once the program has them back, a key that is up is no longer
    // held. Where the window system cannot tell, the key is forgotten as the
    // keys leave.
    void forgetKeyLetGoElsewhere(bool keysBack)
    {
        if (!held_.down)
            return;
        const std::optional<bool> down = platform::isKeyDown(held_.scanCode);
        if (keysBack ? (down && !*down) : !down) {
            held_ = {};
            released_ = {};
        }
    }

    // Sends the press again marked as the repeat it is, so every box and
    // button takes it as one (a button is pressed once, a filtered box says
    // its message once).
    static void resendAsRepeat(QWidget* w, QKeyEvent* e)
    {
        QKeyEvent repeat(e->type(), e->key(), e->modifiers(), e->nativeScanCode(), e->nativeVirtualKey(),
                         e->nativeModifiers(), e->text(), true, e->count(), e->device());
        repeat.setTimestamp(e->timestamp());
        QApplication::sendEvent(w, &repeat);
        // Handed up the parents already, so the press itself goes no further.
        e->accept();
    }

    // AltGr is no Alt here: the platform reports it as a group switch, so
    // the characters it types still arrive.
    static bool commandKeyInTextBox(const QWidget* w, const QKeyEvent* e)
    {
        if (!(e->modifiers() & (Qt::AltModifier | Qt::MetaModifier)))
            return false;
        // Text boxes are the widgets that take typed text; read-only ones
        // do not.
        if (!w->testAttribute(Qt::WA_InputMethodEnabled))
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
    Held held_;
    struct Released {
        quint64 time = 0;
        Held held;
    } released_;
    struct Press {
        quint64 time = 0;
        quint32 scanCode = 0;
        int key = 0;
        bool repeat = false;
    } lastPress_;
};

} // namespace

void InstallApplicationKeys()
{
    installApplicationFilter<ApplicationKeys>();
}
