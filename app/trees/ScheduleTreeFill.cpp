// The organisation-chart fills: one hierarchy fill over table schedule, run
// on whichever control the P or N pair is given.
#include "app/trees/ScheduleTreeFill.h"

#include "app/trees/HierarchyFill.h"

namespace lexora::trees {

namespace {

void fillSchedule(TreeControl& tree, engine::Connection& connection, const SearchIdList& init_topid,
                  bool bExpand, const SearchIdList& a, bool l_init_tree) {
    fill::fillHierarchy(tree, connection, fill::scheduleTable(), init_topid, bExpand, a,
                        l_init_tree);
}

void addScheduleChildren(TreeControl& tree, engine::Connection& connection,
                         SearchIdList::Id ParentId, const SearchIdList& a, bool l_init_tree,
                         const SearchIdList& init_topid) {
    fill::addHierarchyChildren(tree, connection, fill::scheduleTable(), ParentId, a, l_init_tree,
                               init_topid);
}

} // namespace

void FillScheduleTreeP(TreeControl& tvwTreeschedule0, engine::Connection& connection,
                       const SearchIdList& init_topid, bool bExpand, const SearchIdList& a,
                       bool l_init_tree) {
    fillSchedule(tvwTreeschedule0, connection, init_topid, bExpand, a, l_init_tree);
}

void AddChildrenNodesSchedule_P(TreeControl& tvwTreeschedule0, engine::Connection& connection,
                                SearchIdList::Id ParentId, const SearchIdList& a, bool l_init_tree,
                                const SearchIdList& init_topid) {
    addScheduleChildren(tvwTreeschedule0, connection, ParentId, a, l_init_tree, init_topid);
}

void FillScheduleTreeN(TreeControl& tvwTreeschedule1, engine::Connection& connection,
                       const SearchIdList& init_topid, bool bExpand, const SearchIdList& a,
                       bool l_init_tree) {
    fillSchedule(tvwTreeschedule1, connection, init_topid, bExpand, a, l_init_tree);
}

void AddChildrenNodesSchedule_N(TreeControl& tvwTreeschedule1, engine::Connection& connection,
                                SearchIdList::Id ParentId, const SearchIdList& a, bool l_init_tree,
                                const SearchIdList& init_topid) {
    addScheduleChildren(tvwTreeschedule1, connection, ParentId, a, l_init_tree, init_topid);
}

} // namespace lexora::trees
