// The search of the organisation-chart tabs: the entries whose title
// contains the text as typed (no folding; the engine's comparison ignores
// letter case but not accents; "," between parts asks for any of them, "+"
// for all), shown by refilling the tab's tree with those entries marked and
// every entry above them opened. One search, two trees:
// tvwTreeschedule(0) through FillScheduleTreeP, tvwTreeschedule(1) through
// FillScheduleTreeN.
#pragma once

#include "engine/Connection.h"
#include "platform/treeview/TreeControl.h"

#include <QString>

namespace lexora::search {

// Refill the tree of their variant, which the caller has emptied. On return
// l_text holds the condition that was built.
// A text of separators and blanks only is an empty search and a failed
// search is reported; both give the tree's full fill (runTreeSearch). The
// result is false when the search failed.
bool TreeView_with_Schedule_search_P(trees::TreeControl& tvwTreeschedule0,
                                     engine::Connection& connection, QString& l_text);
bool TreeView_with_Schedule_search_N(trees::TreeControl& tvwTreeschedule1,
                                     engine::Connection& connection, QString& l_text);

} // namespace lexora::search
