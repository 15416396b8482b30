// The walk handles a node after its subtree, down to the roots'
// great-grandchildren; a match adds the nodes above it to the expand list,
// and a matched root adds itself so that its children show.
#include "app/search/TopicTitleSearch.h"

#include "app/search/FoldGreekText.h"
#include "app/search/SearchSupport.h"
#include "app/trees/NodeMarking.h"
#include "platform/treeview/TreeNode.h"

#include <QTreeWidgetItemIterator>

#include <vector>

namespace lexora::search {

namespace {

constexpr int kSearchedLevels = 4;

struct TitleWalk {
    QString query;
    std::vector<trees::TreeNode*> expand;

    // level 1 = a root.
    void visit(trees::TreeNode& node, int level) {
        if (level < kSearchedLevels)
            for (int i = 0; i < node.childCount(); ++i)
                if (trees::TreeNode* child = node.childNode(i))
                    visit(*child, level + 1);
        if (!query.isEmpty() && FoldGreekText(node.text()).contains(query)) {
            node.setBackColor(trees::markedBackColor());
            node.setForeColor(trees::markedForeColor());
            node.setBold(true);
            if (level == 1) {
                expand.push_back(&node);
            } else {
                std::vector<trees::TreeNode*> above;
                for (trees::TreeNode* p = node.parentNode(); p != nullptr; p = p->parentNode())
                    above.push_back(p);
                expand.insert(expand.end(), above.rbegin(), above.rend()); // root first
            }
        } else {
            // The tree's own colours, as the fill leaves a node it does not mark.
            node.setBackColor(QColor());
            node.setForeColor(QColor());
            node.setBold(false);
        }
    }
};

} // namespace

void TreeView_with_search_titles(trees::TreeControl& tvwTree, const QString& l_text) {
    const BusyPointer busy;
    TitleWalk walk{FoldGreekText(l_text), {}};
    for (int i = 0; i < tvwTree.topLevelItemCount(); ++i)
        if (trees::TreeNode* root = trees::TreeNode::from(tvwTree.topLevelItem(i)))
            walk.visit(*root, 1);

    for (QTreeWidgetItemIterator it(&tvwTree); *it != nullptr; ++it)
        (*it)->setExpanded(false);
    for (trees::TreeNode* node : walk.expand)
        node->setExpanded(true);
}

} // namespace lexora::search
