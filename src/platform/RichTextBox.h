#pragma once

#include <QColor>
#include <QTextEdit>
#include <QTextFormat>

#include <memory>

// The rich-text box of the report windows: text is appended as runs at the
// insertion point with the selection's bold and colour, and the whole box is
// saved as RTF or printed.
class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget* parent = nullptr);

    // Selection, in characters from the start of the text.
    int SelStart() const;
    void setSelStart(int pos);
    void setSelLength(int length);
    // Replaces the selection (or inserts at the insertion point) with text in
    // the current bold and colour.
    void setSelText(const QString& text);
    bool SelBold() const;
    void setSelBold(bool bold);
    void setSelColor(const QColor& color);

    // The whole text; setting it replaces everything.
    QString Text() const;
    void setText(const QString& text);
    int TextLength() const;

    // Link styling is for the screen only: the link hook marks the runs it
    // colours and underlines with these properties and keeps their own look.
    static constexpr int AutoLinkProperty = QTextFormat::UserProperty + 17;
    static constexpr int SavedForegroundProperty = QTextFormat::UserProperty + 18;
    static constexpr int SavedUnderlineProperty = QTextFormat::UserProperty + 19;
    // Gives every marked run its own colour and underline back and drops
    // its link.
    static void RemoveLinkStyling(QTextDocument* doc);
    // A copy of the document with every run in its own colour and underline,
    // as it is saved and printed.
    std::unique_ptr<QTextDocument> OutputDocument() const;

    // The whole box as an RTF document in 7-bit text: what Windows-1252
    // holds as \'xx, everything else as \uN?.
    QByteArray toRtf() const;
    // Writes toRtf() to path through a temporary file, so a failed write
    // leaves an existing file as it was. On failure, error says why.
    bool SaveFile(const QString& path, QString* error = nullptr) const;

protected:
    void showEvent(QShowEvent* e) override;

private:
    bool bold_ = false;
    QColor color_ = Qt::black;
};
