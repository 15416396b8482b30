// The program's entry: the command line first (--version, --help and --pdf
// end without a window), then the real services of this desktop handed to
// the start-up sequence, then the event loop, unless start-up ended the
// program. --save-to-history runs the same start, then saves one act to the
// history through the main window's own button and closes the window.
#include "app/CommandLine.h"
#include "app/PdfCommand.h"
#include "app/history/HistoryFile.h"
#include "app/startup/ApplicationSettings.h"
#include "app/startup/DataPlaces.h"
#include "app/startup/ProgramContext.h"
#include "app/startup/RegionalStoreLocaleSource.h"
#include "app/startup/StartupServices.h"
#include "app/startup/modMain.h"
#include "app/state/ProgramState.h"
#include "app/windows/frmInitial.h"
#include "app/windows/frmInitialFactory.h"
#include "dbroutines/clsDBInit.h"
#include "platform/system/FileSystem.h"
#include "platform/system/InstanceLock.h"
#include "platform/system/OsVersion.h"
#include "platform/system/SystemLocaleSource.h"
#include "platform/translations/GreekStandardTexts.h"
#include "platform/treeview/TreeControl.h"
#include "routines/IniSettingsStore.h"
#include "routines/MessagePresenter.h"
#include "routines/SettingsLocations.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <memory>
#include <optional>

