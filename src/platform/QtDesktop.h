#pragma once

#include "Desktop.h"

class QPrinter;

namespace platform {

// Prints the whole document, with its formatting, on printer.
void printDocument(const QTextDocument& doc, QPrinter& printer);

// The real desktop: Qt's message boxes, file dialogs, browser and printer.
class QtDesktop : public Desktop {
public:
    MsgResult MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                     const QString& title) override;
    void OpenUrl(const QString& address) override;
    bool ShowSave(CommonDialog& dlg) override;
    bool ShowOpen(CommonDialog& dlg) override;
    bool PrintDocument(const QTextDocument& doc, const QString& jobName) override;
    int ScreenWidthTwips() override;
    QDate Today() override;
};

} // namespace platform
