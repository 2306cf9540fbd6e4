#include "ElidingLabel.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>

#include <algorithm>

ElidingLabel::ElidingLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

void ElidingLabel::setText(const QString& text)
{
    QLabel::setText(text);
    updateTip();
}

QString ElidingLabel::ShownText(bool* shortened) const
{
    const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QFontMetrics fm = fontMetrics();
    if (!wordWrap()) {
        const QString shown = fm.elidedText(text(), Qt::ElideRight, room.width());
        if (shortened)
            *shortened = shown != text();
        return shown;
    }
    // Wrapped: as many lines as the height holds (a word too long for a line
    // is broken), the last one shortened when text is left over.
    const int maxLines = std::max(1, room.height() / fm.lineSpacing());
    QTextLayout layout(text(), font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    bool cut = false;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(room.width());
        if (lines.size() == maxLines - 1) {
            const QString rest = text().mid(line.textStart());
            const QString last = fm.elidedText(rest, Qt::ElideRight, room.width());
            cut = last != rest;
            lines << last;
            break;
        }
        lines << text().mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    if (shortened)
        *shortened = cut;
    return lines.join(QLatin1Char('\n'));
}

bool ElidingLabel::Shortened() const
{
    bool shortened = false;
    ShownText(&shortened);
    return shortened;
}

void ElidingLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    drawFrame(&p);
    const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&p, room, QStyle::visualAlignment(layoutDirection(), alignment()), palette(), isEnabled(),
                          ShownText(), foregroundRole());
}

void ElidingLabel::resizeEvent(QResizeEvent* e)
{
    QLabel::resizeEvent(e);
    updateTip();
}

void ElidingLabel::changeEvent(QEvent* e)
{
    QLabel::changeEvent(e);
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange)
        updateTip();
}

void ElidingLabel::updateTip()
{
    setToolTip(Shortened() ? text() : QString());
}