namespace {

void printError(const QString& text) {
    std::fputs((QStringLiteral("lexora: ") + text + u'\n').toUtf8().constData(), stderr);
}

void printOut(const QString& text) {
    std::fputs(text.toUtf8().constData(), stdout);
}

// The act of --save-to-history, or none (told through printError).
std::optional<std::int32_t> actIdOf(const QString& typed) {
    bool number = false;
    const qlonglong id = typed.trimmed().toLongLong(&number);
    if (!number || id <= 0 || id > std::numeric_limits<std::int32_t>::max()) {
        printError(QStringLiteral("Ο κωδικός νομοθετήματος «%1» δεν είναι θετικός ακέραιος "
                                  "αριθμός.")
                       .arg(typed));
        return std::nullopt;
    }
    return static_cast<std::int32_t>(id);
}

// Once the main window has loaded: the act chosen in the legislation tree as
// a reader chooses it, saved by the window's button, then the window closed,
// which writes the history file. `status` becomes 0 when the act was added to
// the list; the file itself is checked after the event loop.
void saveToHistoryWhenLoaded(lexora::windows::frmInitialFactory& factory, std::int32_t lawId,
                             int& status) {
    QTimer::singleShot(0, [&factory, lawId, &status] {
        lexora::windows::frmInitial* window = factory.window();
        if (window == nullptr) {
            printError(QStringLiteral("Το κύριο παράθυρο δεν άνοιξε."));
            QCoreApplication::exit(1);
            return;
        }
        lexora::shell::Panes& panes = window->panes();
        panes.tabs.setCurrentTab(lexora::shell::Tab::Laws);
        lexora::trees::TreeControl& tree = *panes.tabs.tree(lexora::shell::Tab::Laws);
        lexora::trees::TreeNode* node = tree.node(QStringLiteral("c") + QString::number(lawId));
        if (node == nullptr) {
            printError(QStringLiteral("Το νομοθέτημα με κωδικό %1 δεν υπάρχει στο δέντρο της "
                                      "νομοθεσίας.")
                           .arg(lawId));
        } else {
            tree.setSelectedNode(node);
            window->tvwTreelaw_Click();
            const int before = panes.tabs.historyList().count();
            if (auto* save = window->findChild<QToolButton*>(QStringLiteral("cmdpicsavewholelaw")))
                save->click();
            if (panes.tabs.historyList().count() > before)
                status = 0;
            else
                printError(QStringLiteral("Το νομοθέτημα με κωδικό %1 δεν προστέθηκε στο "
                                          "Ιστορικό.")
                               .arg(lawId));
        }
        window->ExitProgram();
    });
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const lexora::CommandLine command = lexora::parseCommandLine(arguments);
    std::optional<std::int32_t> saveToHistory;
    switch (command.action) {
    case lexora::CommandAction::Refused:
        printError(command.error);
        return lexora::kCommandLineUsage;
    case lexora::CommandAction::Version:
        printOut(lexora::versionText());
        return 0;
    case lexora::CommandAction::Help:
        printOut(lexora::usageText());
        return 0;
    case lexora::CommandAction::Pdf: {
        // Draw without a display, whatever the session offers.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        return lexora::RunPdfCommand({command.values.at(0), command.values.at(1)},
                                     QCoreApplication::applicationDirPath(), printError);
    }
    case lexora::CommandAction::SaveToHistory:
        saveToHistory = actIdOf(command.values.at(0));
        if (!saveToHistory)
            return lexora::kCommandLineUsage;
        break;
    case lexora::CommandAction::Start:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lexora"));
    QApplication::setApplicationDisplayName(lexora::kTitleKestrani);
    // The desktop entry's name, which Wayland compositors match the window to.
    QGuiApplication::setDesktopFileName(QStringLiteral("gr.lexora.Lexora"));
    // The toolkit's own dialogs and menus speak Greek, as the program does.
    lexora::translations::installGreekTranslations(app);

    dvRtns4::WidgetMessagePresenter presenter(lexora::kTitleKestrani);
    dvRtns4::setMessagePresenter(&presenter);

    dvRtns4::IniSettingsStore userSettings(dvRtns4::userSoftwareSettingsFile());
    dvRtns4::IniSettingsStore machineSettings(dvRtns4::machineSoftwareSettingsFile());
    dvRtns4::IniSettingsStore regionalSettings(dvRtns4::userControlPanelSettingsFile());
    lexora::platform::LockFileInstanceLock instanceLock;
    const lexora::platform::SystemLocaleSource processLocale;
    const lexora::startup::RegionalStoreLocaleSource locale(regionalSettings, processLocale);
    const lexora::platform::SystemOsVersionSource osVersion;
    lexora::platform::LocalFileSystem files;
    lexora::startup::EngineDatabaseOpener database;
    lexora::startup::LocalDataFiles dataFiles;
    lexora::startup::ApplicationSettings applicationSettings(userSettings, machineSettings);

    // The run's values outlive the main window, whose controls refer to them.
    lexora::startup::ProgramContext context;
    bool ended = false;
    const auto endProgram = [&ended] {
        ended = true;
        QCoreApplication::exit(0); // when the event loop already runs
    };
    lexora::windows::frmInitialFactory mainWindow(&applicationSettings, endProgram);

    lexora::startup::StartupServices services{
        dvRtns4::messagePresenter(),
        userSettings,
        machineSettings,
        regionalSettings,
        instanceLock,
        locale,
        osVersion,
        files,
        database,
        mainWindow,
        [] { return dvDBrtns4::clsDBInit::DravikDBrtns_Init(dvDBrtns4::db_Access); },
        endProgram,
        QCoreApplication::applicationDirPath(),
        lexora::startup::kFileDescription,
        &dataFiles,
        lexora::startup::UserDataFolder(qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath())};

    lexora::startup::Main(services, context);
    if (!saveToHistory) {
        if (ended)
            return 0;
        return QApplication::exec();
    }

    int status = 1;
    if (ended) {
        printError(QStringLiteral("Το πρόγραμμα τερμάτισε πριν ανοίξει το κύριο παράθυρο."));
        return status;
    }
    saveToHistoryWhenLoaded(mainWindow, *saveToHistory, status);
    if (QApplication::exec() != 0)
        return 1;
    // The window wrote the history when it closed: the act must be in the file.
    const auto ids = lexora::history::readHistoryFile(
        lexora::history::historyFilePath(context.state.writableFolder()));
    if (status == 0 && std::find(ids.begin(), ids.end(), *saveToHistory) == ids.end()) {
        printError(QStringLiteral("Το αρχείο του Ιστορικού δεν γράφτηκε."));
        status = 1;
    }
    return status;
}
