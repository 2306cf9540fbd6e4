#include "MainWindowLayout.h"

#include <QChildEvent>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>

#include <algorithm>

MainWindowLayout::MainWindowLayout(QWidget* parent, QWidget* topBand, QScrollArea* panelView, int panelHeight,
                                   QMdiArea* area, QWidget* bottomBand)
    : QLayout(parent), top_(topBand), view_(panelView), panel_(panelView->widget()), area_(area),
      bottom_(bottomBand), panelHeight_(panelHeight)
{
    setContentsMargins(0, 0, 0, 0);
    // The view fills its width with the panel and its height too, but never
    // makes the panel shorter than its labels: below that it scrolls.
    view_->setWidgetResizable(true);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    panel_->setMinimumSize(0, panelContentHeight());
    view_->setVisible(!panel_->isHidden());
    QWidget* widgets[4] = {top_, view_, area_, bottom_};
    for (std::size_t i = 0; i < items_.size(); ++i) {
        addChildWidget(widgets[i]);
        items_[i] = new QWidgetItem(widgets[i]);
    }
    // The panel's share depends on whether the area holds a window, so the
    // column is laid out again when the panel or a window comes, goes, shows
    // or hides.
    panel_->installEventFilter(this);
    area_->viewport()->installEventFilter(this);
    for (QMdiSubWindow* s : area_->subWindowList())
        s->installEventFilter(this);
}

MainWindowLayout::~MainWindowLayout()
{
    for (QLayoutItem* item : items_)
        delete item;
}

void MainWindowLayout::addItem(QLayoutItem*)
{
    // The column holds its four parts only.
}

QLayoutItem* MainWindowLayout::itemAt(int index) const
{
    return index >= 0 && index < count() ? items_[static_cast<std::size_t>(index)] : nullptr;
}

QLayoutItem* MainWindowLayout::takeAt(int)
{
    return nullptr;
}

int MainWindowLayout::count() const
{
    return static_cast<int>(items_.size());
}

int MainWindowLayout::bandsHeight() const
{
    return top_->minimumHeight() + bottom_->minimumHeight();
}

bool MainWindowLayout::areaHoldsWindows() const
{
    const auto windows = area_->subWindowList();
    return std::any_of(windows.begin(), windows.end(), [](const QMdiSubWindow* s) { return !s->isHidden(); });
}

int MainWindowLayout::panelContentHeight() const
{
    // Down to the lowest label, with as much space below it as above the first.
    const QRect r = panel_->childrenRect();
    return r.isEmpty() ? 0 : r.bottom() + 1 + std::max(0, r.top());
}

QSize MainWindowLayout::areaMinimum() const
{
    // Room for both scroll bars, each long enough to leave a groove beside
    // its handle; the windows inside are reached by them.
    const QScrollBar* h = area_->horizontalScrollBar();
    const QScrollBar* v = area_->verticalScrollBar();
    const int groove = area_->style()->pixelMetric(QStyle::PM_ScrollBarSliderMin, nullptr, v);
    const int frame = 2 * area_->frameWidth();
    return {h->sizeHint().width() + groove + v->sizeHint().width() + frame,
            v->sizeHint().height() + groove + h->sizeHint().height() + frame};
}

int MainWindowLayout::panelHeightFor(int room) const
{
    if (!areaHoldsWindows())
        return std::clamp(room, 0, panelHeight_);
    return std::clamp(std::min(panelContentHeight(), room - areaMinimum().height()), 0, panelHeight_);
}

QSize MainWindowLayout::sizeHint() const
{
    const QSize area = areaMinimum();
    const int panel = panel_->isHidden() ? 0 : panelHeight_;
    return {area.width(), bandsHeight() + panel + area.height()};
}

QSize MainWindowLayout::minimumSize() const
{
    const QSize area = areaMinimum();
    return {area.width(), bandsHeight() + area.height()};
}

Qt::Orientations MainWindowLayout::expandingDirections() const
{
    return Qt::Horizontal | Qt::Vertical;
}

void MainWindowLayout::followWindows()
{
    // Scroll bars while the area holds a window, so that every part of it can
    // be reached. Once the last one goes the bars go too, scrolled back to
    // the start, so the area keeps no scroll position for windows gone.
    const bool holds = areaHoldsWindows();
    const Qt::ScrollBarPolicy policy = holds ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    if (!holds) {
        area_->horizontalScrollBar()->setValue(0);
        area_->verticalScrollBar()->setValue(0);
    }
    if (area_->horizontalScrollBarPolicy() != policy)
        area_->setHorizontalScrollBarPolicy(policy);
    if (area_->verticalScrollBarPolicy() != policy)
        area_->setVerticalScrollBarPolicy(policy);
}

void MainWindowLayout::setGeometry(const QRect& r)
{
    QLayout::setGeometry(r);
    followWindows();
    const int topHeight = top_->minimumHeight();
    const int bottomHeight = bottom_->minimumHeight();
    const int room = std::max(0, r.height() - topHeight - bottomHeight);
    const int panel = panel_->isHidden() ? 0 : panelHeightFor(room);
    int y = r.y();
    top_->setGeometry(r.x(), y, r.width(), topHeight);
    y += topHeight;
    if (!panel_->isHidden())
        view_->setGeometry(r.x(), y, r.width(), panel);
    y += panel;
    area_->setGeometry(r.x(), y, r.width(), room - panel);
    bottom_->setGeometry(r.x(), r.y() + r.height() - bottomHeight, r.width(), bottomHeight);
}

bool MainWindowLayout::eventFilter(QObject* watched, QEvent* e)
{
    switch (e->type()) {
    case QEvent::ChildAdded:
        // A window's frame is still being built here: watch whatever comes.
        if (watched == area_->viewport()) {
            static_cast<QChildEvent*>(e)->child()->installEventFilter(this);
            invalidate();
        }
        break;
    case QEvent::ChildRemoved:
        if (watched == area_->viewport())
            invalidate();
        break;
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        if (watched == panel_) {
            if (e->type() == QEvent::ShowToParent)
                view_->verticalScrollBar()->setValue(0);
            view_->setVisible(e->type() == QEvent::ShowToParent);
        }
        invalidate();
        break;
    default:
        break;
    }
    return false;
}
