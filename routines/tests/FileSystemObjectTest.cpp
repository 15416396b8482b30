// clsFileSystemObject and clsFile: drives from a given mount list, file
// facts of real files, the file operations and their reports, path joins
// and temporary files.
#include "routines/clsFile.h"
#include "routines/clsFileSystemObject.h"
#include "tests/support/RecordingMessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using dvRtns4::clsFile;
using dvRtns4::clsFileSystemObject;
using dvRtns4::FileSystemObject;
using dvRtns4::MountEntry;

namespace {

class FixedMounts final : public dvRtns4::MountTable {
public:
    explicit FixedMounts(QList<MountEntry> list) : m_list(std::move(list)) {}
    QList<MountEntry> mounts() const override { return m_list; }

private:
    QList<MountEntry> m_list;
};

std::shared_ptr<FileSystemObject> fsoWith(QList<MountEntry> mounts) {
    return std::make_shared<FileSystemObject>(std::make_shared<FixedMounts>(std::move(mounts)));
}

MountEntry mount(const char* root, const char* device, const char* type, const char* label,
                 bool ready = true, bool removable = false) {
    return {QString::fromUtf8(root),
            QString::fromUtf8(device),
            QString::fromUtf8(type),
            QString::fromUtf8(label),
            ready,
            removable};
}

void writeFile(const QString& path, const QByteArray& contents) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(contents);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

TEST(clsFileSystemObject, ListsReadyDrivesWithTypesAndLabels) {
    clsFileSystemObject fso;
    EXPECT_TRUE(fso.gcolDriveTypes().isEmpty());
    fso.set_gFSO(fsoWith({
        mount("/", "/dev/sda2", "ext4", "system"),
        mount("/proc", "proc", "proc", ""),
        mount("/tmp", "tmpfs", "tmpfs", ""),
        mount("/snap/core/1", "/dev/loop3", "squashfs", ""),
        mount("/media/user/STICK", "/dev/sdb1", "vfat", "Stick's", true, true),
        mount("/media/user/CD", "/dev/sr0", "iso9660", "Εγκατάσταση"),
        mount("/media/user/EMPTYCD", "/dev/sr1", "udf", "", false),
        mount("/mnt/share", "//server/Share", "cifs", ""),
        mount("/mnt/deep", "//server/docs/sub", "smb3", ""),
        mount("/mnt/nfs", "fileserver:/export/home", "nfs4", ""),
        mount("/mnt/odd", "something", "fuse.custom", "Odd"),
        mount("/var/lib/docker", "overlay", "overlay", ""),
    }));
    QList<QStringList> rows = {{QStringLiteral("stale")}};
    fso.Find_ReadyDrives(rows);
    const QList<QStringList> expected = {
        {"/", "2", "'SYSTEM'", "Τοπικός δίσκος"},
        {"/media/user/STICK", "1", "'STICK''S'", "Δισκέτα"},
        {"/media/user/CD", "4", "'ΕΓΚΑΤΆΣΤΑΣΗ'", "CDROM"},
        {"/mnt/share", "3", "'SHARE'", "Δίσκος δικτύου"},
        {"/mnt/deep", "3", "'DOCS/SUB'", "Δίσκος δικτύου"},
        {"/mnt/nfs", "3", "'/EXPORT/HOME'", "Δίσκος δικτύου"},
        {"/mnt/odd", "0", "'ODD'", "Άγνωστο μέσο αποθήκευσης"},
    };
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(fso.gcolDriveTypes().size(), 5);
    EXPECT_EQ(fso.gcolDriveTypes().value(QStringLiteral("0")),
              QStringLiteral("Άγνωστο μέσο αποθήκευσης"));
}

TEST(clsFileSystemObject, DriveListEdges) {
    clsFileSystemObject fso;
    // A root mounted twice is listed once, as the mount on top; no ready
    // drive leaves no rows; names set by the caller are kept.
    fso.set_gcolDriveTypes({{QStringLiteral("2"), QStringLiteral("Δίσκος")}});
    fso.set_gFSO(fsoWith({mount("/data", "/dev/sdc1", "ext4", "old"),
                          mount("/data", "/dev/sdd1", "ext4", "new"),
                          mount("/off", "/dev/sde1", "ext4", "x", false)}));
    QList<QStringList> rows;
    fso.Find_ReadyDrives(rows);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0], (QStringList{"/data", "2", "'NEW'", "Δίσκος"}));

    fso.set_gFSO(fsoWith({mount("/off", "/dev/sde1", "ext4", "x", false)}));
    fso.Find_ReadyDrives(rows);
    EXPECT_TRUE(rows.isEmpty());
}

