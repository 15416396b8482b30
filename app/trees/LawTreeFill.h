// The fill of the legislation tree (tvwTreelaw): one top-level branch "p" +
// type_id per type of LAWTYPE that is displayed, shown and below 90, ordered
// by LAWTYPE_ORDERNO then type_id; under it one leaf "c" + law_id per act row
// of that type, newest first (issue_date, law_year, law_code, descending),
// the text being law_code. When an act has a whole-text row (all_law_flag
// 1), its other rows are left out. The caller clears the tree before a fill.
//
// Full fill (l_init_tree true): all branches collapsed, "closed" on a branch
// with at least one act node, "open" on the others.
// Search fill (l_init_tree false): branches whose type is in `a` open with
// the "open" image, the others "closed" or "open" from the number of rows of
// their type; act nodes in init_topid are marked (NodeMarking.h). bExpand is
// not used: it is there so that the three trees' fills take the same
// arguments.
//
// A database error (engine::EngineError) ends the fill where it happens and
// goes to the caller; the nodes added so far stay.
#pragma once

#include "app/trees/SearchIdList.h"
#include "engine/Connection.h"
#include "platform/treeview/TreeControl.h"

namespace lexora::trees {

void FillLawTree(TreeControl& tvwTreelaw, engine::Connection& connection,
                 const SearchIdList& init_topid, bool bExpand, const SearchIdList& a,
                 bool l_init_tree);

// Adds the acts of the type ParentId under its branch, which must be in the
// tree.
void AddlawChildrenNodes(TreeControl& tvwTreelaw, engine::Connection& connection,
                         SearchIdList::Id ParentId, const SearchIdList& a, bool l_init_tree,
                         const SearchIdList& init_topid);

} // namespace lexora::trees
