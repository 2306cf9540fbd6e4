#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace platform {

// Holds a lock file in the user's runtime folder while the program runs. A
// lock left by a crashed run is stale (its process is gone) and is taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath = {});
    ~SingleInstance();

    // True when another running instance holds the lock.
    bool anotherIsRunning();

    static QString defaultLockPath();

private:
    std::unique_ptr<QLockFile> lock_;
    bool held_ = false;
};

} // namespace platform
