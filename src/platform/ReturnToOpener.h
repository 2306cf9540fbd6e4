#pragma once

#include <QPointer>
#include <QWidget>

namespace platform {

// Taken just before a modal window opens: remembers the window that was
// active and the control that had the focus, and hands both back once the
// modal window has closed, so the user's keys work there again at once.
class ReturnToOpener {
public:
    ReturnToOpener();
    ~ReturnToOpener();
    ReturnToOpener(const ReturnToOpener&) = delete;
    ReturnToOpener& operator=(const ReturnToOpener&) = delete;

    // Hands back now; the destructor then does nothing more.
    void handBack();

private:
    QPointer<QWidget> window_;
    QPointer<QWidget> focus_;
    bool done_ = false;
};

} // namespace platform
