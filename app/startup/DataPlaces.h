// Where a run reads its database and writes what it keeps (the history).
// From a writable application folder, there, as always. An installed
// program's folder is read-only: the program then works in the user's data
// folder ($XDG_DATA_HOME/lexora, else ~/.local/share/lexora) on a working
// copy of edudata.mdb, made on the first start and replaced when the
// installed database is newer, carrying over the one value the user wrote
// into the old copy (the information window's "do not show again").
#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace lexora::startup {

// What the decision reads of and does to the disk.
class DataFiles {
public:
    virtual ~DataFiles();
    // True when a file can be created in the folder.
    virtual bool folderWritable(const QString& folder) const = 0;
    virtual bool fileExists(const QString& path) const = 0;
    virtual bool makeFolder(const QString& folder) = 0;
    // The database's data version (SQLite's user_version); none when the
    // file is not a database that can be read.
    virtual std::optional<int> dataVersion(const QString& path) const = 0;
    virtual QDateTime modified(const QString& path) const = 0;
    // Copies `from` over `to` through a scratch file beside `to`, so that a
    // failed copy leaves `to` as it was.
    virtual bool replaceFile(const QString& from, const QString& to) = 0;
    // The user's "do not show again" value of a database, and writing it.
    virtual std::optional<int> keptValue(const QString& database) = 0;
    virtual bool writeKeptValue(const QString& database, int value) = 0;
    // The small text file that records which installed database a copy was
    // made from.
    virtual std::optional<QString> readText(const QString& path) const = 0;
    virtual bool writeText(const QString& path, const QString& text) = 0;
};

struct DataPlaces {
    QString dataFolder;   // where the history file is written
    QString databasePath; // the edudata.mdb the run opens
    bool workingCopy = false;
};

// The user's data folder for the program: $XDG_DATA_HOME/lexora when that
// variable holds an absolute path, else <home>/.local/share/lexora.
QString UserDataFolder(const QString& xdgDataHome, const QString& home);

// Decides the places of a run, making or replacing the working copy when
// the application folder is read-only. When the user's data folder cannot be
// used, the run keeps to the application folder as before.
DataPlaces ChooseDataPlaces(DataFiles& files, const QString& applicationFolder,
                            const QString& userDataFolder);

// The real disk and the engine.
class LocalDataFiles final : public DataFiles {
public:
    bool folderWritable(const QString& folder) const override;
    bool fileExists(const QString& path) const override;
    bool makeFolder(const QString& folder) override;
    std::optional<int> dataVersion(const QString& path) const override;
    QDateTime modified(const QString& path) const override;
    bool replaceFile(const QString& from, const QString& to) override;
    std::optional<int> keptValue(const QString& database) override;
    bool writeKeptValue(const QString& database, int value) override;
    std::optional<QString> readText(const QString& path) const override;
    bool writeText(const QString& path, const QString& text) override;
};

} // namespace lexora::startup
