// The marking of found nodes.
#include "app/trees/NodeMarking.h"

#include "platform/treeview/TreeNode.h"

namespace lexora::trees {

QColor markedBackColor() {
    return QColor(230, 207, 195);
}

QColor markedForeColor() {
    return QColor(0, 0, 128);
}

void HighlightNode(TreeNode& node, SearchIdList::Id id, const SearchIdList& init_topid) {
    if (!init_topid.contains(id))
        return;
    node.setBackColor(markedBackColor());
    node.setForeColor(markedForeColor());
    node.setBold(true);
}

} // namespace lexora::trees
