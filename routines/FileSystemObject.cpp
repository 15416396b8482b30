// The file-system object over POSIX calls and Qt's storage information.
#include "routines/FileSystemObject.h"

#include "routines/RoutineError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dvRtns4 {

namespace {

QByteArray nativePath(const QString& path) {
    return QFile::encodeName(path);
}

RoutineError fileError(qint32 number) {
    switch (number) {
    case FileSystemObject::FileNotFound:
        return {number, QStringLiteral("File not found")};
    case FileSystemObject::FileAlreadyExists:
        return {number, QStringLiteral("File already exists")};
    case FileSystemObject::DiskFull:
        return {number, QStringLiteral("Disk full")};
    case FileSystemObject::PermissionDenied:
        return {number, QStringLiteral("Permission denied")};
    case FileSystemObject::PathNotFound:
        return {number, QStringLiteral("Path not found")};
    default:
        return {FileSystemObject::PathFileAccessError, QStringLiteral("Path/File access error")};
    }
}

// The host's number for a failed system call; `missing` is the number a
// missing name stands for at that step (a file, or a folder on the way).
RoutineError errnoError(int err, qint32 missing) {
    switch (err) {
    case ENOENT:
        return fileError(missing);
    case ENOTDIR:
        return fileError(FileSystemObject::PathNotFound);
    case EEXIST:
        return fileError(FileSystemObject::FileAlreadyExists);
    case ENOSPC:
    case EDQUOT:
        return fileError(FileSystemObject::DiskFull);
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
    case EISDIR:
        return fileError(FileSystemObject::PermissionDenied);
    default:
        return fileError(FileSystemObject::PathFileAccessError);
    }
}

// A file descriptor closed when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    int release() {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

// The regular file a path names, or the error of a missing or odd one.
struct stat regularFile(const QString& path) {
    struct stat st {};
    if (::stat(nativePath(path).constData(), &st) != 0)
        throw errnoError(errno, FileSystemObject::FileNotFound);
    if (!S_ISREG(st.st_mode))
        throw fileError(FileSystemObject::FileNotFound);
    return st;
}

// Refuses a destination that is a folder, read-only, or the source itself.
void checkReplaceable(const QString& destination, const struct stat& source) {
    struct stat st {};
    if (::stat(nativePath(destination).constData(), &st) != 0)
        return; // a new file
    if (S_ISDIR(st.st_mode) || (st.st_mode & 0222) == 0)
        throw fileError(FileSystemObject::PermissionDenied);
    if (st.st_dev == source.st_dev && st.st_ino == source.st_ino)
        throw fileError(FileSystemObject::PermissionDenied);
}

void writeAll(int fd, const char* data, ssize_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw errnoError(errno, FileSystemObject::PathNotFound);
        }
        data += n;
        size -= n;
    }
}

void copyContents(int from, int to) {
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(from, buffer, sizeof buffer);
        if (n == 0)
            return;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw errnoError(errno, FileSystemObject::FileNotFound);
        }
        writeAll(to, buffer, n);
    }
}

bool isNetworkFileSystem(const QString& type) {
    static const QStringList types = {
        QStringLiteral("nfs"),        QStringLiteral("nfs4"),
        QStringLiteral("cifs"),       QStringLiteral("smb3"),
        QStringLiteral("smbfs"),      QStringLiteral("sshfs"),
        QStringLiteral("fuse.sshfs"), QStringLiteral("9p"),
        QStringLiteral("afs"),        QStringLiteral("ceph"),
        QStringLiteral("glusterfs"),  QStringLiteral("fuse.glusterfs"),
        QStringLiteral("davfs"),      QStringLiteral("fuse.davfs2"),
        QStringLiteral("ncpfs"),      QStringLiteral("coda"),
        QStringLiteral("lustre"),     QStringLiteral("fuse.rclone"),
    };
    return types.contains(type);
}

