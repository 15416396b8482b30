// Puts the searches into the main window: the searchClicked hook (the press
// of cmdsearch(index)) and the default button of the search boxes.
#pragma once

namespace lexora::shell {
struct Panes;
}
namespace lexora::windows {
struct MainWindowHooks;
} // namespace lexora::windows
namespace lexora::startup {
struct ProgramContext;
}

namespace lexora::search {

// Call once, after the window's controls exist; form, hooks and context must
// outlive the window.
void installSearch(shell::Panes& form, windows::MainWindowHooks& hooks,
                   startup::ProgramContext& context);

} // namespace lexora::search
