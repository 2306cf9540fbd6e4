#include "TabStrip.h"

#include <QKeyEvent>
#include <QMouseEvent>

TabStrip::TabStrip(QWidget* parent) : QTabBar(parent)
{
    setExpanding(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0)
            emit Click();
    });
}

void TabStrip::setSelectedItem(int index)
{
    if (index >= 1 && index <= count())
        setCurrentIndex(index - 1);
}

void TabStrip::mousePressEvent(QMouseEvent* e)
{
    // Only the left button chooses a tab.
    if (e->button() != Qt::LeftButton) {
        e->accept();
        return;
    }
    QTabBar::mousePressEvent(e);
}

void TabStrip::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) {
        e->accept();
        return;
    }
    QTabBar::mouseReleaseEvent(e);
}

void TabStrip::keyPressEvent(QKeyEvent* e)
{
    // Ctrl+Tab and Ctrl+Shift+Tab step through the tabs, round the end.
    if ((e->modifiers() & Qt::ControlModifier) && (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab)) {
        if (count() > 0) {
            const bool back = e->key() == Qt::Key_Backtab || (e->modifiers() & Qt::ShiftModifier);
            setCurrentIndex((currentIndex() + (back ? count() - 1 : 1)) % count());
        }
        e->accept();
        return;
    }
    QTabBar::keyPressEvent(e);
}
