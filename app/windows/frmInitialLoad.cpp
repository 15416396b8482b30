// frmInitial's life: the load step, the tab change, the toolbar, the
// activation flags, the unload and the exit, and the handling of errors that
// reach an event handler.
#include "app/windows/frmInitial.h"

#include "app/shell/Twips.h"
#include "app/startup/ApplicationSettings.h"
#include "app/startup/ProgramContext.h"
#include "app/store/Statements.h"
#include "app/windows/PrivateTempFolder.h"
#include "platform/pageview/PageViewer.h"
#include "platform/richtext/DocumentBox.h"
#include "platform/treeview/TreeControl.h"
#include "routines/MessagePresenter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QToolButton>

namespace lexora::windows {

using shell::kTwipsPerPixel;
using shell::px;

namespace {

const QString kBlank = QStringLiteral("about:blank");

// The busy pointer for as long as the object lives.
class BusyPointer {
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

QString describe(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Άγνωστο σφάλμα.");
    }
}

} // namespace

void frmInitial::Form_Load() {
    m_loading = true;
    try {
        runLoadSteps();
    } catch (...) {
        m_loading = false;
        throw;
    }
}

void frmInitial::runLoadSteps() {
    shell::Panes& f = *m_form;
    ProgramState& state = m_context.state;

    // 1. The wait window stays up while the trees are filled.
    auto busy = std::make_unique<BusyPointer>();
    if (m_context.waitWindow) {
        m_context.waitWindow->show();
        m_context.waitWindow->repaint();
    }

    // 2. The second open of start-up is no longer needed.
    m_context.secondDatabase.close();

    // 4. The private temporary folder.
    state.gTempFolder = privateTempFolder();

    // 5. The tab control's designed width.
    f.tabs.SSTab1->resize(px(6700), f.tabs.SSTab1->height());

    // 6. The program that opens documents.
    if (m_settings != nullptr)
        state.gDocumentViewerPath = m_settings
                                        ->ReadSetting(true, QStringLiteral("\\LEXORA"),
                                                      QStringLiteral("Application2Open"), QString())
                                        .trimmed();
    if (!state.gDocumentViewerPath.isEmpty())
        f.page.cmdpicWordlaw->setToolTip(QStringLiteral("Προβολή εγγράφου με ") +
                                         state.gDocumentViewerPath);

    // 7 to 20: a failing step is skipped and the next one runs.
    ignoringErrors([&] {
        state.gOnTabThemata = false;
        state.gOnTabNomoi = false;
        state.gOnTabOrganogramma_N = false;
        state.gOnTabOrganogramma_P = false;
    });
    ignoringErrors([&] {
        if (m_hooks.loadHistory)
            m_hooks.loadHistory();
    });
    ignoringErrors([&] {
        f.page.brwWebBrowser1->Navigate2(kBlank);
        f.page.brwWebBrowser2->Navigate2(kBlank);
        f.page.brwWebBrowser3->Navigate2(kBlank);
    });
    ignoringErrors([&] {
        if (m_hooks.fillTopicTree)
            m_hooks.fillTopicTree();
    });
    ignoringErrors([&] {
        if (m_hooks.fillLawTree)
            m_hooks.fillLawTree();
    });
    ignoringErrors([&] { applyEdition(); });
    ignoringErrors([&] {
        if (m_edition.usesChartTabP) {
            if (m_hooks.fillScheduleTreeP)
                m_hooks.fillScheduleTreeP();
        } else if (m_hooks.fillScheduleTreeN) {
            m_hooks.fillScheduleTreeN();
        }
    });
    ignoringErrors([&] { showInformationWindowWhenAsked(); });
    ignoringErrors([&] {
        if (m_hooks.closeDocuments)
            m_hooks.closeDocuments();
    });

    // 17. The wait window goes; the window is shown.
    m_loading = false;
    ignoringErrors([&] { m_context.waitWindow.reset(); });
    busy.reset();
    ignoringErrors([&] {
        if (!f.tabs.SSTab1->isTabVisible(m_currentTab))
            f.tabs.SSTab1->setCurrentIndex(kTabTopics);
        show();
    });

    // 21 and 22: errors here are not skipped.
    SSTab1_Click(kTabChartN);
    for (QLineEdit* box :
         {f.tabs.txtsearchSchedule[0], f.tabs.txtsearchSchedule[1], f.tabs.txtsearch[0],
          f.tabs.txtsearch[1], f.tabs.txtsearchlaw[0], f.tabs.txtsearchlaw[1]})
        box->setText(QString());
}

void frmInitial::ignoringErrors(const std::function<void()>& step) {
    try {
        step();
    } catch (...) {
        // The load goes on with the next step.
    }
}

void frmInitial::applyEdition() {
    shell::Panes& f = *m_form;
    if (m_edition.usesChartTabP) {
        f.tabs.SSTab1->setTabVisible(kTabChartN, false);
        f.tabs.SSTab1->setTabEnabled(kTabChartN, false);
        f.tabs.SSTab1->setTabVisible(kTabChartP, true);
        f.tabs.SSTab1->setTabEnabled(kTabChartP, true);
        f.tabs.SSTab1->setTabText(kTabChartP, m_edition.chartTabPCaption);
    } else {
        f.tabs.lblsearchlaw[0]->setText(m_edition.lblsearchlaw0);
        f.tabs.lblsearchlaw[1]->setText(m_edition.lblsearchlaw1);
        f.tabs.lblsearch[1]->setText(m_edition.lblsearch1);
        f.tabs.lblsearchschedule[1]->setText(m_edition.lblsearchschedule1);
        f.tabs.SSTab1->setTabVisible(kTabChartP, false);
        f.tabs.SSTab1->setTabEnabled(kTabChartP, false);
        f.tabs.SSTab1->setTabVisible(kTabChartN, true);
        f.tabs.SSTab1->setTabEnabled(kTabChartN, true);
    }
    if (m_edition.logo != EditionLogo::Designed)
        m_chrome.imLogo->setPixmap(logoPicture(m_edition.logo).pixmap(QSize(180, 36)));
    f.tabs.lblsearchschedule[0]->setText(m_edition.lblsearchschedule0);
    f.tabs.txtsearchSchedule[0]->setToolTip(m_edition.txtsearchSchedule0ToolTip);
}

void frmInitial::showInformationWindowWhenAsked() {
    engine::Recordset rs = m_context.connection.openRecordset(store::sysInfoDisplayAtStart());
    bool show = false;
    if (!rs.eof()) {
        const dvRtns4::Variant value = rs.value(QStringLiteral("sys_info_display"));
        show = !value.isMissing() && value.toInt() == 0;
    }
    rs.close();
    if (show && m_hooks.showInformationWindow)
        m_hooks.showInformationWindow();
}

QString frmInitial::currentTabCaption() const {
    return m_form->tabs.SSTab1->tabText(m_form->tabs.SSTab1->currentIndex());
}

void frmInitial::SSTab1_Click(int /*previousTab*/) {
    shell::Panes& f = *m_form;
    ProgramState& state = m_context.state;
    const QString caption = currentTabCaption();

    // 1.
    f.page.cmdpicprintabstr->show();
    for (richtext::DocumentBox* box : {f.page.rtbWord, f.page.rtbWordLawTopic, f.page.rtbWordLaw}) {
        box->hide();
        box->setEnabled(false);
    }
    f.page.brwWebBrowserLawFile->hide();

    // 2.
    state.wIsSchedule = isChartCaption(caption);
    f.page.lbllaw->setText(state.wIsSchedule ? QStringLiteral(" Υπόδειγμα")
                                             : QStringLiteral(" Νομοθέτημα"));

    // 3.
    state.gOnTabThemata = false;
    state.gOnTabNomoi = false;
    state.gOnTabOrganogramma_P = false;
    state.gOnTabOrganogramma_N = false;
    ApplyTabLayout();

    if (state.wIsSchedule) {
        if (state.isPrimaryOrSecondary()) {
            state.gOnTabOrganogramma_P = true;
            state.gCurrentLawId = state.gScheduleLawIdP;
            tvwTreeschedule_Click(0);
            f.tabs.txtsearchSchedule[0]->setFocus();
        } else {
            state.gOnTabOrganogramma_N = true;
            state.gCurrentLawId = state.gScheduleLawIdN;
            tvwTreeschedule_Click(1);
            f.tabs.txtsearchSchedule[1]->setFocus();
        }
    } else if (caption == kCaptionHistory) {
        f.page.brwWebBrowser3->Navigate2(kBlank);
        f.tabs.lsthistory->setFocus();
    } else if (caption == kCaptionTopics) {
        state.gOnTabThemata = true;
        state.gCurrentLawId = state.gTopicsLawId;
        f.tabs.txtsearch[0]->setFocus();
        tvwTree_Click();
    } else if (caption == kCaptionLaws) {
        state.gOnTabNomoi = true;
        state.gCurrentLawId = state.gLegislationLawId;
        f.tabs.txtsearchlaw[0]->setFocus();
        tvwTreelaw_Click();
    }
}

void frmInitial::cmdtoolbar_Click(int index) {
    switch (index) {
    case 0:
        if (m_hooks.showHelp)
            m_hooks.showHelp();
        break;
    case 1:
        if (m_hooks.showAbout)
            m_hooks.showAbout();
        break;
    case 2:
        if (m_hooks.openSettings)
            m_hooks.openSettings();
        break;
    case 3:
        ExitProgram();
        break;
    default:
        break;
    }
}

void frmInitial::ExitProgram() {
    if (m_hooks.closeOtherWindows)
        m_hooks.closeOtherWindows();
    m_context.waitWindow.reset();
    close();
}

void frmInitial::closeEvent(QCloseEvent* event) {
    event->accept();
    if (m_unloaded)
        return;
    m_unloaded = true;
    try {
        unload();
    } catch (...) {
        reportFatalError(describe(std::current_exception()));
    }
    if (!m_ending && m_hooks.endProgram) {
        m_ending = true;
        m_hooks.endProgram();
    }
}

void frmInitial::unload() {
    if (m_hooks.saveHistory)
        m_hooks.saveHistory();
    if (m_hooks.closeOtherWindows)
        m_hooks.closeOtherWindows();
    m_context.waitWindow.reset();
    if (m_hooks.closeDocuments)
        m_hooks.closeDocuments();
}

void frmInitial::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange)
        m_context.state.gMainWindowActive = isActiveWindow() ? 1 : 0;
    QWidget::changeEvent(event);
}

void frmInitial::guarded(const std::function<void()>& handler) {
    if (m_ending)
        return;
    try {
        handler();
    } catch (...) {
        reportFatalError(describe(std::current_exception()));
    }
}

void frmInitial::reportFatalError(const QString& description) {
    if (m_ending)
        return;
    m_ending = true;
    dvRtns4::MessageRequest request;
    request.icon = dvRtns4::MsgIcon::Critical;
    request.title = m_context.state.applicationTitle + QStringLiteral(" - Σφάλμα εφαρμογής");
    request.text = QStringLiteral("Παρουσιάστηκε σφάλμα από το οποίο η εφαρμογή δεν μπορεί να "
                                  "συνεχίσει και θα τερματιστεί.\n\n") +
                   description;
    dvRtns4::messagePresenter().show(request);
    if (m_hooks.endProgram)
        m_hooks.endProgram();
}

} // namespace lexora::windows