TEST(clsFileSystemObject, GivesTheFileSystemObjectOnFirstUse) {
    clsFileSystemObject fso;
    const auto first = fso.gFSO();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(fso.gFSO(), first);
    EXPECT_EQ(first->BuildPath(QStringLiteral("/opt/lexora/"), QStringLiteral("edudata.mdb")),
              QStringLiteral("/opt/lexora/edudata.mdb"));
}

TEST(clsFileSystemObject, JoinsPathsWithOneSeparator) {
    struct Case {
        const char* path;
        const char* name;
        const char* joined;
    } cases[] = {
        {"/data", "edudata.mdb", "/data/edudata.mdb"},
        {"/data/", "edudata.mdb", "/data/edudata.mdb"},
        {"/data//", "/edudata.mdb", "/data/edudata.mdb"},
        {"/", "x", "/x"},
        {"", "x", "x"},
        {"rel", "sub/x", "rel/sub/x"},
        {"/data", "", "/data/"},
        {"/Φάκελος", "αρχείο.txt", "/Φάκελος/αρχείο.txt"},
    };
    clsFileSystemObject fso;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(fso.MakeValid_FullFileName(QString::fromUtf8(c.path), QString::fromUtf8(c.name)),
                  QString::fromUtf8(c.joined));
    }
}

class FileFacts : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        root = QFileInfo(dir.path()).canonicalFilePath();
        ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("data/docs")));
        fso.set_gFSO(
            fsoWith({mount("/", "/dev/sda2", "ext4", "system"),
                     mount(root.toUtf8().constData(), "/dev/sdb1", "vfat", "Stick", true, true)}));
    }
    QTemporaryDir dir;
    QString root;
    clsFileSystemObject fso;
    QString volume = QStringLiteral("v"), driveType = QStringLiteral("t"),
            drive = QStringLiteral("d"), fPath = QStringLiteral("p"), fName = QStringLiteral("n"),
            fExtension = QStringLiteral("e"), fDate = QStringLiteral("c");
    qint32 fSize = -1;

    void info(const QString& name) {
        fso.FileInfo(name, volume, driveType, drive, fPath, fName, fExtension, fSize, fDate);
    }
};

TEST_F(FileFacts, OfAFileBelowAMountRoot) {
    const QString file = root + QStringLiteral("/data/docs/report.doc");
    writeFile(file, "12345");
    info(file);
    EXPECT_EQ(drive, root.toUpper());
    EXPECT_EQ(volume, QStringLiteral("STICK"));
    EXPECT_EQ(driveType, QStringLiteral("1"));
    EXPECT_EQ(fPath, QStringLiteral("/DATA/DOCS/"));
    EXPECT_EQ(fName, QStringLiteral("REPORT.DOC"));
    EXPECT_EQ(fExtension, QStringLiteral("DOC"));
    EXPECT_EQ(fSize, 5);
    EXPECT_EQ(fDate, QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
}

TEST_F(FileFacts, NamesAndExtensions) {
    struct Case {
        const char* name;
        const char* fName;
        const char* extension;
    } cases[] = {
        {"archive.tar.gz", "ARCHIVE.TAR.GZ", "GZ"},
        {"README", "README", ""},
        {".hidden", ".HIDDEN", ""},
        {"νόμος.htm", "ΝΌΜΟΣ.HTM", "HTM"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = root + u'/' + QString::fromUtf8(c.name);
        writeFile(file, "");
        info(file);
        EXPECT_EQ(fName, QString::fromUtf8(c.fName));
        EXPECT_EQ(fExtension, QString::fromUtf8(c.extension));
        EXPECT_EQ(fPath, QStringLiteral("/"));
        EXPECT_EQ(fSize, 0);
    }
}

TEST_F(FileFacts, OfAMissingFileOrAFolderAreEmpty) {
    for (const QString& name :
         {root + QStringLiteral("/nothing.txt"), root + QStringLiteral("/data"), QString()}) {
        SCOPED_TRACE(name.toStdString());
        info(name);
        for (const QString* text :
             {&volume, &driveType, &drive, &fPath, &fName, &fExtension, &fDate})
            EXPECT_TRUE(text->isEmpty());
        EXPECT_EQ(fSize, 0);
        fSize = -1;
    }
}

TEST_F(FileFacts, SizeBeyondThirtyTwoBitsKeepsTheValuePassedIn) {
    const QString file = root + QStringLiteral("/big.bin");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(qint64(3) << 30)); // sparse: no space used
    }
    fSize = 77;
    info(file);
    EXPECT_EQ(fSize, 77);
    EXPECT_EQ(fName, QStringLiteral("BIG.BIN"));
}

