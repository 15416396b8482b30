// The press of a search button of the main window: reads the box of the
// current tab for that button, empties the tab's tree and blanks its page
// viewers, then runs the tab's search or, when the box is empty or blank,
// refills the tree as at start-up.
//   cmdsearch(0): chart tab N (txtsearchSchedule(1)), chart tab P
//                 (txtsearchSchedule(0)), topics (txtsearch(0), title search
//                 on the tree as it stands, also with an empty box),
//                 legislation (txtsearchlaw(0), titles);
//   cmdsearch(1): topics (txtsearch(1), keywords), legislation
//                 (txtsearchlaw(1), keywords); nothing on the other tabs.
// On the history tab neither button does anything.
#pragma once

namespace lexora::shell {
struct Panes;
}
namespace lexora::startup {
struct ProgramContext;
}

namespace lexora::search {

// A database error is shown to the user (see SearchSupport.h); the busy
// pointer is restored on every way out.
void cmdsearch_Click(shell::Panes& form, startup::ProgramContext& context, int Index);

} // namespace lexora::search
