#include "FakeDesktop.h"

#include <QTextDocument>

using namespace platform;

FakeDesktop::FakeDesktop()
{
    setDesktop(this);
}

FakeDesktop::~FakeDesktop()
{
    setDesktop(nullptr);
}

MsgResult FakeDesktop::MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                              const QString& title)
{
    messages.push_back({text, buttons, icon, title.isEmpty() ? ApplicationTitle : title});
    if (onMessage)
        onMessage(messages.back());
    if (!msgAnswers.empty()) {
        const MsgResult r = msgAnswers.front();
        msgAnswers.pop_front();
        return r;
    }
    switch (buttons) {
    case MsgButtons::OK:
    case MsgButtons::OKCancel: return MsgResult::OK;
    case MsgButtons::AbortRetryIgnore: return MsgResult::Abort;
    case MsgButtons::YesNoCancel:
    case MsgButtons::YesNo: return MsgResult::Yes;
    case MsgButtons::RetryCancel: return MsgResult::Retry;
    }
    return MsgResult::OK;
}

void FakeDesktop::OpenUrl(const QString& address)
{
    openedUrls << address;
    if (onOpenUrl)
        onOpenUrl(address);
}

static bool answerDialog(FakeDesktop& d, CommonDialog& dlg, bool save)
{
    d.dialogs.push_back({save, dlg});
    if (d.fileAnswers.empty())
        return false;
    const QString answer = d.fileAnswers.front();
    d.fileAnswers.pop_front();
    if (answer.isEmpty())
        return false;
    dlg.FileName = withDefaultExtension(answer, dlg.DefaultExt);
    return true;
}

bool FakeDesktop::ShowSave(CommonDialog& dlg)
{
    return answerDialog(*this, dlg, true);
}

bool FakeDesktop::ShowOpen(CommonDialog& dlg)
{
    return answerDialog(*this, dlg, false);
}

bool FakeDesktop::PrintDocument(const QTextDocument& doc, const QString& jobName)
{
    if (!hasPrinter)
        return false;
    printedPlainText << doc.toPlainText();
    printedHtml << doc.toHtml();
    printJobs << jobName;
    return true;
}
