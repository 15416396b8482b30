// Filling frmInitial's hooks from the parts of the program that provide
// them: tree fills, page builders, searches, the other windows, the history
// and the document commands.
#include "ProgramHooks.h"

#include "ActViewerTrail.h"
#include "DialogsInstall.h"
#include "DocumentCommandsInstall.h"
#include "HistoryInstall.h"
#include "LawTreeFill.h"
#include "PageHandlers.h"
#include "ProgramContext.h"
#include "ScheduleTreeFill.h"
#include "SearchInstall.h"
#include "TopicTreeFill.h"
#include "ViewerZoomMemory.h"
#include "WindowKeys.h"
#include "WindowMemory.h"
#include "frmInitial.h"
#include "frmhotbrowser.h"

namespace lexora::windows {

void installProgramHooks(frmInitial& window, startup::ApplicationSettings* settings) {
    MainForm& form = window.form();
    startup::ProgramContext& context = window.context();
    MainWindowHooks& hooks = window.hooks();

    // Full fills: nothing to mark, nothing to open.
    hooks.fillTopicTree = [&form, &context] {
        trees::FillTopicTree(*form.tvwTree, context.connection, {}, false, {}, true);
    };
    hooks.fillLawTree = [&form, &context] {
        trees::FillLawTree(*form.tvwTreelaw, context.connection, {}, false, {}, true);
    };
    hooks.fillScheduleTreeP = [&form, &context] {
        trees::FillScheduleTreeP(*form.tvwTreeschedule[0], context.connection, {}, false, {}, true);
    };
    hooks.fillScheduleTreeN = [&form, &context] {
        trees::FillScheduleTreeN(*form.tvwTreeschedule[1], context.connection, {}, false, {}, true);
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

    installWindowKeys(form);
    if (settings != nullptr) {
        rememberViewerZoom(window, *settings);
        rememberWindow(window, *settings);
    }
}

} // namespace lexora::windows
