// The program-wide values of one run: the edition, the application folder,
// the navigation state and the flags that the windows, pages, searches and
// history share. One object per run, owned by the program and handed to whoever
// needs it, so that every test starts from a fresh state.
#pragma once

#include <QString>

#include <cstdint>

namespace lexora {

inline const QString kTitleKestrani = QStringLiteral("Kestrani");
inline const QString kTitleMorvaldi = QStringLiteral("Morvaldi");
inline const QString kTitleQuillet = QStringLiteral("Quillet");

struct ProgramState {
    // Set once at start-up.
    QString applicationTitle = kTitleKestrani;
    QString applicationFolder; // without a final separator
    // Where the run writes (the history) and the database it opens: the
    // application folder and its edudata.mdb, unless that folder is
    // read-only (then the user's data folder and its working copy).
    QString dataFolder;
    QString databasePath;
    const QString& writableFolder() const {
        return dataFolder.isEmpty() ? applicationFolder : dataFolder;
    }

    // Navigation state: act ids, 0 = none.
    std::int32_t gCurrentLawId = 0;
    std::int32_t gTopicsLawId = 0;
    std::int32_t gLegislationLawId = 0;
    std::int32_t gScheduleLawIdP = 0;
    std::int32_t gScheduleLawIdN = 0;
    std::int32_t gViewerLawId = 0;
    QString gNodeMarker; // "p" while the chosen legislation node is a type node
    QString gPageHtml;   // the page last built, waiting to be written

    // Window activation: 1 while that window is the active one.
    int gMainWindowActive = 0;
    int gViewerActive = 0;

    QString gTempFolder;         // private temporary folder, with a trailing separator
    QString gDocumentViewerPath; // the program chosen to open documents

    // Public values of the main window.
    bool gOnTabThemata = false;
    bool gOnTabNomoi = false;
    bool gOnTabOrganogramma_P = false;
    bool gOnTabOrganogramma_N = false;
    bool wIsSchedule = false;
    bool gAbstract = false;
    bool gScheduleAbstract = false;

    bool isKestrani() const { return applicationTitle == kTitleKestrani; }
    bool isMorvaldi() const { return applicationTitle == kTitleMorvaldi; }
    bool isPrimaryOrSecondary() const { return isKestrani() || isMorvaldi(); }

    // The navigation reset of start-up.
    void resetNavigation() {
        gTopicsLawId = 0;
        gLegislationLawId = 0;
        gScheduleLawIdP = 0;
        gViewerLawId = 0;
        gNodeMarker.clear();
    }
};

} // namespace lexora