class FileOperations : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    QString lastReport() const {
        return messages.shown.empty() ? QString() : messages.shown.back().text;
    }

    QTemporaryDir dir;
    testsupport::RecordingMessages messages;
    clsFileSystemObject fso;
};

TEST_F(FileOperations, SucceedWithoutReports) {
    writeFile(path("a.txt"), "alpha");
    writeFile(path("old.txt"), "old");
    EXPECT_TRUE(fso.CopyFile(path("a.txt"), path("b.txt")));
    EXPECT_TRUE(fso.CopyFile(path("a.txt"), path("old.txt"))); // replaces
    EXPECT_EQ(readFile(path("old.txt")), "alpha");
    EXPECT_EQ(readFile(path("a.txt")), "alpha");

    writeFile(path("target.txt"), "target");
    EXPECT_TRUE(fso.RenameFile(path("b.txt"), path("target.txt"))); // replaces
    EXPECT_EQ(readFile(path("target.txt")), "alpha");
    EXPECT_FALSE(QFile::exists(path("b.txt")));

    EXPECT_TRUE(fso.CreateFolder(path("sub")));
    EXPECT_TRUE(QFileInfo(path("sub")).isDir());

    // A read-only file is deleted as well.
    ASSERT_EQ(::chmod(QFile::encodeName(path("a.txt")).constData(), 0444), 0);
    EXPECT_TRUE(fso.DeleteFile(path("a.txt")));
    EXPECT_FALSE(QFile::exists(path("a.txt")));

    EXPECT_TRUE(messages.shown.empty());
    // No half-written copies are left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(FileOperations, CopyKeepsTheSourcePermissions) {
    writeFile(path("tool.sh"), "#!/bin/sh\n");
    ASSERT_EQ(::chmod(QFile::encodeName(path("tool.sh")).constData(), 0750), 0);
    ASSERT_TRUE(fso.CopyFile(path("tool.sh"), path("copy.sh")));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path("copy.sh")).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0750u);
}

