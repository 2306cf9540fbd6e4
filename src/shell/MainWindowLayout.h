#pragma once

#include <QLayout>

#include <array>

class QMdiArea;
class QScrollArea;

// The main window's column, top to bottom: the top band, the welcome panel,
// the document area and the bottom band. The bands keep their fixed heights
// whatever the window's size, so they stay whole on any screen; the panel
// takes its designed height where there is room and shrinks where there is
// not, and the document area takes what is left. While the document area
// holds a window, the panel gives up its empty lower part, and more if need
// be, so that the area keeps room to scroll to it; the area shows scroll
// bars whenever a window does not fit.
// The panel is shown in a view of its own, which is there while the panel
// is: shrunk below its lowest label, the view scrolls to every label. It
// shows the panel from the top each time the panel comes back.
class MainWindowLayout : public QLayout {
public:
    MainWindowLayout(QWidget* parent, QWidget* topBand, QScrollArea* panelView, int panelHeight, QMdiArea* area,
                     QWidget* bottomBand);
    ~MainWindowLayout() override;

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    Qt::Orientations expandingDirections() const override;
    void setGeometry(const QRect& r) override;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // The panel's height when the given room lies between the bands.
    int panelHeightFor(int room) const;
    bool areaHoldsWindows() const;
    QSize areaMinimum() const;
    void followWindows();
    int bandsHeight() const;
    int panelContentHeight() const;

    QWidget* top_;
    QScrollArea* view_;
    QWidget* panel_;
    QMdiArea* area_;
    QWidget* bottom_;
    int panelHeight_;
    std::array<QLayoutItem*, 4> items_{};
};
