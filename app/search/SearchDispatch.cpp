// The dispatch runs every tab whose flag is set, in the window's order; the
// tab change sets at most one.
#include "app/search/SearchDispatch.h"

#include "app/search/LawSearch.h"
#include "app/search/ScheduleSearch.h"
#include "app/search/SearchSupport.h"
#include "app/search/TopicKeywordSearch.h"
#include "app/search/TopicTitleSearch.h"
#include "app/shell/Panes.h"
#include "app/startup/ProgramContext.h"
#include "app/trees/LawTreeFill.h"
#include "app/trees/ScheduleTreeFill.h"
#include "app/trees/TopicTreeFill.h"

namespace lexora::search {

namespace {

void empty(trees::TreeControl& tree) {
    if (tree.topLevelItemCount() > 0)
        tree.clearNodes();
}

void fullFill(void (*fill)(trees::TreeControl&, engine::Connection&, const trees::SearchIdList&,
                           bool, const trees::SearchIdList&, bool),
              trees::TreeControl& tree, engine::Connection& connection) {
    runReportingErrors([&] { fill(tree, connection, {}, false, {}, true); });
}

void chartSearch(shell::Panes& f, engine::Connection& connection, shell::Tab tab) {
    QString text = f.tabs.searchText(tab, 0);
    trees::TreeControl& tree = *f.tabs.tree(tab);
    empty(tree);
    f.page.blankActViewer(shell::Tab::Laws);
    if (tab == shell::Tab::ChartN) {
        if (!text.isEmpty())
            TreeView_with_Schedule_search_N(tree, connection, text);
        else
            fullFill(&trees::FillScheduleTreeN, tree, connection);
    } else {
        if (!text.isEmpty())
            TreeView_with_Schedule_search_P(tree, connection, text);
        else
            fullFill(&trees::FillScheduleTreeP, tree, connection);
    }
}

void lawSearch(shell::Panes& f, engine::Connection& connection, int box) {
    QString text = f.tabs.searchText(shell::Tab::Laws, box);
    trees::TreeControl& tree = *f.tabs.tree(shell::Tab::Laws);
    empty(tree);
    f.page.blankActViewer(shell::Tab::Laws);
    if (!text.isEmpty())
        TreeView_with_law_search(tree, connection, text, box == 1);
    else
        fullFill(&trees::FillLawTree, tree, connection);
}

} // namespace

void cmdsearch_Click(shell::Panes& f, startup::ProgramContext& context, int Index) {
    const BusyPointer busy;
    const ProgramState& state = context.state;
    engine::Connection& connection = context.connection;

    if (Index == 0) {
        if (state.gOnTabOrganogramma_N)
            chartSearch(f, connection, shell::Tab::ChartN);
        if (state.gOnTabOrganogramma_P)
            chartSearch(f, connection, shell::Tab::ChartP);
        if (state.gOnTabThemata) {
            const QString text = f.tabs.searchText(shell::Tab::Topics, 0);
            f.page.blankTopicPage();
            f.page.blankActViewer(shell::Tab::Topics);
            TreeView_with_search_titles(*f.tabs.tree(shell::Tab::Topics), text);
        }
        if (state.gOnTabNomoi)
            lawSearch(f, connection, 0);
    } else if (Index == 1) {
        if (state.gOnTabThemata) {
            const QString text = f.tabs.searchText(shell::Tab::Topics, 1);
            trees::TreeControl& tree = *f.tabs.tree(shell::Tab::Topics);
            empty(tree);
            f.page.blankTopicPage();
            f.page.blankActViewer(shell::Tab::Topics);
            if (!text.isEmpty())
                TreeView_with_search(tree, connection, text, true);
            else
                fullFill(&trees::FillTopicTree, tree, connection);
        }
        if (state.gOnTabNomoi)
            lawSearch(f, connection, 1);
    }
}

} // namespace lexora::search
