#include "TextBox.h"

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
