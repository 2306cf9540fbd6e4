#include "ReportWindow.h"

#include "RichTextBox.h"
#include "modRTB.h"

ReportWindow::ReportWindow(const char* formName, const QString& caption) : Form(formName)
{
    setCaption(caption);
    RTB = new RichTextBox(this);
    RTB->setObjectName(QStringLiteral("RTB"));
}

void ReportWindow::Form_Load()
{
    HookRichTextLinks(RTB, this);
}

void ReportWindow::Form_Unload()
{
    UnhookRichTextLinks(RTB);
}
