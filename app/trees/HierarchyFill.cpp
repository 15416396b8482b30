// The fill shared by the topic tree and the organisation-chart trees. Every
// statement runs while the tree is filled, so that opening a branch later
// needs no database; a database error ends the fill where it happens, leaving
// the nodes added so far, and goes to the caller.
#include "app/trees/HierarchyFill.h"

#include "app/state/DataDamage.h"
#include "app/store/Statements.h"
#include "app/trees/FillSupport.h"
#include "app/trees/NodeMarking.h"

#include <optional>
#include <vector>

namespace lexora::trees::fill {

namespace {

QString keyOf(SearchIdList::Id id) {
    return QStringLiteral("l") + QString::number(id);
}

// The image of a node that a search fill does not open: "closed" when it has
// children to show, else "open".
void setImageFromChildCount(engine::Connection& connection, const HierarchyTable& table,
                            TreeNode& node, SearchIdList::Id id) {
    node.setImageKey(countOf(connection, table.childCount(id)) > 0 ? closedImage() : openImage());
}

// The level of a node in its tree: 1 for a top-level node.
int depthOf(const TreeNode& node) {
    int depth = 1;
    for (const TreeNode* n = node.parentNode(); n != nullptr; n = n->parentNode())
        ++depth;
    return depth;
}

} // namespace

const HierarchyTable& topicTable() {
    static const HierarchyTable table{&store::topicTopLevel, &store::topicChildren,
                                      &store::topicChildCount, "topic_id"};
    return table;
}

const HierarchyTable& scheduleTable() {
    static const HierarchyTable table{&store::scheduleTopLevel, &store::scheduleChildren,
                                      &store::scheduleChildCount, "schedule_id"};
    return table;
}

void fillHierarchy(TreeControl& tree, engine::Connection& connection, const HierarchyTable& table,
                   const SearchIdList& init_topid, bool bExpand, const SearchIdList& a,
                   bool l_init_tree) {
    const QString idField = QString::fromLatin1(table.idField);
    // The nodes enter the widget together when the fill ends, also by an error.
    const TreeControl::Batch batch(tree);
    engine::Recordset rs = connection.execute(table.topLevel());
    while (!rs.eof()) {
        const std::optional<SearchIdList::Id> id = idOf(rs, idField);
        TreeNode* node =
            id ? addNodeOnce(tree, {}, keyOf(*id), rs.value(QStringLiteral("descr")).toString())
               : nullptr;
        if (node != nullptr) {
            if (l_init_tree) {
                addHierarchyChildren(tree, connection, table, *id, {}, true, {});
            } else {
                HighlightNode(*node, *id, init_topid);
                if (bExpand && a.contains(*id)) {
                    node->setExpanded(true);
                    node->setImageKey(openImage());
                } else {
                    setImageFromChildCount(connection, table, *node, *id);
                }
                addHierarchyChildren(tree, connection, table, *id, a, false, init_topid);
            }
        }
        rs.moveNext();
    }
    rs.close();
}

void addHierarchyChildren(TreeControl& tree, engine::Connection& connection,
                          const HierarchyTable& table, SearchIdList::Id ParentId,
                          const SearchIdList& a, bool l_init_tree, const SearchIdList& init_topid) {
    // The walk keeps its own stack of open levels instead of recursing, so
    // that a parent chain thousands of levels long (damaged data) can neither
    // exhaust the call stack nor keep the user waiting: nothing below
    // kMaxHierarchyDepth is read. The nodes are added in the same order as a
    // recursive walk adds them, each level's rows staying open while the
    // levels below are read.
    struct Level {
        engine::Recordset rs;
        QString parentKey;
        int depth; // of the nodes this level adds; top level = 1
    };
    const QString idField = QString::fromLatin1(table.idField);
    std::vector<Level> levels;

    // The children of `parentId` as a new level, unless it has none.
    const auto open = [&](SearchIdList::Id parentId, int depth) {
        if (depth > kMaxHierarchyDepth) {
            if (countOf(connection, table.childCount(parentId)) > 0)
                reportDataDamage(DataDamage::Hierarchy);
            return;
        }
        engine::Recordset rs = connection.execute(table.children(parentId));
        if (countOf(connection, table.childCount(parentId)) == 0)
            return;
        levels.push_back(Level{std::move(rs), keyOf(parentId), depth});
    };

    const TreeNode* start = tree.node(keyOf(ParentId));
    open(ParentId, start != nullptr ? depthOf(*start) + 1 : 1);
    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.rs.eof()) {
            level.rs.close();
            levels.pop_back();
            continue;
        }
        const std::optional<SearchIdList::Id> id = idOf(level.rs, idField);
        TreeNode* node = id ? addNodeOnce(tree, level.parentKey, keyOf(*id),
                                          level.rs.value(QStringLiteral("descr")).toString())
                            : nullptr;
        const int depth = level.depth;
        level.rs.moveNext(); // before `level` goes stale through the push below
        if (node == nullptr)
            continue;
        if (l_init_tree) {
            node->parentNode()->setImageKey(closedImage());
        } else {
            HighlightNode(*node, *id, init_topid);
            if (a.contains(*id)) {
                node->setExpanded(true);
                node->setImageKey(openImage());
                node->parentNode()->setImageKey(openImage());
            } else {
                setImageFromChildCount(connection, table, *node, *id);
            }
        }
        open(*id, depth + 1);
    }
}

} // namespace lexora::trees::fill
