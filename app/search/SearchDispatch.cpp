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
#include "platform/pageview/PageViewer.h"

#include <QLineEdit>

namespace lexora::search {

namespace {

QString searchText(const QLineEdit* box) {
    return box ? box->text().trimmed() : QString();
}

void blank(pages::PageViewer* viewer) {
    if (viewer)
        viewer->Navigate2(QStringLiteral("about:blank"));
}

void empty(trees::TreeControl& tree) {
    if (tree.topLevelItemCount() > 0)
        tree.clearNodes();
}

void fullFill(void (*fill)(trees::TreeControl&, engine::Connection&, const trees::SearchIdList&,
                           bool, const trees::SearchIdList&, bool),
              trees::TreeControl& tree, engine::Connection& connection) {
    runReportingErrors([&] { fill(tree, connection, {}, false, {}, true); });
}

void chartSearch(shell::Panes& f, engine::Connection& connection, std::size_t index) {
    QString text = searchText(f.tabs.txtsearchSchedule[index]);
    trees::TreeControl& tree = *f.tabs.tvwTreeschedule[index];
    empty(tree);
    blank(f.page.brwWebBrowser3);
    if (index == 1) {
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

void lawSearch(shell::Panes& f, engine::Connection& connection, std::size_t index) {
    QString text = searchText(f.tabs.txtsearchlaw[index]);
    empty(*f.tabs.tvwTreelaw);
    blank(f.page.brwWebBrowser3);
    if (!text.isEmpty())
        TreeView_with_law_search(*f.tabs.tvwTreelaw, connection, text, index == 1);
    else
        fullFill(&trees::FillLawTree, *f.tabs.tvwTreelaw, connection);
}

} // namespace

void cmdsearch_Click(shell::Panes& f, startup::ProgramContext& context, int Index) {
    const BusyPointer busy;
    const ProgramState& state = context.state;
    engine::Connection& connection = context.connection;

    if (Index == 0) {
        if (state.gOnTabOrganogramma_N)
            chartSearch(f, connection, 1);
        if (state.gOnTabOrganogramma_P)
            chartSearch(f, connection, 0);
        if (state.gOnTabThemata) {
            const QString text = searchText(f.tabs.txtsearch[0]);
            blank(f.page.brwWebBrowser1);
            blank(f.page.brwWebBrowser2);
            TreeView_with_search_titles(*f.tabs.tvwTree, text);
        }
        if (state.gOnTabNomoi)
            lawSearch(f, connection, 0);
    } else if (Index == 1) {
        if (state.gOnTabThemata) {
            const QString text = searchText(f.tabs.txtsearch[1]);
            empty(*f.tabs.tvwTree);
            blank(f.page.brwWebBrowser1);
            blank(f.page.brwWebBrowser2);
            if (!text.isEmpty())
                TreeView_with_search(*f.tabs.tvwTree, connection, text, true);
            else
                fullFill(&trees::FillTopicTree, *f.tabs.tvwTree, connection);
        }
        if (state.gOnTabNomoi)
            lawSearch(f, connection, 1);
    }
}

} // namespace lexora::search
