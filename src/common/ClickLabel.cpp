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
