// The fills of the two organisation-chart trees, tvwTreeschedule(0) (the P
// pair) and tvwTreeschedule(1) (the N pair), from table schedule. Both pairs
// are the topic tree's fill (TopicTreeFill.h) over schedule: keys "l" +
// schedule_id, unique within each control, so the same row has the same key
// in both. Each pair writes only into the control it is given.
#pragma once

#include "app/trees/SearchIdList.h"
#include "engine/Connection.h"
#include "platform/treeview/TreeControl.h"

namespace lexora::trees {

void FillScheduleTreeP(TreeControl& tvwTreeschedule0, engine::Connection& connection,
                       const SearchIdList& init_topid, bool bExpand, const SearchIdList& a,
                       bool l_init_tree);
void AddChildrenNodesSchedule_P(TreeControl& tvwTreeschedule0, engine::Connection& connection,
                                SearchIdList::Id ParentId, const SearchIdList& a, bool l_init_tree,
                                const SearchIdList& init_topid);

void FillScheduleTreeN(TreeControl& tvwTreeschedule1, engine::Connection& connection,
                       const SearchIdList& init_topid, bool bExpand, const SearchIdList& a,
                       bool l_init_tree);
void AddChildrenNodesSchedule_N(TreeControl& tvwTreeschedule1, engine::Connection& connection,
                                SearchIdList::Id ParentId, const SearchIdList& a, bool l_init_tree,
                                const SearchIdList& init_topid);

} // namespace lexora::trees
