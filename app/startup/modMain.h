// modMain: the program's start-up. Main prepares the environment, refuses a
// second instance, stops on wrong regional settings, opens the database,
// checks its data version and shows the main window; every failure on the
// way ends the program, most of them with a message.
#pragma once

#include "app/startup/StartupServices.h"

#include <QString>

namespace lexora::startup {

struct ProgramContext;

inline const QString kStaleSubFolder = QStringLiteral("/LEXORA");
// The program's file description, shown by the regional-settings window.
inline const QString kFileDescription =
    QStringLiteral("Lexora - Νομοθεσία Πρωτοβάθμιας Εκπαίδευσης");

// Runs the start-up once, in order. Ends the program through
// services.endProgram on every failure; otherwise leaves either the main
// window or the regional-settings window running.
void Main(StartupServices& services, ProgramContext& context);

// Opens the main connection on <application folder>/edudata.mdb; throws the
// engine's error when it fails.
bool OpenMainConnection(StartupServices& services, ProgramContext& context);

// Deletes the program file and edudata.mdb left in the platform's
// program-files folder + subFolder by an older installation, unless that
// folder is the application folder. Read-only files stay; every failure is
// ignored.
void RemoveStaleInstallation(StartupServices& services, const QString& applicationFolder,
                             const QString& subFolder);

// The message texts of start-up.
QString SecondInstanceTitle(const QString& applicationTitle);
QString SecondInstanceText();
QString MissingDatabaseText();
QString DatabaseFailureTitle();
QString DatabaseFailureText(int number, const QString& description);
QString MainConnectionFailureText(int number, const QString& description);

} // namespace lexora::startup
