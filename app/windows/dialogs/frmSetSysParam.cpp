// The settings window.
#include "app/windows/dialogs/frmSetSysParam.h"

#include "app/shell/Panes.h"
#include "app/startup/ApplicationSettings.h"
#include "app/startup/ProgramContext.h"
#include "app/store/Statements.h"
#include "app/windows/dialogs/DesktopServices.h"
#include "app/windows/dialogs/DialogTexts.h"
#include "routines/MessagePresenter.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <exception>

namespace lexora::dialogs {

frmSetSysParam::frmSetSysParam(shell::Panes& form, startup::ProgramContext& context,
                               startup::ApplicationSettings* settings, FileChooser& cdToFile,
                               std::function<void()> closeInformationWindow, QWidget* parent)
    : QWidget(parent, Qt::Window), m_form(form), m_context(context), m_settings(settings),
      m_cdToFile(cdToFile), m_closeInformationWindow(std::move(closeInformationWindow)) {
    setObjectName(QStringLiteral("frmSetSysParam"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(texts::kSettingsCaption);

    tbFileName = new QLineEdit(this);
    tbFileName->setObjectName(QStringLiteral("tbFileName"));
    cmdFileName = new QPushButton(texts::kCmdFileName, this);
    cmdFileName->setObjectName(QStringLiteral("cmdFileName"));
    chksysdisp1 = new QCheckBox(texts::kChkSysDisp, this);
    chksysdisp1->setObjectName(QStringLiteral("chksysdisp1"));
    cmdSetSysParamOK = new QPushButton(texts::kClose, this);
    cmdSetSysParamOK->setObjectName(QStringLiteral("cmdSetSysParamOK"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(cmdFileName, 0, 0);
    layout->addWidget(tbFileName, 0, 1);
    layout->addWidget(chksysdisp1, 1, 0, 1, 2);
    layout->addWidget(cmdSetSysParamOK, 2, 1, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    tbFileName->setMinimumWidth(320);

    connect(cmdFileName, &QPushButton::clicked, this, [this] { cmdFileName_Click(); });
    connect(cmdSetSysParamOK, &QPushButton::clicked, this, [this] { cmdSetSysParamOK_Click(); });
}

void frmSetSysParam::Form_Load() {
    tbFileName->setText(m_context.state.gDocumentViewerPath);
}

void frmSetSysParam::cmdFileName_Click() {
    const std::optional<QString> chosen =
        m_cdToFile.chooseFile(this, texts::kProgramFilter, texts::kProgramFolder, QString());
    tbFileName->setText(chosen.value_or(texts::kDefaultProgram));
}

void frmSetSysParam::cmdSetSysParamOK_Click() {
    ProgramState& state = m_context.state;
    state.gDocumentViewerPath = tbFileName->text().trimmed();

    if (m_settings != nullptr && !m_settings->WriteUserSetting(QStringLiteral("\\LEXORA"),
                                                               QStringLiteral("Application2Open"),
                                                               state.gDocumentViewerPath))
        reportNotSaved(texts::kProgramNotSaved);

    if (!state.gDocumentViewerPath.isEmpty()) {
        m_form.page.setDocumentToolTip(texts::kDocumentButtonTip + state.gDocumentViewerPath);
        m_form.page.setDocumentPicture(shell::DocumentPicture::Other);
    }

    const bool ticked = chksysdisp1->isChecked();
    try {
        m_context.connection.execute(store::updateSysInfoFromSettings(ticked ? 1 : 0));
    } catch (const std::exception& error) {
        // A write-protected database must not end the program.
        reportNotSaved(texts::kInfoChoiceNotSaved + QString::fromUtf8(error.what()));
    }

    if (ticked && m_closeInformationWindow)
        m_closeInformationWindow();
    close();
}

void frmSetSysParam::reportNotSaved(const QString& text) {
    dvRtns4::messagePresenter().show(
        {dvRtns4::MsgIcon::Exclamation, texts::kSaveFailedTitle, text});
}

void frmSetSysParam::closeEvent(QCloseEvent* event) {
    event->accept();
    emit unloaded();
}

} // namespace lexora::dialogs