bool isPseudoMount(const MountEntry& m) {
    static const QStringList types = {
        QStringLiteral("proc"),          QStringLiteral("sysfs"),
        QStringLiteral("tmpfs"),         QStringLiteral("devtmpfs"),
        QStringLiteral("devpts"),        QStringLiteral("overlay"),
        QStringLiteral("squashfs"),      QStringLiteral("cgroup"),
        QStringLiteral("cgroup2"),       QStringLiteral("securityfs"),
        QStringLiteral("debugfs"),       QStringLiteral("tracefs"),
        QStringLiteral("pstore"),        QStringLiteral("bpf"),
        QStringLiteral("mqueue"),        QStringLiteral("hugetlbfs"),
        QStringLiteral("autofs"),        QStringLiteral("configfs"),
        QStringLiteral("fusectl"),       QStringLiteral("binfmt_misc"),
        QStringLiteral("efivarfs"),      QStringLiteral("ramfs"),
        QStringLiteral("nsfs"),          QStringLiteral("rpc_pipefs"),
        QStringLiteral("selinuxfs"),     QStringLiteral("rootfs"),
        QStringLiteral("nfsd"),          QStringLiteral("fuse.gvfsd-fuse"),
        QStringLiteral("fuse.portal"),   QStringLiteral("fuse.lxcfs"),
        QStringLiteral("fuse.snapfuse"), QStringLiteral("none"),
    };
    if (types.contains(m.fileSystem))
        return true;
    for (const char* system : {"/proc", "/sys", "/dev", "/run"}) {
        const QString root = QString::fromLatin1(system);
        if (m.rootPath == root || m.rootPath.startsWith(root + u'/'))
            return true;
    }
    return false;
}

// Whether the kernel marks the block device of a mount removable: the flag
// sits on the disk, so a partition asks its parent.
bool isRemovableDevice(const QString& device) {
    if (!device.startsWith(QStringLiteral("/dev/")))
        return false;
    const QString name = QFileInfo(QFileInfo(device).canonicalFilePath()).fileName();
    if (name.isEmpty())
        return false;
    QString dir = QFileInfo(QStringLiteral("/sys/class/block/") + name).canonicalFilePath();
    if (dir.isEmpty())
        return false;
    if (QFileInfo::exists(dir + QStringLiteral("/partition")))
        dir = QFileInfo(dir).path();
    QFile flag(dir + QStringLiteral("/removable"));
    if (!flag.open(QIODevice::ReadOnly))
        return false;
    return flag.read(4).trimmed() == "1";
}

MountEntry fromStorage(const QStorageInfo& info) {
    MountEntry m;
    m.rootPath = info.rootPath();
    m.device = QString::fromLocal8Bit(info.device());
    m.fileSystem = QString::fromLatin1(info.fileSystemType());
    m.label = info.name();
    m.ready = info.isValid() && info.isReady();
    m.removable = isRemovableDevice(m.device);
    return m;
}

class SystemMountTable final : public MountTable {
public:
    QList<MountEntry> mounts() const override {
        QList<MountEntry> out;
        for (const QStorageInfo& info : QStorageInfo::mountedVolumes())
            out.append(fromStorage(info));
        return out;
    }
    std::optional<MountEntry> mountOf(const QString& canonicalPath) const override {
        const QStorageInfo info(canonicalPath);
        if (!info.isValid())
            return std::nullopt;
        return fromStorage(info);
    }
};

bool isUnder(const QString& path, const QString& root) {
    if (root == QStringLiteral("/"))
        return path.startsWith(u'/');
    return path == root || path.startsWith(root + u'/');
}

} // namespace

MountTable::~MountTable() = default;

std::optional<MountEntry> MountTable::mountOf(const QString& canonicalPath) const {
    std::optional<MountEntry> best;
    for (const MountEntry& m : mounts()) {
        // Later mounts cover earlier ones on the same root.
        if (isUnder(canonicalPath, m.rootPath) &&
            (!best || m.rootPath.size() >= best->rootPath.size()))
            best = m;
    }
    return best;
}

std::shared_ptr<const MountTable> systemMountTable() {
    static const auto table = std::make_shared<const SystemMountTable>();
    return table;
}

FileSystemObject::FileSystemObject(std::shared_ptr<const MountTable> mounts)
    : m_mounts(mounts ? std::move(mounts) : systemMountTable()) {}

