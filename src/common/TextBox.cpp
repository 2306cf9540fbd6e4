#include "TextBox.h"

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
