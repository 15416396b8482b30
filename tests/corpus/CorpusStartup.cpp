// Starts the program on one database folder as the real program starts,
// with the real database opener, file system and main window, but with a
// Greek locale, a free instance lock, settings in a scratch folder, and
// messages written to the standard output instead of shown:
//   corpus_startup FOLDER
// Prints "outcome: message" when the run ended with a message (or a window
// of its own), "outcome: window" when the main window runs, and exits with
// 0 in either case; 2 when the run ended silently.
#include "app/startup/ApplicationSettings.h"
#include "app/startup/ProgramContext.h"
#include "app/startup/StartupServices.h"
#include "app/startup/modMain.h"
#include "app/startup/tests/StartupDoubles.h"
#include "app/windows/frmInitialFactory.h"
#include "dbroutines/clsDBInit.h"
#include "routines/IniSettingsStore.h"
#include "routines/MessagePresenter.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

class PrintingMessages final : public dvRtns4::MessagePresenter {
public:
    dvRtns4::MsgResult show(const dvRtns4::MessageRequest& request) override {
        ++shown;
        std::printf("message: %s | %s\n", request.title.toUtf8().constData(),
                    request.text.left(300).toUtf8().constData());
        std::fflush(stdout);
        return request.buttons == dvRtns4::MsgButtons::YesNo ? dvRtns4::MsgResult::No
                                                             : dvRtns4::MsgResult::Ok;
    }
    int shown = 0;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: corpus_startup FOLDER\n");
        return 64;
    }
    QApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir scratch;

    PrintingMessages messages;
    dvRtns4::setMessagePresenter(&messages);
    dvRtns4::IniSettingsStore userSettings(scratch.filePath(QStringLiteral("user.ini")));
    dvRtns4::IniSettingsStore machineSettings(scratch.filePath(QStringLiteral("machine.ini")));
    dvRtns4::IniSettingsStore regionalSettings(scratch.filePath(QStringLiteral("regional.ini")));
    startuptest::FakeInstanceLock instanceLock;
    const startuptest::FakeLocale locale;
    const startuptest::FakeOsVersion osVersion;
    lexora::platform::LocalFileSystem files;
    lexora::startup::EngineDatabaseOpener database;
    lexora::startup::ApplicationSettings applicationSettings(userSettings, machineSettings);

    // Windows that wait (the wrong-version window) are closed as they come.
    int modalWindows = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&modalWindows] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ++modalWindows;
            std::printf("window: %s\n", modal->windowTitle().toUtf8().constData());
            modal->close();
        }
    });
    closer.start(50);

    lexora::startup::ProgramContext context;
    bool ended = false;
    const auto endProgram = [&ended] { ended = true; };
    lexora::windows::frmInitialFactory mainWindow(&applicationSettings, endProgram);
    lexora::startup::StartupServices services{
        messages,
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
        folder,
        lexora::startup::kFileDescription,
        nullptr, // the damaged copies are opened where they lie
        {}};

    lexora::startup::Main(services, context);
    QApplication::processEvents();

    QWidget* shown = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("frmInitial") && widget->isVisible())
            shown = widget;
    const bool running = !ended && shown != nullptr;
    int status = 0;
    if (running)
        std::printf("outcome: window\n");
    else if (ended && messages.shown + modalWindows > 0)
        std::printf("outcome: message\n");
    else
        status = 2;
    std::fflush(stdout);
    closer.stop();
    if (shown != nullptr)
        shown->close();
    dvRtns4::setMessagePresenter(nullptr);
    return status;
}
