// The keyword search of the topics tab: the topics with an abstract whose
// keyword contains the text (folded: capitals without accents; "," between
// parts asks for any of them, "+" for all), shown by refilling the topic
// tree with those topics marked and every topic above them opened.
#pragma once

#include "engine/Connection.h"
#include "platform/treeview/TreeControl.h"

#include <QString>

namespace lexora::search {

// Refills tvwTree, which the caller has emptied. pKeyWords is always true
// (the topics tab searches keywords only; false searches the same way).
// A text of separators and blanks only is an empty search and a failed
// search is reported; both give the tree's full fill (runTreeSearch). The
// result is false when the search failed.
bool TreeView_with_search(trees::TreeControl& tvwTree, engine::Connection& connection,
                          const QString& l_text, bool pKeyWords = true);

} // namespace lexora::search
