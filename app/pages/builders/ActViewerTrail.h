// Back and forward in the main window's act viewers along the acts they
// showed: on the topics tab the acts opened through the links of the topic
// page, on the legislation tab the acts chosen in the tree, on the history
// tab those chosen in the list. The page pane's back and forward buttons and
// Alt+Left, Alt+Right move along the trail of the tab shown.
#pragma once

namespace lexora::shell {
struct Panes;
}
namespace lexora::startup {
struct ProgramContext;
}

namespace lexora::pages {

// The trails live as long as the window of the panes.
void installActViewerTrail(shell::Panes& form, startup::ProgramContext& context);

} // namespace lexora::pages
