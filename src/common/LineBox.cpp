#include "LineBox.h"

#include "TextBox.h"

#include <QPainter>
#include <QStyleOptionFrame>

LineBox::LineBox(QWidget* parent) : QLineEdit(parent)
{
    setReadOnly(true);
    // The frame is drawn as a TextBox draws its own; the margins put the text
    // where a TextBox puts it: at the top, inside one pixel of frame and the
    // line's own margin.
    setFrame(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextMargins(1, 2, 1, 1);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    connect(this, &QLineEdit::textChanged, this, [this] { setCursorPosition(0); });
}

int LineBox::OneLineHeight()
{
    ensurePolished(); // the window's font
    const QMargins m = textMargins();
    return fontMetrics().lineSpacing() + m.top() + m.bottom() + 1;
}

void LineBox::focusInEvent(QFocusEvent* e)
{
    // A line edit that takes the focus by a key (or from a window that hands
    // it on so) selects all of its text; a value box shows only what the user
    // selects in it, and its text from the start.
    const bool selected = hasSelectedText();
    QLineEdit::focusInEvent(e);
    if (!selected && hasSelectedText())
        setCursorPosition(0);
}

void LineBox::paintEvent(QPaintEvent* e)
{
    QLineEdit::paintEvent(e);
    QPainter p(this);
    QStyleOptionFrame opt;
    opt.initFrom(this);
    opt.frameShape = QFrame::StyledPanel;
    opt.state |= QStyle::State_Sunken;
    opt.lineWidth = 1;
    opt.midLineWidth = 0;
    style()->drawControl(QStyle::CE_ShapedFrame, &opt, &p, this);
}

QString BoxText(const QWidget* box)
{
    if (auto* line = qobject_cast<const LineBox*>(box))
        return line->Text();
    if (auto* prose = qobject_cast<const TextBox*>(box))
        return prose->Text();
    return {};
}

void SetBoxText(QWidget* box, const QString& text)
{
    if (auto* line = qobject_cast<LineBox*>(box))
        line->setText(text);
    else if (auto* prose = qobject_cast<TextBox*>(box))
        prose->setText(text);
}
