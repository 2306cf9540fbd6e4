#include "MDI.h"
#include "Program.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    PrepareProgram();
    switch (StartApplication(ShowMainWindow)) {
    case StartUp::Running:
        return app.exec();
    case StartUp::AnotherCopy:
        return 0;
    case StartUp::NoMainWindow:
        break;
    }
    return 1;
}
