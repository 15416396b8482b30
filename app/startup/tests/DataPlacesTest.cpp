// Where a run reads its database and writes its history: as before from a
// writable application folder; from a read-only one, a working copy in the
// user's data folder that follows the installed database and keeps the
// user's own value.
#include "app/startup/DataPlaces.h"
#include "app/startup/tests/StartupDoubles.h"
#include "tests/support/FixtureDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

#include <map>
#include <set>

using namespace lexora::startup;

namespace {

const QString kApp = QStringLiteral("/usr/lib/lexora");
const QString kUser = QStringLiteral("/home/anna/.local/share/lexora");
const QString kInstalled = kApp + QStringLiteral("/edudata.mdb");
const QString kCopy = kUser + QStringLiteral("/edudata.mdb");

QDateTime at(int day) {
    return QDateTime(QDate(2026, 3, day), QTime(10, 0), Qt::UTC);
}

// A disk in memory: databases with a version, a time and the user's value.
class FakeDataFiles final : public DataFiles {
public:
    struct File {
        std::optional<int> version;
        QDateTime modified;
        std::optional<int> kept;
        QString text;
    };
    std::map<QString, File> files;
    std::set<QString> writableFolders;
    bool refuseFolders = false;
    bool refuseCopies = false;
    int copies = 0;

    bool folderWritable(const QString& folder) const override {
        return writableFolders.count(folder) > 0;
    }
    bool fileExists(const QString& path) const override { return files.count(path) > 0; }
    bool makeFolder(const QString& folder) override {
        if (refuseFolders)
            return false;
        writableFolders.insert(folder);
        return true;
    }
    std::optional<int> dataVersion(const QString& path) const override {
        return fileExists(path) ? files.at(path).version : std::nullopt;
    }
    QDateTime modified(const QString& path) const override {
        return fileExists(path) ? files.at(path).modified : QDateTime();
    }
    bool replaceFile(const QString& from, const QString& to) override {
        if (refuseCopies)
            return false;
        ++copies;
        files[to] = files.at(from);
        files[to].modified = at(28); // written now
        return true;
    }
    std::optional<int> keptValue(const QString& database) override {
        return files.at(database).kept;
    }
    bool writeKeptValue(const QString& database, int value) override {
        files.at(database).kept = value;
        return true;
    }
    std::optional<QString> readText(const QString& path) const override {
        return fileExists(path) ? std::optional(files.at(path).text) : std::nullopt;
    }
    bool writeText(const QString& path, const QString& text) override {
        files[path].text = text;
        return true;
    }
};

} // namespace

TEST(DataPlacesTest, TheUsersDataFolderFollowsXdgDataHome) {
    EXPECT_EQ(UserDataFolder(QStringLiteral("/data/anna"), QStringLiteral("/home/anna")),
              QStringLiteral("/data/anna/lexora"));
    EXPECT_EQ(UserDataFolder({}, QStringLiteral("/home/anna")),
              QStringLiteral("/home/anna/.local/share/lexora"));
    // A relative value is not a valid XDG_DATA_HOME and is ignored.
    EXPECT_EQ(UserDataFolder(QStringLiteral("data"), QStringLiteral("/home/anna/")),
              QStringLiteral("/home/anna/.local/share/lexora"));
}

TEST(DataPlacesTest, AWritableApplicationFolderIsUsedAsBefore) {
    FakeDataFiles disk;
    disk.files[kInstalled] = {29, at(1), 0, {}};
    disk.writableFolders.insert(kApp);
    const DataPlaces places = ChooseDataPlaces(disk, kApp, kUser);
    EXPECT_EQ(places.dataFolder, kApp);
    EXPECT_EQ(places.databasePath, kInstalled);
    EXPECT_FALSE(places.workingCopy);
    EXPECT_EQ(disk.copies, 0);
    EXPECT_EQ(disk.writableFolders.count(kUser), 0u);
}

TEST(DataPlacesTest, TheFirstStartFromAReadOnlyFolderMakesTheWorkingCopy) {
    FakeDataFiles disk;
    disk.files[kInstalled] = {29, at(1), 0, {}};
    const DataPlaces places = ChooseDataPlaces(disk, kApp, kUser);
    EXPECT_EQ(places.dataFolder, kUser);
    EXPECT_EQ(places.databasePath, kCopy);
    EXPECT_TRUE(places.workingCopy);
    EXPECT_EQ(disk.copies, 1);
}

