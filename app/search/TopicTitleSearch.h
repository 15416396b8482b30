// The title search of the topics tab: marks, among the first four levels of
// the topic tree as it stands, every topic whose title contains the text
// (both folded: capitals without accents; the whole text, blanks included),
// gives every other visited node the plain style, then collapses the tree
// and opens the branches that lead to the marks. Reads no database.
#pragma once

#include "platform/treeview/TreeControl.h"

#include <QString>

namespace lexora::search {

// An empty or blank text marks nothing: the first four levels lose any
// marking and the whole tree is collapsed. Nodes below the fourth level are
// neither compared nor restyled. An empty tree is left as it is.
void TreeView_with_search_titles(trees::TreeControl& tvwTree, const QString& l_text);

} // namespace lexora::search