QString FileSystemObject::BuildPath(const QString& path, const QString& name) {
    if (path.isEmpty())
        return name;
    qsizetype end = path.size();
    while (end > 0 && path.at(end - 1) == u'/')
        --end;
    qsizetype start = 0;
    while (start < name.size() && name.at(start) == u'/')
        ++start;
    return path.left(end) + u'/' + name.mid(start);
}

bool FileSystemObject::FileExists(const QString& fileName) {
    const QFileInfo info(fileName);
    return !fileName.isEmpty() && info.exists() && !info.isDir();
}

bool FileSystemObject::FolderExists(const QString& folder) {
    return !folder.isEmpty() && QFileInfo(folder).isDir();
}

QString FileSystemObject::GetTempFolder() {
    // Asked directly: Qt's own answer falls back elsewhere when the folder is missing.
    const QString folder = qEnvironmentVariable("TMPDIR");
    return QDir::cleanPath(folder.isEmpty() ? QStringLiteral("/tmp") : folder);
}

QList<MountEntry> FileSystemObject::Drives() const {
    QList<MountEntry> out;
    for (const MountEntry& m : m_mounts->mounts()) {
        if (isPseudoMount(m))
            continue;
        bool covered = false;
        for (MountEntry& earlier : out) {
            if (earlier.rootPath == m.rootPath) {
                earlier = m;
                covered = true;
            }
        }
        if (!covered)
            out.append(m);
    }
    return out;
}

std::optional<MountEntry> FileSystemObject::DriveOf(const QString& path) const {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty())
        return std::nullopt;
    return m_mounts->mountOf(canonical);
}

int FileSystemObject::DriveTypeOf(const MountEntry& mount) {
    if (isNetworkFileSystem(mount.fileSystem) || mount.device.startsWith(QStringLiteral("//")))
        return 3;
    if (mount.fileSystem == QStringLiteral("iso9660") || mount.fileSystem == QStringLiteral("udf"))
        return 4;
    if (mount.device.startsWith(QStringLiteral("/dev/")))
        return mount.removable ? 1 : 2;
    return 0;
}

void FileSystemObject::DeleteFile(const QString& fileName) {
    const QByteArray path = nativePath(fileName);
    struct stat st {};
    if (fileName.isEmpty() || ::lstat(path.constData(), &st) != 0)
        throw errnoError(errno, FileNotFound);
    if (S_ISDIR(st.st_mode))
        throw fileError(FileNotFound);
    if (::unlink(path.constData()) != 0)
        throw errnoError(errno, FileNotFound);
}

void FileSystemObject::CopyFile(const QString& source, const QString& destination) {
    const struct stat st = regularFile(source);
    checkReplaceable(destination, st);
    Fd from(::open(nativePath(source).constData(), O_RDONLY | O_CLOEXEC));
    if (from.get() < 0)
        throw errnoError(errno, FileNotFound);

    const QFileInfo dest(destination);
    QByteArray pattern = nativePath(dest.path() + QStringLiteral("/.") + dest.fileName() +
                                    QStringLiteral(".XXXXXX"));
    Fd to(::mkstemp(pattern.data()));
    if (to.get() < 0)
        throw errnoError(errno, PathNotFound);
    try {
        copyContents(from.get(), to.get());
        if (::fchmod(to.get(), st.st_mode & 07777) != 0 || ::close(to.release()) != 0)
            throw errnoError(errno, PathNotFound);
        if (::rename(pattern.constData(), nativePath(destination).constData()) != 0)
            throw errnoError(errno, PathNotFound);
    } catch (...) {
        ::unlink(pattern.constData());
        throw;
    }
}

void FileSystemObject::MoveFile(const QString& source, const QString& destination) {
    const struct stat st = regularFile(source);
    checkReplaceable(destination, st);
    if (::rename(nativePath(source).constData(), nativePath(destination).constData()) == 0)
        return;
    if (errno != EXDEV)
        throw errnoError(errno, PathNotFound);
    // Another file system: copy, then delete the original.
    CopyFile(source, destination);
    DeleteFile(source);
}

void FileSystemObject::CreateFolder(const QString& folder) {
    if (folder.isEmpty())
        throw fileError(PathNotFound);
    if (::mkdir(nativePath(folder).constData(), 0777) != 0)
        throw errnoError(errno, PathNotFound);
}

} // namespace dvRtns4
