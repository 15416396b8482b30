// Opening the dialogs. A window leaves its slot as soon as it is closed,
// before Qt deletes it, so that an opening right after a close creates a new
// window.
#include "app/windows/dialogs/Dialogs.h"

#include "platform/windowing/WindowPlacement.h"

#include "app/shell/Panes.h"
#include "app/startup/ProgramContext.h"
#include "app/store/Statements.h"
#include "app/windows/MainWindowHooks.h"
#include "app/windows/dialogs/DesktopServices.h"
#include "app/windows/dialogs/DialogTexts.h"
#include "app/windows/dialogs/frmAbout.h"
#include "app/windows/dialogs/frmHelp.h"
#include "app/windows/dialogs/frmIDravik.h"
#include "app/windows/dialogs/frmSetSysParam.h"
#include "app/windows/dialogs/frmSystemInfo.h"
#include "app/windows/lawviewer/frmhotbrowser.h"

#include <QCheckBox>

namespace lexora::dialogs {

Dialogs::Dialogs(shell::Panes& form, startup::ProgramContext& context, DialogServices services,
                 QObject* parent)
    : QObject(parent), m_form(form), m_context(context), m_services(services) {}

Dialogs::~Dialogs() {
    closeAll();
}

frmHelp* Dialogs::help() const {
    return m_help.data();
}
frmSystemInfo* Dialogs::informationWindow() const {
    return m_info.data();
}
frmAbout* Dialogs::about() const {
    return m_about.data();
}
frmSetSysParam* Dialogs::settingsWindow() const {
    return m_settings.data();
}
frmIDravik* Dialogs::legalTextWindow() const {
    return m_legal.data();
}

QWidget* Dialogs::owner() const {
    return m_form.window;
}

template <class Window> Window& Dialogs::present(QPointer<Window>& slot, Window* created) {
    if (created != nullptr) {
        slot = created;
        connect(created, &Window::unloaded, this, [&slot, created] {
            if (slot == created)
                slot = nullptr;
        });
    }
    Window* window = slot.data();
    if (created != nullptr)
        windowing::centreOver(*window, owner());
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
    return *window;
}

frmHelp& Dialogs::showHelp() {
    frmHelp* created = nullptr;
    if (!m_help) {
        created = new frmHelp(m_context.state.applicationTitle, m_context.state.applicationFolder,
                              m_services.printerDialog, owner());
        created->Form_Load();
    }
    return present(m_help, created);
}

frmSystemInfo& Dialogs::showInformationWindow() {
    frmSystemInfo* created = nullptr;
    if (!m_info) {
        created = new frmSystemInfo(
            m_context.connection, m_context.state.applicationFolder,
            {[this] { showHelp(); }, [this] { showAbout(); }, [this] { OpenSettingsWindow(); }},
            owner());
        created->Form_Load();
    }
    return present(m_info, created);
}

frmAbout& Dialogs::showAbout() {
    frmAbout* created = nullptr;
    if (!m_about) {
        created = new frmAbout(
            {[this] { m_services.webAddressOpener.openWebAddress(texts::kNewVersionsAddress); },
             [this](int pChoice) { showLegalText(pChoice); }, [this] { showInformationWindow(); }},
            programVersion(), owner());
        created->Form_Load();
    }
    return present(m_about, created);
}

frmSetSysParam& Dialogs::OpenSettingsWindow() {
    frmSetSysParam* created = nullptr;
    if (!m_settings) {
        created = new frmSetSysParam(
            m_form, m_context, m_services.settings, m_services.fileChooser,
            [this] {
                if (m_info)
                    m_info->close();
            },
            owner());
        created->Form_Load();
    }
    frmSetSysParam* window = created != nullptr ? created : m_settings.data();
    engine::Recordset rs = m_context.connection.execute(store::sysInfoDisplayForSettings());
    if (!rs.eof()) {
        const dvRtns4::Variant value = rs.value(QStringLiteral("sys_info_display"));
        if (!value.isMissing())
            window->chksysdisp1->setChecked(value.toInt() != 0);
    }
    rs.close();
    return present(m_settings, created);
}

frmIDravik& Dialogs::showLegalText(int pChoice) {
    frmIDravik* created = nullptr;
    if (!m_legal)
        created = new frmIDravik(owner());
    frmIDravik* window = created != nullptr ? created : m_legal.data();
    window->Init(pChoice);
    return present(m_legal, created);
}

void Dialogs::closeAll() {
    // The law viewer is not one of these; closeOtherWindows unloads it too.
    if (m_about)
        m_about->close();
    if (m_help)
        m_help->close();
    if (m_settings)
        m_settings->close();
    if (m_info)
        m_info->close();
    if (m_legal)
        m_legal->close();
}

void Dialogs::fillHooks(windows::MainWindowHooks& hooks) {
    hooks.showHelp = [this] { showHelp(); };
    hooks.showAbout = [this] { showAbout(); };
    hooks.openSettings = [this] { OpenSettingsWindow(); };
    hooks.showInformationWindow = [this] { showInformationWindow(); };
    hooks.closeOtherWindows = [this] {
        windows::unloadLawViewer();
        closeAll();
    };
}

} // namespace lexora::dialogs
