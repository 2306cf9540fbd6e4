#include "ClickLabel.h"

#include <QMouseEvent>

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setMouseTracking(true);
}

void ClickLabel::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        emit clicked();
    QLabel::mousePressEvent(e);
}

void ClickLabel::mouseMoveEvent(QMouseEvent* e)
{
    emit mouseMoved();
    QLabel::mouseMoveEvent(e);
    // Kept here: passed on, the move would reach the panel below, whose own
    // move handler takes the underline off again at once.
    e->accept();
}

ClickLabel* NewLinkLabel(const QString& text, QWidget* parent, Qt::Alignment align)
{
    auto* l = new ClickLabel(text, parent);
    l->setAlignment(align);
    l->setProperty("link", true);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

TrackingPanel::TrackingPanel(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
}

void TrackingPanel::mouseMoveEvent(QMouseEvent* e)
{
    emit mouseMoved();
    QWidget::mouseMoveEvent(e);
}
