#pragma once

#include <QTabBar>

// The tab strip of the tabbed windows. Every change of the selected tab, by a
// click, the arrow keys, Ctrl+Tab, the wheel or the program, is followed by
// Click, so a window that brings its page to the front in its Click handler
// always shows the page of the selected tab. Tabs count from 1.
class TabStrip : public QTabBar {
    Q_OBJECT
public:
    explicit TabStrip(QWidget* parent = nullptr);

    // The selected tab, 1 to Count(); 0 when there is none.
    int SelectedItem() const { return currentIndex() + 1; }
    // Selects tab index (from 1); Click follows when the selection changes.
    void setSelectedItem(int index);
    int Count() const { return count(); }

signals:
    void Click();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool stepByCtrlTab(QKeyEvent* e);
};
