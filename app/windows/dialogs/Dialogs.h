// The help, information, legal-text, settings and about windows of one run:
// each is created when first opened, shown not modal, and brought to the
// front when opened again while it is open; a closed one is created afresh
// (and loaded again) by the next opening. Also fills the main window's hooks
// that open and close them.
#pragma once

#include <QObject>
#include <QPointer>

namespace lexora::pages {
class PrintDialogService;
}
namespace lexora::startup {
class ApplicationSettings;
struct ProgramContext;
} // namespace lexora::startup
namespace lexora::shell {
struct Panes;
}
namespace lexora::windows {
struct MainWindowHooks;
} // namespace lexora::windows

namespace lexora::dialogs {

class FileChooser;
class WebAddressOpener;
class frmAbout;
class frmHelp;
class frmIDravik;
class frmSetSysParam;
class frmSystemInfo;

// What the windows reach outside the program.
struct DialogServices {
    startup::ApplicationSettings* settings; // null: no settings store
    pages::PrintDialogService& printerDialog;
    FileChooser& fileChooser;
    WebAddressOpener& webAddressOpener;
};

class Dialogs final : public QObject {
    Q_OBJECT
public:
    // The windows belong to form.window (none: they stand alone); form and
    // context must outlive this object.
    Dialogs(shell::Panes& form, startup::ProgramContext& context, DialogServices services,
            QObject* parent = nullptr);
    ~Dialogs() override;

    frmHelp& showHelp();
    frmSystemInfo& showInformationWindow();
    frmAbout& showAbout();
    // OpenSettingsWindow: reads sys_info_display into the check box of the
    // settings window and shows it. Database errors are not caught.
    frmSetSysParam& OpenSettingsWindow();
    // Init(pChoice) of the legal-text window, then shows it.
    frmIDravik& showLegalText(int pChoice);

    // Closes every open window of this set.
    void closeAll();

    // The open windows; nullptr when closed.
    frmHelp* help() const;
    frmSystemInfo* informationWindow() const;
    frmAbout* about() const;
    frmSetSysParam* settingsWindow() const;
    frmIDravik* legalTextWindow() const;

    // showHelp, showAbout, openSettings, showInformationWindow and
    // closeOtherWindows (which also unloads the law viewer window).
    void fillHooks(windows::MainWindowHooks& hooks);

private:
    QWidget* owner() const;
    template <class Window> Window& present(QPointer<Window>& slot, Window* created);

    shell::Panes& m_form;
    startup::ProgramContext& m_context;
    DialogServices m_services;

    QPointer<frmHelp> m_help;
    QPointer<frmSystemInfo> m_info;
    QPointer<frmAbout> m_about;
    QPointer<frmSetSysParam> m_settings;
    QPointer<frmIDravik> m_legal;
};

} // namespace lexora::dialogs
