#include "RichTextBox.h"

#include "Cp1252.h"
#include "SafeWrite.h"

#include <QScrollBar>
#include <QShowEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <cmath>
#include <vector>

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard |
                            Qt::LinksAccessibleByMouse);
    setAcceptRichText(false);
}

void RichTextBox::showEvent(QShowEvent* e)
{
    QTextEdit::showEvent(e);
    // A report opens at its start; the insertion point stays where it is.
    if (!e->spontaneous())
        verticalScrollBar()->setValue(0);
}

int RichTextBox::SelStart() const
{
    const QTextCursor c = textCursor();
    return std::min(c.anchor(), c.position());
}

void RichTextBox::setSelStart(int pos)
{
    QTextCursor c = textCursor();
    c.setPosition(std::clamp(pos, 0, TextLength()));
    setTextCursor(c);
}

void RichTextBox::setSelLength(int length)
{
    QTextCursor c = textCursor();
    const int start = SelStart();
    c.setPosition(start);
    c.setPosition(std::clamp(start + std::max(0, length), 0, TextLength()), QTextCursor::KeepAnchor);
    setTextCursor(c);
}

void RichTextBox::setSelText(const QString& text)
{
    QTextCursor c = textCursor();
    QTextCharFormat f = c.charFormat();
    f.setFontWeight(bold_ ? QFont::Bold : QFont::Normal);
    f.setForeground(color_);
    f.setAnchor(false);
    f.clearProperty(QTextFormat::AnchorHref);
    // A line break is "\r\n" in the reports; the box keeps one paragraph
    // break for it.
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    c.insertText(t, f);
    setTextCursor(c);
}

bool RichTextBox::SelBold() const
{
    return bold_;
}

void RichTextBox::setSelBold(bool bold)
{
    bold_ = bold;
}

void RichTextBox::setSelColor(const QColor& color)
{
    color_ = color;
}

QString RichTextBox::Text() const
{
    return toPlainText();
}

void RichTextBox::setText(const QString& text)
{
    clear();
    setSelText(text);
}

int RichTextBox::TextLength() const
{
    return document()->characterCount() - 1;
}

namespace {

void appendEscaped(QByteArray& out, const QString& text)
{
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += static_cast<char>(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u == 0x2028) {
            out += "\\line ";
        } else if (u >= 0x20 && u < 0x80) {
            out += static_cast<char>(u);
        } else if (const int code = platform::cp1252::toCode(ch); u >= 0xA0 && code >= 0x80) {
            // The file declares Windows-1252, so what that code page holds
            // is written as its byte: every reader shows it.
            out += "\\'" + QByteArray::number(code, 16).rightJustified(2, '0');
        } else if (u >= 0x80) {
            // The rest as \uN, N signed 16-bit, followed by the one fallback
            // character (\uc1) that readers without Unicode show.
            out += "\\u" + QByteArray::number(static_cast<int>(static_cast<int16_t>(u))) + '?';
        }
    }
}

} // namespace

void RichTextBox::RemoveLinkStyling(QTextDocument* doc)
{
    // The marked runs are collected first: changing a format while walking
    // the fragments merges and splits them under the iterator.
    struct Run {
        int position, length;
        QTextCharFormat format;
    };
    std::vector<Run> marked;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            if (frag.charFormat().property(AutoLinkProperty).toBool())
                marked.push_back({frag.position(), frag.length(), frag.charFormat()});
        }
    for (const Run& run : marked) {
        QTextCharFormat plain = run.format;
        plain.setAnchor(false);
        plain.clearProperty(QTextFormat::AnchorHref);
        plain.clearProperty(AutoLinkProperty);
        plain.setForeground(run.format.property(SavedForegroundProperty).value<QBrush>());
        plain.setFontUnderline(run.format.property(SavedUnderlineProperty).toBool());
        plain.clearProperty(SavedForegroundProperty);
        plain.clearProperty(SavedUnderlineProperty);
        QTextCursor c(doc);
        c.setPosition(run.position);
        c.setPosition(run.position + run.length, QTextCursor::KeepAnchor);
        c.setCharFormat(plain);
    }
}

std::unique_ptr<QTextDocument> RichTextBox::OutputDocument() const
{
    std::unique_ptr<QTextDocument> doc(document()->clone());
    RemoveLinkStyling(doc.get());
    return doc;
}

QByteArray RichTextBox::toRtf() const
{
    // Colour table: index 0 is the reader's default (auto); then every colour
    // the text uses, in order of first use.
    QList<QRgb> colors;
    const std::unique_ptr<QTextDocument> output = OutputDocument();
    const QTextDocument* doc = output.get();
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QRgb rgb = it.fragment().charFormat().foreground().color().rgb();
            if (!colors.contains(rgb))
                colors << rgb;
        }

    const QString family = font().family();
    const int halfPoints = static_cast<int>(std::lround(font().pointSizeF() > 0 ? font().pointSizeF() * 2 : 20));

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 ";
    appendEscaped(out, family);
    out += ";}}\r\n{\\colortbl ;";
    for (QRgb c : colors)
        out += "\\red" + QByteArray::number(qRed(c)) + "\\green" + QByteArray::number(qGreen(c)) +
               "\\blue" + QByteArray::number(qBlue(c)) + ';';
    out += "}\r\n\\viewkind4\\uc1\\pard\\f0\\fs" + QByteArray::number(halfPoints) + ' ';

    bool bold = false;
    int color = -1;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            const QTextCharFormat f = frag.charFormat();
            const bool fb = f.fontWeight() >= QFont::Bold;
            const int fc = static_cast<int>(colors.indexOf(f.foreground().color().rgb())) + 1;
            if (fb != bold) {
                out += fb ? "\\b " : "\\b0 ";
                bold = fb;
            }
            if (fc != color) {
                out += "\\cf" + QByteArray::number(fc) + ' ';
                color = fc;
            }
            appendEscaped(out, frag.text());
        }
        if (b.next().isValid())
            out += "\\par\r\n";
    }
    out += "\\par\r\n}\r\n";
    return out;
}

bool RichTextBox::SaveFile(const QString& path, QString* error) const
{
    return platform::writeFileSafely(path, toRtf(), error);
}
