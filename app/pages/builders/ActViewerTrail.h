// Back and forward in the main window's act viewer (brwWebBrowser2) along the
// acts opened through the links of the topic page: two buttons at the head of
// the act panel (cmdpicback, cmdpicforward) and Alt+Left, Alt+Right while the
// topics tab is shown.
#pragma once

namespace lexora::shell {
struct Panes;
}
namespace lexora::startup {
struct ProgramContext;
}

namespace lexora::pages {

// Call after connectLinkHandlers: the act a link opened is recorded once the
// link handler has shown it.
void installActViewerTrail(shell::Panes& form, startup::ProgramContext& context);

} // namespace lexora::pages
