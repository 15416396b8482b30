// The start-up sequence and its messages.
#include "app/startup/modMain.h"

#include "app/startup/ApplicationSettings.h"
#include "app/startup/DataVersion.h"
#include "app/startup/LocaleSnapshot.h"
#include "app/startup/ProgramContext.h"
#include "app/startup/frmWait.h"
#include "app/startup/frmWrongRegionalSettings.h"
#include "app/startup/frmWrongVersion.h"

#include "routines/clsFileSystemObject.h"

#include <QDir>
#include <QGuiApplication>

#include <exception>

namespace lexora::startup {

namespace {

const QChar CR(13);

// <application folder>/edudata.mdb, joined by the routines' file-system object,
// created on first use and kept for the run.
QString DatabasePath(const QString& applicationFolder) {
    static dvRtns4::clsFileSystemObject fso;
    return fso.gFSO()->BuildPath(applicationFolder, kDatabaseFileName);
}

// The busy pointer, put back on every way out of start-up.
class BusyPointer {
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { restore(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
    void restore() {
        if (m_active)
            QGuiApplication::restoreOverrideCursor();
        m_active = false;
    }

private:
    bool m_active = true;
};

struct CaughtError {
    int number = 0;
    QString description;
};

CaughtError caughtError(const std::exception& error) {
    if (const auto* engineError = dynamic_cast<const engine::EngineError*>(&error))
        return {engineError->number(), engineError->description()};
    return {engine::errors::GeneralSql, QString::fromLocal8Bit(error.what())};
}

QString withoutFinalSeparator(QString folder) {
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

bool sameFolder(platform::FileSystem& files, const QString& a, const QString& b) {
    // Spellings that differ only in letter case count as one folder, so that
    // nothing is deleted on a doubt; links and "." or ".." are resolved.
    if (QDir::cleanPath(a).compare(QDir::cleanPath(b), Qt::CaseInsensitive) == 0)
        return true;
    const QString canonicalA = files.canonicalPath(a);
    return !canonicalA.isEmpty() && canonicalA == files.canonicalPath(b);
}

void showMessage(dvRtns4::MessagePresenter& messages, dvRtns4::MsgIcon icon, const QString& title,
                 const QString& text) {
    dvRtns4::MessageRequest request;
    request.icon = icon;
    request.title = title;
    request.text = text;
    request.buttons = dvRtns4::MsgButtons::OkOnly;
    messages.show(request);
}

} // namespace

DatabaseOpener::~DatabaseOpener() = default;
MainWindowFactory::~MainWindowFactory() = default;

void EngineDatabaseOpener::openMain(engine::Connection& connection, const QString& path) {
    connection.open(engine::connectionTextFor(path, kDatabasePassword), QStringLiteral("Admin"),
                    QString());
}

engine::ReadOnlyDatabase EngineDatabaseOpener::openSecond(const QString& path) {
    return engine::ReadOnlyDatabase::open(path);
}

QString SecondInstanceTitle(const QString& applicationTitle) {
    return QStringLiteral("Είσοδος στη ") + applicationTitle;
}

QString SecondInstanceText() {
    return QStringLiteral("Η εφαρμογή \"τρέχει\" ήδη!");
}

QString MissingDatabaseText() {
    return QStringLiteral("Δεν βρέθηκαν τα δεδομένα της εφαρμογής! Βεβαιωθείτε ότι έχετε "
                          "εκτελέσει το πρόγραμμα εγκατάστασης Setup");
}

QString DatabaseFailureTitle() {
    return QStringLiteral("Είσοδος στο Brevmont");
}

QString DatabaseFailureText(int number, const QString& description) {
    const QString lastPiece =
        (number == engine::errors::FileNotFound || number == engine::errors::PathNotFound)
            ? QStringLiteral("Δεν βρέθηκε η Βάση Δεδομένων της εφαρμογής")
            : description;
    return QStringLiteral("Προσοχή!") + CR + CR +
           QStringLiteral("Σημειώθηκε σφάλμα στα αρχεία του συστήματος!") + CR + CR +
           QStringLiteral("Σημειώστε τον κωδικό λάθους και επικοινωνήστε με τον DRAVIK!") + CR +
           CR + QStringLiteral("Κωδικός Λάθους: ") + QString::number(number) +
           QStringLiteral(" - ") + lastPiece;
}

QString MainConnectionFailureText(int number, const QString& description) {
    return QStringLiteral("Η Βάση Δεδομένων της εφαρμογής δεν ήταν δυνατό να ανοίξει!") +
           QStringLiteral("\n\n") + QStringLiteral("Κωδικός Λάθους: ") + QString::number(number) +
           QStringLiteral(" - ") + description;
}

void RemoveStaleInstallation(StartupServices& services, const QString& applicationFolder,
                             const QString& subFolder) {
    const ApplicationSettings settings(services.userSettings, services.machineSettings);
    int status = 0;
    const QString programFiles = settings.ReadProgramFilesFolder(status);
    if (status != 1)
        return;
    const QString defaultFolder = withoutFinalSeparator(programFiles) + subFolder;
    platform::FileSystem& files = services.files;
    if (sameFolder(files, defaultFolder, applicationFolder) || !files.folderExists(defaultFolder))
        return;
    // A link there is removed itself; what it points to is not touched.
    for (const QString& name : {kProgramFileName, kDatabaseFileName}) {
        const QString path = defaultFolder + QLatin1Char('/') + name;
        files.removeFile(path);
    }
}

// The database the run opens: the one chosen by the data places, else the
// application folder's.
QString DatabaseOf(const ProgramState& state) {
    return state.databasePath.isEmpty() ? DatabasePath(state.applicationFolder)
                                        : state.databasePath;
}

bool OpenMainConnection(StartupServices& services, ProgramContext& context) {
    services.database.openMain(context.connection, DatabaseOf(context.state));
    return true;
}

void Main(StartupServices& services, ProgramContext& context) {
    ProgramState& state = context.state;

    // Title and application folder.
    state.applicationTitle = kTitleKestrani;
    state.applicationFolder = withoutFinalSeparator(services.applicationFolder);

    RemoveStaleInstallation(services, state.applicationFolder, kStaleSubFolder);

    context.localeSnapshot = ReadLocaleSnapshot(services.locale);

    if (!services.instanceLock.tryLock()) {
        showMessage(services.messages, dvRtns4::MsgIcon::Exclamation,
                    SecondInstanceTitle(state.applicationTitle), SecondInstanceText());
        services.endProgram();
        return;
    }

    if (RegionalSettingsWrong(context.localeSnapshot)) {
        context.regionalSettingsWindow = std::make_unique<frmWrongRegionalSettings>(
            context.localeSnapshot, services.osVersion.osVersion(), services.fileDescription,
            services.regionalSettings, services.messages, services.endProgram);
        context.regionalSettingsWindow->show();
        return;
    }

    BusyPointer busy;
    context.waitWindow = std::make_unique<frmWait>();
    context.waitWindow->show();
    context.waitWindow->repaint();

    state.resetNavigation();

    // Once this instance holds the lock, the working copy may be made.
    if (services.dataFiles != nullptr) {
        const DataPlaces places =
            ChooseDataPlaces(*services.dataFiles, state.applicationFolder, services.userDataFolder);
        state.dataFolder = places.dataFolder;
        state.databasePath = places.databasePath;
    }
    const QString databasePath = DatabaseOf(state);
    if (!services.files.fileExists(databasePath)) {
        busy.restore();
        showMessage(services.messages, dvRtns4::MsgIcon::Critical, QString(),
                    MissingDatabaseText());
        services.endProgram();
        return;
    }

    if (!services.initDatabaseLibrary()) {
        busy.restore();
        services.endProgram();
        return;
    }

    try {
        OpenMainConnection(services, context);
    } catch (const std::exception& error) {
        // The run cannot go on; the engine's number and text are the report.
        const CaughtError caught = caughtError(error);
        busy.restore();
        showMessage(services.messages, dvRtns4::MsgIcon::Critical,
                    SecondInstanceTitle(state.applicationTitle),
                    MainConnectionFailureText(caught.number, caught.description));
        services.endProgram();
        return;
    }

    try {
        context.secondDatabase = services.database.openSecond(databasePath);
    } catch (const std::exception& error) {
        const CaughtError caught = caughtError(error);
        busy.restore();
        showMessage(services.messages, dvRtns4::MsgIcon::Critical, DatabaseFailureTitle(),
                    DatabaseFailureText(caught.number, caught.description));
        services.endProgram();
        return;
    }

    busy.restore();

    if (DataVersionOK(context.connection)) {
        services.mainWindow.createAndShow(context);
        return;
    }
    frmWrongVersion wrongVersion(state.applicationTitle);
    wrongVersion.exec();
    services.endProgram();
}

} // namespace lexora::startup
