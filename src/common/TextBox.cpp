#include "TextBox.h"

#include <QEvent>
#include <QTextDocument>

#include <cmath>

TextBox::TextBox(QWidget* parent, bool multiLine) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setTabChangesFocus(true);
    if (multiLine) {
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    } else {
        setLineWrapMode(QPlainTextEdit::NoWrap);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        document()->setDocumentMargin(2);
    }
    connect(this, &QPlainTextEdit::textChanged, this, [this] { updateTip(); });
}

void TextBox::setText(const QString& text)
{
    setPlainText(text);
}

int TextBox::HeightForLines(int lines)
{
    ensurePolished(); // the style sheet's font
    const int margin = static_cast<int>(std::ceil(document()->documentMargin()));
    // The margin above the text only: below the last whole line nothing of
    // the next one may show.
    return lines * fontMetrics().lineSpacing() + margin + 2 * frameWidth();
}

void TextBox::ShowWholeLines()
{
    ensurePolished();
    const int margin = static_cast<int>(std::ceil(document()->documentMargin()));
    const int lines = std::max(1, (height() - margin - 2 * frameWidth()) / fontMetrics().lineSpacing());
    resize(width(), HeightForLines(lines));
}

void TextBox::setWholeTextTip(bool on)
{
    wholeTextTip_ = on;
    updateTip();
}

bool TextBox::TextFits()
{
    ensurePolished();
    const int margin = static_cast<int>(std::ceil(document()->documentMargin()));
    // One pixel more for the caret at the end of the line.
    const int need = fontMetrics().horizontalAdvance(toPlainText()) + 2 * margin + 1;
    return need <= contentsRect().width();
}

void TextBox::updateTip()
{
    if (!wholeTextTip_)
        return;
    setToolTip(TextFits() ? QString() : toPlainText());
}

void TextBox::resizeEvent(QResizeEvent* e)
{
    QPlainTextEdit::resizeEvent(e);
    updateTip();
}

void TextBox::changeEvent(QEvent* e)
{
    QPlainTextEdit::changeEvent(e);
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange)
        updateTip();
}

void ShowWholeLinesIn(QWidget* window)
{
    for (TextBox* box : window->findChildren<TextBox*>())
        if (box->lineWrapMode() != QPlainTextEdit::NoWrap)
            box->ShowWholeLines();
}
