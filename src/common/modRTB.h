#pragma once

#include <QString>

class QTextEdit;
class QWidget;

// Makes web addresses in a report's rich-text box show as links and opens a
// left-clicked one in the browser. One record per hooked box, so two report
// windows can be hooked at the same time.
void HookRichTextLinks(QTextEdit* box, QWidget* parent);
// Undoes the hook of the most recently hooked box still hooked; nothing when
// none is.
void UnhookRichTextLinks();
// Undoes the hook of one box; nothing when it is not hooked.
void UnhookRichTextLinks(QTextEdit* box);

bool IsRichTextLinksHooked(const QTextEdit* box);

// Only web addresses are opened: http, https, or a bare "www." address (as
// https). Anything else gives the empty text.
QString LinkAddressToOpen(const QString& linkText);
