// Local file operations: files are not folders, read-only files stay.
#include "platform/system/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using lexora::platform::LocalFileSystem;

TEST(LocalFileSystem, RemovesWritableFilesOnly) {
    QTemporaryDir dir;
    LocalFileSystem files;
    const QString writable = dir.filePath(QStringLiteral("w"));
    const QString readOnly = dir.filePath(QStringLiteral("r"));
    for (const QString& path : {writable, readOnly}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner);

    EXPECT_TRUE(files.removeFile(writable));
    EXPECT_FALSE(QFile::exists(writable));
    EXPECT_FALSE(files.removeFile(readOnly));
    EXPECT_TRUE(QFile::exists(readOnly));
    EXPECT_FALSE(files.removeFile(dir.filePath(QStringLiteral("missing"))));
    EXPECT_FALSE(files.removeFile(dir.path()));
    EXPECT_TRUE(QDir(dir.path()).exists());
}

TEST(LocalFileSystem, FilesAndFoldersAreTold) {
    QTemporaryDir dir;
    LocalFileSystem files;
    const QString file = dir.filePath(QStringLiteral("edudata.mdb"));
    QFile(file).open(QIODevice::WriteOnly);
    const QString folder = dir.filePath(QStringLiteral("folder.mdb"));
    QDir().mkpath(folder);
    EXPECT_TRUE(files.fileExists(file));
    EXPECT_FALSE(files.fileExists(folder));
    EXPECT_TRUE(files.folderExists(folder));
    EXPECT_FALSE(files.folderExists(file));
    EXPECT_EQ(files.canonicalPath(dir.path() + QStringLiteral("/./folder.mdb/..")),
              QFileInfo(dir.path()).canonicalFilePath());
    EXPECT_TRUE(files.canonicalPath(dir.filePath(QStringLiteral("missing"))).isEmpty());
}
