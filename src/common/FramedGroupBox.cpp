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

QString FramedGroupBox::RoundedLook(double points, const QColor& border, const QColor& fill)
{
    return QStringLiteral("QGroupBox { font-family: Verdana; font-size: %1pt; font-weight: bold; border: 1px solid %2;"
                          " border-radius: 4px; margin-top: 9px; background: %3; }"
                          "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }")
        .arg(points)
        .arg(border.name(), fill.name());
}

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
