// The INI settings store: create-on-write, letter case, read statuses, the
// byte limit and stores that cannot be read or written.
#include "routines/IniSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using dvRtns4::IniSettingsStore;
using dvRtns4::SettingsReadStatus;

namespace {

class IniSettingsStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.path() + QStringLiteral("/DRAVIK/Software.ini"); }

    void writeRaw(const QByteArray& bytes) const {
        QDir().mkpath(dir.path() + QStringLiteral("/DRAVIK"));
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readRaw() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

bool runningAsRoot() {
    return ::geteuid() == 0;
}

TEST_F(IniSettingsStoreTest, FirstWriteCreatesFolderFileAndKey) {
    IniSettingsStore store(path());
    EXPECT_EQ(
        store.read(QStringLiteral("DRAVIK\\LEXORA"), QStringLiteral("Application2Open")).status,
        SettingsReadStatus::KeyNotFound);
    ASSERT_TRUE(store.write(QStringLiteral("DRAVIK\\LEXORA"), QStringLiteral("Application2Open"),
                            QStringLiteral("/usr/bin/lowriter")));
    EXPECT_TRUE(QFile::exists(path()));
    const auto read =
        store.read(QStringLiteral("DRAVIK\\LEXORA"), QStringLiteral("Application2Open"));
    EXPECT_EQ(read.status, SettingsReadStatus::Ok);
    EXPECT_EQ(read.text, QStringLiteral("/usr/bin/lowriter"));
}

TEST_F(IniSettingsStoreTest, KeyPathAndValueNameIgnoreLetterCase) {
    IniSettingsStore store(path());
    ASSERT_TRUE(store.write(QStringLiteral("Dravik\\Lexora"), QStringLiteral("application2open"),
                            QStringLiteral("first")));
    ASSERT_TRUE(store.write(QStringLiteral("DRAVIK\\LEXORA"), QStringLiteral("Application2Open"),
                            QStringLiteral("second")));
    const auto read = IniSettingsStore(path()).read(QStringLiteral("dravik\\LEXORA"),
                                                    QStringLiteral("APPLICATION2OPEN"));
    EXPECT_EQ(read.status, SettingsReadStatus::Ok);
    EXPECT_EQ(read.text, QStringLiteral("second"));
    // One group and one value, in the spelling first written.
    EXPECT_EQ(readRaw().count("second"), 1);
    EXPECT_FALSE(readRaw().contains("first"));
    EXPECT_TRUE(readRaw().contains("application2open"));
}

TEST_F(IniSettingsStoreTest, ReadStatusesTellMissingKeyFromMissingValue) {
    IniSettingsStore store(path());
    ASSERT_TRUE(store.write(QStringLiteral("Microsoft\\Windows\\CurrentVersion"),
                            QStringLiteral("ProgramFilesDir"), QStringLiteral("/opt")));
    EXPECT_EQ(
        store.read(QStringLiteral("Microsoft\\Windows"), QStringLiteral("ProgramFilesDir")).status,
        SettingsReadStatus::ValueNotFound);
    EXPECT_EQ(store
                  .read(QStringLiteral("Microsoft\\Windows\\CurrentVersion"),
                        QStringLiteral("CommonFilesDir"))
                  .status,
              SettingsReadStatus::ValueNotFound);
    EXPECT_EQ(
        store.read(QStringLiteral("Microsoft\\Office"), QStringLiteral("ProgramFilesDir")).status,
        SettingsReadStatus::KeyNotFound);
}

TEST_F(IniSettingsStoreTest, HandWrittenFileIsRead) {
    writeRaw("[Microsoft]\nWindows\\CurrentVersion\\ProgramFilesDir=/opt/programs\n"
             "[International]\nsDecimal=\",\"\nsThousand=.\n");
    IniSettingsStore store(path());
    EXPECT_EQ(store
                  .read(QStringLiteral("Microsoft\\Windows\\CurrentVersion"),
                        QStringLiteral("ProgramFilesDir"))
                  .text,
              QStringLiteral("/opt/programs"));
    EXPECT_EQ(store.read(QStringLiteral("International"), QStringLiteral("sDecimal")).text,
              QStringLiteral(","));
    EXPECT_EQ(store.read(QStringLiteral("International"), QStringLiteral("sThousand")).text,
              QStringLiteral("."));
}

TEST_F(IniSettingsStoreTest, SerializedObjectsInADamagedFileAreNeitherReadNorRewritten) {
    // The toolkit reads such a value as binary data whose length (here 2 GB
    // of a byte array) it trusts; however spelt, the file is left alone.
    const char* const spellings[] = {
        "Application2Open=@Variant(\\0\\0\\0\\f\\x7f\\xff\\xff\\xff)\n",
        "Application2Open=\"@Variant(\\0\\0\\0\\f\\x7f\\xff\\xff\\xff)\"\n",
        "Application2Open=\\x40Var\\151ant(\\0\\0\\0\\f\\x7f\\xff\\xff\\xff)\n",
        "Application2Open=x, @DateTime(\\0\\0\\0\\x10\\x7f\\xff\\xff\\xff)\n",
    };
    for (const char* spelling : spellings) {
        SCOPED_TRACE(spelling);
        const QByteArray content = QByteArray("[DRAVIK]\nL=12\n[LEXORA]\n") + spelling;
        writeRaw(content);
        IniSettingsStore store(path());
        EXPECT_EQ(store.read(QStringLiteral("LEXORA"), QStringLiteral("Application2Open")).status,
                  SettingsReadStatus::KeyOpenFailed);
        EXPECT_NE(store.read(QStringLiteral("DRAVIK"), QStringLiteral("L")).status,
                  SettingsReadStatus::Ok);
        EXPECT_FALSE(
            store.write(QStringLiteral("DRAVIK"), QStringLiteral("L"), QStringLiteral("5")));
        EXPECT_EQ(readRaw(), content);
    }
    // A text that merely begins with "@" is written and read back as text.
    QFile::remove(path());
    IniSettingsStore store(path());
    ASSERT_TRUE(store.write(QStringLiteral("DRAVIK"), QStringLiteral("Note"),
                            QStringLiteral("@Rect(1 2 3 4)")));
    EXPECT_EQ(store.read(QStringLiteral("DRAVIK"), QStringLiteral("Note")).text,
              QStringLiteral("@Rect(1 2 3 4)"));
}

TEST_F(IniSettingsStoreTest, ValuesRoundTripExactly) {
    IniSettingsStore store(path());
    const QString values[] = {QStringLiteral(" "),
                              QStringLiteral(","),
                              QStringLiteral("/home/χρήστης/Έγγραφα/πρόγραμμα"),
                              QStringLiteral("a;b=c \"d\""),
                              QStringLiteral("@Variant"),
                              QStringLiteral("€")};
    int n = 0;
    for (const QString& value : values) {
        const QString name = QStringLiteral("v%1").arg(n++);
        ASSERT_TRUE(store.write(QStringLiteral("International"), name, value));
        EXPECT_EQ(IniSettingsStore(path()).read(QStringLiteral("International"), name).text, value)
            << value.toStdString();
    }
}

TEST_F(IniSettingsStoreTest, ValueLongerThanTheBufferIsNotRead) {
    IniSettingsStore store(path());
    ASSERT_TRUE(store.write(QStringLiteral("K"), QStringLiteral("fits"), QString(3990, 'x')));
    ASSERT_TRUE(store.write(QStringLiteral("K"), QStringLiteral("long"), QString(3991, 'x')));
    // Two bytes per Greek letter: 1996 letters take 3992 bytes.
    ASSERT_TRUE(
        store.write(QStringLiteral("K"), QStringLiteral("greek"), QString(1996, QChar(0x03B1))));
    EXPECT_EQ(store.read(QStringLiteral("K"), QStringLiteral("fits"), 3990).status,
              SettingsReadStatus::Ok);
    EXPECT_EQ(store.read(QStringLiteral("K"), QStringLiteral("long"), 3990).status,
              SettingsReadStatus::MoreData);
    EXPECT_EQ(store.read(QStringLiteral("K"), QStringLiteral("greek"), 3990).status,
              SettingsReadStatus::MoreData);
    EXPECT_EQ(store.read(QStringLiteral("K"), QStringLiteral("long")).status,
              SettingsReadStatus::Ok);
}

TEST_F(IniSettingsStoreTest, UnreadableFileIsDeniedAndNotOverwritten) {
    if (runningAsRoot())
        GTEST_SKIP() << "file permissions do not bind root";
    IniSettingsStore store(path());
    ASSERT_TRUE(store.write(QStringLiteral("K"), QStringLiteral("v"), QStringLiteral("kept")));
    QFile::setPermissions(path(), QFileDevice::WriteOwner);
    EXPECT_EQ(store.read(QStringLiteral("K"), QStringLiteral("v")).status,
              SettingsReadStatus::AccessDenied);
    EXPECT_FALSE(store.write(QStringLiteral("K"), QStringLiteral("v"), QStringLiteral("lost")));
    QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(store.read(QStringLiteral("K"), QStringLiteral("v")).text, QStringLiteral("kept"));
}

TEST_F(IniSettingsStoreTest, WriteFailsOnReadOnlyFileOrFolder) {
    if (runningAsRoot())
        GTEST_SKIP() << "file permissions do not bind root";
    IniSettingsStore store(path());
    ASSERT_TRUE(store.write(QStringLiteral("K"), QStringLiteral("v"), QStringLiteral("kept")));
    QFile::setPermissions(path(), QFileDevice::ReadOwner);
    EXPECT_FALSE(store.write(QStringLiteral("K"), QStringLiteral("v"), QStringLiteral("lost")));
    EXPECT_EQ(store.read(QStringLiteral("K"), QStringLiteral("v")).text, QStringLiteral("kept"));

    const QString lockedFolder = dir.path() + QStringLiteral("/locked");
    QDir().mkpath(lockedFolder);
    QFile::setPermissions(lockedFolder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    IniSettingsStore inLockedFolder(lockedFolder + QStringLiteral("/DRAVIK/Software.ini"));
    EXPECT_FALSE(
        inLockedFolder.write(QStringLiteral("K"), QStringLiteral("v"), QStringLiteral("x")));
    QFile::setPermissions(lockedFolder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(IniSettingsStoreTest, FolderInPlaceOfTheFileFailsQuietly) {
    QDir().mkpath(path());
    IniSettingsStore store(path());
    EXPECT_EQ(store.read(QStringLiteral("K"), QStringLiteral("v")).status,
              SettingsReadStatus::KeyOpenFailed);
    EXPECT_FALSE(store.write(QStringLiteral("K"), QStringLiteral("v"), QStringLiteral("x")));
}

TEST_F(IniSettingsStoreTest, GarbageFileReadsNothingAndTakesNewValues) {
    static const char kGarbage[] = "\x00\x01\xff[[[=\n\x7f\x80 binary";
    const QByteArray garbage(kGarbage, sizeof kGarbage - 1);
    writeRaw(garbage);
    IniSettingsStore store(path());
    const auto read =
        store.read(QStringLiteral("DRAVIK\\LEXORA"), QStringLiteral("Application2Open"));
    EXPECT_NE(read.status, SettingsReadStatus::Ok);
    ASSERT_TRUE(store.write(QStringLiteral("DRAVIK\\LEXORA"), QStringLiteral("Application2Open"),
                            QStringLiteral("x")));
    EXPECT_EQ(IniSettingsStore(path())
                  .read(QStringLiteral("DRAVIK\\LEXORA"), QStringLiteral("Application2Open"))
                  .text,
              QStringLiteral("x"));
}

} // namespace
