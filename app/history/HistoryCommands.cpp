// The history commands. Which act a save means is decided from the
// navigation state: the topics' act for the topic button, and for the act
// button the legislation act or, when the law viewer window is the active
// one, the act that window shows.
#include "app/history/HistoryCommands.h"

#include "app/history/HistoryList.h"
#include "app/pages/builders/ActPage.h"
#include "app/pages/builders/BuilderSupport.h"
#include "app/pages/builders/LinkNavigation.h"
#include "app/pages/builders/TemplatePage.h"
#include "app/shell/Panes.h"
#include "app/startup/ProgramContext.h"
#include "engine/EngineError.h"
#include "platform/pageview/PageViewer.h"
#include "routines/MessagePresenter.h"

#include <QListWidget>
#include <QSignalBlocker>

namespace lexora::history {

namespace {

void showError(const QString& title, const QString& text) {
    dvRtns4::MessageRequest request;
    request.icon = dvRtns4::MsgIcon::Critical;
    request.title = title;
    request.text = text;
    dvRtns4::messagePresenter().show(request);
}

void saveReportingErrors(shell::Panes& f, startup::ProgramContext& context, std::int32_t lawId) {
    try {
        addActToHistory(f.tabs.historyList(), context.connection, lawId);
    } catch (const engine::EngineError& error) {
        showError(kNoActTitle,
                  QStringLiteral("Το Νομοθέτημα δεν αποθηκεύτηκε λόγω σφάλματος της βάσης "
                                 "δεδομένων:\n") +
                      error.description());
    }
}

} // namespace

void cmdpichistory_Click(shell::Panes& f, startup::ProgramContext& context) {
    ProgramState& state = context.state;
    state.gCurrentLawId = state.gTopicsLawId;
    if (state.gCurrentLawId == 0) {
        showError(kNoActTitle,
                  QStringLiteral("Δεν έχετε επιλέξει Νομοθέτημα για αποθήκευση.Για αποθήκευση "
                                 "Νομοθετήματος στο Ιστορικό πρέπει να επιλέξετε πρώτα το "
                                 "σύνδεσμο του Νομοθετήματος που θέλετε να αποθηκεύσετε"));
        return;
    }
    if (!state.gAbstract || !state.gScheduleAbstract)
        return;
    saveReportingErrors(f, context, state.gCurrentLawId);
}

void cmdpicsavewholelaw_Click(shell::Panes& f, startup::ProgramContext& context) {
    ProgramState& state = context.state;
    if (state.gMainWindowActive == 1)
        state.gCurrentLawId = state.gLegislationLawId;
    if (state.gViewerActive == 1)
        state.gCurrentLawId = state.gViewerLawId;
    if (state.gCurrentLawId == 0)
        return;
    saveReportingErrors(f, context, state.gCurrentLawId);
}

void lsthistory_Click(shell::Panes& f, startup::ProgramContext& context) {
    const QListWidgetItem* entry = f.tabs.historyList().currentItem();
    if (entry == nullptr || !entry->isSelected()) {
        f.page.blankActViewer(shell::Tab::History);
        return;
    }
    // The builders report their own database errors and leave the page empty.
    if (context.state.wIsSchedule)
        pages::navigate_to_hotbrowserSchedule(f, context, pages::kHistory);
    else
        pages::navigate_to_hotbrowser(f, context, pages::kHistory, false);
    pages::WritePendingPage(context, *f.page.actViewer(shell::Tab::History));
    if (!context.state.gPageHtml.isEmpty() && !context.state.wIsSchedule)
        f.page.noteActShown(
            shell::Tab::History,
            pages::detail::actIdFor(f, context.state.gCurrentLawId, pages::kHistory));
}

void Cmddelete_Click(shell::Panes& f, startup::ProgramContext& /*context*/) {
    QListWidget& list = f.tabs.historyList();
    QListWidgetItem* entry = list.currentItem();
    if (entry == nullptr || !entry->isSelected())
        return;
    {
        // Removing the entry moves the selection; that is no choice of the user.
        const QSignalBlocker blocker(&list);
        delete list.takeItem(list.row(entry));
        list.setCurrentRow(-1);
    }
    f.page.dropActDocument(shell::Tab::History);
}

} // namespace lexora::history
