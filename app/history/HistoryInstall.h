// Puts the history into the main window and the law viewer window: the
// loadHistory and saveHistory hooks, the buttons cmdpichistory,
// cmdpicsavewholelaw and Cmddelete, the choice in lsthistory, and the law
// viewer's save button and unloading.
#pragma once

namespace lexora::shell {
struct Panes;
}
namespace lexora::windows {
struct MainWindowHooks;
struct LawViewerHooks;
} // namespace lexora::windows
namespace lexora::startup {
struct ProgramContext;
}

namespace lexora::history {

// Call once, after the window's controls exist; form, hooks and context must
// outlive the window. Fills saveAct and saveHistory of viewerHooks, which
// the caller then hands to setLawViewerHooks with the rest of its hooks.
void installHistory(shell::Panes& form, windows::MainWindowHooks& hooks,
                    startup::ProgramContext& context, windows::LawViewerHooks& viewerHooks);

} // namespace lexora::history
