#pragma once

#include "Desktop.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

// A scriptable desktop for tests: records every call and answers from
// queues (message boxes answer their first button by default).
class FakeDesktop : public platform::Desktop {
public:
    struct Message {
        QString text;
        platform::MsgButtons buttons;
        platform::MsgIcon icon;
        QString title; // as shown: the application title when none was given
    };
    struct Dialog {
        bool save;
        platform::CommonDialog props; // as the window set them
    };

    FakeDesktop();  // installs itself
    ~FakeDesktop() override; // restores the Qt desktop

    platform::MsgResult MsgBox(const QString& text, platform::MsgButtons buttons,
                               platform::MsgIcon icon, const QString& title) override;
    void OpenUrl(const QString& address) override;
    bool ShowSave(platform::CommonDialog& dlg) override;
    bool ShowOpen(platform::CommonDialog& dlg) override;
    bool PrintDocument(const QTextDocument& doc, const QString& jobName) override;
    int ScreenWidthTwips() override { return screenWidthTwips; }
    QDate Today() override { return today; }

    // Scripted answers.
    std::deque<platform::MsgResult> msgAnswers;
    std::deque<QString> fileAnswers; // an empty string means Cancel
    bool hasPrinter = true;
    int screenWidthTwips = 19200;
    QDate today{2026, 12, 10};
    // Optional hook run inside MsgBox (e.g. to look at state while a box shows).
    std::function<void(const Message&)> onMessage;
    std::function<void(const QString&)> onOpenUrl;

    // Records.
    std::vector<Message> messages;
    QStringList openedUrls;
    std::vector<Dialog> dialogs;
    QStringList printedPlainText;
    QStringList printedHtml;
    QStringList printJobs;
};
