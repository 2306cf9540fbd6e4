#include "FramedGroupBox.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionGroupBox>

FramedGroupBox::FramedGroupBox(const QString& title, QWidget* parent, const QString& look, const QColor& titleColour)
    : QGroupBox(title, parent), painter_(std::make_unique<QGroupBox>()), titleColour_(titleColour)
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
    // The title's colour is not handed on to the box's controls.
    if (titleColour_.isValid()) {
        opt.palette.setColor(QPalette::WindowText, titleColour_);
        opt.textColor = titleColour_;
    }
    painter_->style()->drawComplexControl(QStyle::CC_GroupBox, &opt, &p, painter_.get());
}
