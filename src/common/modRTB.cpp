#include "modRTB.h"

#include "Desktop.h"
#include "RichTextBox.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QUrl>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Marks the character formats the hook changed, so unhooking, saving and
// printing can undo them.
constexpr int AutoLinkProperty = RichTextBox::AutoLinkProperty;
constexpr int SavedForegroundProperty = RichTextBox::SavedForegroundProperty;
constexpr int SavedUnderlineProperty = RichTextBox::SavedUnderlineProperty;

const QRegularExpression& linkPattern()
{
    static const QRegularExpression re(
        QStringLiteral(R"((?:https?://|www\.)[^\s<>"]+)"),
        QRegularExpression::CaseInsensitiveOption);
    return re;
}

class LinkHook : public QObject {
public:
    LinkHook(QTextEdit* box, QWidget* parent) : box_(box), parent_(parent)
    {
        box_->viewport()->installEventFilter(this);
        conn_ = QObject::connect(box_->document(), &QTextDocument::contentsChange, this,
                                 [this](int pos, int, int added) { markRange(pos, pos + added); });
        markRange(0, box_->document()->characterCount());
    }

    ~LinkHook() override
    {
        if (!box_)
            return;
        QObject::disconnect(conn_);
        box_->viewport()->removeEventFilter(this);
        clearMarks();
    }

    QTextEdit* box() const { return box_; }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonPress && box_) {
            auto* me = static_cast<QMouseEvent*>(e);
            if (me->button() == Qt::LeftButton) {
                const QString href = box_->anchorAt(me->position().toPoint());
                const QString address = LinkAddressToOpen(href);
                if (!address.isEmpty())
                    platform::desktop().OpenUrl(address);
            }
        }
        return false; // the box handles the click as usual
    }

private:
    // Turns every address that lies in the blocks touched by [from, to) into
    // a link.
    void markRange(int from, int to)
    {
        if (busy_ || !box_)
            return;
        busy_ = true;
        QTextDocument* doc = box_->document();
        QTextBlock block = doc->findBlock(std::max(0, from));
        const QTextBlock end = doc->findBlock(std::max(0, to)).next();
        while (block.isValid() && block != end) {
            const QString text = block.text();
            auto it = linkPattern().globalMatch(text);
            while (it.hasNext()) {
                const auto m = it.next();
                QString link = m.captured(0);
                // Sentence punctuation after an address is not part of it.
                while (!link.isEmpty() && QStringLiteral(".,;:!?)'").contains(link.back()))
                    link.chop(1);
                if (link.isEmpty())
                    continue;
                QTextCursor c(doc);
                c.setPosition(block.position() + static_cast<int>(m.capturedStart()));
                c.setPosition(block.position() + static_cast<int>(m.capturedStart()) + link.size(),
                              QTextCursor::KeepAnchor);
                if (c.charFormat().property(AutoLinkProperty).toBool() &&
                    c.charFormat().anchorHref() == link)
                    continue;
                QTextCharFormat f;
                f.setAnchor(true);
                f.setAnchorHref(link);
                f.setProperty(AutoLinkProperty, true);
                const QTextCharFormat old = c.charFormat();
                if (!old.property(AutoLinkProperty).toBool()) {
                    f.setProperty(SavedForegroundProperty, old.foreground());
                    f.setProperty(SavedUnderlineProperty, old.fontUnderline());
                }
                f.setForeground(QColor(0, 0, 255));
                f.setFontUnderline(true);
                c.mergeCharFormat(f);
            }
            block = block.next();
        }
        busy_ = false;
    }

    void clearMarks()
    {
        busy_ = true;
        RichTextBox::RemoveLinkStyling(box_->document());
        busy_ = false;
    }

    QPointer<QTextEdit> box_;
    QPointer<QWidget> parent_;
    QMetaObject::Connection conn_;
    bool busy_ = false;
};

std::vector<std::unique_ptr<LinkHook>>& hooks()
{
    static std::vector<std::unique_ptr<LinkHook>> h;
    return h;
}

void dropDeadHooks()
{
    auto& h = hooks();
    h.erase(std::remove_if(h.begin(), h.end(), [](const auto& p) { return !p->box(); }), h.end());
}

} // namespace

QString LinkAddressToOpen(const QString& linkText)
{
    const QString t = linkText.trimmed();
    if (t.isEmpty())
        return {};
    if (t.startsWith(QStringLiteral("www."), Qt::CaseInsensitive))
        return QStringLiteral("https://") + t;
    const QUrl url(t, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if ((scheme == QLatin1String("http") || scheme == QLatin1String("https")) && !url.host().isEmpty())
        return t;
    return {};
}

void HookRichTextLinks(QTextEdit* box, QWidget* parent)
{
    if (!box)
        return;
    dropDeadHooks();
    UnhookRichTextLinks(box); // hooking a box twice keeps one record
    hooks().push_back(std::make_unique<LinkHook>(box, parent));
}

void UnhookRichTextLinks()
{
    dropDeadHooks();
    if (!hooks().empty())
        hooks().pop_back();
}

void UnhookRichTextLinks(QTextEdit* box)
{
    auto& h = hooks();
    h.erase(std::remove_if(h.begin(), h.end(), [&](const auto& p) { return !p->box() || p->box() == box; }),
            h.end());
}

bool IsRichTextLinksHooked(const QTextEdit* box)
{
    dropDeadHooks();
    return std::any_of(hooks().begin(), hooks().end(), [&](const auto& p) { return p->box() == box; });
}
