// The program's entry: the real services of this desktop handed to the
// start-up sequence, then the event loop, unless start-up ended the program.
#include "FileSystem.h"
#include "IniSettingsStore.h"
#include "InstanceLock.h"
#include "MessagePresenter.h"
#include "OsVersion.h"
#include "ProgramContext.h"
#include "ProgramState.h"
#include "RegionalStoreLocaleSource.h"
#include "SettingsLocations.h"
#include "StartupServices.h"
#include "SystemLocaleSource.h"
#include "clsDBInit.h"
#include "modMain.h"

#include <QApplication>
#include <QMainWindow>

#include <memory>

namespace {

using lexora::startup::ProgramContext;

// The main window until frmInitial takes its place: an empty window with
// the application title, which takes over from the wait window.
class InterimMainWindow final : public lexora::startup::MainWindowFactory {
public:
    void createAndShow(ProgramContext& context) override {
        m_window = std::make_unique<QMainWindow>();
        m_window->setObjectName(QStringLiteral("frmInitial"));
        m_window->setWindowTitle(context.state.applicationTitle);
        m_window->resize(1024, 720);
        m_window->show();
        if (context.waitWindow)
            context.waitWindow->hide();
    }

private:
    std::unique_ptr<QMainWindow> m_window;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lexora"));
    QApplication::setApplicationDisplayName(lexora::kTitleKestrani);

    dvRtns4::WidgetMessagePresenter presenter(lexora::kTitleKestrani);
    dvRtns4::setMessagePresenter(&presenter);

    lexora::platform::IniSettingsStore userSettings(lexora::platform::userSoftwareSettingsFile());
    lexora::platform::IniSettingsStore machineSettings(
        lexora::platform::machineSoftwareSettingsFile());
    lexora::platform::IniSettingsStore regionalSettings(
        lexora::platform::userControlPanelSettingsFile());
    lexora::platform::LockFileInstanceLock instanceLock;
    const lexora::platform::SystemLocaleSource processLocale;
    const lexora::startup::RegionalStoreLocaleSource locale(regionalSettings, processLocale);
    const lexora::platform::SystemOsVersionSource osVersion;
    lexora::platform::LocalFileSystem files;
    lexora::startup::EngineDatabaseOpener database;
    InterimMainWindow mainWindow;

    bool ended = false;
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
        [&ended] {
            ended = true;
            QCoreApplication::exit(0); // when the event loop already runs
        },
        QCoreApplication::applicationDirPath(),
        lexora::startup::kFileDescription};

    ProgramContext context;
    lexora::startup::Main(services, context);
    if (ended)
        return 0;
    return QApplication::exec();
}
