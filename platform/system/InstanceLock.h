// The single-instance guard: the first run of the program for a user takes
// the lock and holds it until it ends; a second run fails to take it.
#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace lexora::platform {

class InstanceLock {
public:
    virtual ~InstanceLock();
    // True when this run now holds the lock (or already held it).
    virtual bool tryLock() = 0;
};

// A lock file in the user's runtime folder. A lock left behind by a run that
// crashed is taken over, as its process no longer exists.
class LockFileInstanceLock final : public InstanceLock {
public:
    explicit LockFileInstanceLock(const QString& lockFilePath = defaultLockFilePath());
    ~LockFileInstanceLock() override;

    bool tryLock() override;

    // <runtime folder>/lexora.lock
    static QString defaultLockFilePath();

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace lexora::platform
