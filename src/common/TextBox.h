#pragma once

#include <QPlainTextEdit>

// A read-only text box as the result windows show their values in: one line,
// or several with a vertical scroll bar.
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr, bool multiLine = false);

    QString Text() const { return toPlainText(); }
    void setText(const QString& text);
    // The height in pixels that shows exactly this many whole lines.
    int HeightForLines(int lines);
};
