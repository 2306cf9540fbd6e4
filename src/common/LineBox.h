#pragma once

#include <QLineEdit>

// A read-only one-line value box of a result window. It looks like a one-line
// TextBox (same frame, margins and colours) but is a single widget, where a
// TextBox is a scroll area of five: a window with dozens of values builds
// much faster. Its text shows from the start, however long.
class LineBox : public QLineEdit {
    Q_OBJECT
public:
    explicit LineBox(QWidget* parent = nullptr);

    QString Text() const { return text(); }
    // The height that shows one line, as a one-line TextBox has it.
    int OneLineHeight();

protected:
    void paintEvent(QPaintEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
};

// The text of a result window's value box, one-line or multi-line.
QString BoxText(const QWidget* box);
void SetBoxText(QWidget* box, const QString& text);
