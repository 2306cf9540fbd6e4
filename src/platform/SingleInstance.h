#pragma once

#include <QString>

#include <vector>

namespace platform {

// Tells whether another copy of the program runs, by an advisory lock on a
// file in the user's runtime folder that the running copy holds for its whole
// life. The system drops the lock when the process ends, however it ends, so
// what a crash leaves behind never blocks a start; the file's content means
// nothing.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath = {});
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when another running copy holds the lock; otherwise this one
    // holds it from now on.
    bool anotherIsRunning();

    static QString defaultLockPath();

private:
    void release();

    QString path_;
    std::vector<int> locks_;
    bool held_ = false;
};

} // namespace platform
