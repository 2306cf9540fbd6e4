#include "Program.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (!StartProgram())
        return 0;
    return app.exec();
}
