#include "Program.h"

#include "MDI.h"
#include "RegisterForms.h"
#include "TestWindow.h"

#include "Fonts.h"

#include <QApplication>

bool StartProgram()
{
    QApplication::setApplicationName(QStringLiteral("vorlaine-love-test"));
    InitResources();
    platform::installFontSubstitutes();
    RegisterAllForms();
    return StartApplication();
}
