#pragma once

#include <QPlainTextEdit>

#include <optional>

// A read-only text box as the result windows show their values in: one line,
// or several with a vertical scroll bar.
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr, bool multiLine = false);

    // The text the box holds, shown or not yet laid out.
    QString Text() const { return pending_ ? *pending_ : toPlainText(); }
    // A box that is not on screen keeps the text and lays it out when it is
    // first shown: most boxes of a result window sit on pages never opened.
    void setText(const QString& text);
    // The height in pixels that shows exactly this many whole lines.
    int HeightForLines(int lines);
    // Shortens a multi-line box to the whole lines its height holds, so the
    // last one it shows is never cut.
    void ShowWholeLines();
    // A one-line box that cannot be as wide as its longest value shows its
    // whole text in a tool tip whenever the text is wider than the box, and
    // draws it shortened with an ellipsis.
    void setWholeTextTip(bool on);
    bool wholeTextTip() const { return wholeTextTip_; }
    bool TextFits();
    // The text as the box draws it: whole, or shortened to the box.
    QString ShownText();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    bool shortened();
    void updateTip();
    void stopAtLastLine();
    bool wholeTextTip_ = false;
    std::optional<QString> pending_;
};

// Every multi-line box of a window shows whole lines (see ShowWholeLines);
// run once the window's style sheet is set.
void ShowWholeLinesIn(QWidget* window);
