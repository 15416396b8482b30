// Puts the help, information, settings and about windows into the main
// window, over the program's own services: the printer dialog, the file-open
// dialog and the desktop's handler for web addresses.
#pragma once

namespace lexora::startup {
class ApplicationSettings;
struct ProgramContext;
} // namespace lexora::startup
namespace lexora::shell {
struct Panes;
}
namespace lexora::windows {
struct MainWindowHooks;
} // namespace lexora::windows

namespace lexora::dialogs {

class Dialogs;

// Call once, after the window's controls exist and before its load step
// (which may open the information window). The windows and the services
// belong to form.window; form, context and settings must outlive it.
// `settings` null: the document program is not stored between runs.
Dialogs& installDialogs(shell::Panes& form, windows::MainWindowHooks& hooks,
                        startup::ProgramContext& context, startup::ApplicationSettings* settings);

} // namespace lexora::dialogs