TEST(DataPlacesTest, TheCopyIsReplacedOnlyByANewerInstalledDatabaseKeepingTheUsersValue) {
    const struct {
        const char* what;
        std::optional<int> version; // of the installed database at the second start
        int day;                    // its modification day (the first was day 1)
        bool dropSourceRecord;
        bool replaced;
    } cases[] = {
        {"nothing changed", 29, 1, false, false},
        {"a newer data version", 30, 1, false, true},
        {"the same version, installed later", 29, 5, false, true},
        {"the same version, an older file", 29, 1, false, false},
        {"an older version installed later", 28, 9, false, false},
        {"a damaged installed database", std::nullopt, 9, false, false},
        {"no record of the source, same version", 29, 5, true, false},
        {"no record of the source, newer version", 30, 1, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeDataFiles disk;
        disk.files[kInstalled] = {29, at(1), 0, {}};
        ChooseDataPlaces(disk, kApp, kUser);
        disk.files.at(kCopy).kept = 1; // "do not show again", ticked by the user
        disk.files[kInstalled] = {c.version, at(c.day), 0, {}};
        if (c.dropSourceRecord)
            disk.files.erase(kUser + QStringLiteral("/edudata.source"));

        const DataPlaces places = ChooseDataPlaces(disk, kApp, kUser);
        EXPECT_EQ(places.databasePath, kCopy);
        EXPECT_EQ(disk.copies, c.replaced ? 2 : 1);
        EXPECT_EQ(disk.files.at(kCopy).version, c.replaced ? c.version : 29);
        EXPECT_EQ(disk.files.at(kCopy).kept, 1);

        // Once replaced, the copy stays until the installed database changes again.
        ChooseDataPlaces(disk, kApp, kUser);
        EXPECT_EQ(disk.copies, c.replaced ? 2 : 1);
    }
}

TEST(DataPlacesTest, WhatCannotBeWrittenLeavesARunThatStillWorks) {
    {
        SCOPED_TRACE("the user's data folder cannot be made");
        FakeDataFiles disk;
        disk.files[kInstalled] = {29, at(1), 0, {}};
        disk.refuseFolders = true;
        const DataPlaces places = ChooseDataPlaces(disk, kApp, kUser);
        EXPECT_EQ(places.dataFolder, kApp);
        EXPECT_EQ(places.databasePath, kInstalled);
    }
    {
        SCOPED_TRACE("the first copy fails: the installed database, read where it lies");
        FakeDataFiles disk;
        disk.files[kInstalled] = {29, at(1), 0, {}};
        disk.refuseCopies = true;
        const DataPlaces places = ChooseDataPlaces(disk, kApp, kUser);
        EXPECT_EQ(places.dataFolder, kUser);
        EXPECT_EQ(places.databasePath, kInstalled);
        EXPECT_FALSE(places.workingCopy);
    }
    {
        SCOPED_TRACE("a replacement fails: the old copy, with the user's value");
        FakeDataFiles disk;
        disk.files[kInstalled] = {29, at(1), 0, {}};
        ChooseDataPlaces(disk, kApp, kUser);
        disk.files.at(kCopy).kept = 1;
        disk.files[kInstalled] = {30, at(2), 0, {}};
        disk.refuseCopies = true;
        const DataPlaces places = ChooseDataPlaces(disk, kApp, kUser);
        EXPECT_EQ(places.databasePath, kCopy);
        EXPECT_EQ(disk.files.at(kCopy).version, 29);
        EXPECT_EQ(disk.files.at(kCopy).kept, 1);
        // The next start tries again.
        disk.refuseCopies = false;
        ChooseDataPlaces(disk, kApp, kUser);
        EXPECT_EQ(disk.files.at(kCopy).version, 30);
        EXPECT_EQ(disk.files.at(kCopy).kept, 1);
    }
    {
        SCOPED_TRACE("no installed database: start-up reports it as before");
        FakeDataFiles disk;
        const DataPlaces places = ChooseDataPlaces(disk, kApp, kUser);
        EXPECT_EQ(places.databasePath, kInstalled);
        EXPECT_EQ(disk.copies, 0);
    }
}

TEST(DataPlacesTest, OnTheDiskTheCopyCarriesTheUsersValueIntoANewerDatabase) {
    testsupport::FixtureDatabase installed(
        QStringLiteral("INSERT INTO system_law_parameters (sys_info_display) VALUES (0);"));
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString user = home.filePath(QStringLiteral("share/lexora"));
    LocalDataFiles local;
    ASSERT_EQ(local.dataVersion(installed.path()), 29);
    EXPECT_EQ(local.dataVersion(QStringLiteral(LEXORA_SCHEMA_SQL)), std::nullopt);
    EXPECT_TRUE(local.folderWritable(installed.folder()));

    startuptest::ReadOnlyApplicationFolder disk(installed.folder());
    DataPlaces places = ChooseDataPlaces(disk, installed.folder(), user);
    ASSERT_EQ(places.databasePath, user + QStringLiteral("/edudata.mdb"));
    EXPECT_EQ(local.keptValue(places.databasePath), 0);
    ASSERT_TRUE(local.writeKeptValue(places.databasePath, 1));
    EXPECT_TRUE(QFileInfo(places.databasePath).isWritable());

    // A newer database is installed: the copy follows it, keeping the value.
    installed.exec(QStringLiteral("PRAGMA user_version = 30;"));
    places = ChooseDataPlaces(disk, installed.folder(), user);
    EXPECT_EQ(local.dataVersion(places.databasePath), 30);
    EXPECT_EQ(local.keptValue(places.databasePath), 1);
    EXPECT_EQ(local.keptValue(installed.path()), 0);
}

TEST(DataPlacesTest, AFolderWithoutWritePermissionIsReadOnly) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    LocalDataFiles disk;
    EXPECT_TRUE(disk.folderWritable(folder.path()));
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool writable = disk.folderWritable(folder.path());
    QFile::setPermissions(folder.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (::geteuid() == 0)
        GTEST_SKIP() << "run as root, whom a folder's permissions do not stop from writing";
    EXPECT_FALSE(writable);
    EXPECT_TRUE(
        QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}
