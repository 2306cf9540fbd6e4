#include "TextFit.h"

#include "ElidingLabel.h"
#include "TextBox.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTextDocument>

#include <cmath>

namespace {

QString where(const QWidget* w)
{
    QString path;
    for (const QWidget* p = w; p; p = p->parentWidget()) {
        QString name = p->objectName();
        if (name.isEmpty())
            name = QString::fromLatin1(p->metaObject()->className());
        path = path.isEmpty() ? name : name + QLatin1Char('/') + path;
        if (p->isWindow())
            break;
    }
    return path;
}

QString cut(const QWidget* w, const QString& text, const char* how, int need, int have)
{
    return QStringLiteral("%1 \"%2\": %3 (needs %4 px, has %5)")
        .arg(where(w), text.left(80), QString::fromLatin1(how))
        .arg(need)
        .arg(have);
}


void checkLabel(const QLabel* l, QStringList& out)
{
    if (l->text().isEmpty() || !l->pixmap().isNull())
        return;
    if (auto* eliding = qobject_cast<const ElidingLabel*>(l)) {
        // Drawn shortened: the whole text must be in its tool tip.
        if (eliding->Shortened() && l->toolTip() != l->text())
            out << cut(l, l->text(), "shortened without its whole text in the tool tip", l->sizeHint().width(), l->width());
        const int line = l->fontMetrics().height();
        if (line > l->contentsRect().height())
            out << cut(l, l->text(), "taller than its box", line, l->contentsRect().height());
        return;
    }
    const QRect box = l->contentsRect();
    if (l->wordWrap()) {
        const int need = l->heightForWidth(l->width());
        if (need > l->height())
            out << cut(l, l->text(), "wrapped text taller than its box", need, l->height());
        // A word too long for the width is broken inside the word.
        const QFontMetrics fm(l->font());
        if (l->textFormat() != Qt::RichText)
            for (const QString& word : l->text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
                if (fm.horizontalAdvance(word) > box.width() - 2 * l->margin())
                    out << cut(l, word, "word wider than its wrapped box", fm.horizontalAdvance(word),
                               box.width() - 2 * l->margin());
        return;
    }
    const QSize hint = l->sizeHint();
    const int frameAndMargins = l->width() - box.width() + 2 * l->margin();
    const int textWidth = hint.width() - frameAndMargins;
    if (textWidth + frameAndMargins > l->width())
        out << cut(l, l->text(), "wider than its box", textWidth + frameAndMargins, l->width());
    if (hint.height() > l->height() + 1)
        out << cut(l, l->text(), "taller than its box", hint.height(), l->height());
}

void checkButton(const QAbstractButton* b, QStringList& out)
{
    if (b->text().isEmpty())
        return;
    const QSize hint = b->sizeHint();
    const QString shown = QString(b->text()).remove(QLatin1Char('&'));
    const int need = hint.width();
    if (need > b->width())
        out << cut(b, shown, "wider than its box", need, b->width());
}

void checkLineEdit(const QLineEdit* e, QStringList& out)
{
    if (!e->isReadOnly() || e->text().isEmpty())
        return;
    QStyleOptionFrame opt;
    opt.initFrom(e);
    opt.rect = e->rect();
    opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
    opt.state |= QStyle::State_Sunken | QStyle::State_ReadOnly;
    const QMargins tm = e->textMargins();
    const int have = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e).width() - tm.left() - tm.right() - 4;
    const int need = e->fontMetrics().horizontalAdvance(e->text());
    if (need > have)
        out << cut(e, e->text(), "wider than its box", need, have);
}

void checkPlainText(QPlainTextEdit* e, QStringList& out)
{
    auto* box = qobject_cast<TextBox*>(e);
    // A box on a page not opened yet holds its text without laying it out.
    const QString text = box ? box->Text() : e->toPlainText();
    if (box && box->wholeTextTip() && !box->TextFits()) {
        // A box too narrow for its longest value shows it in its tool tip,
        // and shows that it is cut.
        if (box->toolTip() != box->Text())
            out << cut(e, box->Text(), "wider than its box without its whole text in the tool tip", 0,
                       e->contentsRect().width());
        if (!box->ShownText().endsWith(QChar(0x2026)))
            out << cut(e, box->Text(), "cut without a visible ellipsis", 0, e->contentsRect().width());
        return;
    }
    const QFontMetrics fm(e->document()->defaultFont());
    const int margin = static_cast<int>(std::ceil(e->document()->documentMargin()));
    // The viewport of a box on a page not shown yet has not had its size;
    // the box's own contents rectangle has.
    const int viewHeight = e->contentsRect().height();
    if (e->lineWrapMode() == QPlainTextEdit::NoWrap) {
        const QStringList lines = text.split(QLatin1Char('\n'));
        int have = e->contentsRect().width() - 2 * margin;
        if (e->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
            have -= e->verticalScrollBar()->sizeHint().width();
        for (const QString& line : lines) {
            const int need = fm.horizontalAdvance(line) + 1; // the caret's column
            if (!line.isEmpty() && need > have)
                out << cut(e, line, "wider than its box", need, have);
        }
        if (lines.size() == 1 && fm.height() + margin > viewHeight)
            out << cut(e, text, "taller than its box", fm.height() + margin, viewHeight);
        return;
    }
    // A box that scrolls by lines shows whole lines only when the height
    // below its top margin is a whole number of lines; two pixels left over
    // show nothing of the next line.
    const int rest = (viewHeight - margin) % fm.lineSpacing();
    if (rest > 2)
        out << cut(e, text.left(40), "shows part of a line", fm.lineSpacing() - rest + viewHeight, viewHeight);
}

void checkComboBox(const QComboBox* c, QStringList& out)
{
    QStyleOptionComboBox opt;
    opt.initFrom(c);
    opt.editable = c->isEditable();
    opt.frame = c->hasFrame();
    opt.subControls = QStyle::SC_All;
    const QRect field = c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c);
    const int have = field.width() - 2; // the label is drawn a pixel inside the field
    const QFontMetrics fm(c->font());
    for (int i = 0; i < c->count(); ++i) {
        const int need = fm.horizontalAdvance(c->itemText(i));
        if (need > have)
            out << cut(c, c->itemText(i), "list entry wider than its box", need, have);
    }
}

void checkList(const QListWidget* l, QStringList& out)
{
    const QFontMetrics fm(l->font());
    int have = l->contentsRect().width();
    if (l->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff && l->count() > 0
        && l->count() * l->sizeHintForRow(0) > l->contentsRect().height())
        have -= l->verticalScrollBar()->sizeHint().width();
    for (int i = 0; i < l->count(); ++i) {
        const int need = fm.horizontalAdvance(l->item(i)->text()) + 6; // the item's focus and text margins
        if (need > have)
            out << cut(l, l->item(i)->text(), "list entry wider than its box", need, have);
    }
}

} // namespace

QStringList TextsCutByTheirBoxes(QWidget* window)
{
    QStringList out;
    window->ensurePolished();
    QList<QWidget*> all = window->findChildren<QWidget*>();
    all.prepend(window);
    for (QWidget* w : all) {
        if (w->isHidden() && w != window)
            continue;
        w->ensurePolished();
        if (auto* l = qobject_cast<QLabel*>(w))
            checkLabel(l, out);
        else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))
            checkButton(static_cast<QAbstractButton*>(w), out);
        else if (auto* e = qobject_cast<QLineEdit*>(w); e && !qobject_cast<QComboBox*>(w->parentWidget()))
            checkLineEdit(e, out);
        else if (auto* p = qobject_cast<QPlainTextEdit*>(w))
            checkPlainText(p, out);
        else if (auto* c = qobject_cast<QComboBox*>(w))
            checkComboBox(c, out);
        else if (auto* lw = qobject_cast<QListWidget*>(w))
            checkList(lw, out);
    }
    return out;
}
