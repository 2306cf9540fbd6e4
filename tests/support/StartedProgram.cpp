// The program as a user starts it, except that a message box is written to
// standard output instead of waiting for a click. It says "window" once its
// main window shows, and ends when its standard input closes, so a test can
// keep several copies running side by side. With LT_MAIN_WINDOW_FAILS set,
// showing the main window fails as a broken window system would make it.
#include "MDI.h"
#include "Program.h"
#include "QtDesktop.h"

#include <QApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <functional>
#include <stdexcept>
#include <unistd.h>

namespace {

void say(const QString& line)
{
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stdout);
    std::fflush(stdout);
}

class SayingDesktop : public platform::QtDesktop {
public:
    platform::MsgResult MsgBox(const QString& text, platform::MsgButtons, platform::MsgIcon,
                               const QString&) override
    {
        say(QStringLiteral("message: ") + text);
        return platform::MsgResult::OK;
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    SayingDesktop desk;
    platform::setDesktop(&desk);
    PrepareProgram();
    std::function<void()> show = ShowMainWindow;
    if (qEnvironmentVariableIsSet("LT_MAIN_WINDOW_FAILS"))
        show = [] { throw std::runtime_error("the window system refused the window"); };
    switch (StartApplication(show)) {
    case StartUp::Running:
        break;
    case StartUp::AnotherCopy:
        return 0;
    case StartUp::NoMainWindow:
        return 1;
    }
    if (mdi().isVisible())
        say(QStringLiteral("window"));
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[64];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            QCoreApplication::quit();
    });
    return app.exec();
}
