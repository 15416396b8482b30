// Drives, file facts and file operations of clsFileSystemObject.
#include "routines/clsFileSystemObject.h"

#include "routines/RoutineError.h"
#include "routines/TextHelpers.h"
#include "routines/clsString.h"
#include "routines/modDeclare.h"

#include <QCursor>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>

#include <functional>
#include <limits>

namespace dvRtns4 {

namespace {

const QString kSource = QStringLiteral("dvRtns4.clsFileSystemObject");

// The hourglass while the drives are asked, when there is a screen to show it on.
class BusyCursor {
public:
    BusyCursor() : m_shown(qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (m_shown)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~BusyCursor() {
        if (m_shown)
            QGuiApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool m_shown;
};

// The label of a drive and its type code as text. Network shares are named
// by their share: //server/share gives SHARE, host:/export gives /EXPORT.
QString driveLabel(const MountEntry& mount, QString& typeCode) {
    typeCode = QString::number(FileSystemObject::DriveTypeOf(mount));
    if (mount.ready && typeCode == QStringLiteral("3") &&
        mount.fileSystem.compare(QStringLiteral("cdfs"), Qt::CaseInsensitive) == 0)
        typeCode = QStringLiteral("4");
    if (typeCode != QStringLiteral("3"))
        return upperCase(mount.label);
    QString share = mount.device;
    if (share.startsWith(QStringLiteral("//")) || share.startsWith(QStringLiteral("\\\\"))) {
        qsizetype cut = -1;
        for (qsizetype i = 2; i < share.size(); ++i) {
            if (share.at(i) == u'/' || share.at(i) == u'\\') {
                cut = i;
                break;
            }
        }
        share = share.mid(cut + 1);
    } else if (const qsizetype colon = share.indexOf(u':'); colon >= 0) {
        share = share.mid(colon + 1);
    }
    return upperCase(share).left(200);
}

} // namespace

struct clsFileSystemObject::Private {
    std::shared_ptr<FileSystemObject> fso;
    QMap<QString, QString> driveTypes;

    FileSystemObject& files() {
        if (!fso)
            fso = std::make_shared<FileSystemObject>();
        return *fso;
    }

    // Runs a file operation; a failure is shown with `report` as its first line.
    bool perform(const std::function<void()>& operation, const QString& report) {
        try {
            operation();
            return true;
        } catch (const RoutineError& e) {
            SetPendingError(e, kSource);
        }
        ShowPendingError(report);
        return false;
    }
};

clsFileSystemObject::clsFileSystemObject() : d(std::make_unique<Private>()) {}
clsFileSystemObject::~clsFileSystemObject() = default;

std::shared_ptr<FileSystemObject> clsFileSystemObject::gFSO() {
    d->files();
    return d->fso;
}

void clsFileSystemObject::set_gFSO(std::shared_ptr<FileSystemObject> fso) {
    d->fso = std::move(fso);
}

QMap<QString, QString> clsFileSystemObject::gcolDriveTypes() const {
    return d->driveTypes;
}

void clsFileSystemObject::set_gcolDriveTypes(const QMap<QString, QString>& names) {
    d->driveTypes = names;
}

void clsFileSystemObject::Find_ReadyDrives(QList<QStringList>& arDrives) {
    const BusyCursor busy;
    if (d->driveTypes.isEmpty()) {
        d->driveTypes = {
            {QStringLiteral("0"), QStringLiteral("Άγνωστο μέσο αποθήκευσης")},
            {QStringLiteral("1"), QStringLiteral("Δισκέτα")},
            {QStringLiteral("2"), QStringLiteral("Τοπικός δίσκος")},
            {QStringLiteral("3"), QStringLiteral("Δίσκος δικτύου")},
            {QStringLiteral("4"), QStringLiteral("CDROM")},
        };
    }
    QList<QStringList> rows;
    for (const MountEntry& mount : d->files().Drives()) {
        if (!mount.ready)
            continue;
        const QString type = QString::number(FileSystemObject::DriveTypeOf(mount));
        QString code;
        const QString label = driveLabel(mount, code);
        rows.append({mount.rootPath, type, clsString::FixQuotes(Variant(label)),
                     d->driveTypes.value(type)});
    }
    arDrives = rows;
}

void clsFileSystemObject::FileInfo(const QString& fullName, QString& volume, QString& driveType,
                                   QString& drive, QString& fPath, QString& fName,
                                   QString& fExtension, qint32& fSize, QString& fDateCreated) {
    FileSystemObject& files = d->files();
    if (!FileSystemObject::FileExists(fullName)) {
        volume.clear();
        driveType.clear();
        drive.clear();
        fName.clear();
        fPath.clear();
        fExtension.clear();
        fDateCreated.clear();
        fSize = 0;
        return;
    }
    const QFileInfo info(fullName);
    const QString canonical = info.canonicalFilePath();
    if (const std::optional<MountEntry> mount = files.DriveOf(fullName)) {
        drive = upperCase(mount->rootPath);
        volume = driveLabel(*mount, driveType);
        // The folders between the mount root and the name, with separators at both ends.
        QString below =
            canonical.mid(mount->rootPath == QStringLiteral("/") ? 0 : mount->rootPath.size());
        below = below.left(below.lastIndexOf(u'/') + 1);
        fPath = upperCase(below);
    }
    const QString name = canonical.isEmpty() ? info.fileName() : QFileInfo(canonical).fileName();
    fName = upperCase(name);
    // A leading dot marks a hidden file here, not an extension.
    const qsizetype dot = name.lastIndexOf(u'.');
    fExtension = dot > 0 ? upperCase(name.mid(dot + 1)) : QString();
    if (info.size() <= std::numeric_limits<qint32>::max())
        fSize = static_cast<qint32>(info.size());
    QDateTime created = info.birthTime();
    if (!created.isValid()) // file systems that keep no creation time
        created = info.lastModified();
    if (created.isValid())
        fDateCreated = created.toString(QStringLiteral("dd/MM/yyyy"));
}

bool clsFileSystemObject::DeleteFile(const QString& fileName) {
    return d->perform([&] { d->files().DeleteFile(fileName); },
                      QStringLiteral("Πρόβλημα στην διαγραφή του αρχείου ") + fileName);
}

bool clsFileSystemObject::RenameFile(const QString& FromName, const QString& ToName) {
    return d->perform([&] { d->files().MoveFile(FromName, ToName); },
                      QStringLiteral("Πρόβλημα στην μετονομασία του αρχείου ") + FromName +
                          QStringLiteral(" σε ") + ToName);
}

bool clsFileSystemObject::CreateFolder(const QString& folder) {
    return d->perform([&] { d->files().CreateFolder(folder); },
                      QStringLiteral("Πρόβλημα στην δημιουργία του καταλόγου ") + folder);
}

bool clsFileSystemObject::CopyFile(const QString& SourceFullName, const QString& DestFullName) {
    return d->perform([&] { d->files().CopyFile(SourceFullName, DestFullName); },
                      QStringLiteral("Πρόβλημα στην αντιγραφή του αρχείου ") + SourceFullName +
                          QStringLiteral(" στο ") + DestFullName);
}

QString clsFileSystemObject::MakeValid_FullFileName(const QString& path, const QString& fileName) {
    return d->files().BuildPath(path, fileName);
}

} // namespace dvRtns4
