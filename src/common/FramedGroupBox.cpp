#include "FramedGroupBox.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionGroupBox>

FramedGroupBox::FramedGroupBox(const QString& title, QWidget* parent, const QString& look)
    : QGroupBox(title, parent), painter_(std::make_unique<QGroupBox>())
{
    painter_->setStyleSheet(look);
    painter_->ensurePolished();
}

FramedGroupBox::~FramedGroupBox() = default;

void FramedGroupBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QStyleOptionGroupBox opt;
    initStyleOption(&opt);
    painter_->style()->drawComplexControl(QStyle::CC_GroupBox, &opt, &p, painter_.get());
}
