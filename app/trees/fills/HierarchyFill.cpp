// The fill shared by the topic tree and the organisation-chart trees. Every
// statement runs while the tree is filled, so that opening a branch later
// needs no database; a database error ends the fill where it happens, leaving
// the nodes added so far, and goes to the caller.
#include "HierarchyFill.h"

#include "FillSupport.h"
#include "NodeMarking.h"
#include "Statements.h"

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
    engine::Recordset rs = connection.execute(table.topLevel());
    while (!rs.eof()) {
        const SearchIdList::Id id = idOf(rs, idField);
        TreeNode* node =
            addNodeOnce(tree, {}, keyOf(id), rs.value(QStringLiteral("descr")).toString());
        if (node != nullptr) {
            if (l_init_tree) {
                addHierarchyChildren(tree, connection, table, id, {}, true, {});
            } else {
                HighlightNode(*node, id, init_topid);
                if (bExpand && a.contains(id)) {
                    node->setExpanded(true);
                    node->setImageKey(openImage());
                } else {
                    setImageFromChildCount(connection, table, *node, id);
                }
                addHierarchyChildren(tree, connection, table, id, a, false, init_topid);
            }
        }
        rs.moveNext();
    }
    rs.close();
}

void addHierarchyChildren(TreeControl& tree, engine::Connection& connection,
                          const HierarchyTable& table, SearchIdList::Id ParentId,
                          const SearchIdList& a, bool l_init_tree, const SearchIdList& init_topid) {
    const QString idField = QString::fromLatin1(table.idField);
    engine::Recordset rs = connection.execute(table.children(ParentId));
    if (countOf(connection, table.childCount(ParentId)) == 0)
        return;
    const QString parentKey = keyOf(ParentId);
    while (!rs.eof()) {
        const SearchIdList::Id id = idOf(rs, idField);
        TreeNode* node =
            addNodeOnce(tree, parentKey, keyOf(id), rs.value(QStringLiteral("descr")).toString());
        if (node != nullptr) {
            if (l_init_tree) {
                node->parentNode()->setImageKey(closedImage());
                addHierarchyChildren(tree, connection, table, id, {}, true, {});
            } else {
                HighlightNode(*node, id, init_topid);
                if (a.contains(id)) {
                    node->setExpanded(true);
                    node->setImageKey(openImage());
                    node->parentNode()->setImageKey(openImage());
                } else {
                    setImageFromChildCount(connection, table, *node, id);
                }
                addHierarchyChildren(tree, connection, table, id, a, false, init_topid);
            }
        }
        rs.moveNext();
    }
    rs.close();
}

} // namespace lexora::trees::fill
