// The single-instance lock: one holder at a time, free again once released.
#include "platform/system/InstanceLock.h"

#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using lexora::platform::LockFileInstanceLock;

TEST(InstanceLock, SecondHolderIsRefusedUntilTheFirstEnds) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lexora.lock"));
    auto first = std::make_unique<LockFileInstanceLock>(path);
    ASSERT_TRUE(first->tryLock());
    EXPECT_TRUE(first->tryLock()); // asking again keeps it

    LockFileInstanceLock second(path);
    EXPECT_FALSE(second.tryLock());

    first.reset();
    EXPECT_TRUE(second.tryLock());
}

TEST(InstanceLock, DefaultPathIsPerUser) {
    const QString path = LockFileInstanceLock::defaultLockFilePath();
    EXPECT_TRUE(path.endsWith(QStringLiteral("/lexora.lock")));
}

TEST(InstanceLock, LockLeftByARunThatDiedIsTakenOver) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lexora.lock"));
    QFile leftOver(path);
    ASSERT_TRUE(leftOver.open(QIODevice::WriteOnly));
    // A process id that is not running, on this host.
    leftOver.write(QByteArray("2147483646\nlexora\n") + QSysInfo::machineHostName().toUtf8() +
                   "\n");
    leftOver.close();
    LockFileInstanceLock lock(path);
    EXPECT_TRUE(lock.tryLock());
}
