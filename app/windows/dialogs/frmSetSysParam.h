// frmSetSysParam, the settings window ("Ορισμός Παραμέτρων Εφαρμογής"): the
// program that opens attached documents ("Application2Open") and whether the
// information window opens at start-up (sys_info_display). Its close button
// saves both; closing the window any other way saves nothing. Not modal; one
// at a time.
#pragma once

#include <QWidget>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace lexora::startup {
class ApplicationSettings;
struct ProgramContext;
} // namespace lexora::startup
namespace lexora::shell {
struct Panes;
}

namespace lexora::dialogs {

class FileChooser;

class frmSetSysParam final : public QWidget {
    Q_OBJECT
public:
    // `settings` null: there is no settings store to write to.
    // `closeInformationWindow` closes frmSystemInfo when it is open.
    frmSetSysParam(shell::Panes& form, startup::ProgramContext& context,
                   startup::ApplicationSettings* settings, FileChooser& cdToFile,
                   std::function<void()> closeInformationWindow, QWidget* parent = nullptr);

    // Puts gDocumentViewerPath into tbFileName.
    void Form_Load();
    // Lets the user choose the program; a cancelled choice puts "EXCEL.EXE".
    void cmdFileName_Click();
    // Saves, in order: gDocumentViewerPath, the user setting, the main
    // window's document button, sys_info_display; then closes the
    // information window when the box is ticked, and this window. A setting
    // that cannot be stored is reported and the rest goes on.
    void cmdSetSysParamOK_Click();

    QLineEdit* tbFileName = nullptr;
    QPushButton* cmdFileName = nullptr;
    QCheckBox* chksysdisp1 = nullptr;
    QPushButton* cmdSetSysParamOK = nullptr;

signals:
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void reportNotSaved(const QString& text);

    shell::Panes& m_form;
    startup::ProgramContext& m_context;
    startup::ApplicationSettings* m_settings;
    FileChooser& m_cdToFile;
    std::function<void()> m_closeInformationWindow;
};

} // namespace lexora::dialogs
