#pragma once

#include <QString>

#include <condition_variable>
#include <mutex>
#include <thread>

class QWidget;

// Waits on what shows that something happened, never on the clock alone.
namespace testwait {

// How long a test waits for what should come: QTest's own default.
inline constexpr int DefaultMs = 5000;

// True once the events posted so far have been handled: a marker posted
// after them has run. A check that something did not happen looks after it.
bool postedEventsHandled();

// True once no button is in the middle of an animated click (an access key
// or a shortcut presses one and lets it go a moment later) and the events
// posted until then have been handled: whatever a key press could click has
// been clicked.
bool buttonsReleased();

// True once w is the active window; the window system answers a moment
// after it is asked.
bool becomesActive(const QWidget* w);

// Stands by while code that must not wait on the named pipe at path runs.
// Should it still run after the default wait, the pipe's ends are opened
// again and again, so whatever waits on it is let go and the test fails
// instead of hanging; should even that not end it, so does the program.
class PipeGuard {
public:
    explicit PipeGuard(QString path);
    ~PipeGuard();
    PipeGuard(const PipeGuard&) = delete;
    PipeGuard& operator=(const PipeGuard&) = delete;

    // The guarded code has returned.
    void done();
    // It had to be let go: it waited on the pipe.
    bool letGo() const;

private:
    void watch();

    const QString path_;
    mutable std::mutex mutex_;
    std::condition_variable doneChanged_;
    bool done_ = false;
    bool letGo_ = false;
    std::thread watcher_;
};

} // namespace testwait
