#include "MDI.h"
#include "RegisterForms.h"
#include "TestWindow.h"

#include "Fonts.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vorlaine-love-test"));
    InitResources();
    platform::installFontSubstitutes();
    RegisterAllForms();
    if (!StartApplication())
        return 0;
    return app.exec();
}
