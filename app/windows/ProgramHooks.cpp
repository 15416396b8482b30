// Filling frmInitial's hooks from the parts of the program that provide
// them: tree fills, page builders, searches, the other windows, the history
// and the document commands.
#include "app/windows/ProgramHooks.h"

#include "app/history/HistoryInstall.h"
#include "app/pages/builders/ActViewerTrail.h"
#include "app/pages/builders/PageHandlers.h"
#include "app/pages/documents/DocumentCommandsInstall.h"
#include "app/search/SearchInstall.h"
#include "app/startup/ProgramContext.h"
#include "app/trees/LawTreeFill.h"
#include "app/trees/ScheduleTreeFill.h"
#include "app/trees/TopicTreeFill.h"
#include "app/windows/ViewerZoomMemory.h"
#include "app/windows/WindowKeys.h"
#include "app/windows/WindowMemory.h"
#include "app/windows/dialogs/DialogsInstall.h"
#include "app/windows/frmInitial.h"
#include "app/windows/lawviewer/frmhotbrowser.h"

namespace lexora::windows {

void installProgramHooks(frmInitial& window, startup::ApplicationSettings* settings) {
    shell::Panes& form = window.panes();
    startup::ProgramContext& context = window.context();
    MainWindowHooks& hooks = window.hooks();

    // Full fills: nothing to mark, nothing to open.
    hooks.fillTopicTree = [&form, &context] {
        trees::FillTopicTree(*form.tabs.tree(shell::Tab::Topics), context.connection, {}, false, {},
                             true);
    };
    hooks.fillLawTree = [&form, &context] {
        trees::FillLawTree(*form.tabs.tree(shell::Tab::Laws), context.connection, {}, false, {},
                           true);
    };
    hooks.fillScheduleTreeP = [&form, &context] {
        trees::FillScheduleTreeP(*form.tabs.tree(shell::Tab::ChartP), context.connection, {}, false,
                                 {}, true);
    };
    hooks.fillScheduleTreeN = [&form, &context] {
        trees::FillScheduleTreeN(*form.tabs.tree(shell::Tab::ChartN), context.connection, {}, false,
                                 {}, true);
    };

    hooks.showTopicPage = [&form, &context](trees::TreeNode& node) {
        pages::ShowTopicPage(form, context, node);
    };
    hooks.showLawTreeNode = [&form, &context](trees::TreeNode& node) {
        pages::ShowLawTreeNode(form, context, node);
    };
    hooks.showSchedulePage = [&form, &context](trees::TreeNode& node, int index) {
        pages::ShowSchedulePage(form, context, node, index);
    };

    pages::connectLinkHandlers(form, context);
    pages::installActViewerTrail(form, context);
    search::installSearch(form, hooks, context);
    dialogs::installDialogs(form, hooks, context, settings);

    // The history and the document commands serve the law viewer window too.
    LawViewerHooks viewerHooks;
    if (settings != nullptr)
        viewerHooks.created = [settings](QWidget& viewer) {
            rememberViewerZoom(viewer, *settings);
        };
    history::installHistory(form, hooks, context, viewerHooks);
    pages::installDocumentCommands(form, context, hooks, viewerHooks);
    setLawViewerHooks(std::move(viewerHooks));

    installWindowKeys(form, window.chrome().cmdtoolbar);
    if (settings != nullptr) {
        rememberViewerZoom(window, *settings);
        rememberWindow(window, *settings);
    }
}

} // namespace lexora::windows
