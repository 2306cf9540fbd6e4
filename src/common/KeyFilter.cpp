#include "KeyFilter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace keyfilter {

namespace {

bool accepted(char16_t c, Accepts accepts)
{
    if (c == 8 || c == 127)
        return true;
    if (accepts == Accepts::Digits)
        return c >= u'0' && c <= u'9';
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u' ';
}

bool allAccepted(const QString& text, Accepts accepts)
{
    for (QChar c : text)
        if (!accepted(c.unicode(), accepts))
            return false;
    return true;
}

bool allEditing(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() != 8 && c.unicode() != 127)
            return false;
    return true;
}

class Filter : public QObject {
public:
    Filter(QLineEdit* box, Accepts accepts, std::function<void(QLineEdit*)> refused)
        : QObject(box), box_(box), accepts_(accepts), refused_(std::move(refused))
    {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != box_)
            return false;
        if (event->type() == QEvent::KeyPress)
            return keyPress(static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::InputMethod)
            return inputMethod(static_cast<QInputMethodEvent*>(event));
        return false;
    }

private:
    bool keyPress(const QKeyEvent* e)
    {
        if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab)
            return false; // the focus moves on
        const QString text = e->text();
        if (text.isEmpty())
            return false; // arrows, Home, Delete...: nothing typed
        const auto mods = e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (mods == Qt::ControlModifier || mods == (Qt::ControlModifier | Qt::ShiftModifier)) {
            const char16_t c = text.at(0).unicode();
            const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
            // The code Ctrl with a letter types, whatever text the platform
            // put into the event.
            if (accepted(letter ? char16_t(c & 0x1F) : c, accepts_))
                return false;
            refuse(e);
            return true;
        }
        // With Alt or Meta the key was meant as a command, not typing: one
        // that no shortcut took types nothing and is no refused character.
        // Only the editing codes go through (Alt+Backspace undoes).
        if (mods & (Qt::AltModifier | Qt::MetaModifier))
            return !allEditing(text);
        if (allAccepted(text, accepts_))
            return false;
        refuse(e);
        return true;
    }

    // A key held down says its message once: its repeats are thrown away
    // quietly.
    void refuse(const QKeyEvent* e)
    {
        if (!e->isAutoRepeat())
            refuse();
    }

    bool inputMethod(QInputMethodEvent* e)
    {
        if (e->commitString().isEmpty() || allAccepted(e->commitString(), accepts_))
            return false;
        // The box still gets the rest of the event, so a composition shown
        // while it was being typed goes away; the text itself does not.
        QInputMethodEvent rest(QString(), e->attributes());
        QCoreApplication::sendEvent(box_, &rest);
        refuse();
        return true;
    }

    void refuse()
    {
        if (refused_)
            refused_(box_);
    }

    QLineEdit* box_;
    Accepts accepts_;
    std::function<void(QLineEdit*)> refused_;
};

} // namespace

void install(QLineEdit* box, Accepts accepts, std::function<void(QLineEdit*)> refused)
{
    new Filter(box, accepts, std::move(refused));
}

} // namespace keyfilter
