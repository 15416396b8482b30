// Everything start-up reaches outside itself, handed in so that each branch
// of it can be driven: message boxes, the settings stores, the instance
// lock, the locale, the operating system's name, the file system, opening
// the database, the database routines library, the main window and the end
// of the program.
#pragma once

#include "app/startup/DataPlaces.h"
#include "engine/Connection.h"
#include "platform/system/FileSystem.h"
#include "platform/system/InstanceLock.h"
#include "platform/system/LocaleSource.h"
#include "platform/system/OsVersion.h"
#include "routines/MessagePresenter.h"
#include "routines/SettingsStore.h"

#include <QString>

#include <functional>

namespace lexora::startup {

struct ProgramContext;

inline const QString kDatabaseFileName = QStringLiteral("edudata.mdb");
inline const QString kDatabasePassword = QStringLiteral("$tr4vo");
inline const QString kProgramFileName = QStringLiteral("lexora");

// Opens the program's database: the main connection and the second,
// read-only open. Both throw engine::EngineError.
class DatabaseOpener {
public:
    virtual ~DatabaseOpener();
    virtual void openMain(engine::Connection& connection, const QString& path) = 0;
    virtual engine::ReadOnlyDatabase openSecond(const QString& path) = 0;
};

// The real engine: the connection text with the database password, user
// "Admin" and no password of the user's own.
class EngineDatabaseOpener final : public DatabaseOpener {
public:
    void openMain(engine::Connection& connection, const QString& path) override;
    engine::ReadOnlyDatabase openSecond(const QString& path) override;
};

// Creates the main window frmInitial and shows it without waiting.
class MainWindowFactory {
public:
    virtual ~MainWindowFactory();
    virtual void createAndShow(ProgramContext& context) = 0;
};

struct StartupServices {
    dvRtns4::MessagePresenter& messages;
    dvRtns4::SettingsStore& userSettings;          // the user's "Software" key
    const dvRtns4::SettingsStore& machineSettings; // the machine's "SOFTWARE" key
    dvRtns4::SettingsStore& regionalSettings;      // the user's "Control Panel" key
    platform::InstanceLock& instanceLock;
    const platform::LocaleSource& locale;
    const platform::OsVersionSource& osVersion;
    platform::FileSystem& files;
    DatabaseOpener& database;
    MainWindowFactory& mainWindow;
    // Initialises the database routines library for an Access database;
    // false when it refused (it has told the user).
    std::function<bool()> initDatabaseLibrary;
    // Ends the program: nothing of start-up runs after it.
    std::function<void()> endProgram;
    QString applicationFolder; // the folder of the program file, without a final separator
    QString fileDescription;   // the program's description, for the regional window
    // Where the run works when the application folder is read-only (see
    // DataPlaces.h); without dataFiles the application folder is used.
    DataFiles* dataFiles = nullptr;
    QString userDataFolder;
};

} // namespace lexora::startup
