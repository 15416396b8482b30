// The program's entry: the real services of this desktop handed to the
// start-up sequence, then the event loop, unless start-up ended the program.
// With --pdf the program writes one act's page and ends, with no window.
#include "app/PdfCommand.h"
#include "app/startup/ApplicationSettings.h"
#include "app/startup/ProgramContext.h"
#include "app/startup/RegionalStoreLocaleSource.h"
#include "app/startup/StartupServices.h"
#include "app/startup/modMain.h"
#include "app/state/ProgramState.h"
#include "app/windows/frmInitialFactory.h"
#include "dbroutines/clsDBInit.h"
#include "platform/system/FileSystem.h"
#include "platform/system/InstanceLock.h"
#include "platform/system/OsVersion.h"
#include "platform/system/SystemLocaleSource.h"
#include "platform/translations/GreekStandardTexts.h"
#include "routines/IniSettingsStore.h"
#include "routines/MessagePresenter.h"
#include "routines/SettingsLocations.h"

#include <QApplication>

#include <cstdio>
#include <memory>

namespace {

void printError(const QString& text) {
    std::fputs((QStringLiteral("lexora: ") + text + u'\n').toUtf8().constData(), stderr);
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QString usageError;
    const std::optional<lexora::PdfRequest> pdf = lexora::findPdfRequest(arguments, usageError);
    if (!usageError.isEmpty()) {
        printError(usageError);
        return lexora::kPdfUsage;
    }
    if (pdf) {
        // Draw without a display, whatever the session offers.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        return lexora::RunPdfCommand(*pdf, QCoreApplication::applicationDirPath(), printError);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lexora"));
    QApplication::setApplicationDisplayName(lexora::kTitleKestrani);
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
        lexora::startup::kFileDescription};

    lexora::startup::Main(services, context);
    if (ended)
        return 0;
    return QApplication::exec();
}
