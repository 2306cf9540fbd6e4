#include "Waits.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace testwait {

bool postedEventsHandled()
{
    const auto ran = std::make_shared<bool>(false);
    QTimer::singleShot(0, qApp, [ran] { *ran = true; });
    return QTest::qWaitFor([&] { return *ran; }, DefaultMs);
}

bool buttonsReleased()
{
    const auto noneDown = [] {
        for (QWidget* w : QApplication::allWidgets())
            if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->isDown())
                return false;
        return true;
    };
    return QTest::qWaitFor(noneDown, DefaultMs) && postedEventsHandled();
}

bool becomesActive(const QWidget* w)
{
    return QTest::qWaitFor([w] { return QApplication::activeWindow() == w; }, DefaultMs);
}

PipeGuard::PipeGuard(QString path) : path_(std::move(path)), watcher_([this] { watch(); }) {}

PipeGuard::~PipeGuard()
{
    done();
    watcher_.join();
}

void PipeGuard::done()
{
    {
        const std::lock_guard lock(mutex_);
        done_ = true;
    }
    doneChanged_.notify_all();
}

bool PipeGuard::letGo() const
{
    const std::lock_guard lock(mutex_);
    return letGo_;
}

void PipeGuard::watch()
{
    using namespace std::chrono;
    std::unique_lock lock(mutex_);
    if (doneChanged_.wait_for(lock, milliseconds(DefaultMs), [this] { return done_; }))
        return;
    letGo_ = true;
    const QByteArray path = QFile::encodeName(path_);
    const auto giveUp = steady_clock::now() + milliseconds(DefaultMs);
    // An open for reading waits for a writer, one for writing for a reader:
    // each end opened and closed lets the other go.
    while (!doneChanged_.wait_for(lock, milliseconds(10), [this] { return done_; })) {
        if (steady_clock::now() > giveUp) {
            std::fprintf(stderr, "still waiting on the pipe %s after it was let go\n", path.constData());
            std::fflush(stderr);
            std::_Exit(EXIT_FAILURE);
        }
        for (int mode : {O_WRONLY, O_RDONLY}) {
            const int fd = ::open(path.constData(), mode | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0)
                ::close(fd);
        }
    }
}

} // namespace testwait
