// The fill of the topic tree (tvwTree) from table topic. Keys are "l" +
// topic_id; siblings follow order_flag_lev1, _lev2, _lev3. The caller clears
// the tree (whose image list has "open" and "closed") before a fill.
//
// Full fill (l_init_tree true; the lists and bExpand are not used): every
// topic reachable from the top level, all collapsed, "closed" on topics with
// children and "open" on leaves.
// Search fill (l_init_tree false): the same nodes; those in init_topid are
// marked (NodeMarking.h); a lower topic in `a` is opened with the "open"
// image, and so is its parent's image; a top-level topic in `a` opens only
// when bExpand is true; every other topic gets "closed" or "open" from its
// child count.
//
// A database error (engine::EngineError) ends the fill where it happens and
// goes to the caller; the nodes added so far stay.
#pragma once

#include "app/trees/SearchIdList.h"
#include "engine/Connection.h"
#include "platform/treeview/TreeControl.h"

namespace lexora::trees {

void FillTopicTree(TreeControl& tvwTree, engine::Connection& connection,
                   const SearchIdList& init_topid, bool bExpand, const SearchIdList& a,
                   bool l_init_tree);

// Adds the children of the topic ParentId, whose node must be in the tree,
// and everything below them.
void AddChildrenNodes(TreeControl& tvwTree, engine::Connection& connection,
                      SearchIdList::Id ParentId, const SearchIdList& a, bool l_init_tree,
                      const SearchIdList& init_topid);

} // namespace lexora::trees
