// The few file operations start-up needs: existence tests, the canonical
// form of a path and deleting a file without forcing it.
#pragma once

#include <QString>

namespace lexora::platform {

class FileSystem {
public:
    virtual ~FileSystem();
    virtual bool fileExists(const QString& path) const = 0; // a file, not a folder
    virtual bool folderExists(const QString& path) const = 0;
    // The absolute path with links resolved; empty when the path does not exist.
    virtual QString canonicalPath(const QString& path) const = 0;
    // Deletes a file unless it is read-only; true when it was deleted.
    virtual bool removeFile(const QString& path) = 0;
};

class LocalFileSystem final : public FileSystem {
public:
    bool fileExists(const QString& path) const override;
    bool folderExists(const QString& path) const override;
    QString canonicalPath(const QString& path) const override;
    bool removeFile(const QString& path) override;
};

} // namespace lexora::platform
