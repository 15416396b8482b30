// The marking of the nodes a search found, shared by the three tree fills:
// a light rose background, navy text, bold.
#pragma once

#include "app/trees/SearchIdList.h"

#include <QColor>

namespace lexora::trees {

class TreeNode;

QColor markedBackColor(); // red 230, green 207, blue 195
QColor markedForeColor(); // navy: red 0, green 0, blue 128

// Marks the node when the id is one of init_topid; otherwise leaves it as it is.
void HighlightNode(TreeNode& node, SearchIdList::Id id, const SearchIdList& init_topid);

} // namespace lexora::trees
