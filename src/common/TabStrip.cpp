#include "TabStrip.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

TabStrip::TabStrip(QWidget* parent) : QTabBar(parent)
{
    // The document area cycles its windows on Ctrl+Tab before the key reaches
    // the focus widget; a strip with the focus takes the key first.
    qApp->installEventFilter(this);
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

static bool isCtrlTab(const QKeyEvent* e)
{
    return (e->modifiers() & Qt::ControlModifier) && (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab);
}

bool TabStrip::stepByCtrlTab(QKeyEvent* e)
{
    if (!isCtrlTab(e))
        return false;
    // Ctrl+Tab and Ctrl+Shift+Tab step through the tabs, round the end.
    if (count() > 0) {
        const bool back = e->key() == Qt::Key_Backtab || (e->modifiers() & Qt::ShiftModifier);
        setCurrentIndex((currentIndex() + (back ? count() - 1 : 1)) % count());
    }
    e->accept();
    return true;
}

bool TabStrip::event(QEvent* e)
{
    if (e->type() == QEvent::ShortcutOverride && isCtrlTab(static_cast<QKeyEvent*>(e))) {
        e->accept();
        return true;
    }
    return QTabBar::event(e);
}

bool TabStrip::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == this && e->type() == QEvent::KeyPress)
        return stepByCtrlTab(static_cast<QKeyEvent*>(e));
    return QTabBar::eventFilter(watched, e);
}

void TabStrip::keyPressEvent(QKeyEvent* e)
{
    if (!stepByCtrlTab(e))
        QTabBar::keyPressEvent(e);
}

void TabStrip::BringSelectedToFront() const
{
    const int tab = SelectedItem();
    if (tab >= 1 && tab <= static_cast<int>(pages_.size()))
        BringToFront(pages_[static_cast<std::size_t>(tab - 1)]);
}

void TabStrip::BringToFront(const std::vector<QWidget*>& pages, QWidget* page)
{
    if (std::find(pages.begin(), pages.end(), page) == pages.end())
        return;
    for (QWidget* p : pages)
        if (p != page)
            p->hide();
    page->show();
    page->raise();
}
