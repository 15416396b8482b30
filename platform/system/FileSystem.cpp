// File operations on the local file system.
#include "platform/system/FileSystem.h"

#include <QFile>
#include <QFileInfo>

namespace lexora::platform {

FileSystem::~FileSystem() = default;

bool LocalFileSystem::fileExists(const QString& path) const {
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

bool LocalFileSystem::folderExists(const QString& path) const {
    return QFileInfo(path).isDir();
}

QString LocalFileSystem::canonicalPath(const QString& path) const {
    return QFileInfo(path).canonicalFilePath();
}

bool LocalFileSystem::removeFile(const QString& path) {
    const QFileInfo info(path);
    // Without forcing: a read-only file stays, as it would on the original
    // platform (here the folder's permissions alone would allow it). A file
    // nobody may write counts as read-only also for the superuser.
    const auto anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (!info.exists() || info.isDir() || !info.isWritable() || !(info.permissions() & anyWrite))
        return false;
    return QFile::remove(path);
}

} // namespace lexora::platform
