// The program's settings: reading with defaults, writing with the empty-value
// rule, and the machine's program-files folder with its status.
#include "app/startup/ApplicationSettings.h"
#include "routines/IniSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using dvRtns4::IniSettingsStore;
using lexora::startup::ApplicationSettings;

namespace {

class ApplicationSettingsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    IniSettingsStore user{dir.path() + QStringLiteral("/user/DRAVIK/Software.ini")};
    IniSettingsStore machine{dir.path() + QStringLiteral("/machine/DRAVIK/SOFTWARE.ini")};
    ApplicationSettings settings{user, machine};

    QString readViewer() const {
        return settings.ReadSetting(true, QStringLiteral("\\LEXORA"),
                                    QStringLiteral("Application2Open"), QStringLiteral("none"));
    }
    void storeRaw(IniSettingsStore& store, const QString& key, const QString& name,
                  const QString& value) {
        ASSERT_TRUE(store.write(key, name, value));
    }
};

TEST_F(ApplicationSettingsTest, FirstSaveCreatesTheKeyAndReadsBack) {
    EXPECT_FALSE(QFile::exists(user.filePath()));
    EXPECT_EQ(readViewer(), QStringLiteral("none"));
    EXPECT_TRUE(settings.WriteUserSetting(QStringLiteral("\\LEXORA"),
                                          QStringLiteral("Application2Open"),
                                          QStringLiteral("/usr/bin/libreoffice")));
    EXPECT_TRUE(QFile::exists(user.filePath()));
    EXPECT_EQ(readViewer(), QStringLiteral("/usr/bin/libreoffice"));
    // The machine area is another store.
    EXPECT_EQ(settings.ReadSetting(false, QStringLiteral("\\LEXORA"),
                                   QStringLiteral("Application2Open"), QString()),
              QString());
}

TEST_F(ApplicationSettingsTest, EmptyPathIsStoredAsOneBlankAndReadsAsDefault) {
    ASSERT_TRUE(settings.WriteUserSetting(QStringLiteral("\\LEXORA"),
                                          QStringLiteral("Application2Open"), QString()));
    const auto raw =
        user.read(QStringLiteral("DRAVIK\\LEXORA"), QStringLiteral("Application2Open"));
    EXPECT_EQ(raw.text, QStringLiteral(" "));
    EXPECT_EQ(readViewer(), QStringLiteral("none"));
    EXPECT_EQ(settings.ReadSetting(true, QStringLiteral("\\LEXORA"),
                                   QStringLiteral("Application2Open"), QString()),
              QString());
}

TEST_F(ApplicationSettingsTest, StoredTextsAreCutTrimmedOrRefused) {
    const struct {
        QString stored;
        QString read;
    } cases[] = {
        {QStringLiteral("   "), QStringLiteral("none")},
        {QStringLiteral("  /opt/x  "), QStringLiteral("/opt/x")},
        {QStringLiteral("/opt/x") + QChar(0) + QStringLiteral("rest"), QStringLiteral("/opt/x")},
        {QChar(0) + QStringLiteral("rest"), QStringLiteral("none")},
        {QStringLiteral("/home/μαρία/Έγγραφα/επεξεργαστής"),
         QStringLiteral("/home/μαρία/Έγγραφα/επεξεργαστής")},
        {QString(3990, QLatin1Char('x')), QString(3990, QLatin1Char('x'))},
        {QString(3991, QLatin1Char('x')), QStringLiteral("none")},
    };
    for (const auto& c : cases) {
        storeRaw(user, QStringLiteral("DRAVIK\\LEXORA"), QStringLiteral("Application2Open"),
                 c.stored);
        EXPECT_EQ(readViewer(), c.read) << c.stored.left(40).toStdString();
    }
}

TEST_F(ApplicationSettingsTest, ReadAndWriteSpellTheKeyDifferentlyButMeetTheSameValue) {
    // Written under "Software\DRAVIK", read under "SOFTWARE\DRAVIK".
    storeRaw(user, QStringLiteral("Dravik\\lexora"), QStringLiteral("APPLICATION2OPEN"),
             QStringLiteral("/bin/true"));
    EXPECT_EQ(readViewer(), QStringLiteral("/bin/true"));
}

TEST_F(ApplicationSettingsTest, ProgramFilesFolderAndItsStatus) {
    int status = -1;
    EXPECT_EQ(settings.ReadProgramFilesFolder(status), QStringLiteral("?"));
    EXPECT_EQ(status, 3); // no store, so no key

    const QString key = QStringLiteral("Microsoft\\Windows\\CurrentVersion");
    storeRaw(machine, key, QStringLiteral("CommonFilesDir"), QStringLiteral("/opt/common"));
    EXPECT_EQ(settings.ReadProgramFilesFolder(status), QStringLiteral("?"));
    EXPECT_EQ(status, 5); // no value

    storeRaw(machine, key, QStringLiteral("ProgramFilesDir"), QStringLiteral("   "));
    EXPECT_EQ(settings.ReadProgramFilesFolder(status), QStringLiteral("?"));
    EXPECT_EQ(status, 0); // empty after trimming

    storeRaw(machine, key, QStringLiteral("ProgramFilesDir"), QStringLiteral(" /opt "));
    EXPECT_EQ(settings.ReadProgramFilesFolder(status), QStringLiteral("/opt"));
    EXPECT_EQ(status, 1);

    storeRaw(machine, key, QStringLiteral("ProgramFilesDir"), QString(4000, QLatin1Char('x')));
    EXPECT_EQ(settings.ReadProgramFilesFolder(status), QStringLiteral("?"));
    EXPECT_EQ(status, 5); // too long for the buffer
}

TEST_F(ApplicationSettingsTest, SettingsFileThatIsAFolderGivesDefaultsAndFailedWrites) {
    QDir().mkpath(user.filePath());
    EXPECT_EQ(readViewer(), QStringLiteral("none"));
    EXPECT_FALSE(settings.WriteUserSetting(QStringLiteral("\\LEXORA"),
                                           QStringLiteral("Application2Open"),
                                           QStringLiteral("/bin/true")));
    QDir().mkpath(machine.filePath());
    int status = -1;
    EXPECT_EQ(settings.ReadProgramFilesFolder(status), QStringLiteral("?"));
    EXPECT_EQ(status, 0);
}

} // namespace
