// Organisation-chart search: one implementation, the fill chosen by variant.
#include "app/search/ScheduleSearch.h"

#include "app/search/HierarchySearch.h"
#include "app/search/SearchSupport.h"
#include "app/store/Statements.h"
#include "app/trees/ScheduleTreeFill.h"
#include "dbroutines/clsDBcond.h"

namespace lexora::search {

namespace {

bool scheduleSearch(trees::TreeControl& tree, engine::Connection& connection, QString& l_text,
                    TreeFill fill) {
    const BusyPointer busy;
    const QString cond = dvDBrtns4::clsDBcond::BuildCond(QStringLiteral("Schedule.descr"), l_text,
                                                         dvDBrtns4::opContains);
    l_text = cond;
    return runTreeSearch(tree, connection, cond, fill, [&] {
        const ParentWalk walk{&store::scheduleAncestor, QStringLiteral("Schedule_id"),
                              QStringLiteral("Schedule_id_parent")};
        const HierarchyMatches found =
            collectHierarchyMatches(connection, store::scheduleSearch(cond), walk);
        fill(tree, connection, found.matches, found.ancestorsCollected, found.ancestors, false);
    });
}

} // namespace

bool TreeView_with_Schedule_search_P(trees::TreeControl& tvwTreeschedule0,
                                     engine::Connection& connection, QString& l_text) {
    return scheduleSearch(tvwTreeschedule0, connection, l_text, &trees::FillScheduleTreeP);
}

bool TreeView_with_Schedule_search_N(trees::TreeControl& tvwTreeschedule1,
                                     engine::Connection& connection, QString& l_text) {
    return scheduleSearch(tvwTreeschedule1, connection, l_text, &trees::FillScheduleTreeN);
}

} // namespace lexora::search