TEST_F(FileOperations, FailuresShowTheirReport) {
    writeFile(path("a.txt"), "alpha");
    writeFile(path("locked.txt"), "locked");
    ASSERT_EQ(::chmod(QFile::encodeName(path("locked.txt")).constData(), 0444), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));

    struct Case {
        const char* what;
        std::function<bool()> run;
        QString firstLine;
        int number;
    } cases[] = {
        {"delete missing", [&] { return fso.DeleteFile(path("none.txt")); },
         "Πρόβλημα στην διαγραφή του αρχείου " + path("none.txt"), 53},
        {"delete folder", [&] { return fso.DeleteFile(path("folder")); },
         "Πρόβλημα στην διαγραφή του αρχείου " + path("folder"), 53},
        {"copy missing", [&] { return fso.CopyFile(path("none.txt"), path("x.txt")); },
         "Πρόβλημα στην αντιγραφή του αρχείου " + path("none.txt") + " στο " + path("x.txt"), 53},
        {"copy into missing folder",
         [&] { return fso.CopyFile(path("a.txt"), path("nodir/x.txt")); },
         "Πρόβλημα στην αντιγραφή του αρχείου " + path("a.txt") + " στο " + path("nodir/x.txt"),
         76},
        {"copy onto read-only", [&] { return fso.CopyFile(path("a.txt"), path("locked.txt")); },
         "Πρόβλημα στην αντιγραφή του αρχείου " + path("a.txt") + " στο " + path("locked.txt"), 70},
        {"copy onto itself", [&] { return fso.CopyFile(path("a.txt"), path("a.txt")); },
         "Πρόβλημα στην αντιγραφή του αρχείου " + path("a.txt") + " στο " + path("a.txt"), 70},
        {"rename missing", [&] { return fso.RenameFile(path("none.txt"), path("y.txt")); },
         "Πρόβλημα στην μετονομασία του αρχείου " + path("none.txt") + " σε " + path("y.txt"), 53},
        {"rename onto read-only", [&] { return fso.RenameFile(path("a.txt"), path("locked.txt")); },
         "Πρόβλημα στην μετονομασία του αρχείου " + path("a.txt") + " σε " + path("locked.txt"),
         70},
        {"rename onto itself", [&] { return fso.RenameFile(path("a.txt"), path("./a.txt")); },
         "Πρόβλημα στην μετονομασία του αρχείου " + path("a.txt") + " σε " + path("./a.txt"), 70},
        {"existing folder", [&] { return fso.CreateFolder(path("folder")); },
         "Πρόβλημα στην δημιουργία του καταλόγου " + path("folder"), 58},
        {"folder in missing parent", [&] { return fso.CreateFolder(path("no/sub")); },
         "Πρόβλημα στην δημιουργία του καταλόγου " + path("no/sub"), 76},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        messages.shown.clear();
        EXPECT_FALSE(c.run());
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].icon, dvRtns4::MsgIcon::Critical);
        const QStringList lines = lastReport().split(QStringLiteral("\r\n"));
        ASSERT_EQ(lines.size(), 5);
        EXPECT_EQ(lines[0], c.firstLine);
        EXPECT_EQ(lines[3], QStringLiteral("Κωδικός   : ") + QString::number(c.number));
    }
    // Nothing was lost or half-written on the way.
    EXPECT_EQ(readFile(path("a.txt")), "alpha");
    EXPECT_EQ(readFile(path("locked.txt")), "locked");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST(clsFile, TemporaryFolderAndFiles) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QByteArray saved = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(tmp.path()));

    EXPECT_EQ(clsFile::FindTempPath(), tmp.path() + u'/');
    const QString a = clsFile::FindTempFName(QStringLiteral("abcdef"));
    const QString b = clsFile::FindTempFName(QStringLiteral("abcdef"));
    EXPECT_TRUE(a.startsWith(tmp.path() + QStringLiteral("/abc~")));
    EXPECT_NE(a, b);
    EXPECT_TRUE(QFileInfo(a).isFile());
    EXPECT_EQ(QFileInfo(a).size(), 0);
    EXPECT_EQ(QFileInfo(a).permissions() & (QFile::ReadOther | QFile::ReadGroup),
              QFileDevice::Permissions());
    // A separator in the prefix stays inside the folder.
    const QString up = clsFile::FindTempFName(QStringLiteral("../x"));
    EXPECT_EQ(QFileInfo(up).path(), tmp.path());
    EXPECT_TRUE(QFileInfo(up).fileName().startsWith(QStringLiteral(".._~")));
    EXPECT_TRUE(QFileInfo(clsFile::FindTempFName(QString())).fileName().startsWith(u'~'));

    // No folder, no file.
    qputenv("TMPDIR", QFile::encodeName(tmp.filePath(QStringLiteral("gone"))));
    EXPECT_EQ(clsFile::FindTempFName(QStringLiteral("ab")), QString());

    if (saved.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", saved);
}
