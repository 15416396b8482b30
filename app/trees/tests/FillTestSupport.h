// What the fill tests share: a fixture database with its open connection,
// tree controls with the trees' images, and an outline of a tree that shows
// each node's key, image, expanded state and marking in one line.
#pragma once

#include "app/trees/NodeMarking.h"
#include "engine/Connection.h"
#include "platform/treeview/ImageList.h"
#include "platform/treeview/TreeControl.h"
#include "tests/support/FixtureDatabase.h"

#include <QStringList>

namespace fillstest {

struct FilledDatabase {
    explicit FilledDatabase(const QString& fillSql) : db(fillSql) {
        connection.open(engine::connectionTextFor(db.path(), QStringLiteral("$tr4vo")),
                        QStringLiteral("Admin"), QString());
    }
    testsupport::FixtureDatabase db;
    engine::Connection connection;
};

struct Tree : lexora::trees::TreeControl {
    Tree() { setImageList(lexora::trees::treeImageList()); }
};

// One line per node, depth first, children indented by two blanks:
// "key image", then " +" when expanded and " *" when marked (" ?" for a
// node with only part of the marking). With texts, the node's text follows
// the key in brackets.
inline void outlineOf(const lexora::trees::TreeNode& node, int depth, bool withTexts,
                      QStringList& lines) {
    QString line = QString(depth * 2, QLatin1Char(' ')) + node.key();
    if (withTexts)
        line += QStringLiteral(" [") + node.text() + QStringLiteral("]");
    line += QLatin1Char(' ') + node.imageKey();
    if (node.isExpanded())
        line += QStringLiteral(" +");
    const bool back = node.backColor() == lexora::trees::markedBackColor();
    const bool fore = node.foreColor() == lexora::trees::markedForeColor();
    if (back && fore && node.isBold())
        line += QStringLiteral(" *");
    else if (back || fore || node.isBold() || node.backColor().isValid() ||
             node.foreColor().isValid())
        line += QStringLiteral(" ?");
    lines << line;
    for (int i = 0; i < node.childCount(); ++i)
        outlineOf(*node.childNode(i), depth + 1, withTexts, lines);
}

inline QStringList outline(const lexora::trees::TreeControl& tree, bool withTexts = false) {
    QStringList lines;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        outlineOf(*lexora::trees::TreeNode::from(tree.topLevelItem(i)), 0, withTexts, lines);
    return lines;
}

} // namespace fillstest
