#include "DocumentScrollBar.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionSlider>

#include <algorithm>

namespace {

// The handle's fill while the pointer is away from it, and its outline.
const QColor HandleFill(0xc6, 0x8a, 0xa0);
const QColor HandleOutline(0x7a, 0x1f, 0x3d);

// Draws the bar as the program's style does, then the handle over it in the
// colours of the main window's bands.
class HandleStyle : public QProxyStyle {
public:
    void drawComplexControl(ComplexControl cc, const QStyleOptionComplex* opt, QPainter* p,
                            const QWidget* w) const override
    {
        QProxyStyle::drawComplexControl(cc, opt, p, w);
        const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(opt);
        if (cc != CC_ScrollBar || !bar || bar->minimum == bar->maximum || !(bar->state & State_Enabled))
            return;
        const QRect handle = subControlRect(cc, opt, SC_ScrollBarSlider, w);
        if (handle.width() < 3 || handle.height() < 3)
            return;
        const bool onHandle = bar->activeSubControls & SC_ScrollBarSlider;
        QColor fill = HandleFill;
        if (onHandle && (bar->state & State_Sunken))
            fill = fill.darker(125);
        else if (onHandle && (bar->state & State_MouseOver))
            fill = fill.darker(110);
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->setPen(HandleOutline);
        p->setBrush(fill);
        p->drawRoundedRect(QRectF(handle).adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
        p->restore();
    }
};

QStyle* handleStyle()
{
    // One for the whole run, shared by both bars.
    static QStyle* style = new HandleStyle;
    return style;
}

} // namespace

DocumentScrollBar::DocumentScrollBar(Qt::Orientation orientation, QAbstractScrollArea* area)
    : QScrollBar(orientation), area_(area)
{
    setStyle(handleStyle());
}

void DocumentScrollBar::sliderChange(SliderChange change)
{
    QScrollBar::sliderChange(change);
    // The area sets the steps again whenever its windows or its size change.
    if (change == SliderValueChange || adjusting_ || !area_)
        return;
    const QSize view = area_->viewport()->size();
    const int page = std::max(1, orientation() == Qt::Vertical ? view.height() : view.width());
    adjusting_ = true;
    setPageStep(page);
    setSingleStep(std::max(1, page / 20));
    adjusting_ = false;
}
