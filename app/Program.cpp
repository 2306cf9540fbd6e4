#include "Program.h"

#include "Form.h"
#include "RegisterForms.h"
#include "TestWindow.h"

#include "Fonts.h"

#include <QApplication>

void PrepareProgram()
{
    QApplication::setApplicationName(QStringLiteral("vorlaine-love-test"));
    InitResources();
    platform::installFontSubstitutes();
    RegisterAllForms();
    InstallWindowRules();
}
