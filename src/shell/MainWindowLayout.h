#pragma once

#include <QLayout>

#include <array>

class QMdiArea;

// The main window's column, top to bottom: the top band, the welcome panel,
// the document area and the bottom band. The bands keep their fixed heights
// whatever the window's size, so they stay whole on any screen; the panel
// takes its designed height where there is room and shrinks where there is
// not, and the document area takes what is left. While the document area
// holds a window, the panel gives up its empty lower part, and more if need
// be, so that the area keeps room to scroll to it; the area shows scroll
// bars whenever a window does not fit.
class MainWindowLayout : public QLayout {
public:
    MainWindowLayout(QWidget* parent, QWidget* topBand, QWidget* panel, int panelHeight, QMdiArea* area,
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
    QWidget* panel_;
    QMdiArea* area_;
    QWidget* bottom_;
    int panelHeight_;
    std::array<QLayoutItem*, 4> items_{};
};
