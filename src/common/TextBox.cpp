#include "TextBox.h"

#include <QEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QPainter>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <utility>

TextBox::TextBox(QWidget* parent, bool multiLine) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setTabChangesFocus(true);
    if (multiLine) {
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, [this] { stopAtLastLine(); });
    } else {
        setLineWrapMode(QPlainTextEdit::NoWrap);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        document()->setDocumentMargin(2);
    }
    connect(this, &QPlainTextEdit::textChanged, this, [this] { updateTip(); });
}

namespace {

int marginOf(const QPlainTextEdit* box)
{
    return static_cast<int>(std::ceil(box->document()->documentMargin()));
}

// The text as the box gives it back once laid out: every line break one "\n".
QString asShown(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

} // namespace

void TextBox::setText(const QString& text)
{
    if (!isVisible()) {
        pending_ = asShown(text);
        updateTip();
        return;
    }
    pending_.reset();
    setPlainText(text);
}

void TextBox::showEvent(QShowEvent* e)
{
    if (pending_)
        setPlainText(*std::exchange(pending_, std::nullopt));
    QPlainTextEdit::showEvent(e);
}

int TextBox::HeightForLines(int lines)
{
    ensurePolished(); // the style sheet's font
    const int margin = marginOf(this);
    // The margin above the text only: below the last whole line nothing of
    // the next one may show.
    return lines * fontMetrics().lineSpacing() + margin + 2 * frameWidth();
}

void TextBox::ShowWholeLines()
{
    ensurePolished();
    const int margin = marginOf(this);
    const int lines = std::max(1, (height() - margin - 2 * frameWidth()) / fontMetrics().lineSpacing());
    resize(width(), HeightForLines(lines));
}

// The plain-text box counts a margin below the last line as well as above
// the first, so a box of whole lines (margin above only) could scroll one
// line further than its text, into blank space. The furthest first line is
// the one that leaves the last line whole at the bottom.
void TextBox::stopAtLastLine()
{
    QScrollBar* bar = verticalScrollBar();
    const qreal room = viewport()->height() - document()->documentMargin();
    int fit = 0;
    qreal used = 0;
    for (QTextBlock b = document()->lastBlock(); b.isValid() && used <= room; b = b.previous()) {
        const QTextLayout* layout = b.layout();
        if (!b.isVisible() || !layout)
            continue;
        for (int i = layout->lineCount() - 1; i >= 0; --i) {
            used += layout->lineAt(i).height();
            if (used > room)
                break;
            ++fit;
        }
    }
    const int furthest = std::max(0, document()->lineCount() - fit);
    if (furthest < bar->maximum())
        bar->setMaximum(furthest);
}

void TextBox::setWholeTextTip(bool on)
{
    wholeTextTip_ = on;
    updateTip();
}

bool TextBox::TextFits()
{
    ensurePolished();
    const int margin = marginOf(this);
    // One pixel more for the caret at the end of the line.
    const int need = fontMetrics().horizontalAdvance(Text()) + 2 * margin + 1;
    return need <= contentsRect().width();
}

bool TextBox::shortened()
{
    return wholeTextTip_ && lineWrapMode() == QPlainTextEdit::NoWrap && !TextFits();
}

QString TextBox::ShownText()
{
    if (!shortened())
        return Text();
    // The room TextFits measures, the caret's pixel included.
    const int room = contentsRect().width() - 2 * marginOf(this) - 1;
    return fontMetrics().elidedText(Text(), Qt::ElideRight, room);
}

void TextBox::paintEvent(QPaintEvent* e)
{
    // While the user selects in it, the box shows its own text, so the
    // selection can be seen.
    if (!shortened() || textCursor().hasSelection()) {
        QPlainTextEdit::paintEvent(e);
        return;
    }
    // Where the box would draw its first line, shortened; the viewport has
    // painted its background already.
    QPainter p(viewport());
    p.setFont(font());
    p.setPen(palette().color(QPalette::Text));
    const int m = marginOf(this);
    p.drawText(viewport()->rect().adjusted(m, m, -m, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
               ShownText());
}

void TextBox::updateTip()
{
    if (!wholeTextTip_)
        return;
    setToolTip(TextFits() ? QString() : Text());
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
