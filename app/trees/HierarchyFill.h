// The fill of a tree read from a table that names each row's parent: the
// topic tree and the two organisation-chart trees. Top-level rows are those
// whose parent is 0; each node's key is "l" + its id. A full fill adds every
// row reachable from the top, collapsed, with "closed" on nodes that have
// children and "open" on leaves. A search fill also marks the listed nodes
// and opens the listed branches.
#pragma once

#include "app/trees/SearchIdList.h"
#include "engine/Connection.h"
#include "platform/treeview/TreeControl.h"

#include <QString>

namespace lexora::trees::fill {

// The statements and the id column of one such table.
struct HierarchyTable {
    QString (*topLevel)();
    QString (*children)(SearchIdList::Id parentId);
    QString (*childCount)(SearchIdList::Id id);
    const char* idField;
};

const HierarchyTable& topicTable();
const HierarchyTable& scheduleTable();

// The top level and, through addChildren, everything below. bExpand lets a
// top-level node listed in `a` open.
void fillHierarchy(TreeControl& tree, engine::Connection& connection, const HierarchyTable& table,
                   const SearchIdList& init_topid, bool bExpand, const SearchIdList& a,
                   bool l_init_tree);

// The children of the node "l" + ParentId and, recursively, their descendants.
void addHierarchyChildren(TreeControl& tree, engine::Connection& connection,
                          const HierarchyTable& table, SearchIdList::Id ParentId,
                          const SearchIdList& a, bool l_init_tree, const SearchIdList& init_topid);

} // namespace lexora::trees::fill
