#pragma once

#include <QLabel>

// A label for a value of any length (a name or a place as typed): a text
// longer than the label holds is drawn shortened with an ellipsis (on its
// last line, when the label wraps) and shown whole in the label's tool tip.
// text() keeps the whole text.
class ElidingLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidingLabel(QWidget* parent = nullptr);

    void setText(const QString& text);
    // The text as drawn, line by line: whole, or shortened to the label.
    QString ShownText(bool* shortened = nullptr) const;
    bool Shortened() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void updateTip();
};
