// The single-instance guard over QLockFile.
#include "platform/system/InstanceLock.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace lexora::platform {

InstanceLock::~InstanceLock() = default;

LockFileInstanceLock::LockFileInstanceLock(const QString& lockFilePath)
    : m_lock(std::make_unique<QLockFile>(lockFilePath)) {
    // Never judge a lock stale by its age: a run may last for days.
    m_lock->setStaleLockTime(0);
}

LockFileInstanceLock::~LockFileInstanceLock() = default;

bool LockFileInstanceLock::tryLock() {
    if (m_lock->isLocked())
        return true;
    return m_lock->tryLock(0);
}

QString LockFileInstanceLock::defaultLockFilePath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QDir().mkpath(folder);
    return folder + QStringLiteral("/lexora.lock");
}

} // namespace lexora::platform
