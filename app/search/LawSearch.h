// The searches of the legislation tab: by title (the text as typed) or by
// keyword (the text folded: capitals without accents), among the acts whose
// type is displayed; "," between parts asks for any of them, "+" for all.
// The legislation tree is refilled with the found acts marked and the types
// that hold them opened.
#pragma once

#include "engine/Connection.h"
#include "platform/treeview/TreeControl.h"

#include <QString>

namespace lexora::search {

// Refills tvwTreelaw, which the caller has emptied. pKeyWords: search the
// keywords, else the titles. On return l_text holds the condition that was
// built. A text of separators and blanks only is an empty search and a
// failed search is reported; both give the tree's full fill (runTreeSearch).
// The result is false when the search failed.
bool TreeView_with_law_search(trees::TreeControl& tvwTreelaw, engine::Connection& connection,
                              QString& l_text, bool pKeyWords);

} // namespace lexora::search
