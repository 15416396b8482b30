// clsFileSystemObject: the drives a user can pick from with their Greek type
// names, the facts of a file, deleting, renaming and copying files, creating
// folders and joining paths, over the file-system object it exposes as gFSO.
//
// This platform has no drive letters: a drive is a mounted file system named
// by its mount root ("/", "/media/user/STICK"). The four file operations show
// a failure with ShowPendingError and return false; the others pass errors to
// the caller as dvRtns4::RoutineError.
#pragma once

#include "FileSystemObject.h"
#include "dvRtns4Export.h"
#include "enum_driveType.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>

namespace dvRtns4 {

class DVRTNS4_EXPORT clsFileSystemObject {
public:
    clsFileSystemObject();
    ~clsFileSystemObject();
    clsFileSystemObject(const clsFileSystemObject&) = delete;
    clsFileSystemObject& operator=(const clsFileSystemObject&) = delete;

    // The file-system object, created on first use (also when read here).
    std::shared_ptr<FileSystemObject> gFSO();
    void set_gFSO(std::shared_ptr<FileSystemObject> fso);

    // The drive-type names keyed by type number as text ("0" to "4"); empty
    // until Find_ReadyDrives first runs.
    QMap<QString, QString> gcolDriveTypes() const;
    void set_gcolDriveTypes(const QMap<QString, QString>& names);

    // One row per ready drive, in the system's order, of four texts: the
    // mount root, the type number, the label as an SQL literal ('SHARE' for
    // the network share //server/share) and the type's name (empty for a
    // type without a name).
    void Find_ReadyDrives(QList<QStringList>& arDrives);

    // The facts of an existing file, in capitals: the mount root holding it
    // (drive), that drive's label (volume) and type number (driveType), the
    // folders below the root (fPath, "/DATA/DOCS/"), the name and extension,
    // the size in bytes and the creation date as dd/mm/yyyy. For a missing
    // file all texts become empty and fSize 0. A fact that cannot be had keeps
    // the value passed in (fSize above 2 GB, for one).
    // The texts are for display: names on this platform are case-sensitive,
    // so never open a file again by the values returned here.
    void FileInfo(const QString& fullName, QString& volume, QString& driveType, QString& drive,
                  QString& fPath, QString& fName, QString& fExtension, qint32& fSize,
                  QString& fDateCreated);

    // Deletes a file, read-only ones included.
    bool DeleteFile(const QString& fileName);
    // Moves FromName to ToName, replacing ToName unless it is read-only.
    bool RenameFile(const QString& FromName, const QString& ToName);
    // Creates one folder; fails when it exists or its parent does not.
    bool CreateFolder(const QString& folder);
    // Copies a file, replacing the destination unless it is read-only.
    bool CopyFile(const QString& SourceFullName, const QString& DestFullName);
    // path and fileName joined with exactly one "/" between them.
    QString MakeValid_FullFileName(const QString& path, const QString& fileName);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace dvRtns4
