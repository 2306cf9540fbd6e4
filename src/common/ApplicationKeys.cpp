#include "ApplicationKeys.h"

#include "ApplicationFilter.h"
#include "KeyFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>

namespace {

// Text that a text box would insert: anything but control codes, which the
// boxes take as editing keys (Alt+Backspace undoes) or leave alone.
bool insertsText(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() != QChar::Other_Control; });
}

class ApplicationKeys : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        auto* w = static_cast<QWidget*>(watched);
        const auto* e = static_cast<QKeyEvent*>(event);
        if (auto* button = qobject_cast<QPushButton*>(w))
            return pressButton(button, e);
        return commandKeyInTextBox(w, e);
    }

private:
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
        if (e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter)
            return false;
        if ((e->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || e->isAutoRepeat())
            return false;
        // A dialog's buttons and a default button take Enter themselves.
        if (button->autoDefault() || button->isDefault())
            return false;
        button->click();
        return true;
    }
};

} // namespace

void InstallApplicationKeys()
{
    installApplicationFilter<ApplicationKeys>();
}
