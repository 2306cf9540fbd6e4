#pragma once

#include <QScrollBar>

class QAbstractScrollArea;

// A scroll bar of the document area. The area would make a page as long as
// all its windows together: the handle then always covers more than half of
// its groove, so the bit of bare groove beside it reads as the handle, and a
// click in the groove jumps straight to the far end. Here a page is what the
// area shows, so the handle's length is the share of the windows in view, a
// click in the groove moves on by one page, and the handle is drawn darker
// than its groove so it cannot be taken for it.
class DocumentScrollBar : public QScrollBar {
public:
    DocumentScrollBar(Qt::Orientation orientation, QAbstractScrollArea* area);

protected:
    void sliderChange(SliderChange change) override;

private:
    QAbstractScrollArea* area_;
    bool adjusting_ = false;
};
