// FileSystemObject: the file-system object behind clsFileSystemObject (its
// gFSO): joining paths, existence tests, the temporary folder, the drives a
// user would pick from and the file operations, each failing with a
// RoutineError in the host's file-error numbering.
//
// This platform has no drive letters: a "drive" is a mounted file system,
// named by its mount root ("/", "/media/user/STICK"). Where the mounts come
// from is a MountTable, so that tests can hand in a list of their own.
#pragma once

#include "dvRtns4Export.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>

namespace dvRtns4 {

// One mounted file system.
struct MountEntry {
    QString rootPath;       // the mount root: "/", "/media/user/STICK"
    QString device;         // its source: "/dev/sdb1", "//server/share", "host:/export"
    QString fileSystem;     // "ext4", "vfat", "cifs", "iso9660", "proc", ...
    QString label;          // the volume name, empty when it has none
    bool ready = true;      // mounted and readable
    bool removable = false; // a block device that the kernel marks removable
};

class DVRTNS4_EXPORT MountTable {
public:
    virtual ~MountTable();
    // Every mount, pseudo file systems included, in the system's order.
    virtual QList<MountEntry> mounts() const = 0;
    // The mount that holds an absolute, symlink-free path: by default the one
    // with the longest root that is a leading part of the path.
    virtual std::optional<MountEntry> mountOf(const QString& canonicalPath) const;
};

// The running system's mounts.
DVRTNS4_EXPORT std::shared_ptr<const MountTable> systemMountTable();

class DVRTNS4_EXPORT FileSystemObject {
public:
    explicit FileSystemObject(std::shared_ptr<const MountTable> mounts = systemMountTable());

    // Error numbers of the file operations.
    enum ErrorNumber : qint32 {
        FileNotFound = 53,
        FileAlreadyExists = 58,
        DiskFull = 61,
        PermissionDenied = 70,
        PathFileAccessError = 75,
        PathNotFound = 76,
    };

    // path and name joined with exactly one "/" between them.
    static QString BuildPath(const QString& path, const QString& name);
    // True for an existing file (not a folder).
    static bool FileExists(const QString& fileName);
    static bool FolderExists(const QString& folder);
    // The system's temporary folder, without a final separator.
    static QString GetTempFolder();

    // The mounts a user would pick from, in the system's order: pseudo file
    // systems (proc, sysfs, tmpfs, overlay, squashfs, ...) left out, a root
    // mounted twice listed once (the mount on top).
    QList<MountEntry> Drives() const;
    // The mount holding an existing path; empty when it cannot be found.
    std::optional<MountEntry> DriveOf(const QString& path) const;
    // The drive-type number of a mount (see enum_driveType): network file
    // systems 3, optical 4, removable block devices 1, other block devices 2,
    // anything else 0.
    static int DriveTypeOf(const MountEntry& mount);

    // Deletes a file, read-only ones included; a folder is not a file.
    static void DeleteFile(const QString& fileName);
    // Copies a file, replacing the destination unless that is read-only. The
    // destination is written under a temporary name and renamed into place,
    // so a failed copy leaves it as it was.
    static void CopyFile(const QString& source, const QString& destination);
    // Moves a file, replacing the destination unless that is read-only.
    static void MoveFile(const QString& source, const QString& destination);
    // Creates one folder; its parent must exist and it must not.
    static void CreateFolder(const QString& folder);

private:
    std::shared_ptr<const MountTable> m_mounts;
};

} // namespace dvRtns4
